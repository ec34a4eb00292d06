#include "platform/errors.h"

#include "platform/text.h"

namespace platform {

std::string format1(const std::string& pattern, const std::string& argument) {
  const auto at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + argument + pattern.substr(at + 2);
}

std::string formatAll(const std::string& pattern, std::initializer_list<std::string> arguments) {
  std::string message = pattern;
  for (const std::string& argument : arguments) message = format1(message, argument);
  return message;
}

std::string withFullStop(const std::string& message) {
  if (message.empty()) return message;
  const std::u32string chars = utf8ToCodePoints(message);
  if (!chars.empty() && chars.back() > U'.') return message + ".";
  return message;
}

}  // namespace platform
