// The system page: its controls as first shown, the refresh, the clock measurement and retry.
#include <gtest/gtest.h>

#include <tuple>

#include "cpu/clock_measurement.h"
#include "page_rig.h"

namespace {

// Width a text needs: 12 px per full-width character, 7 per half-width one (Greek μ included).
int neededWidth(const std::string& text) {
  int width = 0;
  for (unsigned char c : text)
    if (c < 0x80 || c >= 0xC0) width += (c >= 0xE0) ? 12 : 7;
  return width;
}

bool overlap(const ui::Bounds& a, const ui::Bounds& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

}  // namespace

TEST(SystemPage, ControlsAsFirstShown) {
  PageRig rig;
  cpu::SystemPage& p = rig.page;
  const std::pair<const ui::Label*, const char*> fields[] = {
      {&p.Label64, "Unknown CPU Vender"}, {&p.Label62, "Unknown CPU"}, {&p.Label42, "不明"},
      {&p.Label43, "?.??"}, {&p.Label40, "不明"}, {&p.Label81, "Unknown Vender"},
      {&p.Label78, "??"}, {&p.Label69, "対応"}, {&p.Label60, "搭載"}, {&p.Label82, "非対応"},
      {&p.Label58, "---.----MHz"}, {&p.Label83Caption, "ストリーミングSIMD命令："}};
  for (const auto& f : fields) EXPECT_EQ(f.first->caption(), f.second) << f.first->name();
  EXPECT_EQ(p.Label71.caption(), std::string(21, ' '));
  EXPECT_TRUE(p.Label60.bold() && p.Label82.bold() && p.Label83.bold() && p.Label58.bold());
  EXPECT_EQ(p.Label60.colour(), ui::kNavy);
  EXPECT_EQ(p.Label58.fontHeight(), 16);
  EXPECT_FALSE(p.Label73.visible() || p.PinCButton.visible());
  EXPECT_FALSE(p.Button15.showHint() || p.Button15.hint().empty());
  EXPECT_TRUE(p.Button5.showHint());
  EXPECT_EQ(p.MeasuredMHz(), 0);

  // Inside the tab, no two visible controls overlapping, every caption whole, and the value
  // labels wide enough for the longest texts they can get.
  for (const ui::Control* c : rig.TabSheet4.children()) {
    const ui::Bounds& b = c->bounds();
    EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.left + b.width <= 620 && b.top + b.height <= 420)
        << c->name();
    int needed = neededWidth(c->caption()) + (c->kind() == ui::Kind::Button ? 16 : 0);
    if (c == &p.Label62) needed = neededWidth("PentiumII/PentiumII Xeon/Celeron Processor with MMX tech.");
    if (c == &p.Label71) needed = neededWidth("300A,333,366,400,433,466MHz PPGA (Mendocino) [0.25μ]");
    if (c == &p.Label58) needed = 12 * 9;  // "2000.0000MHz" at 16 px
    EXPECT_GE(b.width, needed) << c->name();
    for (const ui::Control* d : rig.TabSheet4.children())
      EXPECT_FALSE(c != d && c->visible() && d->visible() && overlap(b, d->bounds()))
          << c->name() << " overlaps " << d->name();
  }
}

TEST(SystemPage, RefreshShowsWhatTheProcessorSays) {
  PageRig rig;
  cpu::SystemPage& p = rig.page;
  rig.use("GenuineIntel", 0x543, 0x008003BF);
  rig.machine.processor.platformLabel = "Socket7 (Super7)";
  p.Label60.setColour(ui::kRed);
  rig.nextClockTicks(175600000);
  p.TabSheet4Show();
  EXPECT_EQ(p.Label42.caption() + " " + p.Label43.caption(), "Windows98 4.10");
  EXPECT_EQ(p.Label64.caption(), "Intel");
  EXPECT_EQ(p.Label60.caption() + p.Label82.caption() + p.Label83.caption(), "搭載非対応非対応");
  EXPECT_EQ(p.Label60.colour(), ui::kNavy);
  EXPECT_EQ(p.Label82.colour(), ui::kRed);
  EXPECT_EQ(p.Label81.caption(), "GenuineIntel");
  EXPECT_EQ(p.Label78.caption() + p.Label77.caption() + p.Label74.caption(), "543");
  EXPECT_EQ(p.Label58.caption() + " " + p.Label73.caption(), "350.4990MHz 350");
  EXPECT_EQ(p.MeasuredMHz(), 350);
  EXPECT_EQ(p.Label62.caption(), "Pentium Processor w/MMX Tech");
  EXPECT_EQ(p.Label40.caption(), "Socket7 (Super7)");

  rig.world.processor.leaves[1].edx = 0x02000010;  // no MMX, SIMD present
  rig.nextClockTicks(33400000);
  p.TabSheet4Show();
  EXPECT_EQ(p.Label60.caption() + p.Label83.caption(), "なし搭載");
  EXPECT_EQ(p.Label60.colour(), ui::kRed);
  EXPECT_EQ(p.Label58.caption() + " " + p.Label73.caption(), "066.6667MHz 067");
  EXPECT_EQ(p.MeasuredMHz(), 67);
  rig.nextClockTicks(1002000000);
  p.TabSheet4Show();
  EXPECT_EQ(p.Label58.caption(), "2000.0000MHz");
  EXPECT_EQ(p.MeasuredMHz(), 2000);
  EXPECT_EQ(rig.world.os.queries, 1);  // the version is asked once per run
}

