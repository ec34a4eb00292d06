#include "settings/driver_backups.h"

#include <algorithm>

#include "platform/errors.h"
#include "text/catalogue.h"

namespace settings {
namespace {

constexpr const char* kFolderName = "Backup";

bool isDigits(const std::string& text, std::size_t from, std::size_t count) {
  if (from + count > text.size()) return false;
  for (std::size_t i = from; i < from + count; ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

// "20261207_143005.reg", or "20261207_143005_01.reg" for a second one in the same second: the
// names sort as the backups were made.
bool isBackupName(const std::string& name) {
  const bool plain = name.size() == 19 && name.compare(15, 4, ".reg") == 0;
  const bool numbered = name.size() == 22 && name[15] == '_' && isDigits(name, 16, 2) &&
                        name.compare(18, 4, ".reg") == 0;
  return (plain || numbered) && isDigits(name, 0, 8) && name[8] == '_' && isDigits(name, 9, 6);
}

// The number in `count` decimal digits, leading zeros and all.
std::string decimal(int value, int count) {
  std::string out(std::size_t(count), '0');
  for (std::size_t i = out.size(); i-- > 0 && value > 0; value /= 10)
    out[i] = char('0' + value % 10);
  return out;
}

std::string stamp(const platform::Moment& m) {
  return decimal(m.date.year, 4) + decimal(m.date.month, 2) + decimal(m.date.day, 2) + "_" +
         decimal(m.hour, 2) + decimal(m.minute, 2) + decimal(m.second, 2);
}

std::string whenOf(const std::string& name) {
  return name.substr(0, 4) + "/" + name.substr(4, 2) + "/" + name.substr(6, 2) + " " +
         name.substr(9, 2) + ":" + name.substr(11, 2) + ":" + name.substr(13, 2);
}

}  // namespace

DriverBackups::DriverBackups(platform::Services& services) : services_(services) {}

std::string DriverBackups::folder() const {
  const std::string& program = services_.programFolder;
  const bool endsWithSeparator = !program.empty() && program.back() == '\\';
  return program + (endsWithSeparator ? "" : "\\") + kFolderName;
}

std::vector<std::string> DriverBackups::names() {
  std::vector<std::string> found;
  for (const auto& name : services_.folders.fileNames(folder()))
    if (isBackupName(name)) found.push_back(name);
  std::sort(found.begin(), found.end());
  return found;
}

void DriverBackups::save() {
  const Snapshot snapshot = readSnapshot(services_.registry);
  const std::string base = stamp(services_.calendar.now());
  std::vector<std::string> existing = names();
  std::string name = base + ".reg";
  for (int n = 1; std::binary_search(existing.begin(), existing.end(), name); ++n) {
    if (n > 99)
      throw platform::UserError(platform::format1(text::tr(text::Id::ErrorCannotCreateFile), name));
    name = base + "_" + decimal(n, 2) + ".reg";
  }
  const std::string path = folder() + "\\" + name;
  try {
    if (!services_.folders.makeFolder(folder()))
      throw platform::UserError(platform::format1(text::tr(text::Id::ErrorCannotCreateFile), path));
    services_.files.writeLines(path, backupFileLines(snapshot));
  } catch (const platform::UserError& e) {
    throw platform::UserError(std::string(e.what()) + "\n" +
                              text::tr(text::Id::ErrorBackupNotSaved));
  }
  existing.push_back(name);
  std::sort(existing.begin(), existing.end());
  // Older backups beyond the newest 20 go; one that cannot be deleted stays, harmlessly.
  for (std::size_t i = 0; i + kKept < existing.size(); ++i)
    services_.files.remove(folder() + "\\" + existing[i]);
  if (onSaved) onSaved();
}

void DriverBackups::saveBeforeFirstBoxWrite() {
  if (boxWriteSaved_) return;
  save();
  boxWriteSaved_ = true;
}

bool DriverBackups::any() { return !names().empty(); }

std::optional<BackupFile> DriverBackups::newest() {
  const auto all = names();
  if (all.empty()) return std::nullopt;
  return BackupFile{folder() + "\\" + all.back(), whenOf(all.back())};
}

Snapshot DriverBackups::load(const BackupFile& file) {
  const auto snapshot = parseBackupFile(services_.files.readLines(file.path));
  if (!snapshot)
    throw platform::UserError(
        platform::format1(text::tr(text::Id::ErrorBackupDamaged), file.path));
  return *snapshot;
}

}  // namespace settings
