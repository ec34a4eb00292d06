#pragma once
// The "レジストリ" tab: one check box per driver option, the AGP speed choice, the QuickDesk
// start-up box and the status line that shows the hint of the control under the mouse.
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"
#include "settings/driver_backups.h"
#include "settings/driver_options.h"
#include "ui/controls.h"

namespace settings {

class RegistryPage {
 public:
  RegistryPage(ui::TabSheet& TabSheet2, platform::Services& services);

  // The check box of a driver option, by control name ("AnalogJoy") or by what it switches.
  ui::CheckBox& box(const std::string& control);
  ui::CheckBox& boxFor(stored::DriverValue value);

  // Sets every box and the AGP choice from the driver's settings. Writes nothing.
  void LoadOptions(stored::DriverSettings& driver);
  // Sets every box, the AGP choice and the QuickDesk box from the registry. Writes nothing.
  void ShowStoredState();
  // Start-up stopped before the settings were read: every box and the AGP choice is greyed, as
  // neither on nor off is known (an unticked box would claim "off").
  void showNotRead();

  // What every driver option box does when the user changes it.
  void SetDriverOption(stored::DriverValue value, bool on);
  void AGPSpeedClick();
  void tasktreyClick();

  ui::GroupBox General;    // "一般設定"
  ui::GroupBox Gdi;        // "2D(GDI)の設定"
  ui::GroupBox System;     // "システム設定"
  ui::GroupBox D3DGen;     // "Direct3D関連の諸設定"
  ui::GroupBox D3DFilter;  // "Direct3Dフィルタの設定"
  ui::CheckBox tasktrey;   // "タスクトレイにQuickDeskを常駐。"
  ui::RadioGroup AGPSpeed;  // "AGPの速度設定": "AGP 1x", "AGP 2x", "自動設定"
  ui::StatusBar StatusBar1;  // "※設定を変更後は再起動してください。"
  ui::Label Label26;  // hidden: PowerDesk's folder as last read

  DriverBackups backups;

 private:
  ui::GroupBox& groupOf(OptionGroup group);
  // The run's first box write is preceded by a backup; when that fails, `showStored` puts the
  // control back as the registry still has it, and the error goes on to the user.
  void backUpBeforeBoxWrite(const ui::Handler& showStored);

  platform::Services& services_;
  std::vector<std::unique_ptr<ui::CheckBox>> boxes_;  // in the order of kDriverOptions
};

}  // namespace settings
