// A game's shortcut made in the real corvane.exe's window under Wine, read back through the
// shell and opened as Explorer opens it: the game runs at the shortcut's clock.
#include "command_line_fixture.h"
#include "platform/win32/ansi.h"
#include "shell_link.h"

#include <shellapi.h>  // after windows.h, which it needs

using namespace e2e;

namespace {

// A folder of the shell's, as the program finds it.
std::string shellFolder(int which) {
  LPITEMIDLIST list = nullptr;
  char path[MAX_PATH] = {};
  if (FAILED(SHGetSpecialFolderLocation(nullptr, which, &list))) return "";
  SHGetPathFromIDListA(list, path);
  CoTaskMemFree(list);
  return path;
}

// The game shortcut window of a running Corvane, opened from the overclock tab.
struct ShortcutWindow {
  HWND window = nullptr;
  HWND game = nullptr, clock = nullptr, name = nullptr, ok = nullptr;

  explicit ShortcutWindow(Corvane& corvane) {
    if (!corvane.waitForMainWindow() || !clickTab(corvane.main(), 2)) return;
    HWND button = child(corvane.main(), "ゲームのショートカット(&G)...");
    if (!button) return;
    click(button);
    window = waitForWindow("ゲームのショートカットを作成");
    if (!window) return;
    settle(window);
    const auto edits = children(window, "Edit");
    if (edits.size() != 3) return;
    game = edits[0], clock = edits[1], name = edits[2];
    ok = child(window, "OK");
  }
  // Presses OK and answers the box that comes; its text.
  std::string pressOk(const std::string& boxTitle) const {
    click(ok);
    return answerMessage(boxTitle);
  }
};

}  // namespace

TEST_F(CommandLine, AGameShortcutMadeInTheWindowRunsTheGameAtItsClockWhenOpenedAsExplorerOpensIt) {
  confirmed(120);
  ProgramFolder folder;
  Game game(folder);
  const std::string name =
      "Corvane e2e " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
  // The Start menu's Programs, inside the test's prefix: Wine links the desktop to the home folder.
  const std::string programs = shellFolder(CSIDL_PROGRAMS);
  ASSERT_FALSE(programs.empty());
  const std::string link = programs + "\\" + name + ".lnk";
  std::string before;
  {
    Corvane corvane(folder);
    ShortcutWindow shortcut(corvane);
    ASSERT_NE(shortcut.ok, nullptr) << "no game shortcut window with its three boxes";
    EXPECT_EQ(focusOf(shortcut.window), shortcut.game);
    EXPECT_EQ(textOf(shortcut.clock), "120");
    setText(shortcut.game, game.path());
    EXPECT_EQ(textOf(shortcut.name), "game");
    setText(shortcut.name, name);

    // Above the confirmed clock: refused, with the way to confirm it; nothing written.
    setText(shortcut.clock, "125");
    const std::string refusal = shortcut.pressOk(kMessageTitle);
    EXPECT_NE(refusal.find("125MHzのショートカットは作れません。このパソコンで確認済みの最高クロックは120MHzです。"),
              std::string::npos) << refusal;
    EXPECT_NE(refusal.find("「クロック変更」を押し、確認の画面で5秒以内に「OK」を押してください"), std::string::npos)
        << refusal;
    EXPECT_EQ(GetFileAttributesA(link.c_str()), INVALID_FILE_ATTRIBUTES);
    // A name Windows cannot use.
    setText(shortcut.clock, "120");
    setText(shortcut.name, "NUL");
    const std::string badName = shortcut.pressOk(kMessageTitle);
    EXPECT_NE(badName.find("「NUL」はショートカットの名前に使えません。"), std::string::npos) << badName;

    setText(shortcut.name, name);
    HWND startMenu = child(shortcut.window, "スタートメニューの「プログラム」(&P)");
    ASSERT_NE(startMenu, nullptr);
    click(startMenu);
    EXPECT_TRUE(waitUntil([&] { return checked(startMenu); }));
    // A shortcut of that name is there already: replaced only when the user says so.
    if (FILE* f = std::fopen(link.c_str(), "wb")) {
      std::fputs("old", f);
      std::fclose(f);
    }
    click(shortcut.ok);
    HWND ask = waitForWindow("ゲームのショートカットを作成", 10000, "#32770");
    ASSERT_NE(ask, nullptr);
    click(GetDlgItem(ask, IDNO));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(ask) || !IsWindowVisible(ask); }));
    settle(shortcut.window);
    EXPECT_TRUE(IsWindowVisible(shortcut.window));
    {
      std::string kept(8, '\0');
      FILE* f = std::fopen(link.c_str(), "rb");
      ASSERT_NE(f, nullptr);
      kept.resize(std::fread(&kept[0], 1, kept.size(), f));
      std::fclose(f);
      EXPECT_EQ(kept, "old");
    }
    // Enter presses OK, the default button, from wherever the focus is: Shift+Tab takes it back
    // from OK (pressed last) into the place's radio buttons.
    settle(shortcut.window);
    press(VK_TAB, false, true);
    EXPECT_TRUE(waitUntil([&] { return focusOf(shortcut.window) != shortcut.ok; }));
    EXPECT_EQ(focusOf(shortcut.window), startMenu);
    press(VK_RETURN);
    ask = waitForWindow("ゲームのショートカットを作成", 10000, "#32770");
    ASSERT_NE(ask, nullptr);
    click(GetDlgItem(ask, IDYES));
    EXPECT_EQ(answerMessage("情報"), "ショートカット「" + name + "」を作成しました。");
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(shortcut.window); }));
    PostMessageA(corvane.main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(corvane.waitForExit(20000));
    before = folder.read("clocktool.log");
  }

  // What the shell reads from it.
  const auto fields = shell_link::read(link);
  ASSERT_TRUE(fields.loaded) << link;
  EXPECT_EQ(fields.target, folder.exe());
  EXPECT_EQ(fields.arguments, "/clock 120 /run " + quoted(game.path()));
  EXPECT_EQ(fields.workingFolder, game.folder());
  EXPECT_EQ(fields.iconFile, game.path());
  EXPECT_EQ(fields.iconIndex, 0);
  EXPECT_EQ(fields.comment, platform::win32::toAnsi("G200のクロックを120MHzにして起動します（Corvane）"));

  // Opened as Explorer opens a shortcut: the clock, the game, the default after it.
  const auto opened = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  EXPECT_GT(opened, 32);
  ASSERT_TRUE(waitUntil([&] { return game.started(); }, 20000)) << folder.read("clocktool.log");
  const std::string tool = quoted(folder.file("G200clk.exe"));
  EXPECT_EQ(folder.read("clocktool.log"), before + tool + " /1 220\r\n");
  EXPECT_EQ(integer("OverClock"), 120u);
  EXPECT_NE(game.log().find("|" + game.folder() + "\r\n"), std::string::npos) << game.log();
  game.end();
  EXPECT_TRUE(waitUntil([&] { return integer("OverClock") == 89u; }, 20000));
  EXPECT_TRUE(waitUntil([&] { return occurrences(folder.read("clocktool.log"), " /1 189\r\n") == 1; }));
  EXPECT_EQ(folder.read("clocktool.log"), before + tool + " /1 220\r\n" + tool + " /1 189\r\n");
  DeleteFileA(link.c_str());
}
