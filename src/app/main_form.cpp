#include "app/main_form.h"

#include "app/about_box.h"
#include "pins/wiz_form.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "settings/game_form.h"
#include "settings/presets.h"
#include "settings/removal.h"
#include "settings/undo.h"
#include "stored/driver_settings.h"
#include "stored/recorded_facts.h"
#include "stored/run_lists.h"
#include "text/catalogue.h"

namespace {

// A colour depth that is not a whole number is the conversion error the user sees.
void checkColourDepth(const std::string& text) {
  if (!platform::wholeNumber(text))
    throw platform::UserError(platform::format1(text::tr(text::Id::ErrorNotANumber), text));
}

}  // namespace

TForm1::TForm1(ui::Runtime& runtime, platform::Services& services)
    : ui::Form(runtime, "Form1", "Corvane"),
      PageControl1(this, "PageControl1"),
      TabSheet1(&PageControl1, "TabSheet1", text::tr(text::Id::TabGeneral)),
      TabSheet2(&PageControl1, "TabSheet2", text::tr(text::Id::TabRegistry)),
      TabSheet3(&PageControl1, "TabSheet3", text::tr(text::Id::TabOverclock)),
      TabSheet4(&PageControl1, "TabSheet4", text::tr(text::Id::TabSystem)),
      general(TabSheet1),
      registry(TabSheet2, services),
      clockService(services, machine_),
      clock(TabSheet3, services, clockService),
      PentiumMMX1(services.processor),
      system(TabSheet4, services, PentiumMMX1, machine_),
      services_(services) {
  setClientSize(640, 490);
  setBorder(ui::FormBorder::Single);
  setPosition(ui::FormPosition::ScreenCenter);
  setMainForm(true);
  PageControl1.setBounds(4, 4, 632, 482);
  setHintBar(&registry.StatusBar1);
  setActiveControl(&PageControl1);  // the keyboard starts on the tabs

  onShow = [this] { FormShow(); };
  TabSheet4.onShow = [this] { system.TabSheet4Show(); };
  for (ui::Button* exit : {&general.Button1, &clock.Button8, &system.Button5})
    exit->onClick = [this] { Button1Click(); };
  general.Button25.onClick = [this] { Button25Click(); };
  system.Button15.onClick = [this] { Button15Click(); };
  system.PinCButton.onClick = [this] { PinCButtonClick(); };
  general.Button9.onClick = [this] { Button9Click(); };
  general.Button11.onClick = [this] { Button11Click(); };
  general.Button10.onClick = [this] { Button10Click(); };
  general.Button12.onClick = [this] { Button12Click(); };
  general.uninstall.onClick = [this] { uninstallClick(); };
  general.UndoButton.onClick = [this] { UndoButtonClick(); };
  registry.backups.onSaved = [this] { general.UndoButton.setEnabled(true); };
}

void TForm1::attachWindows(const Windows& windows) {
  windows_ = std::make_unique<Windows>(windows);
}

void TForm1::FormCreate() {
  general.UndoButton.setEnabled(registry.backups.any());
  // The clock tool's ini file comes first. Mystclk.com keeps its chipset there: without the file
  // nothing else is detected or loaded. G200clk.exe needs none, and the start-up goes on.
  bool iniLoaded = true;
  try {
    clock.loadMystclkIni();
  } catch (const std::exception& e) {
    if (clock.storedToolNeedsIni()) {
      // What the file is for and what to do, under the program's title with the error icon.
      services_.dialogs.messageBox(ui::Runtime::applicationTitle(),
                                   platform::format1(text::tr(text::Id::ErrorIniNeeded), e.what()),
                                   platform::MessageIcon::Error, platform::MessageButtons::Ok);
      iniLoaded = false;
    }
  }
  // The platform is checked in any case, so that a missing ini never lets the program work on
  // the wrong system.
  checkPlatform();
  if (refused_) return;
  if (!iniLoaded) return showNotRead();
  runtime().dispatch([this] { detect(); });
}

void TForm1::showNotRead() {
  // Nothing was read: the layout's sample values would pass for this machine's.
  const std::string unknown = text::tr(text::Id::SystemUnknown);
  for (ui::Label* value : {&general.Label12, &general.Label31, &general.Label29, &clock.Label10,
                           &clock.Label34})
    value->setCaption(unknown);
  settingsRead_ = false;
  registry.showNotRead();
}

