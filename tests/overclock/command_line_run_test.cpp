// The command line's run sequence on doubles: the clock, the game, the default clock back on
// every way out, and what it records.
#include <gtest/gtest.h>

#include <map>

#include "fakes.h"
#include "overclock/command_line_run.h"
#include "stored/clock_settings.h"

using Strings = std::vector<std::string>;

namespace {

const char* const kSettings = "HKLM\\Software\\Matrox\\PowerDesk\\Current Settings";
const char* const kCorvane = "HKLM\\Software\\Corvane";
const char* const kDisplay = "HKCC\\Display\\Settings";

// The game as a script has it, recorded with the registry's "OverClock" at its start; the clock
// tool's runs (through the launcher double) go into the same log, in the folder they ran in.
class ScriptedRunner : public platform::ProgramRunner {
 public:
  ScriptedRunner(doubles::MemoryRegistry& registry, doubles::RecordingLauncher& launcher)
      : registry_(registry) {
    launcher.sideEffect = [this, &launcher](const std::string& commandLine) {
      log.push_back("tool " + commandLine + " in " + launcher.starts.back().workingFolder);
    };
  }
  std::optional<std::string> existingFile(const std::string& path) override {
    if (missing.count(path)) return std::nullopt;
    return "C:\\Games\\" + path;
  }
  Outcome runUntilEnded(const std::string& program, const std::string& arguments,
                        const std::string& folder,
                        const std::function<void()>& sessionEnding) override {
    log.push_back("game " + program + " [" + arguments + "] in " + folder + ", OverClock " +
                  std::to_string(registry_.integerValue(kSettings, "OverClock").value_or(-1)));
    if (sessionEnds) sessionEnding();
    return game;
  }

  Strings log;
  std::map<std::string, bool> missing;
  bool sessionEnds = false;
  Outcome game{Ending::Ended, 0};

 private:
  doubles::MemoryRegistry& registry_;
};

using ToolRun = platform::Launcher::ToolRun;
ToolRun ended(std::uint32_t code) { return {ToolRun::Status::Ended, code, 0}; }

struct CommandLineRun : ::testing::Test {
  doubles::World world;
  ScriptedRunner runner{world.registry, world.launcher};

  CommandLineRun() {
    world.programFolder = "C:\\Corvane";
    // 32 bits: the 89 profile only up to 1024x768, so the resolution counts too.
    world.registry.setString(kDisplay, "BitsPerPixel", "32");
    world.registry.setString(kDisplay, "Resolution", "800,600");
  }
  int run(const std::string& line) {
    platform::Services services = world.services();
    return *overclock::runCommandLine(line, services, runner);
  }
  Strings boxes() const {
    Strings out;
    for (const auto& b : world.dialogs.boxes) out.push_back(b.text);
    return out;
  }
  // OK pressed in the countdown at `mhz` with the stored tool's kind, on this display adapter.
  void confirm(int mhz, const char* kind = "G200clk.exe") {
    stored::ConfirmedClock(world.registry).recordKept(mhz, kind, "");
  }
};

}  // namespace

TEST_F(CommandLineRun, TheGameRunsBetweenTheClockAndTheDefault) {
  confirm(120);
  EXPECT_EQ(run("/clock 120 /run Unreal\\System\\Unreal.exe -log"), 0);
  EXPECT_EQ(runner.log,
            (Strings{"tool C:\\Corvane\\G200clk.exe /1 220 in C:\\Corvane",
                     "game C:\\Games\\Unreal\\System\\Unreal.exe [-log] in "
                     "C:\\Games\\Unreal\\System, OverClock 120",
                     "tool C:\\Corvane\\G200clk.exe /1 189 in C:\\Corvane"}));
  EXPECT_EQ(world.registry.integerValue(kSettings, "OverClock"), 89);
  EXPECT_TRUE(world.dialogs.boxes.empty());
}

TEST_F(CommandLineRun, TheActiveProfilesStoredLimitsAndDefaultApply) {
  // 8 bits per pixel: the 66 profile, default 70 and maximum 150 (clamped into 66..200).
  world.registry.setString(kDisplay, "BitsPerPixel", "8");
  world.registry.setInteger(kSettings, "OverClockDEF66", 70);
  world.registry.setInteger(kSettings, "OverClockMAX66", 150);
  world.registry.setInteger(kSettings, "OverClockMAX89", 230);  // the other profile's
  confirm(200, "Mystclk.com");
  world.registry.setString(kSettings, "Mystclk", "D:\\Tools\\Mystclk.com");
  // The Mystclk tool's ini first: the window starts nothing without it.
  EXPECT_EQ(run("/clock 150"), 2);
  EXPECT_TRUE(runner.log.empty());
  EXPECT_EQ(run("/clock 151"), 1);
  EXPECT_EQ(run("/clock 69"), 1);
  // A number no table has a row for is named with the range that applies here, not the tables'.
  EXPECT_EQ(run("/clock 1000"), 1);
  EXPECT_EQ(run("/clock 65 /run g.exe"), 1);
  ASSERT_EQ(world.dialogs.boxes.size(), 5u);
  EXPECT_EQ(boxes()[1].rfind("151MHzには変更できません。今の表示モードで使えるクロックは70MHzから150MHzまでです", 0), 0u);
  EXPECT_EQ(boxes()[3].rfind("1000MHzには変更できません。今の表示モードで使えるクロックは70MHzから150MHzまでです", 0), 0u)
      << boxes()[3];
  EXPECT_EQ(boxes()[4].rfind("65MHzには変更できません。今の表示モードで使えるクロックは70MHzから150MHzまでです", 0), 0u);
  EXPECT_TRUE(runner.log.empty());
}

