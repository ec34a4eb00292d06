// Backups of the driver settings: the regedit file, the Backup folder, and the way back.
#include <algorithm>
#include <functional>

#include "page_fixture.h"
#include "platform/errors.h"
#include "settings/backup_file.h"
#include "settings/presets.h"
#include "settings/removal.h"
#include "settings/undo.h"

using stored::RegistryValue;
using stored::ValueType;
using testing_settings::kDriverKey;
using testing_settings::PageFixture;

namespace {

const std::string kRunKey = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

RegistryValue stringValue(const std::string& t) {
  return {ValueType::String, {t.begin(), t.end()}};
}

settings::Snapshot everyValueAbsent() {
  settings::Snapshot snapshot;
  for (const auto& m : settings::managedValues()) snapshot.push_back({m.where, m.name, {}});
  return snapshot;
}

settings::SavedValue& entry(settings::Snapshot& snapshot, const std::string& name) {
  return *std::find_if(snapshot.begin(), snapshot.end(),
                       [&](const settings::SavedValue& s) { return s.name == name; });
}

// A snapshot with one value of every kind the driver's key may hold, and absent ones.
settings::Snapshot mixedSnapshot() {
  settings::Snapshot snapshot = everyValueAbsent();
  entry(snapshot, "Circles").value = stringValue("1");
  entry(snapshot, "Force DDC").value = stringValue("a \"quoted\" C:\\path and 日本語");
  entry(snapshot, "AGPFlags").value = stringValue("-1");
  entry(snapshot, "Use MMX").value = RegistryValue{ValueType::Dword, {0x78, 0x56, 0x34, 0x12}};
  entry(snapshot, "TVOutput").value = RegistryValue{ValueType::Binary, {0x02, 0x80, 0xaf}};
  entry(snapshot, "Table Fog").value = RegistryValue{ValueType::ExpandString, {'%', 'X', '%'}};
  entry(snapshot, "Matrox QuickDesk").value =
      stringValue("\"C:\\Program Files\\QDesk\\mgaqdesk.exe\"");
  return snapshot;
}

}  // namespace

TEST(BackupFile, IsARegeditFileThatReadsBackToTheSameValues) {
  const auto lines = settings::backupFileLines(mixedSnapshot());
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "REGEDIT4");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "[HKEY_LOCAL_MACHINE\\Software\\Matrox\\PowerDesk\\Current Settings]");
  EXPECT_EQ(lines.back(), "");
  const auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("\"Circles\"=\"1\""));
  EXPECT_TRUE(has("\"Force DDC\"=\"a \\\"quoted\\\" C:\\\\path and 日本語\""));
  EXPECT_TRUE(has("\"Use MMX\"=dword:12345678"));
  EXPECT_TRUE(has("\"TVOutput\"=hex:02,80,af"));
  EXPECT_TRUE(has("\"Table Fog\"=hex(2):25,58,25,00"));
  EXPECT_TRUE(has("[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]"));
  EXPECT_TRUE(has("\"Analog Joystick\"=-"));
  // Every present value comes before the first deletion.
  const auto firstDeletion = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.size() > 2 && l.compare(l.size() - 2, 2, "=-") == 0;
  });
  EXPECT_EQ(std::find(firstDeletion, lines.end(), "\"Circles\"=\"1\""), lines.end());

  const auto back = settings::parseBackupFile(lines);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(*back == mixedSnapshot());
}

TEST(BackupFile, AValueNoRegeditLineCanCarryStopsTheBackup) {
  settings::Snapshot snapshot = everyValueAbsent();
  entry(snapshot, "Circles").value = stringValue("two\r\nlines");
  EXPECT_THROW(settings::backupFileLines(snapshot), platform::UserError);
  // An expandable string beyond plain ASCII would read back otherwise in another code page.
  snapshot = everyValueAbsent();
  entry(snapshot, "Table Fog").value = RegistryValue{ValueType::ExpandString, {'%', 0x80, '%'}};
  EXPECT_THROW(settings::backupFileLines(snapshot), platform::UserError);
}

