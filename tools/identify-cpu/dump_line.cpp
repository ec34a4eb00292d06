// Strict reading of identify-cpu's input: a wrong field is reported, never guessed at.
#include "dump_line.h"

#include <limits>
#include <vector>

namespace identify {

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t')
      fields.emplace_back();
    else
      fields.back().push_back(c);
  }
  return fields;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool parseHex32(const std::string& field, const char* what, std::uint32_t& out,
                std::string& error) {
  std::size_t at = 0;
  if (field.size() >= 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X')) at = 2;
  const std::size_t digits = field.size() - at;
  if (digits == 0 || digits > 8) {
    error = std::string(what) + " must be 1 to 8 hex digits: \"" + field + "\"";
    return false;
  }
  std::uint32_t value = 0;
  for (; at < field.size(); ++at) {
    const int digit = hexDigit(field[at]);
    if (digit < 0) {
      error = std::string(what) + " is not hexadecimal: \"" + field + "\"";
      return false;
    }
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  out = value;
  return true;
}

bool parseMhz(const std::string& field, int& out, std::string& error) {
  if (field.empty()) {
    out = 0;
    return true;
  }
  long long value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') {
      error = "mhz must be a whole number of MHz: \"" + field + "\"";
      return false;
    }
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int>::max()) {
      error = "mhz is too large: \"" + field + "\"";
      return false;
    }
  }
  out = static_cast<int>(value);
  return true;
}

}  // namespace

bool parseDumpLine(const std::string& line, DumpLine& out, std::string& error) {
  const std::vector<std::string> fields = splitTabs(line);
  if (fields.size() != 5) {
    error = "expected 5 tab-separated fields (vendor, max_leaf, leaf1_eax, leaf1_edx, mhz), got " +
            std::to_string(fields.size());
    return false;
  }
  DumpLine parsed;
  parsed.vendor = fields[0];
  if (!parseHex32(fields[1], "max_leaf", parsed.maxLeaf, error) ||
      !parseHex32(fields[2], "leaf1_eax", parsed.leaf1Eax, error) ||
      !parseHex32(fields[3], "leaf1_edx", parsed.leaf1Edx, error) ||
      !parseMhz(fields[4], parsed.mhz, error))
    return false;
  out = parsed;
  return true;
}

std::string cpuidVendorBytes(const std::string& vendor) {
  if (vendor.size() == 12) return vendor;
  std::string bytes = vendor.substr(0, 11);
  bytes.resize(12, '\0');
  return bytes;
}

}  // namespace identify
