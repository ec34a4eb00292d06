#pragma once
// The real registry, for WinMain to hand to the windows.
#include <memory>

#include "stored/registry.h"

namespace stored::win32 {

std::unique_ptr<Registry> makeWin32Registry();

}  // namespace stored::win32