TEST(BackupFile, DamagedOrForeignFilesAreRefusedWhole) {
  const auto good = settings::backupFileLines(mixedSnapshot());
  ASSERT_TRUE(settings::parseBackupFile(good).has_value());
  auto changed = [&](const std::function<void(std::vector<std::string>&)>& change) {
    auto lines = good;
    change(lines);
    return settings::parseBackupFile(lines).has_value();
  };
  auto lineOf = [](std::vector<std::string>& lines, const std::string& start) -> std::string& {
    return *std::find_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.rfind(start, 0) == 0; });
  };
  EXPECT_FALSE(changed([](auto& l) { l.pop_back(); })) << "cut after a value line";
  EXPECT_FALSE(changed([](auto& l) { l.resize(l.size() / 2); })) << "cut in the middle";
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"").resize(12); }))
      << "cut inside a string";
  EXPECT_FALSE(changed([](auto& l) { l[0] = "Windows Registry Editor Version 5.00"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Use MMX\"") = "\"Use MMX\"=dword:1"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"TVOutput\"") = "\"TVOutput\"=hex:2,80"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"TVOutput\"") = "\"TVOutput\"=hex:02,8g"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"") = "\"Circles\"=\"1\" ; on"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"") = "\"Circles\"=\"\\n\""; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"") = "\"Circles\"=1"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"") = "\"Shell\"=\"evil.exe\""; }))
      << "a value outside the managed set (and Circles missing)";
  EXPECT_FALSE(changed([&](auto& l) { l.insert(l.begin() + 3, "\"Shell\"=\"evil.exe\""); }))
      << "a value outside the managed set";
  EXPECT_FALSE(changed([&](auto& l) { l.insert(l.begin() + 3, "\"Matrox QuickDesk\"=-"); }))
      << "QuickDesk's entry belongs to the Run key, not the driver's key";
  EXPECT_FALSE(changed([&](auto& l) { l.insert(l.begin() + 3, l[3]); })) << "a value twice";
  EXPECT_FALSE(changed([&](auto& l) {
    lineOf(l, "[HKEY_CURRENT_USER") = "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce]";
  })) << "a key Corvane does not write to";
  EXPECT_FALSE(changed([&](auto& l) { l.insert(l.begin() + 1, "\"Circles\"=\"1\""); }))
      << "a value before any key";
}

namespace {

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

}  // namespace

TEST_F(BackupFixture, APresetFirstSavesTheStateBeforeItAsACrLfFileNamedByDateAndTime) {
  seedMachine();
  const auto before = settings::readSnapshot(world.registry);
  world.calendar.date = {7, 12, 2026};
  world.calendar.hour = 9;
  world.calendar.minute = 5;
  world.calendar.second = 3;
  press(settings::Preset::Game);
  ASSERT_EQ(backupNames(), std::vector<std::string>{"20261207_090503-preset.reg"});
  EXPECT_TRUE(newestBackup() == before);
  EXPECT_EQ(page.backups.newest()->when, "2026/12/07 09:05:03");
  EXPECT_EQ(page.backups.newest()->action, settings::BackupAction::Preset);
  const std::string bytes = folder.read("Backup\\20261207_090503-preset.reg");
  EXPECT_EQ(bytes.compare(0, 10, "REGEDIT4\r\n"), 0);
  EXPECT_EQ(bytes.compare(bytes.size() - 4, 4, "\r\n\r\n"), 0);
  EXPECT_EQ(stored("Circles"), "1") << "the preset still wrote its column";
}

TEST_F(BackupFixture, ABackupThatCannotBeWrittenStopsTheChangeBeforeAnythingIsWritten) {
  seedMachine();
  const std::string state = world.registry.dump();
  world.files.writeLines(backupFolder(), {"a file where the folder should be"});
  press(settings::Preset::Emergency);
  ASSERT_EQ(world.dialogs.boxes.size(), 1u) << "no success message, only the error";
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_NE(world.dialogs.boxes[0].text.find("レジストリは変更していません"), std::string::npos);
  EXPECT_EQ(world.registry.dump(), state);

  world.dialogs.boxes.clear();
  world.runtime.dispatch([&] { settings::removeDriverSettings(page, services); });
  EXPECT_EQ(world.registry.dump(), state) << "the removal neither";

  page.box("AnalogJoy").userClick();
  EXPECT_FALSE(page.box("AnalogJoy").checked()) << "the box shows what is stored";
  EXPECT_EQ(world.registry.dump(), state) << "nor a single box";
}

TEST_F(BackupFixture, OnlyTheRunsFirstSingleBoxWriteIsPrecededByABackup) {
  page.box("AnalogJoy").userClick();
  page.box("DDC").userClick();
  page.AGPSpeed.userSelect(1);
  ASSERT_EQ(backupNames().size(), 1u);
  auto saved = newestBackup();
  EXPECT_FALSE(entry(saved, "Analog Joystick").value.has_value())
      << "the backup holds the state before the first write";
  EXPECT_EQ(stored("Force DDC"), "1");
  EXPECT_EQ(stored("AGPFlags"), "-1");
}

