// The wizard in real windows under Wine: opened modally through the main window's hidden button,
// walked by clicks on its buttons, with the stand-in BIOS utility doing a real extraction.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/corvane_windows.h"
#include "fakes.h"
#include "platform/win32/ansi.h"
#include "platform/win32/win32_seams.h"
#include "ui/win32/win32_runtime.h"

namespace {

std::function<void()> g_insideModal;  // run once, from a thread timer inside the modal loop

void CALLBACK runInsideModal(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto script = std::move(g_insideModal);
  if (script) script();
}

class WizardWin32Test : public ::testing::Test {
 protected:
  doubles::World world;
  doubles::TempFolder folder;
  platform::win32::Win32Launcher launcher;
  platform::win32::Win32TextFiles files;
  platform::Services services{world.registry, launcher,       world.os,
                              world.timer,    world.calendar, files,
                              world.dialogs,  world.processor, folder.path()};
  std::unique_ptr<ui::win32::Win32Runtime> runtime =
      std::make_unique<ui::win32::Win32Runtime>(GetModuleHandleA(nullptr), world.dialogs);
  CorvaneWindows windows{*runtime, services};
  pins::TWizForm& wizard = windows.WizForm;

  HWND hwnd(const ui::Control& control) { return runtime->windowOf(control); }

  // What the control reports to its parent when the user clicks or picks.
  void notifyParent(const ui::Control& control, WORD code) {
    HWND c = hwnd(control);
    SendMessageA(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), code),
                 reinterpret_cast<LPARAM>(c));
  }
  void click(const ui::Control& button) { notifyParent(button, BN_CLICKED); }

  std::string pagesOnScreen() {
    std::string names;
    for (ui::Panel* p : {&wizard.Panel1, &wizard.Panel2, &wizard.Panel3, &wizard.Panel4,
                         &wizard.Panel5, &wizard.Panel6})
      if (IsWindowVisible(hwnd(*p))) names += (names.empty() ? "" : "+") + p->name();
    return names;
  }
};

TEST_F(WizardWin32Test, HiddenButtonOpensTheWizardModallyAndItsPagesWork) {
  ASSERT_TRUE(CopyFileA(PROGBIOS_EXE, folder.file("PROGBIOS.EXE").c_str(), FALSE));
  windows.Form1.clock.Edit2.setText(folder.file("G200clk.exe"));
  windows.Form1.show();
  HWND main = hwnd(windows.Form1);
  ASSERT_TRUE(hwnd(windows.Form1.system.PinCButton));
  EXPECT_FALSE(IsWindowVisible(hwnd(windows.Form1.system.PinCButton)));

  // The utility runs beside us; the wizard's message is the user's pause until it is done.
  world.dialogs.whileOpen = [&](const doubles::RecordingDialogs::Box&) {
    for (int i = 0; i < 600; ++i, Sleep(50)) try {
        if (files.readLines(folder.file("mypins.txt")).size() >= 41) break;
      } catch (const std::exception&) {
      }
  };

  bool ranInside = false;
  g_insideModal = [&] {
    ranInside = true;
    HWND wiz = hwnd(wizard);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the wizard is modal over the main window";
    RECT client{};
    GetClientRect(wiz, &client);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(505L, 277L));
    char caption[64] = {};
    GetWindowTextA(wiz, caption, sizeof caption);
    EXPECT_EQ(caption, platform::win32::toAnsi("PINファイルらくらくウィザード"));
    EXPECT_EQ(pagesOnScreen(), "Panel1");

    click(wizard.Button2);
    EXPECT_EQ(pagesOnScreen(), "Panel2");
    EXPECT_FALSE(IsWindowEnabled(hwnd(wizard.Button2)));
    click(wizard.Button4);
    EXPECT_EQ(pagesOnScreen(), "Panel3");
    EXPECT_EQ(wizard.extractionBuffer().size(), 41u);
    EXPECT_EQ(wizard.extractionBuffer().size() > 13 ? wizard.extractionBuffer()[13] : "",
              "  7: KJ1234567");

    click(wizard.Button1);
    click(wizard.Button6);
    EXPECT_EQ(pagesOnScreen(), "Panel6");
    SendMessageA(hwnd(wizard.ComboBox2), CB_SETCURSEL, 2, 0);
    notifyParent(wizard.ComboBox2, CBN_SELCHANGE);
    EXPECT_EQ(SendMessageA(hwnd(wizard.ComboBox1), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(wizard.UpDown2.position(), 230);
    click(wizard.Button7);

    // The viewer opens beside the modal wizard and takes typing there.
    click(wizard.ShowPIN);
    EXPECT_TRUE(IsWindowVisible(hwnd(windows.PINForm)) && IsWindowEnabled(hwnd(windows.PINForm)));
    HWND memo = hwnd(windows.PINForm.Memo1);
    SendMessageA(memo, EM_SETSEL, 0, -1);
    SendMessageA(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("  0: PIN\r\n  7: EDITED"));
    click(windows.PINForm.Button2);
    EXPECT_EQ(wizard.pinBuffer(), (std::vector<std::string>{"  0: PIN", "  7: EDITED"}));

    click(wizard.Button3);
    if (wizard.visible()) wizard.close();  // never leave the loop waiting
  };
  SetTimer(nullptr, 0, 10, runInsideModal);
  runtime->dispatch(windows.Form1.system.PinCButton.onClick);

  EXPECT_TRUE(ranInside);
  EXPECT_FALSE(IsWindowVisible(hwnd(wizard)));
  EXPECT_TRUE(IsWindowEnabled(main)) << "the main window takes over";
  EXPECT_TRUE(IsWindowVisible(hwnd(windows.PINForm))) << "the viewer may stay open";
}

}  // namespace
