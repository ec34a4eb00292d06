#include "overclock/clock_page.h"

#include <algorithm>

#include "overclock/clock_report.h"
#include "overclock/clock_tool.h"
#include "overclock/confirm_form.h"
#include "overclock/options_form.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "stored/clock_settings.h"
#include "stored/run_lists.h"
#include "text/catalogue.h"

namespace overclock {

namespace {

std::string megahertz(int mhz) { return std::to_string(mhz) + "MHz"; }

}  // namespace

ClockPage::ClockPage(ui::TabSheet& TabSheet3, platform::Services& services)
    : sheet_(TabSheet3), services_(services) {
  Label10.setBold(true);
  Label34.setBold(true);
  Edit2.setReadOnly(true);
  RadioGroup1.setItems({text::tr(text::Id::ClockChipsetIntel), text::tr(text::Id::ClockChipsetOther)});
  Memo1.setLines(platform::splitLines(text::tr(text::Id::ClockHelp)));
  Memo1.setReadOnly(true);
  Memo3.setVisible(false);
  Label89.setVisible(false);
  layOut();
  setHints();
  wireHandlers();
  iniRefusal_ = platform::format1(text::tr(text::Id::ErrorCannotOpenFile), inProgramFolder("Mystclk.ini"));
}

void ClockPage::layOut() {
  Label14.setBounds(8, 8, 300, 14);
  Label15.setBounds(8, 24, 300, 14);

  const std::pair<ui::Label*, ui::Label*> rows[] = {
      {&Label2, &Label10},  {&Label33, &Label34}, {&Label91, &Label92},
      {&Label17, &Label25}, {&Label19, &Label28}, {&Label21, &Label32}};
  int top = 48;
  for (const auto& [caption, value] : rows) {
    caption->setBounds(8, top, 96, 14);
    value->setBounds(108, top, 200, 14);
    top += 18;
  }

  Label16.setBounds(8, 166, 96, 14);
  // The spin sits inside the right end of its box, which keeps the rest for the number.
  Edit1.setBounds(108, 162, 60, 21);
  UpDown1.setBounds(151, 162, 17, 21);
  Label24.setBounds(174, 166, 30, 14);
  Button3.setBounds(8, 192, 100, 25);
  Button4.setBounds(116, 192, 100, 25);

  GroupBox1.setBounds(330, 8, 282, 58);
  Button2.setBounds(12, 22, 124, 25);
  Button7.setBounds(146, 22, 100, 25);
  RadioGroup1.setBounds(330, 74, 282, 66);
  Option.setBounds(330, 150, 110, 25);

  Label18.setBounds(8, 230, 216, 14);
  Edit2.setBounds(228, 226, 288, 21);
  SpeedButton1.setBounds(522, 225, 90, 23);

  Memo1.setBounds(8, 256, 500, 156);
  Button8.setBounds(520, 387, 92, 25);
  Memo3.setBounds(520, 256, 92, 40);
  Label89.setBounds(520, 300, 92, 14);
}

void ClockPage::setHints() {
  Edit1.setHint(text::tr(text::Id::ClockTargetHint));
  UpDown1.setHint(text::tr(text::Id::ClockSpinHint));
  Button3.setHint(text::tr(text::Id::ClockChangeHint));
  Button4.setHint(text::tr(text::Id::ClockRestoreDefaultHint));
  Edit2.setHint(text::tr(text::Id::ClockToolPathHint));
  SpeedButton1.setHint(text::tr(text::Id::ClockBrowseHint));
  Button2.setHint(text::tr(text::Id::ClockStartupSetHint));
  Button7.setHint(text::tr(text::Id::ClockStartupClearHint));
  Button8.setHint(text::tr(text::Id::ExitHint));
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
}

void ClockPage::attachWindows(TkakuForm& confirmation, TForm2& options) {
  confirmation_ = &confirmation;
  options_ = &options;
}

// ---- Creation steps ---------------------------------------------------------------------------

std::string ClockPage::inProgramFolder(const std::string& fileName) const {
  const std::string& folder = services_.programFolder;
  // A drive's root keeps its backslash ("C:\"): add none then.
  if (folder.empty() || folder.back() == '\\') return folder + fileName;
  return folder + "\\" + fileName;
}

void ClockPage::loadMystclkIni() {
  try {
    // As bytes: the file belongs to the clock tool, and its lines after the first go back
    // exactly as they came, whatever the code page makes of them.
    iniLines_ = services_.files.readRawLines(inProgramFolder("Mystclk.ini"));
    iniRefusal_.clear();
  } catch (const std::exception& e) {
    // A file that could not be read is never replaced: its lines are not known.
    iniLines_.clear();
    iniRefusal_ = e.what();
    throw;
  }
}

bool ClockPage::storedToolNeedsIni() const {
  try {
    const auto path = stored::ClockSettings(services_.registry).toolPath();
    return classifyToolPath(path.value_or(inProgramFolder("G200clk.exe"))) == ClockToolKind::Mystclk;
  } catch (const std::exception&) {
    return true;
  }
}

void ClockPage::detectStartupEntry() {
  Button7.setEnabled(stored::ClockStartup(services_.registry).registered());
}

void ClockPage::loadLastClockAndToolPath() {
  stored::ClockSettings clocks(services_.registry);
  storedClock_ = clocks.lastClock();
  // Inside today's limits; the profile's limits, once applied, take it in again.
  if (storedClock_) UpDown1.setPosition(*storedClock_);
  setToolPath(clocks.toolPath().value_or(inProgramFolder("G200clk.exe")));
}

void ClockPage::startBatchFile() {
  const std::string batchFile = inProgramFolder("clk.bat");
  Label89.setCaption(batchFile);
  batchDue_ = false;
  if (batch_) services_.launcher.waitFor(batch_, 0);  // started before: let go of it
  // A missing batch file only means no clock report: the page copes with that.
  batch_ = services_.launcher.runWatched(platform::quoteIfBlank(batchFile),
                                         platform::ShowMode::Normal);
}

void ClockPage::startBatchFileWhenIdle(ui::Runtime& runtime) {
  batchDue_ = true;
  runtime.whenIdle([this] {
    if (batchDue_) startBatchFile();
  });
}

// ---- Show step --------------------------------------------------------------------------------

void ClockPage::ClassifyClockTool() {
  kind_ = classifyToolPath(toolPath_);
  const ToolDescription tool = describeTool(kind_);
  Label15.setCaption(tool.version);
  Label14.setCaption(tool.name);
  if (kind_ == ClockToolKind::G200clk) {
    RadioGroup1.setEnabled(false);
    return;
  }
  RadioGroup1.setEnabled(true);
  // Set from the program: this shows the ini's choice and writes nothing.
  RadioGroup1.setItemIndex(chipsetRowOf(iniLines_));
}

std::optional<ClockProfile> ClockPage::activeProfile() const {
  return chooseClockProfile(Label10.tag(), Label34.caption());
}

void ClockPage::ApplyClockProfile() {
  const auto profile = activeProfile();
  if (!profile) return;
  const ClockProfileInfo& info = profileInfo(*profile);
  stored::ClockSettings clocks(services_.registry);
  // Values outside what the options window allows were written by something else: they come
  // in at the nearest end, so the restore always has a command to run.
  if (const auto stored = clocks.limit(info.defaultLimit))
    defaultClock_ = info.defaultRange.clamp(*stored);
  if (const auto stored = clocks.limit(info.maximumLimit))
    maximumClock_ = info.maximumRange.clamp(*stored);
  showLimits();
  if (storedClock_) UpDown1.setPosition(*storedClock_);
  Label32.setCaption(info.recommendedRange);
}

void ClockPage::applyClockLimits(const ClockLimits& limits) {
  const auto profile = activeProfile();
  if (!profile) return;
  const bool is89 = *profile == ClockProfile::Mhz89;
  defaultClock_ = is89 ? limits.default89 : limits.default66;
  maximumClock_ = is89 ? limits.maximum89 : limits.maximum66;
  showLimits();
}

void ClockPage::showLimits() {
  const int low = std::min(defaultClock_, maximumClock_);
  const int high = std::max(defaultClock_, maximumClock_);
  UpDown1.setRange(low, high);  // the spin keeps its value inside
  Label25.setCaption(megahertz(defaultClock_));
  Label28.setCaption(megahertz(maximumClock_));
}

// ---- The chip's current clock -----------------------------------------------------------------

void ClockPage::TabSheet3Show() {
  int clock = UpDown1.position();
  if (batchDue_) startBatchFile();
  waitForBatchFile();  // the report is being written: read it once it is done
  if (!currentClockRead_) {
    const auto reported =
        clockFromReport(services_.files.readRawLines(inProgramFolder("clk.txt")));
    if (!reported) return;  // the tool has not finished its report: try again next time
    clock = *reported;
    currentClockRead_ = true;
  }
  Label92.setCaption(megahertz(clock));
  UpDown1.setPosition(clock);
}

// ---- Clock changes ----------------------------------------------------------------------------

std::string ClockPage::BuildClockCommand(int targetMhz) {
  const auto command = clockCommandLine(kind_, toolPath_, targetMhz);
  if (!command) throw platform::UserError(clockOutOfRangeMessage(targetMhz));
  lastClockCommand_ = *command;
  return *command;
}

void ClockPage::waitForBatchFile() {
  if (!batch_) return;
  services_.launcher.waitFor(batch_, kReportWaitMs);
  batch_ = 0;
}

void ClockPage::startTool(const std::string& commandLine) {
  // The batch file runs the tool too: two of them on the chip at once could interleave.
  waitForBatchFile();
  if (!services_.launcher.run(commandLine, platform::ShowMode::Normal))
    throw platform::UserError(platform::format1(text::tr(text::Id::ErrorCannotStart), toolPath_));
}

void ClockPage::rememberClock(int mhz) {
  stored::ClockSettings(services_.registry).storeLastClock(mhz);
  Label92.setCaption(megahertz(mhz));
  currentClockRead_ = true;
}

void ClockPage::Button3Click() {
  if (!confirmation_) throw platform::ProgramFault("the confirmation window is not attached");
  const int target = UpDown1.commitTypedText();
  startTool(BuildClockCommand(target));
  confirmation_->Label4.setCaption(std::to_string(target));
  // A restore that ran the tool has stored the default clock itself, or shown why it could
  // not: storing again would only repeat its error. One that could not run the tool left the
  // new clock on the chip. A clock kept with OK may be asked for from the command line later.
  const Countdown end = confirmation_->showModal();
  if (end == Countdown::Kept || end == Countdown::RestoreFailed) rememberClock(UpDown1.position());
  if (end == Countdown::Kept) stored::ConfirmedClock(services_.registry).recordKept(target);
}

void ClockPage::Button4Click() {
  bool clockBack = false;
  restoreDefaultClock(clockBack);
}

void ClockPage::restoreDefaultClock(bool& clockBack) {
  const int clock = defaultClock_;
  startTool(BuildClockCommand(clock));
  clockBack = true;
  // Only now: when the tool did not start, the chip (and the spin) keep the clock they had.
  UpDown1.setPosition(clock);
  const std::string restored =
      platform::format1(text::tr(text::Id::ClockRestored), std::to_string(clock));
  services_.dialogs.messageBox(text::tr(text::Id::TitleInformation), restored,
                               platform::MessageIcon::Information, platform::MessageButtons::Ok);
  rememberClock(clock);
}

// ---- Start-up entry ---------------------------------------------------------------------------

void ClockPage::Button2Click() {
  const int target = UpDown1.commitTypedText();
  if (!clockArgument(kind_, target)) throw platform::UserError(clockOutOfRangeMessage(target));
  stored::ClockStartup startup(services_.registry);
  const std::string notice =
      platform::format1(text::tr(text::Id::ClockStartupNotice), std::to_string(target));
  services_.dialogs.messageBox(text::tr(text::Id::TitleInformation), notice,
                               platform::MessageIcon::Information, platform::MessageButtons::Ok);
  startup.registerClock(BuildClockCommand(target));
  Button7.setEnabled(true);
}

void ClockPage::Button7Click() {
  // A missing entry is fine; one that is still there would overclock at the next start.
  stored::ClockStartup(services_.registry).unregister();
  Button7.setEnabled(false);
}

// ---- The tool and its ini file ----------------------------------------------------------------

void ClockPage::setToolPath(const std::string& path) {
  toolPath_ = path;
  Edit2.setText(path);
}

void ClockPage::Button6Click() {
  platform::FileDialogOptions dialog;
  dialog.title = text::tr(text::Id::ClockBrowseTitle);
  dialog.fileName = "G200clk.exe";
  dialog.filters = {{"G200clk.exe or Mystclk.com", "G200clk.exe;Mystclk.com"},
                    {"G200clk.exe", "G200clk.exe"},
                    {"Mystclk.com", "Mystclk.com"}};
  const auto chosen = services_.dialogs.openFile(dialog);
  if (!chosen) return;
  setToolPath(*chosen);
  // Classified before it is stored, so a refused write cannot leave the old tool's kind.
  ClassifyClockTool();
  stored::ClockSettings(services_.registry).storeToolPath(toolPath_);
}

void ClockPage::RadioGroup1Click() {
  const int row = RadioGroup1.itemIndex();
  if (row < 0) return;
  const std::vector<std::string> lines = withChipsetRow(iniLines_, row);
  try {
    if (!iniRefusal_.empty()) throw platform::UserError(iniRefusal_);
    services_.files.writeRawLines(inProgramFolder("Mystclk.ini"), lines);
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
}

}  // namespace overclock
