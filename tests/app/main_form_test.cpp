// The main window's start-up: what the creation step detects and loads, and the refusal on other
// systems; the show step and after in main_form_show_test.cpp.
#include "main_form_fixture.h"
#include "stored/clock_settings.h"

using namespace testing_app;

TEST_F(MainFormFixture, DetectionFillsTheLabelsFromTheRegistry) {
  world.registry.setString(kDisplay + "0000", "DriverDesc", "Standard VGA");
  world.registry.setString(kDisplay + "0002", "DriverDesc", "Matrox Millennium G200 AGP");
  world.registry.setString("HKCC\\Display\\Settings", "BitsPerPixel", "16");
  world.registry.setString("HKCC\\Display\\Settings", "Resolution", "800,600");
  world.registry.setString(
      "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MGA PowerDesk",
      "DisplayName", "Matrox PowerDesk Ver4.51");
  world.registry.setString(kDriverKey, "OrgMonName", "NANAO FlexScan");
  world.registry.setString(kDriverKey, "Flip On Vblank", "1");
  world.registry.setString(kDriverKey, "Win98Virtual", "1");
  world.registry.setInteger(kDriverKey, "OverClock", 120);
  stored::ConfirmedClock(world.registry).recordKept(120, "G200clk.exe", "Matrox G400");
  create();
  EXPECT_TRUE(world.dialogs.boxes.empty()) << boxTexts().front();
  EXPECT_FALSE(world.registry.valueExists("HKLM\\Software\\Corvane", "ConfirmedClock"))
      << "a clock kept on another board";
  EXPECT_EQ(form.general.Label22.caption(), "Windows95/98");
  EXPECT_FALSE(form.general.Label22.visible()) << "the platform is the program's, not shown";
  EXPECT_EQ(form.general.Label12.caption(), "Matrox Millennium G200 AGP");
  EXPECT_TRUE(form.general.Label12.bold() && form.general.Label38.bold());
  EXPECT_EQ(form.clock.Label10.caption(), "16Bit");
  EXPECT_EQ(form.machine().bitsPerPixel.value, "16");
  EXPECT_EQ(form.clock.Label34.caption(), "800,600");
  EXPECT_EQ(form.general.Label31.caption(), "Matrox PowerDesk Ver4.51");
  EXPECT_EQ(form.general.Label29.caption(), "NANAO FlexScan");
  EXPECT_TRUE(form.registry.box("vsync").checked());
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Win98Virtual"));
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "AGPFlags"));
  EXPECT_EQ(form.clockService.toolPath(), folder.path() + "\\G200clk.exe");
  EXPECT_EQ(form.clock.Edit2.text(), folder.path() + "\\G200clk.exe");
  EXPECT_FALSE(form.clock.Button7.enabled());
  ASSERT_EQ(world.launcher.starts.size(), 1u);
  EXPECT_EQ(world.launcher.starts[0].commandLine, folder.path() + "\\clk.bat");
  EXPECT_EQ(world.launcher.starts[0].show, platform::ShowMode::Normal);
}

TEST_F(MainFormFixture, MissingValuesShowUnknownAndAMissingAdapterKeyIsMadeEmpty) {
  create();
  EXPECT_TRUE(world.registry.keyExists(kDisplay + "0000"));
  EXPECT_EQ(form.general.Label12.caption(), "");
  EXPECT_EQ(form.clock.Label10.caption(), "Unknown");
  EXPECT_TRUE(form.machine().bitsPerPixel.known && !form.machine().bitsPerPixel.value);
  EXPECT_EQ(form.clock.Label34.caption(), "Unknown");
  EXPECT_EQ(form.general.Label31.caption(), "Unknown");
  EXPECT_EQ(form.general.Label29.caption(), "Unknown");
  EXPECT_TRUE(world.registry.keyExists("HKCC\\Display\\Settings"));
}

// What the message says after the file error: what the ini is for and what to do.
const char* const kIniAdvice =
    "。\nMystclk.ini はクロックツール Mystclk.com の設定ファイルで、チップセットの選択が入っています。";

TEST_F(MainFormFixture, WithoutTheIniOfMystclkOnlyTheMessageAndThePlatformCheckRunAndNothingPassesForDetected) {
  doubles::TempFolder empty;
  world.programFolder = empty.path();
  platform::Services bare = world.services();
  TForm1 other(world.runtime, bare);
  world.registry.setString(kDriverKey, "Circles", "1");
  world.registry.setString(kDriverKey, "Mystclk", "C:\\Tools\\Mystclk.com");
  other.FormCreate();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].caption, "Matrox Corvane");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_EQ(world.dialogs.boxes[0].text.rfind("ファイル " + empty.path() +
                                                  "\\Mystclk.ini は開けません" + kIniAdvice, 0), 0u)
      << world.dialogs.boxes[0].text;
  EXPECT_NE(world.dialogs.boxes[0].text.find("G200clk.exe を使うときは、このファイルは要りません"),
            std::string::npos);
  EXPECT_EQ(other.general.Label22.caption(), "Windows95/98");
  // Not read, so not known: no sample value of the layout passes for this machine's.
  for (const ui::Label* value : {&other.general.Label12, &other.general.Label31,
                                 &other.general.Label29, &other.clock.Label10, &other.clock.Label34})
    EXPECT_EQ(value->caption(), "不明") << value->name();
  EXPECT_FALSE(other.machine().adapter.known || other.machine().bitsPerPixel.known);
  EXPECT_FALSE(other.registry.box("Circles").checked());
  EXPECT_FALSE(other.registry.box("Circles").enabled()) << "an unticked box would claim off";
  EXPECT_FALSE(other.registry.AGPSpeed.enabled());
  EXPECT_FALSE(other.registry.tasktrey.enabled());
  EXPECT_EQ(other.registry.AGPSpeed.itemIndex(), -1);
  EXPECT_TRUE(world.launcher.starts.empty());
}

