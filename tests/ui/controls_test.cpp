// The control model's contracts, which every window's handlers rely on: what the program sets
// runs no handler and reaches the window, a user action runs its handler only when it changes something on an enabled
// control, spins stay in range, memo lines and combo items keep their shape.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>

#include "fakes.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace {

struct Sample : ui::Form {
  explicit Sample(ui::Runtime& runtime) : ui::Form(runtime, "Sample", "見本") {
    radio.setItems({"自動設定", "AGP 2x", "AGP 1x"});
    combo.setItems({"甲", "乙", "丙"});
    setDefaultButton(&ok);
    setCancelButton(&cancel);
    box.onClick = [this] { ++fired["box"]; };
    radio.onClick = [this] { ++fired["radio"]; };
    ok.onClick = [this] { ++fired["ok"]; };
    cancel.onClick = [this] { ++fired["cancel"]; };
    link.onClick = [this] { ++fired["link"]; };
    edit.onChange = [this] { ++fired["edit"]; };
    spin.onClick = [this] { ++fired["spin"]; };
    combo.onChange = [this] { ++fired["combo"]; };
    first.onShow = [this] { ++fired["first"]; };
    second.onShow = [this] { ++fired["second"]; };
  }
  int total() const {
    int sum = 0;
    for (const auto& entry : fired) sum += entry.second;
    return sum;
  }
  ui::CheckBox box{this, "box", "チェック"};
  ui::RadioGroup radio{this, "radio", "AGP"};
  ui::Button ok{this, "ok", "OK"};
  ui::Button cancel{this, "cancel", "キャンセル"};
  ui::Label link{this, "link", "http://example.invalid/"};
  ui::Edit edit{this, "edit"};
  ui::UpDown spin{this, "spin", edit, 89, 135, 100};
  ui::ComboBox combo{this, "combo"};
  ui::Memo memo{this, "memo"};
  ui::PageControl pages{this, "pages"};
  ui::TabSheet first{&pages, "first", "一"};
  ui::TabSheet second{&pages, "second", "二"};
  ui::ProgressBar progress{this, "progress"};
  ui::StatusBar status{this, "status"};
  std::map<std::string, int> fired;
};

// What a control told its window: the aspects that changed.
struct SeenAspects : ui::ControlView {
  unsigned seen = 0;
  void changed(unsigned aspects) override { seen |= aspects; }
  void modelGone() override {}
};

struct ControlModel : ::testing::Test {
  doubles::RecordingDialogs dialogs;
  doubles::TestRuntime runtime{dialogs};
  Sample form{runtime};
};

}  // namespace

TEST_F(ControlModel, ProgramChangesRunNoHandlerAndTellTheWindow) {
  const auto tells = [](ui::Control& control, unsigned aspects, const auto& change) {
    SeenAspects view;
    control.attachView(&view);
    change();
    control.attachView(nullptr);
    EXPECT_EQ(view.seen & aspects, aspects) << control.name();
  };
  tells(form.box, ui::kValue, [&] { form.box.setChecked(true); });
  tells(form.radio, ui::kItems | ui::kValue, [&] { form.radio.setItems(form.radio.items()); });
  tells(form.radio, ui::kValue, [&] { form.radio.setItemIndex(2); });
  tells(form.edit, ui::kCaption, [&] { form.edit.setText("120"); });
  tells(form.spin, ui::kValue, [&] { form.spin.setPosition(130); });
  tells(form.spin, ui::kRange, [&] { form.spin.setRange(100, 90); });
  tells(form.combo, ui::kValue, [&] { form.combo.setItemIndex(1); });
  tells(form.combo, ui::kItems | ui::kValue, [&] { form.combo.setItems({"丁"}); });
  tells(form.memo, ui::kValue, [&] { form.memo.setLines({"一", "二"}); });
  tells(form.link, ui::kCaption, [&] { form.link.setCaption("別の"); });
  tells(form.ok, ui::kEnabled, [&] { form.ok.setEnabled(false); });
  tells(form.ok, ui::kVisible, [&] { form.ok.setVisible(false); });
  tells(form.ok, ui::kHint, [&] { form.ok.setHint("押す", true); });
  tells(form.link, ui::kFont, [&] { form.link.setBold(true); });
  tells(form.link, ui::kFont, [&] { form.link.setUnderline(true); });
  tells(form.link, ui::kFont, [&] { form.link.setColour(ui::kNavy); });
  tells(form.link, ui::kFont, [&] { form.link.setFontHeight(20); });
  tells(form.link, ui::kBounds, [&] { form.link.setBounds(1, 2, 3, 4); });
  tells(form, ui::kBounds, [&] { form.setClientSize(300, 200); });
  tells(form.memo, ui::kValue, [&] { form.memo.setText("三"); });
  tells(form.progress, ui::kRange, [&] { form.progress.setRange(0, 10); });
  tells(form.progress, ui::kValue, [&] { form.progress.setPosition(5); });
  tells(form.status, ui::kValue, [&] { form.status.addPanel(100, "休憩中"); });
  tells(form.status, ui::kValue, [&] { form.status.setPanelText(0, "別"); });
  tells(form, ui::kFront, [&] { form.bringToFront(); });
  SeenAspects quiet;  // the same text again, or a panel the bar lacks, changes nothing
  form.status.attachView(&quiet);
  form.status.setPanelText(0, "別");
  form.status.setPanelText(5, "別");
  form.status.attachView(nullptr);
  EXPECT_EQ(quiet.seen, 0u);
  form.setDefaultButton(&form.cancel);
  EXPECT_TRUE(form.cancel.isDefault() && !form.ok.isDefault()) << "one default button";
  form.setDefaultButton(&form.ok);
  EXPECT_EQ(form.total(), 0);
  // A page turned by the program tells the window, and shows the page (its one handler).
  tells(form.pages, ui::kValue, [&] { form.pages.setActivePage(1); });
  EXPECT_TRUE(form.box.checked());
  EXPECT_EQ(form.radio.itemIndex(), 2);
  EXPECT_EQ(form.edit.text(), "100") << "the new range took the spin's value in, silently";
}

