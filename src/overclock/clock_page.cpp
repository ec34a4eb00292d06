#include "overclock/clock_page.h"

#include "overclock/clock_report.h"
#include "overclock/clock_tool.h"
#include "overclock/confirm_form.h"
#include "overclock/options_form.h"
#include "overclock/shortcut_form.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "text/catalogue.h"

namespace overclock {

namespace {

std::string megahertz(int mhz) { return std::to_string(mhz) + "MHz"; }

}  // namespace

ClockPage::ClockPage(ui::TabSheet& TabSheet3, platform::Services& services, ClockService& clock)
    : sheet_(TabSheet3), services_(services), clock_(clock) {
  Label10.setBold(true);
  Label34.setBold(true);
  Edit2.setReadOnly(true);
  RadioGroup1.setItems(
      {text::tr(text::Id::ClockChipsetIntel), text::tr(text::Id::ClockChipsetOther)});
  Memo1.setLines(platform::splitLines(text::tr(text::Id::ClockHelp)));
  Memo1.setReadOnly(true);
  Memo3.setVisible(false);
  Label89.setVisible(false);
  layOut();
  setHints();
  wireHandlers();
  iniRefusal_ = platform::format1(text::tr(text::Id::ErrorCannotOpenFile),
                                  clock_.inProgramFolder("Mystclk.ini"));
}

void ClockPage::wireHandlers() {
  sheet_.onShow = [this] { TabSheet3Show(); };
  Button3.onClick = [this] { Button3Click(); };
  Button4.onClick = [this] { Button4Click(); };
  Button2.onClick = [this] { Button2Click(); };
  Button7.onClick = [this] { Button7Click(); };
  SpeedButton1.onClick = [this] { Button6Click(); };
  RadioGroup1.onClick = [this] { RadioGroup1Click(); };
  Option.onClick = [this] { OptionClick(); };
  ShortcutButton.onClick = [this] { ShortcutButtonClick(); };
}

void ClockPage::attachWindows(TkakuForm& confirmation, TForm2& options, TShortcutForm& shortcut) {
  confirmation_ = &confirmation;
  options_ = &options;
  shortcut_ = &shortcut;
}

// ---- Creation steps ---------------------------------------------------------------------------

void ClockPage::loadMystclkIni() {
  try {
    // As bytes: the file belongs to the clock tool, and its lines after the first go back
    // exactly as they came, whatever the code page makes of them.
    iniLines_ = services_.files.readRawLines(clock_.inProgramFolder("Mystclk.ini"));
    iniRefusal_.clear();
  } catch (const std::exception& e) {
    // A file that could not be read is never replaced: its lines are not known.
    iniLines_.clear();
    iniRefusal_ = e.what();
    throw;
  }
}

bool ClockPage::storedToolNeedsIni() {
  try {
    clock_.loadTool();
    return clock_.toolKind() == ClockToolKind::Mystclk;
  } catch (const std::exception&) {
    return true;  // a tool path that cannot be read may be Mystclk.com's
  }
}

void ClockPage::detectStartupEntry() { Button7.setEnabled(clock_.startupRegistered()); }

void ClockPage::loadLastClockAndToolPath() {
  clock_.loadTool();
  storedClock_ = clock_.lastClock();
  // Inside today's limits; the profile's limits, once applied, take it in again.
  if (storedClock_) UpDown1.setPosition(*storedClock_);
  Edit2.setText(clock_.toolPath());
}

void ClockPage::startBatchFile() {
  Label89.setCaption(clock_.inProgramFolder("clk.bat"));
  batchDue_ = false;
  clock_.startBatchFile();
}

void ClockPage::startBatchFileWhenIdle(ui::Runtime& runtime) {
  batchDue_ = true;
  runtime.whenIdle([this] {
    if (batchDue_) startBatchFile();
  });
}

// ---- Show step --------------------------------------------------------------------------------

void ClockPage::ClassifyClockTool() {
  Edit2.setText(clock_.toolPath());
  const ClockToolKind kind = clock_.toolKind();
  const ToolDescription tool = describeTool(kind);
  Label15.setCaption(tool.version);
  Label14.setCaption(tool.name);
  // Only Mystclk.com has a chipset line, and only an ini that was read can be rewritten.
  if (kind == ClockToolKind::G200clk || !iniRefusal_.empty()) {
    RadioGroup1.setEnabled(false);
    return;
  }
  RadioGroup1.setEnabled(true);
  // Set from the program: this shows the ini's choice and writes nothing.
  RadioGroup1.setItemIndex(chipsetRowOf(iniLines_));
}

void ClockPage::ApplyClockProfile() {
  clock_.loadProfile();
  const auto profile = clock_.profile();
  if (!profile) return;
  showLimits();
  if (storedClock_) UpDown1.setPosition(*storedClock_);
  Label32.setCaption(profileInfo(*profile).recommendedRange);
}

void ClockPage::showLimits() {
  const ClockRange range = clock_.limits();
  UpDown1.setRange(range.low, range.high);  // the spin keeps its value inside
  Label25.setCaption(megahertz(clock_.defaultClock()));
  Label28.setCaption(megahertz(clock_.maximumClock()));
}

// ---- The chip's current clock -----------------------------------------------------------------

void ClockPage::TabSheet3Show() {
  int clock = UpDown1.position();
  if (batchDue_) startBatchFile();
  clock_.waitForBatchFile();  // the report is being written: read it once it is done
  if (!currentClockRead_) {
    const auto reported =
        clockFromReport(services_.files.readRawLines(clock_.inProgramFolder("clk.txt")));
    if (!reported) return;  // the tool has not finished its report: try again next time
    clock = *reported;
    currentClockRead_ = true;
  }
  Label92.setCaption(megahertz(clock));
  UpDown1.setPosition(clock);
}

// ---- Clock changes ----------------------------------------------------------------------------

int ClockPage::typedClock() const {
  if (const auto clock = UpDown1.typedValue()) return *clock;
  // A slip of the keyboard must not become the top clock: nothing runs.
  const ClockRange range = clock_.limits();
  throw platform::UserError(platform::format1(
      platform::format1(platform::format1(text::tr(text::Id::ClockTypedOutOfRange), Edit1.text()),
                        std::to_string(range.low)),
      std::to_string(range.high)));
}

void ClockPage::rememberClock(int mhz) {
  clock_.storeLastClock(mhz);
  Label92.setCaption(megahertz(mhz));
  currentClockRead_ = true;
}

void ClockPage::showRestored(int mhz) {
  UpDown1.setPosition(mhz);
  const std::string restored =
      platform::format1(text::tr(text::Id::ClockRestored), std::to_string(mhz));
  services_.dialogs.messageBox(text::tr(text::Id::TitleInformation), restored,
                               platform::MessageIcon::Information, platform::MessageButtons::Ok);
  rememberClock(mhz);
}

void ClockPage::Button3Click() {
  if (!confirmation_) throw platform::ProgramFault("the confirmation window is not attached");
  const int target = typedClock();
  UpDown1.setPosition(target);
  // The countdown opens only for a clock the tool says it set; a failure says why and leaves
  // everything as it was.
  clock_.runTool(target);
  confirmation_->Label4.setCaption(std::to_string(target));
  switch (confirmation_->showModal()) {
    case Countdown::Kept:
      // Seen to hold for as long as the user looked: from now on the command line and the
      // start-up entry may use it too.
      rememberClock(target);
      clock_.recordKept(target);
      break;
    case Countdown::RestoreFailed:
      // The restore said why; the new clock is what the chip was last told.
      rememberClock(target);
      break;
    case Countdown::Restored:
      // The countdown said so and stored it; the page shows it.
      UpDown1.setPosition(clock_.defaultClock());
      Label92.setCaption(megahertz(clock_.defaultClock()));
      currentClockRead_ = true;
      break;
    case Countdown::ProgramEnded:
      break;
  }
}

void ClockPage::Button4Click() { showRestored(clock_.runDefaultClock()); }

// ---- Start-up entry ---------------------------------------------------------------------------

void ClockPage::Button2Click() {
  const int target = typedClock();
  // Every Windows start, with no countdown: only a clock seen to hold, and a tool that is there.
  clock_.checkStartupClock(target);
  const std::string notice =
      platform::format1(text::tr(text::Id::ClockStartupNotice), std::to_string(target));
  services_.dialogs.messageBox(text::tr(text::Id::TitleInformation), notice,
                               platform::MessageIcon::Information, platform::MessageButtons::Ok);
  clock_.registerStartup(target);
  Button7.setEnabled(true);
}

void ClockPage::Button7Click() {
  // A missing entry is fine; one that is still there would overclock at the next start.
  clock_.unregisterStartup();
  Button7.setEnabled(false);
}

// ---- The tool and its ini file ----------------------------------------------------------------

void ClockPage::Button6Click() {
  platform::FileDialogOptions dialog;
  dialog.title = text::tr(text::Id::ClockBrowseTitle);
  dialog.fileName = "G200clk.exe";
  dialog.filters = {{"G200clk.exe or Mystclk.com", "G200clk.exe;Mystclk.com"},
                    {"G200clk.exe", "G200clk.exe"},
                    {"Mystclk.com", "Mystclk.com"}};
  const auto chosen = services_.dialogs.openFile(dialog);
  if (!chosen) return;
  Edit2.setText(*chosen);
  // The service classifies before it stores, so a refused write cannot leave the old kind.
  try {
    clock_.chooseTool(*chosen);
  } catch (...) {
    ClassifyClockTool();
    throw;
  }
  ClassifyClockTool();
}

void ClockPage::RadioGroup1Click() {
  const int row = RadioGroup1.itemIndex();
  if (row < 0) return;
  const std::vector<std::string> lines = withChipsetRow(iniLines_, row);
  try {
    if (!iniRefusal_.empty()) throw platform::UserError(iniRefusal_);
    services_.files.writeRawLines(clock_.inProgramFolder("Mystclk.ini"), lines);
  } catch (...) {
    // The file keeps its old line 1; so does the choice on screen.
    RadioGroup1.setItemIndex(chipsetRowOf(iniLines_));
    throw;
  }
  iniLines_ = lines;
}

void ClockPage::OptionClick() {
  if (!options_) throw platform::ProgramFault("the options window is not attached");
  options_->showModal();
  // The window gave the service its values (when closed with its button); show what holds now.
  if (clock_.profile()) showLimits();
}

void ClockPage::ShortcutButtonClick() {
  if (!shortcut_) throw platform::ProgramFault("the game shortcut window is not attached");
  shortcut_->showModal();
}

}  // namespace overclock
