// The PIN wizard made: its lists filled, what waits for a choice greyed, its handlers wired.
#include "pins/wiz_form.h"

#include "text/catalogue.h"

namespace pins {

namespace {

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

}  // namespace pins
