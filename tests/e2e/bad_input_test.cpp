// The real corvane.exe on bad input: a clock tool ini or clock report far too large, a start-up
// entry that cannot be deleted. The program says so, keeps the user's files and ends cleanly.
#include <gtest/gtest.h>

#include "e2e_driver.h"

#include <commctrl.h>

using namespace e2e;

namespace {

const std::string kUserRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Ends the program with its exit button and tells whether it ended by itself, not by a crash.
::testing::AssertionResult endsCleanly(Corvane& corvane) {
  click(child(corvane.main(), "終了(&E)"));
  if (!corvane.waitForExit(15000)) return ::testing::AssertionFailure() << "still running";
  if (corvane.exitCode() != 0)
    return ::testing::AssertionFailure() << "ended with 0x" << std::hex << corvane.exitCode();
  return ::testing::AssertionSuccess();
}

// While it lives, nobody may set or delete values of the key (Wine checks a key's DACL on every
// change, even under Windows 98); reading stays allowed. The key is left open to all again.
class ChangesRefused {
 public:
  ChangesRefused(HKEY root, const std::string& path) {
    RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | WRITE_DAC, &key_);
    SID_IDENTIFIER_AUTHORITY world = {SECURITY_WORLD_SID_AUTHORITY};
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone_);
    InitializeAcl(reinterpret_cast<PACL>(acl_), sizeof acl_, ACL_REVISION);
    AddAccessDeniedAce(reinterpret_cast<PACL>(acl_), ACL_REVISION, KEY_SET_VALUE, everyone_);
    AddAccessAllowedAce(reinterpret_cast<PACL>(acl_), ACL_REVISION, KEY_ALL_ACCESS, everyone_);
    set(reinterpret_cast<PACL>(acl_));
  }
  ~ChangesRefused() {
    set(nullptr);
    RegCloseKey(key_);
    FreeSid(everyone_);
  }

 private:
  void set(PACL acl) {
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
    RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, &sd);
  }
  HKEY key_ = nullptr;
  PSID everyone_ = nullptr;
  alignas(DWORD) char acl_[256] = {};
};

}  // namespace

TEST(BadInput, AnIniOfTenMegabytesIsRefusedAtOnceAndLeftAsItWas) {
  ProgramFolder folder;
  std::string ini = "PCIBIOS=0\r\n";
  while (ini.size() < 10u * 1024 * 1024) ini += "MCLK=100 ; a line of the clock tool's own\r\n";
  {
    FILE* f = std::fopen(folder.file("Mystclk.ini").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(ini.data(), 1, ini.size(), f);
    std::fclose(f);
  }
  // Mystclk.com's ini: G200clk.exe needs none, and would not have the file read at all.
  const std::string driverKey = "Software\\Matrox\\PowerDesk\\Current Settings";
  writeString(HKEY_LOCAL_MACHINE, driverKey, "Mystclk", folder.file("Mystclk.com"));
  Corvane corvane(folder);
  // A generous bound: before the file was refused, the window took over a minute.
  const std::string message = answerMessage("Matrox Corvane", 30000);
  deleteValue(HKEY_LOCAL_MACHINE, driverKey, "Mystclk");
  EXPECT_EQ(message.rfind("ファイル " + folder.path() + "\\Mystclk.ini は大きすぎます（64KBまで）。\n", 0),
            0u) << message;
  ASSERT_TRUE(corvane.waitForMainWindow(30000));
  EXPECT_FALSE(checked(child(corvane.main(), "垂直回期中にページフリップする")))
      << "nothing is loaded after the refusal";
  ASSERT_TRUE(clickTab(corvane.main(), 2));
  EXPECT_FALSE(IsWindowEnabled(child(corvane.main(), "Intelのチップセット")));
  EXPECT_TRUE(endsCleanly(corvane));
  EXPECT_TRUE(folder.read("Mystclk.ini") == ini) << "the ini was changed";
}

TEST(BadInput, AClockReportOfTenMegabytesIsRefusedWhenThePageShowsAndTheProgramGoesOn) {
  ProgramFolder folder;
  std::string report;
  while (report.size() < 10u * 1024 * 1024) report += std::string(60, '=') + "\r\n";
  {
    FILE* f = std::fopen(folder.file("clk.txt").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(report.data(), 1, report.size(), f);
    std::fclose(f);
    f = std::fopen(folder.file("clk.bat").c_str(), "wb");  // the tool leaves the report alone
    ASSERT_NE(f, nullptr);
    std::fputs("@echo off\r\n", f);
    std::fclose(f);
  }
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow(30000));
  ASSERT_TRUE(clickTab(corvane.main(), 2));
  EXPECT_EQ(answerMessage("Matrox Corvane", 30000),
            "ファイル " + folder.path() + "\\clk.txt は大きすぎます（64KBまで）.");
  EXPECT_TRUE(endsCleanly(corvane));
}

TEST(BadInput, ARefusedDeletionOfTheQuickDeskEntryIsSaidAndTheBoxStaysTicked) {
  const std::string entry = "C:\\PDESK\\QDesk\\mgaqdesk.exe";
  writeString(HKEY_LOCAL_MACHINE, "Software\\Matrox\\PowerDesk", "PDeskPath", "C:\\PDESK\\");
  writeString(HKEY_CURRENT_USER, kUserRun, "Matrox QuickDesk", entry);
  ProgramFolder folder;
  {
    ChangesRefused refused(HKEY_CURRENT_USER, kUserRun);
    Corvane corvane(folder);
    ASSERT_TRUE(corvane.waitForMainWindow());
    ASSERT_TRUE(clickTab(corvane.main(), 1));
    HWND box = child(corvane.main(), "タスクトレイにQuickDeskを常駐。");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(checked(box));
    click(box);
    EXPECT_EQ(answerMessage("Matrox Corvane"), "'Matrox QuickDesk' の削除に失敗しました.");
    EXPECT_TRUE(waitUntil([&] { return checked(box); })) << "the box hides a live entry";
    EXPECT_EQ(readString(HKEY_CURRENT_USER, kUserRun, "Matrox QuickDesk"), entry);
    EXPECT_TRUE(endsCleanly(corvane));
  }
  // Allowed again, the same click takes the entry out.
  Corvane corvane(folder);
  ASSERT_TRUE(corvane.waitForMainWindow());
  ASSERT_TRUE(clickTab(corvane.main(), 1));
  click(child(corvane.main(), "タスクトレイにQuickDeskを常駐。"));
  bool present = true;
  EXPECT_TRUE(waitUntil([&] {
    readString(HKEY_CURRENT_USER, kUserRun, "Matrox QuickDesk", &present);
    return !present;
  }));
  EXPECT_TRUE(endsCleanly(corvane));
}
