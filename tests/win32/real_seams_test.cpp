// The real seams under Wine: the registry against the same rules as the in-memory double, the
// text files, the launcher and the version.
#include <windows.h>

#include <gtest/gtest.h>

#include "fakes.h"
#include "memory_registry.h"
#include "platform/errors.h"
#include "platform/win32/ansi.h"
#include "platform/win32/win32_seams.h"
#include "platform/win32/win32_shortcuts.h"
#include "../e2e/shell_link.h"
#include "key_conformance.h"
#include "stored/win32/win32_registry.h"

namespace {

void deleteTree(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char name[256];
  while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) {
    const std::string child = std::string(path) + "\\" + name;
    deleteTree(root, child.c_str());
  }
  RegCloseKey(key);
  RegDeleteKeyA(root, path);
}

std::shared_ptr<stored::Registry> freshWin32Registry() {
  deleteTree(HKEY_CURRENT_USER, "Software\\CorvaneConformance");
  deleteTree(HKEY_LOCAL_MACHINE, "Software\\CorvaneConformance");
  return stored::win32::makeWin32Registry();
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Both, KeyConformance,
    ::testing::Values(
        RegistryMaker{"Memory", [] { return std::make_shared<doubles::MemoryRegistry>(); }},
        RegistryMaker{"Win32", freshWin32Registry}),
    makerName);

TEST(Win32TextFiles, LinesRoundTripInTheAnsiCodePageWithCrLf) {
  doubles::TempFolder folder;
  platform::win32::Win32TextFiles files;
  const std::string path = folder.file("日本語 フォルダ.txt");
  files.writeLines(path, {"PCIBIOS=1", "周波数", ""});
  EXPECT_EQ(files.readLines(path), (std::vector<std::string>{"PCIBIOS=1", "周波数", ""}));
  const auto raw = files.readRawLines(path);
  ASSERT_EQ(raw.size(), 3u);
  EXPECT_EQ(raw[1], platform::win32::toAnsi("周波数"));
  EXPECT_EQ(raw[1].size(), 6u) << "code page 932: two bytes a character";
}

TEST(Win32TextFiles, AFailedReplaceLeavesTheOldFileWhole) {
  doubles::TempFolder folder;
  platform::win32::Win32TextFiles files;
  const std::string path = folder.file("Mystclk.ini");
  files.writeLines(path, {"PCIBIOS=0", "keep"});
  // A folder in the way of the new file's name makes the write fail.
  CreateDirectoryA((platform::win32::toAnsi(path) + ".$$$").c_str(), nullptr);
  try {
    files.writeLines(path, {"PCIBIOS=1"});
    FAIL() << "the write went through";
  } catch (const platform::UserError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + path + " を作成できません");
  }
  EXPECT_EQ(files.readLines(path), (std::vector<std::string>{"PCIBIOS=0", "keep"}));
  try {
    files.readLines(folder.file("missing.txt"));
    FAIL() << "a missing file was read";
  } catch (const platform::UserError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + folder.file("missing.txt") + " は開けません");
  }
}

TEST(Win32TextFiles, AFileBeyondTheBoundIsRefusedAndLeftAsItWas) {
  doubles::TempFolder folder;
  platform::win32::Win32TextFiles files;
  const std::string bound(64 * 1024, 'x');
  folder.write("at the bound.txt", bound);
  EXPECT_EQ(files.readRawLines(folder.file("at the bound.txt")).at(0).size(), bound.size());
  // 10 MB: refused by its size, before a byte of it is held.
  folder.write("huge.ini", std::string(10 * 1024 * 1024, '\n'));
  for (bool raw : {false, true}) {
    try {
      if (raw) files.readRawLines(folder.file("huge.ini"));
      else files.readLines(folder.file("huge.ini"));
      FAIL() << "a file beyond the bound was read";
    } catch (const platform::UserError& e) {
      EXPECT_EQ(std::string(e.what()),
                "ファイル " + folder.file("huge.ini") + " は大きすぎます（64KBまで）");
    }
  }
  EXPECT_EQ(folder.read("huge.ini").size(), 10u * 1024 * 1024);
}

TEST(Win32Launcher, ShellCommandsRunInTheirFolderWithRedirection) {
  doubles::TempFolder folder;
  platform::win32::Win32Launcher launcher;
  ASSERT_TRUE(launcher.runThroughShell("echo hello> out.txt", folder.path(),
                                       platform::ShowMode::Hidden));
  // The shell may still be writing when the file appears: wait for the whole line.
  const auto line = [&] { return folder.exists("out.txt") ? folder.read("out.txt") : ""; };
  for (int i = 0; i < 200 && line().find('\n') == std::string::npos; ++i) Sleep(50);
  EXPECT_EQ(folder.read("out.txt").substr(0, 5), "hello");
}

