// Where everything of the PIN wizard stands. Pages are 505 x 241 panels at the top left of the
// client area; the three navigation buttons sit below them at y 248.
#include "pins/wiz_form.h"

#include "platform/text.h"
#include "text/catalogue.h"

namespace pins {

namespace {

constexpr int kPageWidth = 505, kPageHeight = 241;

void heading(ui::Label& label) {
  label.setBounds(8, 8, 300, 16);
  label.setBold(true);
}

}  // namespace

void TWizForm::layOut() {
  setBorder(ui::FormBorder::Dialog);
  setClientSize(505, 277);
  // Which page shows is the flow's: the show handler hides all but the first before the window
  // is seen.
  for (ui::Panel* page : {&Panel1, &Panel2, &Panel3, &Panel4, &Panel5, &Panel6})
    page->setBounds(0, 0, kPageWidth, kPageHeight);

  // Page 1
  heading(Page1Heading);
  WhatIsPinLabel.setBounds(24, 34, 300, 16);
  WhatIsPinLabel.setBold(true);
  int y = 56;
  for (const std::string& line : platform::splitLines(text::tr(text::Id::WizardExplanation))) {
    ExplanationLines.push_back(std::make_unique<ui::Label>(
        &Panel1, "ExplanationLine" + std::to_string(ExplanationLines.size() + 1), line));
    ExplanationLines.back()->setBounds(24, y, 470, 14);
    y += 16;
  }

  // Page 2
  heading(Page2Heading);
  QuestionLabel.setBounds(24, 40, 460, 14);
  ExtractLabel.setBounds(40, 86, 200, 14);
  Button4.setBounds(250, 80, 190, 25);
  CreateLabel.setBounds(40, 126, 200, 14);
  Button6.setBounds(250, 120, 190, 25);
  StopLabel.setBounds(40, 166, 200, 14);
  Button5.setBounds(250, 160, 190, 25);

  // Page 3: captions with their bold values beside them
  heading(Page3Heading);
  PerformanceLabel.setBounds(24, 30, 250, 14);
  CheckBox1.setBounds(320, 8, 175, 18);
  struct Row {
    ui::Label& caption;
    ui::Label& value;
    int captionWidth;
  };
  const Row rows[] = {
      {DacSpeedCaption, DACSPEED, 180}, {Dac8Caption, DAC8, 180},
      {Dac16Caption, DAC16, 180},       {Dac24Caption, DAC24, 180},
      {Dac32Caption, DAC32, 180},       {ModelCaption, model, 180},
      {OemCaption, OEM, 180},           {SerialCaption, Serial, 180},
      {Clock824Caption, Clock824, 420}, {Clock16Caption, Clock16, 420},
  };
  y = 54;
  for (const Row& row : rows) {
    row.caption.setBounds(12, y, row.captionWidth, 14);
    row.value.setBounds(12 + row.captionWidth + 4, y, 70, 14);
    row.value.setBold(true);
    y += 18;
  }

  // Page 4: one row per speed setting
  heading(Page4Heading);
  CustomGroup.setBounds(8, 28, 489, 180);
  struct Setting {
    ui::Label& caption;
    ui::Edit& edit;
    ui::UpDown& spin;
  };
  const Setting settings[] = {
      {RamdacUpperLabel, Edit1, UpDown2}, {Ramdac8Label, Edit2, UpDown3},
      {Ramdac16Label, Edit11, UpDown4},   {Ramdac24Label, Edit12, UpDown5},
      {Ramdac32Label, Edit13, UpDown6},   {Clock16Label, Edit14, UpDown7},
      {Clock824Label, Edit15, UpDown8},
  };
  y = 20;
  for (const Setting& s : settings) {
    s.caption.setBounds(12, y + 4, 282, 14);
    // The spin sits inside the edit box's right end, which leaves three digits room.
    s.edit.setBounds(296, y, 60, 21);
    s.spin.setBounds(340, y, 16, 21);
    MHzLabels.push_back(std::make_unique<ui::Label>(
        &CustomGroup, "MHzLabel" + std::to_string(MHzLabels.size() + 1), "MHz"));
    MHzLabels.back()->setBounds(362, y + 4, 40, 14);
    y += 22;
  }
  Button10.setBounds(115, 212, 110, 25);
  Button8.setBounds(231, 212, 130, 25);
  Button9.setBounds(367, 212, 130, 25);

  // Page 5
  heading(Page5Heading);
  FinishedLabel.setBounds(24, 40, 470, 14);

  // Page 6: the choices, one row each
  heading(Page6Heading);
  CreateGroup.setBounds(8, 28, 489, 178);
  struct Choice {
    ui::Label& caption;
    ui::Control& box;
    int width;
  };
  const Choice choices[] = {
      {ProductLabel, ComboBox2, 240}, {ModelLabel, ComboBox1, 100},
      {SaleFormLabel, ComboBox3, 240}, {SerialLabel, Edit10, 140},
      {CountryLabel, ComboBox4, 140},
  };
  y = 20;
  for (const Choice& c : choices) {
    c.caption.setBounds(12, y + 4, 100, 14);
    c.box.setBounds(116, y, c.width, 21);
    y += 26;
  }
  CheckBox2.setBounds(12, y + 2, 130, 18);
  Button7.setBounds(115, 212, 110, 25);
  PINSaveButton.setBounds(231, 212, 130, 25);
  ShowPIN.setBounds(367, 212, 130, 25);

  // Navigation
  Button1.setBounds(264, 248, 75, 25);
  Button2.setBounds(344, 248, 75, 25);
  Button3.setBounds(424, 248, 75, 25);
}

}  // namespace pins
