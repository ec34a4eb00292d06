// The main window's show step and after: the processor identified last, the exit and undo
// buttons, clk.bat at the first idle moment, and a driver key that cannot be made.
#include <set>

#include "main_form_fixture.h"

using namespace testing_app;

TEST_F(MainFormFixture, QuickDeskEntryTicksTheBoxAndStaysAsItWas) {
  const std::string run = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  world.registry.setString(run, "Matrox QuickDesk", "C:\\PD\\QDesk\\mgaqdesk.exe /x");
  create();
  EXPECT_TRUE(form.registry.tasktrey.checked());
  EXPECT_EQ(world.registry.stringValue(run, "Matrox QuickDesk"), "C:\\PD\\QDesk\\mgaqdesk.exe /x");
}

TEST_F(MainFormFixture, ShowStepIdentifiesTheProcessorLastWithoutTouchingCheckedStates) {
  world.processor = doubles::RecordedProcessor::from("AuthenticAMD", 1, 0x58C, 0x008021BF);
  world.registry.setString(kDriverKey, "Use Write Combining", "1");
  world.registry.setString(kDriverKey, "Mystclk", folder.path() + "\\Mystclk.com");
  create();
  form.show();
  EXPECT_EQ(form.clock.Label14.caption(), "Matrox Mystclk.com") << "the tool is named when shown";
  EXPECT_EQ(form.general.Label38.caption(), "Socket7 (Super7)");
  EXPECT_FALSE(form.registry.box("comwrite").enabled());
  EXPECT_TRUE(form.registry.box("comwrite").checked());
  EXPECT_TRUE(form.registry.box("DNow").enabled());
}

TEST_F(MainFormFixture, AProfileValueOfTheWrongTypeKeepsTheProcessorUnidentified) {
  world.processor = doubles::RecordedProcessor::from("AuthenticAMD", 1, 0x58C, 0x008021BF);
  world.registry.setString("HKCC\\Display\\Settings", "BitsPerPixel", "16");
  world.registry.setString(kDriverKey, "OverClockDEF89", "100");
  create();
  form.show();
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"'OverClockDEF89' のデータ型が不正です."});
  EXPECT_EQ(form.general.Label38.caption(), "Unknown");
  EXPECT_TRUE(form.registry.box("comwrite").enabled());
  EXPECT_TRUE(form.registry.box("DNow").enabled());
}

TEST_F(MainFormFixture, EveryExitButtonEndsTheProgram) {
  for (ui::Button* exit : {&form.general.Button1, &form.clock.Button8, &form.system.Button5}) {
    world.runtime.terminated = false;
    form.show();
    exit->userClick();
    EXPECT_TRUE(world.runtime.terminated) << exit->name();
    EXPECT_EQ(exit->caption(), "終了(&E)");
    EXPECT_EQ(exit->hint(), "Corvaneを終了します。");
  }
  EXPECT_FALSE(form.system.PinCButton.visible());
  // Every button the general page shows says what it does, each in words of its own.
  std::set<std::string> hints;
  for (ui::Control* group : form.TabSheet1.children())
    for (ui::Control* c : group->children().empty() ? std::vector{group} : group->children())
      if (c->kind() == ui::Kind::Button && c->visible())
        EXPECT_TRUE(!c->hint().empty() && hints.insert(c->hint()).second) << c->name();
  EXPECT_GE(hints.size(), 8u);
  EXPECT_EQ(form.hintBar(), &form.registry.StatusBar1) << "where the hints show";
}

TEST_F(MainFormFixture, TheUndoButtonIsUsableExactlyWhenABackupIsThere) {
  create();
  EXPECT_FALSE(form.general.UndoButton.enabled()) << "no backup yet";
  form.general.Button10.userClick();  // game preset: saves a backup first
  EXPECT_TRUE(form.general.UndoButton.enabled());
  EXPECT_EQ(world.folders.fileNames(folder.file("Backup")).size(), 1u);

  TForm1 again{world.runtime, services};  // the next run finds the backup
  again.FormCreate();
  EXPECT_TRUE(again.general.UndoButton.enabled());
}