TEST_F(ControlModel, UserActionsThatChangeSomethingRunTheirHandlerOnce) {
  form.box.userClick();
  form.radio.userSelect(2);
  form.link.userClick();
  form.edit.userSetText("111");
  form.spin.userSetPosition(120);
  form.combo.userSelect(1);
  form.pages.userSelectPage(1);
  form.userPressEnter();
  form.userPressEscape();
  EXPECT_EQ(form.fired, (std::map<std::string, int>{{"box", 1}, {"radio", 1}, {"link", 1},
                                                   {"edit", 1}, {"spin", 1}, {"combo", 1},
                                                   {"second", 1}, {"ok", 1}, {"cancel", 1}}));
  EXPECT_EQ(form.radio.itemIndex(), 2);
  EXPECT_EQ(form.spin.position(), 120);
  EXPECT_EQ(form.edit.text(), "120") << "the spin shows its position in its edit box";
}

TEST_F(ControlModel, AUserActionThatChangesNothingRunsNoHandler) {
  // Picking the row that is already picked would rewrite the stored choice ("AGPFlags").
  form.radio.setItemIndex(1);
  form.radio.userSelect(1);
  form.box.setChecked(true);
  form.box.userSetChecked(true);
  form.edit.userSetText(form.edit.text());
  form.spin.setPosition(135);
  form.spin.userSetPosition(140);  // already at the top
  form.pages.userSelectPage(form.pages.activePageIndex());
  EXPECT_EQ(form.total(), 0);
  // The program may show the same page again on purpose (the page refreshes itself).
  form.pages.setActivePage(0);
  EXPECT_EQ(form.fired["first"], 1);
  EXPECT_EQ(form.pages.activePage(), &form.first);
  ui::PageControl empty{&form, "empty"};
  EXPECT_EQ(empty.activePage(), nullptr) << "no page to show";
  // A pick in the drop-down list always counts, as the real one reports it.
  form.combo.setItemIndex(2);
  form.combo.userSelect(2);
  EXPECT_EQ(form.fired["combo"], 1);
}

TEST_F(ControlModel, ADisabledControlRunsNoHandler) {
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &form.box, &form.radio, &form.ok, &form.cancel, &form.link, &form.edit, &form.spin,
           &form.combo, &form.memo, &form.pages})
    c->setEnabled(false);
  form.box.userClick();
  form.radio.userSelect(2);
  form.ok.userClick();
  form.userPressEnter();  // Enter on a window whose default button is disabled
  form.userPressEscape();
  form.link.userClick();
  form.edit.userSetText("99");
  form.spin.userSetPosition(90);
  form.combo.userSelect(1);
  form.memo.userSetText("x");
  form.pages.userSelectPage(1);
  EXPECT_EQ(form.total(), 0);
  EXPECT_EQ(form.pages.activePageIndex(), 0);
}

