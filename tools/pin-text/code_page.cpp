// Code page conversion for pin-text: iconv on Linux, the system's tables on Windows.
#include "code_page.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/text.h"
#else
#include <iconv.h>

#include <cerrno>
#include <vector>
#endif

namespace pintext {

#ifdef _WIN32

std::string argumentToUtf8(const char* argument) {
  const std::string ansi(argument);
  if (ansi.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  if (n <= 0) return ansi;
  std::u16string wide(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                      reinterpret_cast<wchar_t*>(&wide[0]), n);
  return platform::utf16ToUtf8(wide);
}

std::optional<std::string> toCodePage932(const std::string& utf8) {
  if (utf8.empty()) return std::string();
  const std::u16string wide = platform::utf8ToUtf16(utf8);
  const auto* w = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(932, 0, w, length, nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, w, length, &out[0], n, nullptr, nullptr);
  return out;
}

#else

std::string argumentToUtf8(const char* argument) { return argument; }

std::optional<std::string> toCodePage932(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::vector<char> in(utf8.begin(), utf8.end());
  std::string out;
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  char buffer[256];
  bool ok = true;
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

#endif

}  // namespace pintext
