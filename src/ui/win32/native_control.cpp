#include "ui/win32/native_control.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/ansi.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/fonts.h"
#include "ui/win32/win32_runtime.h"

using platform::win32::fromAnsi;
using platform::win32::toAnsi;

namespace ui::win32 {
namespace {

const char kPaneClass[] = "CorvanePane";

bool isWindowContainer(Kind k) {
  return k == Kind::Form || k == Kind::TabSheet || k == Kind::Panel;
}

std::string windowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(hwnd, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return fromAnsi(text);
}

// Multi-line edit controls want CR LF; the model keeps whatever breaks it was given.
std::string withCrLf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace

NativeControl::NativeControl(Win32Runtime& runtime, Control& model)
    : runtime_(runtime), model_(model), kind_(model.kind()) {}

NativeControl::~NativeControl() {
  if (!gone_) model_.attachView(nullptr);
  for (HWND part : parts_) runtime_.forgetWindow(part);
  if (hwnd_) runtime_.forgetWindow(hwnd_);
}

void NativeControl::modelGone() {
  if (gone_) return;
  gone_ = true;
  for (HWND part : parts_) runtime_.forgetWindow(part);
  if (hwnd_) runtime_.forgetWindow(hwnd_);
  runtime_.forgetControl(model_);
  // A form's window goes with it (its child windows with it); a child's window stays until then.
  // (No virtual call on the model here: it is already half destroyed.)
  if (kind_ == Kind::Form && hwnd_) DestroyWindow(hwnd_);
  parts_.clear();
  hwnd_ = nullptr;
}

const char* NativeControl::windowClass() const {
  switch (model_.kind()) {
    case Kind::TabSheet:
    case Kind::Panel: return kPaneClass;
    case Kind::Label:
    case Kind::Image: return "STATIC";
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::GroupBox:
    case Kind::RadioGroup: return "BUTTON";
    case Kind::Edit:
    case Kind::Memo: return "EDIT";
    case Kind::UpDown: return UPDOWN_CLASSA;
    case Kind::ComboBox: return "COMBOBOX";
    case Kind::ProgressBar: return PROGRESS_CLASSA;
    case Kind::StatusBar: return STATUSCLASSNAMEA;
    case Kind::PageControl: return WC_TABCONTROLA;
    default: return nullptr;
  }
}

DWORD NativeControl::style() const {
  DWORD s = WS_CHILD;
  switch (model_.kind()) {
    case Kind::TabSheet:
    case Kind::Panel: {
      s |= WS_CLIPSIBLINGS;
      break;
    }
    case Kind::Label: {
      s |= SS_LEFT | SS_NOPREFIX;
      if (static_cast<Label&>(model_).onClick) s |= SS_NOTIFY;
      break;
    }
    case Kind::Image: s |= SS_ICON; break;
    case Kind::Button:
      s |= WS_TABSTOP | WS_GROUP |
           (static_cast<Button&>(model_).isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case Kind::CheckBox: s |= WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX; break;
    case Kind::GroupBox:
    case Kind::RadioGroup: s |= BS_GROUPBOX | WS_GROUP; break;
    case Kind::Edit:
      s |= WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL |
           (static_cast<Edit&>(model_).readOnly() ? ES_READONLY : 0);
      break;
    case Kind::Memo: {
      auto& memo = static_cast<Memo&>(model_);
      s |= WS_TABSTOP | WS_GROUP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
      if (!memo.wordWrap()) s |= ES_AUTOHSCROLL | WS_HSCROLL;
      if (memo.verticalScrollBar()) s |= WS_VSCROLL;
      if (memo.readOnly()) s |= ES_READONLY;
      break;
    }
    case Kind::UpDown:
      s |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
      break;
    case Kind::ComboBox: s |= WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST; break;
    case Kind::ProgressBar: break;
    case Kind::StatusBar: s |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER; break;
    case Kind::PageControl: s |= WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS; break;
    default: break;
  }
  if (!model_.tabStop()) s &= ~static_cast<DWORD>(WS_TABSTOP);
  return s;
}

POINT NativeControl::childOrigin() const {
  const Bounds& b = model_.bounds();
  if (isWindowContainer(model_.kind())) return {0, 0};
  return {dx_ + b.left, dy_ + b.top};
}

bool NativeControl::shownOnScreen() const {
  if (!model_.visible()) return false;
  if (model_.kind() == Kind::TabSheet) {
    auto* pages = static_cast<PageControl*>(model_.parent());
    if (pages && pages->activePage() != &model_) return false;
  }
  // Children of a group are windows of the group's container: the group's visibility is theirs.
  for (Control* c = model_.parent(); c && !isWindowContainer(c->kind()); c = c->parent())
    if (!c->visible()) return false;
  return true;
}

void NativeControl::create(HWND parent, int dx, int dy) {
  parent_ = parent;
  dx_ = dx;
  dy_ = dy;
  if (model_.kind() == Kind::Form) {  // the runtime made the top-level window; adopt it
    hwnd_ = container_ = parent;
    runtime_.registerWindow(hwnd_, this);
    model_.attachView(this);
    return;
  }
  const char* cls = windowClass();
  if (!cls) return;  // timers have no window of their own
  id_ = runtime_.nextId();
  DWORD exStyle = 0;
  switch (model_.kind()) {
    case Kind::Edit:
    case Kind::ComboBox: exStyle = WS_EX_CLIENTEDGE; break;
    case Kind::Memo:
      if (static_cast<Memo&>(model_).border()) exStyle = WS_EX_CLIENTEDGE;
      break;
    case Kind::Panel:
      exStyle = WS_EX_CONTROLPARENT;
      if (static_cast<Panel&>(model_).bevel() == Bevel::Lowered) exStyle |= WS_EX_CLIENTEDGE;
      if (static_cast<Panel&>(model_).bevel() == Bevel::Raised) exStyle |= WS_EX_WINDOWEDGE;
      break;
    case Kind::TabSheet: exStyle = WS_EX_CONTROLPARENT; break;
    default: break;
  }
  const Bounds& b = model_.bounds();
  const std::string caption =
      model_.kind() == Kind::Memo || model_.kind() == Kind::ComboBox ? std::string()
                                                                     : toAnsi(model_.caption());
  int height = b.height;
  if (model_.kind() == Kind::ComboBox) height = std::max(b.height, 200);  // room for the list
  hwnd_ = CreateWindowExA(exStyle, cls, caption.c_str(), style(), dx + b.left, dy + b.top,
                          b.width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                          runtime_.instance(), nullptr);
  if (!hwnd_) return;
  runtime_.registerWindow(hwnd_, this);
  if (model_.kind() == Kind::TabSheet || model_.kind() == Kind::Panel) container_ = hwnd_;
  if (model_.kind() == Kind::TabSheet) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0,
                                                    SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  Win32Runtime::UpdateScope quiet(runtime_);
  if (model_.kind() == Kind::Image)
    SendMessageA(hwnd_, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(runtime_.instance(), MAKEINTRESOURCEA(1))), 0);
  if (model_.kind() == Kind::UpDown) {
    auto& spin = static_cast<UpDown&>(model_);
    if (HWND buddy = runtime_.windowOf(spin.associate()))
      SendMessageA(hwnd_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  }
  if (model_.kind() == Kind::PageControl) {
    int index = 0;
    for (TabSheet* page : static_cast<PageControl&>(model_).pages()) {
      const std::string text = toAnsi(page->caption());
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(text.c_str());
      SendMessageA(hwnd_, TCM_INSERTITEMA, static_cast<WPARAM>(index++),
                   reinterpret_cast<LPARAM>(&item));
    }
  }
  model_.attachView(this);
  applyFont();
  apply(kItems | kValue | kRange | kEnabled);
  applyVisible();
}

void NativeControl::changed(unsigned aspects) {
  if (gone_ || (!hwnd_ && model_.kind() != Kind::Timer)) return;
  Win32Runtime::UpdateScope quiet(runtime_);
  apply(aspects);
}

void NativeControl::apply(unsigned aspects) {
  if (model_.kind() == Kind::Timer) {
    if (aspects & kValue) {
      auto& timer = static_cast<Timer&>(model_);
      HWND owner = runtime_.windowOf(*model_.form());
      if (owner && timer.timerEnabled())
        SetTimer(owner, reinterpret_cast<UINT_PTR>(&timer), timer.interval(), nullptr);
      else if (owner)
        KillTimer(owner, reinterpret_cast<UINT_PTR>(&timer));
    }
    return;
  }
  if (aspects & kCaption) applyCaption();
  if (aspects & kFont) applyFont();
  if (aspects & kItems) applyItems();
  if (aspects & (kValue | kRange)) applyValue();
  if (aspects & kBounds) applyBounds();
  if (aspects & kEnabled) {
    EnableWindow(hwnd_, model_.enabled());
    for (HWND part : parts_) EnableWindow(part, model_.enabled());
  }
  if (aspects & kVisible) applyVisible();
  if ((aspects & kFront) && model_.kind() == Kind::Form) {
    ShowWindow(hwnd_, SW_SHOW);
    BringWindowToTop(hwnd_);
    SetForegroundWindow(hwnd_);
  }
}

void NativeControl::applyCaption() {
  switch (model_.kind()) {
    case Kind::Memo:
    case Kind::ComboBox: return;
    case Kind::Edit: {
      if (windowText(hwnd_) != model_.caption())
        SetWindowTextA(hwnd_, toAnsi(model_.caption()).c_str());
      return;
    }
    case Kind::TabSheet: {
      auto* pages = static_cast<PageControl*>(model_.parent());
      HWND tabs = pages ? runtime_.windowOf(*pages) : nullptr;
      if (!tabs) return;
      const auto all = pages->pages();
      const auto at = std::find(all.begin(), all.end(), &model_) - all.begin();
      const std::string text = toAnsi(model_.caption());
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(text.c_str());
      SendMessageA(tabs, TCM_SETITEMA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
      return;
    }
    default:
      SetWindowTextA(hwnd_, toAnsi(model_.caption()).c_str());
      if (model_.kind() == Kind::Label) InvalidateRect(hwnd_, nullptr, TRUE);
      return;
  }
}

void NativeControl::applyFont() {
  HFONT font = runtime_.fonts().get(model_.bold(), model_.underline(), model_.fontHeight());
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  for (HWND part : parts_) SendMessageA(part, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void NativeControl::applyItems() {
  switch (model_.kind()) {
    case Kind::ComboBox: {
      SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
      for (const auto& item : static_cast<ComboBox&>(model_).items())
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toAnsi(item).c_str()));
      break;
    }
    case Kind::RadioGroup: {
      for (HWND part : parts_) {
        runtime_.forgetWindow(part);
        DestroyWindow(part);
      }
      parts_.clear();
      bool first = true;
      for (const auto& item : static_cast<RadioGroup&>(model_).items()) {
        const DWORD s = WS_CHILD | BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0);
        first = false;
        HWND button = CreateWindowExA(0, "BUTTON", toAnsi(item).c_str(), s, 0, 0, 10, 10, parent_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(runtime_.nextId())),
                                      runtime_.instance(), nullptr);
        runtime_.registerWindow(button, this);
        parts_.push_back(button);
      }
      layoutRadioButtons();
      applyFont();
      applyVisible();
      break;
    }
    default: break;
  }
}

void NativeControl::layoutRadioButtons() {
  auto& group = static_cast<RadioGroup&>(model_);
  const Bounds& b = group.bounds();
  const int columns = std::max(1, group.columns());
  const int count = static_cast<int>(parts_.size());
  if (count == 0) return;
  const int rows = (count + columns - 1) / columns;
  const int left = dx_ + b.left + 8;
  const int top = dy_ + b.top + 16;
  const int columnWidth = (b.width - 16) / columns;
  const int rowHeight = std::max(18, (b.height - 20) / rows);
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    SetWindowPos(parts_[i], HWND_TOP, left + column * columnWidth, top + row * rowHeight,
                 columnWidth - 4, 18, SWP_NOACTIVATE);
  }
}

void NativeControl::applyValue() {
  switch (model_.kind()) {
    case Kind::CheckBox:
      SendMessageA(hwnd_, BM_SETCHECK,
                   static_cast<CheckBox&>(model_).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Kind::RadioGroup: {
      const int selected = static_cast<RadioGroup&>(model_).itemIndex();
      for (int i = 0; i < static_cast<int>(parts_.size()); ++i)
        SendMessageA(parts_[i], BM_SETCHECK, i == selected ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    }
    case Kind::UpDown: {
      auto& spin = static_cast<UpDown&>(model_);
      // The control keeps 16-bit positions; the model decides the order of the two limits.
      SendMessageA(hwnd_, UDM_SETRANGE, 0, MAKELPARAM(spin.max(), spin.min()));
      SendMessageA(hwnd_, UDM_SETPOS, 0, MAKELPARAM(spin.position(), 0));
      // UDM_SETPOS clamps and reformats the buddy; the model's text stays what it says.
      if (HWND buddy = runtime_.windowOf(spin.associate()))
        if (windowText(buddy) != spin.associate().text())
          SetWindowTextA(buddy, toAnsi(spin.associate().text()).c_str());
      break;
    }
    case Kind::ComboBox:
      SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(static_cast<ComboBox&>(model_).itemIndex()), 0);
      break;
    case Kind::Memo: {
      const std::string wanted = withCrLf(static_cast<Memo&>(model_).text());
      if (windowText(hwnd_) != wanted) SetWindowTextA(hwnd_, toAnsi(wanted).c_str());
      break;
    }
    case Kind::ProgressBar: {
      auto& bar = static_cast<ProgressBar&>(model_);
      SendMessageA(hwnd_, PBM_SETRANGE, 0, MAKELPARAM(bar.min(), bar.max()));
      SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(bar.position()), 0);
      break;
    }
    case Kind::StatusBar: {
      const auto& panels = static_cast<StatusBar&>(model_).panels();
      std::vector<int> edges;
      int right = 0;
      for (std::size_t i = 0; i < panels.size(); ++i) {
        right += panels[i].width;
        edges.push_back(i + 1 == panels.size() ? -1 : right);
      }
      if (!edges.empty())
        SendMessageA(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
      for (std::size_t i = 0; i < panels.size(); ++i)
        SendMessageA(hwnd_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(toAnsi(panels[i].text).c_str()));
      break;
    }
    case Kind::PageControl: {
      auto& pages = static_cast<PageControl&>(model_);
      SendMessageA(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(pages.activePageIndex()), 0);
      layoutPages();
      break;
    }
    default: break;
  }
}

void NativeControl::layoutPages() {
  auto& pages = static_cast<PageControl&>(model_);
  RECT area{0, 0, pages.bounds().width, pages.bounds().height};
  SendMessageA(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (TabSheet* page : pages.pages()) {
    HWND pane = runtime_.windowOf(*page);
    if (!pane) continue;
    SetWindowPos(pane, HWND_TOP, dx_ + pages.bounds().left + area.left,
                 dy_ + pages.bounds().top + area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
    ShowWindow(pane, page == pages.activePage() && page->visible() ? SW_SHOW : SW_HIDE);
  }
}

void NativeControl::applyBounds() {
  const Bounds& b = model_.bounds();
  if (isWindowContainer(model_.kind()) && model_.kind() != Kind::Panel) return;
  MoveWindow(hwnd_, dx_ + b.left, dy_ + b.top, b.width, b.height, TRUE);
  if (model_.kind() == Kind::RadioGroup) layoutRadioButtons();
}

void NativeControl::applyVisible() {
  const bool shown = shownOnScreen();
  if (model_.kind() == Kind::Form) {
    if (!shown) runtime_.releaseModal(static_cast<Form&>(model_));
    ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE);
    if (shown) UpdateWindow(hwnd_);
    return;
  }
  if (model_.kind() == Kind::PageControl) {
    ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE);
    layoutPages();
    return;
  }
  ShowWindow(hwnd_, shown ? SW_SHOWNA : SW_HIDE);
  for (HWND part : parts_) ShowWindow(part, shown ? SW_SHOWNA : SW_HIDE);
  // A group box is no window of its children: they follow it by hand.
  if (model_.kind() == Kind::GroupBox)
    for (Control* child : model_.children())
      if (ControlView* view = child->view()) view->changed(kVisible);
}

void NativeControl::command(HWND from, WORD code) {
  if (runtime_.updating()) return;
  switch (model_.kind()) {
    case Kind::Button:
      if (code == BN_CLICKED) static_cast<Button&>(model_).userClick();
      break;
    case Kind::CheckBox:
      if (code == BN_CLICKED) {
        const bool on = SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
        static_cast<CheckBox&>(model_).userSetChecked(on);
      }
      break;
    case Kind::RadioGroup:
      if (code == BN_CLICKED) {
        const auto at = std::find(parts_.begin(), parts_.end(), from) - parts_.begin();
        if (at < static_cast<long>(parts_.size()) &&
            SendMessageA(from, BM_GETCHECK, 0, 0) == BST_CHECKED)
          static_cast<RadioGroup&>(model_).userSelect(static_cast<int>(at));
      }
      break;
    case Kind::Label:
      if (code == STN_CLICKED) static_cast<Label&>(model_).userClick();
      break;
    case Kind::Edit:
      if (code == EN_CHANGE) {
        const std::string text = windowText(hwnd_);
        if (text != static_cast<Edit&>(model_).text()) static_cast<Edit&>(model_).userSetText(text);
      }
      break;
    case Kind::Memo:
      if (code == EN_CHANGE) static_cast<Memo&>(model_).userSetText(windowText(hwnd_));
      break;
    case Kind::ComboBox:
      if (code == CBN_SELCHANGE) {
        const auto index = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
        static_cast<ComboBox&>(model_).userSelect(static_cast<int>(index));
      }
      break;
    default: break;
  }
}

void NativeControl::notify(const NMHDR& header) {
  if (runtime_.updating()) return;
  if (model_.kind() == Kind::PageControl && header.code == TCN_SELCHANGE) {
    const auto index = SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0);
    static_cast<PageControl&>(model_).userSelectPage(static_cast<int>(index));
  }
}

void NativeControl::scrolled() {
  if (runtime_.updating() || model_.kind() != Kind::UpDown) return;
  const LRESULT result = SendMessageA(hwnd_, UDM_GETPOS, 0, 0);
  if (HIWORD(result) != 0) return;  // the buddy holds no valid number
  const int position = static_cast<short>(LOWORD(result));
  auto& spin = static_cast<UpDown&>(model_);
  spin.userSetPosition(position);
}

}  // namespace ui::win32