TEST_F(MainFormFixture, TheUndoButtonSitsBelowThePresetsInsideTheirGroup) {
  const auto group = form.general.GroupBox2.bounds();
  const auto undo = form.general.UndoButton.bounds();
  const auto lastPreset = form.general.Button12.bounds();
  EXPECT_GT(undo.top, lastPreset.top + lastPreset.height);
  EXPECT_LE(undo.top + undo.height + 8, group.height) << "inside the group's frame";
  EXPECT_LT(group.top + group.height, form.general.Detected.bounds().top)
      << "the group does not run into the detection results";
  EXPECT_EQ(form.general.UndoButton.caption(), "元に戻す(&U)");
}

namespace {

// clk.txt as the clock tool writes it: the clock at positions 32 onwards of line 14.
std::string clockReport(const std::string& clock) {
  std::string text;
  for (int line = 1; line <= 16; ++line)
    text += (line == 14 ? std::string(31, ' ') + clock + " MHz" : "line") + std::string("\r\n");
  return text;
}

}  // namespace

TEST_F(MainFormFixture, ClkBatStartsOnceTheWindowIsIdleAndTheOverclockPageWaitsForIt) {
  world.runtime.holdIdleWork = true;
  create();
  EXPECT_TRUE(world.launcher.starts.empty()) << "clk.bat held up the window";
  ASSERT_EQ(world.runtime.idleWork.size(), 1u);
  world.runtime.runIdleWork();
  ASSERT_EQ(world.launcher.starts.size(), 1u);
  EXPECT_EQ(world.launcher.starts[0].commandLine, folder.path() + "\\clk.bat");
  EXPECT_EQ(world.launcher.starts[0].show, platform::ShowMode::Normal);
  EXPECT_EQ(form.clock.Label89.caption(), folder.path() + "\\clk.bat");
  EXPECT_TRUE(world.launcher.waits.empty());

  // The report appears only when the batch file is done.
  world.launcher.onWait = [this] { folder.write("clk.txt", clockReport(" 99.60")); };
  form.clock.TabSheet3Show();
  EXPECT_TRUE(world.dialogs.boxes.empty()) << boxTexts().front();
  ASSERT_EQ(world.launcher.waits.size(), 1u);
  EXPECT_EQ(world.launcher.waits[0].first, world.launcher.watched.at(0));
  EXPECT_EQ(world.launcher.waits[0].second, overclock::ClockService::kReportWaitMs);
  EXPECT_EQ(form.clock.Label92.caption(), "100MHz");
  form.clock.TabSheet3Show();
  EXPECT_EQ(world.launcher.waits.size(), 1u) << "waited again for a batch long done";
}

TEST_F(MainFormFixture, AnOverclockPageShownBeforeIdleStartsClkBatItselfAndOnlyOnce) {
  world.runtime.holdIdleWork = true;
  create();
  world.launcher.onWait = [this] { folder.write("clk.txt", clockReport("123.45")); };
  form.clock.TabSheet3Show();
  EXPECT_EQ(form.clock.Label92.caption(), "123MHz");
  world.runtime.runIdleWork();
  EXPECT_EQ(world.launcher.starts.size(), 1u);
  EXPECT_EQ(world.launcher.waits.size(), 1u);
}

TEST_F(MainFormFixture, ADriverKeyThatCannotBeMadeLeavesEveryOtherKeyAlone) {
  // The adapter's key is read just before the driver's: nothing meant for the driver's key may
  // be read from it or deleted in it.
  world.registry.setString(kDisplay + "0002", "DriverDesc", "Matrox Millennium G200 AGP");
  world.registry.setString(kDisplay + "0002", "Win98Virtual", "1");
  world.registry.setString(kDisplay + "0002", "Flip On Vblank", "1");
  world.registry.setString(kDisplay + "0002", "Mystclk", "C:\\Elsewhere\\Mystclk.com");
  world.registry.setInteger(kDisplay + "0002", "OverClock", 140);
  world.registry.refuseOpen(kDriverKey);
  create();
  EXPECT_TRUE(world.dialogs.boxes.empty()) << boxTexts().front();
  EXPECT_TRUE(world.registry.journal().empty());
  EXPECT_TRUE(world.registry.valueExists(kDisplay + "0002", "Win98Virtual"));
  EXPECT_FALSE(form.registry.box("vsync").checked());
  EXPECT_EQ(form.clockService.toolPath(), folder.path() + "\\G200clk.exe");
  EXPECT_NE(form.clock.UpDown1.position(), 140);
}
