// The clock change with its countdown, the restore, and the options window.
#include "page_fixture.h"

using Strings = std::vector<std::string>;

namespace {
const std::string kRestored = "情報|G200のクロックを 89MHz に戻しました。";
}

TEST_F(ClockPageTest, OkKeepsTheNewClock) {
  startUp();
  page.UpDown1.userSetPosition(120);
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    EXPECT_EQ(kaku.Label4.caption(), "120");
    EXPECT_TRUE(kaku.Label4.bold() && kaku.Label2.bold() && kaku.Label2.underline() &&
                kaku.isModal());
    kaku.Timer1.tick();
    kaku.Timer1.tick();
    EXPECT_EQ(kaku.Label2.caption(), "3");
    kaku.Button1.userClick();
  });
  page.Button3.userClick();
  EXPECT_EQ(started(), (Strings{folder.file("clk.bat"), folder.file("G200clk.exe") + " /1 220"}));
  EXPECT_FALSE(kaku.Timer1.timerEnabled());
  EXPECT_FALSE(kaku.visible() || kaku.isModal());
  EXPECT_EQ(stored("OverClock"), 120);
  EXPECT_EQ(page.Label92.caption(), "120MHz");
  EXPECT_TRUE(page.currentClockRead());
  EXPECT_TRUE(world.dialogs.boxes.empty());
  EXPECT_EQ(world.registry.integerValue(overclock_test::kCorvane, "ConfirmedClock"), 120);

  // A lower clock kept later leaves the highest one confirmed.
  page.UpDown1.userSetPosition(100);
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button1.userClick(); });
  page.Button3.userClick();
  EXPECT_EQ(stored("OverClock"), 100);
  EXPECT_EQ(world.registry.integerValue(overclock_test::kCorvane, "ConfirmedClock"), 120);
}

TEST_F(ClockPageTest, CancelRestoresTheDefaultClockWhileTheWindowIsOpen) {
  world.registry.setString(kSettings, "Mystclk", "C:\\Mystclk.com");
  startUp();
  page.UpDown1.userSetPosition(120);
  bool openDuringMessage = false;
  world.dialogs.whileOpen = [&](const auto&) {
    openDuringMessage = kaku.visible();
    kaku.userRequestClose();  // a key pressed meanwhile starts no second restore
  };
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button2.userClick(); });
  page.Button3.userClick();
  EXPECT_EQ(started(), (Strings{folder.file("clk.bat"), "C:\\Mystclk.com /1 12 108 0",
                                "C:\\Mystclk.com /1 19 124 0"}));
  EXPECT_EQ(boxTexts(), Strings{kRestored});
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Information);
  EXPECT_TRUE(openDuringMessage);
  EXPECT_FALSE(kaku.visible());
  EXPECT_EQ(page.UpDown1.position(), 89);
  EXPECT_EQ(stored("OverClock"), 89);
  EXPECT_EQ(page.Label92.caption(), "89MHz");
  EXPECT_EQ(world.registry.integerValue(overclock_test::kCorvane, "ConfirmedClock"), std::nullopt);
}

TEST_F(ClockPageTest, TheSixthTickRestoresAndEscRestoresOnce) {
  startUp();
  page.UpDown1.userSetPosition(100);
  Strings seconds;
  std::vector<int> bar;
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    EXPECT_EQ(kaku.Label2.caption(), "5");
    for (int tick = 1; tick <= 5; ++tick) {
      kaku.Timer1.tick();
      seconds.push_back(kaku.Label2.caption());
      bar.push_back(kaku.ProgressBar1.position());
    }
    EXPECT_EQ(world.launcher.starts.size(), 2u);  // not restored yet
    kaku.Timer1.tick();
  });
  page.Button3.userClick();
  EXPECT_EQ(seconds, (Strings{"4", "3", "2", "1", "0"}));
  EXPECT_EQ(bar, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(started().back(), folder.file("G200clk.exe") + " /1 189");
  EXPECT_FALSE(kaku.visible());
  EXPECT_FALSE(world.runtime.modalLeftOpen);

  // Shown again, everything starts over; a keyboard close is "キャンセル".
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    EXPECT_EQ(kaku.ProgressBar1.position(), 0);
    EXPECT_EQ(kaku.Label2.caption(), "5");
    kaku.userRequestClose();
    kaku.Timer1.tick();
  });
  page.Button3.userClick();
  EXPECT_EQ(started().size(), 5u);
  EXPECT_EQ(boxTexts(), Strings(2, kRestored));
  EXPECT_EQ(stored("OverClock"), 89);
}