TEST(Win32Launcher, TheShellIsLoadedOnlyToOpenADocument) {
  // Nothing else in this program imports it, and no test before this one opens anything.
  EXPECT_EQ(GetModuleHandleA("shell32.dll"), nullptr) << "loaded at start-up";
  platform::win32::Win32Launcher launcher;
  EXPECT_FALSE(launcher.open("Z:\\no\\such\\document.txt"));
  EXPECT_NE(GetModuleHandleA("shell32.dll"), nullptr);
}

TEST(Win32OsVersion, TheTestPrefixIsWindows98) {
  platform::win32::Win32OsVersion os;
  const auto version = os.query();
  ASSERT_TRUE(version);
  EXPECT_EQ(version->platform, platform::OsPlatform::Windows9x);
  EXPECT_EQ(version->major, 4);
  EXPECT_EQ(version->minor, 10);
}

TEST(Win32Clock, TimerAdvancesAndTheDateIsPlausible) {
  platform::win32::Win32MilliTimer timer;
  const auto start = timer.now();
  // Until the system's own tick count has gone 30 ms on, however loaded the machine.
  const DWORD systemStart = GetTickCount();
  while (GetTickCount() - systemStart < 30) Sleep(1);
  EXPECT_GE(timer.now() - start, 20u);
  const auto today = platform::win32::Win32Calendar().today();
  EXPECT_GE(today.year, 2024);
  EXPECT_GE(today.month, 1);
  EXPECT_LE(today.month, 12);
}

// ---- Shortcuts (after the launcher's test: shell32 is loaded now) -----------------------------

TEST(Win32Shortcuts, TheShellNamesTheDesktopAndTheProgramsFolder) {
  platform::win32::Win32Shortcuts shortcuts;
  for (const auto place : {platform::ShortcutPlace::Desktop, platform::ShortcutPlace::StartMenuPrograms}) {
    const auto folder = shortcuts.folderOf(place);
    ASSERT_TRUE(folder.has_value());
    const DWORD attributes = GetFileAttributesA(platform::win32::toAnsi(*folder).c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << *folder;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << *folder;
  }
  EXPECT_NE(*shortcuts.folderOf(platform::ShortcutPlace::Desktop),
            *shortcuts.folderOf(platform::ShortcutPlace::StartMenuPrograms));
  const std::string self = shortcuts.runningProgram();
  EXPECT_EQ(self.substr(self.size() - 4), ".exe") << self;
  EXPECT_NE(GetFileAttributesA(platform::win32::toAnsi(self).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32Shortcuts, AShortcutReadsBackThroughTheShellAndIsReplacedOnlyWhole) {
  doubles::TempFolder folder;
  platform::win32::Win32Shortcuts shortcuts;
  platform::ShortcutLink link;
  link.target = shortcuts.runningProgram();
  link.arguments = "/clock 120 /run \"" + folder.file("ゲーム 1\\game.exe") + "\"";
  link.workingFolder = folder.file("ゲーム 1");
  link.iconFile = folder.file("ゲーム 1\\game.exe");
  link.comment = "G200のクロックを120MHzにして起動します（Corvane）";
  const std::string path = folder.file("ゲーム 1.lnk");
  shortcuts.write(path, link);

  const auto read = shell_link::read(platform::win32::toAnsi(path));
  ASSERT_TRUE(read.loaded);
  EXPECT_EQ(platform::win32::fromAnsi(read.target), link.target);
  EXPECT_EQ(platform::win32::fromAnsi(read.arguments), link.arguments);
  EXPECT_EQ(platform::win32::fromAnsi(read.workingFolder), link.workingFolder);
  EXPECT_EQ(platform::win32::fromAnsi(read.iconFile), link.iconFile);
  EXPECT_EQ(read.iconIndex, 0);
  EXPECT_EQ(platform::win32::fromAnsi(read.comment), link.comment);
  EXPECT_EQ(read.showCommand, SW_SHOWNORMAL);
  EXPECT_FALSE(folder.exists("ゲーム 1.lnk.$$$"));

  // Replaced by a complete one; a write that fails leaves the old one as it was.
  link.arguments = "/clock 110 /run \"C:\\x.exe\"";
  shortcuts.write(path, link);
  EXPECT_EQ(shell_link::read(platform::win32::toAnsi(path)).arguments, link.arguments);
  CreateDirectoryA((platform::win32::toAnsi(path) + ".$$$").c_str(), nullptr);
  link.arguments = "/clock 100 /run \"C:\\y.exe\"";
  try {
    shortcuts.write(path, link);
    FAIL() << "the write went through";
  } catch (const platform::UserError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + path + " を作成できません");
  }
  EXPECT_EQ(shell_link::read(platform::win32::toAnsi(path)).arguments, "/clock 110 /run \"C:\\x.exe\"");
  RemoveDirectoryA((platform::win32::toAnsi(path) + ".$$$").c_str());
}
