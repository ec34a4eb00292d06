#include "key_conformance.h"

#include "platform/errors.h"
#include "stored/registry_key.h"

using stored::Access;
using stored::Location;
using stored::RegistryKey;
using stored::RootKey;

namespace {

constexpr Location kBase{RootKey::LocalMachine, "\\Software\\CorvaneConformance"};
constexpr Location kSettings{RootKey::LocalMachine,
                             "\\Software\\CorvaneConformance\\Current Settings"};
constexpr Location kRun{RootKey::LocalMachine, "\\Software\\CorvaneConformance\\Run"};
constexpr Location kRunOtherCase{RootKey::LocalMachine, "\\software\\corvaneconformance\\run"};
constexpr Location kUserRun{RootKey::CurrentUser, "\\Software\\CorvaneConformance\\Run"};
constexpr Location kAbsent{RootKey::LocalMachine, "\\Software\\CorvaneConformance\\Absent"};

}  // namespace

std::string errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const platform::RegistryError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST_P(KeyConformance, TextRoundTripsAndMissingValuesReadEmpty) {
  RegistryKey key(*registry, kSettings, Access::CreateIfMissing);
  ASSERT_TRUE(key.isOpen());
  key.writeText("Flip On Vblank", "1");
  key.writeText("Name", "ミレニアム G200");
  EXPECT_EQ(key.text("Flip On Vblank"), "1");
  EXPECT_EQ(key.text("Name"), "ミレニアム G200");
  EXPECT_EQ(key.text("Missing"), "");
  EXPECT_FALSE(key.has("Missing"));
  EXPECT_EQ(key.textIfPresent("Missing"), std::nullopt);
  key.writeText("Empty", "");
  EXPECT_TRUE(key.has("Empty"));
  EXPECT_EQ(key.textIfPresent("Empty"), "");
  // Cut at the first zero byte, as the driver reads it.
  key.writeText("Cut", std::string("abc\0def", 7));
  EXPECT_EQ(key.text("Cut"), "abc");
}

TEST_P(KeyConformance, ValuesOfAnyLengthAreReadWhole) {
  RegistryKey key(*registry, kBase, Access::CreateIfMissing);
  // Around the size one read takes at once, and far beyond it.
  for (size_t length : {255u, 256u, 257u, 5000u}) {
    const std::string text(length - 1, 'G');  // the terminating zero makes `length` bytes
    key.writeText("Long", text);
    EXPECT_EQ(key.text("Long"), text) << length;
    std::vector<std::uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    key.writeBytes("Bytes", bytes);
    EXPECT_EQ(key.bytes("Bytes", length), bytes) << length;
  }
}

TEST_P(KeyConformance, KeyAndValueNamesAreComparedWithoutRegardToCase) {
  RegistryKey(*registry, kRun, Access::CreateIfMissing).writeText("G200 OverClock", "x");
  RegistryKey key(*registry, kRunOtherCase, Access::ExistingReadOnly);
  EXPECT_TRUE(key.has("g200 overclock"));
  EXPECT_EQ(key.text("G200 OVERCLOCK"), "x");
}

TEST_P(KeyConformance, WrongTypesAreTheWrongTypeError) {
  RegistryKey key(*registry, kBase, Access::CreateIfMissing);
  key.writeInteger("Analog Joystick", 1);
  key.writeText("OverClock", "120");
  key.writeBytes("ScreenWidth", {0x02, 0x80, 0x00});
  EXPECT_EQ(errorOf([&] { key.text("Analog Joystick"); }), "'Analog Joystick' のデータ型が不正です");
  EXPECT_EQ(errorOf([&] { key.integer("OverClock"); }), "'OverClock' のデータ型が不正です");
  EXPECT_EQ(errorOf([&] { key.integer("ScreenWidth"); }), "'ScreenWidth' のデータ型が不正です");
  EXPECT_EQ(errorOf([&] { key.bytes("OverClock", 2); }), "'OverClock' のデータ型が不正です");
  EXPECT_EQ(errorOf([&] { key.bytes("Analog Joystick", 8); }),
            "'Analog Joystick' のデータ型が不正です");
  EXPECT_EQ(errorOf([&] { key.bytes("ScreenWidth", 2); }), "'ScreenWidth' のデータ型が不正です");
  EXPECT_EQ(key.bytes("ScreenWidth", 3), (std::vector<std::uint8_t>{0x02, 0x80, 0x00}));
  EXPECT_EQ(key.integer("Nothing"), std::nullopt);
  EXPECT_EQ(key.bytes("Nothing", 2), std::nullopt);
}

