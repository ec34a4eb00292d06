// Captures the wizard's six pages and the viewer as real windows, one BMP each, so that a person
// can check that every text shows whole. Run under Xvfb with Wine's X11 driver
// (screenshots.sh); not a test.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fakes.h"
#include "pins/pin_form.h"
#include "pins/wiz_form.h"
#include "ui/win32/win32_runtime.h"

namespace {

bool saveWindow(HWND window, const std::string& path) {
  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  HDC source = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(source);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files keep it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + imageSize;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  bool ok = out && std::fwrite(&file, sizeof file, 1, out) == 1 &&
            std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
            std::fwrite(bits, 1, imageSize, out) == imageSize;
  if (out) ok = std::fclose(out) == 0 && ok;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return ok;
}

// Lets the windows paint what the model just changed.
void settle(ui::win32::Win32Runtime& runtime) {
  for (int i = 0; i < 20; ++i) {
    runtime.pumpMessages();
    Sleep(25);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  doubles::World world;
  platform::Services services = world.services();
  auto* runtime = new ui::win32::Win32Runtime(GetModuleHandleA(nullptr), world.dialogs);
  pins::TPINForm viewer(*runtime);
  pins::TWizForm wizard(*runtime, services, viewer, [] { return std::string("G200clk.exe"); });

  int failures = 0;
  auto shoot = [&](ui::Form& form, const char* name) {
    settle(*runtime);
    const std::string path = folder + "\\" + name + ".bmp";
    if (!saveWindow(runtime->windowOf(form), path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
    }
  };

  wizard.show();
  shoot(wizard, "page1");
  wizard.Button2.userClick();
  shoot(wizard, "page2");
  wizard.Button4.userClick();  // the dump is missing here: only captions and placeholders
  shoot(wizard, "page3");
  wizard.Button1.userClick();
  wizard.Button6.userClick();
  wizard.ComboBox3.userSelect(1);  // the longest sale form
  wizard.Button7.userClick();
  shoot(wizard, "page6");
  wizard.Button2.userClick();
  shoot(wizard, "page5");
  wizard.Button1.userClick();
  wizard.CheckBox2.userClick();
  wizard.Button2.userClick();
  wizard.Button10.userClick();
  shoot(wizard, "page4");
  wizard.Button9.userClick();
  shoot(viewer, "viewer");
  // The runtime stays to the end of the process (see wiz_win32_test.cpp).
  return failures == 0 ? 0 : 1;
}
