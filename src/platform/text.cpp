#include "platform/text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform {

std::u32string utf8ToCodePoints(const std::string& utf8) {
  std::u32string out;
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    size_t extra = 0;
    char32_t cp = lead;
    char32_t lowest = 0;  // the first code point that needs this many bytes
    bool ok = true;
    if (lead >= 0xF5) ok = false;  // F5 to FF: never a lead
    else if (lead >= 0xF0) { extra = 3; cp = lead & 0x07; lowest = 0x10000; }
    else if (lead >= 0xE0) { extra = 2; cp = lead & 0x0F; lowest = 0x800; }
    else if (lead >= 0xC2) { extra = 1; cp = lead & 0x1F; lowest = 0x80; }
    else if (lead >= 0x80) ok = false;  // a continuation byte, C0 or C1: never a lead
    ok = ok && i + extra < utf8.size();
    for (size_t k = 1; ok && k <= extra; ++k) {
      const unsigned char c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) ok = false;
      else cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and values beyond U+10FFFF are not text either.
    ok = ok && cp >= lowest && !(cp >= 0xD800 && cp < 0xE000) && cp <= 0x10FFFF;
    if (!ok) {  // a stray byte stands for itself as U+FFFD; decoding goes on after it
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

std::string codePointsToUtf8(const std::u32string& chars) {
  std::string out;
  for (char32_t cp : chars) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::u16string utf8ToUtf16(const std::string& utf8) {
  std::u16string out;
  for (char32_t cp : utf8ToCodePoints(utf8)) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string utf16ToUtf8(const std::u16string& utf16) {
  std::u32string chars;
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    chars.push_back(c);
  }
  return codePointsToUtf8(chars);
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  bool pending = false;  // characters since the last break
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      pending = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line.push_back(c);
      pending = true;
    }
  }
  if (pending) lines.push_back(line);
  return lines;
}

std::string clipForDisplay(const std::string& text, std::size_t limit) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // inside a character
    if (characters == limit) return text.substr(0, i) + "\xE2\x80\xA6";  // "…"
    ++characters;
  }
  return text;
}

std::optional<int> wholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno != 0 || value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::string zeroPadded(int value, int width) {
  // Through long long, so that the magnitude of INT_MIN fits.
  const long long number = value;
  std::string digits = std::to_string(number < 0 ? -number : number);
  const std::size_t sign = number < 0 ? 1 : 0;
  if (width > 0 && digits.size() + sign < static_cast<std::size_t>(width))
    digits.insert(0, static_cast<std::size_t>(width) - sign - digits.size(), '0');
  return sign ? "-" + digits : digits;
}

std::string folderOfPath(const std::string& path) {
  const auto separator = path.find_last_of("\\/");
  if (separator == std::string::npos) return "";
  if (separator == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, separator);
}

std::string inFolder(const std::string& folder, const std::string& fileName) {
  if (folder.empty() || folder.back() == '\\') return folder + fileName;
  return folder + "\\" + fileName;
}

std::string asciiLowered(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool hasBlank(const std::string& text) {
  return text.find_first_of(" \t") != std::string::npos;
}

std::string quoteIfBlank(const std::string& path) {
  return hasBlank(path) ? "\"" + path + "\"" : path;
}

}  // namespace platform
