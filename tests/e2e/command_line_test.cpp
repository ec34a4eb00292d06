// corvane.exe started from a shortcut or a batch file under Wine: a clock for a game and the
// default clock back after it, the refusals, every bad input and every way out; the game's
// shortcut made in the window in game_shortcut_test.cpp.
#include "command_line_fixture.h"

using namespace e2e;

TEST_F(CommandLine, TheGameRunsAtTheClockAndTheDefaultComesBackOnlyWhenItEnds) {
  confirmed(120);
  ProgramFolder folder;
  Game game(folder);
  Corvane corvane(folder,
                  "/clock 120 /run " + quoted(game.path()) + " -window \"two words\"  last",
                  elsewhere());
  ASSERT_TRUE(waitUntil([&] { return game.started(); }, 20000)) << folder.read("clocktool.log");
  // While the game runs: the clock, and nothing else; no window of Corvane's.
  const std::string during = folder.read("clocktool.log");
  EXPECT_EQ(during, quoted(folder.file("G200clk.exe")) + " /1 220\r\n");
  EXPECT_EQ(integer("OverClock"), 120u);
  EXPECT_EQ(waitForWindow("Corvane", 500), nullptr);
  // The game got its own arguments as typed, and its own folder as its current one.
  const std::string log = game.log();
  EXPECT_NE(log.find(quoted(game.path()) + " -window \"two words\"  last|"), std::string::npos) << log;
  EXPECT_NE(log.find("|" + game.folder() + "\r\n"), std::string::npos) << log;
  EXPECT_FALSE(corvane.waitForExit(0)) << "Corvane did not wait for the game";

  game.end();
  EXPECT_EQ(runToEnd(corvane), 0u);
  EXPECT_TRUE(game.ended());
  EXPECT_EQ(folder.read("clocktool.log"), during + quoted(folder.file("G200clk.exe")) + " /1 189\r\n");
  EXPECT_EQ(integer("OverClock"), 89u);
}

TEST_F(CommandLine, AClockAloneIsSetAndTheDefaultAloneRestored) {
  confirmed(150);
  ProgramFolder folder;
  {
    Corvane corvane(folder, "-CLOCK 0120", elsewhere());
    EXPECT_EQ(runToEnd(corvane), 0u);
  }
  EXPECT_EQ(folder.read("clocktool.log"), quoted(folder.file("G200clk.exe")) + " /1 220\r\n");
  EXPECT_EQ(integer("OverClock"), 120u);
  {
    Corvane corvane(folder, "/Default");
    EXPECT_EQ(runToEnd(corvane), 0u);
  }
  EXPECT_NE(folder.read("clocktool.log").find(" /1 220\r\n\"" + folder.file("G200clk.exe") + "\" /1 189\r\n"),
            std::string::npos)
      << folder.read("clocktool.log");
  EXPECT_EQ(integer("OverClock"), 89u);
}

TEST_F(CommandLine, TheMystclkToolGetsItsOwnTableAndRunsBesideItsIni) {
  confirmed(150, "Mystclk.com");
  ProgramFolder folder;
  CopyFileA(folder.file("G200clk.exe").c_str(), folder.file("Mystclk.com").c_str(), FALSE);
  writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Mystclk", folder.file("Mystclk.com"));
  {
    Corvane corvane(folder, "/clock 120", elsewhere());
    EXPECT_EQ(runToEnd(corvane), 0u);
  }
  EXPECT_EQ(folder.read("clocktool.log"), quoted(folder.file("Mystclk.com")) + " /1 12 108 0\r\n");
  // Without its ini the window starts nothing, and neither does the command line.
  folder.remove("Mystclk.ini");
  Corvane corvane(folder, "/default");
  const std::string message = answerMessage(kMessageTitle);
  EXPECT_NE(message.find("Mystclk.ini"), std::string::npos) << message;
  EXPECT_EQ(runToEnd(corvane), 2u);
  EXPECT_EQ(occurrences(folder.read("clocktool.log"), "\r\n"), 1u);
}

