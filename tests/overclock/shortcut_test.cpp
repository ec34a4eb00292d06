// A game's shortcut from the overclock tab: its parts (the clocks it may carry, its command line,
// the checks of the game and the name), on the doubles; its window in shortcut_window_test.cpp.
#include "overclock/command_line.h"
#include "overclock/game_shortcut.h"
#include "page_fixture.h"
#include "stored/clock_settings.h"

namespace {

TEST(GameShortcut, TheClocksOfferedAreThoseTheCommandLineAccepts) {
  const struct {
    int storedDefault, storedMaximum, confirmed;  // 0: none stored, none confirmed
    int low, high;
    bool any, confirmedAboveDefault;
  } rows[] = {
      {0, 0, 0, 89, 89, true, false},        // nothing confirmed: up to the factory default
      {0, 0, 120, 89, 120, true, true},      // up to the confirmed clock
      {0, 0, 200, 89, 135, true, true},      // no further than the limits
      {95, 0, 0, 95, 95, false, false},      // a raised default is no confirmation: none yet
      {95, 0, 100, 95, 100, true, true},
      {70, 0, 0, 70, 89, true, false},       // a lowered default: up to the factory one
      {0, 0, 89, 89, 89, true, false},       // the factory default confirmed
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.storedDefault) + " " + std::to_string(row.storedMaximum) +
                 " confirmed " + std::to_string(row.confirmed));
    doubles::World world;
    platform::MachineFacts machine;
    machine.bitsPerPixel.learn("16");
    machine.resolution.learn("800,600");
    machine.adapter.learn("");
    const char* settings = "HKLM\\Software\\Matrox\\PowerDesk\\Current Settings";
    if (row.storedDefault) world.registry.setInteger(settings, "OverClockDEF89", row.storedDefault);
    if (row.storedMaximum) world.registry.setInteger(settings, "OverClockMAX89", row.storedMaximum);
    if (row.confirmed)
      stored::ConfirmedClock(world.registry).recordKept(row.confirmed, "G200clk.exe", "");
    platform::Services services = world.services();
    overclock::ClockService clock(services, machine, stored::Access::ExistingReadOnly);
    clock.loadTool();
    clock.loadProfile();
    const auto clocks = overclock::commandLineClocks(clock);
    EXPECT_EQ(clocks.range.low, row.low);
    EXPECT_EQ(clocks.range.high, row.high);
    EXPECT_EQ(clocks.any, row.any);
    EXPECT_EQ(clocks.highestLimit, 135);
    EXPECT_EQ(clocks.confirmedAboveDefault, row.confirmedAboveDefault);
  }
}

TEST(GameShortcut, ItsArgumentsReadBackAsTheSameClockAndGame) {
  for (const std::string game : {"C:\\Games\\Unreal.exe", "C:\\Program Files\\Need For Speed\\nfs3.exe",
                                 "D:\\ゲーム\\x-wing 97\\START.BAT", "C:\\run.com", "E:\\-clock.exe"}) {
    const std::string arguments = overclock::shortcutArguments(120, game);
    EXPECT_EQ(arguments, "/clock 120 /run \"" + game + "\"");
    const auto request = overclock::parseCommandLine(arguments);
    EXPECT_EQ(request.action, overclock::CommandLineAction::RunGame) << arguments;
    EXPECT_EQ(request.clockMhz, 120);
    EXPECT_EQ(request.program, game);
    EXPECT_EQ(request.programArguments, "");
  }
}

TEST(GameShortcut, PathsAndNames) {
  EXPECT_EQ(overclock::folderOfPath("C:\\Games\\x.exe"), "C:\\Games");
  EXPECT_EQ(overclock::folderOfPath("C:\\x.exe"), "C:\\");
  EXPECT_EQ(overclock::folderOfPath("x.exe"), "");
  EXPECT_EQ(overclock::defaultShortcutName("C:\\Games\\Unreal.exe"), "Unreal");
  EXPECT_EQ(overclock::defaultShortcutName("  C:\\Need For Speed\\nfs.3.EXE "), "nfs.3");
  EXPECT_EQ(overclock::defaultShortcutName("C:\\Games\\.exe"), ".exe");
  EXPECT_EQ(overclock::defaultShortcutName("C:\\Games\\"), "");
  EXPECT_EQ(overclock::shortcutPath("C:\\WINDOWS\\Desktop", "Unreal"), "C:\\WINDOWS\\Desktop\\Unreal.lnk");
  EXPECT_EQ(overclock::shortcutPath("C:\\", "Unreal"), "C:\\Unreal.lnk");

  const std::pair<std::string, bool> programs[] = {
      {"C:\\g\\a.exe", true}, {"C:\\g\\A.EXE", true}, {"C:\\g\\b.Com", true},
      {"C:\\g\\c.bat", true}, {"C:\\g\\readme.txt", false}, {"C:\\g\\exe", false},
      {"C:\\g.exe\\game", false}, {"C:\\g\\.exe", false}, {"C:\\g\\a.exe.lnk", false},
      {"C:\\g\\a.pif", false}};
  for (const auto& [path, program] : programs)
    EXPECT_EQ(overclock::isProgramFileName(path), program) << path;
}

TEST(GameShortcut, NamesWindowsCannotUseAreRefused) {
  const std::pair<std::string, bool> names[] = {
      {"Unreal", true},  {"Need For Speed III", true}, {"ゲーム 120MHz", true}, {"a.b", true},
      {"COM10", true},   {"console", true},            {"lpt", true},
      {"", false},       {"...", false},               {".", false},           {"a/b", false},
      {"a\\b", false},   {"a:b", false},               {"a*", false},          {"a?", false},
      {"a\"b", false},   {"<a>", false},               {"a|b", false},         {"a\tb", false},
      {"name.", false},  {"CON", false},               {"AUX", false},               {"con.txt", false},     {"Nul", false},
      {"prn", false},    {"aux.lnk", false},           {"COM1", false},        {"lpt9", false},
      {"LPT1.doc", false}};
  for (const auto& [name, usable] : names)
    EXPECT_EQ(!overclock::shortcutNameProblem(name).has_value(), usable) << "\"" << name << "\"";
  EXPECT_EQ(*overclock::shortcutNameProblem(""), "ショートカットの名前を入力してください");
  EXPECT_NE(overclock::shortcutNameProblem("a?")->find("「a?」はショートカットの名前に使えません。"),
            std::string::npos);
  EXPECT_EQ(overclock::trimmedName("  Unreal \t"), "Unreal");
}

}  // namespace