TEST_F(ClockPageTest, AToolThatDoesNotSetTheClockOpensNoCountdownAndRecordsNothing) {
  using Status = platform::Launcher::ToolRun::Status;
  const std::string tool = folder.file("G200clk.exe");
  const struct {
    platform::Launcher::ToolRun run;
    std::string message;
  } kRows[] = {
      {{Status::NotStarted, 0, 2}, "クロックツール " + tool + " を起動できません。"},
      {{Status::Ended, 3, 0}, "クロックツール " + tool + " がエラー 3 で終了しました。"},
      {{Status::StillRunning, 0, 0},
       "クロックツール " + tool + " が10秒たっても終了しません。クロックがどうなったかわから"
       "ないので、ツールが終わってから「初期設定」でクロックを戻してください。"},
      {{Status::Busy, 0, 0},
       "別のクロックツールがまだ動いているため（このCorvaneか、もう一つのCorvaneが起動したもの）、"
       "クロックは変更していません。終わるのを待ってから、もう一度お試しください。"},
  };
  startUp();
  page.UpDown1.userSetPosition(120);
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.message);
    world.dialogs.boxes.clear();
    world.launcher.toolRuns = {row.run, row.run};
    page.Button3.userClick();
    page.Button4.userClick();
    // The error box's full stop comes after the message's own, as for every error.
    EXPECT_EQ(boxTexts(), Strings(2, "Matrox Corvane|" + row.message + "."));
    EXPECT_TRUE(world.runtime.modalRuns.empty());
    EXPECT_FALSE(stored("OverClock"));
    EXPECT_EQ(page.UpDown1.position(), 120);
    EXPECT_EQ(page.Label92.caption(), "89MHz");
  }
  EXPECT_FALSE(clock.confirmedClock());

  // The change runs, its restore does not: the window closes and the chip keeps the target.
  world.dialogs.boxes.clear();
  world.launcher.toolRuns = {{Status::Ended, 0, 0}, {Status::NotStarted, 0, 2}};
  world.runtime.modalScripts.push_back([&](ui::Form&) { kaku.Button2.userClick(); });
  page.Button3.userClick();
  EXPECT_FALSE(kaku.visible());
  EXPECT_EQ(boxTexts(), Strings{"Matrox Corvane|" + kRows[0].message + "."});
  EXPECT_EQ(stored("OverClock"), 120);
  // Not kept by the user: the command line may not take it up.
  EXPECT_FALSE(clock.confirmedClock());
}

TEST_F(ClockPageTest, ProfilesSetTheLimitsTheLabelsAndTheRestoreClock) {
  world.registry.setInteger(kSettings, "OverClockDEF89", 100);
  world.registry.setInteger(kSettings, "OverClockMAX89", 180);
  world.registry.setInteger(kSettings, "OverClockDEF66", 66);  // the other profile's
  startUp(16, "1600,1200");
  EXPECT_EQ(page.Label25.caption(), "100MHz");
  EXPECT_EQ(page.Label28.caption(), "180MHz");
  EXPECT_EQ(page.UpDown1.min(), 100);
  EXPECT_EQ(page.UpDown1.max(), 180);
  EXPECT_EQ(page.UpDown1.position(), 100);  // 89 was below the new range
  page.Button4.userClick();
  EXPECT_EQ(started().back(), folder.file("G200clk.exe") + " /1 200");
}

TEST_F(ClockPageTest, The89ProfileWithNothingStoredThenThe66ProfileWithOddLimits) {
  world.registry.setInteger(kSettings, "OverClockMAX89", 70000);  // does not fit: not stored
  startUp(32, "1024,768");
  EXPECT_EQ(page.Label28.caption(), "135MHz");
  EXPECT_EQ(page.Label32.caption(), "105-115MHz");
  EXPECT_EQ(page.UpDown1.max(), 135);

  world.registry.setInteger(kSettings, "OverClockDEF66", 200);
  world.registry.setInteger(kSettings, "OverClockMAX66", 135);
  machine.resolution.learn("1152,864");
  page.loadLastClockAndToolPath();
  page.ApplyClockProfile();
  EXPECT_EQ(page.Label32.caption(), "80-95MHz");
  EXPECT_EQ(page.Label25.caption(), "200MHz");
  EXPECT_EQ(page.Label28.caption(), "135MHz");
  EXPECT_EQ(page.UpDown1.min(), 135);  // the spin takes them in ascending order
  EXPECT_EQ(page.UpDown1.max(), 200);
  EXPECT_EQ(clock.defaultClock(), 200);
  EXPECT_EQ(page.UpDown1.position(), 135);
}

