#pragma once
// TPINForm, the PIN viewer: shows the wizard's generated text, lets the user edit it and hands
// the edit back. Modeless, so it stays usable beside the modal wizard.
#include "pins/pin_text.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace pins {

class TPINForm : public ui::Form {
 public:
  explicit TPINForm(ui::Runtime& runtime);

  // The buffer the viewer shows and edits: the wizard's, attached when the wizard is made.
  void attachBuffer(PinText* buffer) { buffer_ = buffer; }
  // A new generation replaces the text at once, edits not yet applied included.
  void replaceText(const PinText& text) { Memo1.setLines(text); }

  void FormShow();
  void Button1Click();  // "閉じる(&C)"
  void Button2Click();  // "変更する"

  ui::Memo Memo1{this, "Memo1"};
  ui::Button Button2{this, "Button2", "変更する"};
  ui::Button Button1{this, "Button1", "閉じる(&C)"};

 private:
  PinText* buffer_ = nullptr;
};

}  // namespace pins
