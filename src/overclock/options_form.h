#pragma once
// TForm2, "オーバークロックのオプション": the default and maximum clocks of both profiles.
#include "overclock/clock_profile.h"
#include "overclock/clock_service.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "text/catalogue.h"

namespace overclock {

class TForm2 : public ui::Form {
 public:
  // The values go to the clock service, which takes those of the active profile as its limits;
  // the clock page shows them once the window has closed.
  TForm2(ui::Runtime& runtime, ClockService& clock);

  // Column headings: the 89 profile's display modes, then the 66 profile's.
  ui::Label Heading89Line1{this, "Heading89Line1", text::tr(text::Id::OptionsHeading89Line1)};
  ui::Label Heading89Line2{this, "Heading89Line2", text::tr(text::Id::OptionsHeading89Line2)};
  ui::Label Heading66Line1{this, "Heading66Line1", text::tr(text::Id::OptionsHeading66Line1)};
  ui::Label Heading66Line2{this, "Heading66Line2", text::tr(text::Id::OptionsHeading66Line2)};

  // Row "デフォルトクロック の変更：": 89 profile (UpDown1), 66 profile (UpDown4).
  ui::Label DefaultRowLine1{this, "DefaultRowLine1", text::tr(text::Id::OptionsDefaultLine1)};
  ui::Label DefaultRowLine2{this, "DefaultRowLine2", text::tr(text::Id::OptionsDefaultLine2)};
  ui::Edit Edit1{this, "Edit1"};
  ui::UpDown UpDown1{this, "UpDown1", Edit1, profileInfo(ClockProfile::Mhz89).defaultRange.low,
                     profileInfo(ClockProfile::Mhz89).defaultRange.high, 89};
  ui::Label Edit1Unit{this, "Edit1Unit", "MHz"};
  ui::Edit Edit4{this, "Edit4"};
  ui::UpDown UpDown4{this, "UpDown4", Edit4, profileInfo(ClockProfile::Mhz66).defaultRange.low,
                     profileInfo(ClockProfile::Mhz66).defaultRange.high, 66};
  ui::Label Edit4Unit{this, "Edit4Unit", "MHz"};

  // Row "オーバークロック の上限を変更：": 89 profile (UpDown2), 66 profile (UpDown3).
  ui::Label MaximumRowLine1{this, "MaximumRowLine1", text::tr(text::Id::OptionsMaximumLine1)};
  ui::Label MaximumRowLine2{this, "MaximumRowLine2", text::tr(text::Id::OptionsMaximumLine2)};
  ui::Edit Edit2{this, "Edit2"};
  ui::UpDown UpDown2{this, "UpDown2", Edit2, profileInfo(ClockProfile::Mhz89).maximumRange.low,
                     profileInfo(ClockProfile::Mhz89).maximumRange.high, 135};
  ui::Label Edit2Unit{this, "Edit2Unit", "MHz"};
  ui::Edit Edit3{this, "Edit3"};
  ui::UpDown UpDown3{this, "UpDown3", Edit3, profileInfo(ClockProfile::Mhz66).maximumRange.low,
                     profileInfo(ClockProfile::Mhz66).maximumRange.high, 110};
  ui::Label Edit3Unit{this, "Edit3Unit", "MHz"};

  // The spins' own upper limits.
  ui::Label LimitRow{this, "LimitRow", text::tr(text::Id::OptionsLimit)};
  ui::Label Limit89{this, "Limit89", "230MHz"};
  ui::Label Limit66{this, "Limit66", "200MHz"};

  // Bold red.
  ui::Label WarningLine1{this, "WarningLine1", text::tr(text::Id::OptionsWarningLine1)};
  ui::Label WarningLine2{this, "WarningLine2", text::tr(text::Id::OptionsWarningLine2)};

  ui::Button Button1{this, "Button1", text::tr(text::Id::CloseButton)};  // apply, store, close

  void FormShow();
  void Button1Click();

  ClockLimits limits() const;

 private:
  void layOut();

  ClockService& clock_;
};

}  // namespace overclock
