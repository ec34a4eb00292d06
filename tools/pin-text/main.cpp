// pin-text: prints the PIN text the wizard's generator makes from the given choices, byte for
// byte as a saved PIN file holds it.
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "code_page.h"
#include "options.h"

namespace {

platform::Date today() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  platform::Date date;
  if (local) {
    date.day = local->tm_mday;
    date.month = local->tm_mon + 1;
    date.year = local->tm_year + 1900;
  }
  return date;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = pintext::argumentsInUtf8(argc, argv);

  pintext::Request request;
  try {
    request = pintext::parseArguments(arguments, today());
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "pin-text: %s\n%s", e.what(), pintext::kUsage);
    return 2;
  }
  if (request.help) {
    std::fputs(pintext::kUsage, stdout);
    return 0;
  }

  std::string text;
  for (const auto& line : pins::buildPinText(request.choices, request.date)) text += line + "\r\n";
  const auto bytes = pintext::toCodePage932(text);
  if (!bytes) {
    std::fputs("pin-text: the serial number has characters that code page 932 does not have\n",
               stderr);
    return 1;
  }
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // CR LF as written, not CR CR LF
#endif
  if (std::fwrite(bytes->data(), 1, bytes->size(), stdout) != bytes->size() ||
      std::fflush(stdout) != 0) {
    std::fputs("pin-text: cannot write the text\n", stderr);
    return 1;
  }
  return 0;
}
