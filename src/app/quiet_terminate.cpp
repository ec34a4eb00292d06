// How the program ends on an exception nobody catches (every handler runs inside
// Runtime::dispatch, so this is a last resort: the start before the loop, a destructor). The
// user gets the program's error box with the catalogue's "unexpected error", then the program
// ends through abort(). The library's default names the exception's type on the standard error
// stream instead, which a windowed program does not have, and needs the whole C++ name
// demangler (about a tenth of the exe) to do so.
#include <cstdlib>

#include "platform/win32/win32_seams.h"
#include "text/catalogue.h"
#include "ui/runtime.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  static bool shown = false;  // a second end while the box is up goes straight on
  if (!shown) {
    shown = true;
    try {
      platform::win32::Win32Dialogs().messageBox(
          ui::Runtime::applicationTitle(), text::tr(text::Id::ErrorUnexpected),
          platform::MessageIcon::Error, platform::MessageButtons::Ok);
    } catch (...) {
      // Nothing is left to show it with.
    }
  }
  std::abort();
}

}  // namespace __gnu_cxx
