#pragma once
// pin-text's two text boundaries: arguments in the terminal's encoding in, code page 932 out.
#include <optional>
#include <string>

namespace pintext {

// An argument as the program received it, in UTF-8 (Linux: as is; Windows: from the ANSI code
// page).
std::string argumentToUtf8(const char* argument);

// The text in code page 932, or nothing when a character has no place in it.
std::optional<std::string> toCodePage932(const std::string& utf8);

}  // namespace pintext