TEST_F(ControlModel, EscWithoutACancelButtonAsksASecondaryWindowToCloseButNotTheMainOne) {
  form.setCancelButton(nullptr);
  int requests = 0;
  form.onCloseRequest = [&] { ++requests; };
  form.userPressEscape();
  EXPECT_EQ(requests, 1);
  form.setMainForm(true);
  form.userPressEscape();
  EXPECT_EQ(requests, 1);
}

TEST_F(ControlModel, TheUsersSpinStaysInItsRangeWhicheverWayRoundItIsGiven) {
  form.spin.userSetPosition(500);
  EXPECT_EQ(form.spin.position(), 135);
  EXPECT_EQ(form.edit.text(), "135");
  form.spin.userSetPosition(-3);
  EXPECT_EQ(form.spin.position(), 89);
  form.spin.setRange(135, 89);  // reversed: the arrows count down
  form.spin.userSetPosition(200);
  EXPECT_EQ(form.spin.position(), 135);
  // Typed text moves the spin only when it is a whole number within the range.
  form.edit.userSetText("100");
  EXPECT_EQ(form.spin.position(), 100);
  for (const char* text : {"300", "1O0", "", "88"}) {
    form.edit.userSetText(text);
    EXPECT_EQ(form.spin.position(), 100) << text;
  }
  // Both ends are inside; one beyond either is not.
  form.edit.userSetText("135");
  EXPECT_EQ(form.spin.position(), 135);
  form.edit.userSetText("136");
  EXPECT_EQ(form.spin.position(), 135);
  form.edit.userSetText("89");
  EXPECT_EQ(form.spin.position(), 89);
}

TEST_F(ControlModel, MemoLinesComeBackAsTheyWereGiven) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"一行"}, {"a", "", "b"}, {"末尾が空", ""}, {""}, {"", ""}, {"CR LF\tタブ", "次"}};
  for (const auto& lines : cases) {
    form.memo.setLines(lines);
    EXPECT_EQ(form.memo.lines(), lines) << form.memo.text();
  }
  form.memo.setText("一\r\n二\n三\r四");
  EXPECT_EQ(form.memo.lines(), (std::vector<std::string>{"一", "二", "三", "四"}));
}

TEST_F(ControlModel, NewItemsClearTheSelection) {
  form.combo.setItemIndex(2);
  form.combo.setItems({"新", "旧"});
  EXPECT_EQ(form.combo.itemIndex(), -1);
  EXPECT_EQ(form.combo.text(), "");
  form.radio.setItemIndex(0);
  form.radio.setItems({"PCI", "AGP"});
  EXPECT_EQ(form.radio.itemIndex(), -1);
  // An index outside the items is no selection.
  form.combo.setItemIndex(5);
  EXPECT_EQ(form.combo.itemIndex(), -1);
  form.radio.setItemIndex(-7);
  EXPECT_EQ(form.radio.itemIndex(), -1);
}

TEST_F(ControlModel, AHandlersErrorGoesToTheErrorBoxAndTheNextActionStillRuns) {
  form.ok.onClick = [] { throw std::runtime_error("ファイル C:\\x は開けません"); };
  form.userPressEnter();
  form.box.userClick();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].caption, "Matrox Corvane");
  EXPECT_EQ(dialogs.boxes[0].text, "ファイル C:\\x は開けません.");
  EXPECT_EQ(dialogs.boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_EQ(form.fired["box"], 1);
  // Something that is no error of ours still gets a box of its own, and the program goes on.
  form.ok.onClick = [] { throw 42; };
  form.userPressEnter();
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[1].text, "予期しないエラーが発生しました。.");
  EXPECT_EQ(dialogs.boxes[1].caption, "Matrox Corvane");
}

TEST(Handler, SmallAndLargeCallablesAreCopiedMovedAndDestroyedLikeValues) {
  int calls = 0;
  ui::Handler none;
  EXPECT_FALSE(none);
  ui::Handler small = [&calls] { ++calls; };  // kept in place
  auto text = std::make_shared<std::string>("lives while a handler holds it");
  std::weak_ptr<std::string> watch = text;
  ui::Handler large = [&calls, text] { calls += static_cast<int>(text->size()); };  // on the heap
  text.reset();
  {
    ui::Handler copy = large;
    ui::Handler moved = std::move(copy);
    EXPECT_FALSE(copy);
    moved();
    small = moved;  // a large one over a small one
    small();
  }
  EXPECT_FALSE(watch.expired()) << "still held by `large` and `small`";
  EXPECT_EQ(calls, 2 * 30);
  small = [&calls] { calls = -1; };  // a small one over a large one frees it
  large = nullptr;
  EXPECT_TRUE(watch.expired());
  small();
  EXPECT_EQ(calls, -1);
  EXPECT_FALSE(large);
}
