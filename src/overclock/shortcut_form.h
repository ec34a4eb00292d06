#pragma once
// TShortcutForm, "ゲームのショートカットを作成": a Windows shortcut that starts a game through
// corvane.exe at a confirmed clock (`/clock N /run "game"`), on the desktop or in the Start
// menu's Programs. Opened from the overclock tab.
#include "overclock/clock_profile.h"
#include "overclock/game_shortcut.h"
#include "platform/services.h"
#include "platform/shortcuts.h"
#include "text/catalogue.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace overclock {

class TShortcutForm : public ui::Form {
 public:
  TShortcutForm(ui::Runtime& runtime, platform::Services& services, platform::Shortcuts& shortcuts,
                ClockService& clock);

  ui::Label GameLabel{this, "GameLabel", text::tr(text::Id::ShortcutGame)};
  ui::Edit GameEdit{this, "GameEdit"};
  ui::Button BrowseButton{this, "BrowseButton", text::tr(text::Id::ShortcutBrowse)};
  ui::Label ClockLabel{this, "ClockLabel", text::tr(text::Id::ShortcutClock)};
  ui::Edit ClockEdit{this, "ClockEdit"};
  ui::UpDown ClockSpin{this, "ClockSpin", ClockEdit, kInitialDefaultClock, kInitialDefaultClock,
                       kInitialDefaultClock};
  ui::Label ClockUnit{this, "ClockUnit", "MHz"};
  ui::Label ClockRangeLabel{this, "ClockRangeLabel", ""};  // the clocks the spin offers
  ui::Label NameLabel{this, "NameLabel", text::tr(text::Id::ShortcutName)};
  ui::Edit NameEdit{this, "NameEdit"};
  ui::RadioGroup PlaceGroup{this, "PlaceGroup", text::tr(text::Id::ShortcutPlace)};
  ui::Button OkButton{this, "OkButton", "OK"};
  ui::Button CancelButton{this, "CancelButton", text::tr(text::Id::CancelButton)};

  // Every opening starts afresh, with today's limits and confirmed clock.
  void FormShow();
  // The name follows the game until the user types a name of their own.
  void GameEditChange();
  void NameEditChange();
  void BrowseButtonClick();
  // Checks everything, asks before replacing a shortcut, writes it and closes; a refusal throws
  // platform::UserError and writes nothing.
  void OkButtonClick();
  void CancelButtonClick() { close(); }

  const AcceptedClocks& acceptedClocks() const { return clocks_; }

 private:
  void layOut();
  void setHints();
  // The checked parts of the shortcut; each throws the refusal.
  std::string checkedGame() const;
  int checkedClock();
  std::string checkedName() const;
  bool inFolder(const std::string& folder, const std::string& fileName) const;

  platform::Services& services_;
  platform::Shortcuts& shortcuts_;
  ClockService& clock_;
  AcceptedClocks clocks_;
  bool nameFollowsGame_ = true;
};

}  // namespace overclock
