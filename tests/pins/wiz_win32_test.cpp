// The wizard in real windows under Wine: opened modally through the main window's hidden button,
// walked by clicks on its buttons, with the stand-in BIOS utility doing a real extraction.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "app/corvane_windows.h"
#include "fakes.h"
#include "file_dialog_hand.h"
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
  platform::Services services{world.registry, launcher,       world.os,      world.timer,
                              world.calendar, files,          world.folders, world.dialogs,
                              world.processor, folder.path()};
  std::unique_ptr<ui::win32::Win32Runtime> runtime =
      std::make_unique<ui::win32::Win32Runtime>(GetModuleHandleA(nullptr), world.dialogs);
  CorvaneWindows windows{*runtime, services, world.shortcuts};
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
  runtime->pumpMessages();  // as the message loop would: the other pages' windows are made
  HWND main = hwnd(windows.Form1);
  ASSERT_TRUE(hwnd(windows.Form1.system.PinCButton));
  EXPECT_FALSE(IsWindowVisible(hwnd(windows.Form1.system.PinCButton)));

  // The utility runs beside us; the wizard's message is the user's pause until it is done.
  world.dialogs.whileOpen = [&](const doubles::RecordingDialogs::Box&) {
    for (int i = 0; i < 600; ++i, Sleep(50)) try {
        if (files.readLines(folder.file("mypins.new")).size() >= 41) break;
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
  EXPECT_EQ(files.readLines(folder.file("mypins.txt")).size(), 41u) << "the dump took its place";
  EXPECT_FALSE(folder.exists("mypins.new"));
}

// The wizard shown beside the main window, over the real launcher and files: the command
// interpreter really runs (and really creates the redirection's file before it finds that the
// utility is missing).
class WizardFilesWin32Test : public WizardWin32Test {
 protected:
  void SetUp() override {
    world.dialogs.boxes.clear();  // the main window's start-up found no Mystclk.ini here
    windows.Form1.clock.Edit2.setText(folder.file("G200clk.exe"));
    wizard.show();
    click(wizard.Button2);
  }
  // "よしっ。抽出してみよう。" with no PROGBIOS.EXE in the tool folder: the message waits until
  // the command interpreter has given up, that is until the file it redirects into is there
  // and nobody holds it open any more.
  void extractWithoutTheUtility() {
    world.dialogs.whileOpen = [&](const doubles::RecordingDialogs::Box& box) {
      if (box.caption != "情報") return;
      const std::string dump = folder.file("mypins.new");
      for (int i = 0; i < 600 && !closedByItsWriter(dump); ++i) Sleep(50);
    };
    click(wizard.Button4);
  }
  static bool closedByItsWriter(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  }
  static DWORD attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }
  std::string boxes() const {
    std::string all;
    for (const auto& b : world.dialogs.boxes) all += b.caption + "|" + b.text + "\n";
    return all;
  }
};

TEST_F(WizardFilesWin32Test, AFailedExtractionKeepsTheEarlierDump) {
  const std::string earlier = "MGA Bios Programming Utility v1.80d\r\n  7: KJ0000001\r\n";
  folder.write("mypins.txt", earlier);
  extractWithoutTheUtility();
  EXPECT_EQ(folder.read("mypins.txt"), earlier);
  EXPECT_FALSE(folder.exists("mypins.new")) << "nothing of the failed run stays behind";
  EXPECT_EQ(wizard.extractionBuffer(),
            (std::vector<std::string>{"MGA Bios Programming Utility v1.80d", "  7: KJ0000001"}));
  EXPECT_EQ(world.dialogs.boxes.size(), 1u) << "only the utility's message:\n" << boxes();
}

TEST_F(WizardFilesWin32Test, AFailedExtractionWithNoEarlierDumpLeavesNoFileAndSaysSo) {
  extractWithoutTheUtility();
  EXPECT_FALSE(folder.exists("mypins.txt")) << "no empty dump left behind";
  EXPECT_FALSE(folder.exists("mypins.new"));
  ASSERT_EQ(world.dialogs.boxes.size(), 2u) << boxes();
  EXPECT_EQ(world.dialogs.boxes[1].text,
            "ファイル " + folder.file("mypins.txt") + " は開けません.");
  EXPECT_TRUE(wizard.extractionBuffer().empty());
}

