// Registry keys over the in-memory registry; and what only the double can show.
#include "key_conformance.h"
#include "memory_registry.h"
#include "platform/errors.h"
#include "stored/registry_key.h"

using stored::Access;
using stored::Location;
using stored::RegistryKey;
using stored::RootKey;

INSTANTIATE_TEST_SUITE_P(Memory, KeyConformance,
                         ::testing::Values(RegistryMaker{
                             "Memory", [] { return std::make_shared<doubles::MemoryRegistry>(); }}),
                         makerName);

namespace {

constexpr Location kSettings{RootKey::LocalMachine,
                             "\\Software\\Matrox\\PowerDesk\\Current Settings"};
constexpr Location kRun{RootKey::CurrentUser, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"};

}  // namespace

TEST(MemoryRegistryRefusals, RefusedWritesRaiseTheWriteErrorAndChangeNothing) {
  doubles::MemoryRegistry reg;
  reg.setString("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings", "Circles", "0");
  reg.refuseWrites("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings", "Circles");
  RegistryKey key(reg, kSettings, Access::CreateIfMissing);
  key.writeText("Ellipses", "1");  // other values of the key still go through
  EXPECT_EQ(errorOf([&] { key.writeText("circles", "1"); }), "'circles' の設定に失敗しました");
  EXPECT_EQ(reg.stringValue("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings", "Circles"), "0");
}

TEST(MemoryRegistryRefusals, ARefusedDeletionIsTheDeletionErrorAndTheValueStays) {
  const std::string run = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  doubles::MemoryRegistry reg;
  reg.setString(run, "Matrox QuickDesk", "x");
  reg.refuseWrites(run, "Matrox QuickDesk");
  RegistryKey key(reg, kRun, Access::CreateIfMissing);
  EXPECT_EQ(errorOf([&] { key.remove("Matrox QuickDesk"); }),
            "'Matrox QuickDesk' の削除に失敗しました");
  EXPECT_EQ(reg.stringValue(run, "Matrox QuickDesk"), "x");
  reg.refuseWrites(run, "Other");
  key.remove("Other");  // refused, but there is nothing to delete: no error
}

TEST(MemoryRegistryRefusals, AKeyThatCannotBeOpenedIsNoKeyAndHandlesAreReleased) {
  doubles::MemoryRegistry reg;
  reg.refuseOpen("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings");
  {
    RegistryKey refused(reg, kSettings, Access::CreateIfMissing);
    EXPECT_FALSE(refused.isOpen());
    RegistryKey run(reg, kRun, Access::CreateIfMissing);
    EXPECT_EQ(reg.openKeyCount(), 1u);
  }
  EXPECT_EQ(reg.openKeyCount(), 0u);
  EXPECT_FALSE(reg.keyExists("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings"));
  EXPECT_TRUE(reg.keyExists("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"));
}

TEST(MemoryRegistryRefusals, ADwordOfAnotherSizeIsTheWrongType) {
  // Written so by another program: what the number would be is anybody's guess.
  doubles::MemoryRegistry reg;
  RegistryKey key(reg, kSettings, Access::CreateIfMissing);
  key.writeValue("OverClock", {stored::ValueType::Dword, {0x78, 0x00, 0x00}});
  EXPECT_EQ(errorOf([&] { key.integer("OverClock"); }), "'OverClock' のデータ型が不正です");
}
