#include "app/main_form.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/errors.h"
#include "settings/driver_options.h"

namespace {

constexpr const char* kDisplayClassKey = "\\System\\CurrentControlSet\\Services\\Class\\Display\\";
constexpr const char* kPowerDeskUninstallKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MGA PowerDesk";
constexpr const char* kUserRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// "16" → 16; anything that is not a whole number is the conversion error the user sees.
int wholeNumber(const std::string& text) {
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || value < INT32_MIN || value > INT32_MAX)
    throw platform::UserError(platform::format1("'%s' は数値ではありません", text));
  return static_cast<int>(value);
}

}  // namespace

TForm1::TForm1(ui::Runtime& runtime, platform::Services& services)
    : ui::Form(runtime, "Form1", "Corvane"),
      PageControl1(this, "PageControl1"),
      TabSheet1(&PageControl1, "TabSheet1", "一般"),
      TabSheet2(&PageControl1, "TabSheet2", "レジストリ"),
      TabSheet3(&PageControl1, "TabSheet3", "オーバークロック"),
      TabSheet4(&PageControl1, "TabSheet4", "その他の機能"),
      general(TabSheet1),
      registry(TabSheet2, services),
      services_(services) {
  setClientSize(640, 490);
  setBorder(ui::FormBorder::Single);
  setPosition(ui::FormPosition::ScreenCenter);
  PageControl1.setBounds(4, 4, 632, 482);
  setHintBar(&registry.StatusBar1);
  onShow = [this] { FormShow(); };
  general.Button1.onClick = [this] { Button1Click(); };
}

void TForm1::FormCreate() {
  runtime().dispatch([this] {
    // TODO(integration): Mystclk.ini is loaded first; its failure skips the rest.
    checkPlatform();
    if (refused_) return;
    platform::SettingsStore reg(services_.registry);
    detectDisplayAdapter(reg);
    reg.SetRootKey(platform::RootKey::LocalMachine);
    reg.OpenKey(settings::kDriverKey, true);
    if (reg.ValueExists("Win98Virtual")) reg.DeleteValue("Win98Virtual");
    registry.LoadOptions(reg);
    detectDisplayMode(reg);
    detectQuickDesk(reg);
    detectPowerDeskAndMonitor(reg);
  });
}

void TForm1::checkPlatform() {
  const auto version = services_.os.query();
  const platform::OsPlatform family = version ? version->platform : platform::OsPlatform::Other;
  switch (family) {
    case platform::OsPlatform::Win32s: general.Label22.setCaption("Windows3.1 + Win32s"); break;
    case platform::OsPlatform::Windows9x: general.Label22.setCaption("Windows95/98"); break;
    case platform::OsPlatform::WindowsNT: general.Label22.setCaption("WindowsNT"); break;
    case platform::OsPlatform::Other: break;
  }
  if (general.Label22.caption() == "Windows95/98") return;
  services_.dialogs.messageBox("エラー", "Windows95/98専用のプログラムです。",
                               platform::MessageIcon::None, platform::MessageButtons::Ok);
  // The window still appears, then the program ends by itself; nothing on this system changes.
  refused_ = true;
  runtime().terminate();
}

void TForm1::detectDisplayAdapter(platform::SettingsStore& reg) {
  reg.SetRootKey(platform::RootKey::LocalMachine);
  // The highest display class key that exists names the adapter, whoever it belongs to.
  for (int number = 10; number >= 0; --number) {
    char key[8];
    std::snprintf(key, sizeof key, "%04d", number);
    if (reg.OpenKeyReadOnly(std::string(kDisplayClassKey) + key)) {
      general.Label12.setCaption(reg.ReadString("DriverDesc"));
      return;
    }
  }
  reg.OpenKey(std::string(kDisplayClassKey) + "0000", true);
  general.Label12.setCaption(reg.ReadString("DriverDesc"));
}

void TForm1::detectDisplayMode(platform::SettingsStore& /*reg*/) {
  // TODO(integration): colour depth and resolution go to the clock page's labels.
}

void TForm1::detectQuickDesk(platform::SettingsStore& reg) {
  reg.SetRootKey(platform::RootKey::CurrentUser);
  reg.OpenKey(kUserRunKey, true);
  registry.tasktrey.setChecked(reg.ValueExists("Matrox QuickDesk"));
}

void TForm1::detectPowerDeskAndMonitor(platform::SettingsStore& reg) {
  reg.SetRootKey(platform::RootKey::LocalMachine);
  reg.OpenKey(kPowerDeskUninstallKey, true);
  general.Label31.setCaption(reg.ValueExists("DisplayName") ? reg.ReadString("DisplayName")
                                                            : "Unknown");
  reg.OpenKey(settings::kDriverKey, true);
  general.Label29.setCaption(reg.ValueExists("OrgMonName") ? reg.ReadString("OrgMonName")
                                                           : "Unknown");
}

void TForm1::FormShow() {
  // TODO(integration): ClassifyClockTool, ApplyClockProfile, then the start-up identification.
}

void TForm1::Button1Click() { close(); }
