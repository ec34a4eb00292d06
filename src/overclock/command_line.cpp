#include "overclock/command_line.h"

#include <cstddef>
#include <optional>

#include "overclock/clock_commands.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "text/catalogue.h"

namespace overclock {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string lowered(std::string word) {
  for (char& c : word)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return word;
}

// One word of the command line: where it ends, and its text without the quotes.
struct Word {
  std::string text;
  std::string typed;  // as it stands on the command line, quotes and all
  std::size_t end = 0;
};

// The next word from `at`, or an empty one at the end of the line. A quoted part ("C:\Program
// Files\...") is one word with its blanks; the quotes themselves are not part of it.
Word nextWord(const std::string& line, std::size_t at) {
  while (at < line.size() && isBlank(line[at])) ++at;
  Word word;
  bool quoted = false;
  std::size_t end = at;
  for (; end < line.size() && (quoted || !isBlank(line[end])); ++end) {
    if (line[end] == '"') quoted = !quoted;
    else word.text.push_back(line[end]);
  }
  word.typed = line.substr(at, end - at);
  word.end = end;
  return word;
}

bool looksLikeSwitch(const std::string& word) {
  return word.size() > 1 && (word[0] == '/' || word[0] == '-');
}

// `end` is lower-case (or no letters at all, as a sentence's end).
bool endsWithNoCase(const std::string& word, const std::string& end) {
  return word.size() >= end.size() && lowered(word.substr(word.size() - end.size())) == end;
}

bool allDigits(const std::string& word) {
  if (word.empty()) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string tr1(text::Id id, const std::string& argument) {
  return platform::format1(text::tr(id), argument);
}

// A message box shows the refusal as it is: it ends as a sentence of the language ends (the
// page's messages leave that to the error box, which adds ".").
std::string asSentence(const std::string& message) {
  const std::string stop = text::tr(text::Id::SentenceEnd);
  return endsWithNoCase(message, stop) ? message : message + stop;
}

CommandLineRequest refused(const std::string& problem, bool withUsage = false) {
  CommandLineRequest request;
  request.action = CommandLineAction::Refused;
  request.problem = asSentence(problem);
  request.withUsage = withUsage;
  return request;
}

// Every "%s" of the pattern becomes `argument`.
std::string trAll(text::Id id, const std::string& argument) {
  std::string out = text::tr(id);
  for (auto at = out.find("%s"); at != std::string::npos; at = out.find("%s", at + argument.size()))
    out.replace(at, 2, argument);
  return out;
}


// A name Windows 95/98 starts as a program (what a game's icon dropped on corvane.exe gives).
bool looksLikeProgram(const std::string& word) {
  for (const char* end : {".exe", ".com", ".bat", ".pif", ".lnk"})
    if (endsWithNoCase(word, end)) return true;
  return false;
}

// "/run C:\Games\My Game\game.exe" without quotes: the path stops at the first blank. When a
// later word of the line ends like a program, the path most likely ran on to it: the path as it
// was probably meant, or nothing.
std::optional<std::string> pathCutAtABlank(const Word& target, const std::string& line) {
  if (target.typed.find('"') != std::string::npos || looksLikeProgram(target.text))
    return std::nullopt;
  for (std::size_t at = target.end; at < line.size();) {
    const Word next = nextWord(line, at);
    if (next.typed.empty() || next.typed.find('"') != std::string::npos) break;
    if (looksLikeProgram(next.text)) {
      const std::size_t start = target.end - target.typed.size();
      return line.substr(start, next.end - start);
    }
    at = next.end;
  }
  return std::nullopt;
}

// A clock as typed: a whole number of MHz that the tables have a row for, or why not.
bool readClock(const Word& value, int& mhz, std::string& problem) {
  mhz = 0;
  if (value.typed.empty() || looksLikeSwitch(value.typed)) {
    problem = text::tr(text::Id::CommandLineClockMissing);
    return false;
  }
  if (!allDigits(value.text)) {
    // "120MHz": the number is right, the unit is one word too many.
    const std::string number =
        endsWithNoCase(value.text, "mhz") ? value.text.substr(0, value.text.size() - 3) : "";
    problem = allDigits(number) ? tr1(text::Id::CommandLineClockWithUnit, number)
                                : tr1(text::Id::CommandLineClockNotNumber, value.text);
    return false;
  }
  // Leading zeros say nothing; more than six digits is no clock at all, and stays out of an int.
  const std::size_t first = value.text.find_first_not_of('0');
  const std::string digits = first == std::string::npos ? "0" : value.text.substr(first);
  if (digits.size() > 6) {
    problem = tr1(text::Id::CommandLineClockNotNumber, value.text);
    return false;
  }
  mhz = 0;
  for (char c : digits) mhz = mhz * 10 + (c - '0');
  if (!clockArgument(ClockToolKind::G200clk, mhz)) {
    problem = clockOutOfRangeMessage(mhz);
    return false;
  }
  return true;
}

}  // namespace

CommandLineRequest parseCommandLine(const std::string& commandLine) {
  bool help = false, defaultClock = false, run = false;
  int clocks = 0;
  int mhz = 0;
  std::string program, programArguments, problem;
  bool withUsage = false;  // the switches themselves were not understood
  int outsideTables = 0;   // the first problem is this number, which no table has a row for

  // The first problem is the one reported; the rest of the line is still read for "/?".
  auto note = [&problem, &withUsage](const std::string& what, bool usage = false) {
    if (!problem.empty()) return;
    problem = what;
    withUsage = usage;
  };
  std::size_t at = 0;
  for (;;) {
    const Word word = nextWord(commandLine, at);
    if (word.typed.empty()) break;
    at = word.end;
    if (!looksLikeSwitch(word.typed)) {
      // A program and nothing else: a game dropped on corvane.exe, or a shortcut without /run.
      if (nextWord(commandLine, at).typed.empty() && looksLikeProgram(word.text) &&
          problem.empty() && clocks == 0 && !defaultClock)
        note(trAll(text::Id::CommandLineWhichClock, word.text), true);
      else
        note(tr1(text::Id::CommandLineUnknownSwitch, word.text), true);
      continue;
    }
    const std::string name = lowered(word.typed.substr(1));
    if (name == "?") {
      help = true;
    } else if (name == "ja" || name == "en") {
      // The language's: chosen before any window (text/language.h).
    } else if (name == "default") {
      if (defaultClock) note(tr1(text::Id::CommandLineSwitchTwice, word.typed));
      defaultClock = true;
    } else if (name == "clock") {
      const Word value = nextWord(commandLine, at);
      if (++clocks > 1) note(tr1(text::Id::CommandLineSwitchTwice, word.typed));
      std::string why;
      if (readClock(value, mhz, why)) at = value.end;
      else {
        if (problem.empty()) outsideTables = mhz;
        note(why);
        // A missing value leaves the next switch to be read as one.
        if (!value.typed.empty() && !looksLikeSwitch(value.typed)) at = value.end;
      }
    } else if (name == "run") {
      run = true;
      const Word target = nextWord(commandLine, at);
      if (target.text.empty()) {
        note(text::tr(text::Id::CommandLineProgramMissing));
        break;
      }
      if (const auto meant = pathCutAtABlank(target, commandLine)) {
        note(trAll(text::Id::CommandLinePathInQuotes, *meant));
        break;
      }
      program = target.text;
      // The game's own arguments go to it exactly as they were typed.
      std::size_t rest = target.end;
      while (rest < commandLine.size() && isBlank(commandLine[rest])) ++rest;
      programArguments = commandLine.substr(rest);
      break;
    } else {
      note(tr1(text::Id::CommandLineUnknownSwitch, word.typed), true);
    }
  }

  if (help) {
    CommandLineRequest request;
    request.action = CommandLineAction::ShowUsage;
    return request;
  }
  if (!problem.empty()) {
    CommandLineRequest request = refused(problem, withUsage);
    request.clockOutsideTables = outsideTables;
    return request;
  }
  if (defaultClock && (clocks > 0 || run))
    return refused(text::tr(text::Id::CommandLineDefaultAlone));
  if (run && clocks == 0) return refused(text::tr(text::Id::CommandLineRunWithoutClock));

  CommandLineRequest request;
  if (defaultClock) {
    request.action = CommandLineAction::RestoreDefault;
  } else if (run) {
    request.action = CommandLineAction::RunGame;
    request.clockMhz = mhz;
    request.program = program;
    request.programArguments = programArguments;
  } else if (clocks > 0) {
    request.action = CommandLineAction::SetClock;
    request.clockMhz = mhz;
  }
  return request;
}

std::string commandLineUsage() { return text::tr(text::Id::CommandLineUsage); }

}  // namespace overclock