TEST_F(WizardFilesWin32Test, SavingOverAReadOnlyFileIsRefusedAndTheFileStaysAsItWas) {
  click(wizard.Button6);
  click(wizard.Button7);
  const std::string kept = "a PIN file the user protected\r\n";
  folder.write("board.txt", kept);
  const std::string path = folder.file("board.txt");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  world.dialogs.fileAnswers.push_back(path);
  click(wizard.PINSaveButton);
  ASSERT_EQ(world.dialogs.boxes.size(), 1u) << boxes();
  EXPECT_EQ(world.dialogs.boxes[0].text, "ファイル " + path + " を作成できません.");
  EXPECT_EQ(folder.read("board.txt"), kept);
  EXPECT_EQ(attributes(path) & FILE_ATTRIBUTE_READONLY, DWORD(FILE_ATTRIBUTE_READONLY));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can go
  // Once writable again, the same save goes through.
  world.dialogs.fileAnswers.push_back(path);
  click(wizard.PINSaveButton);
  EXPECT_EQ(world.dialogs.boxes.size(), 1u);
  EXPECT_EQ(files.readLines(path), wizard.pinBuffer());
}

}  // namespace

// The wizard's save through the real save dialog (in the strict mode: the stand-in comdlg32 beside
// this test refuses what Windows 98 refuses and passes the rest on to Wine's), picked by a hand
// from another thread while the dialog runs; message boxes are still recorded.
struct RealFileDialogs : platform::Dialogs {
  explicit RealFileDialogs(doubles::RecordingDialogs& boxes) : boxes(boxes) {}
  platform::MessageResult messageBox(const std::string& caption, const std::string& text,
                                     platform::MessageIcon icon,
                                     platform::MessageButtons buttons) override {
    return boxes.messageBox(caption, text, icon, buttons);
  }
  std::optional<std::string> openFile(const platform::FileDialogOptions& o) override {
    return real.openFile(o);
  }
  std::optional<std::string> saveFile(const platform::FileDialogOptions& o) override {
    return real.saveFile(o);
  }
  doubles::RecordingDialogs& boxes;
  platform::win32::Win32Dialogs real;
};

class WizardSaveDialogWin32Test : public ::testing::Test {
 protected:
  doubles::World world;
  doubles::TempFolder folder;
  platform::win32::Win32Launcher launcher;
  platform::win32::Win32TextFiles files;
  RealFileDialogs dialogs{world.dialogs};
  platform::Services services{world.registry, launcher,       world.os,      world.timer,
                              world.calendar, files,          world.folders, dialogs,
                              world.processor, folder.path()};
  std::unique_ptr<ui::win32::Win32Runtime> runtime =
      std::make_unique<ui::win32::Win32Runtime>(GetModuleHandleA(nullptr), dialogs);
  CorvaneWindows windows{*runtime, services, world.shortcuts};
  pins::TWizForm& wizard = windows.WizForm;

  void click(const ui::Control& button) {
    HWND c = runtime->windowOf(button);
    SendMessageA(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), BN_CLICKED),
                 reinterpret_cast<LPARAM>(c));
  }
};

TEST_F(WizardSaveDialogWin32Test, TheSaveDialogOpensAndThePinFileIsWrittenWhereThePickWas) {
  world.dialogs.boxes.clear();
  windows.Form1.clock.Edit2.setText(folder.file("G200clk.exe"));
  wizard.show();
  click(wizard.Button2);
  click(wizard.Button6);
  click(wizard.Button7);
  const std::string target = folder.file("board");
  std::atomic<bool> picked{false};
  std::thread hand([&] {
    const std::string title = platform::win32::toAnsi("作成したPINを保存");
    for (int i = 0; i < 200 && !picked; ++i) {
      HWND dialog = FindWindowA("#32770", title.c_str());
      if (dialog && IsWindowVisible(dialog))
        picked = e2e::pickInFileDialog(dialog, platform::win32::toAnsi(target));
      else
        Sleep(50);
    }
  });
  click(wizard.PINSaveButton);  // returns once the dialog has ended (or never opened)
  hand.join();
  std::string boxes;
  for (const auto& b : world.dialogs.boxes) boxes += b.caption + "|" + b.text + "\n";
  ASSERT_TRUE(picked) << "no save dialog came; " << boxes;
  EXPECT_EQ(files.readLines(folder.file("board.txt")), wizard.pinBuffer());
  EXPECT_EQ(boxes, "");
}
