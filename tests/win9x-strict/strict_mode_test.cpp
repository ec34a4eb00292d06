// The strict mode itself: the stand-in comdlg32 and the probe refuse what Windows 95/98 refuse,
// write it down, and let through what they accept.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <cderr.h>

#include <gtest/gtest.h>

#include <string>

#include "strict_mode.h"

namespace {

template <typename Function>
Function comdlgFunction(const char* name) {
  HMODULE comdlg = LoadLibraryA("comdlg32.dll");
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(comdlg, name)));
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct StrictMode : ::testing::Test {
  void SetUp() override { strict::newRefusals(); }
  void TearDown() override { SetEnvironmentVariableA("CORVANE_COMDLG_FAIL", nullptr); }
};

}  // namespace

TEST_F(StrictMode, TheStandInComdlgIsTheOneLoadedBesideTheProgram) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(LoadLibraryA("comdlg32.dll"), path, MAX_PATH);
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string folder = program;
  folder.resize(folder.find_last_of('\\') + 1);
  EXPECT_EQ(std::string(path), folder + "comdlg32.dll") << "wine-run's override is missing";
}

TEST_F(StrictMode, AFileDialogStructureOfTheLaterSizeIsRefusedAsWindows98RefusesIt) {
  const auto open = comdlgFunction<decltype(&GetOpenFileNameA)>("GetOpenFileNameA");
  const auto save = comdlgFunction<decltype(&GetSaveFileNameA)>("GetSaveFileNameA");
  const auto error = comdlgFunction<decltype(&CommDlgExtendedError)>("CommDlgExtendedError");
  ASSERT_TRUE(open && save && error);
  char name[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;  // 88: the Windows 2000 size these headers declare
  dialog.lpstrFile = name;
  dialog.nMaxFile = MAX_PATH;
  EXPECT_FALSE(open(&dialog));
  EXPECT_EQ(error(), DWORD(CDERR_STRUCTSIZE));
  EXPECT_FALSE(save(&dialog));
  EXPECT_EQ(error(), DWORD(CDERR_STRUCTSIZE));
  const std::string refusals = strict::newRefusals();
  EXPECT_TRUE(contains(refusals, "GetOpenFileNameA with lStructSize 88")) << refusals;
  EXPECT_TRUE(contains(refusals, "GetSaveFileNameA with lStructSize 88")) << refusals;
}

TEST_F(StrictMode, AFailureCanBeAskedForAndIsNoRefusal) {
  const auto open = comdlgFunction<decltype(&GetOpenFileNameA)>("GetOpenFileNameA");
  const auto error = comdlgFunction<decltype(&CommDlgExtendedError)>("CommDlgExtendedError");
  SetEnvironmentVariableA("CORVANE_COMDLG_FAIL", "9");  // CDERR_MEMALLOCFAILURE
  char name[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.lpstrFile = name;
  dialog.nMaxFile = MAX_PATH;
  EXPECT_FALSE(open(&dialog));
  EXPECT_EQ(error(), DWORD(CDERR_MEMALLOCFAILURE));
  EXPECT_EQ(strict::newRefusals(), "");
}

TEST_F(StrictMode, TimerIdsBeyondSixteenBitsAreWrittenDown) {
  HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  SetTimer(window, 0x7FFF, 1000, nullptr);
  KillTimer(window, 0x7FFF);
  EXPECT_EQ(strict::newRefusals(), "");
  int onTheHeap = 0;
  const auto address = reinterpret_cast<UINT_PTR>(&onTheHeap);
  SetTimer(window, address, 1000, nullptr);
  KillTimer(window, address);
  EXPECT_TRUE(contains(strict::newRefusals(), "SetTimer with id"));
  DestroyWindow(window);
}

TEST_F(StrictMode, WakeMasksWithBitsNewerThanWindows98AreWrittenDown) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0xFF);
  EXPECT_EQ(strict::newRefusals(), "");
  // These headers' QS_ALLINPUT carries QS_RAWINPUT (0x400): 0x4FF.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT & ~DWORD(QS_SENDMESSAGE));
  EXPECT_TRUE(contains(strict::newRefusals(), "wake mask 0x4BF"));
}

TEST_F(StrictMode, ATooltipOfTheLaterSizeIsRefusedAsComctl32Before6RefusesIt) {
  HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, owner,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(tips, nullptr);
  char text[] = "hint";
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;  // 48: comctl32 6's
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(owner);
  tool.lpszText = text;
  EXPECT_FALSE(SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 0);
  EXPECT_TRUE(contains(strict::newRefusals(), "TTM_ADDTOOLA with cbSize 48"));
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  EXPECT_TRUE(SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(strict::newRefusals(), "");
  DestroyWindow(owner);
}

TEST_F(StrictMode, NtOnlyCreationFlagsAreWrittenDownOnWindows98) {
  ASSERT_NE(GetVersion() & 0x80000000u, 0u) << "the test prefix is set to Windows 98";
  char line[] = "corvane-no-such-program.exe";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  EXPECT_EQ(strict::newRefusals(), "");
  CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                 &startup, &process);
  EXPECT_TRUE(contains(strict::newRefusals(), "CreateProcessA with flags 0x8000000"));
}

TEST_F(StrictMode, CommonControlMessagesNewerThanWindows98AreWrittenDown) {
  HWND owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  HWND spin = CreateWindowExA(0, UPDOWN_CLASSA, nullptr, WS_CHILD, 0, 0, 10, 20, owner, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(spin, nullptr);
  SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(100, 0));  // comctl32 4.00
  SendMessageA(spin, UDM_SETPOS, 0, MAKELPARAM(5, 0));
  EXPECT_EQ(strict::newRefusals(), "");
  SendMessageA(spin, UDM_GETPOS32, 0, 0);  // comctl32 5.80
  EXPECT_TRUE(contains(strict::newRefusals(), "UDM_GETPOS32"));
  DestroyWindow(owner);
}

TEST_F(StrictMode, FileDialogFlagsOfWindows2000AreWrittenDown) {
  const auto open = comdlgFunction<decltype(&GetOpenFileNameA)>("GetOpenFileNameA");
  SetEnvironmentVariableA("CORVANE_COMDLG_FAIL", "9");  // no dialog on the screen
  char name[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.lpstrFile = name;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
  EXPECT_FALSE(open(&dialog));
  EXPECT_EQ(strict::newRefusals(), "");
  dialog.Flags |= OFN_DONTADDTORECENT;
  EXPECT_FALSE(open(&dialog));
  EXPECT_TRUE(contains(strict::newRefusals(), "GetOpenFileNameA with Flags"));
}
