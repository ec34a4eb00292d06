// The doubles that keep real files on the host: text files, folders, temporary folders and the
// shortcuts written as files.
#include "fakes.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/file_limits.h"
#include "platform/text.h"

#include <dirent.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace doubles {

namespace {

// The program writes Windows paths ("folder\\file"); on Linux the folder separator is "/".
std::string hostPath(std::string path) {
#ifndef _WIN32
  for (char& c : path)
    if (c == '\\') c = '/';
#endif
  return path;
}

std::string slurp(const std::string& path) {
  std::ifstream in(hostPath(path), std::ios::binary);
  if (!in) throw platform::UserError(platform::format1("ファイル %s は開けません", path));
  in.seekg(0, std::ios::end);
  platform::refuseOversizedFile(path, static_cast<std::uint64_t>(in.tellg()));
  in.seekg(0, std::ios::beg);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

}  // namespace

std::vector<std::string> PlainTextFiles::readLines(const std::string& path) {
  return platform::splitLines(slurp(path));
}

std::vector<std::string> PlainTextFiles::readRawLines(const std::string& path) {
  return platform::splitLines(slurp(path));
}

namespace {

// A file whose write permission is off, as a read-only file is on Windows (root included: the
// mode bits, not access(), which lets root write anything).
bool readOnly(const std::string& hostFile) {
  struct stat info {};
  if (stat(hostFile.c_str(), &info) != 0) return false;
#ifdef _WIN32
  return (info.st_mode & _S_IWRITE) == 0;
#else
  return (info.st_mode & S_IWUSR) == 0;
#endif
}

platform::UserError cannotCreate(const std::string& path) {
  return platform::UserError(platform::format1("ファイル %s を作成できません", path));
}

}  // namespace

void PlainTextFiles::writeLines(const std::string& path, const std::vector<std::string>& lines) {
  writeRawLines(path, lines);
}

void PlainTextFiles::writeRawLines(const std::string& path,
                                   const std::vector<std::string>& lines) {
  const std::string target = hostPath(path);
  if (readOnly(target)) throw cannotCreate(path);
  const std::string aside = target + ".new";
  {
    std::ofstream out(aside, std::ios::binary | std::ios::trunc);
    if (!out) throw cannotCreate(path);
    for (const auto& line : lines) out << line << "\r\n";
    if (!out.flush()) {
      std::remove(aside.c_str());
      throw cannotCreate(path);
    }
  }
  std::remove(target.c_str());
  if (std::rename(aside.c_str(), target.c_str()) != 0) throw cannotCreate(path);
}

void PlainTextFiles::moveOver(const std::string& from, const std::string& target) {
  const std::string hostFrom = hostPath(from);
  const std::string hostTarget = hostPath(target);
  if (readOnly(hostTarget)) {
    std::remove(hostFrom.c_str());
    throw cannotCreate(target);
  }
  std::remove(hostTarget.c_str());
  if (std::rename(hostFrom.c_str(), hostTarget.c_str()) != 0) {
    std::remove(hostFrom.c_str());
    throw cannotCreate(target);
  }
}

void PlainTextFiles::remove(const std::string& path) { std::remove(hostPath(path).c_str()); }

bool PlainFolders::makeFolder(const std::string& path) {
  const std::string host = hostPath(path);
#ifdef _WIN32
  _mkdir(host.c_str());
#else
  mkdir(host.c_str(), 0777);
#endif
  struct stat info {};
  return stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PlainFolders::fileExists(const std::string& path) {
  struct stat info {};
  return stat(hostPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<std::string> PlainFolders::fileNames(const std::string& folder) {
  std::vector<std::string> names;
  const std::string host = hostPath(folder);
  DIR* dir = opendir(host.c_str());
  if (!dir) return names;
  while (const dirent* entry = readdir(dir)) {
    struct stat info {};
    const std::string name = entry->d_name;
    if (stat((host + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
      names.push_back(name);
  }
  closedir(dir);
  return names;
}

TempFolder::TempFolder() {
#ifdef _WIN32
  char base[260];
  const char* tmp = std::getenv("TEMP");
  std::snprintf(base, sizeof base, "%s\\corvane-XXXXXX", tmp ? tmp : ".");
  if (!_mktemp(base) || _mkdir(base) != 0) throw std::runtime_error("no temp folder");
  path_ = base;
#else
  char base[] = "/tmp/corvane-XXXXXX";
  if (!mkdtemp(base)) throw std::runtime_error("no temp folder");
  path_ = base;
#endif
}

TempFolder::~TempFolder() {
#ifdef _WIN32
  std::system(("rmdir /s /q \"" + path_ + "\" >NUL 2>&1").c_str());
#else
  std::system(("rm -rf '" + path_ + "'").c_str());
#endif
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(hostPath(file(name)), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string TempFolder::read(const std::string& name) const {
  std::ifstream in(hostPath(file(name)), std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

bool TempFolder::exists(const std::string& name) const {
  std::ifstream in(hostPath(file(name)), std::ios::binary);
  return static_cast<bool>(in);
}

std::optional<std::string> RecordingShortcuts::folderOf(platform::ShortcutPlace place) {
  const auto found = folders.find(place);
  if (found == folders.end()) return std::nullopt;
  return found->second;
}

void RecordingShortcuts::write(const std::string& path, const platform::ShortcutLink& link) {
  if (refuse) throw cannotCreate(path);
  // A real file, so that the window finds it there next time.
  PlainTextFiles().writeRawLines(path, {link.target, link.arguments, link.workingFolder,
                                        link.iconFile + "," + std::to_string(link.iconIndex),
                                        link.comment});
  written.emplace_back(path, link);
}

}  // namespace doubles
