// The real corvane.exe in the language of the system it runs on (this suite runs once in a
// Japanese and once in an English Wine): every text can be shown, the main flows work, and what
// they write to the registry and to files is the same, byte for byte, in both languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "e2e_driver.h"
#include "settings/presets.h"
#include "text/catalogue.h"
#include "text/language.h"

using namespace e2e;
using text::Id;

namespace {

const std::string kDriverKey = "Software\\Matrox\\PowerDesk\\Current Settings";
const std::string kMachineRun = "Software\\Microsoft\\Windows\\CurrentVersion\\run";
const std::string kDisplayClass = "System\\CurrentControlSet\\Services\\Class\\Display";

std::string golden() { return std::string(CORVANE_TEST_DATA) + "/e2e/language-flow.txt"; }

std::string hex(const unsigned char* bytes, DWORD size) {
  std::string out;
  char two[4];
  for (DWORD i = 0; i < size; ++i) {
    std::snprintf(two, sizeof two, "%02X", bytes[i]);
    out += two;
  }
  return out;
}

// Every value under a key and its subkeys as "key\name=type:bytes", sorted.
void dumpKey(HKEY root, const std::string& path, std::vector<std::string>& lines) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameSize = sizeof name, type = 0;
    unsigned char data[4096];
    DWORD dataSize = sizeof data;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    lines.push_back(path + "\\" + name + "=" + std::to_string(type) + ":" + hex(data, dataSize));
  }
  std::vector<std::string> subkeys;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameSize = sizeof name;
    if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    subkeys.push_back(name);
  }
  RegCloseKey(key);
  for (const std::string& sub : subkeys) dumpKey(root, path + "\\" + sub, lines);
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// The names of the files in a folder, sorted.
std::vector<std::string> fileNamesIn(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA file;
  HANDLE find = FindFirstFileA(pattern.c_str(), &file);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(file.cFileName);
  } while (FindNextFileA(find, &file));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

// What the program left behind: the registry it writes and the files beside it (the programs
// themselves left out), the folder's own name replaced by "<folder>". Backups are named by the
// time they were made, so they are listed by their place in the folder instead.
std::string footprint(const ProgramFolder& folder) {
  std::vector<std::string> lines;
  dumpKey(HKEY_LOCAL_MACHINE, "Software\\Matrox", lines);
  bool found = false;
  const std::string entry = readString(HKEY_LOCAL_MACHINE, kMachineRun, "G200 OverClock", &found);
  if (found) lines.push_back("run\\G200 OverClock=" + entry);
  std::sort(lines.begin(), lines.end());
  WIN32_FIND_DATAA file;
  HANDLE find = FindFirstFileA(folder.file("*").c_str(), &file);
  std::vector<std::string> names;
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = file.cFileName;
      // Programs, and the strict mode's stand-in comdlg32, are not what the program wrote.
      if (name == "." || name == ".." || name.size() > 4 && name.substr(name.size() - 4) == ".exe" ||
          name == "comdlg32.dll")
        continue;
      names.push_back(name);
    } while (FindNextFileA(find, &file));
    FindClose(find);
  }
  std::sort(names.begin(), names.end());
  const auto backups = fileNamesIn(folder.file("Backup\\*"));
  for (std::size_t i = 0; i < backups.size(); ++i) {
    const std::string bytes = folder.read("Backup\\" + backups[i]);
    lines.push_back("backup " + std::to_string(i + 1) + "=" +
                    hex(reinterpret_cast<const unsigned char*>(bytes.data()),
                        static_cast<DWORD>(bytes.size())));
  }
  for (const std::string& name : names) {
    if (name == "Backup") continue;
    const std::string bytes = folder.read(name);
    lines.push_back("file " + name + "=" +
                    hex(reinterpret_cast<const unsigned char*>(bytes.data()),
                        static_cast<DWORD>(bytes.size())));
  }
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  replaceAll(all, hex(reinterpret_cast<const unsigned char*>(folder.path().data()),
                      static_cast<DWORD>(folder.path().size())),
             "<folder>");
  replaceAll(all, folder.path(), "<folder>");
  return all;
}

