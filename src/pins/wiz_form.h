#pragma once
// TWizForm, the PIN file wizard: explains PIN files, runs the BIOS utility to dump the board's
// PIN block, and composes new PIN texts that the user can view, edit and save.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pins/pin_form.h"
#include "pins/pin_text.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace pins {

class TWizForm : public ui::Form {
 public:
  // `toolPathText` reads the clock tool box of the overclock page at the moment of extraction.
  TWizForm(ui::Runtime& runtime, platform::Services& services, TPINForm& viewer,
           std::function<std::string()> toolPathText);
  ~TWizForm() override;

  // Which page is in use. There is no state 4; 5 and 7 both show the finish page.
  int pageState() const { return pageState_; }
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
  ui::Label Page1Heading{&Panel1, "Page1Heading", "1：説明"};
  ui::Label WhatIsPinLabel{&Panel1, "WhatIsPinLabel", "PINファイルとは・・・"};
  std::vector<std::unique_ptr<ui::Label>> ExplanationLines;

  // ---- Page 2: extract, create or stop
  ui::Panel Panel2{this, "Panel2"};
  ui::Label Page2Heading{&Panel2, "Page2Heading", "2：抽出 or 作成"};
  ui::Label QuestionLabel{&Panel2, "QuestionLabel",
                          "ここであなたのG200からPINファイルを抽出してみますか。"};
  ui::Label ExtractLabel{&Panel2, "ExtractLabel", "抽出するという方は・・・"};
  ui::Button Button4{&Panel2, "Button4", "よしっ。抽出してみよう。"};
  ui::Label CreateLabel{&Panel2, "CreateLabel", "自分で作成するという方は・・・"};
  ui::Button Button6{&Panel2, "Button6", "自分で作成してみるよ。"};
  ui::Label StopLabel{&Panel2, "StopLabel", "止めとこうという方は・・・"};
  ui::Button Button5{&Panel2, "Button5", "え～やだな。"};

  // ---- Page 3: performance table (its values are placeholders the program leaves alone)
  ui::Panel Panel3{this, "Panel3"};
  ui::Label Page3Heading{&Panel3, "Page3Heading", "3：性能表"};
  ui::Label PerformanceLabel{&Panel3, "PerformanceLabel", "あなたのG200の性能は・・・"};
  ui::CheckBox CheckBox1{&Panel3, "CheckBox1", "カスタマイズしますか？"};
  ui::Label DacSpeedCaption{&Panel3, "DacSpeedCaption", "RAMDACの最高速度："};
  ui::Label DACSPEED{&Panel3, "DACSPEED", "DACSPEED"};
  ui::Label Dac8Caption{&Panel3, "Dac8Caption", "RAMDACの速度（8Bit時)："};
  ui::Label DAC8{&Panel3, "DAC8", "DAC8"};
  ui::Label Dac16Caption{&Panel3, "Dac16Caption", "RAMDACの速度（16Bit時)："};
  ui::Label DAC16{&Panel3, "DAC16", "DAC16"};
  ui::Label Dac24Caption{&Panel3, "Dac24Caption", "RAMDACの速度（24Bit時)："};
  ui::Label DAC24{&Panel3, "DAC24", "DAC24"};
  ui::Label Dac32Caption{&Panel3, "Dac32Caption", "RAMDACの速度（32Bit時)："};
  ui::Label DAC32{&Panel3, "DAC32", "DAC32"};
  ui::Label ModelCaption{&Panel3, "ModelCaption", "モデル："};
  ui::Label model{&Panel3, "model", "model"};
  ui::Label OemCaption{&Panel3, "OemCaption", "販売形態："};
  ui::Label OEM{&Panel3, "OEM", "OEM"};
  ui::Label SerialCaption{&Panel3, "SerialCaption", "シリアル番号："};
  ui::Label Serial{&Panel3, "Serial", "Serial"};
  ui::Label Clock824Caption{&Panel3, "Clock824Caption",
                            "8Bit,24Bitの全解像度、32Bit 1152x864以上の解像度の動作クロック："};
  ui::Label Clock824{&Panel3, "Clock824", "Clock824"};
  ui::Label Clock16Caption{&Panel3, "Clock16Caption",
                           "16Bitの全解像度、32Bit 1024x768までの解像度の動作クロック："};
  ui::Label Clock16{&Panel3, "Clock16", "Clock16"};

