#include <set>

#include "page_fixture.h"
#include "settings/driver_options.h"

using testing_settings::kDriverKey;
using testing_settings::PageFixture;

TEST_F(PageFixture, EveryOptionHasItsBoxInItsGroupAndLoadReadsItOnlyWhenExactlyOne) {
  ASSERT_EQ(settings::kDriverOptions.size(), 34u);
  // The load order names every option once, and nothing else.
  std::set<stored::DriverValue> loaded(settings::kLoadOrderBeforeAgp.begin(),
                                       settings::kLoadOrderBeforeAgp.end());
  loaded.insert(settings::kLoadOrderAfterAgp.begin(), settings::kLoadOrderAfterAgp.end());
  EXPECT_EQ(loaded.size(), 34u);
  for (const auto& option : settings::kDriverOptions) {
    const std::string name = stored::valueName(option.value);
    EXPECT_TRUE(loaded.count(option.value)) << name;
    world.registry.setString(kDriverKey, name, "1");
  }
  world.registry.setString(kDriverKey, "Circles", "1 ");
  world.registry.setString(kDriverKey, "Ellipses", "01");
  world.registry.setString(kDriverKey, "Use MMX", "");
  const std::string before = world.registry.dump();
  load();
  for (const auto& option : settings::kDriverOptions) {
    const std::string name = stored::valueName(option.value);
    const bool expected = name != "Circles" && name != "Ellipses" && name != "Use MMX";
    EXPECT_EQ(page.box(option.control).checked(), expected) << name;
  }
  EXPECT_EQ(world.registry.dump(), before) << "loading wrote to the registry";
  // Top to bottom for the keyboard too: the QuickDesk box and the AGP choice come last.
  EXPECT_EQ(page.General.children().front()->name(), "AnalogJoy");
  EXPECT_EQ(page.General.children().back(), &page.tasktrey);
  EXPECT_FALSE(page.tasktrey.showHint() || page.tasktrey.hint().empty()) << "on the status line";
  EXPECT_EQ(page.System.children().back(), &page.AGPSpeed);
}

TEST_F(PageFixture, AgpChoiceShowsWhatIsStoredAndMissingMeansOneX) {
  const std::pair<const char*, int> cases[] = {{"1", 2}, {"-1", 1}, {"0", 0}, {"2", 0}};
  for (const auto& [text, item] : cases) {
    world.registry.setString(kDriverKey, "AGPFlags", text);
    load();
    EXPECT_EQ(page.AGPSpeed.itemIndex(), item) << text;
  }
}

TEST_F(PageFixture, NothingStoredMeansEveryBoxOffAndNoValueCreated) {
  page.box("vsync").setChecked(true);
  load();
  for (const auto& option : settings::kDriverOptions)
    EXPECT_FALSE(page.box(option.control).checked());
  EXPECT_EQ(page.AGPSpeed.itemIndex(), 0);
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "AGPFlags"));
  EXPECT_TRUE(world.registry.journal().empty());
}

TEST_F(PageFixture, AValueStoredAsANumberStopsTheLoadThereWithTheStoresError) {
  world.registry.setString(kDriverKey, "Analog Joystick", "1");
  world.registry.setInteger(kDriverKey, "Circles", 1);
  world.registry.setString(kDriverKey, "Rectangles", "1");
  world.runtime.dispatch([this] { load(); });
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "'Circles' のデータ型が不正です.");
  EXPECT_EQ(world.dialogs.boxes[0].caption, "Matrox Corvane");
  EXPECT_TRUE(page.box("AnalogJoy").checked());
  EXPECT_FALSE(page.box("rect").checked()) << "boxes after the bad value stay off";
}

TEST_F(PageFixture, EachBoxWritesExactlyItsOwnValueNeverInverted) {
  for (const auto& option : settings::kDriverOptions) {
    const std::string name = stored::valueName(option.value);
    world.registry.clearJournal();
    page.box(option.control).userClick();
    EXPECT_EQ(world.registry.journal(), std::vector<std::string>{"set " + name});
    EXPECT_EQ(stored(name), "1") << name;
    page.box(option.control).userClick();
    EXPECT_EQ(stored(name), "0") << name;
  }
  EXPECT_FALSE(world.registry.valueExists(kDriverKey, "Win98Virtual"));
  EXPECT_TRUE(world.registry.valueExists(kDriverKey, "Win98 Virtual"));
}

TEST_F(PageFixture, PickingAnAgpSpeedWritesItsEncoding) {
  page.AGPSpeed.userSelect(1);
  EXPECT_EQ(stored("AGPFlags"), "-1");
  page.AGPSpeed.userSelect(2);
  EXPECT_EQ(stored("AGPFlags"), "1");
  page.AGPSpeed.userSelect(0);
  EXPECT_EQ(stored("AGPFlags"), "0");
}