void TForm1::detect() {
  stored::RecordedFacts recorded(services_.registry, machine_, stored::Access::CreateIfMissing);
  clock.detectStartupEntry();
  recorded.adapter();
  general.Label12.setCaption(machine_.adapter.value.value_or(""));
  // The clock service checks its confirmation against the adapter just learnt.
  clock.loadLastClockAndToolPath();
  // Not in the window's way: it starts once the window is up (the overclock page waits for it).
  clock.startBatchFileWhenIdle(runtime());
  {
    stored::DriverSettings driver(services_.registry);
    // The driver ignores the old spelling, so a refused deletion is said and the start-up goes on.
    try {
      driver.removeOldVirtualDesktopSpelling();
    } catch (const platform::RegistryError& e) {
      runtime().showError(e.what());
    }
    registry.LoadOptions(driver);
  }
  detectDisplayMode(recorded);
  registry.tasktrey.setChecked(stored::QuickDeskStartup(services_.registry).registered());
  detectPowerDeskAndMonitor(recorded);
}

void TForm1::checkPlatform() {
  if (const auto version = services_.os.query()) machine_.family = version->platform;
  const platform::OsPlatform family = machine_.family.value_or(platform::OsPlatform::Other);
  switch (family) {
    case platform::OsPlatform::Win32s: general.Label22.setCaption("Windows3.1 + Win32s"); break;
    case platform::OsPlatform::Windows9x: general.Label22.setCaption("Windows95/98"); break;
    case platform::OsPlatform::WindowsNT: general.Label22.setCaption("WindowsNT"); break;
    case platform::OsPlatform::Other: break;
  }
  // The family itself decides, not the text shown for it.
  if (family == platform::OsPlatform::Windows9x) return;
  // An error like any other: the program's title and the error icon; a batch file that started
  // it learns the refusal from the exit code.
  services_.dialogs.messageBox(ui::Runtime::applicationTitle(),
                               text::tr(text::Id::ErrorWindows9xOnly), platform::MessageIcon::Error,
                               platform::MessageButtons::Ok);
  // The window still appears, then the program ends by itself; nothing on this system changes.
  refused_ = true;
  runtime().terminate(1);
}

void TForm1::detectDisplayMode(stored::RecordedFacts& recorded) {
  recorded.bitsPerPixel();
  if (const auto& bits = machine_.bitsPerPixel.value) {
    clock.Label10.setCaption(*bits + "Bit");
    checkColourDepth(*bits);
  } else {
    clock.Label10.setCaption("Unknown");
  }
  recorded.resolution();
  clock.Label34.setCaption(machine_.resolution.value.value_or("Unknown"));
}

void TForm1::detectPowerDeskAndMonitor(stored::RecordedFacts& recorded) {
  recorded.powerDesk();
  general.Label31.setCaption(machine_.powerDesk.value.value_or("Unknown"));
  recorded.monitor();
  general.Label29.setCaption(machine_.monitor.value.value_or("Unknown"));
}

void TForm1::FormShow() {
  if (refused_) return;  // the program is ending; nothing on this system is touched
  clock.ClassifyClockTool();
  clock.ApplyClockProfile();
  machine_.processor = system.identifyAtStartUp();
  showProcessor();
  // The processor's boxes were enabled for it; their settings are still not known.
  if (!settingsRead_) registry.showNotRead();
}

void TForm1::showProcessor() {
  const platform::ProcessorFacts& processor = machine_.processor;
  if (processor.platformLabel) general.Label38.setCaption(*processor.platformLabel);
  if (processor.writeCombiningUsable)
    registry.box("comwrite").setEnabled(*processor.writeCombiningUsable);
  if (processor.threeDNowUsable) registry.box("DNow").setEnabled(*processor.threeDNowUsable);
}

void TForm1::Button1Click() { close(); }

void TForm1::Button25Click() {
  if (windows_) windows_->AboutBox.showModal();
}

void TForm1::Button15Click() {
  if (windows_) windows_->GameForm.show();
}

void TForm1::PinCButtonClick() {
  if (windows_) windows_->WizForm.showModal();
}

void TForm1::Button9Click() {
  settings::applyPreset(settings::Preset::Emergency, machine_, registry, services_);
}

void TForm1::Button11Click() {
  settings::applyPreset(settings::Preset::DriverDefaults, machine_, registry, services_);
}

void TForm1::Button10Click() {
  settings::applyPreset(settings::Preset::Game, machine_, registry, services_);
}

void TForm1::Button12Click() {
  settings::applyPreset(settings::Preset::Benchmark, machine_, registry, services_);
}

void TForm1::uninstallClick() { settings::removeDriverSettings(registry, services_); }

void TForm1::UndoButtonClick() { settings::restoreNewestBackup(registry, services_); }
