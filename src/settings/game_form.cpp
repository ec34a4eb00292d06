#include "settings/game_form.h"

#include "platform/registry_locations.h"
#include "platform/settings_store.h"
#include "text/catalogue.h"

namespace settings {
namespace {

using platform::KeyAccess;
using platform::RegistryLocation;
namespace keys = platform::keys;

// A stored switch: 0 clears the box, 1 ticks it, any other number leaves it as it is.
void showSwitch(platform::SettingsStore& reg, const char* name, ui::CheckBox& box) {
  const std::int32_t value = reg.ReadInteger(name);
  if (value == 0) box.setChecked(false);
  if (value == 1) box.setChecked(true);
}

void writeInteger(platform::Services& services, const RegistryLocation& key, const char* name,
                  int value) {
  platform::SettingsStore reg(services.registry);
  platform::openLocation(reg, key, KeyAccess::CreateIfMissing);
  reg.WriteInteger(name, value);
}

}  // namespace

TGameForm::TGameForm(ui::Runtime& runtime, platform::Services& services)
    : ui::Form(runtime, "GameForm", text::tr(text::Id::GameTitle)),
      GroupBox1(this, "GroupBox1", text::tr(text::Id::GameUnreal)),
      Truecolor(&GroupBox1, "Truecolor", text::tr(text::Id::GameTrueColor)),
      DoFlip(&GroupBox1, "DoFlip", text::tr(text::Id::GameFlip)),
      DoTrilinear(&GroupBox1, "DoTrilinear", text::tr(text::Id::GameTrilinear)),
      TriBufferUnreal(&GroupBox1, "TriBufferUnreal", text::tr(text::Id::GameTripleBuffer)),
      GroupBox3(this, "GroupBox3", text::tr(text::Id::GameNfs3)),
      TriBufferNFS3(&GroupBox3, "TriBufferNFS3", text::tr(text::Id::GameTripleBuffer)),
      GroupBox2(this, "GroupBox2", text::tr(text::Id::GameForsaken)),
      VGAMode(&GroupBox2, "VGAMode", text::tr(text::Id::GameVgaMode)),
      Button1(this, "Button1", text::tr(text::Id::CloseButton)),
      services_(services) {
  setClientSize(194, 159);
  setBorder(ui::FormBorder::ToolWindow);
  setPosition(ui::FormPosition::ScreenCenter);

  GroupBox1.setBounds(4, 2, 186, 88);
  int y = 17;
  for (ui::CheckBox* box : {&Truecolor, &DoFlip, &DoTrilinear, &TriBufferUnreal}) {
    box->setBounds(8, y, 174, 17);
    y += 17;
  }
  GroupBox3.setBounds(4, 92, 186, 36);
  TriBufferNFS3.setBounds(8, 15, 174, 17);
  // Forsaken's group lies outside the 194-pixel client area: nobody can see or reach it, so it
  // stays out of the keyboard's way too.
  GroupBox2.setBounds(220, 2, 186, 36);
  VGAMode.setBounds(8, 15, 174, 17);
  VGAMode.setEnabled(false);
  VGAMode.setTabStop(false);
  Button1.setBounds(60, 131, 75, 25);
  setCancelButton(&Button1);

  onShow = [this] { FormShow(); };
  Truecolor.onClick = [this] { TruecolorClick(); };
  DoFlip.onClick = [this] { DoFlipClick(); };
  DoTrilinear.onClick = [this] { DoTrilinearClick(); };
  TriBufferUnreal.onClick = [this] { TriBufferUnrealClick(); };
  VGAMode.onClick = [this] { VGAModeClick(); };
  TriBufferNFS3.onClick = [this] { TriBufferNFS3Click(); };
  Button1.onClick = [this] { Button1Click(); };
}

void TGameForm::FormShow() {
  platform::SettingsStore reg(services_.registry);

  // A game whose key is missing has none of its values (never read another game's key instead).
  bool open = platform::openLocation(reg, keys::kNeedForSpeed3, KeyAccess::ExistingReadOnly);
  if (open && reg.ValueExists("Triple Buffer")) showSwitch(reg, "Triple Buffer", TriBufferNFS3);
  else TriBufferNFS3.setEnabled(false);

  open = platform::openLocation(reg, keys::kUnreal, KeyAccess::ExistingReadOnly);
  auto exists = [&](const char* name) { return open && reg.ValueExists(name); };
  if (exists("Truecolor")) showSwitch(reg, "Truecolor", Truecolor);
  else Truecolor.setEnabled(false);
  if (exists("DoFlip")) showSwitch(reg, "DoFlip", DoFlip);
  else DoFlip.setEnabled(false);
  if (exists("TripleBuffering")) {
    // Triple buffering needs flipping: the flip box shows what triple buffering says.
    const std::int32_t value = reg.ReadInteger("TripleBuffering");
    if (value == 0 || value == 1) {
      TriBufferUnreal.setChecked(value == 1);
      DoFlip.setChecked(value == 1);
    }
  } else {
    TriBufferUnreal.setEnabled(false);
    DoFlip.setEnabled(false);
  }
  if (exists("DoTrilinear")) showSwitch(reg, "DoTrilinear", DoTrilinear);
  else DoTrilinear.setEnabled(false);

  open = platform::openLocation(reg, keys::kForsaken, KeyAccess::ExistingReadOnly);
  if (open && reg.ValueExists("ScreenWidth")) {
    const auto width = reg.ReadBinaryData("ScreenWidth", 2);
    VGAMode.setChecked(width.size() == 2 && width[1] == 0x80);  // the low byte of 640
  } else {
    VGAMode.setEnabled(true);
  }
}

void TGameForm::writeUnreal(const char* name, int value) {
  writeInteger(services_, keys::kUnreal, name, value);
}

void TGameForm::TruecolorClick() { writeUnreal("Truecolor", Truecolor.checked() ? 1 : 0); }

void TGameForm::DoTrilinearClick() { writeUnreal("DoTrilinear", DoTrilinear.checked() ? 1 : 0); }

void TGameForm::TriBufferNFS3Click() {
  writeInteger(services_, keys::kNeedForSpeed3, "Triple Buffer", TriBufferNFS3.checked() ? 1 : 0);
}

void TGameForm::DoFlipClick() {
  if (DoFlip.checked()) {
    writeUnreal("DoFlip", 1);
    return;
  }
  writeUnreal("DoFlip", 0);
  if (TriBufferUnreal.checked()) {  // no triple buffering without flipping
    TriBufferUnreal.setChecked(false);
    writeUnreal("TripleBuffering", 0);
  }
}

void TGameForm::TriBufferUnrealClick() {
  const int on = TriBufferUnreal.checked() ? 1 : 0;
  writeUnreal("TripleBuffering", on);
  writeUnreal("DoFlip", on);
  DoFlip.setChecked(on == 1);
}

void TGameForm::VGAModeClick() {
  // Only 640 by 480 is defined; clearing the box stores nothing.
  if (!VGAMode.checked()) return;
  platform::SettingsStore reg(services_.registry);
  platform::openLocation(reg, keys::kForsaken, KeyAccess::CreateIfMissing);
  reg.WriteBinaryData("ScreenWidth", {0x02, 0x80});
  reg.WriteBinaryData("ScreenHeight", {0x01, 0xE0});
}

void TGameForm::Button1Click() { close(); }

}  // namespace settings
