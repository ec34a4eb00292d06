#include "app/corvane_windows.h"

CorvaneWindows::CorvaneWindows(ui::Runtime& runtime, platform::Services& services,
                               platform::Shortcuts& shortcuts)
    : main_(runtime, services),
      GameForm(runtime, services),
      kakuForm(runtime, services, Form1.clockService),
      AboutBox(runtime, services),
      PINForm(runtime),
      WizForm(runtime, services, PINForm, [this] { return Form1.clockService.toolPath(); }),
      Form2(runtime, Form1.clockService),
      ShortcutForm(runtime, services, shortcuts, Form1.clockService) {
  Form1.clock.attachWindows(kakuForm, Form2, ShortcutForm);
  // Ending the program while a new clock is on trial puts the default clock back first.
  runtime.onProgramEnding = [this] { kakuForm.programEnding(); };
  Form1.attachWindows({GameForm, AboutBox, WizForm});
}

CorvaneWindows::~CorvaneWindows() { kakuForm.runtime().onProgramEnding = nullptr; }