TEST_F(BackupFixture, TheNewest20AreKeptAndTwoInOneSecondBothSurvive) {
  for (int second = 0; second < 22; ++second) {
    world.calendar.second = second;
    page.backups.save(settings::BackupAction::Preset);
  }
  auto names = backupNames();
  ASSERT_EQ(names.size(), 20u);
  EXPECT_EQ(names.front(), "20261206_143002-preset.reg");
  EXPECT_EQ(names.back(), "20261206_143021-preset.reg");
  page.backups.save(settings::BackupAction::Preset);  // again at :21
  page.backups.save(settings::BackupAction::Preset);
  names = backupNames();
  ASSERT_EQ(names.size(), 20u);
  EXPECT_EQ(names[names.size() - 3], "20261206_143021-preset.reg");
  EXPECT_EQ(names[names.size() - 2], "20261206_143021_01-preset.reg");
  EXPECT_EQ(page.backups.newest()->path, backupFolder() + "\\20261206_143021_02-preset.reg");
}

TEST_F(BackupFixture, FilesNamedOtherwiseAreNeitherBackupsNorEverDeleted) {
  ASSERT_TRUE(world.folders.makeFolder(backupFolder()));
  const char* others[] = {"notes.reg",           "2026120_143002.reg",     "20261206-143002.reg",
                          "20261206_1430021.reg", "20261206_143002_1.reg", "20261206_143002_ab.reg",
                          "20261206_143002.txt",  "99999999_999999.reg.bak", "x0261206_143002.reg",
                          "20261206_143002-later.reg", "20261206_143002preset.reg"};
  for (const char* name : others) world.files.writeLines(backupFolder() + "\\" + name, {"x"});
  EXPECT_FALSE(page.backups.any());
  EXPECT_FALSE(page.backups.newest());
  for (int second = 0; second < 22; ++second) {
    world.calendar.second = second;
    page.backups.save(settings::BackupAction::Preset);
  }
  EXPECT_EQ(page.backups.newest()->path, backupFolder() + "\\20261206_143021-preset.reg");
  const auto all = world.folders.fileNames(backupFolder());
  EXPECT_EQ(all.size(), 20u + std::size(others));
  for (const char* name : others)
    EXPECT_NE(std::find(all.begin(), all.end(), name), all.end()) << name << " was deleted";
}

TEST_F(BackupFixture, UndoPutsEveryManagedValueBackDeletesTheNewOnesAndShowsTheState) {
  seedMachine();
  world.registry.setString("HKLM\\Software\\Matrox\\PowerDesk", "PDeskPath", "C:\\MATROX");
  page.ShowStoredState();
  const std::string before = world.registry.dump();
  press(settings::Preset::Game);
  page.tasktrey.userClick();  // QuickDesk off
  ASSERT_NE(world.registry.dump(), before);
  ASSERT_TRUE(page.box("Circles").checked());

  world.calendar.second = 59;
  world.dialogs.boxes.clear();
  undo();
  // The newest backup is the one before the QuickDesk click.
  ASSERT_EQ(world.dialogs.boxes.size(), 2u);
  EXPECT_EQ(world.dialogs.boxes[0].caption, "どうする？");
  EXPECT_EQ(world.dialogs.boxes[0].text,
            "レジストリの設定を、2026/12/06 14:30:05 に「レジストリ」タブで変更する前の状態に戻しますか？");
  EXPECT_EQ(world.dialogs.boxes[1].caption, "情報");
  EXPECT_TRUE(world.registry.valueExists(kRunKey, "Matrox QuickDesk"));
  EXPECT_TRUE(page.tasktrey.checked());

  // And once more: past the preset, named in the question.
  ASSERT_EQ(backupNames().size(), 3u) << "preset, first box write, and the restore's own";
  world.dialogs.boxes.clear();
  undo();
  ASSERT_EQ(world.dialogs.boxes.size(), 2u);
  EXPECT_EQ(world.dialogs.boxes[0].text,
            "レジストリの設定を、2026/12/06 14:30:05 にプリセットのボタンを押す前の状態に戻しますか？");
  EXPECT_EQ(world.registry.dump(), before);
  EXPECT_FALSE(page.box("Circles").checked());
  EXPECT_EQ(page.AGPSpeed.itemIndex(), 2);
  EXPECT_FALSE(page.box("AnalogJoy").checked());
}

