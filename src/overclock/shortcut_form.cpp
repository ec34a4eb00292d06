#include "overclock/shortcut_form.h"

#include "overclock/command_line.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "ui/runtime.h"

namespace overclock {

TShortcutForm::TShortcutForm(ui::Runtime& runtime, platform::Services& services,
                             platform::Shortcuts& shortcuts, ClockService& clock)
    : ui::Form(runtime, "ShortcutForm", text::tr(text::Id::ShortcutTitle)),
      services_(services),
      shortcuts_(shortcuts),
      clock_(clock) {
  setBorder(ui::FormBorder::Dialog);
  PlaceGroup.setItems(
      {text::tr(text::Id::ShortcutPlaceDesktop), text::tr(text::Id::ShortcutPlacePrograms)});
  PlaceGroup.setItemIndex(0);
  layOut();
  setHints();
  setDefaultButton(&OkButton);
  setCancelButton(&CancelButton);
  setActiveControl(&GameEdit);
  onShow = [this] { FormShow(); };
  GameEdit.onChange = [this] { GameEditChange(); };
  NameEdit.onChange = [this] { NameEditChange(); };
  BrowseButton.onClick = [this] { BrowseButtonClick(); };
  OkButton.onClick = [this] { OkButtonClick(); };
  CancelButton.onClick = [this] { CancelButtonClick(); };
}

void TShortcutForm::setHints() {
  GameEdit.setHint(text::tr(text::Id::ShortcutGameHint));
  BrowseButton.setHint(text::tr(text::Id::ShortcutBrowseHint));
  ClockEdit.setHint(text::tr(text::Id::ShortcutClockHint));
  ClockSpin.setHint(text::tr(text::Id::ShortcutClockHint));
  NameEdit.setHint(text::tr(text::Id::ShortcutNameHint));
  OkButton.setHint(text::tr(text::Id::ShortcutOkHint));
}

void TShortcutForm::FormShow() {
  clocks_ = commandLineClocks(clock_);
  const ClockRange& range = clocks_.range;
  ClockSpin.setRange(range.low, range.high);
  // The highest clock the shortcut may carry is the one the user confirmed for games.
  ClockSpin.setPosition(range.high);
  ClockRangeLabel.setCaption(
      platform::formatAll(text::tr(text::Id::ShortcutClockRange),
                          {std::to_string(range.low), std::to_string(range.high)}));
  GameEdit.setText("");
  NameEdit.setText("");
  nameFollowsGame_ = true;
  PlaceGroup.setItemIndex(0);
}

void TShortcutForm::GameEditChange() {
  if (nameFollowsGame_) NameEdit.setText(defaultShortcutName(GameEdit.text()));
}

void TShortcutForm::NameEditChange() {
  // Emptied, the name follows the game again.
  nameFollowsGame_ = trimmedName(NameEdit.text()).empty();
}

void TShortcutForm::BrowseButtonClick() {
  platform::FileDialogOptions dialog;
  dialog.title = text::tr(text::Id::ShortcutBrowseTitle);
  dialog.fileName = fileNameOf(trimmedName(GameEdit.text()));
  dialog.filters = {{text::tr(text::Id::ShortcutProgramFilter), "*.exe;*.com;*.bat"}};
  const auto chosen = services_.dialogs.openFile(dialog);
  if (!chosen) return;
  // As if typed: the name follows it.
  GameEdit.userSetText(*chosen);
}

bool TShortcutForm::inFolder(const std::string& folder, const std::string& fileName) const {
  const std::string wanted = platform::asciiLowered(fileName);
  for (const std::string& name : services_.folders.fileNames(folder))
    if (platform::asciiLowered(name) == wanted) return true;
  return false;
}

std::string TShortcutForm::checkedGame() const {
  const std::string game = trimmedName(GameEdit.text());
  if (game.empty()) throw platform::UserError(text::tr(text::Id::ShortcutNoGame));
  if (!isProgramFileName(game))
    throw platform::UserError(platform::format1(text::tr(text::Id::ShortcutNotProgram), game));
  // Only a full path finds the game from the shortcut, whatever its start-in folder.
  const std::string folder = folderOfPath(game);
  if (folder.empty() || game.find('"') != std::string::npos || !inFolder(folder, fileNameOf(game)))
    throw platform::UserError(platform::format1(text::tr(text::Id::ShortcutGameNotFound), game));
  return game;
}

int TShortcutForm::checkedClock() {
  const std::string typed = trimmedName(ClockEdit.text());
  const auto mhz = platform::wholeNumber(typed);
  if (!mhz)
    throw platform::UserError(platform::format1(text::tr(text::Id::ShortcutClockNotNumber), typed));
  const std::string clock = std::to_string(*mhz);
  const ClockRange& range = clocks_.range;
  if (*mhz < range.low || *mhz > clocks_.highestLimit)
    throw platform::UserError(
        platform::formatAll(text::tr(text::Id::ShortcutOutsideLimits),
                            {clock, std::to_string(range.low), std::to_string(range.high)}));
  if (!clocks_.any || *mhz > range.high) {
    const text::Id id = clocks_.confirmedAboveDefault ? text::Id::ShortcutAboveConfirmed
                                                      : text::Id::ShortcutNothingConfirmed;
    const std::string why = platform::formatAll(text::tr(id), {clock, std::to_string(range.high)});
    throw platform::UserError(why + "\n" + text::tr(text::Id::ShortcutHowToConfirm));
  }
  ClockSpin.setPosition(*mhz);
  return *mhz;
}

std::string TShortcutForm::checkedName() const {
  const std::string name = trimmedName(NameEdit.text());
  if (const auto problem = shortcutNameProblem(name)) throw platform::UserError(*problem);
  return name;
}

void TShortcutForm::OkButtonClick() {
  const std::string game = checkedGame();
  const int mhz = checkedClock();
  const std::string name = checkedName();

  const std::string arguments = shortcutArguments(mhz, game);
  // The command line reads it back as the same clock and game, or the shortcut is not made.
  const CommandLineRequest request = parseCommandLine(arguments);
  if (request.action == CommandLineAction::Refused) throw platform::UserError(request.problem);
  if (request.action != CommandLineAction::RunGame || request.clockMhz != mhz ||
      request.program != game || !request.programArguments.empty())
    throw platform::ProgramFault("a game's shortcut would not read back as written");

  const auto place = PlaceGroup.itemIndex() == 1 ? platform::ShortcutPlace::StartMenuPrograms
                                                 : platform::ShortcutPlace::Desktop;
  const auto folder = shortcuts_.folderOf(place);
  if (!folder || folder->empty()) throw platform::UserError(text::tr(text::Id::ShortcutNoFolder));
  const std::string path = shortcutPath(*folder, name);
  if (inFolder(*folder, name + ".lnk") &&
      services_.dialogs.messageBox(text::tr(text::Id::ShortcutTitle),
                                   platform::format1(text::tr(text::Id::ShortcutExists), name),
                                   platform::MessageIcon::Question,
                                   platform::MessageButtons::YesNo) != platform::MessageResult::Yes)
    return;

  platform::ShortcutLink link;
  link.target = shortcuts_.runningProgram();
  link.arguments = arguments;
  link.workingFolder = folderOfPath(game);
  link.iconFile = game;
  link.iconIndex = 0;
  link.comment = platform::format1(text::tr(text::Id::ShortcutComment), std::to_string(mhz));
  shortcuts_.write(path, link);
  services_.dialogs.messageBox(text::tr(text::Id::TitleInformation),
                               platform::format1(text::tr(text::Id::ShortcutMade), name),
                               platform::MessageIcon::Information, platform::MessageButtons::Ok);
  close();
}

void TShortcutForm::layOut() {
  setClientSize(440, 206);
  const int labelLeft = 10, fieldLeft = 86;
  GameLabel.setBounds(labelLeft, 16, 74, 14);
  GameEdit.setBounds(fieldLeft, 12, 262, 21);
  BrowseButton.setBounds(354, 11, 76, 23);
  ClockLabel.setBounds(labelLeft, 46, 74, 14);
  // The spin sits inside the right end of its box, which keeps the rest for the number.
  ClockEdit.setBounds(fieldLeft, 42, 60, 21);
  ClockSpin.setBounds(fieldLeft + 43, 42, 17, 21);
  ClockUnit.setBounds(fieldLeft + 66, 46, 30, 14);
  ClockRangeLabel.setBounds(fieldLeft + 100, 46, 244, 14);
  NameLabel.setBounds(labelLeft, 76, 74, 14);
  NameEdit.setBounds(fieldLeft, 72, 262, 21);
  PlaceGroup.setBounds(labelLeft, 102, 420, 62);
  OkButton.setBounds(268, 174, 78, 25);
  CancelButton.setBounds(352, 174, 78, 25);
}

}  // namespace overclock