std::string readFile(const std::string& path) {
  std::string bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char chunk[512];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, got);
    std::fclose(f);
  }
  return bytes;
}

struct Texts {
  text::Language language;
  std::string operator()(Id id) const { return text::in(language, id); }
};

// What the game preset says in tr's language for the platform label the program shows.
std::string gameSettingsMessage(const Texts& tr, const std::string& platform) {
  const text::Language before = text::language();
  text::setLanguage(tr.language);
  std::string message =
      settings::presetMessage(settings::Preset::Game, settings::variantFor(platform));
  text::setLanguage(before);
  return message;
}

BOOL CALLBACK noteText(HWND child, LPARAM found) {
  reinterpret_cast<std::vector<std::string>*>(found)->push_back(textOf(child));
  return TRUE;
}

// The texts of a window of the program and of all its children.
std::vector<std::string> shownTexts(HWND top) {
  std::vector<std::string> texts = {textOf(top)};
  EnumChildWindows(top, noteText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

// The system tab's "not measured yet" values ("??", "?.??") are the program's own question marks.
bool placeholder(const std::string& shown) {
  return shown.find_first_not_of("?.") == std::string::npos;
}

// A "?" is where the system could not show a character of the text.
void expectNothingLost(HWND top, const std::string& where) {
  for (const std::string& shown : shownTexts(top))
    if (!placeholder(shown))
      EXPECT_EQ(shown.find('?'), std::string::npos) << where << ": \"" << shown << "\"";
}

struct Languages : ::testing::Test {
  void SetUp() override {
    deleteTree(HKEY_LOCAL_MACHINE, "Software\\Matrox");
    deleteTree(HKEY_LOCAL_MACHINE, kDisplayClass);
    deleteTree(HKEY_CURRENT_CONFIG, "Display\\Settings");
    deleteValue(HKEY_LOCAL_MACHINE, kMachineRun, "G200 OverClock");
    writeString(HKEY_LOCAL_MACHINE, kDisplayClass + "\\0000", "DriverDesc",
                "Matrox Millennium G200 AGP");
    writeString(HKEY_CURRENT_CONFIG, "Display\\Settings", "BitsPerPixel", "16");
    writeString(HKEY_CURRENT_CONFIG, "Display\\Settings", "Resolution", "800,600");
    writeString(HKEY_LOCAL_MACHINE, kDriverKey, "Flip On Vblank", "1");
  }

  // Presses OK in the message box with this caption; returns its text.
  std::string answerMessage(const std::string& caption) {
    HWND box = waitForWindow(caption, 10000, "#32770");
    if (!box) return "(no message box \"" + caption + "\")";
    expectNothingLost(box, "message box");
    std::string text;
    for (HWND s : children(box, "Static"))
      if (!textOf(s).empty()) text = textOf(s);
    click(child(box, "OK"));
    waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
  }

  // A preset, a box ticked, a clock change left to its countdown, the about box, the exit.
  std::string mainFlows(const Texts& tr, const std::string& arguments) {
    ProgramFolder folder;
    Corvane corvane(folder, arguments);
    if (!corvane.waitForMainWindow()) return "(no main window)";
    HWND main = corvane.main();
    expectNothingLost(main, "main window");
    EXPECT_NE(child(main, tr(Id::GeneralPresets)), nullptr);

    // The game settings are the processor's, and the machine the tests run on is whatever it is
    // (a recent Intel processor is placed as a Pentium III, Slot 1/2; most others have no
    // platform): the message is the game preset's for one of the platforms, in tr's language.
    click(child(main, tr(Id::GeneralGame)));
    const std::string said = answerMessage(tr(Id::TitleInformation));
    bool known = false;
    for (const char* platform : {"", "SlotM?", "Slot1", "Slot2", "Socket370", "Socket7 (Super7)",
                                 "Slot1 / Slot2", "Socket7 / Socket5 (Super7)"})
      known = known || said == gameSettingsMessage(tr, platform);
    EXPECT_TRUE(known) << said;

    HWND vsync = child(main, tr(Id::OptionVsync));
    EXPECT_NE(vsync, nullptr);
    click(vsync);
    EXPECT_TRUE(waitUntil([&] { return !checked(vsync); }));

    HWND clock = nullptr;
    for (HWND edit : children(main, "Edit"))
      if (textOf(edit) == "89") clock = edit;
    EXPECT_NE(clock, nullptr);
    if (clock) setText(clock, "120");
    click(child(main, tr(Id::ClockChange)));
    HWND confirm = waitForWindow(tr(Id::ConfirmTitle));
    EXPECT_NE(confirm, nullptr);
    if (confirm) {
      EXPECT_NE(child(confirm, "120"), nullptr);
      EXPECT_TRUE(waitUntil([&] { return child(confirm, "4") != nullptr; })) << "no countdown";
      expectNothingLost(confirm, "confirmation");
    }
    std::string restored = tr(Id::ClockRestored);
    restored.replace(restored.find("%s"), 2, "89");
    EXPECT_EQ(answerMessage(tr(Id::TitleInformation)), restored);

    click(child(main, tr(Id::GeneralAbout)));
    HWND about = waitForWindow(tr(Id::AboutTitle));
    EXPECT_NE(about, nullptr);
    if (about) {
      EXPECT_NE(child(about, "Matrox Corvane"), nullptr);
      EXPECT_NE(child(about, tr(Id::AboutDate)), nullptr);
      expectNothingLost(about, "about box");
      click(child(about, "OK"));
      EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
    }
    click(child(main, tr(Id::ExitButton)));
    EXPECT_TRUE(corvane.waitForExit(10000));
    return footprint(folder);
  }
};

}  // namespace

TEST_F(Languages, TheSystemsLanguageIsSpokenAndWritesWhatJapaneseWrites) {
  // The suite is registered once per locale and says which code page that locale must give.
  if (const char* codePage = std::getenv("CORVANE_EXPECT_CODE_PAGE"))
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(codePage)));
  const text::Language system = text::chooseLanguage(GetACP(), "");
  const std::string written = mainFlows(Texts{system}, "");
  // CORVANE_FOOTPRINT names a file to keep this run's footprint in (to review a new golden file).
  if (const char* keep = std::getenv("CORVANE_FOOTPRINT")) {
    if (FILE* f = std::fopen(keep, "wb")) {
      std::fwrite(written.data(), 1, written.size(), f);
      std::fclose(f);
    }
  }
  EXPECT_EQ(written, readFile(golden())) << "code page " << GetACP();
}

