#include "ui/controls.h"

#include "platform/text.h"

#include <algorithm>

namespace ui {

void Label::userClick() {
  if (enabled()) fire(onClick);
}

void Button::userClick() {
  if (enabled() && visible()) fire(onClick);
}

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  notify(kValue);
}

void CheckBox::userSetChecked(bool checked) {
  if (checked == checked_) return;
  setChecked(checked);
  if (enabled()) fire(onClick);
}

void RadioGroup::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  notify(kItems | kValue);
}

void RadioGroup::setItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  notify(kValue);
}

void RadioGroup::userSelect(int index) {
  const int before = itemIndex_;
  setItemIndex(index);
  if (itemIndex_ != before && enabled()) fire(onClick);
}

void Edit::userSetText(const std::string& text) {
  if (text == this->text()) return;
  setText(text);
  if (spin_) spin_->followText(text);
  if (enabled()) fire(onChange);
}

UpDown::UpDown(Control* parent, std::string name, Edit& associate, int min, int max,
               int position)
    : Control(parent, std::move(name)), associate_(associate), min_(min), max_(max),
      position_(clamped(position)) {
  associate_.spin_ = this;
  associate_.setText(std::to_string(position_));
}

int UpDown::clamped(int value) const {
  return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void UpDown::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  notify(kRange);
  if (clamped(position_) != position_) setPosition(position_);
}

void UpDown::setPosition(int position) {
  position_ = clamped(position);
  associate_.setText(std::to_string(position_));
  notify(kValue);
}

void UpDown::userSetPosition(int position) {
  const int before = position_;
  setPosition(position);
  if (position_ != before && enabled()) fire(onClick);
}

int UpDown::commitTypedText() {
  const std::string& text = associate_.text();
  if (const auto value = platform::wholeNumber(text)) {
    setPosition(*value);
  } else {
    // Digits too many for a number still say which end the user meant.
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = text.substr(negative ? 1 : 0);
    const bool allDigits =
        !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
    setPosition(allDigits ? (negative ? std::min(min_, max_) : std::max(min_, max_)) : position_);
  }
  return position_;
}

std::optional<int> UpDown::typedValue() const {
  const auto value = platform::wholeNumber(associate_.text());
  if (!value || *value < std::min(min_, max_) || *value > std::max(min_, max_)) return std::nullopt;
  return value;
}

void UpDown::followText(const std::string& text) {
  // Like the spin control itself: a whole number within the range becomes the position;
  // anything else leaves the position as it was.
  const auto value = platform::wholeNumber(text);
  if (!value || *value < std::min(min_, max_) || *value > std::max(min_, max_)) return;
  position_ = *value;
  notify(kValue);
}

void ComboBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  notify(kItems | kValue);
}

void ComboBox::setItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  notify(kValue);
}

std::string ComboBox::text() const {
  return itemIndex_ >= 0 ? items_[static_cast<std::size_t>(itemIndex_)] : std::string();
}

void ComboBox::userSelect(int index) {
  setItemIndex(index);
  // Every pick counts, the item already shown included, as with the real drop-down list (the
  // PIN wizard loads a model's speeds when its code is picked).
  if (enabled()) fire(onChange);
}

std::vector<std::string> Memo::lines() const { return platform::splitLines(text_); }

void Memo::setLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  // A trailing empty line must survive the round trip through the text.
  if (!lines.empty() && lines.back().empty()) text += "\r\n";
  setText(text);
}

void Memo::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  notify(kValue);
}

void Memo::userSetText(const std::string& text) { text_ = text; }

void ProgressBar::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  notify(kRange);
}

void ProgressBar::setPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  notify(kValue);
}

void StatusBar::addPanel(int width, const std::string& text) {
  panels_.push_back({width, text});
  if (panels_.size() == 1) restingText_ = text;
  notify(kValue);
}

void StatusBar::setPanelText(std::size_t index, const std::string& text) {
  if (index >= panels_.size() || panels_[index].text == text) return;
  panels_[index].text = text;
  notify(kValue);
}

void StatusBar::showHint(const std::string& hint) {
  setPanelText(0, hint.empty() ? restingText_ : hint);
}

std::vector<TabSheet*> PageControl::pages() const {
  std::vector<TabSheet*> out;
  for (Control* c : children())
    if (c->kind() == Kind::TabSheet) out.push_back(static_cast<TabSheet*>(c));
  return out;
}

TabSheet* PageControl::activePage() const {
  const auto all = pages();
  return active_ >= 0 && active_ < static_cast<int>(all.size()) ? all[active_] : nullptr;
}

void PageControl::userSelectPage(int index) {
  if (enabled() && index != active_) setActivePage(index);
}

void PageControl::setActivePage(int index) {
  const auto all = pages();
  if (index < 0 || index >= static_cast<int>(all.size())) return;
  active_ = index;
  notify(kValue);
  fire(all[index]->onShow);
}

Timer::Timer(Control* parent, std::string name, unsigned intervalMs)
    : Control(parent, std::move(name)), interval_(intervalMs) {
  setVisible(false);
}

void Timer::setTimerEnabled(bool running) {
  if (running == running_) return;
  running_ = running;
  notify(kValue);
}

void Timer::tick() {
  if (running_) fire(onTimer);
}

}  // namespace ui
