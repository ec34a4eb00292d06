// The command line's switches as a table of cases, the run sequence in
// command_line_run_test.cpp.
#include <gtest/gtest.h>

#include "fakes.h"
#include "overclock/command_line.h"
#include "overclock/command_line_run.h"
#include "stored/clock_settings.h"
#include "text/catalogue.h"

using overclock::CommandLineAction;
using overclock::parseCommandLine;
using Strings = std::vector<std::string>;

namespace {

using A = CommandLineAction;

struct Case {
  std::string line;
  A action;
  int clock = 0;
  std::string program = "";
  std::string arguments = "";
  std::string problem = "";  // the refusal begins with this
  bool usage = false;         // and the usage follows it
};

const Case kCases[] = {
    // The window, as ever.
    {"", A::OpenWindow},
    {"   ", A::OpenWindow},
    {"/ja", A::OpenWindow},
    {"-EN /ja", A::OpenWindow},
    // Usage: any case, either sign, wins over anything else.
    {"/?", A::ShowUsage},
    {"-?", A::ShowUsage},
    {"/en /?", A::ShowUsage},
    {"/bogus /?", A::ShowUsage},
    {"/clock 120 /?", A::ShowUsage},
    // A clock alone, the default alone.
    {"/clock 120", A::SetClock, 120},
    {"-CLOCK 120", A::SetClock, 120},
    {"/Clock\t66", A::SetClock, 66},
    {"/clock 230 /ja", A::SetClock, 230},
    {"/clock 0089", A::SetClock, 89},
    {"/clock 000000000000120", A::SetClock, 120},  // zeros say nothing
    {"/clock \"120\"", A::SetClock, 120},
    {"/default", A::RestoreDefault},
    {"-DEFAULT /en", A::RestoreDefault},
    // A game: switches in any order before it, everything after it is the game's, as typed.
    {"/clock 120 /run \"C:\\Games\\Unreal\\System\\Unreal.exe\"", A::RunGame, 120,
     "C:\\Games\\Unreal\\System\\Unreal.exe"},
    {"/en /clock 120 /run C:\\Games\\q2.exe +set vid_ref gl", A::RunGame, 120, "C:\\Games\\q2.exe",
     "+set vid_ref gl"},
    {"/clock 105 -RUN \"C:\\Program Files\\Game\\g.exe\"   -window \"a b\"  /clock 200", A::RunGame,
     105, "C:\\Program Files\\Game\\g.exe", "-window \"a b\"  /clock 200"},
    {"/clock 105 /run C:\\\"Program Files\"\\g.exe /?", A::RunGame, 105,
     "C:\\Program Files\\g.exe", "/?"},
    {"/clock 120 /run game", A::RunGame, 120, "game"},
    // Bad input: what was wrong, named.
    {"/bogus", A::Refused, 0, "", "", "/bogus というスイッチはありません。", true},
    {"/clock 120 /ja /x", A::Refused, 0, "", "", "/x というスイッチはありません。", true},
    {"clock 120", A::Refused, 0, "", "", "clock というスイッチはありません。", true},
    {"/clock 120 extra", A::Refused, 0, "", "", "extra というスイッチはありません。", true},
    {"/", A::Refused, 0, "", "", "/ というスイッチはありません。", true},
    {"/clock", A::Refused, 0, "", "", "/clock の後にクロックをMHzで指定してください。"},
    {"/clock /default", A::Refused, 0, "", "", "/clock の後にクロックをMHzで指定してください。"},
    {"/clock -5", A::Refused, 0, "", "", "/clock の後にクロックをMHzで指定してください。"},
    {"/clock abc", A::Refused, 0, "", "", "abc はクロックの数値ではありません。"},
    {"/clock 12.5", A::Refused, 0, "", "", "12.5 はクロックの数値ではありません。"},
    {"/clock +120", A::Refused, 0, "", "", "+120 はクロックの数値ではありません。"},
    {"/clock 1234567", A::Refused, 0, "", "", "1234567 はクロックの数値ではありません。"},
    {"/clock 65", A::Refused, 0, "", "", "65MHzには変更できません。クロックは66MHzから230MHzの範囲で指定してください"},
    {"/clock 231", A::Refused, 0, "", "", "231MHzには変更できません。"},
    {"/clock 120 /clock 130", A::Refused, 0, "", "", "/clock が2回指定されています。"},
    {"/default -default", A::Refused, 0, "", "", "-default が2回指定されています。"},
    {"/clock 120 /run", A::Refused, 0, "", "", "/run の後に起動するプログラムを指定してください。"},
    {"/clock 120 /run \"\"", A::Refused, 0, "", "", "/run の後に起動するプログラムを指定してください。"},
    {"/run game.exe", A::Refused, 0, "", "", "/run を使うときは /clock でクロックを指定してください。"},
    {"/default /clock 120", A::Refused, 0, "", "", "/default は /clock や /run と一緒には使えません。"},
    {"/default /run game.exe", A::Refused, 0, "", "", "/default は /clock や /run と一緒には使えません。"},
    // A clock with its unit: the number is right.
    {"/clock 120MHz", A::Refused, 0, "", "", "クロックにはMHzを付けず、/clock 120 のように数値だけを書いてください。"},
    {"/clock 95mhz /run game.exe", A::Refused, 0, "", "", "クロックにはMHzを付けず、/clock 95 のように"},
    {"/clock MHz", A::Refused, 0, "", "", "MHz はクロックの数値ではありません。/clock 120 のようにMHzの整数で"},
    // A program alone (a game dropped on corvane.exe): which clock? With the usage.
    {"\"C:\\Games\\My Game\\game.exe\"", A::Refused, 0, "", "",
     "C:\\Games\\My Game\\game.exe を起動するクロックが指定されていません。corvane.exe /clock N /run \"C:\\Games\\My Game\\game.exe\" のように", true},
    {"/ja C:\\GAMES\\UNREAL.EXE", A::Refused, 0, "", "", "C:\\GAMES\\UNREAL.EXE を起動するクロック", true},
    {"C:\\Games\\readme.txt", A::Refused, 0, "", "", "C:\\Games\\readme.txt というスイッチはありません。", true},
    {"G.COM", A::Refused, 0, "", "", "G.COM を起動するクロックが指定されていません。", true},
    {".pif", A::Refused, 0, "", "", ".pif を起動するクロックが指定されていません。", true},
    {"game.exe other.exe", A::Refused, 0, "", "", "game.exe というスイッチはありません。", true},
    // A path with blanks without its quotes: put it in quotes, this way.
    {"/clock 120 /run C:\\Games\\My Game\\game.exe -window", A::Refused, 0, "", "",
     "パスに空白があるときは、/run \"C:\\Games\\My Game\\game.exe\" のように \"\" で囲んでください。"},
    {"/clock 120 /run C:\\Program Files\\Big Game\\START.BAT", A::Refused, 0, "", "",
     "パスに空白があるときは、/run \"C:\\Program Files\\Big Game\\START.BAT\" のように"},
    // The first problem is the one named.
    {"/clock x /bogus", A::Refused, 0, "", "", "x はクロックの数値ではありません。"},
};

}  // namespace

