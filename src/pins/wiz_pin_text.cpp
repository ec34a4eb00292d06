// The PIN wizard's text: the choices and speeds that make it, its generation, saving and view.
#include "pins/wiz_form.h"

#include "pins/pin_paths.h"
#include "text/catalogue.h"

namespace pins {

void TWizForm::ComboBox2Change() {
  const int product = ComboBox2.itemIndex();
  if (product < 0) return;  // nothing picked; the list holds the products, one for one
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
