#pragma once
// How much of a file the program is willing to read. Every file it reads (Mystclk.ini, clk.txt,
// the PIN dump) is a few dozen lines; anything far larger is not one of them, and holding it
// would stall the window.
#include <cstdint>
#include <string>

namespace platform {

constexpr std::uint64_t kMaxTextFileBytes = 64 * 1024;

// The message for a file beyond the bound: "ファイル %s は大きすぎます（64KBまで）".
std::string fileTooLargeMessage(const std::string& path);

// Throws UserError with that message when `size` is beyond the bound.
void refuseOversizedFile(const std::string& path, std::uint64_t size);

}  // namespace platform
