// The wizard's page flow as a table: every row is reached through the rows before it, then
// checked on its own, so a changed transition names the row that broke.
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "wizard_fixture.h"

namespace {

using pins::WizardState;
using S = WizardState;

enum class Event { Next, NextTicked, NextUnticked, Back, Extract, Create, Stop, Generate };

const char* nameOf(Event e) {
  switch (e) {
    case Event::Next: return "Next";
    case Event::NextTicked: return "Next with カスタム設定";
    case Event::NextUnticked: return "Next without カスタム設定";
    case Event::Back: return "Back";
    case Event::Extract: return "よしっ。抽出してみよう。";
    case Event::Create: return "自分で作成してみるよ。";
    case Event::Stop: return "え～やだな。";
    case Event::Generate: return "generate";
  }
  return "?";
}

struct Row {
  S from;
  Event event;
  S to;
  const char* page;   // the one page on screen afterwards
  bool back, next;
  const char* third;  // nullptr: the caption stays as it was
};

const char* const kCancel = "キャンセル";
const char* const kFinish = "終了";

const Row kFlow[] = {
    {S::Explanation, Event::Next, S::Choice, "Panel2", true, false, nullptr},
    {S::Create, Event::NextUnticked, S::FinishedCreating, "Panel5", true, false, kFinish},
    {S::Create, Event::NextTicked, S::Customize, "Panel4", true, false, nullptr},
    {S::Choice, Event::Next, S::Choice, "Panel2", true, false, nullptr},
    {S::Performance, Event::Next, S::Performance, "Panel3", true, true, nullptr},
    {S::Stopped, Event::Next, S::Stopped, "Panel5", true, false, nullptr},
    {S::FinishedCreating, Event::Next, S::FinishedCreating, "Panel5", true, false, nullptr},
    {S::Customize, Event::Next, S::Customize, "Panel4", true, false, nullptr},
    {S::Explanation, Event::Back, S::Explanation, "Panel1", false, true, nullptr},
    {S::Choice, Event::Back, S::Explanation, "Panel1", false, true, nullptr},
    {S::Performance, Event::Back, S::Choice, "Panel2", true, false, nullptr},
    {S::Stopped, Event::Back, S::Choice, "Panel2", true, false, kCancel},
    {S::Create, Event::Back, S::Choice, "Panel2", true, false, kCancel},
    {S::FinishedCreating, Event::Back, S::Create, "Panel6", true, true, kCancel},
    {S::Customize, Event::Back, S::Create, "Panel6", true, true, kCancel},
    {S::Choice, Event::Extract, S::Performance, "Panel3", true, true, nullptr},
    {S::Choice, Event::Create, S::Create, "Panel6", true, false, nullptr},
    {S::Choice, Event::Stop, S::Stopped, "Panel5", true, false, kFinish},
    {S::Create, Event::Generate, S::Create, "Panel6", true, true, nullptr},
    {S::Customize, Event::Generate, S::Customize, "Panel4", true, true, nullptr},
};

// One wizard, opened afresh.
struct Rig {
  doubles::World world;
  platform::Services services = world.services();
  pins::TPINForm viewer{world.runtime};
  pins::TWizForm wizard{world.runtime, services, viewer, [] { return std::string("E:\\TOOLS\\G200clk.exe"); }};

  Rig() { wizard.show(); }

  void perform(Event e) {
    switch (e) {
      case Event::NextTicked: wizard.CheckBox2.setChecked(true); [[fallthrough]];
      case Event::Next: wizard.Button2Click(); break;
      case Event::NextUnticked: wizard.CheckBox2.setChecked(false); wizard.Button2Click(); break;
      case Event::Back: wizard.Button1Click(); break;
      case Event::Extract: wizard.Button4.userClick(); break;
      case Event::Create: wizard.Button6.userClick(); break;
      case Event::Stop: wizard.Button5.userClick(); break;
      case Event::Generate:
        (wizard.pageState() == S::Customize ? wizard.Button10 : wizard.Button7).userClick();
        break;
    }
  }

  std::string pagesOnScreen() const {
    std::string names;
    for (const ui::Panel* p : {&wizard.Panel1, &wizard.Panel2, &wizard.Panel3, &wizard.Panel4,
                               &wizard.Panel5, &wizard.Panel6})
      if (p->visible()) names += (names.empty() ? "" : "+") + p->name();
    return names;
  }
};

// The shortest way from the opened wizard to every state, made of the table's own rows.
std::map<S, std::vector<Event>> waysIn() {
  std::map<S, std::vector<Event>> ways{{S::Explanation, {}}};
  std::deque<S> open{S::Explanation};
  while (!open.empty()) {
    const S at = open.front();
    open.pop_front();
    for (const Row& row : kFlow) {
      if (row.from != at || ways.count(row.to)) continue;
      ways[row.to] = ways[at];
      ways[row.to].push_back(row.event);
      open.push_back(row.to);
    }
  }
  return ways;
}

}  // namespace

TEST(WizardFlowTable, EveryStateIsReachedAndEveryRowHolds) {
  const auto ways = waysIn();
  EXPECT_EQ(ways.size(), 7u) << "every state but the missing 4 can be reached";
  for (const Row& row : kFlow) {
    SCOPED_TRACE(std::string(nameOf(row.event)) + " from state " +
                 std::to_string(static_cast<int>(row.from)));
    ASSERT_TRUE(ways.count(row.from));
    Rig rig;
    for (Event e : ways.at(row.from)) rig.perform(e);
    ASSERT_EQ(rig.wizard.pageState(), row.from);
    const std::string thirdBefore = rig.wizard.Button3.caption();
    rig.perform(row.event);
    EXPECT_EQ(static_cast<int>(rig.wizard.pageState()), static_cast<int>(row.to));
    EXPECT_EQ(rig.pagesOnScreen(), row.page);
    EXPECT_EQ(rig.wizard.Button1.enabled(), row.back);
    EXPECT_EQ(rig.wizard.Button2.enabled(), row.next);
    EXPECT_EQ(rig.wizard.Button3.caption(), row.third ? std::string(row.third) : thirdBefore);
  }
}

TEST(WizardFlowTable, OpeningStartsOverFromEveryState) {
  for (const auto& [state, way] : waysIn()) {
    SCOPED_TRACE(static_cast<int>(state));
    Rig rig;
    for (Event e : way) rig.perform(e);
    rig.wizard.Button3.userClick();
    EXPECT_FALSE(rig.wizard.visible());
    rig.wizard.show();
    EXPECT_EQ(rig.wizard.pageState(), S::Explanation);
    EXPECT_EQ(rig.pagesOnScreen(), "Panel1");
    EXPECT_FALSE(rig.wizard.Button1.enabled());
    EXPECT_TRUE(rig.wizard.Button2.enabled());
    EXPECT_EQ(rig.wizard.Button3.caption(), kCancel);
  }
}
