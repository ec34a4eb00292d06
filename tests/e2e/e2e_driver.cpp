#include "e2e_driver.h"

#include <commctrl.h>

#include <cstdio>
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/win32/ansi.h"
#include "strict_mode.h"

using platform::win32::fromAnsi;
using platform::win32::toAnsi;

#ifndef CORVANE_SHIPPING_BUILD
#error "the end-to-end tests need the shipping build's folder"
#endif

namespace e2e {
namespace {

std::string shipping(const std::string& relative) {
  std::string path = std::string("Z:") + CORVANE_SHIPPING_BUILD + "/" + relative;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void copy(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
    throw std::runtime_error("cannot copy " + from + " to " + to);
}

void writeFile(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

struct Search {
  std::string text;
  std::string className;
  std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!search->className.empty()) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpiA(cls, search->className.c_str()) == 0) search->found.push_back(window);
  } else if (textOf(window) == search->text) {
    search->found.push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK collectTop(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || textOf(window) != search->text) return TRUE;
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (search->className.empty() || lstrcmpiA(cls, search->className.c_str()) == 0)
    search->found.push_back(window);
  return TRUE;
}

}  // namespace

ProgramFolder::ProgramFolder(const std::string& exeName) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  // Wine gives a later test process the same id: a name used before must not come back, or a
  // clock tool still running for an earlier program would write into this folder.
  static int serial = 0;
  char name[MAX_PATH];
  do {
    std::snprintf(name, sizeof name, "%sCorvane e2e %lu-%lu-%d", temp, GetCurrentProcessId(),
                  GetTickCount(), ++serial);
  } while (!CreateDirectoryA(name, nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
  path_ = name;
  exe_ = file(exeName);
  copy(shipping("src/app/corvane.exe"), exe_);
  copy(shipping("demo/g200clk/G200clk.exe"), file("G200clk.exe"));
  writeFile(file("Mystclk.ini"), "PCIBIOS=1\r\n");
  writeFile(file("clk.bat"), "@echo off\r\n\"%~dp0G200clk.exe\" /r\r\n");
  // Windows 9x strict mode: the program's file dialogs answer as Windows 98's, and the probe
  // comes into it with its first window.
  strict::start();
  strict::placeStandins(path_);
}

namespace {

// Deletes a folder with its files and the folders in it (the program's "Backup").
void removeFolder(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeFolder(path + "\\" + name);
      else DeleteFileA((path + "\\" + name).c_str());
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

ProgramFolder::~ProgramFolder() {
  // The programs that ran from this folder have ended (each Corvane goes before its folder).
  const std::string refusals = strict::newRefusals();
  if (!refusals.empty()) ADD_FAILURE() << "Windows 95/98 would refuse:\n" << refusals;
  removeFolder(path_);
}

std::string ProgramFolder::read(const std::string& name) const {
  FILE* f = std::fopen(file(name).c_str(), "rb");
  if (!f) return {};
  std::string bytes;
  char chunk[512];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, got);
  std::fclose(f);
  return bytes;
}

void ProgramFolder::write(const std::string& name, const std::string& bytes) const {
  writeFile(file(name), bytes);
}

bool ProgramFolder::exists(const std::string& name) const {
  return GetFileAttributesA(file(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ProgramFolder::remove(const std::string& name) const { DeleteFileA(file(name).c_str()); }

Corvane::Corvane(const ProgramFolder& folder, const std::string& arguments,
                 const std::string& currentFolder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string line = "\"" + folder.exe() + "\"";
  if (!arguments.empty()) line += " " + arguments;
  std::vector<char> writable(line.begin(), line.end());
  writable.push_back('\0');
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      currentFolder.empty() ? folder.path().c_str() : currentFolder.c_str(),
                      &startup, &process_))
    throw std::runtime_error("cannot start " + folder.exe());
}

Corvane::~Corvane() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    // Killed during its clk.bat, it would leave cmd.exe in a folder about to go, never ending
    // and holding the test's output: the machine's tool lock is waited for first.
    if (HANDLE lock = OpenMutexA(SYNCHRONIZE, FALSE, "CorvaneClockToolRun")) {
      const DWORD got = WaitForSingleObject(lock, 15000);
      if (got == WAIT_OBJECT_0 || got == WAIT_ABANDONED) ReleaseMutex(lock);
      CloseHandle(lock);
    }
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool Corvane::waitForMainWindow(int milliseconds) {
  main_ = waitForWindow("Corvane", milliseconds);
  return main_ != nullptr;
}

DWORD Corvane::exitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

bool Corvane::waitForExit(int milliseconds) {
  return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
}

HWND waitForWindow(const std::string& caption, int milliseconds, const std::string& className) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        Search search{caption, className, {}};
        EnumWindows(collectTop, reinterpret_cast<LPARAM>(&search));
        found = search.found.empty() ? nullptr : search.found.front();
        return found != nullptr;
      },
      milliseconds);
  return found;
}

HWND waitForClass(const std::string& className, int milliseconds) {
  HWND found = nullptr;
  waitUntil([&] { return (found = FindWindowA(className.c_str(), nullptr)) != nullptr; },
            milliseconds);
  return found;
}

HWND child(HWND top, const std::string& text) {
  Search search{text, "", {}};
  EnumChildWindows(top, collect, reinterpret_cast<LPARAM>(&search));
  return search.found.empty() ? nullptr : search.found.front();
}

std::vector<HWND> children(HWND top, const std::string& className) {
  Search search{"", className, {}};
  EnumChildWindows(top, collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string textOf(HWND window) {
  char buffer[1024] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return fromAnsi(buffer);
}

void setText(HWND edit, const std::string& text) {
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(toAnsi(text).c_str()));
}

void click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void settle(HWND window) {
  DWORD_PTR answer = 0;
  // A hung (or gone) program would pass every check that something did not happen.
  if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer))
    ADD_FAILURE() << "the program did not answer WM_NULL in 10 s (error " << GetLastError() << ")";
}

std::string answerMessage(const std::string& caption, int milliseconds) {
  HWND box = waitForWindow(caption, milliseconds, "#32770");
  if (!box) return "(no message box)";
  std::string text;
  for (HWND s : children(box, "Static"))
    if (!textOf(s).empty()) text = textOf(s);
  click(child(box, "OK"));
  waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
  return text;
}

bool clickTab(HWND main, int index, int milliseconds) {
  HWND tabs = children(main, "SysTabControl32").at(0);
  const int centres[] = {20, 86, 166, 254};  // of the four tab headers
  PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centres[index], 10));
  PostMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(centres[index], 10));
  return waitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index; },
                   milliseconds);
}

HWND clockBox(HWND main) {
  for (HWND edit : children(main, "Edit")) {
    const std::string text = textOf(edit);
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos) return edit;
  }
  return nullptr;
}

void press(WORD key, bool ctrl, bool shift) {
  if (ctrl) keybd_event(VK_CONTROL, 0, 0, 0);
  if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event(static_cast<BYTE>(key), 0, 0, 0);
  keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
  if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  if (ctrl) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

HWND focusOf(HWND top) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::string elsewhere() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = temp;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace e2e
