// Each group of keys, its key refused: reads give what a missing value gives, writes raise the
// store's error, and no other key of the registry changes.
#include <gtest/gtest.h>

#include <functional>

#include "fakes.h"
#include "platform/errors.h"
#include "stored/clock_settings.h"
#include "stored/display_detection.h"
#include "stored/driver_settings.h"
#include "stored/game_settings.h"
#include "stored/managed_values.h"
#include "stored/powerdesk.h"
#include "stored/run_lists.h"

namespace {

using stored::Registry;
using stored::Access;
using D = stored::DriverValue;

const std::string kDriver = "HKLM\\Software\\Matrox\\PowerDesk\\Current Settings";
const std::string kPowerDesk = "HKLM\\Software\\Matrox\\PowerDesk";
const std::string kUninstall =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MGA PowerDesk";
const std::string kMachineRun = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kUserRun = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kDisplayClass = "HKLM\\System\\CurrentControlSet\\Services\\Class\\Display";
const std::string kDisplaySettings = "HKCC\\Display\\Settings";
const std::string kUnreal = "HKLM\\SOFTWARE\\Microsoft\\UnrealD3D";
const std::string kNfs3 = "HKLM\\Software\\Electronic Arts\\Need For Speed III";
const std::string kForsaken = "HKLM\\Software\\Acclaim Entertainment\\Forsaken\\1.00";
const std::string kCorvane = "HKLM\\Software\\Corvane";

// Every key the program knows holds every name the program uses, so that a read or write that
// strays into another key finds something there to read or to change.
void seedEveryKey(doubles::MemoryRegistry& reg) {
  const std::string keys[] = {kDriver,       kPowerDesk,        kUninstall, kMachineRun,
                              kUserRun,      kDisplayClass + "\\0000", kDisplaySettings,
                              kUnreal,       kNfs3,             kForsaken, kCorvane};
  const char* texts[] = {"Circles", "AGPFlags", "OrgMonName", "Mystclk", "PDeskPath",
                         "DisplayName", "G200 OverClock", "Matrox QuickDesk", "DriverDesc",
                         "BitsPerPixel", "Resolution", "Win98Virtual"};
  const char* numbers[] = {"OverClock", "OverClockDEF89", "Truecolor", "DoFlip", "Triple Buffer",
                           "ConfirmedClock"};
  for (const auto& key : keys) {
    for (const char* name : texts) reg.setString(key, name, "1");
    for (const char* name : numbers) reg.setInteger(key, name, 1);
    reg.setBinary(key, "ScreenWidth", {0x02, 0x80});
  }
}

struct Group {
  const char* name;
  std::vector<std::string> refused;  // the group's keys
  std::vector<std::function<void(Registry&)>> writes;
  std::function<void(Registry&)> reads;  // each expectation about defaults
};

std::vector<Group> groups() {
  return {
      {"driver settings",
       {kDriver},
       {[](Registry& r) { stored::DriverSettings(r).write(D::Circles, true); },
        [](Registry& r) { stored::DriverSettings(r).writeText(D::AgpFlags, "-1"); },
        [](Registry& r) { stored::DriverSettings(r).remove(D::Circles); }},
       [](Registry& r) {
         stored::DriverSettings driver(r);
         EXPECT_FALSE(driver.isOn(D::Circles));
         EXPECT_EQ(driver.text(D::AgpFlags), "");
         EXPECT_EQ(driver.monitorName(), std::nullopt);
         driver.removeOldVirtualDesktopSpelling();  // nothing there to remove
       }},
      {"clock settings",
       {kDriver},
       {[](Registry& r) { stored::ClockSettings(r).storeLastClock(120); },
        [](Registry& r) { stored::ClockSettings(r).storeLimit(stored::ClockLimit::Default89, 90); },
        [](Registry& r) { stored::ClockSettings(r).storeToolPath("C:\\G200clk.exe"); }},
       [](Registry& r) {
         stored::ClockSettings clocks(r);
         EXPECT_EQ(clocks.lastClock(), std::nullopt);
         EXPECT_EQ(clocks.limit(stored::ClockLimit::Default89), std::nullopt);
         EXPECT_EQ(clocks.toolPath(), std::nullopt);
       }},
      {"confirmed clock",
       {kCorvane},
       {[](Registry& r) { stored::ConfirmedClock(r).recordKept(150, "G200clk", "G200"); }},
       [](Registry& r) {
         EXPECT_EQ(stored::ConfirmedClock(r).highest("G200clk", "G200"), std::nullopt);
       }},
      {"clock at start-up",
       {kMachineRun},
       {[](Registry& r) { stored::ClockStartup(r).registerClock("G200clk.exe 120"); },
        [](Registry& r) { stored::ClockStartup(r).unregister(); }},
       [](Registry& r) { EXPECT_FALSE(stored::ClockStartup(r).registered()); }},
      {"QuickDesk at logon",
       {kUserRun},
       {[](Registry& r) { stored::QuickDeskStartup(r).registerProgram("mgaqdesk.exe"); },
        [](Registry& r) { stored::QuickDeskStartup(r).unregister(); }},
       [](Registry& r) { EXPECT_FALSE(stored::QuickDeskStartup(r).registered()); }},
      {"PowerDesk",
       {kPowerDesk, kUninstall},
       {},
       [](Registry& r) {
         EXPECT_EQ(stored::PowerDesk(r).folder(), "");
         EXPECT_EQ(stored::PowerDesk(r).productName(), std::nullopt);
       }},
      {"display detection",
       {kDisplayClass + "\\0000", kDisplaySettings},
       {},
       [](Registry& r) {
         stored::DisplayDetection display(r);
         EXPECT_EQ(display.adapterDescription(), "");
         EXPECT_EQ(display.bitsPerPixel(), std::nullopt);
         EXPECT_EQ(display.resolution(), std::nullopt);
       }},
      {"Unreal",
       {kUnreal},
       {[](Registry& r) {
         stored::UnrealSettings(r, Access::CreateIfMissing).write(stored::UnrealSwitch::DoFlip, 0);
       }},
       [](Registry& r) {
         EXPECT_EQ(stored::UnrealSettings(r, Access::ExistingReadOnly)
                       .read(stored::UnrealSwitch::Truecolor),
                   std::nullopt);
       }},
      {"Need for Speed III",
       {kNfs3},
       {[](Registry& r) {
         stored::NeedForSpeed3Settings(r, Access::CreateIfMissing).storeTripleBuffer(0);
       }},
       [](Registry& r) {
         EXPECT_EQ(stored::NeedForSpeed3Settings(r, Access::ExistingReadOnly).tripleBuffer(),
                   std::nullopt);
       }},
      {"Forsaken",
       {kForsaken},
       {[](Registry& r) { stored::ForsakenSettings(r, Access::CreateIfMissing).storeVgaMode(); }},
       [](Registry& r) {
         EXPECT_EQ(stored::ForsakenSettings(r, Access::ExistingReadOnly).isVgaMode(), std::nullopt);
       }},
      {"backed-up values",
       {kDriver},
       {[](Registry& r) {
         stored::Snapshot snapshot = stored::readSnapshot(r);
         for (auto& saved : snapshot) saved.value = stored::RegistryValue{};
         stored::writeSnapshot(r, snapshot);
       }},
       [](Registry& r) {
         for (const auto& saved : stored::readSnapshot(r))
           if (saved.where == &stored::keys::kDriverSettings)
             EXPECT_EQ(saved.value, std::nullopt) << saved.name;
       }},
  };
}

TEST(KeyGroups, WithItsKeyRefusedWritesFailAndReadsFindNothingAndNoOtherKeyChanges) {
  for (const Group& group : groups()) {
    doubles::MemoryRegistry reg;
    seedEveryKey(reg);
    for (const auto& key : group.refused) reg.refuseOpen(key);
    const std::string before = reg.dump();
    for (std::size_t i = 0; i < group.writes.size(); ++i)
      EXPECT_THROW(group.writes[i](reg), platform::RegistryError) << group.name << ", write " << i;
    group.reads(reg);
    EXPECT_TRUE(reg.dump() == before) << group.name << ": another key changed";
    EXPECT_TRUE(reg.journal().empty()) << group.name;
    EXPECT_EQ(reg.openKeyCount(), 0u) << group.name;
  }
}

TEST(KeyGroups, ReadsOfAKeyThatIsThereComeFromItAndWritesGoIntoIt) {
  doubles::MemoryRegistry reg;
  seedEveryKey(reg);
  reg.setInteger(kDriver, "OverClock", 70000);  // no clock of ours
  EXPECT_TRUE(stored::DriverSettings(reg).isOn(D::Circles));
  EXPECT_EQ(stored::ClockSettings(reg).lastClock(), std::nullopt);
  EXPECT_EQ(stored::ClockSettings(reg).limit(stored::ClockLimit::Default89), 1);
  EXPECT_EQ(stored::PowerDesk(reg).folder(), "1");
  EXPECT_EQ(stored::DisplayDetection(reg).adapterDescription(), "1");
  stored::ClockStartup(reg).registerClock("G200clk.exe 120");
  stored::ClockSettings(reg).storeLastClock(120);
  stored::DriverSettings(reg).removeOldVirtualDesktopSpelling();
  EXPECT_EQ(reg.stringValue(kMachineRun, "G200 OverClock"), "G200clk.exe 120");
  EXPECT_EQ(reg.integerValue(kDriver, "OverClock"), 120);
  EXPECT_FALSE(reg.valueExists(kDriver, "Win98Virtual"));
  EXPECT_TRUE(reg.valueExists(kDisplayClass + "\\0000", "Win98Virtual"));
  EXPECT_EQ(reg.openKeyCount(), 0u);
}

}  // namespace