TEST_F(ClockPageTest, TheOptionsWindowShowsStoresAndAppliesItsValues) {
  world.registry.setInteger(kSettings, "OverClockMAX66", 150);
  world.registry.setInteger(kSettings, "OverClockMAX89", 160);
  startUp(8);
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    EXPECT_EQ(options.limits().default89, 89);
    EXPECT_EQ(options.limits().maximum89, 160);
    EXPECT_EQ(options.limits().maximum66, 150);
    EXPECT_EQ(options.limits().default66, 66);
    options.Edit4.userSetText("70");
    options.UpDown3.userSetPosition(180);
    world.registry.clearJournal();
    options.Button1.userClick();
  });
  page.Option.userClick();
  EXPECT_EQ(world.registry.journal(), (Strings{"set OverClockDEF89", "set OverClockMAX89",
                                               "set OverClockMAX66", "set OverClockDEF66"}));
  EXPECT_EQ(stored("OverClockDEF66"), 70);
  EXPECT_EQ(stored("OverClockMAX66"), 180);
  EXPECT_EQ(clock.defaultClock(), 70);
  EXPECT_EQ(page.Label28.caption(), "180MHz");
  EXPECT_EQ(page.Label32.caption(), "80-95MHz");
  EXPECT_FALSE(options.visible());

  // A refused write: the page has the values, those before it are stored, the window stays.
  world.registry.refuseWrites(kSettings, "OverClockMAX66");
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    options.UpDown4.userSetPosition(80);
    options.UpDown2.userSetPosition(200);
    options.Button1.userClick();
    EXPECT_TRUE(options.visible());
  });
  page.Option.userClick();
  EXPECT_EQ(clock.defaultClock(), 80);
  EXPECT_EQ(stored("OverClockMAX89"), 200);
  EXPECT_EQ(stored("OverClockDEF66"), 70);
  EXPECT_EQ(boxTexts(), Strings{"Matrox Corvane|'OverClockMAX66' の設定に失敗しました."});
}

TEST_F(ClockPageTest, WithoutAProfileTheOptionsAreStoredButThePageStays) {
  startUp(15);
  world.runtime.modalScripts.push_back([&](ui::Form&) { options.Button1.userClick(); });
  page.Option.userClick();
  EXPECT_EQ(stored("OverClockMAX66"), 110);
  EXPECT_EQ(page.Label25.caption(), "89MHz");
  EXPECT_EQ(page.Label28.caption(), "135MHｚ");
  EXPECT_EQ(page.UpDown1.max(), 135);
}

TEST_F(ClockPageTest, TheOptionsWindowShowsWhatIsStoredEachTimeItOpens) {
  startUp(16);
  // Changed, then closed with Esc: nothing stored, and the next opening shows what is.
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    options.UpDown1.userSetPosition(120);
    options.UpDown3.userSetPosition(150);
    options.userPressEscape();
    options.userRequestClose();
  });
  page.Option.userClick();
  EXPECT_FALSE(stored("OverClockDEF89"));
  int shownDefault = 0, shownMaximum66 = 0;
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    shownDefault = options.UpDown1.position();
    shownMaximum66 = options.UpDown3.position();
    options.userRequestClose();
  });
  page.Option.userClick();
  EXPECT_EQ(shownDefault, 89);
  EXPECT_EQ(shownMaximum66, 110);
  EXPECT_EQ(clock.defaultClock(), 89);
  EXPECT_EQ(page.Label25.caption(), "89MHz");
}

TEST_F(ClockPageTest, TheCountdownNamesTheDefaultClockItGoesBackTo) {
  world.registry.setInteger(kSettings, "OverClockDEF89", 95);
  startUp(16);
  std::string note;
  world.runtime.modalScripts.push_back([&](ui::Form&) {
    note = kaku.Label6.caption();
    kaku.Button1.userClick();
  });
  page.UpDown1.userSetPosition(120);
  page.Button3.userClick();
  EXPECT_EQ(note, "5秒でクロックを95MHzに戻します。");
}
