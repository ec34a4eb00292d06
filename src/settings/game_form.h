#pragma once
// "各種ゲーム用設定": registry switches of three games, read when the window is shown and
// written when the user changes a box. A game that is not installed gets no key from showing.
#include "platform/services.h"
#include "stored/game_settings.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace settings {

class TGameForm : public ui::Form {
 public:
  TGameForm(ui::Runtime& runtime, platform::Services& services);

  void FormShow();
  void TruecolorClick();
  void DoFlipClick();
  void DoTrilinearClick();
  void TriBufferUnrealClick();
  void VGAModeClick();
  void TriBufferNFS3Click();
  void Button1Click();

  ui::GroupBox GroupBox1;          // "Unreal用設定"
  ui::CheckBox Truecolor;          // "32Bitカラーで動作させる"
  ui::CheckBox DoFlip;             // "フリップさせるかどうか"
  ui::CheckBox DoTrilinear;        // "TriLinearフィルタを有効にする"
  ui::CheckBox TriBufferUnreal;    // "トリプルバッファを有効にする"
  ui::GroupBox GroupBox3;          // "Need for SpeedⅢ用設定"
  ui::CheckBox TriBufferNFS3;      // "トリプルバッファを有効にする"
  ui::GroupBox GroupBox2;          // "Forsaken用設定", placed beyond the window's right edge
  ui::CheckBox VGAMode;            // "画面の大きさを640x480にする"
  ui::Button Button1;              // "閉じる(&C)"

 private:
  void writeUnreal(stored::UnrealSwitch which, bool on);

  platform::Services& services_;
};

}  // namespace settings
