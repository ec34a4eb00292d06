#pragma once
// A system page on doubles, with the General tab's three controls the start-up pass decides.
#include <cstdint>
#include <functional>

#include "cpu/pentium_mmx.h"
#include "cpu/system_page.h"
#include "fakes.h"

// The scripted timer, with a look at the page each time the measurement reads it.
class WatchedTimer : public platform::MilliTimer {
 public:
  explicit WatchedTimer(doubles::ScriptedTimer& inner) : inner_(inner) {}
  std::uint32_t now() override {
    if (onRead) onRead();
    return inner_.now();
  }
  std::function<void()> onRead;

 private:
  doubles::ScriptedTimer& inner_;
};

struct PageRig {
  doubles::World world;
  WatchedTimer timer{world.timer};
  platform::Services services{world.registry, world.launcher, world.os,      timer,
                              world.calendar, world.files,    world.folders, world.dialogs,
                              world.processor, ""};
  ui::Label Label38{nullptr, "Label38", "Unknown"};
  ui::CheckBox comwrite{nullptr, "comwrite", "結合書き込みを使用"};
  ui::CheckBox DNow{nullptr, "DNow", "3D Now!の使用"};
  ui::TabSheet TabSheet4{nullptr, "TabSheet4", "その他の機能"};
  cpu::TPentiumMMX PentiumMMX1{world.processor};
  platform::MachineFacts machine;
  cpu::SystemPage page{TabSheet4, services, PentiumMMX1, machine};

  void use(const std::string& vendor, std::uint32_t eax1, std::uint32_t edx1 = 0x008001BF,
           std::uint32_t maxLeaf = 1) {
    world.processor = doubles::RecordedProcessor::from(vendor, maxLeaf, eax1, edx1);
  }
  // The next measurement sees `ticks` counter ticks over 501 ms.
  void nextClockTicks(std::uint64_t ticks, std::uint64_t start = 1000) {
    world.processor.counterReadings = {start, start + ticks};
    world.timer.readings = {5000, 5501, 5501};
  }
  void nextClockMHz(int mhz) { nextClockTicks(std::uint64_t(mhz) * 501000); }
  // The identification, shown on the General tab's three controls as the main window shows it.
  void startUp() {
    machine.processor = page.identifyAtStartUp();
    const platform::ProcessorFacts& found = machine.processor;
    if (found.platformLabel) Label38.setCaption(*found.platformLabel);
    if (found.writeCombiningUsable) comwrite.setEnabled(*found.writeCombiningUsable);
    if (found.threeDNowUsable) DNow.setEnabled(*found.threeDNowUsable);
  }
  void showAt(int mhz) {
    nextClockMHz(mhz);
    page.TabSheet4Show();
  }
};
