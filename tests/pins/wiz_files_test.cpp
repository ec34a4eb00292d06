#include "platform/text.h"
#include "wizard_fixture.h"

class WizardFilesTest : public WizardTest {
 protected:
  doubles::TempFolder folder;
  void saveAs(const std::optional<std::string>& answer, ui::Button* button = nullptr) {
    world.dialogs.fileAnswers.push_back(answer);
    (button ? *button : wizard.PINSaveButton).userClick();
  }
  void extract() {
    wizard.show();
    next();
    wizard.Button4.userClick();
  }
};

TEST_F(WizardFilesTest, SavingAddsTxtOffersTheLastNameAndReplacesWithoutAsking) {
  toCreatePage();
  wizard.Button7.userClick();
  saveAs(std::nullopt);
  const auto& dialog = world.dialogs.fileDialogs.at(0);
  EXPECT_EQ(dialog.title, "作成したPINを保存");
  EXPECT_EQ(dialog.fileName, "");
  EXPECT_EQ(dialog.filters.at(0).description + "|" + dialog.filters.at(0).pattern,
            "PINファイル(*.txt)|*.txt");
  EXPECT_EQ(dialog.defaultExtension, "txt");
  EXPECT_FALSE(dialog.overwritePrompt);
  folder.write("board.txt", "an older text\r\n");
  saveAs(folder.file("board"));
  EXPECT_EQ(folder.read("board.txt"), goldenBytes("start-values.txt"));
  EXPECT_FALSE(folder.exists("board"));
  saveAs(folder.file("board.pin"));  // a name with an extension keeps it
  EXPECT_TRUE(folder.exists("board.pin"));
  wizard.CheckBox2.userClick();
  next();
  wizard.Button10.userClick();
  saveAs(std::nullopt, &wizard.Button8);
  EXPECT_EQ(world.dialogs.fileDialogs.back().fileName, folder.file("board.pin"));
  world.folders.makeFolder(folder.file("v1.2"));
  saveAs(folder.file("v1.2\\board"));  // a folder's dot is no extension
  EXPECT_TRUE(folder.exists("v1.2\\board.txt"));
  EXPECT_TRUE(world.dialogs.boxes.empty());
}

TEST_F(WizardFilesTest, AFileThatCannotBeMadeIsReportedAndNothingElseChanges) {
  toCreatePage();
  wizard.Button7.userClick();
  const std::string target = folder.file("missing") + "\\board.txt";
  saveAs(target);
  ASSERT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(world.dialogs.boxes[0].caption, "Matrox Corvane");
  EXPECT_EQ(world.dialogs.boxes[0].text, "ファイル " + target + " を作成できません.");
  EXPECT_EQ(wizard.pinBuffer(), goldenLines("start-values.txt"));
  EXPECT_EQ(nav().state, 6);
}

TEST_F(WizardFilesTest, ExtractionRunsTheUtilityAndLoadsItsDumpAfterTheMessage) {
  toolPath = folder.file("G200clk.exe");
  // The utility finishes while the user reads the message.
  world.dialogs.whileOpen = [&](const auto&) { folder.write("mypins.new", "  0: PIN\r\n  7: KJ1\r\n"); };
  extract();
  const auto& start = world.launcher.starts.at(0);
  EXPECT_EQ(start.commandLine,
            platform::quoteIfBlank(folder.file("PROGBIOS.EXE")) + " -d > mypins.new");
  EXPECT_TRUE(start.throughShell);
  EXPECT_EQ(start.workingFolder, folder.path());
  EXPECT_EQ(start.show, platform::ShowMode::Hidden);
  const auto& box = world.dialogs.boxes.at(0);
  EXPECT_EQ(box.caption + box.text, "情報mypins.txtを作成しました。");
  EXPECT_EQ(box.icon, platform::MessageIcon::Information);
  EXPECT_EQ(wizard.extractionBuffer(), (std::vector<std::string>{"  0: PIN", "  7: KJ1"}));
  EXPECT_EQ(wizard.DAC8.caption(), "DAC8");  // the page keeps its placeholders
  EXPECT_EQ(folder.read("mypins.txt"), "  0: PIN\r\n  7: KJ1\r\n");
  EXPECT_FALSE(folder.exists("mypins.new"));
}

