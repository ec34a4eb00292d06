// Folders: made when missing, their files listed.
#include "platform/win32/win32_seams.h"

#include <windows.h>

#include "platform/win32/ansi.h"

namespace platform::win32 {

namespace {

bool isFolder(const std::string& ansiPath) {
  const DWORD attributes = GetFileAttributesA(ansiPath.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool Win32Folders::makeFolder(const std::string& path) {
  const std::string ansi = toAnsi(path);
  if (isFolder(ansi)) return true;
  return CreateDirectoryA(ansi.c_str(), nullptr) != 0 || isFolder(ansi);
}

bool Win32Folders::fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(toAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::string> Win32Folders::fileNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const std::string pattern = toAnsi(folder) + "\\*";
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      names.push_back(fromAnsi(found.cFileName));
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

}  // namespace platform::win32
