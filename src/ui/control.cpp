#include "ui/control.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace ui {

Control::Control(Control* parent, std::string name, std::string caption)
    : parent_(parent), name_(std::move(name)), caption_(std::move(caption)) {
  if (parent_) parent_->children_.push_back(this);
}

Control::Control(Control* parent, const char* name, const char* caption)
    : parent_(parent), name_(name ? name : ""), caption_(caption ? caption : "") {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  if (view_) view_->modelGone();
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (Control* child : children_) child->parent_ = nullptr;
}

Form* Control::form() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return c->kind() == Kind::Form ? static_cast<Form*>(c) : nullptr;
}

void Control::notify(unsigned aspects) {
  if (view_) view_->changed(aspects);
}

void Control::fire(const Handler& handler) {
  if (!handler) return;
  if (Form* f = form()) f->runtime().dispatch(handler);
  else handler();
}

void Control::setCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  notify(kCaption);
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify(kEnabled);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify(kVisible);
}

void Control::setHint(const std::string& hint, bool asTooltip) {
  hint_ = hint;
  showHint_ = asTooltip && !hint.empty();
  notify(kHint);
}

void Control::setBold(bool bold) {
  if (bold == bold_) return;
  bold_ = bold;
  notify(kFont);
}

void Control::setUnderline(bool underline) {
  if (underline == underline_) return;
  underline_ = underline;
  notify(kFont);
}

void Control::setColour(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  notify(kFont);
}

void Control::setFontHeight(int pixels) {
  if (pixels == fontHeight_) return;
  fontHeight_ = pixels;
  notify(kFont);
}

void Control::setBounds(int left, int top, int width, int height) {
  bounds_ = {left, top, width, height};
  notify(kBounds);
}

void Control::moveToEndOfTabOrder() {
  if (!parent_) return;
  auto& siblings = parent_->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  siblings.push_back(this);
}

void Control::userHover() {
  Form* f = form();
  if (!f || !f->hintBar()) return;
  const Control* c = this;
  while (c && c->hint_.empty()) c = c->parent_;
  f->hintBar()->showHint(c ? c->hint_ : std::string());
}

}  // namespace ui