TEST_F(PageFixture, ARefusedWriteShowsTheErrorAndTheBoxKeepsTheUsersState) {
  world.registry.refuseWrites(kDriverKey, "TVOutput");
  page.box("TVout").userClick();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "'TVOutput' の設定に失敗しました.");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_TRUE(page.box("TVout").checked());
}

TEST_F(PageFixture, DisabledBoxStillShowsItsStoredState) {
  world.registry.setString(kDriverKey, "Use Write Combining", "1");
  page.box("comwrite").setEnabled(false);
  load();
  EXPECT_TRUE(page.box("comwrite").checked());
}

namespace {
const std::string kRunKey = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kPowerDesk = "HKLM\\Software\\Matrox\\PowerDesk";
}  // namespace

TEST_F(PageFixture, QuickDeskEntryJoinsThePowerDeskFolderWithOneBackslash) {
  world.registry.setString(kPowerDesk, "PDeskPath", "C:\\MATROX\\PDESK\\");
  page.tasktrey.userClick();
  EXPECT_EQ(world.registry.stringValue(kRunKey, "Matrox QuickDesk"),
            "C:\\MATROX\\PDESK\\QDesk\\mgaqdesk.exe");
  EXPECT_EQ(page.Label26.caption(), "C:\\MATROX\\PDESK\\");
  world.registry.setString(kPowerDesk, "PDeskPath", "C:\\MATROX\\PDESK");
  page.tasktrey.userClick();  // off: the entry goes
  EXPECT_FALSE(world.registry.valueExists(kRunKey, "Matrox QuickDesk"));
  page.tasktrey.userClick();
  EXPECT_EQ(world.registry.stringValue(kRunKey, "Matrox QuickDesk"),
            "C:\\MATROX\\PDESK\\QDesk\\mgaqdesk.exe");
}

TEST_F(PageFixture, QuickDeskEntryIsQuotedWhenThePathHasABlank) {
  world.registry.setString(kPowerDesk, "PDeskPath", "C:\\Program Files\\Matrox\\");
  page.tasktrey.userClick();
  EXPECT_EQ(world.registry.stringValue(kRunKey, "Matrox QuickDesk"),
            "\"C:\\Program Files\\Matrox\\QDesk\\mgaqdesk.exe\"");
}

TEST_F(PageFixture, QuickDeskWithoutPowerDeskFolderWritesNothingAndSaysSo) {
  page.tasktrey.userClick();
  EXPECT_FALSE(page.tasktrey.checked());
  EXPECT_FALSE(world.registry.valueExists(kRunKey, "Matrox QuickDesk"));
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "PowerDeskのフォルダが見つかりません。.");
}

TEST_F(PageFixture, ClearingQuickDeskWhenNoEntryExistsIsNoError) {
  page.tasktrey.setChecked(true);
  page.tasktrey.userClick();
  EXPECT_TRUE(world.dialogs.boxes.empty());
}

TEST_F(PageFixture, ARefusedQuickDeskDeletionIsSaidAndTheBoxShowsTheEntryAgain) {
  world.registry.setString(kRunKey, "Matrox QuickDesk", "C:\\PD\\QDesk\\mgaqdesk.exe");
  world.registry.refuseWrites(kRunKey, "Matrox QuickDesk");
  page.tasktrey.setChecked(true);
  page.tasktrey.userClick();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "'Matrox QuickDesk' の削除に失敗しました.");
  EXPECT_EQ(world.dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_TRUE(page.tasktrey.checked()) << "the entry is still there";
  EXPECT_TRUE(world.registry.valueExists(kRunKey, "Matrox QuickDesk"));
}

TEST_F(PageFixture, PowerDeskFolderOfTheWrongTypeStopsBeforeAnythingIsWritten) {
  world.registry.setInteger(kPowerDesk, "PDeskPath", 3);
  page.tasktrey.userClick();
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].text, "'PDeskPath' のデータ型が不正です.");
  EXPECT_FALSE(world.registry.keyExists(kRunKey));
}

TEST_F(PageFixture, HoveringABoxShowsItsHintInTheStatusLine) {
  form.setHintBar(&page.StatusBar1);
  EXPECT_EQ(page.StatusBar1.panels().at(0).text, "※設定を変更後は再起動してください。");
  EXPECT_EQ(page.StatusBar1.panels().at(0).width, 300);
  page.box("vsync").userHover();
  EXPECT_EQ(page.StatusBar1.panels().at(0).text,
            "この設定をoffにするとDirectDrawが高速化します。");
  sheet.userHover();
  EXPECT_EQ(page.StatusBar1.panels().at(0).text, "※設定を変更後は再起動してください。");
}
