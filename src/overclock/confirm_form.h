#pragma once
// TkakuForm, "確認": after a clock change, counts five seconds down and puts the default clock
// back unless the user keeps the new one.
#include "overclock/clock_service.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "text/catalogue.h"

namespace overclock {

// How a countdown ended.
enum class Countdown {
  Kept,           // "OK": the new clock stays
  Restored,       // "キャンセル", the timer or Esc: the default clock is back
  RestoreFailed,  // the restore could not run the tool (and said why): the new clock stays
  ProgramEnded,   // the program ended during the countdown: the default clock is back
};

class TkakuForm : public ui::Form {
 public:
  // The restore is the clock service's: the default clock back through the tool, said and stored
  // while the window is still open.
  TkakuForm(ui::Runtime& runtime, platform::Services& services, ClockService& clock);

  // Counts down until the user decides or the time is up; says how it ended. Keys and clicks
  // that began before the window opened do not count: an Enter held down since クロック変更
  // must not keep the clock.
  Countdown showModal();

  // First line: text::tr(text::Id::ConfirmChanged) <target> text::tr(text::Id::ConfirmChangedUnit)
  ui::Label Label3{this, "Label3", text::tr(text::Id::ConfirmChanged)};
  ui::Label Label4{this, "Label4", "89"};  // the target clock, set before each showing
  ui::Label Label5{this, "Label5", text::tr(text::Id::ConfirmChangedUnit)};
  ui::Label Label6{this, "Label6", ""};  // names the default clock, set before each showing
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

 private:
  static constexpr int kSeconds = 5;
  void layOut();
  // Every way out: the timer goes off first, so no tick can start a second restore while the
  // restore's message is open.
  void leave(bool restoreDefaultClock, bool programEnding = false);

  // The default clock back through the tool, said and stored; `clockBack` is set once the tool
  // has done it, so that a failure afterwards (storing it) is not taken for a failed restore.
  void restore(bool& clockBack);

  platform::Services& services_;
  ClockService& clock_;
  int secondsLeft_ = kSeconds;
  bool leaving_ = false;
  Countdown end_ = Countdown::Kept;
};

}  // namespace overclock
