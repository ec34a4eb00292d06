// The way back from a preset, on the real corvane.exe: the backup it saves, the undo button
// after a restart, regedit importing the backup, and a damaged backup refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "e2e_driver.h"

using namespace e2e;

namespace {

const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";
const std::string kUserRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kDisplayClass = "System\\CurrentControlSet\\Services\\Class\\Display";
const char* const kQuickDesk = "Matrox QuickDesk";

// Every value of a key as "name=type:bytes", sorted by name; absent values are simply missing.
std::map<std::string, std::string> valuesOf(HKEY root, const std::string& key) {
  std::map<std::string, std::string> values;
  HKEY open;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) return values;
  for (DWORD i = 0;; ++i) {
    char name[256];
    BYTE data[1024];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (RegEnumValueA(open, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    values[name] = std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataSize);
  }
  RegCloseKey(open);
  return values;
}

struct Undo : ::testing::Test {
  void SetUp() override {
    deleteTree(HKEY_LOCAL_MACHINE, "Software\\Matrox");
    deleteTree(HKEY_LOCAL_MACHINE, kDisplayClass);
    writeString(HKEY_LOCAL_MACHINE, kDisplayClass + "\\0000", "DriverDesc",
                "Matrox Millennium G200 AGP");
    writeString(HKEY_CURRENT_CONFIG, "Display\\Settings", "BitsPerPixel", "16");
    // The machine before the preset: some options on, some off, most absent, a value the
    // driver keeps for itself, and QuickDesk started from a folder with a Japanese name.
    writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Flip On Vblank", "1");
    writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Circles", "0");
    writeString(HKEY_LOCAL_MACHINE, kDriverKey, "AGPFlags", "1");
    writeString(HKEY_LOCAL_MACHINE, kDriverKey, "OrgMonName", "NANAO FlexScan");
    writeString(HKEY_CURRENT_USER, kUserRun, kQuickDesk, "\"C:\\マトロックス\\QDesk\\mgaqdesk.exe\"");
    before = state();
  }
  void TearDown() override {
    deleteValue(HKEY_CURRENT_USER, kUserRun, kQuickDesk);
  }

  std::map<std::string, std::string> state() {
    auto values = valuesOf(HKEY_LOCAL_MACHINE, kDriverKey);
    bool found = false;
    const std::string quickDesk = readString(HKEY_CURRENT_USER, kUserRun, kQuickDesk, &found);
    if (found) values["(Run) Matrox QuickDesk"] = quickDesk;
    return values;
  }

  // Starts the program, presses the game preset, and ends it again.
  void applyGamePreset(const ProgramFolder& folder) {
    Corvane corvane(folder);
    ASSERT_TRUE(corvane.waitForMainWindow());
    EXPECT_FALSE(IsWindowEnabled(child(corvane.main(), "元に戻す(&U)")))
        << "no backup yet, so nothing to go back to";
    click(child(corvane.main(), "ゲームモード"));
    EXPECT_NE(answerMessage("情報").find("ゲームに特化した設定"), std::string::npos);
    EXPECT_TRUE(waitUntil([&] { return readString(HKEY_LOCAL_MACHINE, kDriverKey, "Circles") == "1"; }));
    EXPECT_TRUE(IsWindowEnabled(child(corvane.main(), "元に戻す(&U)")));
    click(child(corvane.main(), "終了(&E)"));
    ASSERT_TRUE(corvane.waitForExit(10000));
    ASSERT_NE(state(), before) << "the preset changed nothing";
  }

