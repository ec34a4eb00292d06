#include "platform/win32/ansi.h"

#include <windows.h>

#include "platform/text.h"

namespace platform::win32 {

std::string toAnsi(const std::string& utf8) {
  if (utf8.empty()) return {};
  const std::u16string wide = utf8ToUtf16(utf8);
  const auto* w = reinterpret_cast<const wchar_t*>(wide.data());
  const int n = WideCharToMultiByte(CP_ACP, 0, w, static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, w, static_cast<int>(wide.size()), &out[0], n, nullptr,
                        nullptr);
  return out;
}

std::string fromAnsi(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                    nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(n > 0 ? n : 0), u'\0');
  if (n > 0)
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                        reinterpret_cast<wchar_t*>(&wide[0]), n);
  return utf16ToUtf8(wide);
}

}  // namespace platform::win32
