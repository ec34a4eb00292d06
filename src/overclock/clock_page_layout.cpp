// Where everything of the overclock tab stands, and the hints its controls show: the left column
// (the tool, the clock's figures, the target and its two buttons), the right one (the start-up
// entry, the chipset, the options and the shortcut), then the tool's row, the help and 終了.
#include "overclock/clock_page.h"

#include <utility>

#include "text/catalogue.h"

namespace overclock {

void ClockPage::layOut() {
  Label14.setBounds(8, 8, 300, 14);
  Label15.setBounds(8, 24, 300, 14);

  const std::pair<ui::Label*, ui::Label*> rows[] = {{&Label2, &Label10},  {&Label33, &Label34},
                                                    {&Label91, &Label92}, {&Label17, &Label25},
                                                    {&Label19, &Label28}, {&Label21, &Label32}};
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
  ShortcutButton.setBounds(446, 150, 166, 25);

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
  ShortcutButton.setHint(text::tr(text::Id::ShortcutButtonHint));
}

}  // namespace overclock
