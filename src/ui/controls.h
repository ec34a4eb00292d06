#pragma once
// The standard controls of the model. Each mirrors one Win32 control (or, for the containers,
// one child window); the comments name it.
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A plain container: BS_GROUPBOX with its children laid out over it.
class GroupBox : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::GroupBox; }
};

enum class Bevel { None, Lowered, Raised };

// A child window holding other controls (a wizard page, the about box's sunken frame).
class Panel : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Panel; }
  Bevel bevel() const { return bevel_; }
  void setBevel(Bevel bevel) { bevel_ = bevel; }

 private:
  Bevel bevel_ = Bevel::None;
};

// STATIC. Clickable when it has an onClick handler (link labels).
class Label : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Label; }
  Handler onClick;
  void userClick();
};

// BUTTON (push button).
class Button : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Button; }
  Handler onClick;
  void userClick();
  bool isDefault() const { return default_; }
  void setDefault(bool isDefault) { default_ = isDefault; }

 private:
  bool default_ = false;
};

// BUTTON (BS_AUTOCHECKBOX).
class CheckBox : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::CheckBox; }
  bool checked() const { return checked_; }
  void setChecked(bool checked);
  // The user ticked or cleared the box: the new state, then onClick (when it changed).
  void userSetChecked(bool checked);
  void userClick() { userSetChecked(!checked_); }
  Handler onClick;

 private:
  bool checked_ = false;
};

// A group box of BS_AUTORADIOBUTTONs laid out in columns.
class RadioGroup : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::RadioGroup; }
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);
  int columns() const { return columns_; }
  void setColumns(int columns) { columns_ = columns; }
  int itemIndex() const { return itemIndex_; }  // -1: none selected
  void setItemIndex(int index);
  // The user picked a row: onClick runs when the selection changes.
  void userSelect(int index);
  Handler onClick;

 private:
  std::vector<std::string> items_;
  int columns_ = 1;
  int itemIndex_ = -1;
};

class UpDown;

// EDIT. Its text is the caption.
class Edit : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Edit; }
  const std::string& text() const { return caption(); }
  void setText(const std::string& text) { setCaption(text); }
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // The user typed: the new text, the attached spin follows it when it holds a number in range,
  // then onChange.
  void userSetText(const std::string& text);
  Handler onChange;

 private:
  friend class UpDown;
  bool readOnly_ = false;
  UpDown* spin_ = nullptr;
};

// msctls_updown32 with its buddy edit box: the edit shows the position in decimal.
class UpDown : public Control {
 public:
  UpDown(Control* parent, std::string name, Edit& associate, int min, int max, int position);
  Kind kind() const override { return Kind::UpDown; }
  Edit& associate() const { return associate_; }
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  // Sets the range as given (the caller decides the order, a reversed range holds the values
  // between its ends); a position outside it moves to the nearest end.
  void setRange(int min, int max);
  void setMin(int min) { setRange(min, max_); }
  void setMax(int max) { setRange(min_, max); }
  // Sets the position, kept inside the range, and shows it in the edit box; runs no handler.
  void setPosition(int position);
  // The user pressed an arrow: the position moves within the range, then onClick (when it moved).
  void userSetPosition(int position);
  // Settles what the user typed before the value is used: a number outside the range becomes
  // the nearest end, text that is no number gives way to the position; the box then shows the
  // position, so what is used is what the user sees. Runs no handler.
  int commitTypedText();
  // The number in the box when it is a whole number within the range; nothing otherwise (a
  // clock typed beyond the limits is refused, not taken as the nearest end).
  std::optional<int> typedValue() const;
  Handler onClick;

 private:
  friend class Edit;
  void followText(const std::string& text);
  int clamped(int value) const;

  Edit& associate_;
  int min_;
  int max_;
  int position_;
};

// COMBOBOX (CBS_DROPDOWNLIST).
class ComboBox : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::ComboBox; }
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);  // clears the selection
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  std::string text() const;  // the selected item, or empty
  // The user picked an item: onChange runs, even for the item already selected.
  void userSelect(int index);
  Handler onChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

// EDIT (multi-line). The text is kept whole; lines are split at hard breaks only.
class Memo : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Memo; }
  std::vector<std::string> lines() const;
  void setLines(const std::vector<std::string>& lines);
  const std::string& text() const { return text_; }
  void setText(const std::string& text);
  void userSetText(const std::string& text);
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap) { wordWrap_ = wrap; }
  bool border() const { return border_; }
  void setBorder(bool border) { border_ = border; }
  bool verticalScrollBar() const { return vscroll_; }
  void setVerticalScrollBar(bool on) { vscroll_ = on; }

 private:
  std::string text_;
  bool readOnly_ = false;
  bool wordWrap_ = true;
  bool border_ = true;
  bool vscroll_ = false;
};

// msctls_progress32.
class ProgressBar : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::ProgressBar; }
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  void setRange(int min, int max);
  void setPosition(int position);

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

// msctls_statusbar32 with one or more panels. A form's hint bar shows the hint of the control
// under the mouse in its first panel, and its resting text when there is none.
class StatusBar : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::StatusBar; }
  struct PanelSpec {
    int width = 0;
    std::string text;
  };
  const std::vector<PanelSpec>& panels() const { return panels_; }
  void addPanel(int width, const std::string& text);
  void setPanelText(std::size_t index, const std::string& text);
  const std::string& restingText() const { return restingText_; }
  void showHint(const std::string& hint);

 private:
  std::vector<PanelSpec> panels_;
  std::string restingText_;
};

// A tab of a PageControl: a child window shown while its tab is active.
class TabSheet : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::TabSheet; }
  Handler onShow;  // every time the page becomes the visible one
};

// SysTabControl32 with its TabSheets as children, in tab order.
class PageControl : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::PageControl; }
  std::vector<TabSheet*> pages() const;
  int activePageIndex() const { return active_; }
  TabSheet* activePage() const;
  // Makes a page the visible one and runs its onShow, even when it already was.
  void setActivePage(int index);
  // The user picked a tab: as setActivePage, when it is another page.
  void userSelectPage(int index);

 private:
  int active_ = 0;
};

// The program's icon.
class Image : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Image; }
};

// A one-window timer (WM_TIMER); not visible.
class Timer : public Control {
 public:
  Timer(Control* parent, std::string name, unsigned intervalMs);
  Kind kind() const override { return Kind::Timer; }
  unsigned interval() const { return interval_; }
  bool timerEnabled() const { return running_; }
  void setTimerEnabled(bool running);
  // One tick: runs onTimer when the timer is on.
  void tick();
  Handler onTimer;

 private:
  unsigned interval_;
  bool running_ = false;
};

}  // namespace ui
