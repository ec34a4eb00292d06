// The PIN viewer's layout and its three handlers.
#include "pins/pin_form.h"
#include "text/catalogue.h"

namespace pins {

TPINForm::TPINForm(ui::Runtime& runtime) : ui::Form(runtime, "PINForm", text::tr(text::Id::PinTitle)) {
  setBorder(ui::FormBorder::Dialog);
  setPosition(ui::FormPosition::Default);
  setClientSize(487, 522);

  Memo1.setBounds(0, 0, 487, 522);
  Memo1.setBorder(false);
  Memo1.setVerticalScrollBar(true);
  Memo1.setWordWrap(true);
  Button2.setBounds(312, 488, 67, 25);
  Button1.setBounds(384, 488, 75, 25);

  onShow = [this] { FormShow(); };
  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { Button2Click(); };
}

void TPINForm::FormShow() { Memo1.setLines(buffer_ ? *buffer_ : PinText()); }

void TPINForm::Button1Click() { close(); }

void TPINForm::Button2Click() {
  // The whole text, split at hard line breaks only: a long line the memo wraps on screen stays
  // one line of the PIN text.
  if (buffer_) *buffer_ = Memo1.lines();
}

}  // namespace pins
