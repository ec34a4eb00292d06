// The backup file: a regedit file of the driver settings, read back whole or refused whole; the
// Backup folder in backup_test.cpp, the way back in undo_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/errors.h"
#include "settings/backup_file.h"

using stored::RegistryValue;
using stored::ValueType;

namespace {

RegistryValue stringValue(const std::string& t) {
  return {ValueType::String, {t.begin(), t.end()}};
}

settings::Snapshot everyValueAbsent() {
  settings::Snapshot snapshot;
  for (const auto& m : settings::managedValues()) snapshot.push_back({m.where, m.name, {}});
  return snapshot;
}

settings::SavedValue& entry(settings::Snapshot& snapshot, const std::string& name) {
  return *std::find_if(snapshot.begin(), snapshot.end(),
                       [&](const settings::SavedValue& s) { return s.name == name; });
}

// A snapshot with one value of every kind the driver's key may hold, and absent ones.
settings::Snapshot mixedSnapshot() {
  settings::Snapshot snapshot = everyValueAbsent();
  entry(snapshot, "Circles").value = stringValue("1");
  entry(snapshot, "Force DDC").value = stringValue("a \"quoted\" C:\\path and 日本語");
  entry(snapshot, "AGPFlags").value = stringValue("-1");
  entry(snapshot, "Use MMX").value = RegistryValue{ValueType::Dword, {0x78, 0x56, 0x34, 0x12}};
  entry(snapshot, "TVOutput").value = RegistryValue{ValueType::Binary, {0x02, 0x80, 0xaf}};
  entry(snapshot, "Table Fog").value = RegistryValue{ValueType::ExpandString, {'%', 'X', '%'}};
  entry(snapshot, "Matrox QuickDesk").value =
      stringValue("\"C:\\Program Files\\QDesk\\mgaqdesk.exe\"");
  return snapshot;
}

}  // namespace

TEST(BackupFile, IsARegeditFileThatReadsBackToTheSameValues) {
  // The 34 options, "AGPFlags", "ShowHotKeys", "ShowSupport" and "Matrox QuickDesk".
  EXPECT_EQ(settings::managedValues().size(), 38u);
  const auto lines = settings::backupFileLines(mixedSnapshot());
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "REGEDIT4");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "[HKEY_LOCAL_MACHINE\\Software\\Matrox\\PowerDesk\\Current Settings]");
  EXPECT_EQ(lines.back(), "");
  const auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("\"Circles\"=\"1\""));
  EXPECT_TRUE(has("\"Force DDC\"=\"a \\\"quoted\\\" C:\\\\path and 日本語\""));
  EXPECT_TRUE(has("\"Use MMX\"=dword:12345678"));
  EXPECT_TRUE(has("\"TVOutput\"=hex:02,80,af"));
  EXPECT_TRUE(has("\"Table Fog\"=hex(2):25,58,25,00"));
  EXPECT_TRUE(has("[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]"));
  EXPECT_TRUE(has("\"Analog Joystick\"=-"));
  // Every present value comes before the first deletion.
  const auto firstDeletion = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.size() > 2 && l.compare(l.size() - 2, 2, "=-") == 0;
  });
  EXPECT_EQ(std::find(firstDeletion, lines.end(), "\"Circles\"=\"1\""), lines.end());

  const auto back = settings::parseBackupFile(lines);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(*back == mixedSnapshot());
  // Hex digits as regedit writes them, or as an editor may have made them.
  auto edited = lines;
  std::replace(edited.begin(), edited.end(), std::string("\"TVOutput\"=hex:02,80,af"),
               std::string("\"TVOutput\"=hex:02,80,AF"));
  EXPECT_TRUE(edited != lines && settings::parseBackupFile(edited) == back);
}

TEST(BackupFile, AValueNoRegeditLineCanCarryStopsTheBackup) {
  settings::Snapshot snapshot = everyValueAbsent();
  entry(snapshot, "Circles").value = stringValue("two\r\nlines");
  EXPECT_THROW(settings::backupFileLines(snapshot), platform::UserError);
  // An expandable string beyond plain ASCII would read back otherwise in another code page.
  snapshot = everyValueAbsent();
  entry(snapshot, "Table Fog").value = RegistryValue{ValueType::ExpandString, {'%', 0x80, '%'}};
  EXPECT_THROW(settings::backupFileLines(snapshot), platform::UserError);
}

TEST(BackupFile, DamagedOrForeignFilesAreRefusedWhole) {
  const auto good = settings::backupFileLines(mixedSnapshot());
  ASSERT_TRUE(settings::parseBackupFile(good).has_value());
  auto changed = [&](const std::function<void(std::vector<std::string>&)>& change) {
    auto lines = good;
    change(lines);
    return settings::parseBackupFile(lines).has_value();
  };
  auto lineOf = [](std::vector<std::string>& lines, const std::string& start) -> std::string& {
    return *std::find_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.rfind(start, 0) == 0; });
  };
  EXPECT_FALSE(changed([](auto& l) { l.pop_back(); })) << "cut after a value line";
  EXPECT_FALSE(changed([](auto& l) { l.resize(l.size() / 2); })) << "cut in the middle";
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"").resize(12); }))
      << "cut inside a string";
  EXPECT_FALSE(changed([](auto& l) { l[0] = "Windows Registry Editor Version 5.00"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Use MMX\"") = "\"Use MMX\"=dword:1"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"TVOutput\"") = "\"TVOutput\"=hex:2,80"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"TVOutput\"") = "\"TVOutput\"=hex:02,8g"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"") = "\"Circles\"=\"1\" ; on"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"") = "\"Circles\"=\"\\n\""; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"") = "\"Circles\"=1"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Table Fog\"") = "\"Table Fog\"=hex(2):"; }));
  EXPECT_FALSE(changed([&](auto& l) { lineOf(l, "\"Circles\"") = "\"Shell\"=\"evil.exe\""; }))
      << "a value outside the managed set (and Circles missing)";
  EXPECT_FALSE(changed([&](auto& l) { l.insert(l.begin() + 3, "\"Shell\"=\"evil.exe\""); }))
      << "a value outside the managed set";
  EXPECT_FALSE(changed([&](auto& l) { l.insert(l.begin() + 3, "\"Matrox QuickDesk\"=-"); }))
      << "QuickDesk's entry belongs to the Run key, not the driver's key";
  EXPECT_FALSE(changed([&](auto& l) { l.insert(l.begin() + 3, l[3]); })) << "a value twice";
  EXPECT_FALSE(changed([&](auto& l) {
    lineOf(l, "[HKEY_CURRENT_USER") = "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce]";
  })) << "a key Corvane does not write to";
  EXPECT_FALSE(changed([&](auto& l) { l.insert(l.begin() + 1, "\"Circles\"=\"1\""); }))
      << "a value before any key";
}
