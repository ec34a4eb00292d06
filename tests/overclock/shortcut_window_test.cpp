// The game shortcut's window on the overclock tab, on the doubles: what it writes, where, and
// every refusal.
#include "overclock/command_line.h"
#include "page_fixture.h"
#include "stored/clock_settings.h"

namespace {

using Place = platform::ShortcutPlace;

// The window on the clock page's doubles: a game in a folder of its own, the desktop and the
// Start menu's Programs as two more.
struct ShortcutWindowTest : ClockPageTest {
  doubles::TempFolder games, desktop, programs;
  overclock::TShortcutForm& form = shortcut;

  ShortcutWindowTest() {
    games.write("Unreal.exe", "MZ");
    games.write("readme.txt", "");
    world.shortcuts.folders[Place::Desktop] = desktop.path();
    world.shortcuts.folders[Place::StartMenuPrograms] = programs.path();
  }
  // Kept with OK in the countdown, with the stored tool on this display adapter.
  void confirm(int mhz) { stored::ConfirmedClock(world.registry).recordKept(mhz, "G200clk.exe", ""); }
  // Opens the window from the tab and runs `fill` in it.
  void open(const std::function<void()>& fill) {
    world.runtime.modalScripts.push_back([fill](ui::Form&) { fill(); });
    page.ShortcutButton.userClick();
  }
  std::vector<std::string> errors() const {
    std::vector<std::string> out;
    for (const auto& b : world.dialogs.boxes)
      if (b.icon == platform::MessageIcon::Error) out.push_back(b.text);
    return out;
  }
};

TEST_F(ShortcutWindowTest, TheShortcutStartsCorvaneWithTheClockAndTheGame) {
  confirm(120);
  startUp();
  open([&] {
    EXPECT_EQ(form.activeControl(), &form.GameEdit);
    EXPECT_EQ(form.position(), ui::FormPosition::ScreenCenter);
    for (const ui::Control* hinted : std::initializer_list<const ui::Control*>{
             &form.GameEdit, &form.BrowseButton, &form.ClockEdit, &form.ClockSpin, &form.NameEdit,
             &form.OkButton, &page.ShortcutButton})
      EXPECT_FALSE(hinted->hint().empty() || hinted->bounds().width == 0) << hinted->name();
    EXPECT_EQ(form.OkButton.hint(), "ショートカットを作成して閉じます。");
    EXPECT_EQ(form.defaultButton(), &form.OkButton);
    EXPECT_EQ(form.cancelButton(), &form.CancelButton);
    EXPECT_EQ(form.ClockSpin.min(), 89);
    EXPECT_EQ(form.ClockSpin.max(), 120);
    EXPECT_EQ(form.ClockEdit.text(), "120");
    EXPECT_EQ(form.ClockRangeLabel.caption(), "89～120MHz（確認済みのクロックまで）");
    // Typed in other letters than the file has: Windows finds it, and so does the window.
    form.GameEdit.userSetText(games.file("UNREAL.EXE"));
    EXPECT_EQ(form.NameEdit.text(), "UNREAL");
    form.GameEdit.userSetText(games.file("Unreal.exe"));
    EXPECT_EQ(form.NameEdit.text(), "Unreal");
    form.ClockSpin.userSetPosition(110);
    form.OkButton.userClick();
    EXPECT_FALSE(form.visible());
  });
  ASSERT_EQ(world.shortcuts.written.size(), 1u) << ::testing::PrintToString(boxTexts());
  const auto& [path, link] = world.shortcuts.written[0];
  EXPECT_EQ(path, desktop.file("Unreal.lnk"));
  EXPECT_EQ(link.target, world.shortcuts.program);
  EXPECT_EQ(link.arguments, "/clock 110 /run \"" + games.file("Unreal.exe") + "\"");
  EXPECT_EQ(link.workingFolder, games.path());
  EXPECT_EQ(link.iconFile, games.file("Unreal.exe"));
  EXPECT_EQ(link.iconIndex, 0);
  EXPECT_EQ(link.comment, "G200のクロックを110MHzにして起動します（Corvane）");
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"情報|ショートカット「Unreal」を作成しました。"});
  // Nothing of the clock changed: no tool started, nothing stored.
  EXPECT_EQ(started(), std::vector<std::string>{folder.file("clk.bat")});
  EXPECT_EQ(stored("OverClock"), std::nullopt);
}

