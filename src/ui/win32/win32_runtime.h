#pragma once
// The Win32 runtime: makes a form's windows when it is first shown (each control through its
// kind's binder), runs the message loop and the modal loops, and ends the program.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace ui::win32 {

class NativeControl;
class Fonts;

class Win32Runtime : public Runtime {
 public:
  Win32Runtime(HINSTANCE instance, platform::Dialogs& dialogs);
  ~Win32Runtime() override;

  void formShown(Form& form) override;
  void runModal(Form& form) override;
  void terminate(int exitCode = 0) override;
  void whenIdle(Handler work) override;

  // Shows the main form and runs the message loop until the program ends. Returns the exit code.
  int run(Form& mainForm);

  // Processes the messages waiting now (tests use it to let posted input arrive).
  void pumpMessages();

  // Makes what was left for the first wait for input: the windows of the pages out of sight (see
  // createChildren) and the tooltips of the forms opened before it. Nothing happens twice.
  void makeDeferredWindows();
  // The windows of one page left for later, just before it is shown.
  void makeDeferredPage(const Control& page);

  // The window of a control once it exists (tests and automation).
  HWND windowOf(const Control& control) const;
  // The model control behind a window, if it is one of ours.
  Control* controlOf(HWND window) const;

  HINSTANCE instance() const { return instance_; }
  Fonts& fonts() { return *fonts_; }

  // Called by the window procedures.
  // WM_QUERYENDSESSION / WM_ENDSESSION, to whichever of our windows: the program is told it
  // ends (see Runtime::programEnding); returns the answer Windows expects.
  LRESULT sessionEnding(UINT msg, WPARAM wParam);
  LRESULT handleMessage(NativeControl& container, HWND hwnd, UINT msg, WPARAM wParam,
                        LPARAM lParam);
  void registerWindow(HWND hwnd, NativeControl* native);
  void registerControl(const Control& control, NativeControl* native) { byControl_[&control] = native; }
  void forgetWindow(HWND hwnd);
  void forgetControl(const Control& control);
  // The id of a timer's WM_TIMER: Windows 95/98 keep timer ids in 16 bits, so each timer has a
  // small number of its own (1 to 0x7FFF) while it lives, never its address.
  UINT_PTR timerIdOf(const Control& timer);
  // The live timer with this id, or null.
  Control* timerWithId(UINT_PTR id) const;
  bool updating() const { return updating_ > 0; }
  struct UpdateScope {
    explicit UpdateScope(Win32Runtime& r) : runtime(r) { ++runtime.updating_; }
    ~UpdateScope() { --runtime.updating_; }
    Win32Runtime& runtime;
  };
  int nextId() { return nextId_++; }
  HWND mainWindow() const { return mainWindow_; }
  HWND applicationWindow() const { return application_; }
  // Gives input back to the windows a modal form disabled (just before it is hidden).
  void releaseModal(Form& form);
  // Puts the keyboard focus on the control that had it last in this window, or else on the
  // form's active control, its default button or the first control Tab reaches.
  void focusInside(Form& form, HWND window);
  // The window was hidden: the next time it opens, the focus starts afresh.
  void forgetFocus(HWND window) { lastFocus_.erase(window); }

 private:
  void realize(Form& form);
  // The form's tooltip window (made the first time) with tools for natives_[first] on.
  void makeTooltips(Form& form, size_t first);
  void createChildren(Control& parent, HWND window, int dx, int dy, Form& form);
  // Tells the user, through the one error box, that some of the form's windows are missing.
  void reportMissingWindows(const Form& form);
  NativeControl* nativeOf(HWND window) const;
  // Everything one message goes through, in the main loop and in modal loops alike.
  void handle(MSG& msg);
  bool routeKeyboard(MSG& msg);
  // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp turn the pages of the window's tabs.
  bool turnPage(HWND top, const MSG& msg);
  void trackHover(const MSG& msg);
  // The program's first wait for input, then what was left for it: the hidden pages' windows,
  // the tooltips and the work queued by whenIdle. Nothing is read from the queue before that.
  void settleAfterFirstWait();
  void runIdleWork();
  Control* disabledControlAt(HWND container, POINT at) const;

  HINSTANCE instance_;
  std::unique_ptr<Fonts> fonts_;
  std::vector<std::unique_ptr<NativeControl>> natives_;
  std::map<HWND, NativeControl*> byWindow_;
  std::map<const Control*, NativeControl*> byControl_;
  std::vector<const Control*> timerIds_;  // timer id - 1 -> its timer; null where free
  std::vector<std::pair<Form*, std::vector<HWND>>> modalDisabled_;
  std::map<HWND, HWND> lastFocus_;  // form window -> the control that had the focus
  HWND application_ = nullptr;  // "Matrox Corvane" on the task bar; owns the main window
  HWND mainWindow_ = nullptr;
  Control* hovered_ = nullptr;
  std::vector<Handler> idleWork_;
  // Pages of a tab control whose windows are made when first shown or once the program idles,
  // as Windows property sheets do: fewer windows stand between the start and the first paint.
  struct DeferredPage {
    Control* page;
    HWND pane;
    Form* form;
  };
  std::vector<DeferredPage> deferredPages_;
  std::map<const Form*, HWND> tooltips_;  // each form's tooltip window
  std::vector<Form*> tooltipsDue_;  // forms opened before the first wait: tooltips come then
  bool terminateRequested_ = false;
  int exitCode_ = 0;  // what terminate() asked for, when it came before the loop
  bool loopRunning_ = false;
  bool missingWindows_ = false;  // while a form is made: Windows refused one of its windows
  int updating_ = 0;
  int nextId_ = 1000;
};

}  // namespace ui::win32