TEST_F(CommandLine, AClockAboveTheConfirmedOneIsRefusedAndNoToolStarts) {
  ProgramFolder folder;
  Game game(folder);
  {
    // Nothing confirmed yet.
    Corvane corvane(folder, "/clock 120 /run " + quoted(game.path()));
    const std::string message = answerMessage(kMessageTitle);
    EXPECT_NE(message.find("120MHzにはコマンドラインから変更できません。このパソコンではまだ確認済みのクロックがありません。"), std::string::npos) << message;
    EXPECT_NE(message.find("「OK」を押してください。"), std::string::npos) << message;
    EXPECT_EQ(runToEnd(corvane), 1u);
  }
  confirmed(110);
  {
    Corvane corvane(folder, "/clock 120 /run " + quoted(game.path()));
    const std::string message = answerMessage(kMessageTitle);
    EXPECT_NE(message.find("確認済みの最高クロックは110MHzです。"), std::string::npos) << message;
    EXPECT_EQ(runToEnd(corvane), 1u);
  }
  {
    // Confirmed, but above what the limits window allows in this display mode (89 to 135).
    confirmed(200);
    Corvane corvane(folder, "/clock 150");
    const std::string message = answerMessage(kMessageTitle);
    EXPECT_NE(message.find("150MHzには変更できません。今の表示モードで使えるクロックは89MHzから135MHzまでです"),
              std::string::npos)
        << message;
    EXPECT_EQ(runToEnd(corvane), 1u);
  }
  {
    // In English, from the same switch.
    confirmed(110);
    Corvane corvane(folder, "/en /clock 120");
    const std::string message = answerMessage(kMessageTitle);
    EXPECT_NE(message.find("the highest clock confirmed on this computer is 110 MHz."), std::string::npos) << message;
    EXPECT_EQ(runToEnd(corvane), 1u);
  }
  EXPECT_FALSE(folder.exists("clocktool.log")) << folder.read("clocktool.log");
  EXPECT_FALSE(game.started());
  EXPECT_EQ(integer("OverClock"), 0xFFFFFFFFu);
}

TEST_F(CommandLine, BadInputIsNamedWithItsFixTheUsageOnlyForUnknownSwitchesAndChangesNoClock) {
  confirmed(150);
  ProgramFolder folder;
  Game game(folder);
  const struct {
    std::string arguments;
    std::string problem;
    bool usage = false;  // the switches themselves were not understood
  } cases[] = {
      {"/bogus", "/bogus というスイッチはありません。", true},
      {"/clock 120 game.exe", "game.exe というスイッチはありません。", true},
      // A game dropped on corvane.exe: which clock?
      {quoted(game.path()),
       game.path() + " を起動するクロックが指定されていません。corvane.exe /clock N /run " +
           quoted(game.path()) + " のように、クロックNをMHzで指定してください。",
       true},
      {"/clock", "/clock の後にクロックをMHzで指定してください。"},
      {"/clock /run " + quoted(game.path()), "/clock の後にクロックをMHzで指定してください。"},
      {"/clock 12O", "12O はクロックの数値ではありません。/clock 120 のようにMHzの整数で指定してください。"},
      {"/clock 120MHz", "クロックにはMHzを付けず、/clock 120 のように数値だけを書いてください。"},
      {"/clock 300", "300MHzには変更できません。今の表示モードで使えるクロックは89MHzから135MHzまでです"},
      {"/clock 120 /run", "/run の後に起動するプログラムを指定してください。"},
      {"/clock 120 /run \"C:\\no such folder\\game.exe\"",
       "プログラム C:\\no such folder\\game.exe が見つかりません。/run の後のパスを確かめてください。"},
      // A path with blanks, unquoted: the message shows it in quotes.
      {"/clock 120 /run " + game.path(),
       "パスに空白があるときは、/run " + quoted(game.path()) + " のように \"\" で囲んでください。"},
      {"/run " + quoted(game.path()), "/run を使うときは /clock でクロックを指定してください。"},
      {"/default /clock 120", "/default は /clock や /run と一緒には使えません。"},
  };
  for (const auto& c : cases) {
    Corvane corvane(folder, c.arguments);
    const std::string message = answerMessage(kMessageTitle);
    EXPECT_EQ(message.find(c.problem), 0u) << c.arguments << "\n" << message;
    EXPECT_EQ(message.find("使い方：") != std::string::npos, c.usage) << c.arguments << "\n" << message;
    EXPECT_EQ(message.find("\n") == std::string::npos, !c.usage) << "one message: " << message;
    EXPECT_EQ(runToEnd(corvane), 1u) << c.arguments;
  }
  EXPECT_FALSE(folder.exists("clocktool.log")) << folder.read("clocktool.log");
  EXPECT_FALSE(game.started());
}

TEST_F(CommandLine, TheUsageComesInTheInterfaceLanguage) {
  ProgramFolder folder;
  {
    Corvane corvane(folder, "/?");
    EXPECT_EQ(answerMessage(kMessageTitle).find("使い方：\n"), 0u);
    EXPECT_EQ(runToEnd(corvane), 0u);
  }
  {
    Corvane corvane(folder, "-? /EN");
    EXPECT_EQ(answerMessage(kMessageTitle).find("Usage:\n"), 0u);
    EXPECT_EQ(runToEnd(corvane), 0u);
  }
  EXPECT_FALSE(folder.exists("clocktool.log"));
}

