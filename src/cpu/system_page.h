#pragma once
// The main window's fourth tab, "その他の機能": what the program knows about the processor and
// the system, the measured processor clock, and the tab's buttons that other windows handle.
#include <string>

#include "cpu/clock_measurement.h"
#include "cpu/identify_cpu.h"
#include "cpu/pentium_mmx.h"
#include "platform/machine_facts.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "text/catalogue.h"

namespace cpu {

class SystemPage {
 public:
  // Creates the tab's controls on `TabSheet4`. `machine` is what start-up learnt: its platform
  // is shown here at every showing.
  SystemPage(ui::TabSheet& TabSheet4, platform::Services& services, TPentiumMMX& PentiumMMX1,
             const platform::MachineFacts& machine);

  // The whole refresh; the main window runs it from TabSheet4.onShow.
  void TabSheet4Show();
  // Measures the clock again (the button text::tr(text::Id::SystemMeasure)).
  void retryClick();
  // The last measured clock in whole MHz; 0 before the first measurement.
  int MeasuredMHz() const { return static_cast<int>(Label73.tag()); }
  // The start-up identification, run at the end of the main window's show step: the platform
  // and whether the two processor-specific boxes may be used (not their checked state).
  platform::ProcessorFacts identifyAtStartUp();

  // The last measurement's readings (overwritten by each measurement).
  const ClockMeasurement& lastMeasurement() const { return lastMeasurement_; }

 private:
  ui::TabSheet& TabSheet4;

 public:
  // ---- the processor and the system ----
  ui::Label Label64Caption{&TabSheet4, "Label64Caption", text::tr(text::Id::SystemCpuVendor)};
  ui::Label Label64{&TabSheet4, "Label64", "Unknown CPU Vender"};
  ui::Label Label62Caption{&TabSheet4, "Label62Caption", text::tr(text::Id::SystemCpuName)};
  ui::Label Label62{&TabSheet4, "Label62", "Unknown CPU"};
  ui::Label Label71Caption{&TabSheet4, "Label71Caption", text::tr(text::Id::SystemCpuDetails)};
  ui::Label Label71{&TabSheet4, "Label71", std::string(21, ' ')};
  ui::Label Label40Caption{&TabSheet4, "Label40Caption", text::tr(text::Id::PlatformCaption)};
  ui::Label Label40{&TabSheet4, "Label40", text::tr(text::Id::SystemUnknown)};
  ui::Label Label42Caption{&TabSheet4, "Label42Caption", text::tr(text::Id::SystemOs)};
  ui::Label Label42{&TabSheet4, "Label42", text::tr(text::Id::SystemUnknown)};
  ui::Label Label43Caption{&TabSheet4, "Label43Caption", "Ver."};
  ui::Label Label43{&TabSheet4, "Label43", "?.??"};

  // ---- raw CPUID values ----
  ui::Label Label81Caption{&TabSheet4, "Label81Caption", text::tr(text::Id::SystemVendorName)};
  ui::Label Label81{&TabSheet4, "Label81", "Unknown Vender"};
  ui::Label Label78Caption{&TabSheet4, "Label78Caption", text::tr(text::Id::SystemFamily)};
  ui::Label Label78{&TabSheet4, "Label78", "??"};
  ui::Label Label77Caption{&TabSheet4, "Label77Caption", text::tr(text::Id::ModelCaption)};
  ui::Label Label77{&TabSheet4, "Label77", "??"};
  ui::Label Label74Caption{&TabSheet4, "Label74Caption", text::tr(text::Id::SystemStepping)};
  ui::Label Label74{&TabSheet4, "Label74", "??"};

  // ---- instruction-set features ----
  ui::Label Label69Caption{&TabSheet4, "Label69Caption", text::tr(text::Id::SystemCpuid)};
  ui::Label Label69{&TabSheet4, "Label69", text::tr(text::Id::SystemSupported)};
  ui::Label Label70Caption{&TabSheet4, "Label70Caption", text::tr(text::Id::SystemRdtsc)};
  ui::Label Label70{&TabSheet4, "Label70", text::tr(text::Id::SystemSupported)};
  ui::Label Label60Caption{&TabSheet4, "Label60Caption", text::tr(text::Id::SystemMmx)};
  ui::Label Label60{&TabSheet4, "Label60", text::tr(text::Id::SystemPresent)};  // bold, navy
  ui::Label Label82Caption{&TabSheet4, "Label82Caption", text::tr(text::Id::System3DNow)};
  ui::Label Label82{&TabSheet4, "Label82", text::tr(text::Id::SystemUnsupported)};  // bold
  ui::Label Label83Caption{&TabSheet4, "Label83Caption", text::tr(text::Id::SystemSse)};
  ui::Label Label83{&TabSheet4, "Label83", text::tr(text::Id::SystemUnsupported)};  // bold

  // ---- the clock ----
  ui::Label Label58Caption{&TabSheet4, "Label58Caption", text::tr(text::Id::SystemCpuClock)};
  ui::Label Label58{&TabSheet4, "Label58", "---.----MHz"};  // bold, 16 pixels
  ui::Button retry{&TabSheet4, "retry", text::tr(text::Id::SystemMeasure)};
  ui::Label Label73{&TabSheet4, "Label73", "0"};  // hidden: MeasuredMHz as text and tag

  // ---- buttons the main window handles ----
  ui::Button Button15{&TabSheet4, "Button15", text::tr(text::Id::SystemGames)};
  ui::Button PinCButton{&TabSheet4, "PinCButton", text::tr(text::Id::SystemPinWizard)};  // hidden
  ui::Button Button5{&TabSheet4, "Button5", text::tr(text::Id::ExitButton)};

 private:
  void layOut();
  void showOperatingSystem();
  void showFeature(ui::Label& label, bool present, text::Id absentText);
  void showRawValues();
  void measureClock();
  void showIdentity(const CpuIdentity& identity);

  platform::Services& services_;
  TPentiumMMX& PentiumMMX1;
  const platform::MachineFacts& machine_;
  std::string OsVersionText;  // computed at the first showing, kept for the run
  ClockMeasurement lastMeasurement_;
};

// The vendor text as a label can show it: bytes outside printable ASCII become "?".
std::string printableVendor(const std::string& vendor);

// "%d.%02d": 4.10 gives "4.10", 4.0 gives "4.00".
std::string osVersionText(int major, int minor);

}  // namespace cpu