TEST_F(BackupFixture, ASecondUndoStepsFurtherBackAndTheUndosOwnBackupTakesItBack) {
  seedMachine();
  const std::string beforeAll = world.registry.dump();
  press(settings::Preset::Benchmark);
  const std::string afterBenchmark = world.registry.dump();
  world.calendar.second = 10;
  world.runtime.dispatch([&] { settings::removeDriverSettings(page, services); });
  const std::string afterRemoval = world.registry.dump();
  ASSERT_NE(afterRemoval, afterBenchmark);

  world.calendar.second = 20;
  world.dialogs.boxes.clear();
  undo();
  EXPECT_EQ(world.registry.dump(), afterBenchmark);
  EXPECT_NE(world.dialogs.boxes.at(0).text.find("「アンインストールする」で削除する前"), std::string::npos);
  world.calendar.second = 30;
  world.dialogs.boxes.clear();
  undo();
  EXPECT_EQ(world.registry.dump(), beforeAll) << "the second Undo went on, not back";
  EXPECT_NE(world.dialogs.boxes.at(0).text.find("プリセットのボタンを押す前"), std::string::npos);
  world.dialogs.boxes.clear();
  undo();
  EXPECT_EQ(world.registry.dump(), beforeAll);
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "戻せるバックアップがありません.");

  // Each Undo kept the state it left, named so: the newest is the one before the second Undo.
  const auto names = backupNames();
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[2], "20261206_143020-undo.reg");
  EXPECT_EQ(names[3], "20261206_143030-undo.reg");
  EXPECT_TRUE(newestBackup() == *settings::parseBackupFile(world.files.readLines(
                                    backupFolder() + "\\20261206_143030-undo.reg")));

  // A new change starts again from the newest step.
  world.calendar.second = 40;
  press(settings::Preset::Game);
  world.dialogs.boxes.clear();
  undo();
  EXPECT_EQ(world.registry.dump(), beforeAll);
  EXPECT_NE(world.dialogs.boxes.at(0).text.find("14:30:40 にプリセット"), std::string::npos);
}

TEST_F(BackupFixture, ABackupBeforeNoNamedChangeIsNamedByItsTimeAlone) {
  page.backups.save(settings::BackupAction::Unknown);
  EXPECT_EQ(backupNames(), std::vector<std::string>{"20261206_143005.reg"});
  EXPECT_TRUE(page.backups.any());
}

TEST_F(BackupFixture, BackupsOfEarlierVersionsNamedByTheTimeAloneAreStillFoundAndAsked) {
  seedMachine();
  press(settings::Preset::Game);
  const std::string name = backupNames().at(0);
  ASSERT_EQ(name, "20261206_143005-preset.reg");
  world.files.writeLines(backupFolder() + "\\20261206_143005.reg",
                         world.files.readLines(backupFolder() + "\\" + name));
  world.files.remove(backupFolder() + "\\" + name);
  world.dialogs.boxes.clear();
  undo();
  EXPECT_EQ(world.dialogs.boxes.at(0).text, "レジストリの設定を 2026/12/06 14:30:05 の状態に戻しますか？");
}

TEST_F(BackupFixture, CancellingTheQuestionChangesNothing) {
  seedMachine();
  press(settings::Preset::Game);
  const std::string state = world.registry.dump();
  world.dialogs.answers.push_back(platform::MessageResult::Cancel);
  undo();
  EXPECT_EQ(world.registry.dump(), state);
  EXPECT_EQ(backupNames().size(), 1u);
}

TEST_F(BackupFixture, ADamagedNewestBackupIsRefusedBeforeTheQuestionAndWritesNothing) {
  seedMachine();
  press(settings::Preset::Game);
  const std::string state = world.registry.dump();
  const auto newest = *page.backups.newest();
  auto lines = world.files.readLines(newest.path);
  lines.resize(lines.size() - 5);
  world.files.writeLines(newest.path, lines);
  world.dialogs.boxes.clear();
  undo();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_NE(world.dialogs.boxes[0].text.find("壊れているか"), std::string::npos);
  EXPECT_EQ(world.registry.dump(), state);
  EXPECT_EQ(backupNames().size(), 1u) << "no backup of its own either";
}
