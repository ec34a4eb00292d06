#pragma once
// What corvane.exe is asked to do from a shortcut or a batch file: its switches, read. Windows
// conventions: a switch starts with "/" or "-", in any letter case, in any order; a path with
// blanks comes in double quotes. Everything after the program that /run names is that program's.
#include <string>

namespace overclock {

enum class CommandLineAction {
  OpenWindow,      // no clock switch: the program opens its window as ever
  ShowUsage,       // /?
  SetClock,        // /clock N
  RestoreDefault,  // /default
  RunGame,         // /clock N /run "program" [its arguments]
  Refused,         // bad input: `problem` says what was wrong
};

struct CommandLineRequest {
  CommandLineAction action = CommandLineAction::OpenWindow;
  int clockMhz = 0;              // SetClock and RunGame: a clock the command tables have a row for
  std::string program;           // RunGame: the path as given, without its quotes
  std::string programArguments;  // RunGame: the rest of the command line, exactly as typed
  std::string problem;           // Refused: in the interface language, the problem and its fix
  // Refused: the usage follows the problem, when the switches themselves were not understood (an
  // unknown switch, a program given without any switch). Other refusals say all that is needed.
  bool withUsage = false;
  // Refused for a number of MHz that no command table has a row for: that number (the run then
  // names the range the active profile allows, which the parser cannot know).
  int clockOutsideTables = 0;
};

// `commandLine` is what the program receives after its own name. /ja and /en are the
// language's (text/language.h) and are passed over here.
CommandLineRequest parseCommandLine(const std::string& commandLine);

// The usage, in the interface language, as /? shows it and a refusal with `withUsage` ends.
std::string commandLineUsage();

}  // namespace overclock
