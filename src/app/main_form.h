#pragma once
// The main window: four tabs, the start-up detection that fills them, and the show step that
// configures the clock page and identifies the processor.
#include <memory>

#include "app/general_page.h"
#include "cpu/pentium_mmx.h"
#include "cpu/system_page.h"
#include "overclock/clock_page.h"
#include "platform/machine_facts.h"
#include "platform/services.h"
#include "settings/registry_page.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace settings { class TGameForm; }
namespace stored { class RecordedFacts; }
namespace pins { class TWizForm; }
class TAboutBox;

class TForm1 : public ui::Form {
  // What start-up learns about the machine, made here once; first, since the pages, the presets
  // and the clock service below are handed it.
  platform::MachineFacts machine_;

 public:
  TForm1(ui::Runtime& runtime, platform::Services& services);

  // Runs once, while the window is being created and before any window is visible.
  void FormCreate();
  // Runs when the window is first shown.
  void FormShow();

  // The windows the program makes after this one, which its buttons open.
  struct Windows {
    settings::TGameForm& GameForm;
    TAboutBox& AboutBox;
    pins::TWizForm& WizForm;
  };
  void attachWindows(const Windows& windows);

  void Button1Click();     // "終了(&E)" on every tab
  void Button25Click();    // "バージョン情報"
  void Button15Click();    // "各種ゲーム用設定"
  void PinCButtonClick();  // "PINファイルウィザード" (hidden)
  void Button9Click();     // "緊急時専用モード"
  void Button11Click();    // "初期設定"
  void Button10Click();    // "ゲームモード"
  void Button12Click();    // "ベンチマークモード"
  void uninstallClick();   // "アンインストールする"
  void UndoButtonClick();  // "元に戻す(&U)"

  ui::PageControl PageControl1;
  ui::TabSheet TabSheet1;  // "一般"
  ui::TabSheet TabSheet2;  // "レジストリ"
  ui::TabSheet TabSheet3;  // "オーバークロック"
  ui::TabSheet TabSheet4;  // "その他の機能"
  GeneralPage general;
  settings::RegistryPage registry;
  // Everything about the chip's clock; the clock page, the countdown and the options window use
  // this one.
  overclock::ClockService clockService;
  overclock::ClockPage clock;
  cpu::TPentiumMMX PentiumMMX1;
  cpu::SystemPage system;

  // True when this is not a Windows 95/98 system: the program changes nothing and ends.
  bool refused() const { return refused_; }
  // What start-up learnt; the captions show it.
  const platform::MachineFacts& machine() const { return machine_; }

 private:
  void detect();
  // Start-up stopped before reading anything: what it would have shown is "unknown".
  void showNotRead();
  void checkPlatform();
  void detectDisplayMode(stored::RecordedFacts& recorded);
  void detectPowerDeskAndMonitor(stored::RecordedFacts& recorded);
  void showProcessor();

  platform::Services& services_;
  bool refused_ = false;
  bool settingsRead_ = true;  // false when start-up stopped before reading the settings
  std::unique_ptr<Windows> windows_;
};
