#pragma once
// TWizForm, the PIN file wizard: explains PIN files, runs the BIOS utility to dump the board's
// PIN block, and composes new PIN texts that the user can view, edit and save. Made and wired in
// wiz_form.cpp, laid out in wiz_form_layout.cpp; its way through the pages is wiz_page_flow.cpp,
// its text wiz_pin_text.cpp, and the utility's run and dump pin_extraction.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pins/pin_form.h"
#include "pins/pin_text.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "text/catalogue.h"

namespace pins {

// Where the wizard stands. The numbers are the ones its users and its help know; there is no 4,
// and the finish page serves two states.
enum class WizardState {
  Explanation = 1,        // page 1
  Choice = 2,             // page 2: extract, create or stop
  Performance = 3,        // page 3, after an extraction
  Stopped = 5,            // page 5, finished without doing anything
  Create = 6,             // page 6
  FinishedCreating = 7,   // page 5, after creating
  Customize = 8,          // page 4, reached from the create page
};

class TWizForm : public ui::Form {
 public:
  // `toolPathText` gives the clock tool's path (the clock service's) at the moment of extraction.
  TWizForm(ui::Runtime& runtime, platform::Services& services, TPINForm& viewer,
           std::function<std::string()> toolPathText);
  ~TWizForm() override;

  WizardState pageState() const { return pageState_; }
  // The generated text (also what the viewer edits) and the last dump loaded.
  const PinText& pinBuffer() const { return PINBuffer; }
  const PinText& extractionBuffer() const { return ExtractBuffer; }

  void FormShow();
  void Button1Click();   // Back
  void Button2Click();   // Next
  void Button3Click();   // Cancel / finish
  void Button4Click();   // extract
  void Button5Click();   // stop
  void Button6Click();   // create
  void Button7Click();   // generate on the create page
  void Button10Click();  // generate on the customize page
  void ComboBox1Change();
  void ComboBox2Change();
  void PINSaveButtonClick();
  void ShowPINClick();

  // ---- Page 1: explanation
  ui::Panel Panel1{this, "Panel1"};
  ui::Label Page1Heading{&Panel1, "Page1Heading", text::tr(text::Id::WizardPage1)};
  ui::Label WhatIsPinLabel{&Panel1, "WhatIsPinLabel", text::tr(text::Id::WizardWhatIsPin)};
  std::vector<std::unique_ptr<ui::Label>> ExplanationLines;

  // ---- Page 2: extract, create or stop
  ui::Panel Panel2{this, "Panel2"};
  ui::Label Page2Heading{&Panel2, "Page2Heading", text::tr(text::Id::WizardPage2)};
  ui::Label QuestionLabel{&Panel2, "QuestionLabel",
                          text::tr(text::Id::WizardExtractQuestion)};
  ui::Label ExtractLabel{&Panel2, "ExtractLabel", text::tr(text::Id::WizardExtractLabel)};
  ui::Button Button4{&Panel2, "Button4", text::tr(text::Id::WizardExtract)};
  ui::Label CreateLabel{&Panel2, "CreateLabel", text::tr(text::Id::WizardCreateLabel)};
  ui::Button Button6{&Panel2, "Button6", text::tr(text::Id::WizardCreate)};
  ui::Label StopLabel{&Panel2, "StopLabel", text::tr(text::Id::WizardStopLabel)};
  ui::Button Button5{&Panel2, "Button5", text::tr(text::Id::WizardStop)};

