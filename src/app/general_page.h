#pragma once
// The "一般" tab: the title, the boards Corvane is for, what the start-up found, the preset
// buttons with the way back from them, and the buttons that leave, show the version and remove
// the driver settings.
#include <vector>

#include "ui/controls.h"

class GeneralPage {
 public:
  explicit GeneralPage(ui::TabSheet& TabSheet1);

  ui::Label Title;          // "Matrox Corvane Ver1.43"
  ui::Label BoardsHeading;  // "対応カード一覧："
  std::vector<ui::Label*> boards() { return {&Board1, &Board2, &Board3, &Board4, &Board5, &Board6}; }
  ui::Label Board1, Board2, Board3, Board4, Board5, Board6;
  ui::Label Trademark;  // "｢MGA-G200｣はMatrox Graphics社の商標です。"

  ui::GroupBox Detected;  // "検出結果"
  ui::Label Label1;   // "ボード："
  ui::Label Label12;  // the display adapter's description (bold)
  ui::Label Label30;  // "PowerDeskのバージョン："
  ui::Label Label31;  // PowerDesk's uninstall display name
  ui::Label Label27;  // "使用CRT："
  ui::Label Label29;  // the monitor
  ui::Label Label37;  // "プラットフォーム："
  ui::Label Label38;  // the platform (socket) text (bold), as the processor identification found it
  ui::Label Label22;  // hidden: the Windows family

  ui::GroupBox GroupBox2;  // "レジストリのお手軽設定"
  ui::Button Button9;      // "緊急時専用モード"
  ui::Button Button11;     // "初期設定"
  ui::Button Button10;     // "ゲームモード"
  ui::Button Button12;     // "ベンチマークモード"
  ui::Button UndoButton;   // "元に戻す(&U)": back to the newest backup

  ui::Button uninstall;  // "アンインストールする"
  ui::Button Button25;   // "バージョン情報"
  ui::Button Button1;    // "終了(&E)"
};
