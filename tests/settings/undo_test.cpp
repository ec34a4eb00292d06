// "元に戻す(&U)": the newest backup put back, a second press further back, earlier versions'
// backups, and refusals that write nothing.
#include "backup_fixture.h"
#include "settings/backup_file.h"
#include "settings/removal.h"

using testing_settings::BackupFixture;
using testing_settings::kDriverKey;
using testing_settings::kRunKey;

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
