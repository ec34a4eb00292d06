// The settings store over the in-memory registry; and what only the double can show.
#include "memory_registry.h"
#include "platform/errors.h"
#include "platform/settings_store.h"
#include "store_conformance.h"

INSTANTIATE_TEST_SUITE_P(Memory, StoreConformance,
                         ::testing::Values(StoreBackendMaker{
                             "Memory", [] { return std::make_shared<doubles::MemoryRegistry>(); }}),
                         makerName);

TEST(MemoryRegistryRefusals, RefusedWritesRaiseTheStoresErrorAndChangeNothing) {
  doubles::MemoryRegistry reg;
  reg.setString("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings", "Circles", "0");
  reg.refuseWrites("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings", "Circles");
  platform::SettingsStore store(reg);
  store.SetRootKey(platform::RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey("\\Software\\Matrox\\PowerDesk\\Current Settings", true));
  store.WriteString("Ellipses", "1");  // other values of the key still go through
  try {
    store.WriteString("circles", "1");
    FAIL() << "write went through";
  } catch (const platform::RegistryError& e) {
    EXPECT_STREQ(e.what(), "'circles' の設定に失敗しました");
  }
  EXPECT_EQ(reg.stringValue("HKLM\\Software\\Matrox\\PowerDesk\\Current Settings", "Circles"), "0");
}

TEST(MemoryRegistryRefusals, ARefusedDeletionIsTheStoresErrorAndTheValueStays) {
  const std::string run = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  doubles::MemoryRegistry reg;
  reg.setString(run, "Matrox QuickDesk", "x");
  reg.refuseWrites(run, "Matrox QuickDesk");
  platform::SettingsStore store(reg);
  store.SetRootKey(platform::RootKey::CurrentUser);
  ASSERT_TRUE(store.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", true));
  EXPECT_FALSE(store.DeleteValue("Matrox QuickDesk"));  // the plain deletion cannot tell
  try {
    store.RemoveValue("Matrox QuickDesk");
    FAIL() << "the refusal went unsaid";
  } catch (const platform::RegistryError& e) {
    EXPECT_STREQ(e.what(), "'Matrox QuickDesk' の削除に失敗しました");
  }
  EXPECT_EQ(reg.stringValue(run, "Matrox QuickDesk"), "x");
  reg.refuseWrites(run, "Other");
  store.RemoveValue("Other");  // refused, but there is nothing to delete: no error
}

TEST(MemoryRegistryRefusals, HandlesAreReleasedWithTheStore) {
  doubles::MemoryRegistry reg;
  {
    platform::SettingsStore store(reg);
    store.SetRootKey(platform::RootKey::CurrentConfig);
    ASSERT_TRUE(store.OpenKey("\\Display\\Settings", true));
    ASSERT_TRUE(store.OpenKey("\\Display", false));
    EXPECT_EQ(reg.openKeyCount(), 1u);
  }
  EXPECT_EQ(reg.openKeyCount(), 0u);
  EXPECT_TRUE(reg.keyExists("HKCC\\Display\\Settings"));
}
