#include "platform/win32/win32_seams.h"

#include <windows.h>
#include <commdlg.h>
#include <cderr.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <vector>

#include "platform/errors.h"
#include "platform/file_limits.h"
#include "platform/text.h"
#include "platform/win32/ansi.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/process_start.h"
#include "text/catalogue.h"

namespace platform::win32 {

// ---- Programs ---------------------------------------------------------------------------------

bool Win32Launcher::runThroughShell(const std::string& commandLine,
                                    const std::string& workingFolder, ShowMode show) {
  PROCESS_INFORMATION process{};
  if (!start(shellStart(commandLine, workingFolder, show), process)) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool Win32Launcher::open(const std::string& target) {
  static const auto shellExecute =
      lateBound<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  if (!shellExecute) return false;
  const std::string what = toAnsi(target);
  const auto result = reinterpret_cast<INT_PTR>(
      shellExecute(nullptr, "open", what.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

// ---- Version, timer, date ---------------------------------------------------------------------

std::optional<OsVersionInfo> Win32OsVersion::query() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
  if (!GetVersionExA(&info)) return std::nullopt;
  OsVersionInfo out;
  switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s: out.platform = OsPlatform::Win32s; break;
    case VER_PLATFORM_WIN32_WINDOWS: out.platform = OsPlatform::Windows9x; break;
    case VER_PLATFORM_WIN32_NT: out.platform = OsPlatform::WindowsNT; break;
    default: out.platform = OsPlatform::Other; break;
  }
  out.major = static_cast<int>(info.dwMajorVersion);
  out.minor = static_cast<int>(info.dwMinorVersion);
  return out;
}

std::uint32_t Win32MilliTimer::now() {
  // The multimedia timer counts single milliseconds; the tick count may move in coarser steps.
  // Its library, and what that loads in turn, waits until the first clock measurement.
  static const auto multimediaTime = lateBound<decltype(&timeGetTime)>("winmm.dll", "timeGetTime");
  return multimediaTime ? multimediaTime() : GetTickCount();
}

Date Win32Calendar::today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wDay, now.wMonth, now.wYear};
}

Moment Win32Calendar::now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {{now.wDay, now.wMonth, now.wYear}, now.wHour, now.wMinute, now.wSecond};
}

// ---- Text files -------------------------------------------------------------------------------

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

// ---- Folders ----------------------------------------------------------------------------------

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


// ---- Dialogs ----------------------------------------------------------------------------------

MessageResult Win32Dialogs::messageBox(const std::string& caption, const std::string& text,
                                       MessageIcon icon, MessageButtons buttons) {
  UINT flags = 0;
  switch (icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: flags |= MB_ICONWARNING; break;
    case MessageIcon::Error: flags |= MB_ICONERROR; break;
    case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
  }
  switch (buttons) {
    case MessageButtons::Ok: flags |= MB_OK; break;
    case MessageButtons::OkCancel: flags |= MB_OKCANCEL; break;
    case MessageButtons::YesNo: flags |= MB_YESNO; break;
  }
  HWND owner = GetActiveWindow();
  if (!owner) flags |= MB_TASKMODAL | MB_SETFOREGROUND;
  const int answer =
      MessageBoxA(owner, toAnsi(clipForDisplay(text)).c_str(),
                  toAnsi(clipForDisplay(caption)).c_str(), flags);
  switch (answer) {
    case IDOK: return MessageResult::Ok;
    case IDYES: return MessageResult::Yes;
    case IDNO: return MessageResult::No;
    default: return MessageResult::Cancel;
  }
}

namespace {

// "0x0001", as the common dialogs' error codes are written down.
std::string hexCode(DWORD value) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789ABCDEF"[value & 0xF]);
    value >>= 4;
  } while (value != 0 || digits.size() < 4);
  return "0x" + digits;
}

std::optional<std::string> fileDialog(const FileDialogOptions& options, bool save) {
  static const auto openDialog =
      lateBound<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  static const auto saveDialog =
      lateBound<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
  if (!(save ? saveDialog : openDialog))
    throw UserError(format1(text::tr(text::Id::ErrorFileDialog), hexCode(CDERR_INITIALIZATION)));
  std::string filter;
  for (const auto& f : options.filters) {
    filter += toAnsi(f.description);
    filter.push_back('\0');
    filter += toAnsi(f.pattern);
    filter.push_back('\0');
  }
  filter.push_back('\0');
  std::vector<char> name(32768, '\0');
  const std::string first = toAnsi(options.fileName);
  if (first.size() < name.size()) std::copy(first.begin(), first.end(), name.begin());
  const std::string title = toAnsi(options.title);
  const std::string extension = toAnsi(options.defaultExtension);

  OPENFILENAMEA ofn{};
  // These headers always declare the Windows 2000 fields (88 bytes); Windows 95/98 and NT 4
  // answer any size but the first one's with CDERR_STRUCTSIZE and show nothing.
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
  bool chosen;
  if (save) {
    if (options.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    chosen = saveDialog(&ofn) != FALSE;
  } else {
    ofn.Flags |= OFN_FILEMUSTEXIST;
    chosen = openDialog(&ofn) != FALSE;
  }
  if (chosen) return fromAnsi(name.data());
  // A cancel leaves no error; anything else would otherwise end in silence.
  static const auto dialogError =
      lateBound<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  const DWORD error = dialogError ? dialogError() : 0;
  if (error != 0) throw UserError(format1(text::tr(text::Id::ErrorFileDialog), hexCode(error)));
  return std::nullopt;
}

}  // namespace

std::optional<std::string> Win32Dialogs::openFile(const FileDialogOptions& options) {
  return fileDialog(options, false);
}

std::optional<std::string> Win32Dialogs::saveFile(const FileDialogOptions& options) {
  return fileDialog(options, true);
}

std::string programFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD got = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (got == 0) return ".";
    if (got < path.size()) {
      path.resize(got);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::string full = fromAnsi(path);
  const auto slash = full.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  // "C:\corvane.exe" lives in the root "C:\", which keeps its backslash.
  if (slash == 2 && full[1] == ':') return full.substr(0, 3);
  return full.substr(0, slash);
}

}  // namespace platform::win32
