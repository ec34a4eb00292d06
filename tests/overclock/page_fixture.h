#pragma once
// The clock page on a main window of its own, its three windows, and the doubles around them.
#include <gtest/gtest.h>

#include "fakes.h"
#include "overclock/clock_page.h"
#include "overclock/confirm_form.h"
#include "overclock/options_form.h"
#include "overclock/shortcut_form.h"
#include "platform/errors.h"

namespace overclock_test {

const char* const kSettings = "HKLM\\Software\\Matrox\\PowerDesk\\Current Settings";
const char* const kCorvane = "HKLM\\Software\\Corvane";
const char* const kRun = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct ClockPageTest : ::testing::Test {
  doubles::World world;
  doubles::TempFolder folder;
  platform::Services services = servicesIn(folder.path());
  ui::Form form1{world.runtime, "Form1", "Corvane"};
  ui::PageControl pages{&form1, "PageControl1"};
  ui::TabSheet sheet{&pages, "TabSheet3", "オーバークロック"};
  platform::MachineFacts machine;  // what the main window's start-up learnt
  overclock::ClockService clock{services, machine};
  overclock::ClockPage page{sheet, services, clock};
  overclock::TkakuForm kaku{world.runtime, services, clock};
  overclock::TForm2 options{world.runtime, clock};
  overclock::TShortcutForm shortcut{world.runtime, services, world.shortcuts, clock};

  ClockPageTest() {
    page.attachWindows(kaku, options, shortcut);
    folder.write("Mystclk.ini", "PCIBIOS=1\r\n");
  }

  platform::Services servicesIn(const std::string& programFolder) {
    world.programFolder = programFolder;
    return world.services();
  }

  // The main window's creation and show steps, as far as they touch the page, on a display of
  // this mode (0: none stored).
  void startUp(long bitsPerPixel = 0, const std::string& resolution = "1024,768") {
    if (bitsPerPixel != 0) {
      machine.bitsPerPixel.learn(std::to_string(bitsPerPixel));
      machine.resolution.learn(resolution);
    }
    page.loadMystclkIni();
    page.detectStartupEntry();
    machine.adapter.learn("");
    page.loadLastClockAndToolPath();
    page.startBatchFile();
    page.ClassifyClockTool();
    page.ApplyClockProfile();
  }

  // A clk.txt with the clock text at positions 32 onwards of line 14.
  void writeReport(const std::string& clock) {
    std::string text;
    for (int line = 1; line <= 16; ++line)
      text += (line == 14 ? std::string(31, ' ') + clock + " MHz" : "line") + std::string("\r\n");
    folder.write("clk.txt", text);
  }

  std::vector<std::string> started() const {
    std::vector<std::string> out;
    for (const auto& s : world.launcher.starts) out.push_back(s.commandLine);
    return out;
  }

  std::vector<std::string> boxTexts() const {
    std::vector<std::string> out;
    for (const auto& b : world.dialogs.boxes) out.push_back(b.caption + "|" + b.text);
    return out;
  }

  std::optional<std::int32_t> stored(const std::string& name) const {
    return world.registry.integerValue(kSettings, name);
  }
};

}  // namespace overclock_test

using overclock_test::ClockPageTest;
using overclock_test::kRun;
using overclock_test::kSettings;
