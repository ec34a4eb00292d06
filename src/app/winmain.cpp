// The program entry: the real seams, the Win32 runtime, the windows in their order, the loop.
#include <windows.h>

#include "app/main_form.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_seams.h"
#include "ui/win32/win32_runtime.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  platform::win32::Win32Registry registry;
  platform::win32::Win32Launcher launcher;
  platform::win32::Win32OsVersion os;
  platform::win32::Win32MilliTimer timer;
  platform::win32::Win32Calendar calendar;
  platform::win32::Win32TextFiles files;
  platform::win32::Win32Dialogs dialogs;
  // TODO(integration): the real processor query.
  struct NoProcessor : platform::ProcessorQuery {
    bool idFlagToggles() override { return false; }
    platform::CpuidResult cpuid(std::uint32_t) override { return {}; }
    std::uint64_t rdtsc() override { return 0; }
  } processor;
  platform::Services services{registry, launcher, os,     timer,
                              calendar, files,    dialogs, processor,
                              platform::win32::programFolder()};
  ui::win32::Win32Runtime runtime(instance, dialogs);
  TForm1 Form1(runtime, services);
  Form1.FormCreate();
  return runtime.run(Form1);
}
