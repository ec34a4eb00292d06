#include "settings/backup_file.h"

#include "platform/errors.h"
#include "text/catalogue.h"

namespace settings {
namespace {

namespace keys = stored::keys;
using stored::managedValues;
using stored::RegistryValue;
using stored::ValueType;

constexpr const char* kHeader = "REGEDIT4";

std::string rootName(stored::RootKey root) {
  switch (root) {
    case stored::RootKey::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case stored::RootKey::CurrentUser: return "HKEY_CURRENT_USER";
    case stored::RootKey::CurrentConfig: return "HKEY_CURRENT_CONFIG";
  }
  return "";
}

std::string sectionLine(const stored::Location& where) {
  return "[" + rootName(where.root) + where.path + "]";
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// Lower-case hex, as regedit writes it (no printf: it would bring the runtime's whole printf).
std::string hexDigits(std::uint32_t value, int count) {
  std::string out(std::size_t(count), '0');
  for (std::size_t i = out.size(); i-- > 0; value >>= 4) out[i] = "0123456789abcdef"[value & 15];
  return out;
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += ',';
    out += hexDigits(bytes[i], 2);
  }
  return out;
}

[[noreturn]] void cannotSave(const std::string& name) {
  throw platform::UserError(platform::format1(text::tr(text::Id::ErrorValueNotBackedUp), name));
}

std::string dataText(const std::string& name, const RegistryValue& value) {
  const std::string text(value.data.begin(), value.data.end());
  switch (value.type) {
    case ValueType::String:
      // A line break or a zero cannot stand inside a regedit string.
      if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) cannotSave(name);
      return quoted(text);
    case ValueType::Dword: {
      if (value.data.size() != 4) cannotSave(name);
      const auto& d = value.data;
      return "dword:" + hexDigits(std::uint32_t(d[0]) | std::uint32_t(d[1]) << 8 |
                                      std::uint32_t(d[2]) << 16 | std::uint32_t(d[3]) << 24,
                                  8);
    }
    case ValueType::Binary:
      return "hex:" + hexBytes(value.data);
    case ValueType::ExpandString: {
      // Stored with its terminating zero; only plain ASCII reads the same in every code page.
      for (unsigned char c : text)
        if (c == 0 || c >= 0x80) cannotSave(name);
      std::vector<std::uint8_t> bytes = value.data;
      bytes.push_back(0);
      return "hex(2):" + hexBytes(bytes);
    }
    case ValueType::Other: break;
  }
  cannotSave(name);
}

// ---- Reading back ---------------------------------------------------------------------------

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "aa,bb,cc" (possibly empty) as bytes.
std::optional<std::vector<std::uint8_t>> parseHexBytes(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  if (text.empty()) return bytes;
  if (text.size() % 3 != 2) return std::nullopt;
  for (std::size_t i = 0; i < text.size(); i += 3) {
    const int high = hexDigit(text[i]), low = hexDigit(text[i + 1]);
    if (high < 0 || low < 0 || (i + 2 < text.size() && text[i + 2] != ',')) return std::nullopt;
    bytes.push_back(std::uint8_t(high * 16 + low));
  }
  return bytes;
}

// A quoted string starting at `at`; `at` moves past its closing quote.
std::optional<std::string> parseQuoted(const std::string& line, std::size_t& at) {
  if (at >= line.size() || line[at] != '"') return std::nullopt;
  std::string text;
  for (++at; at < line.size(); ++at) {
    const char c = line[at];
    if (c == '"') {
      ++at;
      return text;
    }
    if (c == '\\') {
      if (++at >= line.size() || (line[at] != '\\' && line[at] != '"')) return std::nullopt;
    }
    text += line[at];
  }
  return std::nullopt;  // no closing quote: the line was cut short
}

// The data after '=': nothing for "-" (a deletion), else the value; false when unreadable.
bool parseData(const std::string& data, std::optional<RegistryValue>& value) {
  value.reset();
  if (data == "-") return true;
  if (!data.empty() && data[0] == '"') {
    std::size_t at = 0;
    const auto text = parseQuoted(data, at);
    if (!text || at != data.size()) return false;
    value = RegistryValue{ValueType::String, {text->begin(), text->end()}};
    return true;
  }
  if (data.rfind("dword:", 0) == 0) {
    const std::string digits = data.substr(6);
    if (digits.size() != 8) return false;
    std::uint32_t number = 0;
    for (char c : digits) {
      const int d = hexDigit(c);
      if (d < 0) return false;
      number = number * 16 + std::uint32_t(d);
    }
    value = RegistryValue{ValueType::Dword,
                          {std::uint8_t(number), std::uint8_t(number >> 8),
                           std::uint8_t(number >> 16), std::uint8_t(number >> 24)}};
    return true;
  }
  if (data.rfind("hex:", 0) == 0) {
    const auto bytes = parseHexBytes(data.substr(4));
    if (!bytes) return false;
    value = RegistryValue{ValueType::Binary, *bytes};
    return true;
  }
  if (data.rfind("hex(2):", 0) == 0) {
    auto bytes = parseHexBytes(data.substr(7));
    if (!bytes || bytes->empty() || bytes->back() != 0) return false;
    bytes->pop_back();
    value = RegistryValue{ValueType::ExpandString, *bytes};
    return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> backupFileLines(const Snapshot& snapshot) {
  std::vector<std::string> lines = {kHeader, ""};
  for (const bool present : {true, false}) {
    const stored::Location* section = nullptr;
    for (const auto& saved : snapshot) {
      if (saved.value.has_value() != present) continue;
      if (saved.where != section) {
        if (section) lines.push_back("");
        section = saved.where;
        lines.push_back(sectionLine(*section));
      }
      lines.push_back(quoted(saved.name) + "=" +
                      (present ? dataText(saved.name, *saved.value) : std::string("-")));
    }
    if (section) lines.push_back("");
  }
  return lines;
}

std::optional<Snapshot> parseBackupFile(const std::vector<std::string>& lines) {
  // The header first and the closing blank line last: a file cut short lacks the latter.
  if (lines.size() < 2 || lines.front() != kHeader || !lines.back().empty()) return std::nullopt;
  const auto& managed = managedValues();
  Snapshot snapshot;
  for (const auto& m : managed) snapshot.push_back({m.where, m.name, std::nullopt});
  std::vector<bool> seen(managed.size(), false);
  const stored::Location* section = nullptr;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    if (line[0] == '[') {
      section = nullptr;
      for (const auto& m : managed)
        if (line == sectionLine(*m.where)) section = m.where;
      if (!section) return std::nullopt;
      continue;
    }
    std::size_t at = 0;
    const auto name = parseQuoted(line, at);
    // A value before any key matches no managed value below and is refused there.
    if (!name || at >= line.size() || line[at] != '=') return std::nullopt;
    std::optional<RegistryValue> value;
    if (!parseData(line.substr(at + 1), value)) return std::nullopt;
    bool known = false;
    for (std::size_t k = 0; k < managed.size(); ++k) {
      if (managed[k].where != section || *name != managed[k].name) continue;
      if (seen[k]) return std::nullopt;  // named twice
      seen[k] = known = true;
      snapshot[k].value = value;
    }
    if (!known) return std::nullopt;  // not a value Corvane changes
  }
  for (bool s : seen)
    if (!s) return std::nullopt;
  return snapshot;
}

}  // namespace settings
