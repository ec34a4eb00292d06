#pragma once
// The main window: four tabs, the start-up detection that fills them, and the show step that
// configures the clock page and identifies the processor.
#include <memory>

#include "app/general_page.h"
#include "platform/services.h"
#include "settings/registry_page.h"
#include "ui/controls.h"
#include "ui/form.h"

class TForm1 : public ui::Form {
 public:
  TForm1(ui::Runtime& runtime, platform::Services& services);

  // Runs once, while the window is being created and before any window is visible.
  void FormCreate();
  // Runs when the window is first shown.
  void FormShow();

  void Button1Click();  // "終了(&E)" on every tab

  ui::PageControl PageControl1;
  ui::TabSheet TabSheet1;  // "一般"
  ui::TabSheet TabSheet2;  // "レジストリ"
  ui::TabSheet TabSheet3;  // "オーバークロック"
  ui::TabSheet TabSheet4;  // "その他の機能"
  GeneralPage general;
  settings::RegistryPage registry;

 private:
  void checkPlatform();
  void detectDisplayAdapter(platform::SettingsStore& reg);
  void detectDisplayMode(platform::SettingsStore& reg);
  void detectQuickDesk(platform::SettingsStore& reg);
  void detectPowerDeskAndMonitor(platform::SettingsStore& reg);

  platform::Services& services_;
  bool refused_ = false;  // not a Windows 95/98 system: change nothing
};