TEST_F(ShortcutWindowTest, ANameOfTheUsersOwnAndTheStartMenuAndTheBrowseDialog) {
  confirm(120);
  startUp();
  world.dialogs.fileAnswers.push_back(games.file("Unreal.exe"));
  open([&] {
    form.NameEdit.userSetText("Unreal at 100");
    form.BrowseButton.userClick();
    EXPECT_EQ(form.GameEdit.text(), games.file("Unreal.exe"));
    EXPECT_EQ(form.NameEdit.text(), "Unreal at 100");  // typed by the user: kept
    form.ClockEdit.userSetText(" 100 ");
    form.PlaceGroup.userSelect(1);
    form.OkButton.userClick();
  });
  ASSERT_EQ(world.dialogs.fileDialogs.size(), 1u);
  const auto& dialog = world.dialogs.fileDialogs[0];
  EXPECT_EQ(dialog.title, "ゲームのプログラムを選択");
  ASSERT_EQ(dialog.filters.size(), 1u);
  EXPECT_EQ(dialog.filters[0].description, "プログラム (*.exe;*.com;*.bat)");
  EXPECT_EQ(dialog.filters[0].pattern, "*.exe;*.com;*.bat");
  ASSERT_EQ(world.shortcuts.written.size(), 1u) << ::testing::PrintToString(boxTexts());
  EXPECT_EQ(world.shortcuts.written[0].first, programs.file("Unreal at 100.lnk"));
  EXPECT_EQ(world.shortcuts.written[0].second.arguments,
            "/clock 100 /run \"" + games.file("Unreal.exe") + "\"");
  EXPECT_TRUE(programs.exists("Unreal at 100.lnk"));
  EXPECT_FALSE(desktop.exists("Unreal at 100.lnk"));

  // Opened again, everything starts afresh; an emptied name follows the game again.
  open([&] {
    EXPECT_EQ(form.GameEdit.text(), "");
    EXPECT_EQ(form.NameEdit.text(), "");
    EXPECT_EQ(form.PlaceGroup.itemIndex(), 0);
    form.NameEdit.userSetText("x");
    form.NameEdit.userSetText("");
    form.GameEdit.userSetText(games.file("Unreal.exe"));
    EXPECT_EQ(form.NameEdit.text(), "Unreal");
    form.CancelButton.userClick();
  });
  EXPECT_EQ(world.shortcuts.written.size(), 1u);
}

