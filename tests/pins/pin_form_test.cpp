#include "wizard_fixture.h"

TEST_F(WizardTest, ViewerLayout) {
  EXPECT_EQ(viewer.caption(), "PINファイル");
  EXPECT_EQ(std::make_pair(viewer.clientWidth(), viewer.clientHeight()), std::make_pair(487, 522));
  std::vector<int> boxes;
  for (ui::Control* c : std::initializer_list<ui::Control*>{&viewer.Memo1, &viewer.Button2, &viewer.Button1})
    boxes.insert(boxes.end(), {c->bounds().left, c->bounds().top, c->bounds().width, c->bounds().height});
  EXPECT_EQ(boxes, std::vector<int>({0, 0, 487, 522, 312, 488, 67, 25, 384, 488, 75, 25}));
  EXPECT_TRUE(!viewer.Memo1.border() && viewer.Memo1.verticalScrollBar() && viewer.Memo1.wordWrap());
  EXPECT_EQ(viewer.Button2.caption() + viewer.Button1.caption(), "変更する閉じる(&C)");
}

TEST_F(WizardTest, ApplySplitsAtHardLineBreaksOnly) {
  toCreatePage();
  wizard.Button7.userClick();
  wizard.ShowPIN.userClick();
  const std::string longLine(600, 'x');  // wrapped on screen, one line of the text
  viewer.Memo1.userSetText("a\r\nb\rc\n" + longLine + "\r\n\r\nlast");
  viewer.Button2.userClick();
  EXPECT_EQ(wizard.pinBuffer(), (std::vector<std::string>{"a", "b", "c", longLine, "", "last"}));
  EXPECT_TRUE(viewer.visible());
  wizard.ShowPIN.userClick();  // already open: brought to the front, not reloaded
  EXPECT_EQ(world.runtime.shown.back(), "PINForm");
  EXPECT_EQ(viewer.Memo1.lines().size(), 6u);
}

TEST_F(WizardTest, ViewerWorksBesideTheModalWizardAndAfterIt) {
  world.runtime.modalScripts.push_back([this](ui::Form&) {
    next();
    wizard.Button6.userClick();
    wizard.Button7.userClick();
    wizard.ShowPIN.userClick();
    viewer.Memo1.userSetText("  0: PIN\r\n");
    viewer.Button2.userClick();
    wizard.Button3.userClick();
  });
  wizard.showModal();
  EXPECT_FALSE(world.runtime.modalLeftOpen);
  EXPECT_EQ(wizard.pinBuffer(), (std::vector<std::string>{"  0: PIN"}));
  ASSERT_TRUE(viewer.visible());
  viewer.Memo1.userSetText("after");
  viewer.Button2.userClick();
  EXPECT_EQ(wizard.pinBuffer(), (std::vector<std::string>{"after"}));
}
