#pragma once
// The main window's third tab, "オーバークロック": which clock tool, the chip's clock, immediate
// changes with their countdown, the restore, the start-up entry and the clock limits. What the
// clock is and may be, and every run of the tool, belong to the clock service; the page shows
// them and asks.
#include <optional>
#include <string>
#include <vector>

#include "overclock/clock_service.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/runtime.h"
#include "text/catalogue.h"

namespace overclock {

class TkakuForm;
class TForm2;
class TShortcutForm;

class ClockPage {
 private:
  ui::TabSheet& sheet_;  // first: the controls below are made on it
  platform::Services& services_;
  ClockService& clock_;

 public:
  ClockPage(ui::TabSheet& TabSheet3, platform::Services& services, ClockService& clock);
  ClockPage(const ClockPage&) = delete;
  ClockPage& operator=(const ClockPage&) = delete;

  // The confirmation, options and game shortcut windows are made after the main window; attach
  // them then.
  void attachWindows(TkakuForm& confirmation, TForm2& options, TShortcutForm& shortcut);

  // ---- Main window creation steps, in the order the main window runs them ------------------
  // Reads Mystclk.ini's lines as bytes; throws platform::UserError "ファイル %s は開けません" (or
  // the one for a file too large to be an ini). A file that could not be read is never written
  // afterwards.
  void loadMystclkIni();
  // Whether the stored clock tool is Mystclk.com, whose chipset setting lives in that ini;
  // G200clk.exe needs no ini. A tool path that cannot be read counts as needing it. The clock
  // service reads the tool here.
  bool storedToolNeedsIni();
  // Enables text::tr(text::Id::ClockStartupClear) exactly when the start-up entry exists.
  void detectStartupEntry();
  // The clock service reads what it knows; the last clock set goes into the target spin, and the
  // tool's path into its box.
  void loadLastClockAndToolPath();
  // Starts clk.bat, which has the clock tool write clk.txt.
  void startBatchFile();
  // The same once the main window is up and idle, or when the page is shown, if that is sooner.
  void startBatchFileWhenIdle(ui::Runtime& runtime);

  // ---- Show step of the main window ---------------------------------------------------------
  void ClassifyClockTool();
  void ApplyClockProfile();

  // ---- Handlers -----------------------------------------------------------------------------
  void TabSheet3Show();
  void Button3Click();   // クロック変更
  void Button4Click();   // 初期設定
  void Button2Click();   // 起動時から有効
  void Button7Click();   // 解除する
  void Button6Click();   // SpeedButton1: locate the tool
  void RadioGroup1Click();
  void OptionClick();
  void ShortcutButtonClick();  // a game's shortcut at a confirmed clock

  bool currentClockRead() const { return currentClockRead_; }
  // Mystclk.ini's lines as the file's own bytes.
  const std::vector<std::string>& mystclkIniLines() const { return iniLines_; }

  // ---- Controls -----------------------------------------------------------------------------
  ui::Label Label14{&sheet_, "Label14", "Matrox MGA-G200 Optimizer"};  // tool name
  ui::Label Label15{&sheet_, "Label15", text::tr(text::Id::ClockToolG200clkVersion)};       // tool version

  ui::Label Label2{&sheet_, "Label2", text::tr(text::Id::ClockColourDepth)};
  ui::Label Label10{&sheet_, "Label10", "32Bit"};  // bold; the bits per pixel and "Bit"
  ui::Label Label33{&sheet_, "Label33", text::tr(text::Id::ClockResolution)};
  ui::Label Label34{&sheet_, "Label34", "1024x768"};  // bold; the resolution text as stored
  ui::Label Label91{&sheet_, "Label91", text::tr(text::Id::ClockCurrent)};
  ui::Label Label92{&sheet_, "Label92", "89MHz"};  // the chip's clock
  ui::Label Label17{&sheet_, "Label17", text::tr(text::Id::ClockDefault)};
  ui::Label Label25{&sheet_, "Label25", "89MHz"};  // default clock
  ui::Label Label19{&sheet_, "Label19", text::tr(text::Id::ClockMaximum)};
  ui::Label Label28{&sheet_, "Label28", text::tr(text::Id::ClockMaximumPlaceholder)};  // maximum clock
  ui::Label Label21{&sheet_, "Label21", text::tr(text::Id::ClockBest)};
  ui::Label Label32{&sheet_, "Label32", "105-115MHz"};  // recommended range

  ui::Label Label16{&sheet_, "Label16", text::tr(text::Id::ClockTarget)};
  ui::Edit Edit1{&sheet_, "Edit1"};
  ui::UpDown UpDown1{&sheet_, "UpDown1", Edit1, kInitialDefaultClock, kInitialMaximumClock,
                     kInitialDefaultClock};  // target clock
  ui::Label Label24{&sheet_, "Label24", "MHz"};
  ui::Button Button3{&sheet_, "Button3", text::tr(text::Id::ClockChange)};
  ui::Button Button4{&sheet_, "Button4", text::tr(text::Id::ClockRestoreDefault)};

  ui::GroupBox GroupBox1{&sheet_, "GroupBox1", text::tr(text::Id::ClockStartupGroup)};
  ui::Button Button2{&GroupBox1, "Button2", text::tr(text::Id::ClockStartupSet)};
  ui::Button Button7{&GroupBox1, "Button7", text::tr(text::Id::ClockStartupClear)};
  ui::RadioGroup RadioGroup1{&sheet_, "RadioGroup1", text::tr(text::Id::ClockChipset)};
  ui::Button Option{&sheet_, "Option", text::tr(text::Id::ClockOptions)};
  ui::Button ShortcutButton{&sheet_, "ShortcutButton", text::tr(text::Id::ShortcutButton)};

  ui::Label Label18{&sheet_, "Label18", text::tr(text::Id::ClockToolLocation)};
  ui::Edit Edit2{&sheet_, "Edit2", "G200clk.exe"};  // read-only: the tool's path
  // Locate the tool: a tab stop with an access key, so the tool is chosen without a mouse too.
  ui::Button SpeedButton1{&sheet_, "SpeedButton1", text::tr(text::Id::ClockBrowse)};

  ui::Memo Memo1{&sheet_, "Memo1"};  // help text
  ui::Button Button8{&sheet_, "Button8", text::tr(text::Id::ExitButton)};  // wired by the main window

  // Hidden and left empty: the ini's lines live in mystclkIniLines(). Mirroring them into an
  // edit control made every load and chipset pick as slow as the control is with the file.
  ui::Memo Memo3{&sheet_, "Memo3"};
  ui::Label Label89{&sheet_, "Label89", "Label89"};  // hidden: the path of clk.bat

 private:
  void layOut();
  void setHints();
  void wireHandlers();

  // The clock typed into the target box; throws naming the range when it is no number in it.
  int typedClock() const;
  // The clock now on the chip: stored as "OverClock" and shown.
  void rememberClock(int mhz);
  // The default clock is back on the chip: shown in the spin, said, stored and shown.
  void showRestored(int mhz);
  // The target spin takes the service's limits and its value stays inside them; the labels show
  // the default and the maximum as they are.
  void showLimits();

  bool currentClockRead_ = false;
  bool batchDue_ = false;  // clk.bat waits for the main window to be idle
  std::optional<int> storedClock_;  // "OverClock" as read at start-up
  std::vector<std::string> iniLines_;
  std::string iniRefusal_;  // why the ini's lines are not known; empty once it is read
  TkakuForm* confirmation_ = nullptr;
  TForm2* options_ = nullptr;
  TShortcutForm* shortcut_ = nullptr;
};

}  // namespace overclock
