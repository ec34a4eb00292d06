#pragma once
// pin-text's two text boundaries: arguments in the terminal's encoding in, code page 932 out.
#include <optional>
#include <string>
#include <vector>

namespace pintext {

// The arguments after the program's name, in UTF-8. Linux: as received. Windows: from the
// command line as typed (UTF-16) where the system keeps it, so that a character the ANSI code
// page lacks reaches the program instead of a "?"; else (Windows 95/98) from the ANSI code page.
std::vector<std::string> argumentsInUtf8(int argc, char** argv);

// The arguments of a Windows command line, split as the C runtime splits them: blanks separate,
// double quotes group, 2n backslashes before a quote are n backslashes and the quote groups,
// 2n+1 are n backslashes and a literal quote; inside quotes "" is a literal quote. The first
// word is the program's name, taken up to a blank or between quotes, with no other rule.
std::vector<std::u16string> splitCommandLine(const std::u16string& commandLine);

// The text in code page 932, or nothing when a character has no place in it.
std::optional<std::string> toCodePage932(const std::string& utf8);

}  // namespace pintext
