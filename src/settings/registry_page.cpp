#include "settings/registry_page.h"

#include "platform/errors.h"
#include "platform/text.h"
#include "stored/powerdesk.h"
#include "stored/run_lists.h"
#include "text/catalogue.h"

namespace settings {
namespace {

using stored::Access;

constexpr int kRow = 18;      // one check box line
constexpr int kGroupTop = 18;  // room for the group's caption

}  // namespace

RegistryPage::RegistryPage(ui::TabSheet& TabSheet2, platform::Services& services)
    : General(&TabSheet2, "General", text::tr(text::Id::RegistryGeneral)),
      Gdi(&TabSheet2, "Gdi", text::tr(text::Id::RegistryGdi)),
      System(&TabSheet2, "System", text::tr(text::Id::RegistrySystem)),
      D3DGen(&TabSheet2, "D3DGen", text::tr(text::Id::RegistryD3D)),
      D3DFilter(&TabSheet2, "D3DFilter", text::tr(text::Id::RegistryD3DFilter)),
      tasktrey(&General, "tasktrey", text::tr(text::Id::RegistryQuickDesk)),
      AGPSpeed(&System, "AGPSpeed", text::tr(text::Id::RegistryAgpSpeed)),
      StatusBar1(&TabSheet2, "StatusBar1"),
      Label26(&TabSheet2, "Label26", "Label26"),
      backups(services),
      services_(services) {
  int rows[5] = {0, 0, 0, 0, 0};
  for (const auto& option : kDriverOptions) {
    ui::GroupBox& group = groupOf(option.group);
    auto box = std::make_unique<ui::CheckBox>(&group, option.control, text::tr(option.caption));
    int& row = rows[static_cast<int>(option.group)];
    box->setBounds(10, kGroupTop + row * kRow, 282, 17);
    ++row;
    box->setHint(text::tr(option.hint), false);
    const stored::DriverValue value = option.value;
    ui::CheckBox* self = box.get();
    // AnalogJoyClick, DDCClick, vsyncClick, ...: each box writes its own value.
    box->onClick = [this, value, self] { SetDriverOption(value, self->checked()); };
    boxes_.push_back(std::move(box));
  }
  // The QuickDesk box and the AGP choice come last in their groups, for the keyboard too.
  tasktrey.moveToEndOfTabOrder();
  AGPSpeed.moveToEndOfTabOrder();
  tasktrey.setBounds(10, kGroupTop + rows[0] * kRow, 282, 17);
  tasktrey.setHint(text::tr(text::Id::RegistryQuickDeskHint), false);
  tasktrey.onClick = [this] { tasktreyClick(); };

  AGPSpeed.setItems({"AGP 1x", "AGP 2x", text::tr(text::Id::RegistryAgpAuto)});
  AGPSpeed.setColumns(3);
  AGPSpeed.setBounds(10, kGroupTop + rows[2] * kRow + 4, 282, 40);
  AGPSpeed.setHint(text::tr(text::Id::RegistryAgpSpeedHint), false);
  AGPSpeed.onClick = [this] { AGPSpeedClick(); };

  // Left: 一般設定 over 2D(GDI)の設定. Right: システム設定, Direct3D関連の諸設定, Direct3Dフィルタの設定.
  auto height = [](int count) { return kGroupTop + count * kRow + 6; };
  General.setBounds(6, 4, 302, height(rows[0] + 1));
  Gdi.setBounds(6, 4 + General.bounds().height + 4, 302, height(rows[1]));
  System.setBounds(314, 4, 302, height(rows[2]) + 46);
  D3DGen.setBounds(314, 4 + System.bounds().height + 4, 302, height(rows[3]));
  D3DFilter.setBounds(314, D3DGen.bounds().top + D3DGen.bounds().height + 4, 302,
                      height(rows[4]));

  StatusBar1.setBounds(0, 428, 624, 20);
  StatusBar1.addPanel(300, text::tr(text::Id::RegistryRestartNote));
  Label26.setVisible(false);
}

ui::GroupBox& RegistryPage::groupOf(OptionGroup group) {
  switch (group) {
    case OptionGroup::General: return General;
    case OptionGroup::Gdi: return Gdi;
    case OptionGroup::System: return System;
    case OptionGroup::D3DGen: return D3DGen;
    case OptionGroup::D3DFilter: return D3DFilter;
  }
  return General;
}

ui::CheckBox& RegistryPage::box(const std::string& control) {
  for (auto& b : boxes_)
    if (b->name() == control) return *b;
  throw platform::ProgramFault("no driver option box " + control);
}

ui::CheckBox& RegistryPage::boxFor(stored::DriverValue value) {
  const DriverOption* option = findByValue(value);
  if (!option) throw platform::ProgramFault(std::string("no box for ") + stored::valueName(value));
  return box(option->control);
}

void RegistryPage::LoadOptions(stored::DriverSettings& driver) {
  for (auto value : kLoadOrderBeforeAgp) boxFor(value).setChecked(driver.isOn(value));
  AGPSpeed.setItemIndex(agpItemFor(driver.text(stored::DriverValue::AgpFlags)));
  for (auto value : kLoadOrderAfterAgp) boxFor(value).setChecked(driver.isOn(value));
}

void RegistryPage::showNotRead() {
  for (auto& box : boxes_) box->setEnabled(false);
  AGPSpeed.setEnabled(false);
  tasktrey.setEnabled(false);
}

void RegistryPage::ShowStoredState() {
  {
    stored::DriverSettings driver(services_.registry, Access::ExistingReadOnly);
    LoadOptions(driver);
  }
  tasktrey.setChecked(stored::QuickDeskStartup(services_.registry, Access::ExistingReadOnly).registered());
}

void RegistryPage::backUpBeforeBoxWrite(const ui::Handler& showStored) {
  try {
    backups.saveBeforeFirstBoxWrite();
  } catch (const std::exception&) {
    showStored();
    throw;
  }
}

void RegistryPage::SetDriverOption(stored::DriverValue value, bool on) {
  backUpBeforeBoxWrite([&] { boxFor(value).setChecked(!on); });
  stored::DriverSettings(services_.registry).write(value, on);
}

void RegistryPage::AGPSpeedClick() {
  backUpBeforeBoxWrite([this] {
    stored::DriverSettings driver(services_.registry, Access::ExistingReadOnly);
    AGPSpeed.setItemIndex(agpItemFor(driver.text(stored::DriverValue::AgpFlags)));
  });
  stored::DriverSettings(services_.registry)
      .writeText(stored::DriverValue::AgpFlags, agpStoredText(AGPSpeed.itemIndex()));
}

void RegistryPage::tasktreyClick() {
  backUpBeforeBoxWrite([this] { tasktrey.setChecked(!tasktrey.checked()); });
  const std::string folder = stored::PowerDesk(services_.registry).folder();
  Label26.setCaption(folder);
  stored::QuickDeskStartup quickDesk(services_.registry);
  if (!tasktrey.checked()) {
    try {
      quickDesk.unregister();
    } catch (const platform::RegistryError&) {
      // The entry is still there, and QuickDesk still starts with Windows: the box says so.
      tasktrey.setChecked(
          stored::QuickDeskStartup(services_.registry, Access::ExistingReadOnly).registered());
      throw;
    }
    return;
  }
  if (folder.empty()) {
    // Without PowerDesk's folder there is nothing QuickDesk could be started from.
    tasktrey.setChecked(false);
    throw platform::UserError(text::tr(text::Id::ErrorNoPowerDeskFolder));
  }
  const bool endsWithSeparator = folder.back() == '\\' || folder.back() == '/';
  const std::string program = folder + (endsWithSeparator ? "" : "\\") + "QDesk\\mgaqdesk.exe";
  quickDesk.registerProgram(platform::quoteIfBlank(program));
}

}  // namespace settings
