#include "overclock/confirm_form.h"

#include <string>

#include "platform/text.h"
#include "ui/runtime.h"
#include "text/catalogue.h"

namespace overclock {

TkakuForm::TkakuForm(ui::Runtime& runtime, platform::Services& services, ClockService& clock)
    : ui::Form(runtime, "kakuForm", text::tr(text::Id::ConfirmTitle)),
      services_(services),
      clock_(clock) {
  setBorder(ui::FormBorder::ToolWindowNoButtons);
  setPosition(ui::FormPosition::ScreenCenter);
  layOut();
  Label4.setBold(true);
  Label2.setBold(true);
  Label2.setUnderline(true);
  ProgressBar1.setRange(0, kSeconds);

  onShow = [this] { FormShow(); };
  Timer1.onTimer = [this] { Timer1Timer(); };
  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { Button2Click(); };
  // Enter keeps the new clock (the window opens with the focus on "OK"); Esc and Alt+F4 mean
  // "キャンセル": the clock must not stay up by accident.
  setDefaultButton(&Button1);
  setCancelButton(&Button2);
  setFreshInputOnly(true);
  onCloseRequest = [this] { Button2Click(); };
}

void TkakuForm::layOut() {
  setClientSize(280, 120);
  Label3.setBounds(12, 12, 100, 14);
  Label4.setBounds(114, 12, 28, 14);
  Label5.setBounds(144, 12, 126, 14);
  Label6.setBounds(12, 32, 256, 14);
  Button1.setBounds(12, 56, 80, 25);
  Label2.setBounds(110, 61, 14, 14);
  Label1.setBounds(126, 61, 16, 14);
  Button2.setBounds(176, 56, 92, 25);
  ProgressBar1.setBounds(12, 92, 256, 16);
}

Countdown TkakuForm::showModal() {
  end_ = Countdown::Kept;
  Label6.setCaption(platform::format1(text::tr(text::Id::ConfirmRestoreNote),
                                      std::to_string(clock_.defaultClock())));
  ui::Form::showModal();
  return end_;
}

void TkakuForm::FormShow() {
  leaving_ = false;
  secondsLeft_ = kSeconds;
  Label2.setCaption(std::to_string(secondsLeft_));
  ProgressBar1.setPosition(0);
  Timer1.setTimerEnabled(true);
}

void TkakuForm::Timer1Timer() {
  // The bar is tested before it moves, so "0" stays up for a whole second and the restore
  // comes with the sixth tick.
  if (ProgressBar1.position() >= kSeconds) {
    leave(true);
    return;
  }
  ProgressBar1.setPosition(ProgressBar1.position() + 1);
  --secondsLeft_;
  Label2.setCaption(std::to_string(secondsLeft_));
}

void TkakuForm::Button1Click() { leave(false); }

void TkakuForm::Button2Click() { leave(true); }

void TkakuForm::programEnding() {
  if (visible()) leave(true, true);
}

void TkakuForm::leave(bool restoreDefaultClock, bool programEnding) {
  Timer1.setTimerEnabled(false);
  if (leaving_) return;  // already on the way out (a key pressed while the restore runs)
  leaving_ = true;
  end_ = Countdown::Kept;
  if (restoreDefaultClock) {
    // The restore reports its own failures; the window closes all the same.
    bool clockBack = false;
    runtime().dispatch([this, &clockBack] { restore(clockBack); });
    end_ = !clockBack ? Countdown::RestoreFailed
                      : programEnding ? Countdown::ProgramEnded : Countdown::Restored;
  }
  close();
}

void TkakuForm::restore(bool& clockBack) {
  const int clock = clock_.runDefaultClock();
  clockBack = true;
  services_.dialogs.messageBox(
      text::tr(text::Id::TitleInformation),
      platform::format1(text::tr(text::Id::ClockRestored), std::to_string(clock)),
      platform::MessageIcon::Information, platform::MessageButtons::Ok);
  clock_.storeLastClock(clock);
}

}  // namespace overclock