  // ---- Page 3: performance table (its values are placeholders the program leaves alone)
  ui::Panel Panel3{this, "Panel3"};
  ui::Label Page3Heading{&Panel3, "Page3Heading", text::tr(text::Id::WizardPage3)};
  ui::Label PerformanceLabel{&Panel3, "PerformanceLabel", text::tr(text::Id::WizardPerformance)};
  ui::CheckBox CheckBox1{&Panel3, "CheckBox1", text::tr(text::Id::WizardCustomise)};
  ui::Label DacSpeedCaption{&Panel3, "DacSpeedCaption", text::tr(text::Id::WizardDacMax)};
  ui::Label DACSPEED{&Panel3, "DACSPEED", "DACSPEED"};
  ui::Label Dac8Caption{&Panel3, "Dac8Caption", text::tr(text::Id::WizardDac8)};
  ui::Label DAC8{&Panel3, "DAC8", "DAC8"};
  ui::Label Dac16Caption{&Panel3, "Dac16Caption", text::tr(text::Id::WizardDac16)};
  ui::Label DAC16{&Panel3, "DAC16", "DAC16"};
  ui::Label Dac24Caption{&Panel3, "Dac24Caption", text::tr(text::Id::WizardDac24)};
  ui::Label DAC24{&Panel3, "DAC24", "DAC24"};
  ui::Label Dac32Caption{&Panel3, "Dac32Caption", text::tr(text::Id::WizardDac32)};
  ui::Label DAC32{&Panel3, "DAC32", "DAC32"};
  ui::Label ModelCaption{&Panel3, "ModelCaption", text::tr(text::Id::ModelCaption)};
  ui::Label model{&Panel3, "model", "model"};
  ui::Label OemCaption{&Panel3, "OemCaption", text::tr(text::Id::WizardSaleForm)};
  ui::Label OEM{&Panel3, "OEM", "OEM"};
  ui::Label SerialCaption{&Panel3, "SerialCaption", text::tr(text::Id::WizardSerial)};
  ui::Label Serial{&Panel3, "Serial", "Serial"};
  ui::Label Clock824Caption{&Panel3, "Clock824Caption",
                            text::tr(text::Id::WizardClock66)};
  ui::Label Clock824{&Panel3, "Clock824", "Clock824"};
  ui::Label Clock16Caption{&Panel3, "Clock16Caption",
                           text::tr(text::Id::WizardClock89)};
  ui::Label Clock16{&Panel3, "Clock16", "Clock16"};

  // ---- Page 4: customize (the seven speed settings; the create page reads them too)
  ui::Panel Panel4{this, "Panel4"};
  ui::Label Page4Heading{&Panel4, "Page4Heading", text::tr(text::Id::WizardPage4)};
  ui::GroupBox CustomGroup{&Panel4, "CustomGroup", text::tr(text::Id::WizardCustomGroup)};
  ui::Label RamdacUpperLabel{&CustomGroup, "RamdacUpperLabel", text::tr(text::Id::WizardRamdacUpper)};
  ui::Edit Edit1{&CustomGroup, "Edit1"};
  ui::UpDown UpDown2{&CustomGroup, "UpDown2", Edit1, kRamdacMin, kRamdacMax, 250};
  ui::Label Ramdac8Label{&CustomGroup, "Ramdac8Label", text::tr(text::Id::WizardRamdac8)};
  ui::Edit Edit2{&CustomGroup, "Edit2"};
  ui::UpDown UpDown3{&CustomGroup, "UpDown3", Edit2, kRamdacMin, kRamdacMax, 250};
  ui::Label Ramdac16Label{&CustomGroup, "Ramdac16Label", text::tr(text::Id::WizardRamdac16)};
  ui::Edit Edit11{&CustomGroup, "Edit11"};
  ui::UpDown UpDown4{&CustomGroup, "UpDown4", Edit11, kRamdacMin, kRamdacMax, 250};
  ui::Label Ramdac24Label{&CustomGroup, "Ramdac24Label", text::tr(text::Id::WizardRamdac24)};
  ui::Edit Edit12{&CustomGroup, "Edit12"};
  ui::UpDown UpDown5{&CustomGroup, "UpDown5", Edit12, kRamdacMin, kRamdacMax, 203};
  ui::Label Ramdac32Label{&CustomGroup, "Ramdac32Label", text::tr(text::Id::WizardRamdac32)};
  ui::Edit Edit13{&CustomGroup, "Edit13"};
  ui::UpDown UpDown6{&CustomGroup, "UpDown6", Edit13, kRamdacMin, kRamdacMax, 152};
  ui::Label Clock16Label{&CustomGroup, "Clock16Label", text::tr(text::Id::WizardClock16Label)};
  ui::Edit Edit14{&CustomGroup, "Edit14"};
  ui::UpDown UpDown7{&CustomGroup, "UpDown7", Edit14, kClock16Min, kClock16Max, 89};
  ui::Label Clock824Label{&CustomGroup, "Clock824Label",
                          text::tr(text::Id::WizardClock8Label)};
  ui::Edit Edit15{&CustomGroup, "Edit15"};
  ui::UpDown UpDown8{&CustomGroup, "UpDown8", Edit15, kClock824Min, kClock824Max, 66};
  std::vector<std::unique_ptr<ui::Label>> MHzLabels;
  ui::Button Button10{&Panel4, "Button10", text::tr(text::Id::WizardCustomiseButton)};
  ui::Button Button8{&Panel4, "Button8", text::tr(text::Id::WizardSavePin)};
  ui::Button Button9{&Panel4, "Button9", text::tr(text::Id::WizardShowPin)};

