#pragma once
// The registry tab with its Backup folder: presses of a preset, the Undo button, and the files
// and snapshots they leave.
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "page_fixture.h"
#include "settings/presets.h"
#include "settings/undo.h"

namespace testing_settings {

inline const std::string kRunKey = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

inline settings::SavedValue& entry(settings::Snapshot& snapshot, const std::string& name) {
  return *std::find_if(snapshot.begin(), snapshot.end(),
                       [&](const settings::SavedValue& s) { return s.name == name; });
}

struct BackupFixture : PageFixture {
  std::string backupFolder() { return world.programFolder + "\\Backup"; }
  std::vector<std::string> backupNames() {
    auto names = world.folders.fileNames(backupFolder());
    std::sort(names.begin(), names.end());
    return names;
  }
  settings::Snapshot newestBackup() {
    const auto newest = page.backups.newest();
    if (!newest) throw std::runtime_error("no backup");
    return page.backups.load(*newest);
  }
  void press(settings::Preset preset) {
    platform::MachineFacts machine;
    machine.processor.platformLabel = "Slot1";
    world.runtime.dispatch([&] { settings::applyPreset(preset, machine, page, services); });
  }
  void undo() {
    world.runtime.dispatch([&] { settings::restoreNewestBackup(page, services); });
  }
  void seedMachine() {
    world.registry.setString(kDriverKey, "Circles", "0");
    world.registry.setString(kDriverKey, "AGPFlags", "1");
    world.registry.setInteger(kDriverKey, "ShowHotKeys", 7);  // a number, as some drivers keep it
    world.registry.setString(kDriverKey, "OrgMonName", "NANAO FlexScan");
    world.registry.setString(kRunKey, "Matrox QuickDesk", "C:\\MATROX\\QDesk\\mgaqdesk.exe");
  }
};

}  // namespace testing_settings