TEST_F(ShortcutWindowTest, EveryRefusalSaysWhyAndWritesNothing) {
  const std::string nothingConfirmed =
      "130MHzのショートカットは作れません。このパソコンではまだ確認済みのクロックがないので、初期設定の89MHzまでです。\n"
      "より高いクロックを使うには、「オーバークロック」タブの「クロック指定」にそのクロックを入れて「クロック変更」を押し、"
      "確認の画面で5秒以内に「OK」を押してください";
  const struct {
    const char* why;
    std::string game, clock, name;
    std::optional<int> confirmed;
    std::string message;  // a part of the error box's text
  } rows[] = {
      // First, while the machine has no clock confirmed.
      {"nothing confirmed", games.file("Unreal.exe"), "130", "x", std::nullopt, nothingConfirmed},
      {"no game", "", "100", "x", 120, "ショートカットから起動するゲームのプログラムを指定してください."},
      {"blanks only", "   ", "100", "x", 120, "ゲームのプログラムを指定してください."},
      {"no program", games.file("readme.txt"), "100", "x", 120, "readme.txt はプログラムではありません。"},
      {"missing", games.file("Quake.exe"), "100", "x", 120, "プログラム " + games.file("Quake.exe") + " が見つかりません."},
      {"no folder", "Unreal.exe", "100", "x", 120, "プログラム Unreal.exe が見つかりません."},
      {"above confirmed", games.file("Unreal.exe"), "121", "x", 120,
       "121MHzのショートカットは作れません。このパソコンで確認済みの最高クロックは120MHzです。\nより高いクロックを使うには"},
      {"beyond the limits", games.file("Unreal.exe"), "136", "x", 200,
       "136MHzのショートカットは作れません。クロックは89MHzから135MHzの範囲で指定してください."},
      {"below the limits", games.file("Unreal.exe"), "88", "x", 120, "88MHzのショートカットは作れません。"},
      {"no number", games.file("Unreal.exe"), "1oo", "x", 120, "1oo はクロックの数値ではありません."},
      {"no name", games.file("Unreal.exe"), "100", "  ", 120, "ショートカットの名前を入力してください."},
      {"bad name", games.file("Unreal.exe"), "100", "a:b", 120, "「a:b」はショートカットの名前に使えません。"},
      {"device", games.file("Unreal.exe"), "100", "NUL", 120, "「NUL」はショートカットの名前に使えません。"},
  };
  startUp();
  for (const auto& row : rows) {
    world.dialogs.boxes.clear();
    if (row.confirmed) confirm(*row.confirmed);
    open([&] {
      form.GameEdit.userSetText(row.game);
      form.ClockEdit.userSetText(row.clock);
      form.NameEdit.userSetText(row.name);
      form.OkButton.userClick();
      EXPECT_TRUE(form.visible()) << row.why;  // the user can put it right
      form.CancelButton.userClick();
    });
    const auto shown = errors();
    ASSERT_EQ(shown.size(), 1u) << row.why << ": " << ::testing::PrintToString(boxTexts());
    EXPECT_NE(shown[0].find(row.message), std::string::npos) << row.why << ": " << shown[0];
    EXPECT_EQ(world.dialogs.boxes[0].caption, "Matrox Corvane") << row.why;
  }
  EXPECT_TRUE(world.shortcuts.written.empty());
  EXPECT_TRUE(desktop.exists("x.lnk") == false);
}

TEST_F(ShortcutWindowTest, AShortcutThereIsReplacedOnlyWhenTheUserSaysSo) {
  startUp();
  desktop.write("unreal.LNK", "old");
  auto make = [&] {
    open([&] {
      // In other letters than the file and the shortcut have: Windows finds both all the same.
      form.GameEdit.userSetText(games.file("UNREAL.EXE"));
      form.OkButton.userClick();
      if (form.visible()) form.CancelButton.userClick();
    });
  };
  world.dialogs.answers.push_back(platform::MessageResult::No);
  make();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "ショートカット「UNREAL」はすでにあります。置き換えますか？");
  EXPECT_EQ(world.dialogs.boxes[0].buttons, platform::MessageButtons::YesNo);
  EXPECT_TRUE(world.shortcuts.written.empty());
  EXPECT_EQ(desktop.read("unreal.LNK"), "old");

  world.dialogs.answers.push_back(platform::MessageResult::Yes);
  make();
  EXPECT_EQ(world.shortcuts.written.size(), 1u);
}

TEST_F(ShortcutWindowTest, AFolderThatRefusesOrIsNotNamedEndsInTheErrorBox) {
  startUp();
  world.shortcuts.refuse = true;
  open([&] {
    form.GameEdit.userSetText(games.file("Unreal.exe"));
    form.OkButton.userClick();
    EXPECT_TRUE(form.visible());
    world.shortcuts.refuse = false;
    world.shortcuts.folders.erase(Place::Desktop);
    form.OkButton.userClick();
    world.shortcuts.folders[Place::Desktop] = "";  // named, but empty
    form.OkButton.userClick();
    form.CancelButton.userClick();
  });
  EXPECT_EQ(errors(), (std::vector<std::string>{
                          "ファイル " + desktop.file("Unreal.lnk") + " を作成できません.",
                          "ショートカットを作成するフォルダがWindowsから得られません.",
                          "ショートカットを作成するフォルダがWindowsから得られません."}));
  EXPECT_TRUE(world.shortcuts.written.empty());
  EXPECT_FALSE(desktop.exists("Unreal.lnk"));
}

}  // namespace
