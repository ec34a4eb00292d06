#pragma once
// The real shortcuts: the shell's own folders and IShellLinkA with IPersistFile. OLE32 and
// SHELL32 are loaded when a shortcut is made, not at start-up.
#include "platform/shortcuts.h"

namespace platform::win32 {

class Win32Shortcuts : public Shortcuts {
 public:
  std::optional<std::string> folderOf(ShortcutPlace place) override;
  void write(const std::string& path, const ShortcutLink& link) override;
  std::string runningProgram() override;
};

}  // namespace platform::win32
