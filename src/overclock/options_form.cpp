#include "overclock/options_form.h"

#include "text/catalogue.h"

namespace overclock {

TForm2::TForm2(ui::Runtime& runtime, ClockService& clock)
    : ui::Form(runtime, "Form2", text::tr(text::Id::OptionsTitle)), clock_(clock) {
  setBorder(ui::FormBorder::ToolWindow);
  setPosition(ui::FormPosition::ScreenCenter);
  layOut();
  for (ui::Label* warning : {&WarningLine1, &WarningLine2}) {
    warning->setBold(true);
    warning->setColour(ui::kRed);
  }
  onShow = [this] { FormShow(); };
  Button1.onClick = [this] { Button1Click(); };
}

void TForm2::layOut() {
  setClientSize(508, 232);
  const int rowLabel = 8, column89 = 136, column66 = 316, columnWidth = 184;
  Heading89Line1.setBounds(column89, 8, columnWidth, 14);
  Heading89Line2.setBounds(column89, 24, columnWidth, 14);
  Heading66Line1.setBounds(column66, 8, columnWidth, 14);
  Heading66Line2.setBounds(column66, 24, columnWidth, 14);

  auto spinRow = [&](int top, ui::Edit& edit, ui::UpDown& spin, ui::Label& unit, int left) {
    // The spin sits inside the right end of its box, which keeps the rest for the number.
    edit.setBounds(left, top, 60, 21);
    spin.setBounds(left + 43, top, 17, 21);
    unit.setBounds(left + 66, top + 4, 30, 14);
  };
  DefaultRowLine1.setBounds(rowLabel, 50, 124, 14);
  DefaultRowLine2.setBounds(rowLabel, 66, 124, 14);
  spinRow(54, Edit1, UpDown1, Edit1Unit, column89);
  spinRow(54, Edit4, UpDown4, Edit4Unit, column66);
  MaximumRowLine1.setBounds(rowLabel, 90, 124, 14);
  MaximumRowLine2.setBounds(rowLabel, 106, 124, 14);
  spinRow(94, Edit2, UpDown2, Edit2Unit, column89);
  spinRow(94, Edit3, UpDown3, Edit3Unit, column66);

  LimitRow.setBounds(rowLabel, 134, 124, 14);
  Limit89.setBounds(column89, 134, 60, 14);
  Limit66.setBounds(column66, 134, 60, 14);
  WarningLine1.setBounds(rowLabel, 160, 400, 14);
  WarningLine2.setBounds(rowLabel, 176, 400, 14);
  Button1.setBounds(406, 198, 94, 25);
}

void TForm2::FormShow() {
  // What is stored, each time: a change closed away with Esc or the frame is gone, as it is for
  // the page. A value that is not stored shows the window's initial one; one outside a spin's
  // range (written by something else) comes in at the nearest end.
  const ClockLimits stored = clock_.storedLimits();
  UpDown1.setPosition(stored.default89);
  UpDown2.setPosition(stored.maximum89);
  UpDown3.setPosition(stored.maximum66);
  UpDown4.setPosition(stored.default66);
}

ClockLimits TForm2::limits() const {
  ClockLimits l;
  l.default89 = UpDown1.position();
  l.maximum89 = UpDown2.position();
  l.maximum66 = UpDown3.position();
  l.default66 = UpDown4.position();
  return l;
}

void TForm2::Button1Click() {
  // Numbers typed beyond a spin's range are used, and stored, as the box then shows them.
  for (ui::UpDown* spin : {&UpDown1, &UpDown2, &UpDown3, &UpDown4}) spin->commitTypedText();
  clock_.storeLimits(limits());
  close();
}

}  // namespace overclock
