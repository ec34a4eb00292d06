#pragma once
// The real ProgramRunner: CreateProcessA, and a wait on the game's process that sleeps until it
// ends or a message comes, with a hidden window that hears Windows end the session.
#include "platform/program_runner.h"

namespace platform::win32 {

class Win32ProgramRunner : public ProgramRunner {
 public:
  std::optional<std::string> existingFile(const std::string& path) override;
  Outcome runUntilEnded(const std::string& program, const std::string& arguments,
                        const std::string& folder,
                        const std::function<void()>& sessionEnding) override;
};

// The class of the hidden window that waits with the game (other programs, and the tests, find
// it by this name).
extern const char* const kGameWatchClass;

}  // namespace platform::win32
