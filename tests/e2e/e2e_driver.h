#pragma once
// Drives the real corvane.exe as a user would, from another process: starts it in a program
// folder of its own, finds its windows and controls by their captions, clicks, types, reads.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A program folder with a blank in its name, holding corvane.exe, the stand-in clock tool and
// the clock tool's files.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& exeName = "corvane.exe");
  ~ProgramFolder();
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "\\" + name; }
  std::string read(const std::string& name) const;
  void write(const std::string& name, const std::string& bytes) const;
  bool exists(const std::string& name) const;
  void remove(const std::string& name) const;
  const std::string& exe() const { return exe_; }

 private:
  std::string path_;
  std::string exe_;
};

class Corvane {
 public:
  // `arguments` follow the program's path on its command line ("/en"). It runs in its own
  // folder, or in `currentFolder` when one is given (as from a batch file elsewhere).
  explicit Corvane(const ProgramFolder& folder, const std::string& arguments = "",
                   const std::string& currentFolder = "");
  ~Corvane();  // ends the program if it still runs
  // Waits for the main window; false when it never came.
  bool waitForMainWindow(int milliseconds = 20000);
  // True once the process has ended.
  bool waitForExit(int milliseconds);
  // The ended program's exit code (a crash under Wine leaves an exception code such as
  // 0xC0000005); STILL_ACTIVE while it runs.
  DWORD exitCode() const;
  HWND main() const { return main_; }

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// A visible top-level window of another process with this caption (UTF-8), waiting for it;
// with a class name, only windows of that class (message boxes are "#32770").
HWND waitForWindow(const std::string& caption, int milliseconds = 10000,
                   const std::string& className = "");
// A top-level window of this class, visible or hidden, waiting for it; nullptr when none came.
HWND waitForClass(const std::string& className, int milliseconds = 10000);
// A descendant window whose text is `text`, or nullptr.
HWND child(HWND top, const std::string& text);
// All descendants of a class ("Button", "Static", "Edit").
std::vector<HWND> children(HWND top, const std::string& className);
std::string textOf(HWND window);
void setText(HWND edit, const std::string& text);
// Clicks without waiting for what the click starts (a modal window, a message box).
void click(HWND button);
bool checked(HWND box);
// Presses OK in the message box with this caption and returns its text, or "(no message box)"
// when none comes in time.
std::string answerMessage(const std::string& caption, int milliseconds = 10000);
// The overclock tab's target clock box: the one edit box that shows a number.
HWND clockBox(HWND main);
// Clicks a tab header of the main window with the mouse, as the tab control itself sees it; true
// once that tab is the selected one.
bool clickTab(HWND main, int index, int milliseconds = 10000);
// Returns once the program that owns `window` has finished what it was doing and waits for
// input again, in its main loop or in a box it has opened meanwhile: Windows hands a sent
// message over only then. A program that does not answer in 10 s fails the test.
void settle(HWND window);
// Waits until `condition` holds or the time is up.
template <typename F>
bool waitUntil(F condition, int milliseconds = 10000) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (condition()) return true;
    Sleep(50);
  }
  return condition();
}

// The registry as the 32-bit program sees it.
std::string readString(HKEY root, const std::string& key, const std::string& name, bool* found = nullptr);
bool readInteger(HKEY root, const std::string& key, const std::string& name, DWORD* value);
void writeString(HKEY root, const std::string& key, const std::string& name, const std::string& text);
void writeInteger(HKEY root, const std::string& key, const std::string& name, DWORD value);
void deleteTree(HKEY root, const std::string& key);
// A machine with nothing of Corvane's or the driver's settings in the registry, its adapter a
// Millennium G200 ("0000"), at 16 bits and 800 by 600.
void seedG200At16Bits();

// A folder that is neither the program's nor a game's, as a shortcut's or a batch file's may be.
std::string elsewhere();

// How often `part` stands in `text` (command lines in a tool's log).
std::size_t occurrences(const std::string& text, const std::string& part);
void deleteValue(HKEY root, const std::string& key, const std::string& name);

// The keyboard: presses and releases a key as a user does (it goes to the focused window of
// the foreground program), with Ctrl and Shift held when asked.
void press(WORD key, bool ctrl = false, bool shift = false);
// The window with the keyboard focus in the program that owns `top`.
HWND focusOf(HWND top);

}  // namespace e2e
