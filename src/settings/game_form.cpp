#include "settings/game_form.h"

#include "stored/game_settings.h"
#include "text/catalogue.h"

namespace settings {
namespace {

using stored::Access;
using stored::UnrealSwitch;

// A stored switch: 0 clears the box, 1 ticks it, any other number leaves it as it is. Missing:
// the box is disabled.
void showSwitch(std::optional<std::int32_t> stored, ui::CheckBox& box) {
  if (!stored) box.setEnabled(false);
  else if (*stored == 0) box.setChecked(false);
  else if (*stored == 1) box.setChecked(true);
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
  // Only keys that are there are read: showing the window makes no key.
  showSwitch(stored::NeedForSpeed3Settings(services_.registry, Access::ExistingReadOnly)
                 .tripleBuffer(),
             TriBufferNFS3);

  stored::UnrealSettings unreal(services_.registry, Access::ExistingReadOnly);
  showSwitch(unreal.read(UnrealSwitch::Truecolor), Truecolor);
  showSwitch(unreal.read(UnrealSwitch::DoFlip), DoFlip);
  if (const auto triple = unreal.read(UnrealSwitch::TripleBuffering)) {
    // Triple buffering needs flipping: the flip box shows what triple buffering says.
    if (*triple == 0 || *triple == 1) {
      TriBufferUnreal.setChecked(*triple == 1);
      DoFlip.setChecked(*triple == 1);
    }
  } else {
    TriBufferUnreal.setEnabled(false);
    DoFlip.setEnabled(false);
  }
  showSwitch(unreal.read(UnrealSwitch::DoTrilinear), DoTrilinear);

  const auto vga = stored::ForsakenSettings(services_.registry, Access::ExistingReadOnly).isVgaMode();
  if (vga) VGAMode.setChecked(*vga);
  else VGAMode.setEnabled(true);
}

void TGameForm::writeUnreal(stored::UnrealSwitch which, bool on) {
  stored::UnrealSettings(services_.registry, Access::CreateIfMissing).write(which, on ? 1 : 0);
}

void TGameForm::TruecolorClick() { writeUnreal(UnrealSwitch::Truecolor, Truecolor.checked()); }

void TGameForm::DoTrilinearClick() {
  writeUnreal(UnrealSwitch::DoTrilinear, DoTrilinear.checked());
}

void TGameForm::TriBufferNFS3Click() {
  stored::NeedForSpeed3Settings(services_.registry, Access::CreateIfMissing)
      .storeTripleBuffer(TriBufferNFS3.checked() ? 1 : 0);
}

void TGameForm::DoFlipClick() {
  if (DoFlip.checked()) {
    writeUnreal(UnrealSwitch::DoFlip, true);
    return;
  }
  writeUnreal(UnrealSwitch::DoFlip, false);
  if (TriBufferUnreal.checked()) {  // no triple buffering without flipping
    TriBufferUnreal.setChecked(false);
    writeUnreal(UnrealSwitch::TripleBuffering, false);
  }
}

void TGameForm::TriBufferUnrealClick() {
  const bool on = TriBufferUnreal.checked();
  writeUnreal(UnrealSwitch::TripleBuffering, on);
  writeUnreal(UnrealSwitch::DoFlip, on);
  DoFlip.setChecked(on);
}

void TGameForm::VGAModeClick() {
  // Only 640 by 480 is defined; clearing the box stores nothing.
  if (!VGAMode.checked()) return;
  stored::ForsakenSettings(services_.registry, Access::CreateIfMissing).storeVgaMode();
}

void TGameForm::Button1Click() { close(); }

}  // namespace settings
