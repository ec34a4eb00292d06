#pragma once
// The game a clock is set for from the command line, waited for until it ends. The real one
// lives in platform/win32; the test double in tests/doubles.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

class ProgramRunner {
 public:
  virtual ~ProgramRunner() = default;

  // The full path of an existing file (not a folder); a relative path is taken from the current
  // folder. Nothing when there is no such file.
  virtual std::optional<std::string> existingFile(const std::string& path) = 0;

  enum class Ending { NotStarted, Ended, SessionEnding };
  struct Outcome {
    Ending ending = Ending::NotStarted;
    std::uint32_t error = 0;  // NotStarted: the system's error number
  };
  // Starts `program` with `arguments` in `folder` and waits, using no processor time, until it
  // has ended or Windows ends the session. In the latter case `sessionEnding` runs before this
  // returns, while Windows still waits for the program (it ends the process soon after).
  virtual Outcome runUntilEnded(const std::string& program, const std::string& arguments,
                                const std::string& folder,
                                const std::function<void()>& sessionEnding) = 0;
};

}  // namespace platform