TEST_F(MainFormFixture, AToolPathThatCannotBeReadCountsAsMystclkAndItsIniIsAskedFor) {
  doubles::TempFolder empty;
  world.programFolder = empty.path();
  platform::Services bare = world.services();
  TForm1 other(world.runtime, bare);
  world.registry.setInteger(kDriverKey, "Mystclk", 7);  // not a path: it cannot be read
  other.FormCreate();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_NE(world.dialogs.boxes[0].text.find(kIniAdvice), std::string::npos)
      << world.dialogs.boxes[0].text;
  EXPECT_EQ(other.general.Label12.caption(), "不明");
}

TEST_F(MainFormFixture, G200clkNeedsNoIniAndTheStartUpGoesOnWithoutOne) {
  doubles::TempFolder empty;
  world.programFolder = empty.path();
  platform::Services bare = world.services();
  TForm1 other(world.runtime, bare);
  world.registry.setString(kDriverKey, "Circles", "1");
  other.FormCreate();
  EXPECT_TRUE(world.dialogs.boxes.empty()) << boxTexts().front();
  EXPECT_TRUE(other.registry.box("Circles").checked());
  EXPECT_TRUE(other.registry.box("Circles").enabled());
  EXPECT_EQ(world.launcher.starts.size(), 1u) << "clk.bat";
}

TEST_F(MainFormFixture, AnIniTooLargeIsRefusedLikeAMissingOne) {
  folder.write("Mystclk.ini", "PCIBIOS=1\r\n" + std::string(200 * 1024, ';'));
  world.registry.setString(kDriverKey, "Circles", "1");
  world.registry.setString(kDriverKey, "Mystclk", folder.path() + "\\Mystclk.com");
  create();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text.rfind("ファイル " + folder.path() +
                                                  "\\Mystclk.ini は大きすぎます（64KBまで）" + kIniAdvice, 0), 0u)
      << world.dialogs.boxes[0].text;
  EXPECT_FALSE(form.registry.box("Circles").checked());
  EXPECT_FALSE(form.registry.box("Circles").enabled());
  EXPECT_TRUE(world.launcher.starts.empty());
}

TEST_F(MainFormFixture, OtherSystemsAreRefusedAndNothingChanges) {
  world.os.info = platform::OsVersionInfo{platform::OsPlatform::WindowsNT, 5, 1};
  world.registry.setString(kDriverKey, "Win98Virtual", "1");
  const std::string before = world.registry.dump();
  create();
  form.show();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].caption, "Matrox Corvane");
  EXPECT_EQ(world.dialogs.boxes[0].text, "Windows95/98専用のプログラムです。");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_EQ(form.general.Label22.caption(), "WindowsNT");
  EXPECT_TRUE(world.runtime.terminated);
  EXPECT_EQ(world.runtime.exitCode, 1);
  EXPECT_TRUE(form.refused());
  EXPECT_EQ(world.registry.dump(), before);
  EXPECT_TRUE(world.launcher.starts.empty());
}

TEST_F(MainFormFixture, ASystemThatDoesNotSayWhatItIsIsRefusedToo) {
  world.os.info = std::nullopt;
  create();
  form.show();
  EXPECT_EQ(form.general.Label22.caption(), "Label22");
  EXPECT_TRUE(form.refused());
  EXPECT_EQ(world.runtime.exitCode, 1);
}

TEST_F(MainFormFixture, AValueOfTheWrongTypeEndsTheCreationStepThere) {
  world.registry.setInteger(kDisplay + "0001", "DriverDesc", 7);
  world.registry.setString(kDriverKey, "Circles", "1");
  create();
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"'DriverDesc' のデータ型が不正です."});
  EXPECT_FALSE(form.registry.box("Circles").checked());
  EXPECT_TRUE(world.launcher.starts.empty()) << "clk.bat comes after the adapter";
}

TEST_F(MainFormFixture, ColourDepthThatIsNoNumberStopsBeforeTheResolution) {
  world.registry.setString("HKCC\\Display\\Settings", "BitsPerPixel", "High");
  world.registry.setString("HKCC\\Display\\Settings", "Resolution", "800,600");
  create();
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"'High' は数値ではありません."});
  EXPECT_EQ(form.clock.Label34.caption(), "1024x768");
  EXPECT_EQ(form.general.Label31.caption(), "Powerdesk Ver4.50");
}

TEST_F(MainFormFixture, ARefusedDeletionOfTheOldVirtualDesktopValueIsSaidAndStartUpGoesOn) {
  world.registry.setString(kDriverKey, "Win98Virtual", "1");
  world.registry.setString(kDriverKey, "Circles", "1");
  world.registry.refuseWrites(kDriverKey, "Win98Virtual");
  create();
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"'Win98Virtual' の削除に失敗しました."});
  EXPECT_TRUE(form.registry.box("Circles").checked());
  EXPECT_EQ(form.general.Label29.caption(), "Unknown") << "the start-up stopped early";
}
