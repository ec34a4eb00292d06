#pragma once
// The toolkit-neutral control model. A window is a tree of these plain objects; handlers read
// and write them and never see a window handle. A binding (ui/win32) mirrors the tree into real
// windows and routes input back.
//
// Every control offers two ways to change it:
//   from the program  setChecked, setItemIndex, setPosition, ...  change state and view, run no
//                     handler (loading, presets and linked boxes use these);
//   by the user       userClick, userSelect, userSetPosition, ... change state, then run the
//                     handler through the runtime's dispatcher (the binding calls these on real
//                     input; tests call them to act as the user). A user action on a
//                     disabled control runs no handler, nor does one that changes nothing
//                     (except a pick in a combo box, which always counts).
#include <cstdint>
#include <string>
#include <vector>

#include "ui/handler.h"

namespace ui {

class Form;
class Runtime;

// Colours in the toolkit's blue-green-red order: 0x800000 is navy, 0xFF is red.
using Colour = std::uint32_t;
constexpr Colour kDefaultColour = 0xFF000000;  // the system's text colour
constexpr Colour kNavy = 0x800000;
constexpr Colour kRed = 0x0000FF;

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
};

// What changed, so a binding mirrors only that.
enum Aspect : unsigned {
  kCaption = 1u << 0,
  kEnabled = 1u << 1,
  kVisible = 1u << 2,
  kFont = 1u << 3,
  kValue = 1u << 4,  // checked, item index, position, text, lines, active page
  kItems = 1u << 5,
  kRange = 1u << 6,
  kBounds = 1u << 7,
  kHint = 1u << 8,
  kFront = 1u << 9,  // a form asks to be brought to the front
};

class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void changed(unsigned aspects) = 0;
  // The control is being destroyed: the view lets go of it.
  virtual void modelGone() = 0;
};

enum class Kind {
  Form, PageControl, TabSheet, GroupBox, Panel, Label, Button, CheckBox, RadioGroup, Edit,
  UpDown, ComboBox, Memo, ProgressBar, StatusBar, Image, Timer
};

class Control {
 public:
  Control(Control* parent, std::string name, std::string caption = {});
  // From literals, as nearly every control is made: the strings are built here, once, not at
  // each of several hundred places (a null caption is an empty one).
  Control(Control* parent, const char* name, const char* caption = "");
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  virtual Kind kind() const = 0;
  const std::string& name() const { return name_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }
  // The window this control sits on (itself for a form).
  Form* form();
  const Form* form() const { return const_cast<Control*>(this)->form(); }

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);

  // The hint goes to the form's hint bar while the mouse is over the control; with showHint it
  // is also a tooltip.
  const std::string& hint() const { return hint_; }
  bool showHint() const { return showHint_; }
  void setHint(const std::string& hint, bool asTooltip = true);

  bool bold() const { return bold_; }
  bool underline() const { return underline_; }
  Colour colour() const { return colour_; }
  int fontHeight() const { return fontHeight_; }  // pixels; 0 is the window's usual size
  void setBold(bool bold);
  void setUnderline(bool underline);
  void setColour(Colour colour);
  void setFontHeight(int pixels);

  long tag() const { return tag_; }
  void setTag(long tag) { tag_ = tag; }

  const Bounds& bounds() const { return bounds_; }
  void setBounds(int left, int top, int width, int height);

  // The keyboard visits a container's controls in the order they were made; this puts the
  // control after its current siblings (before the window is made).
  void moveToEndOfTabOrder();

  bool tabStop() const { return tabStop_; }
  void setTabStop(bool tabStop) { tabStop_ = tabStop; }
  bool handCursor() const { return handCursor_; }
  void setHandCursor(bool hand) { handCursor_ = hand; }

  // The user moved the mouse over the control: its hint (or its nearest parent's) goes to the
  // form's hint bar.
  void userHover();

  void attachView(ControlView* view) { view_ = view; }
  ControlView* view() const { return view_; }

 protected:
  void notify(unsigned aspects);
  // Runs a handler the way every user event runs: through the runtime's dispatcher.
  void fire(const Handler& handler);

 private:
  Control* parent_;
  std::string name_;
  std::string caption_;
  std::vector<Control*> children_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string hint_;
  bool showHint_ = false;
  bool bold_ = false;
  bool underline_ = false;
  Colour colour_ = kDefaultColour;
  int fontHeight_ = 0;
  long tag_ = 0;
  Bounds bounds_;
  bool tabStop_ = true;
  bool handCursor_ = false;
  ControlView* view_ = nullptr;
};

}  // namespace ui