  std::vector<std::string> backups(const ProgramFolder& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(folder.file("Backup\\*.reg").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.push_back(entry.cFileName);
    while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
  }

  std::map<std::string, std::string> before;
};

}  // namespace

TEST_F(Undo, AfterARestartTheButtonPutsEveryValueBackAsItWasBeforeThePreset) {
  ProgramFolder folder;
  applyGamePreset(folder);
  ASSERT_EQ(backups(folder).size(), 1u);

  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND undo = child(corvane.main(), "元に戻す(&U)");
  ASSERT_NE(undo, nullptr);
  EXPECT_TRUE(IsWindowEnabled(undo)) << "a backup from the last run is there";
  EXPECT_TRUE(checked(child(corvane.main(), "円の描画")));
  click(undo);
  EXPECT_NE(answerMessage("どうする？").find("の状態に戻しますか？"), std::string::npos);
  EXPECT_NE(answerMessage("情報").find("の状態に戻しました。"), std::string::npos);
  EXPECT_TRUE(waitUntil([&] { return state() == before; }));
  EXPECT_EQ(state(), before);
  EXPECT_FALSE(checked(child(corvane.main(), "円の描画"))) << "the boxes show the restored state";
  EXPECT_TRUE(checked(child(corvane.main(), "自動設定")));
  EXPECT_EQ(backups(folder).size(), 2u) << "the restore saved a backup of its own";
}

TEST_F(Undo, PressedTwiceItStepsFurtherBackNamingTheChangeEachTime) {
  ProgramFolder folder;
  applyGamePreset(folder);
  const auto afterPreset = state();

  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  HWND main = corvane.main();
  click(child(main, "アンインストールする"));
  EXPECT_EQ(answerMessage("どうする？"), "レジストリの設定をアンインストールしますか？");
  EXPECT_EQ(answerMessage("情報"), "レジストリの設定をアンインストールしました。");
  ASSERT_TRUE(waitUntil([&] { return state() != afterPreset; }));

  click(child(main, "元に戻す(&U)"));
  EXPECT_NE(answerMessage("どうする？").find("に「アンインストールする」で削除する前の状態に戻しますか？"),
            std::string::npos);
  answerMessage("情報");
  EXPECT_TRUE(waitUntil([&] { return state() == afterPreset; }));
  // Again: past the preset, not back to the removal the first Undo undid.
  click(child(main, "元に戻す(&U)"));
  EXPECT_NE(answerMessage("どうする？").find("にプリセットのボタンを押す前の状態に戻しますか？"),
            std::string::npos);
  answerMessage("情報");
  EXPECT_TRUE(waitUntil([&] { return state() == before; }));
  EXPECT_EQ(state(), before);
  EXPECT_FALSE(checked(child(main, "円の描画")));

  // Each backup says what it was saved before.
  int presets = 0, removals = 0, undos = 0;
  for (const std::string& name : backups(folder)) {
    presets += name.find("-preset.reg") != std::string::npos;
    removals += name.find("-removal.reg") != std::string::npos;
    undos += name.find("-undo.reg") != std::string::npos;
  }
  EXPECT_EQ(presets, 1);
  EXPECT_EQ(removals, 1);
  EXPECT_EQ(undos, 2);
}

TEST_F(Undo, TheBackupFileImportsWithRegeditToTheStateBeforeThePreset) {
  ProgramFolder folder;
  applyGamePreset(folder);
  const auto names = backups(folder);
  ASSERT_EQ(names.size(), 1u);
  const std::string bytes = folder.read("Backup\\" + names[0]);
  EXPECT_EQ(bytes.compare(0, 10, "REGEDIT4\r\n"), 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = "regedit.exe /s \"" + folder.file("Backup\\" + names[0]) + "\"";
  std::vector<char> writable(line.begin(), line.end());
  writable.push_back('\0');
  ASSERT_TRUE(CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process));
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(state(), before);
}

TEST_F(Undo, ADamagedBackupIsRefusedAndChangesNothing) {
  ProgramFolder folder;
  applyGamePreset(folder);
  const auto names = backups(folder);
  ASSERT_EQ(names.size(), 1u);
  // Cut short in the middle, as a full disk or an interrupted copy would leave it.
  std::string bytes = folder.read("Backup\\" + names[0]);
  bytes.resize(bytes.size() / 2);
  FILE* f = std::fopen(folder.file("Backup\\" + names[0]).c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  const auto afterPreset = state();

  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  click(child(corvane.main(), "元に戻す(&U)"));
  EXPECT_NE(answerMessage("Matrox Corvane").find("壊れているか"), std::string::npos);
  settle(corvane.main());
  EXPECT_EQ(state(), afterPreset);
  EXPECT_EQ(backups(folder).size(), 1u);
}