TEST_F(CommandLine, AGameThatCannotStartHasTheDefaultBackAtOnceAndSaysWhy) {
  confirmed(120);
  ProgramFolder folder;
  CreateDirectoryA(folder.file("Game Folder").c_str(), nullptr);
  folder.write("Game Folder\\broken.exe", "not a program\r\n");
  Corvane corvane(folder, "/clock 120 /run " + quoted(folder.file("Game Folder\\broken.exe")));
  const std::string message = answerMessage(kMessageTitle);
  EXPECT_EQ(message.find(folder.file("Game Folder\\broken.exe") + " を起動できませんでした（エラー "), 0u)
      << message;
  EXPECT_NE(message.find("\nG200のクロックを 89MHz に戻しました。"), std::string::npos) << message;
  EXPECT_EQ(runToEnd(corvane), 1u);
  const std::string log = folder.read("clocktool.log");
  EXPECT_LT(log.find(" /1 220"), log.find(" /1 189")) << log;
  EXPECT_EQ(occurrences(log, "\r\n"), 2u) << log;
  EXPECT_EQ(integer("OverClock"), 89u);
}

TEST_F(CommandLine, WindowsEndingTheSessionWhileTheGameRunsHasTheDefaultBackFirst) {
  confirmed(120);
  ProgramFolder folder;
  Game game(folder);
  Corvane corvane(folder, "/clock 120 /run " + quoted(game.path()));
  ASSERT_TRUE(waitUntil([&] { return game.started(); }, 20000));
  HWND watch = waitForClass("CorvaneGameWatch");
  ASSERT_NE(watch, nullptr);
  DWORD_PTR answer = 0;
  // The first word of the session's end brings the default back before it is answered, as
  // with the window open: the end that follows may leave no time for it.
  ASSERT_TRUE(SendMessageTimeoutA(watch, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 20000, &answer));
  EXPECT_EQ(answer, TRUE) << "Corvane must not hold Windows up";
  EXPECT_EQ(occurrences(folder.read("clocktool.log"), " /1 189"), 1u) << "not restored at the query";
  // Its work done, Corvane may be gone by the end itself; if not, the end restores no second time.
  SendMessageTimeoutA(watch, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 20000, &answer);
  const std::string log = folder.read("clocktool.log");
  EXPECT_LT(log.find(" /1 220"), log.find(" /1 189")) << log;
  EXPECT_EQ(occurrences(log, " /1 189"), 1u) << log;
  EXPECT_FALSE(game.ended()) << "the default came back while the game still ran";
  EXPECT_EQ(integer("OverClock"), 89u);
  EXPECT_EQ(runToEnd(corvane), 0u);
}

TEST_F(CommandLine, AClockToolThatFailsOrIsMissingIsExitCodeTwo) {
  confirmed(150, "Mystclk.com");
  ProgramFolder folder;
  Game game(folder);
  {
    // Named as neither tool, the stand-in is given the Mystclk table's command lines and refuses
    // them (exit code 2): the default is tried at once, and the game is not started.
    CopyFileA(folder.file("G200clk.exe").c_str(), folder.file("clock.exe").c_str(), FALSE);
    writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Mystclk", folder.file("clock.exe"));
    Corvane corvane(folder, "/clock 120 /run " + quoted(game.path()));
    const std::string message = answerMessage(kMessageTitle);
    EXPECT_EQ(message.find("クロックツール " + folder.file("clock.exe") + " がエラー 2 で終了しました。"), 0u)
        << message;
    EXPECT_EQ(runToEnd(corvane), 2u);
    const std::string log = folder.read("clocktool.log");
    EXPECT_LT(log.find(" /1 12 108 0"), log.find(" /1 19 124 0")) << log;
    EXPECT_FALSE(game.started());
  }
  {
    folder.remove("clocktool.log");
    writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Mystclk", folder.file("missing.exe"));
    Corvane corvane(folder, "/clock 120 /run " + quoted(game.path()));
    EXPECT_EQ(answerMessage(kMessageTitle),
              "クロックツール " + folder.file("missing.exe") + " を起動できません。");
    EXPECT_EQ(runToEnd(corvane), 2u);
    EXPECT_FALSE(folder.exists("clocktool.log"));
    EXPECT_FALSE(game.started());
  }
}

TEST_F(CommandLine, AProgramNamedWithoutFolderOrExtensionIsFoundAsWindowsFindsIt) {
  // From a batch file in the game's folder: "game" is game.exe there. The default clock needs no
  // confirmation.
  ProgramFolder folder;
  Game game(folder);
  Corvane corvane(folder, "/clock 89 /run game -x", game.folder());
  ASSERT_TRUE(waitUntil([&] { return game.started(); }, 20000));
  EXPECT_NE(game.log().find("game.exe\" -x|" + game.folder() + "\r\n"), std::string::npos)
      << game.log();
  game.end();
  EXPECT_EQ(runToEnd(corvane), 0u);
  EXPECT_EQ(occurrences(folder.read("clocktool.log"), " /1 189"), 2u) << folder.read("clocktool.log");
}