TEST_P(KeyConformance, IntegersRoundTripWithTheirSign) {
  RegistryKey key(*registry, kBase, Access::CreateIfMissing);
  key.writeInteger("OverClock", -5);
  key.writeInteger("Big", 0x7FFFFFFF);
  EXPECT_EQ(key.integer("OverClock"), -5);
  EXPECT_EQ(key.integer("Big"), 0x7FFFFFFF);
  EXPECT_EQ(key.value("Big")->type, stored::ValueType::Dword);
}

TEST_P(KeyConformance, AKeyIsMadeWithItsParentsAndReachedBelowItsLocation) {
  RegistryKey(*registry, kBase, Access::CreateIfMissing, "A\\B").writeText("v", "deep");
  EXPECT_EQ(RegistryKey(*registry, kBase, Access::ExistingReadOnly, "A\\B").text("v"), "deep");
  EXPECT_TRUE(RegistryKey(*registry, kBase, Access::ExistingReadOnly, "A").isOpen());
  EXPECT_FALSE(RegistryKey(*registry, kBase, Access::ExistingReadOnly, "A\\C").isOpen());
}

TEST_P(KeyConformance, AKeyThatIsNotThereIsNoKeyAndNothingIsMade) {
  RegistryKey(*registry, kBase, Access::CreateIfMissing).writeText("landed", "elsewhere");
  {
    RegistryKey absent(*registry, kAbsent, Access::ExistingReadOnly);
    EXPECT_FALSE(absent.isOpen());
    EXPECT_FALSE(absent.has("landed"));
    EXPECT_EQ(absent.text("landed"), "");
    EXPECT_EQ(absent.integer("landed"), std::nullopt);
    EXPECT_EQ(errorOf([&] { absent.writeText("x", "1"); }), "'x' の設定に失敗しました");
    // The value may well be there, out of reach: that is no success.
    EXPECT_EQ(errorOf([&] { absent.remove("x"); }), "'x' の削除に失敗しました");
  }
  EXPECT_FALSE(RegistryKey(*registry, kAbsent, Access::ExistingReadOnly).isOpen());
  EXPECT_EQ(RegistryKey(*registry, kBase, Access::ExistingReadOnly).text("landed"), "elsewhere");
}

TEST_P(KeyConformance, AKeyOpenedForReadingRefusesWrites) {
  RegistryKey(*registry, kBase, Access::CreateIfMissing).writeText("Kept", "1");
  RegistryKey reading(*registry, kBase, Access::ExistingReadOnly);
  EXPECT_EQ(errorOf([&] { reading.writeText("Kept", "2"); }), "'Kept' の設定に失敗しました");
  EXPECT_EQ(errorOf([&] { reading.remove("Kept"); }), "'Kept' の削除に失敗しました");
  EXPECT_EQ(reading.text("Kept"), "1");
}

TEST_P(KeyConformance, RemovingAMissingValueIsNoError) {
  RegistryKey key(*registry, kUserRun, Access::CreateIfMissing);
  key.writeText("Matrox QuickDesk", "C:\\PDesk\\QDesk\\mgaqdesk.exe");
  key.remove("Matrox QuickDesk");
  EXPECT_FALSE(key.has("Matrox QuickDesk"));
  key.remove("Matrox QuickDesk");  // already gone: nothing to say
  EXPECT_FALSE(key.has("Matrox QuickDesk"));
}
