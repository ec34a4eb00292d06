#pragma once
// How one kind of control becomes a standard window: its class and style, how the model's state
// goes into the window, and how the window's notifications become the model's user actions.
// One binder per kind; NativeControl holds the window handles and the echo guard around them.
#include <windows.h>

#include <string>

#include "ui/control.h"

namespace ui::win32 {

class NativeControl;

class Binder {
 public:
  virtual ~Binder() = default;

  // The window class; nullptr for a control without a window (the timer).
  virtual const char* windowClass() const = 0;
  // Styles besides WS_CHILD (a control the model takes out of the tab order loses WS_TABSTOP).
  virtual DWORD style(const Control&) const { return 0; }
  virtual DWORD exStyle(const Control&) const { return 0; }
  // The window text it is made with, and its height (a drop-down list needs room below).
  virtual std::string initialText(const Control& model) const;
  virtual int createHeight(const Control& model) const { return model.bounds().height; }
  // Holds its children in a window of its own (tab pages, panels, forms).
  virtual bool isContainer() const { return false; }

  // Once, right after the window exists: what the window needs besides its state.
  virtual void created(NativeControl&) const {}
  // The model's state into the window, one aspect at a time.
  virtual void pushCaption(NativeControl& native) const;
  virtual void pushItems(NativeControl&) const {}
  virtual void pushValue(NativeControl&) const {}
  virtual void pushBounds(NativeControl& native) const;
  virtual void pushVisible(NativeControl& native) const;
  virtual void bringToFront(NativeControl&) const {}

  // Notifications from the window, turned into user actions (never during our own updates).
  virtual void command(NativeControl&, HWND /*from*/, WORD /*code*/) const {}
  virtual void notify(NativeControl&, const NMHDR&) const {}
  virtual void scrolled(NativeControl&) const {}
  // Draws an owner-drawn window (WM_DRAWITEM); false when the kind draws nothing itself.
  virtual bool draw(NativeControl&, const DRAWITEMSTRUCT&) const { return false; }
};

const Binder& binderFor(const Control& model);

// The binders, one per kind (binderFor picks among them).
const Binder& formBinder();
const Binder& paneBinder();
const Binder& groupBoxBinder();
const Binder& timerBinder();
const Binder& imageBinder();
const Binder& labelBinder();
const Binder& linkBinder();
const Binder& pushButtonBinder();
const Binder& checkBoxBinder();
const Binder& radioGroupBinder();
const Binder& editBinder();
const Binder& spinBinder();
const Binder& memoBinder();
const Binder& comboBoxBinder();
const Binder& tabBinder();
const Binder& progressBinder();
const Binder& statusLineBinder();

// A window's text in UTF-8.
std::string windowText(HWND hwnd);
// A caption, item or panel text as its window shows it: outside text of any length fits.
std::string shownText(const std::string& text);
// Sets a window's text from UTF-8.
void setWindowText(HWND hwnd, const std::string& text);

}  // namespace ui::win32
