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

namespace {

std::string ansiToUtf8(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  if (n <= 0) return ansi;
  std::u16string wide(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                      reinterpret_cast<wchar_t*>(&wide[0]), n);
  return platform::utf16ToUtf8(wide);
}

// The UTF-16 command line, or nothing where it is a stub (Windows 95/98). Looked up at run
// time, so the tool still loads there.
std::optional<std::u16string> wideCommandLine() {
  using GetCommandLineWFn = LPWSTR(WINAPI*)();
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto get = kernel ? reinterpret_cast<GetCommandLineWFn>(
                                reinterpret_cast<void*>(GetProcAddress(kernel, "GetCommandLineW")))
                          : nullptr;
  const wchar_t* line = get ? get() : nullptr;
  if (!line || !*line) return std::nullopt;
  return std::u16string(reinterpret_cast<const char16_t*>(line));
}

}  // namespace

std::vector<std::string> argumentsInUtf8(int argc, char** argv) {
  std::vector<std::string> arguments;
  if (const auto line = wideCommandLine()) {
    const std::vector<std::u16string> words = splitCommandLine(*line);
    // The same count as the runtime found, or the runtime split differently: trust it then.
    if (static_cast<int>(words.size()) == argc) {
      for (std::size_t i = 1; i < words.size(); ++i)
        arguments.push_back(platform::utf16ToUtf8(words[i]));
      return arguments;
    }
  }
  for (int i = 1; i < argc; ++i) arguments.push_back(ansiToUtf8(argv[i]));
  return arguments;
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
  // The system's "best fit" puts a near character in place of a missing one (U for Ü) without
  // calling it lossy, and Windows 95/98 know no flag against it: the text must come back as it
  // went.
  const int back = MultiByteToWideChar(932, 0, out.data(), n, nullptr, 0);
  std::u16string again(static_cast<std::size_t>(back > 0 ? back : 0), u'\0');
  if (back > 0)
    MultiByteToWideChar(932, 0, out.data(), n, reinterpret_cast<wchar_t*>(&again[0]), back);
  if (again != wide) return std::nullopt;
  return out;
}

#else

std::vector<std::string> argumentsInUtf8(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

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

std::vector<std::u16string> splitCommandLine(const std::u16string& line) {
  std::vector<std::u16string> words;
  std::size_t at = 0;
  const auto blank = [&](std::size_t i) { return line[i] == u' ' || line[i] == u'\t'; };
  // The program's name.
  std::u16string name;
  if (at < line.size() && line[at] == u'"') {
    for (++at; at < line.size() && line[at] != u'"'; ++at) name.push_back(line[at]);
    if (at < line.size()) ++at;
  } else {
    for (; at < line.size() && !blank(at); ++at) name.push_back(line[at]);
  }
  words.push_back(name);
  while (true) {
    while (at < line.size() && blank(at)) ++at;
    if (at >= line.size()) break;
    std::u16string word;
    bool quoted = false;
    while (at < line.size() && (quoted || !blank(at))) {
      if (line[at] == u'\\') {
        std::size_t slashes = 0;
        while (at < line.size() && line[at] == u'\\') ++slashes, ++at;
        if (at < line.size() && line[at] == u'"') {
          word.append(slashes / 2, u'\\');
          if (slashes % 2) {
            word.push_back(u'"');
            ++at;
          }
        } else {
          word.append(slashes, u'\\');
        }
      } else if (line[at] == u'"') {
        if (quoted && at + 1 < line.size() && line[at + 1] == u'"') {
          word.push_back(u'"');
          at += 2;
        } else {
          quoted = !quoted;
          ++at;
        }
      } else {
        word.push_back(line[at++]);
      }
    }
    words.push_back(word);
  }
  return words;
}

}  // namespace pintext
