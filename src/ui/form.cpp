#include "ui/form.h"

#include "ui/controls.h"
#include "ui/runtime.h"

namespace ui {

Form::Form(Runtime& runtime, std::string name, std::string caption)
    : Control(nullptr, std::move(name), std::move(caption)), runtime_(runtime) {
  Control::setVisible(false);
}

void Form::setClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  notify(kBounds);
}

void Form::setDefaultButton(Button* button) {
  if (defaultButton_) defaultButton_->setDefault(false);
  defaultButton_ = button;
  if (button) button->setDefault(true);
}

void Form::show() {
  if (visible()) {
    bringToFront();
    return;
  }
  runtime_.formShown(*this);  // the window exists, still hidden
  runtime_.dispatch(onShow);  // filled before the user sees it
  setVisible(true);
}

void Form::showModal() {
  modal_ = true;
  show();
  if (visible()) runtime_.runModal(*this);
  modal_ = false;
}

void Form::close() {
  // Before the main window goes: what the ending puts right may still show a message, and a
  // second request meanwhile must not cut it short.
  if (main_ && !runtime_.programEnding()) return;
  setVisible(false);
  if (main_) runtime_.terminate();
}

void Form::bringToFront() {
  runtime_.formShown(*this);
  notify(kFront);
}

void Form::userPressEnter() {
  if (defaultButton_) defaultButton_->userClick();
}

void Form::userPressEscape() {
  if (cancelButton_) cancelButton_->userClick();
  else if (!main_) userRequestClose();
}

void Form::userRequestClose() {
  if (onCloseRequest) runtime_.dispatch(onCloseRequest);
  else close();
}

}  // namespace ui
