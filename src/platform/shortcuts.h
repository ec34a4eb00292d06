#pragma once
// Windows shortcuts (.lnk files): where the shell keeps them, and writing one. Only the window
// that makes a game's shortcut uses this.
#include <optional>
#include <string>

namespace platform {

// The shell's folders a shortcut can go to.
enum class ShortcutPlace { Desktop, StartMenuPrograms };

// What a shortcut holds, as its properties page shows it.
struct ShortcutLink {
  std::string target;         // the program it starts
  std::string arguments;      // after the program on the command line
  std::string workingFolder;  // "Start in"
  std::string iconFile;       // whose icon it shows
  int iconIndex = 0;
  std::string comment;        // the tip Explorer shows over it
};

class Shortcuts {
 public:
  virtual ~Shortcuts() = default;
  // The folder of that place for the user now logged on, or nothing when the shell names none.
  virtual std::optional<std::string> folderOf(ShortcutPlace place) = 0;
  // Writes the shortcut to `path` (a .lnk), replacing one that is there only once the new one
  // is complete: nothing half written is ever left. Throws UserError
  // "ファイル %s を作成できません" naming `path`.
  virtual void write(const std::string& path, const ShortcutLink& link) = 0;
  // The program a shortcut to Corvane starts: corvane.exe in its folder, as it runs now.
  virtual std::string runningProgram() = 0;
};

}  // namespace platform
