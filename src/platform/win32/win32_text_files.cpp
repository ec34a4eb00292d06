// Text files read whole (within the size bound) and written whole: a new file is complete before
// it takes the old one's place.
#include "platform/win32/win32_seams.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/file_limits.h"
#include "platform/text.h"
#include "platform/win32/ansi.h"
#include "text/catalogue.h"

namespace platform::win32 {

namespace {

std::string readAll(const std::string& path) {
  const std::string ansiPath = toAnsi(path);
  HANDLE file = CreateFileA(ansiPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw UserError(format1(text::tr(text::Id::ErrorCannotOpenFile), path));
  // The size is asked first, so that a huge file is refused before any of it is read; the
  // count while reading catches one that grows meanwhile.
  DWORD high = 0;
  const DWORD low = GetFileSize(file, &high);
  const bool sizeKnown = !(low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR);
  const std::uint64_t size = (std::uint64_t(high) << 32) | low;
  if (sizeKnown && size > kMaxTextFileBytes) {
    CloseHandle(file);
    throw UserError(fileTooLargeMessage(path));
  }
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0) {
    bytes.append(chunk, got);
    if (bytes.size() > kMaxTextFileBytes) break;
  }
  CloseHandle(file);
  if (!ok) throw UserError(format1(text::tr(text::Id::ErrorCannotOpenFile), path));
  refuseOversizedFile(path, bytes.size());
  return bytes;
}

bool writeFile(const std::string& ansiPath, const std::string& bytes) {
  HANDLE file = CreateFileA(ansiPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                            nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file);
  return CloseHandle(file) && ok;
}

bool exists(const std::string& ansiPath) {
  return GetFileAttributesA(ansiPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::vector<std::string> Win32TextFiles::readLines(const std::string& path) {
  std::vector<std::string> lines = platform::splitLines(readAll(path));
  for (auto& line : lines) line = fromAnsi(line);
  return lines;
}

std::vector<std::string> Win32TextFiles::readRawLines(const std::string& path) {
  return platform::splitLines(readAll(path));
}

namespace {

bool readOnly(const std::string& ansiPath) {
  const DWORD attributes = GetFileAttributesA(ansiPath.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Puts the complete file `fresh` in the place of `target`. Windows 95/98 have no MoveFileEx:
// move the old file out of the way, move the new one in, and put the old one back if that
// fails. The old file is never lost; `fresh` is gone afterwards, whatever happened.
bool swapIn(const std::string& fresh, const std::string& target) {
  const std::string old = target + ".~~~";
  const bool hadOld = exists(target);
  if (hadOld) {
    DeleteFileA(old.c_str());
    if (!MoveFileA(target.c_str(), old.c_str())) {
      DeleteFileA(fresh.c_str());
      return false;
    }
  }
  if (!MoveFileA(fresh.c_str(), target.c_str())) {
    if (hadOld) MoveFileA(old.c_str(), target.c_str());
    DeleteFileA(fresh.c_str());
    return false;
  }
  if (hadOld) DeleteFileA(old.c_str());
  return true;
}

void replaceWithBytes(const std::string& path, const std::string& bytes) {
  const UserError failed(format1(text::tr(text::Id::ErrorCannotCreateFile), path));
  const std::string target = toAnsi(path);
  // Moving a read-only file aside would succeed and silently drop its protection.
  if (readOnly(target)) throw failed;
  const std::string fresh = target + ".$$$";
  if (!writeFile(fresh, bytes)) {
    DeleteFileA(fresh.c_str());
    throw failed;
  }
  if (!swapIn(fresh, target)) throw failed;
}

}  // namespace

void Win32TextFiles::writeLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += toAnsi(line) + "\r\n";
  replaceWithBytes(path, bytes);
}

void Win32TextFiles::writeRawLines(const std::string& path,
                                   const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  replaceWithBytes(path, bytes);
}

void Win32TextFiles::moveOver(const std::string& from, const std::string& target) {
  const std::string ansiFrom = toAnsi(from);
  const std::string ansiTarget = toAnsi(target);
  if (readOnly(ansiTarget)) DeleteFileA(ansiFrom.c_str());
  if (readOnly(ansiTarget) || !swapIn(ansiFrom, ansiTarget))
    throw UserError(format1(text::tr(text::Id::ErrorCannotCreateFile), target));
}

void Win32TextFiles::remove(const std::string& path) { DeleteFileA(toAnsi(path).c_str()); }

}  // namespace platform::win32
