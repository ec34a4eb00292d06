#pragma once
// The two Run lists Windows starts programs from: the clock at every start (for every user) and
// QuickDesk when this user logs on. One entry of the program's each.
#include <string>

#include "stored/registry_key.h"

namespace stored {

class RunEntry {
 public:
  bool registered() { return key_.has(name_); }
  // A missing entry is fine; one that stays is the store's deletion error.
  void unregister() { key_.remove(name_); }

 protected:
  RunEntry(Registry& registry, const Location& list, const char* name,
           Access access)
      : key_(registry, list, access), name_(name) {}
  void registerLine(const std::string& commandLine) { key_.writeText(name_, commandLine); }

 private:
  RegistryKey key_;
  const char* name_;
};

// "G200 OverClock" in the machine's Run list: the clock tool at every Windows start.
class ClockStartup : public RunEntry {
 public:
  explicit ClockStartup(Registry& registry);
  void registerClock(const std::string& commandLine) { registerLine(commandLine); }
};

// "Matrox QuickDesk" in the user's Run list.
class QuickDeskStartup : public RunEntry {
 public:
  explicit QuickDeskStartup(Registry& registry,
                            Access access = Access::CreateIfMissing);
  void registerProgram(const std::string& commandLine) { registerLine(commandLine); }

  static const Location& list() { return keys::kUserRun; }
  static const char* valueName();
};

}  // namespace stored
