// The PIN wizard's page flow, generation, saving and extraction.
#include "pins/wiz_form.h"

#include "pins/pin_paths.h"
#include "platform/errors.h"
#include "text/catalogue.h"

namespace pins {

namespace {

const char* cancelCaption() { return text::tr(text::Id::CancelButton); }
const char* finishCaption() { return text::tr(text::Id::WizardFinish); }

template <typename Table>
std::vector<std::string> namesOf(const Table& table) {
  std::vector<std::string> names;
  for (const auto& row : table) names.emplace_back(row.name);
  return names;
}

template <typename Table>
std::vector<std::string> captionsOf(const Table& table) {
  std::vector<std::string> captions;
  for (const auto& row : table) captions.emplace_back(text::tr(row.name));
  return captions;
}

}  // namespace

TWizForm::TWizForm(ui::Runtime& runtime, platform::Services& services, TPINForm& viewer,
                   std::function<std::string()> toolPathText)
    : ui::Form(runtime, "WizForm", text::tr(text::Id::WizardTitle)),
      services_(services),
      viewer_(viewer),
      toolPathText_(std::move(toolPathText)) {
  layOut();
  ComboBox2.setItems(namesOf(products()));
  ComboBox1.setItems(products().front().modelCodes);
  ComboBox3.setItems(captionsOf(saleForms()));
  ComboBox4.setItems(captionsOf(countries()));
  // Saving and viewing wait for a generation; the speeds wait for "カスタム設定".
  for (ui::Button* b : {&PINSaveButton, &ShowPIN, &Button8, &Button9}) b->setEnabled(false);
  setCustomSettingsEnabled(false);
  viewer_.attachBuffer(&PINBuffer);
  wireHandlers();
}

TWizForm::~TWizForm() { viewer_.attachBuffer(nullptr); }

void TWizForm::wireHandlers() {
  onShow = [this] { FormShow(); };
  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { Button2Click(); };
  Button3.onClick = [this] { Button3Click(); };
  Button4.onClick = [this] { Button4Click(); };
  Button5.onClick = [this] { Button5Click(); };
  Button6.onClick = [this] { Button6Click(); };
  Button7.onClick = [this] { Button7Click(); };
  Button10.onClick = [this] { Button10Click(); };
  ComboBox1.onChange = [this] { ComboBox1Change(); };
  ComboBox2.onChange = [this] { ComboBox2Change(); };
  PINSaveButton.onClick = [this] { PINSaveButtonClick(); };
  Button8.onClick = [this] { PINSaveButtonClick(); };
  ShowPIN.onClick = [this] { ShowPINClick(); };
  Button9.onClick = [this] { ShowPINClick(); };
}

// ---- Page flow ---------------------------------------------------------------------------------

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

// ---- Extraction --------------------------------------------------------------------------------

void TWizForm::Button4Click() {
  enterState(WizardState::Performance, Panel3, true, true);
  const std::string folder = toolFolderOf(toolPathText_ ? toolPathText_() : std::string());
  // Output left by an interrupted earlier run must not pass for this run's.
  services_.files.remove(freshDumpPathIn(folder));
  // The utility's exit is never awaited: the message below is the user's pause for it.
  services_.launcher.runThroughShell(extractionCommandLine(folder),
                                     extractionWorkingFolder(folder), platform::ShowMode::Hidden);
  services_.dialogs.messageBox(text::tr(text::Id::TitleInformation), text::tr(text::Id::WizardPinsCreated),
                               platform::MessageIcon::Information, platform::MessageButtons::Ok);
  // Emptied first: when the dump cannot be read, no earlier dump stays in the buffer.
  ExtractBuffer.clear();
  takeFreshDump(folder);
  ExtractBuffer = services_.files.readLines(dumpPathIn(folder));
}

void TWizForm::takeFreshDump(const std::string& folder) {
  // The utility writes beside the dump, never over it: a missing utility, or one that writes
  // nothing, leaves a dump of an earlier run as it was and no empty dump behind.
  const std::string fresh = freshDumpPathIn(folder);
  std::vector<std::string> produced;
  try {
    produced = services_.files.readRawLines(fresh);
  } catch (const platform::UserError&) {
    return;  // nothing was written at all
  }
  if (produced.empty()) services_.files.remove(fresh);
  else services_.files.moveOver(fresh, dumpPathIn(folder));
}

// ---- Choices and generation --------------------------------------------------------------------

void TWizForm::ComboBox2Change() {
  const int product = ComboBox2.itemIndex();
  if (product < 0 || product >= static_cast<int>(products().size())) return;
  const Product& p = products()[static_cast<std::size_t>(product)];
  UpDown2.setPosition(p.ramdacDefault);
  UpDown3.setPosition(p.ramdacDefault);
  UpDown4.setPosition(p.ramdacDefault);
  // The model's own speeds load only when the user picks a code.
  ComboBox1.setItems(p.modelCodes);
  ComboBox1.setItemIndex(0);
}

void TWizForm::ComboBox1Change() {
  const auto defaults = modelDefaults(ComboBox2.itemIndex(), ComboBox1.itemIndex());
  if (!defaults) return;
  if (defaults->ramdac24) UpDown5.setPosition(*defaults->ramdac24);
  if (defaults->ramdac32) UpDown6.setPosition(*defaults->ramdac32);
  UpDown7.setPosition(defaults->clock16);
  UpDown8.setPosition(defaults->clock824);
}

PinChoices TWizForm::collectChoices() const {
  PinChoices c;
  c.product = ComboBox2.itemIndex();
  c.modelCode = ComboBox1.text();
  c.saleForm = ComboBox3.itemIndex();
  c.country = ComboBox4.itemIndex();
  c.serial = Edit10.text();
  // The spins' positions, not the edit boxes' texts: a typed value the spin refused is not used.
  c.speeds.ramdacUpper = UpDown2.position();
  c.speeds.ramdac8 = UpDown3.position();
  c.speeds.ramdac16 = UpDown4.position();
  c.speeds.ramdac24 = UpDown5.position();
  c.speeds.ramdac32 = UpDown6.position();
  c.speeds.clock16 = UpDown7.position();
  c.speeds.clock824 = UpDown8.position();
  return c;
}

void TWizForm::generate() {
  // Numbers typed beyond a speed box's range go into the text as the box then shows them.
  for (ui::UpDown* spin : {&UpDown2, &UpDown3, &UpDown4, &UpDown5, &UpDown6, &UpDown7, &UpDown8})
    spin->commitTypedText();
  const platform::Date today = services_.calendar.today();
  PINSaveButton.setEnabled(true);
  ShowPIN.setEnabled(true);
  PINBuffer = buildPinText(collectChoices(), today);
  viewer_.replaceText(PINBuffer);
  Button2.setEnabled(true);
}

void TWizForm::Button7Click() { generate(); }

void TWizForm::Button10Click() {
  generate();
  Button8.setEnabled(true);
  Button9.setEnabled(true);
}

// ---- Saving and viewing ------------------------------------------------------------------------

void TWizForm::PINSaveButtonClick() {
  platform::FileDialogOptions options;
  options.title = text::tr(text::Id::WizardSaveTitle);
  options.fileName = lastSaveName_;
  options.filters = {{text::tr(text::Id::WizardSaveFilter), "*.txt"}};
  options.defaultExtension = "txt";
  options.overwritePrompt = false;
  const auto chosen = services_.dialogs.saveFile(options);
  if (!chosen) return;
  lastSaveName_ = withTxtExtension(*chosen);
  // Written aside and swapped in, so a failure leaves an existing file whole; a read-only file
  // is refused and left as it is.
  services_.files.writeLines(lastSaveName_, PINBuffer);
}

void TWizForm::ShowPINClick() { viewer_.show(); }

}  // namespace pins
