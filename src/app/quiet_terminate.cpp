// How the program ends on an exception nobody catches (every handler runs inside
// Runtime::dispatch, so this is a last resort): straight to abort(), which shows the runtime's
// own "abnormal program termination" box. The runtime's default first names the exception's
// type on the standard error stream, which a windowed program has nowhere to show, and needs
// the whole C++ name demangler (about a tenth of the exe) to do so.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
