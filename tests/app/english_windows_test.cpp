// Every window in English: nothing an English Windows would show as "?", accelerators that do not
// clash within a page, and the same registry and files written as in Japanese.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include "app/corvane_windows.h"
#include "fakes.h"
#include "text/catalogue.h"

namespace {

// The language for the windows made while it lives; Japanese again afterwards.
struct LanguageScope {
  explicit LanguageScope(text::Language language) { text::setLanguage(language); }
  ~LanguageScope() { text::setLanguage(text::Language::Japanese); }
};

struct Rig {
  explicit Rig(text::Language language) : scope(language) {
    folder.write("Mystclk.ini", "PCIBIOS=1\r\n");
    world.programFolder = folder.path();
    world.registry.setString("HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\0000",
                             "DriverDesc", "Matrox Millennium G200 AGP");
    world.os.info = platform::OsVersionInfo{platform::OsPlatform::Windows9x, 4, 10};
  }
  LanguageScope scope;
  doubles::TempFolder folder;
  doubles::World world;
  std::optional<platform::Services> services;
  std::unique_ptr<CorvaneWindows> windows;

  CorvaneWindows& open() {
    services.emplace(world.services());
    windows = std::make_unique<CorvaneWindows>(world.runtime, *services, world.shortcuts);
    windows->Form1.FormCreate();
    windows->Form1.FormShow();
    return *windows;
  }
};

std::vector<ui::Form*> formsOf(CorvaneWindows& w) {
  return {&w.Form1, &w.GameForm, &w.kakuForm, &w.AboutBox, &w.PINForm, &w.WizForm, &w.Form2,
          &w.ShortcutForm};
}

void eachControl(ui::Control& control, const std::function<void(ui::Control&)>& visit) {
  visit(control);
  for (ui::Control* child : control.children()) eachControl(*child, visit);
}

// Every text a control puts on screen.
std::vector<std::string> textsOf(ui::Control& control) {
  std::vector<std::string> texts = {control.caption(), control.hint()};
  if (auto* radio = dynamic_cast<ui::RadioGroup*>(&control))
    texts.insert(texts.end(), radio->items().begin(), radio->items().end());
  if (auto* combo = dynamic_cast<ui::ComboBox*>(&control))
    texts.insert(texts.end(), combo->items().begin(), combo->items().end());
  if (auto* memo = dynamic_cast<ui::Memo*>(&control)) texts.push_back(memo->text());
  if (auto* bar = dynamic_cast<ui::StatusBar*>(&control))
    for (const auto& panel : bar->panels()) texts.push_back(panel.text);
  return texts;
}

bool plainAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

// The page a control is seen with: its tab or wizard page, or the window itself.
const ui::Control* pageOf(const ui::Control& control) {
  for (const ui::Control* c = control.parent(); c; c = c->parent())
    if (c->kind() == ui::Kind::TabSheet || c->kind() == ui::Kind::Panel) return c;
  return nullptr;
}

char acceleratorOf(const std::string& caption) {
  const auto at = caption.find('&');
  if (at == std::string::npos || at + 1 >= caption.size()) return 0;
  const char c = caption[at + 1];
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

TEST(EnglishWindows, NoTextNeedsAJapaneseWindows) {
  Rig rig(text::Language::English);
  CorvaneWindows& w = rig.open();
  for (ui::Form* form : formsOf(w))
    eachControl(*form, [&](ui::Control& control) {
      for (const std::string& shown : textsOf(control))
        EXPECT_TRUE(plainAscii(shown)) << form->name() << "." << control.name() << ": " << shown;
    });
  EXPECT_EQ(w.Form1.caption(), "Corvane");
  EXPECT_EQ(w.AboutBox.Label1.caption(), "Matrox Corvane");
  EXPECT_EQ(w.Form1.general.Title.caption(), "Matrox Corvane Ver1.43");
}

TEST(EnglishWindows, AcceleratorsDoNotClashWithinAPage) {
  Rig rig(text::Language::English);
  CorvaneWindows& w = rig.open();
  for (ui::Form* form : formsOf(w)) {
    // Controls on no page are seen with every page of their window.
    std::map<const ui::Control*, std::vector<ui::Control*>> pages;
    std::vector<ui::Control*> everywhere;
    eachControl(*form, [&](ui::Control& control) {
      if (control.kind() == ui::Kind::TabSheet) return;  // tabs are reached with Ctrl+Tab
      if (!acceleratorOf(control.caption())) return;
      if (const ui::Control* page = pageOf(control))
        pages[page].push_back(&control);
      else
        everywhere.push_back(&control);
    });
    pages[nullptr];
    for (auto& [page, controls] : pages) {
      std::map<char, std::string> seen;
      controls.insert(controls.end(), everywhere.begin(), everywhere.end());
      for (ui::Control* control : controls) {
        const char key = acceleratorOf(control->caption());
        const auto [it, fresh] = seen.emplace(key, control->name());
        EXPECT_TRUE(fresh) << form->name() << ": \"&" << key << "\" on " << it->second << " and "
                           << control->name();
      }
    }
  }
}

TEST(EnglishWindows, APresetAndTheRemovalWriteTheSameRegistryInBothLanguages) {
  std::map<text::Language, std::string> registries;
  std::map<text::Language, std::vector<std::string>> messages;
  for (text::Language language : {text::Language::Japanese, text::Language::English}) {
    Rig rig(language);
    CorvaneWindows& w = rig.open();
    w.Form1.general.Button10.userClick();  // game mode
    w.Form1.registry.box("vsync").userClick();
    w.Form1.general.Button12.userClick();  // benchmark mode
    w.Form1.general.uninstall.userClick();
    registries[language] = rig.world.registry.dump();
    for (const auto& box : rig.world.dialogs.boxes)
      messages[language].push_back(box.caption + ": " + box.text);
  }
  EXPECT_EQ(registries[text::Language::English], registries[text::Language::Japanese]);
  ASSERT_EQ(messages[text::Language::English].size(), 4u);
  EXPECT_EQ(messages[text::Language::Japanese][0],
            "情報: レジストリの設定を｢ゲームに特化した設定｣にしました。");
  EXPECT_EQ(messages[text::Language::English][0],
            "Information: The registry now holds the game settings.");
  EXPECT_EQ(messages[text::Language::English][2],
            "Uninstall: Remove the driver settings from the registry?");
}
