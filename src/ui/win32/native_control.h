#pragma once
// One model control's real window(s). It creates them with its kind's binder, mirrors every model
// change into them without taking its own updates for user input (the echo guard), and hands real
// notifications to the binder, which turns them into the model's user actions.
#include <windows.h>

#include <vector>

#include "ui/control.h"

namespace ui::win32 {

class Binder;
class Win32Runtime;

class NativeControl : public ControlView {
 public:
  NativeControl(Win32Runtime& runtime, Control& model);
  ~NativeControl() override;

  // Creates the window(s) inside `parent`; (dx, dy) is the model's parent origin in the parent
  // window's client coordinates (group boxes are not windows of their own for their children).
  // False when Windows refused the window: the control stays attached all the same, so that it
  // tells this object when it goes and nothing reaches into it afterwards.
  bool create(HWND parent, int dx, int dy);
  // Takes the top-level window the runtime made for a form.
  void adopt(HWND window);
  void changed(unsigned aspects) override;
  void modelGone() override;
  bool alive() const { return !gone_; }

  // WM_COMMAND / WM_NOTIFY / WM_VSCROLL sent by one of our windows.
  void command(HWND from, WORD code);
  void notify(const NMHDR& header);
  void scrolled();
  bool draw(const DRAWITEMSTRUCT& item);

  Control& model() const { return model_; }
  Win32Runtime& runtime() const { return runtime_; }
  HWND hwnd() const { return hwnd_; }
  // The window the control's own windows sit in, and the model parent's origin there.
  HWND parentWindow() const { return parent_; }
  POINT offset() const { return {dx_, dy_}; }
  // Further windows of one control (the buttons of a radio group), in tab order.
  const std::vector<HWND>& parts() const { return parts_; }
  std::vector<HWND>& parts() { return parts_; }
  // The window that holds this control's children (a form, tab page or panel), or nothing.
  HWND container() const { return container_; }
  // Where children of this control start, in the container's client coordinates.
  POINT childOrigin() const;
  // Visible on the screen: itself, its tab page when it is one, and the groups around it.
  bool shownOnScreen() const;
  void applyFont(bool redraw = true);

 private:
  void apply(unsigned aspects);

  Win32Runtime& runtime_;
  Control& model_;
  const Binder& binder_;
  HWND parent_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND container_ = nullptr;
  std::vector<HWND> parts_;
  int dx_ = 0;
  int dy_ = 0;
  bool gone_ = false;
};

// Forms, tab pages and panels hold their children in a window of their own.
bool isWindowContainer(Kind kind);

}  // namespace ui::win32
