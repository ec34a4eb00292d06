// corvane.exe's command line from a shortcut or a batch file: any bytes read as switches, in
// either language. Every line is either refused with a reason or a request that can be carried
// out: a clock the tables have a row for, a program named, its arguments exactly as typed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "overclock/clock_commands.h"
#include "overclock/command_line.h"
#include "text/catalogue.h"

namespace {

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the language; the rest is the command line.
  text::setLanguage(data[0] & 1 ? text::Language::English : text::Language::Japanese);
  const std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);
  const overclock::CommandLineRequest request = overclock::parseCommandLine(line);
  using A = overclock::CommandLineAction;

  const overclock::CommandLineRequest again = overclock::parseCommandLine(line);
  FUZZ_CHECK(again.action == request.action && again.problem == request.problem &&
             again.clockMhz == request.clockMhz && again.program == request.program &&
             again.programArguments == request.programArguments);

  FUZZ_CHECK((request.action == A::Refused) == !request.problem.empty());
  if (request.action == A::SetClock || request.action == A::RunGame) {
    FUZZ_CHECK(request.clockMhz >= overclock::kLowestTableClock &&
               request.clockMhz <= overclock::kHighestTableClock);
  } else {
    FUZZ_CHECK(request.clockMhz == 0);
  }
  if (request.action == A::RunGame) {
    FUZZ_CHECK(!request.program.empty());
    FUZZ_CHECK(request.program.find('"') == std::string::npos);
    // The game's arguments are the end of the line, untouched, without blanks before them.
    FUZZ_CHECK(endsWith(line, request.programArguments));
    FUZZ_CHECK(request.programArguments.empty() || (request.programArguments[0] != ' ' &&
                                                    request.programArguments[0] != '\t'));
  } else {
    FUZZ_CHECK(request.program.empty() && request.programArguments.empty());
  }
  if (request.action == A::ShowUsage) FUZZ_CHECK(line.find('?') != std::string::npos);
  if (request.action == A::OpenWindow) {
    // Nothing but blanks and the language's own switches.
    std::string word;
    for (std::size_t i = 0; i <= line.size(); ++i) {
      const char c = i < line.size() ? line[i] : ' ';
      if (c != ' ' && c != '\t') {
        word.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        continue;
      }
      FUZZ_CHECK(word.empty() || word == "/ja" || word == "-ja" || word == "/en" || word == "-en");
      word.clear();
    }
  }
  FUZZ_CHECK(!overclock::commandLineUsage().empty());
  return 0;
}