TEST_F(Languages, TheOtherLanguageBySwitchWritesTheSameToo) {
  // English can be shown by a Japanese Windows too; the reverse cannot.
  if (GetACP() != 932) GTEST_SKIP() << "Japanese texts need code page 932";
  const std::string written = mainFlows(Texts{text::Language::English}, "/en");
  EXPECT_EQ(written, readFile(golden()));
}

TEST_F(Languages, JapaneseAskedForWhereItCannotBeShownIsRefusedInEnglish) {
  // A Japanese Windows shows Japanese; every other one would show "?" for every character.
  if (GetACP() == 932) GTEST_SKIP() << "a Japanese Windows shows Japanese";
  const Texts english{text::Language::English};
  ProgramFolder folder;
  Corvane corvane(folder, "/ja");
  EXPECT_EQ(answerMessage("Matrox Corvane"), english(Id::LanguageJapaneseNotShown));
  ASSERT_TRUE(corvane.waitForMainWindow());
  EXPECT_NE(child(corvane.main(), english(Id::ExitButton)), nullptr) << "not in English";
  expectNothingLost(corvane.main(), "/ja on code page " + std::to_string(GetACP()));
  click(child(corvane.main(), english(Id::ExitButton)));
  EXPECT_TRUE(corvane.waitForExit(10000));
}
