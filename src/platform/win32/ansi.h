#pragma once
// The one place where UTF-8 meets the ANSI code page (932 on a Japanese system). Windows 95/98
// implement almost none of the W functions, so every text crossing into Win32 goes through here.
#include <string>

namespace platform::win32 {

std::string toAnsi(const std::string& utf8);
std::string fromAnsi(const std::string& ansi);

}  // namespace platform::win32
