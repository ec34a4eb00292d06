#pragma once
// What forms need from the toolkit besides their controls: the one dispatcher every handler runs
// through, modal loops and the end of the program. The Win32 runtime runs real message loops;
// the test runtime runs scripts.
#include <string>

#include "platform/seams.h"
#include "ui/control.h"

namespace ui {

class Form;

class Runtime {
 public:
  explicit Runtime(platform::Dialogs& dialogs) : dialogs_(dialogs) {}
  virtual ~Runtime() = default;

  // The application title: the title of error boxes and of the task bar button.
  static const char* applicationTitle() { return "Matrox Corvane"; }

  platform::Dialogs& dialogs() const { return dialogs_; }

  // Runs one handler. An error it throws ends it and is shown in the error box (the message,
  // "." when its last character sorts after ".", error icon, OK, the application title); the
  // program goes on. No exception leaves this function.
  void dispatch(const Handler& handler);
  void showError(const std::string& message);
  // From inside a catch block: the error box for what was caught, as dispatch shows it (a
  // window procedure, where no exception may pass into Windows, reports the same way).
  void showCaughtError();

  // A form became visible or was told to come to the front; the binding makes its window.
  virtual void formShown(Form& form) = 0;
  // Blocks until `form` is hidden again; other windows take no input meanwhile.
  virtual void runModal(Form& form) = 0;
  // Ends the program once the message loop runs (or at once, when it already runs), with this
  // exit code (1: the program refused to work, as on a system it is not made for; the highest
  // code asked for wins).
  virtual void terminate(int exitCode = 0) = 0;
  // Work that need not delay the main window: it runs once, through dispatch, after the window
  // is up and the program has first waited for input.
  virtual void whenIdle(Handler work) = 0;

  // The program is about to end: its main window closes (by any means), or Windows ends the
  // session. Whatever must be left safe first (a clock still on trial) is put right by
  // onProgramEnding, which may be told more than once and must act once. False when an ending
  // is already under way (a second request while the first one's message is open): that one
  // finishes the job, and the second request is dropped.
  bool programEnding();
  Handler onProgramEnding;

 private:
  platform::Dialogs& dialogs_;
  bool ending_ = false;
};

}  // namespace ui
