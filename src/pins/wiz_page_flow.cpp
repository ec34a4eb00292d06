// The PIN wizard's way through its pages: which state follows which, what Back and Next do,
// which page shows and what is enabled there.
#include "pins/wiz_form.h"

#include "pins/pin_extraction.h"
#include "pins/pin_paths.h"
#include "text/catalogue.h"

namespace pins {

namespace {

const char* cancelCaption() { return text::tr(text::Id::CancelButton); }
const char* finishCaption() { return text::tr(text::Id::WizardFinish); }

}  // namespace

void TWizForm::showPage(ui::Panel& page) {
  for (ui::Panel* p : {&Panel1, &Panel2, &Panel3, &Panel4, &Panel5, &Panel6})
    if (p != &page) p->setVisible(false);
  page.setBounds(0, 0, page.bounds().width, page.bounds().height);
  page.setVisible(true);
}

void TWizForm::enterState(WizardState state, ui::Panel& page, bool back, bool next) {
  pageState_ = state;
  showPage(page);
  Button1.setEnabled(back);
  Button2.setEnabled(next);
}

void TWizForm::setCustomSettingsEnabled(bool enabled) {
  CustomGroup.setEnabled(enabled);
  ui::Control* const settings[] = {
      &RamdacUpperLabel, &Ramdac8Label, &Ramdac16Label, &Ramdac24Label, &Ramdac32Label,
      &Clock16Label,     &Clock824Label, &Edit1,        &Edit2,         &Edit11,
      &Edit12,           &Edit13,        &Edit14,       &Edit15,        &UpDown2,
      &UpDown3,          &UpDown4,       &UpDown5,      &UpDown6,       &UpDown7,
      &UpDown8};
  for (ui::Control* c : settings)
    c->setEnabled(enabled);
}

void TWizForm::FormShow() {
  // Only the way through the pages starts over; choices, speeds and texts are kept.
  enterState(WizardState::Explanation, Panel1, false, true);
  Button3.setCaption(cancelCaption());
}

void TWizForm::Button1Click() {
  switch (pageState_) {
    case WizardState::Choice:
      enterState(WizardState::Explanation, Panel1, false, true);
      break;
    case WizardState::Performance:
      enterState(WizardState::Choice, Panel2, true, false);
      break;
    case WizardState::Stopped:
    case WizardState::Create:
      enterState(WizardState::Choice, Panel2, true, false);
      Button3.setCaption(cancelCaption());
      break;
    case WizardState::FinishedCreating:
    case WizardState::Customize:
      enterState(WizardState::Create, Panel6, true, true);
      Button3.setCaption(cancelCaption());
      break;
    case WizardState::Explanation:
      break;
  }
}

void TWizForm::Button2Click() {
  switch (pageState_) {
    case WizardState::Explanation:
      enterState(WizardState::Choice, Panel2, true, false);
      break;
    case WizardState::Create:
      if (CheckBox2.checked()) {
        enterState(WizardState::Customize, Panel4, true, false);
        setCustomSettingsEnabled(true);
      } else {
        enterState(WizardState::FinishedCreating, Panel5, true, false);
        Button3.setCaption(finishCaption());
      }
      break;
    case WizardState::Choice:
    case WizardState::Performance:
    case WizardState::Stopped:
    case WizardState::FinishedCreating:
    case WizardState::Customize:
      // The performance and customize pages offer Next but lead nowhere yet.
      break;
  }
}

void TWizForm::Button3Click() { close(); }

void TWizForm::Button5Click() {
  enterState(WizardState::Stopped, Panel5, true, false);
  Button3.setCaption(finishCaption());
}

void TWizForm::Button6Click() {
  enterState(WizardState::Create, Panel6, true, false);
  // Program-set selections: the speeds keep what they hold.
  for (ui::ComboBox* list : {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4})
    list->setItemIndex(0);
}

// The extraction leads to the performance page; the utility and its dump are pin_extraction's.
void TWizForm::Button4Click() {
  enterState(WizardState::Performance, Panel3, true, true);
  const std::string folder = toolFolderOf(toolPathText_ ? toolPathText_() : std::string());
  runBiosUtility(services_, folder);
  // Emptied first: when the dump cannot be read, no earlier dump stays in the buffer.
  ExtractBuffer.clear();
  ExtractBuffer = takeDump(services_.files, folder);
}

}  // namespace pins
