#include "ui/runtime.h"

#include <exception>

#include "platform/errors.h"
#include "platform/text.h"
#include "text/catalogue.h"

namespace ui {

void Runtime::dispatch(const Handler& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (...) {
    showCaughtError();
  }
}

void Runtime::showCaughtError() {
  try {
    throw;
  } catch (const std::exception& e) {
    showError(e.what());
  } catch (...) {
    showError(text::tr(text::Id::ErrorUnexpected));
  }
}

bool Runtime::programEnding() {
  if (ending_) return false;
  ending_ = true;
  dispatch(onProgramEnding);
  ending_ = false;
  return true;
}

void Runtime::showError(const std::string& message) {
  try {
    const std::string shown = platform::withFullStop(platform::clipForDisplay(message));
    dialogs_.messageBox(applicationTitle(), shown,
                        platform::MessageIcon::Error, platform::MessageButtons::Ok);
  } catch (...) {
    // Nothing sensible is left to show an error with.
  }
}

}  // namespace ui
