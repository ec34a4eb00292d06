#pragma once
// TForm2, "オーバークロックのオプション": the default and maximum clocks of both profiles.
#include <functional>

#include "overclock/clock_profile.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace overclock {

class TForm2 : public ui::Form {
 public:
  // `applyToPage` hands the four values to the clock page, which takes those of the active
  // profile.
  TForm2(ui::Runtime& runtime, platform::Services& services,
         std::function<void(const ClockLimits&)> applyToPage);

  // Column headings: the 89 profile's display modes, then the 66 profile's.
  ui::Label Heading89Line1{this, "Heading89Line1", "16Bit時の全解像度 /"};
  ui::Label Heading89Line2{this, "Heading89Line2", "32Bit 1024x768までの解像度"};
  ui::Label Heading66Line1{this, "Heading66Line1", "8Bit,24Bit時の全解像度 / "};
  ui::Label Heading66Line2{this, "Heading66Line2", "32Bit 1152x864以上の解像度"};

  // Row "デフォルトクロック の変更：": 89 profile (UpDown1), 66 profile (UpDown4).
  ui::Label DefaultRowLine1{this, "DefaultRowLine1", "デフォルトクロック"};
  ui::Label DefaultRowLine2{this, "DefaultRowLine2", "の変更："};
  ui::Edit Edit1{this, "Edit1"};
  ui::UpDown UpDown1{this, "UpDown1", Edit1, 70, 230, 89};
  ui::Label Edit1Unit{this, "Edit1Unit", "MHz"};
  ui::Edit Edit4{this, "Edit4"};
  ui::UpDown UpDown4{this, "UpDown4", Edit4, 66, 200, 66};
  ui::Label Edit4Unit{this, "Edit4Unit", "MHz"};

  // Row "オーバークロック の上限を変更：": 89 profile (UpDown2), 66 profile (UpDown3).
  ui::Label MaximumRowLine1{this, "MaximumRowLine1", "オーバークロック"};
  ui::Label MaximumRowLine2{this, "MaximumRowLine2", "の上限を変更："};
  ui::Edit Edit2{this, "Edit2"};
  ui::UpDown UpDown2{this, "UpDown2", Edit2, 135, 230, 135};
  ui::Label Edit2Unit{this, "Edit2Unit", "MHz"};
  ui::Edit Edit3{this, "Edit3"};
  ui::UpDown UpDown3{this, "UpDown3", Edit3, 66, 200, 110};
  ui::Label Edit3Unit{this, "Edit3Unit", "MHz"};

  // The spins' own upper limits.
  ui::Label LimitRow{this, "LimitRow", "設定限界："};
  ui::Label Limit89{this, "Limit89", "230MHz"};
  ui::Label Limit66{this, "Limit66", "200MHz"};

  // Bold red.
  ui::Label WarningLine1{this, "WarningLine1", "注：チップの限界以上に上限を変更した場合BIOSが"};
  ui::Label WarningLine2{this, "WarningLine2", "飛ぶ可能性があります。"};

  ui::Button Button1{this, "Button1", "閉じる(&C)"};  // apply, store, close

  void FormShow();
  void Button1Click();

  ClockLimits limits() const;

 private:
  void layOut();

  platform::Services& services_;
  std::function<void(const ClockLimits&)> applyToPage_;
};

}  // namespace overclock
