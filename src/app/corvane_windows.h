#pragma once
// Every window of the program, made once, in the order the program makes them, and linked.
#include "app/about_box.h"
#include "app/main_form.h"
#include "overclock/confirm_form.h"
#include "overclock/options_form.h"
#include "overclock/shortcut_form.h"
#include "pins/pin_form.h"
#include "pins/wiz_form.h"
#include "settings/game_form.h"

class CorvaneWindows {
  // The main window's creation step runs while it is made, before the other windows exist.
  struct Created {
    Created(ui::Runtime& runtime, platform::Services& services) : form(runtime, services) {
      form.FormCreate();
    }
    TForm1 form;
  } main_;

 public:
  // `shortcuts` writes the game shortcuts of the overclock tab's window.
  CorvaneWindows(ui::Runtime& runtime, platform::Services& services, platform::Shortcuts& shortcuts);
  ~CorvaneWindows();
  CorvaneWindows(const CorvaneWindows&) = delete;
  CorvaneWindows& operator=(const CorvaneWindows&) = delete;

  TForm1& Form1 = main_.form;
  settings::TGameForm GameForm;
  overclock::TkakuForm kakuForm;
  TAboutBox AboutBox;
  pins::TPINForm PINForm;
  pins::TWizForm WizForm;
  overclock::TForm2 Form2;
  overclock::TShortcutForm ShortcutForm;
};
