#include "app/about_box.h"
#include "text/catalogue.h"

const AboutLink TAboutBox::kMaker = {text::Id::AboutMakerCaption, "http://www.example.com/",
                                     "http://www.example.com/", std::nullopt};
const AboutLink TAboutBox::kUserSite = {text::Id::AboutUserSiteCaption, "http://g200.example.org/",
                                        "http://g200.example.org/", std::nullopt};
const AboutLink TAboutBox::kMail = {text::Id::AboutMailCaption, "corvane@example.com",
                                    "mailto:corvane@example.com", text::Id::AboutMailHint};
const AboutLink TAboutBox::kSupport = {text::Id::AboutSupportCaption, "http://corvane.example.net/",
                                       "http://corvane.example.net/",
                                       text::Id::AboutSupportHint};

TAboutBox::TAboutBox(ui::Runtime& runtime, platform::Services& services)
    : ui::Form(runtime, "AboutBox", text::tr(text::Id::AboutTitle)),
      Panel1(this, "Panel1"),
      ProgramIcon(&Panel1, "ProgramIcon"),
      ProductName(&Panel1, "ProductName", "Product Name"),
      Label1(&Panel1, "Label1", "Matrox Corvane"),
      Version(&Panel1, "Version", text::tr(text::Id::AboutVersion)),
      Label2(&Panel1, "Label2", "1.43"),
      Label3(&Panel1, "Label3", text::tr(text::Id::AboutDate)),
      Comments1(&Panel1, "Comments1", text::tr(text::Id::AboutComments1)),
      Comments2(&Panel1, "Comments2", text::tr(text::Id::AboutComments2)),
      Comments3(&Panel1, "Comments3", text::tr(text::Id::AboutComments3)),
      Label14(&Panel1, "Label14", text::tr(kMaker.caption)),
      Label15(&Panel1, "Label15", kMaker.shown),
      Label17(&Panel1, "Label17", text::tr(kUserSite.caption)),
      Label18(&Panel1, "Label18", kUserSite.shown),
      Label5(&Panel1, "Label5", text::tr(kMail.caption)),
      Label6(&Panel1, "Label6", kMail.shown),
      Label3a(&Panel1, "Label3a", text::tr(kSupport.caption)),
      Label4(&Panel1, "Label4", kSupport.shown),
      OKButton(this, "OKButton", "OK"),
      services_(services) {
  setClientSize(336, 249);
  setBorder(ui::FormBorder::Dialog);
  setPosition(ui::FormPosition::ScreenCenter);

  Panel1.setBounds(8, 8, 320, 198);
  Panel1.setBevel(ui::Bevel::Lowered);
  ProgramIcon.setBounds(10, 10, 32, 32);
  ProductName.setBounds(52, 10, 200, 14);
  Label1.setBounds(52, 28, 250, 16);
  Label1.setBold(true);
  Version.setBounds(52, 50, 56, 14);
  Label2.setBounds(108, 50, 30, 14);
  Label2.setBold(true);
  Label3.setBounds(146, 50, 150, 14);
  Comments1.setBounds(10, 74, 300, 14);
  Comments2.setBounds(10, 90, 300, 14);
  Comments3.setBounds(10, 106, 300, 14);

  struct Row {
    ui::Label& caption;
    ui::Label& link;
    const AboutLink& target;
  };
  Row rows[] = {{Label14, Label15, kMaker}, {Label17, Label18, kUserSite},
                {Label5, Label6, kMail}, {Label3a, Label4, kSupport}};
  int y = 128;
  for (Row& row : rows) {
    row.caption.setBounds(10, y, 132, 14);
    row.link.setBounds(142, y, 170, 14);
    row.link.setColour(ui::kNavy);
    row.link.setUnderline(true);
    row.link.setHandCursor(true);
    if (row.target.tooltip) row.link.setHint(text::tr(*row.target.tooltip));
    y += 16;
  }

  OKButton.setBounds(130, 216, 75, 25);
  setDefaultButton(&OKButton);
  setCancelButton(&OKButton);

  OKButton.onClick = [this] { OKButtonClick(); };
  Label4.onClick = [this] { Label4Click(); };
  Label6.onClick = [this] { Label6Click(); };
  Label15.onClick = [this] { Label15Click(); };
  Label18.onClick = [this] { Label18Click(); };
}

void TAboutBox::OKButtonClick() { close(); }

// Links open through the system's own way of opening an address, never as a command line, so
// nothing in them can ever run as a command.
void TAboutBox::open(const AboutLink& link) { services_.launcher.open(link.target); }

void TAboutBox::Label4Click() { open(kSupport); }
void TAboutBox::Label6Click() { open(kMail); }
void TAboutBox::Label15Click() { open(kMaker); }
void TAboutBox::Label18Click() { open(kUserSite); }
