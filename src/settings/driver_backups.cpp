#include "settings/driver_backups.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/text.h"
#include "text/catalogue.h"

namespace settings {
namespace {

constexpr const char* kFolderName = "Backup";

bool isDigits(const std::string& text, std::size_t from, std::size_t count) {
  if (from + count > text.size()) return false;
  for (std::size_t i = from; i < from + count; ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

struct ActionWord {
  BackupAction action;
  const char* word;
};
constexpr ActionWord kActionWords[] = {{BackupAction::Preset, "preset"},
                                       {BackupAction::Removal, "removal"},
                                       {BackupAction::Undo, "undo"},
                                       {BackupAction::Box, "box"}};

// The part of a name that orders it: "20261207_143005" or "20261207_143005_01" (a second one
// in the same second).
std::size_t orderLength(const std::string& name) {
  return name.size() > 18 && name[15] == '_' ? 18 : 15;
}

// What follows the order part: ".reg" (a backup of an earlier version) or "-preset.reg", ...
BackupAction actionOf(const std::string& name, bool* known = nullptr) {
  const std::string rest = name.substr(std::min(name.size(), orderLength(name)));
  if (known) *known = true;
  if (rest == ".reg") return BackupAction::Unknown;
  for (const ActionWord& a : kActionWords)
    if (rest == std::string("-") + a.word + ".reg") return a.action;
  if (known) *known = false;
  return BackupAction::Unknown;
}

const char* wordOf(BackupAction action) {
  for (const ActionWord& a : kActionWords)
    if (a.action == action) return a.word;
  return "";
}

// "20261207_143005-preset.reg", "20261207_143005_01-box.reg" or, from earlier versions,
// "20261207_143005.reg".
bool isBackupName(const std::string& name) {
  if (name.size() < 19 || !isDigits(name, 0, 8) || name[8] != '_' || !isDigits(name, 9, 6))
    return false;
  if (orderLength(name) == 18 && !isDigits(name, 16, 2)) return false;
  bool known = false;
  actionOf(name, &known);
  return known;
}

// Oldest first: by the time and number in the name, whatever the action.
bool madeBefore(const std::string& a, const std::string& b) {
  const int order = a.compare(0, orderLength(a), b, 0, orderLength(b));
  return order != 0 ? order < 0 : a < b;
}

std::string stamp(const platform::Moment& m) {
  using platform::zeroPadded;
  return zeroPadded(m.date.year, 4) + zeroPadded(m.date.month, 2) + zeroPadded(m.date.day, 2) +
         "_" + zeroPadded(m.hour, 2) + zeroPadded(m.minute, 2) + zeroPadded(m.second, 2);
}

std::string whenOf(const std::string& name) {
  return name.substr(0, 4) + "/" + name.substr(4, 2) + "/" + name.substr(6, 2) + " " +
         name.substr(9, 2) + ":" + name.substr(11, 2) + ":" + name.substr(13, 2);
}

}  // namespace

DriverBackups::DriverBackups(platform::Services& services) : services_(services) {}

std::string DriverBackups::folder() const {
  const std::string& program = services_.programFolder;
  const bool endsWithSeparator = !program.empty() && program.back() == '\\';
  return program + (endsWithSeparator ? "" : "\\") + kFolderName;
}

std::vector<std::string> DriverBackups::names() {
  std::vector<std::string> found;
  for (const auto& name : services_.folders.fileNames(folder()))
    if (isBackupName(name)) found.push_back(name);
  std::sort(found.begin(), found.end(), madeBefore);
  return found;
}

BackupFile DriverBackups::fileOf(const std::string& name) const {
  return BackupFile{folder() + "\\" + name, whenOf(name), actionOf(name)};
}

void DriverBackups::save(BackupAction action) {
  const Snapshot snapshot = readSnapshot(services_.registry);
  const std::string base = stamp(services_.calendar.now());
  std::vector<std::string> existing = names();
  const std::string word = wordOf(action);
  const std::string suffix = word.empty() ? ".reg" : "-" + word + ".reg";
  auto taken = [&existing](const std::string& order) {
    for (const std::string& other : existing)
      if (other.compare(0, orderLength(other), order) == 0) return true;
    return false;
  };
  std::string order = base;
  for (int n = 1; taken(order); ++n) {
    if (n > 99)
      throw platform::UserError(
          platform::format1(text::tr(text::Id::ErrorCannotCreateFile), order + suffix));
    order = base + "_" + platform::zeroPadded(n, 2);
  }
  const std::string name = order + suffix;
  const std::string path = folder() + "\\" + name;
  try {
    if (!services_.folders.makeFolder(folder()))
      throw platform::UserError(platform::format1(text::tr(text::Id::ErrorCannotCreateFile), path));
    services_.files.writeLines(path, backupFileLines(snapshot));
  } catch (const platform::UserError& e) {
    throw platform::UserError(std::string(e.what()) + "\n" +
                              text::tr(text::Id::ErrorBackupNotSaved));
  }
  existing.push_back(name);
  std::sort(existing.begin(), existing.end(), madeBefore);
  // Older backups beyond the newest 20 go; one that cannot be deleted stays, harmlessly.
  for (std::size_t i = 0; i + kKept < existing.size(); ++i)
    services_.files.remove(folder() + "\\" + existing[i]);
  if (onSaved) onSaved();
}

void DriverBackups::saveBeforeFirstBoxWrite() {
  if (boxWriteSaved_) return;
  save(BackupAction::Box);
  boxWriteSaved_ = true;
}

bool DriverBackups::any() { return !names().empty(); }

std::optional<BackupFile> DriverBackups::newest() {
  const auto all = names();
  if (all.empty()) return std::nullopt;
  return fileOf(all.back());
}

std::optional<BackupFile> DriverBackups::nextToRestore() {
  const auto all = names();
  std::size_t stepsTaken = 0;
  auto at = all.rbegin();
  for (; at != all.rend() && actionOf(*at) == BackupAction::Undo; ++at) ++stepsTaken;
  for (; at != all.rend(); ++at) {
    if (actionOf(*at) == BackupAction::Undo) continue;
    if (stepsTaken-- == 0) return fileOf(*at);
  }
  return std::nullopt;
}

Snapshot DriverBackups::load(const BackupFile& file) {
  const auto snapshot = parseBackupFile(services_.files.readLines(file.path));
  if (!snapshot)
    throw platform::UserError(
        platform::format1(text::tr(text::Id::ErrorBackupDamaged), file.path));
  return *snapshot;
}

}  // namespace settings