TEST_F(CommandLineRun, TheDefaultClockNeedsNoConfirmationAndHigherOnesDo) {
  EXPECT_EQ(run("/clock 89"), 0);
  EXPECT_EQ(run("/clock 90"), 1);
  confirm(100);
  EXPECT_EQ(run("/clock 100"), 0);
  EXPECT_EQ(run("/clock 101"), 1);
  EXPECT_EQ(runner.log, (Strings{"tool C:\\Corvane\\G200clk.exe /1 189 in C:\\Corvane",
                                 "tool C:\\Corvane\\G200clk.exe /1 200 in C:\\Corvane"}));
  ASSERT_EQ(world.dialogs.boxes.size(), 2u);
  EXPECT_EQ(boxes()[1].rfind("101MHzにはコマンドラインから変更できません。このパソコンで確認済みの最高クロックは100MHzです。\nより高い", 0), 0u) << boxes()[1];
  EXPECT_EQ(world.dialogs.boxes[1].icon, platform::MessageIcon::Error);
  EXPECT_EQ(world.registry.integerValue(kSettings, "OverClock"), 100);
}

TEST_F(CommandLineRun, EveryWayOutPutsTheDefaultBack) {
  confirm(120);
  // Windows ends the session: restored while it waits, then no message.
  runner.sessionEnds = true;
  runner.game = {platform::ProgramRunner::Ending::SessionEnding, 0};
  EXPECT_EQ(run("/clock 120 /run g.exe"), 0);
  EXPECT_EQ(runner.log.size(), 3u);
  EXPECT_EQ(runner.log.back(), "tool C:\\Corvane\\G200clk.exe /1 189 in C:\\Corvane");
  EXPECT_TRUE(world.dialogs.boxes.empty());

  // The game does not start: restored at once, and said why.
  runner.log.clear();
  runner.sessionEnds = false;
  runner.game = {platform::ProgramRunner::Ending::NotStarted, 193};
  EXPECT_EQ(run("/clock 120 /run g.exe"), 1);
  EXPECT_EQ(runner.log.size(), 3u);
  EXPECT_EQ(runner.log.back(), "tool C:\\Corvane\\G200clk.exe /1 189 in C:\\Corvane");
  EXPECT_EQ(boxes(), Strings{"C:\\Games\\g.exe を起動できませんでした（エラー 193）。\n"
                             "G200のクロックを 89MHz に戻しました。"});

  // The tool fails at the clock: the default is tried at once, the game never starts.
  runner.log.clear();
  world.dialogs.boxes.clear();
  world.launcher.toolRuns = {ended(3), ended(3)};
  EXPECT_EQ(run("/clock 120 /run g.exe"), 2);
  EXPECT_EQ(runner.log, (Strings{"tool C:\\Corvane\\G200clk.exe /1 220 in C:\\Corvane",
                                 "tool C:\\Corvane\\G200clk.exe /1 189 in C:\\Corvane"}));
  EXPECT_EQ(boxes(), Strings{"クロックツール C:\\Corvane\\G200clk.exe がエラー 3 で終了しました。\n"
                             "クロックツール C:\\Corvane\\G200clk.exe がエラー 3 で終了しました。"});

  // The default alone, and the tool fails: said, exit code 2.
  world.dialogs.boxes.clear();
  world.launcher.toolRuns = {ended(4)};
  EXPECT_EQ(run("/default"), 2);
  EXPECT_EQ(boxes(), Strings{"クロックツール C:\\Corvane\\G200clk.exe がエラー 4 で終了しました。"});

  // A program that is not there: nothing runs at all.
  runner.log.clear();
  runner.missing["nothere.exe"] = true;
  EXPECT_EQ(run("/clock 120 /run nothere.exe"), 1);
  EXPECT_TRUE(runner.log.empty());
}

TEST(CommandLineRegistry, AKeptClockIsRecordedInCorvanesOwnKeyAndNeverLowered) {
  doubles::MemoryRegistry registry;
  stored::ConfirmedClock(registry).recordKept(110, "G200clk", "G200");
  stored::ConfirmedClock(registry).recordKept(100, "G200clk", "G200");
  EXPECT_EQ(registry.integerValue(kCorvane, "ConfirmedClock"), 110);
  stored::ConfirmedClock(registry).recordKept(130, "G200clk", "G200");
  EXPECT_EQ(registry.integerValue(kCorvane, "ConfirmedClock"), 130);
  EXPECT_FALSE(registry.integerValue(kSettings, "ConfirmedClock"));
  // Kept with another tool or on another board: it says nothing about this one, and a lower
  // clock kept with the new tool replaces it whole.
  EXPECT_EQ(stored::ConfirmedClock(registry).highest("Mystclk", "G200"), std::nullopt);
  EXPECT_EQ(stored::ConfirmedClock(registry).highest("G200clk", "G400"), std::nullopt);
  EXPECT_EQ(stored::ConfirmedClock(registry).highest("G200clk", "G200"), 130);
  stored::ConfirmedClock(registry).recordKept(100, "Mystclk", "G200");
  EXPECT_EQ(stored::ConfirmedClock(registry).highest("Mystclk", "G200"), 100);
  EXPECT_EQ(stored::ConfirmedClock(registry).highest("G200clk", "G200"), std::nullopt);
  EXPECT_TRUE(stored::ConfirmedClock(registry).keptWithAnotherAdapter("G400"));
  stored::ConfirmedClock(registry).forget();
  EXPECT_EQ(stored::ConfirmedClock(registry).highest("Mystclk", "G200"), std::nullopt);
  EXPECT_FALSE(registry.valueExists(kCorvane, "ConfirmedTool"));
}
