#pragma once
// UTF-8 is the program's text everywhere but at the Win32 boundary.
#include <optional>
#include <string>
#include <vector>

namespace platform {

std::u32string utf8ToCodePoints(const std::string& utf8);
std::string codePointsToUtf8(const std::u32string& chars);
// UTF-16 as the Win32 layer needs it for MultiByteToWideChar/WideCharToMultiByte.
std::u16string utf8ToUtf16(const std::string& utf8);
std::string utf16ToUtf8(const std::u16string& utf16);

// Lines of a text split at CR LF, CR or LF; a final line break starts no further line.
std::vector<std::string> splitLines(const std::string& text);

// The text as a whole number that fits an int, or nothing ("16" is 16; "", "16 ", "x" are not).
std::optional<int> wholeNumber(const std::string& text);

// Text from outside the program (the registry, a file) as a caption or a message shows it: at
// most `limit` characters, the rest cut off and marked with "…", so that a window always takes it.
std::string clipForDisplay(const std::string& text, std::size_t limit = 1024);

// The number in decimal, zeros put in after the sign until it is `width` characters long, as
// printf's "%0*d" writes it (7 and 4: "0007"; -5 and 3: "-05"); no printf behind it, so the
// program carries no formatter of its own.
std::string zeroPadded(int value, int width);

// The folder of a path ("C:\Games" of "C:\Games\x.exe"; a drive's root keeps its backslash,
// "C:\"), empty when the path names no folder.
std::string folderOfPath(const std::string& path);
// A file in a folder; a folder that ends in a backslash (a drive's root) gets no second one.
std::string inFolder(const std::string& folder, const std::string& fileName);

// The text with A to Z made small: file names and switches compare so on this system (only
// ASCII letters differ in case there).
std::string asciiLowered(std::string text);

// True when the text has a blank (space or tab) in it.
bool hasBlank(const std::string& text);
// A path as a command line wants it: in double quotes when it has a blank, unchanged otherwise,
// so "C:\Program Files\x.exe" is neither refused nor taken for C:\Program.exe.
std::string quoteIfBlank(const std::string& path);

}  // namespace platform