  // ---- Page 4: customize (the seven speed settings; the create page reads them too)
  ui::Panel Panel4{this, "Panel4"};
  ui::Label Page4Heading{&Panel4, "Page4Heading", "4：カスタマイズ"};
  ui::GroupBox CustomGroup{&Panel4, "CustomGroup", "PINファイルのカスタム生成"};
  ui::Label RamdacUpperLabel{&CustomGroup, "RamdacUpperLabel", "RAMDAC速度(上限)："};
  ui::Edit Edit1{&CustomGroup, "Edit1"};
  ui::UpDown UpDown2{&CustomGroup, "UpDown2", Edit1, kRamdacMin, kRamdacMax, 250};
  ui::Label Ramdac8Label{&CustomGroup, "Ramdac8Label", "RAMDACの速度(8Bit時)："};
  ui::Edit Edit2{&CustomGroup, "Edit2"};
  ui::UpDown UpDown3{&CustomGroup, "UpDown3", Edit2, kRamdacMin, kRamdacMax, 250};
  ui::Label Ramdac16Label{&CustomGroup, "Ramdac16Label", "RAMDACの速度(16Bit時)："};
  ui::Edit Edit11{&CustomGroup, "Edit11"};
  ui::UpDown UpDown4{&CustomGroup, "UpDown4", Edit11, kRamdacMin, kRamdacMax, 250};
  ui::Label Ramdac24Label{&CustomGroup, "Ramdac24Label", "RAMDACの速度(24Bit時)："};
  ui::Edit Edit12{&CustomGroup, "Edit12"};
  ui::UpDown UpDown5{&CustomGroup, "UpDown5", Edit12, kRamdacMin, kRamdacMax, 203};
  ui::Label Ramdac32Label{&CustomGroup, "Ramdac32Label", "RAMDACの速度(32Bit時)："};
  ui::Edit Edit13{&CustomGroup, "Edit13"};
  ui::UpDown UpDown6{&CustomGroup, "UpDown6", Edit13, kRamdacMin, kRamdacMax, 152};
  ui::Label Clock16Label{&CustomGroup, "Clock16Label", "16Bit時の全解像度/32Bit時 1024x768まで："};
  ui::Edit Edit14{&CustomGroup, "Edit14"};
  ui::UpDown UpDown7{&CustomGroup, "UpDown7", Edit14, kClock16Min, kClock16Max, 89};
  ui::Label Clock824Label{&CustomGroup, "Clock824Label",
                          "8Bit,24Bitの全解像度/32Bit時 1024x768以上："};
  ui::Edit Edit15{&CustomGroup, "Edit15"};
  ui::UpDown UpDown8{&CustomGroup, "UpDown8", Edit15, kClock824Min, kClock824Max, 66};
  std::vector<std::unique_ptr<ui::Label>> MHzLabels;
  ui::Button Button10{&Panel4, "Button10", "カスタマイズ"};
  ui::Button Button8{&Panel4, "Button8", "PINファイルを保存"};
  ui::Button Button9{&Panel4, "Button9", "PINファイルを表示"};

  // ---- Page 5: finished
  ui::Panel Panel5{this, "Panel5"};
  ui::Label Page5Heading{&Panel5, "Page5Heading", "5：終了"};
  ui::Label FinishedLabel{&Panel5, "FinishedLabel",
                          "おつかれさまでした。PINファイルらくらくウィザード完了しました。"};

  // ---- Page 6: create
  ui::Panel Panel6{this, "Panel6"};
  ui::Label Page6Heading{&Panel6, "Page6Heading", "3：作成"};
  ui::GroupBox CreateGroup{&Panel6, "CreateGroup", "PINファイル自己生成"};
  ui::Label ProductLabel{&CreateGroup, "ProductLabel", "プロダクト："};
  ui::ComboBox ComboBox2{&CreateGroup, "ComboBox2"};
  ui::Label ModelLabel{&CreateGroup, "ModelLabel", "モデル名："};
  ui::ComboBox ComboBox1{&CreateGroup, "ComboBox1"};
  ui::Label SaleFormLabel{&CreateGroup, "SaleFormLabel", "販売形態："};
  ui::ComboBox ComboBox3{&CreateGroup, "ComboBox3"};
  ui::Label SerialLabel{&CreateGroup, "SerialLabel", "シリアル番号："};
  ui::Edit Edit10{&CreateGroup, "Edit10", "XXX00000"};
  ui::Label CountryLabel{&CreateGroup, "CountryLabel", "生産国："};
  ui::ComboBox ComboBox4{&CreateGroup, "ComboBox4"};
  ui::CheckBox CheckBox2{&CreateGroup, "CheckBox2", "カスタム設定"};
  ui::Button Button7{&Panel6, "Button7", "PINファイル生成"};
  ui::Button PINSaveButton{&Panel6, "PINSaveButton", "PINファイルを保存"};
  ui::Button ShowPIN{&Panel6, "ShowPIN", "PINファイルを表示"};

  // ---- Navigation, below the pages
  ui::Button Button1{this, "Button1", "<< 前へ"};
  ui::Button Button2{this, "Button2", "次へ >>"};
  ui::Button Button3{this, "Button3", "キャンセル"};

 private:
  void layOut();
  void wireHandlers();
  // Hides every page but `page`, which goes to the top-left corner.
  void showPage(ui::Panel& page);
  void enterState(int state, ui::Panel& page, bool back, bool next);
  void setCustomSettingsEnabled(bool enabled);
  PinChoices collectChoices() const;
  void generate();

  platform::Services services_;
  TPINForm& viewer_;
  std::function<std::string()> toolPathText_;
  int pageState_ = 1;
  PinText PINBuffer;
  PinText ExtractBuffer;
  std::string lastSaveName_;  // offered again by the next save dialog
};

}  // namespace pins