TEST(SystemPage, OperatingSystemVersions) {
  const std::tuple<int, int, const char*> cases[] = {
      {4, 10, "4.10 Windows98"}, {4, 0, "4.00 Windows95"}, {4, 90, "4.90 不明"}, {5, 0, "5.00 不明"}};
  for (const auto& [major, minor, shown] : cases) {
    PageRig rig;  // an NT-line 4.00 still reads "Windows95": the platform is not consulted
    rig.world.os.info = platform::OsVersionInfo{platform::OsPlatform::WindowsNT, major, minor};
    rig.showAt(100);
    EXPECT_EQ(rig.page.Label43.caption() + " " + rig.page.Label42.caption(), shown);
  }
  PageRig failing;
  failing.world.os.info.reset();
  failing.showAt(100);
  EXPECT_EQ(failing.page.Label43.caption() + "|" + failing.page.Label42.caption(), "|不明");
  failing.world.os.info = platform::OsVersionInfo{platform::OsPlatform::Windows9x, 4, 0};
  failing.showAt(100);  // a failed query is tried again at the next showing
  EXPECT_EQ(failing.page.Label42.caption(), "Windows95");
}

TEST(SystemPage, WithoutCpuidOrWithAnOddVendor) {
  PageRig rig;
  rig.use("GenuineIntel", 0x543, 0x008003BF);
  rig.world.processor.hasCpuid = false;  // the double throws if CPUID runs
  rig.page.TabSheet4Show();
  cpu::SystemPage& p = rig.page;
  EXPECT_EQ(p.Label81.caption() + p.Label78.caption() + p.Label77.caption() + p.Label74.caption(),
            "No Name??????");
  EXPECT_EQ(p.Label69.caption() + p.Label70.caption(), "非対応非対応");
  EXPECT_EQ(p.Label58.caption() + p.Label64.caption(), "---.----MHz未定義");

  rig.use(std::string("Odd\x01Vendor\xFF~", 12), 0x543);  // bytes no label can show
  rig.page.TabSheet4Show();
  EXPECT_EQ(p.Label81.caption(), "Odd?Vendor?~");
}

TEST(SystemPage, CounterAndTimerWrapAround) {
  PageRig rig;
  rig.use("GenuineIntel", 0x543, 0x008003BF);
  rig.nextClockTicks(175600000, 0x1FFFF0000ull);  // the low word wraps during the wait
  rig.page.TabSheet4Show();
  EXPECT_EQ(rig.page.Label58.caption(), "350.4990MHz");

  rig.nextClockTicks(175600000);
  rig.world.timer.readings = {0xFFFFFF9Cu, 401, 401};  // 2^32 - 100, then past the wrap
  rig.page.retryClick();
  EXPECT_EQ(rig.page.lastMeasurement().t1 - rig.page.lastMeasurement().t0, 501u);
  EXPECT_EQ(rig.page.Label58.caption(), "350.4990MHz");

  rig.nextClockTicks(175600000);
  rig.world.timer.readings = {1000, 1200, 1500, 1501, 1501};  // 500 ms is not yet enough
  rig.world.timer.calls = 0;
  rig.page.retryClick();
  EXPECT_EQ(rig.world.timer.calls, 5);
}

TEST(SystemPage, RetryMeasuresOnlyAndIsDisabledMeanwhile) {
  PageRig rig;
  rig.use("GenuineIntel", 0x652, 0x0183F9FF);
  rig.showAt(265);
  bool enabledDuringWait = true;
  rig.timer.onRead = [&] { enabledDuringWait = enabledDuringWait && rig.page.retry.enabled(); };
  rig.nextClockMHz(300);
  rig.page.retry.userClick();
  rig.timer.onRead = nullptr;
  EXPECT_FALSE(enabledDuringWait);
  EXPECT_TRUE(rig.page.retry.enabled());
  EXPECT_EQ(rig.page.MeasuredMHz(), 300);
  EXPECT_EQ(rig.page.Label62.caption(), "Unknown CPU");  // names wait for the next showing

  // A counter that ran backwards gives no clock, and the last one stays.
  rig.world.processor.counterReadings = {5000000, 1000};
  rig.world.timer.readings = {0, 501, 501};
  rig.page.retryClick();
  EXPECT_EQ(rig.page.Label58.caption(), "---.----MHz");
  EXPECT_EQ(rig.page.MeasuredMHz(), 300);

  rig.world.processor.leaves[1].edx = 0;  // no time-stamp counter
  rig.page.Label58.setCaption("300.0000MHz");
  rig.page.retryClick();
  EXPECT_EQ(rig.page.Label58.caption(), "---.----MHz");
  EXPECT_EQ(rig.page.MeasuredMHz(), 300);
}

TEST(ClockPictures, HalvesRoundAwayFromZeroOnTheExactQuotient) {
  EXPECT_EQ(cpu::picture000_0000(26, 520), "000.0001");  // exactly 0.00005 MHz
  EXPECT_EQ(cpu::picture000_0000(25, 520), "000.0000");
  EXPECT_EQ(cpu::picture000_0000(349999950, 1000), "350.0000");  // the carry reaches the integer
  EXPECT_EQ(cpu::wholeMHzFor(250500, 501), 1);  // exactly 0.5 MHz
  EXPECT_EQ(cpu::wholeMHzFor(250499, 501), 0);
  EXPECT_EQ(cpu::picture000(7) + " " + cpu::picture000(12345), "007 12345");
  EXPECT_EQ(cpu::wholeMHzFor(1000, 0), std::nullopt);
  EXPECT_EQ(cpu::wholeMHzFor(2147483647ull * 501000, 501), 2147483647);
  EXPECT_EQ(cpu::wholeMHzFor(2147483648ull * 501000, 501), std::nullopt);
}
