#pragma once
// TkakuForm, "確認": after a clock change, counts five seconds down and puts the default clock
// back unless the user keeps the new one.
#include <functional>

#include "platform/services.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "text/catalogue.h"

namespace overclock {

class TkakuForm : public ui::Form {
 public:
  // `restore` is the clock page's "初期設定": it puts the default clock back and says so.
  TkakuForm(ui::Runtime& runtime, platform::Services& services, std::function<void()> restore);

  // First line: text::tr(text::Id::ConfirmChanged) <target> text::tr(text::Id::ConfirmChangedUnit)
  ui::Label Label3{this, "Label3", text::tr(text::Id::ConfirmChanged)};
  ui::Label Label4{this, "Label4", "89"};  // the target clock, set before each showing
  ui::Label Label5{this, "Label5", text::tr(text::Id::ConfirmChangedUnit)};
  ui::Label Label6{this, "Label6", text::tr(text::Id::ConfirmRestoreNote)};
  ui::Button Button1{this, "Button1", "OK"};  // keep the new clock
  ui::Label Label2{this, "Label2", "5"};      // seconds left
  ui::Label Label1{this, "Label1", text::tr(text::Id::ConfirmSeconds)};
  ui::Button Button2{this, "Button2", text::tr(text::Id::CancelButton)};  // go back at once
  ui::ProgressBar ProgressBar1{this, "ProgressBar1"};  // elapsed seconds, 0 to 5
  ui::Timer Timer1{this, "Timer1", 1000};

  void FormShow();
  void Timer1Timer();
  void Button1Click();
  void Button2Click();
  // The program is ending: a countdown still running ends as "キャンセル" ends it, restoring
  // the default clock; otherwise nothing happens.
  void programEnding();

  int secondsLeft() const { return secondsLeft_; }
  // True once "OK" has ended this showing: the clock was kept by the user.
  bool kept() const { return kept_; }

 private:
  static constexpr int kSeconds = 5;
  void layOut();
  // Every way out: the timer goes off first, so no tick can start a second restore while the
  // restore's message is open.
  void leave(bool restoreDefaultClock);

  std::function<void()> restore_;
  int secondsLeft_ = kSeconds;
  bool leaving_ = false;
  bool kept_ = false;
};

}  // namespace overclock
