#include "store_conformance.h"

#include "platform/errors.h"
#include "platform/settings_store.h"

using platform::RegistryError;
using platform::RootKey;
using platform::SettingsStore;

namespace {

const std::string kBase = "\\Software\\CorvaneConformance";

std::string errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const RegistryError& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

TEST_P(StoreConformance, TextRoundTripsAndMissingValuesReadEmpty) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase + "\\Current Settings", true));
  store.WriteString("Flip On Vblank", "1");
  store.WriteString("Name", "ミレニアム G200");
  EXPECT_EQ(store.ReadString("Flip On Vblank"), "1");
  EXPECT_EQ(store.ReadString("Name"), "ミレニアム G200");
  EXPECT_EQ(store.ReadString("Missing"), "");
  EXPECT_FALSE(store.ValueExists("Missing"));
  store.WriteString("Empty", "");
  EXPECT_TRUE(store.ValueExists("Empty"));
  EXPECT_EQ(store.ReadString("Empty"), "");
}

TEST_P(StoreConformance, ValuesOfAnyLengthAreReadWhole) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase, true));
  // Around the size one read takes at once, and far beyond it.
  for (size_t length : {255u, 256u, 257u, 5000u}) {
    const std::string text(length - 1, 'G');  // the terminating zero makes `length` bytes
    store.WriteString("Long", text);
    EXPECT_EQ(store.ReadString("Long"), text) << length;
    std::vector<std::uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    store.WriteBinaryData("Bytes", bytes);
    EXPECT_EQ(store.ReadBinaryData("Bytes", static_cast<int>(length)), bytes) << length;
  }
}

TEST_P(StoreConformance, NamesAreComparedWithoutRegardToCase) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase + "\\Run", true));
  store.WriteString("G200 OverClock", "x");
  ASSERT_TRUE(store.OpenKey(kBase + "\\run", false));
  EXPECT_TRUE(store.ValueExists("g200 overclock"));
  EXPECT_EQ(store.ReadString("G200 OVERCLOCK"), "x");
}

TEST_P(StoreConformance, WrongTypesAreTheStoresError) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase, true));
  store.WriteInteger("Analog Joystick", 1);
  store.WriteString("OverClock", "120");
  store.WriteBinaryData("ScreenWidth", {0x02, 0x80, 0x00});
  EXPECT_EQ(errorOf([&] { store.ReadString("Analog Joystick"); }),
            "'Analog Joystick' のデータ型が不正です");
  EXPECT_EQ(errorOf([&] { store.ReadInteger("OverClock"); }), "'OverClock' のデータ型が不正です");
  EXPECT_EQ(errorOf([&] { store.ReadInteger("Nothing"); }), "'Nothing' の取得に失敗しました");
  EXPECT_EQ(errorOf([&] { store.ReadBinaryData("OverClock", 2); }),
            "'OverClock' のデータ型が不正です");
  EXPECT_EQ(errorOf([&] { store.ReadBinaryData("ScreenWidth", 2); }),
            "'ScreenWidth' のデータ型が不正です");
  EXPECT_TRUE(store.ReadBinaryData("Nothing", 2).empty());
}

TEST_P(StoreConformance, IntegersAndBytesRoundTrip) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase, true));
  store.WriteInteger("OverClock", -5);
  store.WriteInteger("Big", 0x7FFFFFFF);
  store.WriteBinaryData("ScreenWidth", {0x02, 0x80});
  EXPECT_EQ(store.ReadInteger("OverClock"), -5);
  EXPECT_EQ(store.ReadInteger("Big"), 0x7FFFFFFF);
  EXPECT_EQ(store.ReadBinaryData("ScreenWidth", 2), (std::vector<std::uint8_t>{0x02, 0x80}));
}

TEST_P(StoreConformance, PathsWithoutLeadingBackslashStartAtTheRootOfAFreshHandle) {
  {
    SettingsStore store(*backend);
    store.SetRootKey(RootKey::LocalMachine);
    ASSERT_TRUE(store.OpenKey(kBase + "\\A\\B", true));
    store.WriteString("v", "deep");
  }
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase.substr(1) + "\\A\\B", false));
  EXPECT_EQ(store.ReadString("v"), "deep");
  // Relative to the open key once one is open.
  ASSERT_TRUE(store.OpenKey(kBase + "\\A", false));
  ASSERT_TRUE(store.OpenKey("B", false));
  EXPECT_EQ(store.ReadString("v"), "deep");
}

TEST_P(StoreConformance, AFailedOpenLeavesThePreviousKeyCurrent) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase + "\\Kept", true));
  EXPECT_FALSE(store.OpenKeyReadOnly(kBase + "\\Absent"));
  EXPECT_FALSE(store.OpenKey(kBase + "\\Absent", false));
  store.WriteString("landed", "here");
  SettingsStore check(*backend);
  check.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(check.OpenKey(kBase + "\\Kept", false));
  EXPECT_EQ(check.ReadString("landed"), "here");
  EXPECT_FALSE(check.OpenKeyReadOnly(kBase + "\\Absent"));  // nothing was created
}

TEST_P(StoreConformance, SameRootKeepsTheKeyAnotherRootClosesIt) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase, true));
  store.SetRootKey(RootKey::LocalMachine);
  EXPECT_TRUE(store.hasOpenKey());
  store.SetRootKey(RootKey::CurrentUser);
  EXPECT_FALSE(store.hasOpenKey());
  // With no key open, a write is refused with the store's error.
  EXPECT_EQ(errorOf([&] { store.WriteString("x", "1"); }), "'x' の設定に失敗しました");
}

TEST_P(StoreConformance, DeletingAMissingValueIsSilentlyNothing) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::CurrentUser);
  ASSERT_TRUE(store.OpenKey(kBase + "\\Run", true));
  store.WriteString("Matrox QuickDesk", "C:\\PDesk\\QDesk\\mgaqdesk.exe");
  EXPECT_TRUE(store.DeleteValue("Matrox QuickDesk"));
  EXPECT_FALSE(store.ValueExists("Matrox QuickDesk"));
  EXPECT_FALSE(store.DeleteValue("Matrox QuickDesk"));
}

TEST_P(StoreConformance, RemovingAMissingValueIsNoErrorButWithoutAKeyItIs) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::CurrentUser);
  ASSERT_TRUE(store.OpenKey(kBase + "\\Run", true));
  store.WriteString("Matrox QuickDesk", "C:\\PDesk\\QDesk\\mgaqdesk.exe");
  store.RemoveValue("Matrox QuickDesk");
  EXPECT_FALSE(store.ValueExists("Matrox QuickDesk"));
  store.RemoveValue("Matrox QuickDesk");  // already gone: nothing to say
  store.CloseKey();
  // The key could not be opened: the value may be there, out of reach.
  EXPECT_EQ(errorOf([&] { store.RemoveValue("Matrox QuickDesk"); }),
            "'Matrox QuickDesk' の削除に失敗しました");
}

TEST_P(StoreConformance, ReadStringEndsAtTheFirstZeroByte) {
  SettingsStore store(*backend);
  store.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(store.OpenKey(kBase, true));
  store.WriteString("Cut", std::string("abc\0def", 7));
  EXPECT_EQ(store.ReadString("Cut"), "abc");
}
