#pragma once
// The "Backup" folder beside the program: a regedit file of every value Corvane changes is saved
// there before each bulk change (and before the first single box of a run), newest 20 kept.
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "settings/backup_file.h"
#include "ui/handler.h"

namespace settings {

using stored::readSnapshot;
using stored::writeSnapshot;

// The change a backup was saved before; its file name says it ("20261207_143005-preset.reg").
// Backups of earlier versions carry no such word: Unknown.
enum class BackupAction { Unknown, Preset, Removal, Undo, Box };

struct BackupFile {
  std::string path;
  std::string when;  // "2026/12/07 14:30:05", from the file's name
  BackupAction action = BackupAction::Unknown;
};

class DriverBackups {
 public:
  static constexpr std::size_t kKept = 20;

  explicit DriverBackups(platform::Services& services);

  // Saves the registry's state now, before `action`. Throws UserError when the file cannot be
  // written; the caller then changes nothing.
  void save(BackupAction action);
  // Saves before the first single-box write of this run only.
  void saveBeforeFirstBoxWrite();

  bool any();
  std::optional<BackupFile> newest();
  // The backup the next 元に戻す goes back to: every Undo saved a backup of its own first, so the
  // newest backups that are an Undo's say how many steps back have been taken already; the next
  // step is the backup before the one the last Undo restored. Nothing once every step is taken.
  std::optional<BackupFile> nextToRestore();
  // The snapshot in a backup, or UserError when the file is missing or is not one Corvane wrote.
  Snapshot load(const BackupFile& file);

  // Runs after every save, so that the undo button can follow.
  ui::Handler onSaved;

 private:
  std::string folder() const;
  std::vector<std::string> names();  // backup file names, oldest first
  BackupFile fileOf(const std::string& name) const;

  platform::Services& services_;
  bool boxWriteSaved_ = false;
};

}  // namespace settings
