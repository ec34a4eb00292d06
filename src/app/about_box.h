#pragma once
// "バージョン情報": the program's name, version and credits, and four links that open in the
// system's browser or mail program. A link click leaves the box open.
#include <optional>
#include <string>

#include "platform/services.h"
#include "text/catalogue.h"
#include "ui/controls.h"
#include "ui/form.h"

// Where the links lead. This program has no web site of its own: the addresses are neutral
// placeholders, kept here in one place.
struct AboutLink {
  text::Id caption;     // the row's caption
  const char* shown;    // what the link label shows
  const char* target;   // what is opened
  std::optional<text::Id> tooltip;
};

class TAboutBox : public ui::Form {
 public:
  TAboutBox(ui::Runtime& runtime, platform::Services& services);

  void OKButtonClick();
  void Label4Click();   // the support home page
  void Label6Click();   // a new mail to the support address
  void Label15Click();  // the hardware maker
  void Label18Click();  // the user site

  static const AboutLink kMaker, kUserSite, kMail, kSupport;

  ui::Panel Panel1;          // sunken
  ui::Image ProgramIcon;
  ui::Label ProductName;     // "Product Name"
  ui::Label Label1;          // "Matrox Corvane" (bold)
  ui::Label Version;         // "Version："
  ui::Label Label2;          // "1.43" (bold)
  ui::Label Label3;          // the release date
  ui::Label Comments1, Comments2, Comments3;  // credits and build
  ui::Label Label14;  // "Matrox Graphics："
  ui::Label Label15;  // the maker's address (link)
  ui::Label Label17;  // the user site's caption
  ui::Label Label18;  // the user site's address (link)
  ui::Label Label5;   // "Ｅメールアドレス："
  ui::Label Label6;   // the support mail address (link)
  ui::Label Label3a;  // "サポートホームページ："
  ui::Label Label4;   // the support home page's address (link)
  ui::Button OKButton;  // "OK"

 private:
  void open(const AboutLink& link);

  platform::Services& services_;
};
