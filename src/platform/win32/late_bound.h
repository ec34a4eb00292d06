#pragma once
// Functions of libraries the program seldom needs, found when first called. A library that is
// not in the import table is not loaded at start-up, nor is everything it loads in turn: the
// file dialogs alone bring in the shell and the printing libraries.
#include <windows.h>

namespace platform::win32 {

// The function `name` of `library` (loaded now if it is not yet), or null when either is
// missing. The library stays loaded.
template <typename Function>
Function lateBound(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  if (!module) return nullptr;
  // Through the generic function pointer type, which any function pointer converts to and from.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace platform::win32