TEST_F(WizardFilesTest, EachExtractionReadsTheToolBoxAnewAndAMissingDumpIsReported) {
  toolPath = folder.file("G200clk.exe");
  folder.write("mypins.txt", "left from an earlier run\r\n");
  folder.write("mypins.new", "an interrupted run's\r\n");  // never passes for this run's
  extract();
  EXPECT_EQ(wizard.extractionBuffer(), (std::vector<std::string>{"left from an earlier run"}));
  for (const auto& [tool, command, dump] :
       {std::tuple{"E:\\TOOLS\\G200clk.exe", "E:\\TOOLS\\PROGBIOS.EXE -d > mypins.new",
                   "E:\\TOOLS\\mypins.txt"},
        std::tuple{"E:\\G200clk.exe", "E:\\\\PROGBIOS.EXE -d > mypins.new", "E:\\\\mypins.txt"},
        std::tuple{"C:\\Program Files\\G200clk.exe",
                   "\"C:\\Program Files\\PROGBIOS.EXE\" -d > mypins.new",
                   "C:\\Program Files\\mypins.txt"},
        std::tuple{"G200clk.exe", "\\PROGBIOS.EXE -d > mypins.new", "\\mypins.txt"}}) {
    toolPath = tool;
    world.dialogs.boxes.clear();
    back();
    wizard.Button4.userClick();
    EXPECT_EQ(world.launcher.starts.back().commandLine, command);
    ASSERT_EQ(world.dialogs.boxes.size(), 2u);
    EXPECT_EQ(world.dialogs.boxes[1].text, std::string("ファイル ") + dump + " は開けません.");
    EXPECT_TRUE(wizard.extractionBuffer().empty());
    EXPECT_EQ(nav(), (Nav{3, "Panel3", true, true, "キャンセル"}));
  }
  EXPECT_EQ(world.launcher.starts.back().workingFolder, "\\");
}

TEST_F(WizardFilesTest, ADumpFarTooLargeIsRefusedAndNoEarlierDumpStays) {
  toolPath = folder.file("G200clk.exe");
  folder.write("mypins.txt", "  0: PIN\r\n");
  extract();
  ASSERT_EQ(wizard.extractionBuffer().size(), 1u);
  folder.write("mypins.txt", std::string(65 * 1024, '\n'));
  world.dialogs.boxes.clear();
  back();
  wizard.Button4.userClick();
  ASSERT_EQ(world.dialogs.boxes.size(), 2u);
  EXPECT_EQ(world.dialogs.boxes[1].text,
            "ファイル " + folder.file("mypins.txt") + " は大きすぎます（64KBまで）.");
  EXPECT_TRUE(wizard.extractionBuffer().empty());
}

TEST_F(WizardFilesTest, ViewerEditsReachTheSavedFileOnlyWhenApplied) {
  toCreatePage();
  wizard.Button7.userClick();
  wizard.ShowPIN.userClick();
  EXPECT_EQ(viewer.Memo1.lines(), wizard.pinBuffer());
  viewer.Memo1.userSetText("  7: 手入力\r\n  8: 209d\r\n");
  viewer.Button2.userClick();
  saveAs(folder.file("edited.txt"));
  EXPECT_EQ(folder.read("edited.txt"), "  7: 手入力\r\n  8: 209d\r\n");
  viewer.Memo1.userSetText("lost edit");
  viewer.Button1.userClick();  // closed without applying: the next showing reloads
  wizard.ShowPIN.userClick();
  EXPECT_EQ(viewer.Memo1.text(), "  7: 手入力\r\n  8: 209d");
  viewer.Memo1.userSetText("unapplied");
  wizard.Button7.userClick();  // replaces the open viewer's text at once
  EXPECT_EQ(viewer.Memo1.lines(), goldenLines("start-values.txt"));
  saveAs(folder.file("generated.txt"));
  EXPECT_EQ(folder.read("generated.txt"), goldenBytes("start-values.txt"));
}
