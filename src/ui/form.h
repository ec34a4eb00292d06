#pragma once
// A top-level window of the model. Closing a form only hides it; closing the main form ends the
// program.
#include <string>

#include "ui/control.h"
#include "ui/runtime.h"

namespace ui {

class Button;
class StatusBar;

enum class FormBorder {
  Single,      // fixed size; minimise and close buttons only
  Dialog,      // fixed dialog frame with a close button
  ToolWindow,  // small caption with a close button
  ToolWindowNoButtons,  // small caption, nothing on the title bar
};

enum class FormPosition { ScreenCenter, Default };

class Form : public Control {
 public:
  Form(Runtime& runtime, std::string name, std::string caption);
  Kind kind() const override { return Kind::Form; }
  Runtime& runtime() const { return runtime_; }

  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  void setClientSize(int width, int height);
  FormBorder border() const { return border_; }
  void setBorder(FormBorder border) { border_ = border; }
  FormPosition position() const { return position_; }
  void setPosition(FormPosition position) { position_ = position; }
  bool isMainForm() const { return main_; }
  void setMainForm(bool main) { main_ = main; }

  // Enter clicks the default button, Esc the cancel button.
  Button* defaultButton() const { return defaultButton_; }
  void setDefaultButton(Button* button);
  Button* cancelButton() const { return cancelButton_; }
  void setCancelButton(Button* button) { cancelButton_ = button; }
  // Keys and clicks that began before the form opened are not its (a key held down in the window
  // before, typed ahead): its question is answered only after it is seen.
  bool freshInputOnly() const { return freshInputOnly_; }
  void setFreshInputOnly(bool on) { freshInputOnly_ = on; }

  // The control that has the keyboard focus when the window opens; without one, the default
  // button, or else the first control that Tab reaches.
  Control* activeControl() const { return activeControl_; }
  void setActiveControl(Control* control) { activeControl_ = control; }

  // The status bar that shows the hint of the control under the mouse.
  StatusBar* hintBar() const { return hintBar_; }
  void setHintBar(StatusBar* bar) { hintBar_ = bar; }

  // Shows the form (running onShow when it was hidden) without blocking.
  void show();
  // Shows the form and returns once it is closed again.
  void showModal();
  bool isModal() const { return modal_; }
  // Hides the form; for the main form this ends the program.
  void close();
  void bringToFront();

  // The user pressed Enter: the default button is clicked (when there is one and it is enabled).
  void userPressEnter();
  // The user pressed Esc: the cancel button is clicked; without one a secondary window is asked
  // to close, the main window stays.
  void userPressEscape();

  // The user asked the window to close (title-bar button, Alt+F4, Esc without a cancel button).
  // Runs onCloseRequest when set, otherwise closes.
  void userRequestClose();

  Handler onShow;
  Handler onCloseRequest;

 private:
  Runtime& runtime_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  FormBorder border_ = FormBorder::Single;
  FormPosition position_ = FormPosition::ScreenCenter;
  bool main_ = false;
  bool modal_ = false;
  bool freshInputOnly_ = false;
  Button* defaultButton_ = nullptr;
  Button* cancelButton_ = nullptr;
  StatusBar* hintBar_ = nullptr;
  Control* activeControl_ = nullptr;
};

}  // namespace ui
