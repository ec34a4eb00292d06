#pragma once
// One model control's real window(s). It creates them, mirrors every model change into them
// (without turning its own updates into user events), and turns real notifications into the
// model's user actions.
#include <windows.h>

#include <vector>

#include "ui/control.h"

namespace ui::win32 {

class Win32Runtime;

class NativeControl : public ControlView {
 public:
  NativeControl(Win32Runtime& runtime, Control& model);
  ~NativeControl() override;

  // Creates the window(s) inside `parent`; (dx, dy) is the model's parent origin in the parent
  // window's client coordinates (group boxes are not windows of their own for their children).
  void create(HWND parent, int dx, int dy);
  void changed(unsigned aspects) override;
  void modelGone() override;
  bool alive() const { return !gone_; }

  // WM_COMMAND / WM_NOTIFY / WM_VSCROLL sent by one of our windows.
  void command(HWND from, WORD code);
  void notify(const NMHDR& header);
  void scrolled();

  Control& model() const { return model_; }
  HWND hwnd() const { return hwnd_; }
  const std::vector<HWND>& parts() const { return parts_; }
  // The window that holds this control's children (a form, tab page or panel), or nothing.
  HWND container() const { return container_; }
  // Where children of this control start, in the container's client coordinates.
  POINT childOrigin() const;

 private:
  void apply(unsigned aspects);
  void applyCaption();
  void applyValue();
  void applyItems();
  void applyFont();
  void applyBounds();
  void applyVisible();
  void layoutRadioButtons();
  void layoutPages();
  DWORD style() const;
  const char* windowClass() const;
  bool shownOnScreen() const;

  Win32Runtime& runtime_;
  Control& model_;
  const Kind kind_;
  HWND parent_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND container_ = nullptr;
  std::vector<HWND> parts_;  // radio buttons of a radio group
  int dx_ = 0;
  int dy_ = 0;
  int id_ = 0;
  bool gone_ = false;
};

}  // namespace ui::win32