TEST(CommandLineSwitches, EveryCase) {
  for (const Case& c : kCases) {
    SCOPED_TRACE("command line: " + c.line);
    const auto request = parseCommandLine(c.line);
    EXPECT_EQ(request.action, c.action);
    if (c.action == A::Refused) {
      EXPECT_EQ(request.problem.rfind(c.problem, 0), 0u) << request.problem;
      EXPECT_EQ(request.withUsage, c.usage);
      // One message, ending as a sentence ends.
      const std::string end = "。";
      EXPECT_EQ(request.problem.compare(request.problem.size() - end.size(), end.size(), end), 0)
          << request.problem;
      continue;
    }
    EXPECT_EQ(request.problem, "");
    EXPECT_EQ(request.clockMhz, c.clock);
    EXPECT_EQ(request.program, c.program);
    EXPECT_EQ(request.programArguments, c.arguments);
  }
}

TEST(CommandLineSwitches, TheUsageIsInTheInterfaceLanguage) {
  EXPECT_EQ(overclock::commandLineUsage().rfind("使い方：\n", 0), 0u);
  text::setLanguage(text::Language::English);
  EXPECT_EQ(overclock::commandLineUsage().rfind("Usage:\n", 0), 0u);
  EXPECT_EQ(parseCommandLine("/clock").problem, "Give the clock in MHz after /clock.");
  text::setLanguage(text::Language::Japanese);
}
