// The program entry: the real seams, the Win32 runtime, the windows in their order, the loop.
#include <windows.h>

#include "app/corvane_windows.h"
#include "cpu/x86_processor.h"
#include "overclock/command_line_run.h"
#include "platform/win32/ansi.h"
#include "platform/win32/win32_program_runner.h"
#include "platform/win32/win32_seams.h"
#include "platform/win32/win32_shortcuts.h"
#include "stored/win32/win32_registry.h"
#include "text/language.h"
#include "ui/win32/win32_runtime.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  // Before the first window: every caption is taken from the catalogue when its control is made.
  const std::string switches = commandLine ? commandLine : "";
  text::setLanguage(text::chooseLanguage(GetACP(), switches));
  const auto registry = stored::win32::makeWin32Registry();
  platform::win32::Win32Launcher launcher;
  platform::win32::Win32OsVersion os;
  platform::win32::Win32MilliTimer timer;
  platform::win32::Win32Calendar calendar;
  platform::win32::Win32TextFiles files;
  platform::win32::Win32Folders folders;
  platform::win32::Win32Dialogs dialogs;
  cpu::X86Processor processor;
  platform::Services services{*registry, launcher, os,      timer,
                              calendar, files,    folders, dialogs,
                              processor, platform::win32::programFolder()};
  // "/ja" where Japanese would come out as "?": the program speaks English and says why.
  if (text::japaneseRefused(GetACP(), switches))
    dialogs.messageBox(ui::Runtime::applicationTitle(), text::tr(text::Id::LanguageJapaneseNotShown),
                       platform::MessageIcon::Information, platform::MessageButtons::Ok);
  // A clock for a game, from a shortcut or a batch file: carried out without a window.
  platform::win32::Win32ProgramRunner programs;
  if (const auto exitCode = overclock::runCommandLine(
          platform::win32::fromAnsi(commandLine ? commandLine : ""), services, programs))
    return *exitCode;
  ui::win32::Win32Runtime runtime(instance, dialogs);
  platform::win32::Win32Shortcuts shortcuts;
  CorvaneWindows windows(runtime, services, shortcuts);
  return runtime.run(windows.Form1);
}
