#pragma once
// TPINForm, the PIN viewer: shows the wizard's generated text, lets the user edit it and hands
// the edit back. Modeless, so it stays usable beside the modal wizard.
#include "pins/pin_text.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "text/catalogue.h"

namespace pins {

class TPINForm : public ui::Form {
 public:
  explicit TPINForm(ui::Runtime& runtime);

  // The buffer the viewer shows and edits: the wizard's, attached when the wizard is made.
  void attachBuffer(PinText* buffer) { buffer_ = buffer; }
  // A new generation replaces the text at once, edits not yet applied included.
  void replaceText(const PinText& text) { Memo1.setLines(text); }

  void FormShow();
  void Button1Click();  // text::tr(text::Id::CloseButton)
  void Button2Click();  // text::tr(text::Id::PinApply)

  ui::Memo Memo1{this, "Memo1"};
  ui::Button Button2{this, "Button2", text::tr(text::Id::PinApply)};
  ui::Button Button1{this, "Button1", text::tr(text::Id::CloseButton)};

 private:
  PinText* buffer_ = nullptr;
};

}  // namespace pins
