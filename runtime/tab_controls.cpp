#include "runtime/tab_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/class_registry.h"

namespace varnelta {

namespace {
template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}
}  // namespace

const TEnumType TabPositionType{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
const TEnumType TabStyleType{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};

// ---- the tab control base ----

const TClassInfo& TCustomTabControl::StaticClass() {
  static const TClassInfo info{
      "TCustomTabControl",
      &TWinControl::StaticClass(),
      {BoolProperty("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine, false),
       EnumProperty("Style", TabStyleType, &TCustomTabControl::Style, &TCustomTabControl::SetStyle, tsTabs),
       EnumProperty("TabPosition", TabPositionType, &TCustomTabControl::TabPosition,
                    &TCustomTabControl::SetTabPosition, tpTop),
       EventProperty("OnChange", &TCustomTabControl::OnChange)},
      {}};
  return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  color_ = clBtnFace;
  SetBounds(0, 0, 289, 193);
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.StdClassName = WC_TABCONTROLW;
  p.Style |= WS_CLIPCHILDREN;
  if (multiLine_ || tabPosition_ == tpLeft || tabPosition_ == tpRight) p.Style |= TCS_MULTILINE;
  if (tabPosition_ == tpBottom || tabPosition_ == tpRight) p.Style |= TCS_BOTTOM;
  if (tabPosition_ == tpLeft || tabPosition_ == tpRight) p.Style |= TCS_VERTICAL;
  if (style_ == tsButtons) p.Style |= TCS_BUTTONS;
  if (style_ == tsFlatButtons) p.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
}

void TCustomTabControl::CreateHandleDone() {
  UpdateTabs();
  if (tabIndex_ >= 0) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TCustomTabControl::UpdateTabs() {
  if (!handle_) return;
  SendMessageW(handle_, TCM_DELETEALLITEMS, 0, 0);
  const std::vector<std::wstring> texts = TabTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::wstring text = texts[i];
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(handle_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  const int count = static_cast<int>(texts.size());
  if (tabIndex_ >= count) tabIndex_ = count - 1;
  if (tabIndex_ >= 0) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
  Realign();
}

int TCustomTabControl::TabIndex() const {
  if (!handle_) return tabIndex_;
  return static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int v) {
  if (HasState(csLoading)) {
    tabIndex_ = v;
    return;
  }
  const int count = static_cast<int>(TabTexts().size());
  if (v < -1 || v >= count) return;
  tabIndex_ = v;
  if (handle_) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(v), 0);
  Changed();
}

void TCustomTabControl::Changed() {}

void TCustomTabControl::Recreate() {
  if (!handle_) return;
  tabIndex_ = TabIndex();
  DestroyHandle();
  HandleNeeded();
}

void TCustomTabControl::SetTabPosition(TTabPosition v) {
  if (v == tabPosition_) return;
  tabPosition_ = v;
  Recreate();
}

void TCustomTabControl::SetStyle(TTabStyle v) {
  if (v == style_) return;
  style_ = v;
  Recreate();
}

void TCustomTabControl::SetMultiLine(bool v) {
  if (v == multiLine_) return;
  multiLine_ = v;
  Recreate();
}

void TCustomTabControl::AdjustClientRect(TRect& rect) const {
  if (!handle_) return;
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  rect = {r.left, r.top, r.right, r.bottom};
}

void TCustomTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_BASE + WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (header && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
      tabIndex_ = TabIndex();
      Changed();
      OnChange(this);
    }
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

// ---- the tab control ----

const TClassInfo& TTabControl::StaticClass() {
  static const TClassInfo info{
      "TTabControl",
      &TCustomTabControl::StaticClass(),
      {ListProperty("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs),
       IntProperty("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex, -1)},
      Make<TTabControl>};
  return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {}

void TTabControl::SetTabs(const std::vector<std::wstring>& tabs) {
  tabs_ = tabs;
  UpdateTabs();
}

void TTabControl::Loaded() {
  TCustomTabControl::Loaded();
  const int index = tabIndex_;
  if (index >= 0 && index < static_cast<int>(tabs_.size()) && handle_) {
    SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

// ---- tab sheets ----

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info{"TTabSheet",
                               &TWinControl::StaticClass(),
                               {StrProperty("Caption", &TControl::Caption, &TControl::SetCaption)},
                               Make<TTabSheet>};
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  color_ = clBtnFace;
  parentColor_ = true;
  align_ = alClient;
  visible_ = false;
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
  if (pageControl_ && parent != pageControl_) pageControl_->RemovePage(this);
  TWinControl::SetParent(parent);
  if (auto* pages = dynamic_cast<TPageControl*>(parent); pages && pages != pageControl_) pages->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  for (int i = 0; i < pageControl_->PageCount(); ++i) {
    if (pageControl_->Pages(i) == this) return i;
  }
  return -1;
}

void TTabSheet::TextChanged() {
  if (!pageControl_ || !pageControl_->HandleAllocated()) return;
  std::wstring text = GetText();
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(pageControl_->HandleIfAllocated(), TCM_SETITEMW, static_cast<WPARAM>(PageIndex()),
               reinterpret_cast<LPARAM>(&item));
}

// ---- page controls ----

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info{
      "TPageControl",
      &TCustomTabControl::StaticClass(),
      {IntProperty("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex, -1)},
      Make<TPageControl>};
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

std::vector<std::wstring> TPageControl::TabTexts() const {
  std::vector<std::wstring> texts;
  for (TTabSheet* page : pages_) texts.push_back(page->GetText());
  return texts;
}

void TPageControl::InsertPage(TTabSheet* page) {
  page->pageControl_ = this;
  pages_.push_back(page);
  UpdateTabs();
  if (tabIndex_ < 0 && !HasState(csLoading)) tabIndex_ = 0;
  ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const int index = static_cast<int>(it - pages_.begin());
  page->pageControl_ = nullptr;
  pages_.erase(it);
  if (HasState(csDestroying)) return;
  if (tabIndex_ > index || tabIndex_ >= PageCount()) --tabIndex_;
  if (tabIndex_ < 0 && PageCount() > 0) tabIndex_ = 0;
  if (handle_) SendMessageW(handle_, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
  if (handle_ && tabIndex_ >= 0) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
  ShowActivePage();
}

bool TPageControl::FreePage(int index) {
  if (index < 0 || index >= PageCount()) return false;
  delete pages_[static_cast<std::size_t>(index)];  // leaves its owner, its parent and this list
  return true;
}

TTabSheet* TPageControl::ActivePage() const {
  const int index = ActivePageIndex();
  return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

void TPageControl::SetActivePageIndex(int v) { SetTabIndex(v); }

void TPageControl::ShowActivePage() {
  if (HasState(csLoading | csDestroying)) return;
  const int active = handle_ ? TabIndex() : tabIndex_;
  for (int i = 0; i < PageCount(); ++i) pages_[static_cast<std::size_t>(i)]->SetVisible(i == active);
  Realign();
}

void TPageControl::CreateHandleDone() {
  TCustomTabControl::CreateHandleDone();
  ShowActivePage();
}

void TPageControl::Changed() { ShowActivePage(); }

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  if (tabIndex_ < 0 && PageCount() > 0) tabIndex_ = 0;
  if (tabIndex_ >= PageCount()) tabIndex_ = PageCount() - 1;
  if (handle_ && tabIndex_ >= 0) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
  ShowActivePage();
}

void RegisterTabControls() {
  RegisterComponentClass(TTabControl::StaticClass());
  RegisterComponentClass(TPageControl::StaticClass());
  RegisterComponentClass(TTabSheet::StaticClass());
}

}  // namespace varnelta
