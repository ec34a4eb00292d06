// The system page: its layout, the refresh at every showing, the clock measurement and the
// start-up identification of the processor.
#include "cpu/system_page.h"

#include "platform/text.h"
#include "text/catalogue.h"

namespace cpu {

namespace {

constexpr text::Id kPresent = text::Id::SystemPresent;
constexpr text::Id kAbsent = text::Id::SystemAbsent;
constexpr text::Id kSupported = text::Id::SystemSupported;
constexpr text::Id kUnsupported = text::Id::SystemUnsupported;
const char* const kUnknownValue = "??";

// Layout in TabSheet pixels: captions in one column, values beside them.
constexpr int kLabelHeight = 14;
constexpr int kRowPitch = 22;
constexpr int kCaptionLeft = 16;
constexpr int kCaptionWidth = 124;
constexpr int kValueLeft = kCaptionLeft + kCaptionWidth + 4;
constexpr int kWideValueWidth = 604 - kValueLeft;  // room for the longest name and detail
constexpr int kTopBlock = 12;
constexpr int kRawBlock = 138;
constexpr int kFeatureCaptionLeft = 290;
constexpr int kFeatureCaptionWidth = 164;
constexpr int kFeatureValueLeft = kFeatureCaptionLeft + kFeatureCaptionWidth + 4;
constexpr int kClockTop = 266;
constexpr int kButtonTop = 384;
constexpr int kButtonHeight = 25;

void place(ui::Label& caption, ui::Label& value, int top, int valueWidth) {
  caption.setBounds(kCaptionLeft, top, kCaptionWidth, kLabelHeight);
  value.setBounds(kValueLeft, top, valueWidth, kLabelHeight);
}

void placeFeature(ui::Label& caption, ui::Label& value, int top) {
  caption.setBounds(kFeatureCaptionLeft, top, kFeatureCaptionWidth, kLabelHeight);
  value.setBounds(kFeatureValueLeft, top, 80, kLabelHeight);
}

}  // namespace

std::string printableVendor(const std::string& vendor) {
  std::string shown = vendor;
  for (char& c : shown) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E) c = '?';
  }
  return shown;
}

std::string osVersionText(int major, int minor) {
  return std::to_string(major) + "." + platform::zeroPadded(minor, 2);
}

SystemPage::SystemPage(ui::TabSheet& TabSheet4, platform::Services& services,
                       TPentiumMMX& PentiumMMX1, const platform::MachineFacts& machine)
    : TabSheet4(TabSheet4), services_(services), PentiumMMX1(PentiumMMX1), machine_(machine) {
  layOut();
  Label60.setBold(true);
  Label60.setColour(ui::kNavy);
  Label82.setBold(true);
  Label83.setBold(true);
  Label58.setBold(true);
  Label58.setFontHeight(16);
  Label73.setVisible(false);
  Label73.setTag(0);

  Button15.setHint(text::tr(text::Id::SystemGamesHint), false);
  PinCButton.setVisible(false);
  Button5.setHint(text::tr(text::Id::ExitHint));
  retry.onClick = [this] { retryClick(); };
}

void SystemPage::layOut() {
  place(Label64Caption, Label64, kTopBlock, kWideValueWidth);
  place(Label62Caption, Label62, kTopBlock + kRowPitch, kWideValueWidth);
  place(Label71Caption, Label71, kTopBlock + 2 * kRowPitch, kWideValueWidth);
  place(Label40Caption, Label40, kTopBlock + 3 * kRowPitch, kWideValueWidth);
  place(Label42Caption, Label42, kTopBlock + 4 * kRowPitch, 100);
  Label43Caption.setBounds(kValueLeft + 108, kTopBlock + 4 * kRowPitch, 32, kLabelHeight);
  Label43.setBounds(kValueLeft + 144, kTopBlock + 4 * kRowPitch, 80, kLabelHeight);

  place(Label81Caption, Label81, kRawBlock, 130);
  place(Label78Caption, Label78, kRawBlock + kRowPitch, 130);
  place(Label77Caption, Label77, kRawBlock + 2 * kRowPitch, 130);
  place(Label74Caption, Label74, kRawBlock + 3 * kRowPitch, 130);

  placeFeature(Label69Caption, Label69, kRawBlock);
  placeFeature(Label70Caption, Label70, kRawBlock + kRowPitch);
  placeFeature(Label60Caption, Label60, kRawBlock + 2 * kRowPitch);
  placeFeature(Label82Caption, Label82, kRawBlock + 3 * kRowPitch);
  placeFeature(Label83Caption, Label83, kRawBlock + 4 * kRowPitch);

  Label58Caption.setBounds(kCaptionLeft, kClockTop + 3, kCaptionWidth, kLabelHeight);
  Label58.setBounds(kValueLeft, kClockTop, 170, 20);
  retry.setBounds(kValueLeft + 180, kClockTop - 3, 100, kButtonHeight);
  Label73.setBounds(kValueLeft + 290, kClockTop + 3, 40, kLabelHeight);

  Button15.setBounds(kCaptionLeft, kButtonTop, 140, kButtonHeight);
  PinCButton.setBounds(kCaptionLeft + 150, kButtonTop, 170, kButtonHeight);
  Button5.setBounds(514, kButtonTop, 90, kButtonHeight);
}