  // ---- Page 5: finished
  ui::Panel Panel5{this, "Panel5"};
  ui::Label Page5Heading{&Panel5, "Page5Heading", text::tr(text::Id::WizardPage5)};
  ui::Label FinishedLabel{&Panel5, "FinishedLabel",
                          text::tr(text::Id::WizardDone)};

  // ---- Page 6: create
  ui::Panel Panel6{this, "Panel6"};
  ui::Label Page6Heading{&Panel6, "Page6Heading", text::tr(text::Id::WizardPage6)};
  ui::GroupBox CreateGroup{&Panel6, "CreateGroup", text::tr(text::Id::WizardCreateGroup)};
  ui::Label ProductLabel{&CreateGroup, "ProductLabel", text::tr(text::Id::WizardProduct)};
  ui::ComboBox ComboBox2{&CreateGroup, "ComboBox2"};
  ui::Label ModelLabel{&CreateGroup, "ModelLabel", text::tr(text::Id::WizardModelName)};
  ui::ComboBox ComboBox1{&CreateGroup, "ComboBox1"};
  ui::Label SaleFormLabel{&CreateGroup, "SaleFormLabel", text::tr(text::Id::WizardSaleForm)};
  ui::ComboBox ComboBox3{&CreateGroup, "ComboBox3"};
  ui::Label SerialLabel{&CreateGroup, "SerialLabel", text::tr(text::Id::WizardSerial)};
  ui::Edit Edit10{&CreateGroup, "Edit10", "XXX00000"};
  ui::Label CountryLabel{&CreateGroup, "CountryLabel", text::tr(text::Id::WizardCountry)};
  ui::ComboBox ComboBox4{&CreateGroup, "ComboBox4"};
  ui::CheckBox CheckBox2{&CreateGroup, "CheckBox2", text::tr(text::Id::WizardCustomSettings)};
  ui::Button Button7{&Panel6, "Button7", text::tr(text::Id::WizardGenerate)};
  ui::Button PINSaveButton{&Panel6, "PINSaveButton", text::tr(text::Id::WizardSavePin)};
  ui::Button ShowPIN{&Panel6, "ShowPIN", text::tr(text::Id::WizardShowPin)};

  // ---- Navigation, below the pages
  ui::Button Button1{this, "Button1", text::tr(text::Id::WizardBack)};
  ui::Button Button2{this, "Button2", text::tr(text::Id::WizardNext)};
  ui::Button Button3{this, "Button3", text::tr(text::Id::CancelButton)};

 private:
  void layOut();
  void wireHandlers();
  // Hides every page but `page`, which goes to the top-left corner.
  void showPage(ui::Panel& page);
  void enterState(WizardState state, ui::Panel& page, bool back, bool next);
  void setCustomSettingsEnabled(bool enabled);
  PinChoices collectChoices() const;
  void generate();

  platform::Services services_;
  TPINForm& viewer_;
  std::function<std::string()> toolPathText_;
  WizardState pageState_ = WizardState::Explanation;
  PinText PINBuffer;
  PinText ExtractBuffer;
  std::string lastSaveName_;  // offered again by the next save dialog
};

}  // namespace pins
