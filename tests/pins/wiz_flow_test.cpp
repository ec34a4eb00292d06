#include <functional>
#include <set>

#include "wizard_fixture.h"

namespace {
const std::string kCancel = "キャンセル", kFinish = "終了";
}

TEST_F(WizardTest, WindowPagesAndStartState) {
  EXPECT_EQ(wizard.caption(), "PINファイルらくらくウィザード");
  EXPECT_EQ(std::make_pair(wizard.clientWidth(), wizard.clientHeight()), std::make_pair(505, 277));
  for (ui::Panel* p : {&wizard.Panel1, &wizard.Panel4, &wizard.Panel6})
    EXPECT_EQ(std::make_pair(p->bounds().width, p->bounds().height), std::make_pair(505, 241));
  int x = 264;
  for (ui::Button* b : {&wizard.Button1, &wizard.Button2, &wizard.Button3}) {
    const auto& r = b->bounds();
    EXPECT_EQ(std::vector<int>({r.left, r.top, r.width, r.height}), std::vector<int>({x, 248, 75, 25}));
    x += 80;
  }
  EXPECT_TRUE(wizard.WhatIsPinLabel.bold() && !wizard.ExplanationLines.front()->bold());
  EXPECT_EQ(wizard.ExplanationLines.size(), 11u);
  EXPECT_EQ(wizard.ExplanationLines.back()->caption(), "さぁ「次へ>>」をクリック!!");
  EXPECT_EQ(wizard.Page6Heading.caption(), "3：作成");
  EXPECT_EQ(wizard.ComboBox1.items().size(), 19u);  // the SGRAM board's codes
  EXPECT_EQ(spins(), (std::vector<int>{250, 250, 250, 203, 152, 89, 66}));
  EXPECT_EQ(std::make_pair(wizard.UpDown8.min(), wizard.UpDown8.max()), std::make_pair(66, 120));
  EXPECT_FALSE(wizard.UpDown2.enabled());
  for (ui::Button* b : {&wizard.PINSaveButton, &wizard.ShowPIN, &wizard.Button8, &wizard.Button9})
    EXPECT_FALSE(b->enabled()) << b->name();
}

TEST_F(WizardTest, EveryTransitionOfThePageTable) {
  wizard.show();
  EXPECT_EQ(nav(), (Nav{1, "Panel1", false, true, kCancel}));
  wizard.Button1Click();  // Back is disabled here, and its handler does nothing either
  EXPECT_EQ(nav(), (Nav{1, "Panel1", false, true, kCancel}));
  next();
  EXPECT_EQ(nav(), (Nav{2, "Panel2", true, false, kCancel}));
  wizard.Button2Click();  // page 2 goes on only through its own buttons
  EXPECT_EQ(nav(), (Nav{2, "Panel2", true, false, kCancel}));
  back();
  EXPECT_EQ(nav(), (Nav{1, "Panel1", false, true, kCancel}));
  next();
  wizard.Button5.userClick();
  EXPECT_EQ(nav(), (Nav{5, "Panel5", true, false, kFinish}));
  wizard.Button2Click();
  EXPECT_EQ(nav(), (Nav{5, "Panel5", true, false, kFinish}));
  back();
  EXPECT_EQ(nav(), (Nav{2, "Panel2", true, false, kCancel}));
  wizard.Button4.userClick();
  EXPECT_EQ(nav(), (Nav{3, "Panel3", true, true, kCancel}));
  next();  // leads nowhere
  EXPECT_EQ(nav(), (Nav{3, "Panel3", true, true, kCancel}));
  back();
  EXPECT_EQ(nav(), (Nav{2, "Panel2", true, false, kCancel}));
  wizard.Button6.userClick();
  EXPECT_EQ(nav(), (Nav{6, "Panel6", true, false, kCancel}));
  back();
  EXPECT_EQ(nav(), (Nav{2, "Panel2", true, false, kCancel}));
  wizard.Button6.userClick();
  wizard.Button7.userClick();
  EXPECT_EQ(nav(), (Nav{6, "Panel6", true, true, kCancel}));
  next();
  EXPECT_EQ(nav(), (Nav{7, "Panel5", true, false, kFinish}));
  wizard.Button2Click();
  EXPECT_EQ(nav(), (Nav{7, "Panel5", true, false, kFinish}));
  back();
  EXPECT_EQ(nav(), (Nav{6, "Panel6", true, true, kCancel}));
  wizard.CheckBox2.userClick();
  next();
  EXPECT_EQ(nav(), (Nav{8, "Panel4", true, false, kCancel}));
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &wizard.CustomGroup, &wizard.Clock824Label, &wizard.Edit15, &wizard.UpDown8})
    EXPECT_TRUE(c->enabled()) << c->name();
  wizard.Button10.userClick();
  EXPECT_EQ(nav(), (Nav{8, "Panel4", true, true, kCancel}));
  next();  // leads nowhere
  EXPECT_EQ(nav(), (Nav{8, "Panel4", true, true, kCancel}));
  back();
  EXPECT_EQ(nav(), (Nav{6, "Panel6", true, true, kCancel}));
}

TEST_F(WizardTest, CancelClosesAnyPageAndReopeningStartsOverKeepingTheWork) {
  const std::function<void()> toPage[] = {
      [] {},
      [this] { next(); },
      [this] { next(); wizard.Button4.userClick(); },
      [this] { next(); wizard.Button5.userClick(); },
      [this] { next(); wizard.Button6.userClick(); wizard.ComboBox2.userSelect(2); },
      [this] { next(); wizard.Button6.userClick(); wizard.Button7.userClick(); next(); },
      [this] {
        next();
        wizard.Button6.userClick();
        wizard.Button7.userClick();
        wizard.CheckBox2.setChecked(true);
        next();
      },
  };
  std::set<int> states;
  for (const auto& go : toPage) {
    wizard.show();
    go();
    states.insert(static_cast<int>(wizard.pageState()));
    world.dialogs.boxes.clear();
    wizard.Button3.userClick();
    EXPECT_FALSE(wizard.visible()) << static_cast<int>(wizard.pageState());
    EXPECT_TRUE(world.dialogs.boxes.empty()) << "no question on closing";
    wizard.show();
    EXPECT_EQ(nav(), (Nav{1, "Panel1", false, true, kCancel}));
  }
  EXPECT_EQ(states, (std::set<int>{1, 2, 3, 5, 6, 7, 8}));
  // The product picked, its speeds and the generated text outlive the closing.
  EXPECT_EQ(wizard.ComboBox1.items().size(), 3u);
  EXPECT_EQ(wizard.UpDown2.position(), 230);
  EXPECT_EQ(wizard.pinBuffer().size(), 41u);
  EXPECT_TRUE(wizard.PINSaveButton.enabled());
  EXPECT_TRUE(wizard.UpDown2.enabled());
}