void SystemPage::TabSheet4Show() {
  showOperatingSystem();
  Label64.setCaption(VendorShortName(PentiumMMX1));
  showFeature(Label60, PentiumMMX1.MMXsupport(), kAbsent);
  Label69.setCaption(text::tr(PentiumMMX1.CpuIDsupport() ? kSupported : kUnsupported));
  Label70.setCaption(text::tr(PentiumMMX1.RDTSCsupport() ? kSupported : kUnsupported));
  showFeature(Label82, PentiumMMX1.AMDsupport(), kUnsupported);
  showFeature(Label83, PentiumMMX1.SSIMDsupport(), kUnsupported);
  showRawValues();
  if (PentiumMMX1.RDTSCsupport())
    measureClock();
  else
    Label58.setCaption(kNoClockText);
  // After the measurement, so that the clock-dependent names can be found.
  showIdentity(IdentifyCpu(IdentifyPass::SystemPagePass, PentiumMMX1, MeasuredMHz()));
  Label40.setCaption(machine_.processor.platformLabel.value_or("Unknown"));
}

void SystemPage::retryClick() {
  // Disabled while the measurement runs; put back even if the measurement fails.
  struct Reenable {
    ui::Button& button;
    ~Reenable() { button.setEnabled(true); }
  } reenable{retry};
  retry.setEnabled(false);
  if (PentiumMMX1.RDTSCsupport())
    measureClock();
  else
    Label58.setCaption(kNoClockText);
}

platform::ProcessorFacts SystemPage::identifyAtStartUp() {
  const CpuIdentity identity = IdentifyCpu(IdentifyPass::StartUpPass, PentiumMMX1, MeasuredMHz());
  showIdentity(identity);
  return {identity.PlatformLabel, identity.WriteCombiningEnabled, identity.ThreeDNowEnabled};
}

void SystemPage::showOperatingSystem() {
  if (OsVersionText.empty()) {
    if (const auto version = services_.os.query())
      OsVersionText = osVersionText(version->major, version->minor);
  }
  Label43.setCaption(OsVersionText);
  if (OsVersionText == "4.10")
    Label42.setCaption("Windows98");
  else if (OsVersionText == "4.00")
    Label42.setCaption("Windows95");
}

void SystemPage::showFeature(ui::Label& label, bool present, text::Id absentText) {
  label.setCaption(text::tr(present ? kPresent : absentText));
  label.setColour(present ? ui::kNavy : ui::kRed);
}

void SystemPage::showRawValues() {
  if (PentiumMMX1.CpuIDsupport()) {
    Label81.setCaption(printableVendor(PentiumMMX1.VendorString()));
    Label78.setCaption(std::to_string(PentiumMMX1.Family()));
    Label77.setCaption(std::to_string(PentiumMMX1.Model()));
    Label74.setCaption(std::to_string(PentiumMMX1.SteppingID()));
  } else {
    Label81.setCaption("No Name");
    Label78.setCaption(kUnknownValue);
    Label77.setCaption(kUnknownValue);
    Label74.setCaption(kUnknownValue);
  }
}

void SystemPage::measureClock() {
  lastMeasurement_ = MeasureCpuClock(PentiumMMX1, services_.timer);
  if (lastMeasurement_.wholeMHz) {
    Label73.setCaption(lastMeasurement_.wholeText);
    Label73.setTag(*lastMeasurement_.wholeMHz);
  }
  Label58.setCaption(lastMeasurement_.text);
}

void SystemPage::showIdentity(const CpuIdentity& identity) {
  if (identity.CpuName) Label62.setCaption(*identity.CpuName);
  if (identity.CpuDetail) Label71.setCaption(*identity.CpuDetail);
  if (identity.ThreeDNowMark) showFeature(Label82, true, kUnsupported);
  if (identity.SimdMark) showFeature(Label83, true, kUnsupported);
}

}  // namespace cpu
