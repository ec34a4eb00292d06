// Backups of the driver settings in the Backup folder: when one is written, its name, how many
// are kept, and a change stopped when none can be written.
#include "backup_fixture.h"
#include "settings/removal.h"

using testing_settings::BackupFixture;
using testing_settings::entry;

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
  page.AGPSpeed.userSelect(0);
  EXPECT_EQ(page.AGPSpeed.itemIndex(), 2) << "AGPFlags \"1\" is the stored choice";
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
  for (int n = 3; n < 99; ++n)  // the second's numbers up to 98 taken: 99 is the last one left
    world.files.writeLines(backupFolder() + "\\20261206_143021" + (n < 10 ? "_0" : "_") +
                               std::to_string(n) + "-box.reg", {});
  page.backups.save(settings::BackupAction::Preset);
  EXPECT_EQ(page.backups.newest()->path, backupFolder() + "\\20261206_143021_99-preset.reg");
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
