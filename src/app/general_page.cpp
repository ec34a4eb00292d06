#include "app/general_page.h"
#include "text/catalogue.h"

GeneralPage::GeneralPage(ui::TabSheet& TabSheet1)
    : Title(&TabSheet1, "Title", "Matrox Corvane Ver1.43"),
      BoardsHeading(&TabSheet1, "BoardsHeading", text::tr(text::Id::GeneralBoardsHeading)),
      Board1(&TabSheet1, "Board1", "Matrox Millennium G200"),
      Board2(&TabSheet1, "Board2", "Matrox Millennium G200 SE"),
      Board3(&TabSheet1, "Board3", "Matrox Millennium G200 LE"),
      Board4(&TabSheet1, "Board4", "Matrox Mystique G200"),
      Board5(&TabSheet1, "Board5", "Matrox Marvel G200-TV"),
      Board6(&TabSheet1, "Board6", "Matrox MGA-G200 AGP"),
      Trademark(&TabSheet1, "Trademark", text::tr(text::Id::GeneralTrademark)),
      Detected(&TabSheet1, "Detected", text::tr(text::Id::GeneralDetected)),
      Label1(&Detected, "Label1", text::tr(text::Id::GeneralBoard)),
      Label12(&Detected, "Label12", "Matrox Millennium G200 SE AGP"),
      Label30(&Detected, "Label30", text::tr(text::Id::GeneralPowerDeskVersion)),
      Label31(&Detected, "Label31", "Powerdesk Ver4.50"),
      Label27(&Detected, "Label27", text::tr(text::Id::GeneralMonitor)),
      Label29(&Detected, "Label29", text::tr(text::Id::GeneralMonitorPlaceholder)),
      Label37(&Detected, "Label37", text::tr(text::Id::PlatformCaption)),
      Label38(&Detected, "Label38", "Unknown"),
      Label22(&TabSheet1, "Label22", "Label22"),
      GroupBox2(&TabSheet1, "GroupBox2", text::tr(text::Id::GeneralPresets)),
      Button9(&GroupBox2, "Button9", text::tr(text::Id::GeneralEmergency)),
      Button11(&GroupBox2, "Button11", text::tr(text::Id::GeneralDriverDefaults)),
      Button10(&GroupBox2, "Button10", text::tr(text::Id::GeneralGame)),
      Button12(&GroupBox2, "Button12", text::tr(text::Id::GeneralBenchmark)),
      UndoButton(&GroupBox2, "UndoButton", text::tr(text::Id::GeneralUndo)),
      uninstall(&TabSheet1, "uninstall", text::tr(text::Id::GeneralUninstall)),
      Button25(&TabSheet1, "Button25", text::tr(text::Id::GeneralAbout)),
      Button1(&TabSheet1, "Button1", text::tr(text::Id::ExitButton)) {
  Title.setBounds(16, 12, 400, 24);
  Title.setBold(true);
  Title.setFontHeight(20);

  BoardsHeading.setBounds(16, 48, 200, 14);
  int y = 68;
  for (ui::Label* board : boards()) {
    board->setBounds(36, y, 280, 14);
    y += 17;
  }
  Trademark.setBounds(16, y + 6, 400, 14);

  Detected.setBounds(10, 244, 600, 116);
  const int labelWidth = 160;
  ui::Label* rows[][2] = {{&Label1, &Label12}, {&Label30, &Label31}, {&Label27, &Label29},
                          {&Label37, &Label38}};
  y = 22;
  for (auto& row : rows) {
    row[0]->setBounds(10, y, labelWidth, 14);
    row[1]->setBounds(10 + labelWidth, y, 420, 14);
    y += 22;
  }
  Label12.setBold(true);
  Label38.setBold(true);
  Label22.setVisible(false);

  // The four presets, then, a little apart, the way back from them.
  GroupBox2.setBounds(380, 48, 230, 186);
  ui::Button* presets[] = {&Button9, &Button11, &Button10, &Button12};
  y = 22;
  for (ui::Button* b : presets) {
    b->setBounds(20, y, 190, 25);
    y += 30;
  }
  UndoButton.setBounds(20, y + 8, 190, 25);
  Button9.setHint(text::tr(text::Id::GeneralEmergencyHint));
  Button11.setHint(text::tr(text::Id::GeneralDriverDefaultsHint));
  Button10.setHint(text::tr(text::Id::GeneralGameHint));
  Button12.setHint(text::tr(text::Id::GeneralBenchmarkHint));
  UndoButton.setHint(text::tr(text::Id::GeneralUndoHint));

  uninstall.setBounds(10, 410, 160, 25);
  uninstall.setHint(text::tr(text::Id::GeneralUninstallHint));
  Button25.setBounds(390, 410, 110, 25);
  Button25.setHint(text::tr(text::Id::GeneralAboutHint));
  Button1.setBounds(510, 410, 100, 25);
  Button1.setHint(text::tr(text::Id::ExitHint));
}
