#pragma once
// Programs that are waited for: the clock tool run from the command line, and the game it is
// overclocked for. The real one lives in platform/win32; the test double in tests/doubles.
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

  // What kStillRunning stands for: the program had not ended when the wait was given up.
  static constexpr std::uint32_t kStillRunning = 259;
  // Runs a command line, shown normally, with `folder` as its current folder, and waits for its
  // end, at most `milliseconds`. Its exit code (kStillRunning when it had not ended), or nothing
  // when it did not start.
  virtual std::optional<std::uint32_t> runAndWait(const std::string& commandLine,
                                                  const std::string& folder,
                                                  std::uint32_t milliseconds) = 0;

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
