#include "overclock/game_shortcut.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/text.h"
#include "text/catalogue.h"

namespace overclock {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

AcceptedClocks commandLineClocks(ClockService& clock) {
  const ClockRange limits = clock.limits();
  int highest = limits.low - 1;
  while (highest < limits.high && !clock.refusal(highest + 1, ClockRoute::CommandLine)) ++highest;
  AcceptedClocks clocks;
  clocks.any = highest >= limits.low;
  clocks.range = {limits.low, clocks.any ? highest : limits.low};
  clocks.highestLimit = limits.high;
  const auto confirmed = clock.confirmedClock();
  clocks.confirmedAboveDefault = confirmed && *confirmed > clock.factoryDefault();
  return clocks;
}

std::string shortcutArguments(int mhz, const std::string& game) {
  return "/clock " + std::to_string(mhz) + " /run \"" + game + "\"";
}

std::string fileNameOf(const std::string& path) {
  const auto separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string defaultShortcutName(const std::string& game) {
  const std::string name = fileNameOf(trimmedName(game));
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

bool isProgramFileName(const std::string& path) {
  const std::string name = platform::asciiLowered(fileNameOf(path));
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return false;
  const std::string extension = name.substr(dot);
  return extension == ".exe" || extension == ".com" || extension == ".bat";
}

std::string trimmedName(const std::string& name) {
  std::size_t first = 0, last = name.size();
  while (first < last && isBlank(name[first])) ++first;
  while (last > first && isBlank(name[last - 1])) --last;
  return name.substr(first, last - first);
}

std::optional<std::string> shortcutNameProblem(const std::string& name) {
  const std::string bad = platform::format1(text::tr(text::Id::ShortcutNameUnusable), name);
  if (name.empty()) return text::tr(text::Id::ShortcutNameMissing);
  if (name.find_first_not_of('.') == std::string::npos) return bad;
  for (unsigned char c : name)
    if (c < 0x20 || std::string("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string::npos)
      return bad;
  // Windows drops a final dot, so the file would not be the one asked for.
  if (name.back() == '.') return bad;
  // A device's name stays the device whatever extension follows it.
  std::string stem = platform::asciiLowered(name.substr(0, name.find('.')));
  stem = trimmedName(stem);
  static const char* const kDevices[] = {"con", "prn", "aux", "nul", "clock$"};
  for (const char* device : kDevices)
    if (stem == device) return bad;
  if (stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) &&
      stem[3] >= '1' && stem[3] <= '9')
    return bad;
  return std::nullopt;
}

std::string shortcutPath(const std::string& folder, const std::string& name) {
  return platform::inFolder(folder, name + ".lnk");
}

}  // namespace overclock
