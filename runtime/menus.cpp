#include "runtime/menus.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "runtime/class_registry.h"

namespace varnelta {


namespace {

template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}

// Commands are unique in the process; 0 means none.
unsigned NextCommand() {
  static unsigned next = 0;
  if (++next > 0xFFFF) next = 1;  // WM_COMMAND carries 16 bits
  return next;
}

struct TKeyName {
  std::uint16_t Key;
  const wchar_t* Name;
};

constexpr std::array<TKeyName, 26> kKeyNames{{
    {0x08, L"BkSp"},  {0x09, L"Tab"},   {0x0D, L"Enter"}, {0x1B, L"Esc"},  {0x20, L"Space"},
    {0x21, L"PgUp"},  {0x22, L"PgDn"},  {0x23, L"End"},   {0x24, L"Home"}, {0x25, L"Left"},
    {0x26, L"Up"},    {0x27, L"Right"}, {0x28, L"Down"},  {0x2D, L"Ins"},  {0x2E, L"Del"},
    {0x6A, L"Num *"}, {0x6B, L"Num +"}, {0x6D, L"Num -"}, {0x6F, L"Num /"}, {0xBA, L";"},
    {0xBB, L"="},     {0xBC, L","},     {0xBD, L"-"},     {0xBE, L"."},    {0xBF, L"/"},
    {0xC0, L"`"},
}};

std::wstring KeyName(std::uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= 0x70 && key <= 0x87) return L"F" + std::to_wstring(key - 0x6F);
  for (const TKeyName& k : kKeyNames) {
    if (k.Key == key) return k.Name;
  }
  return {};
}

wchar_t Upper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool SameText(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

}  // namespace

std::wstring ShortCutToText(TShortCut shortcut) {
  const std::wstring key = KeyName(static_cast<std::uint16_t>(shortcut & 0xFF));
  if (key.empty()) return {};
  std::wstring text;
  if (shortcut & scShift) text += L"Shift+";
  if (shortcut & scCtrl) text += L"Ctrl+";
  if (shortcut & scAlt) text += L"Alt+";
  return text + key;
}

TShortCut TextToShortCut(std::wstring_view text) {
  TShortCut modifiers = 0;
  for (;;) {
    struct TPrefix {
      std::wstring_view Text;
      TShortCut Bit;
    };
    bool found = false;
    for (const TPrefix& p : {TPrefix{L"Shift+", scShift}, TPrefix{L"Ctrl+", scCtrl}, TPrefix{L"Alt+", scAlt}}) {
      if (text.size() > p.Text.size() && SameText(text.substr(0, p.Text.size()), p.Text)) {
        modifiers |= p.Bit;
        text.remove_prefix(p.Text.size());
        found = true;
      }
    }
    if (!found) break;
  }
  for (std::uint16_t key = 1; key < 0xFF; ++key) {
    const std::wstring name = KeyName(key);
    if (!name.empty() && SameText(name, text)) return static_cast<TShortCut>(modifiers | key);
  }
  return 0;
}

wchar_t AccelChar(std::wstring_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;  // a literal "&"
      continue;
    }
    return Upper(caption[i + 1]);
  }
  return 0;
}

bool IsAccel(wchar_t key, std::wstring_view caption) {
  const wchar_t accel = AccelChar(caption);
  return accel != 0 && accel == Upper(key);
}

std::wstring StripHotkey(std::wstring_view caption) {
  std::wstring text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != L'&') {
      text.push_back(caption[i]);
    } else if (i + 1 < caption.size() && caption[i + 1] == L'&') {
      text.push_back(L'&');
      ++i;
    }
  }
  return text;
}

// ---- TMenuItem ----

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info{
      "TMenuItem",
      &TComponent::StaticClass(),
      {StrProperty("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
       BoolProperty("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true),
       BoolProperty("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true),
       BoolProperty("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false),
       BoolProperty("Default", &TMenuItem::Default, &TMenuItem::SetDefault, false),
       IntProperty("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, 0),
       IntProperty("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1),
       EventProperty("OnClick", &TMenuItem::OnClick)},
      Make<TMenuItem>};
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* child : items_) child->parent_ = nullptr;
  items_.clear();
  if (parent_) parent_->Remove(this);
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->Changed();
}

void TMenuItem::SetCaption(const std::wstring& v) {
  if (caption_ == v) return;
  caption_ = v;
  Changed();
}

#define VARNELTA_MENU_SETTER(Name, field) \
  void TMenuItem::Set##Name(decltype(field) v) { \
    if (field == v) return;                      \
    field = v;                                   \
    Changed();                                   \
  }
VARNELTA_MENU_SETTER(Enabled, enabled_)
VARNELTA_MENU_SETTER(Visible, visible_)
VARNELTA_MENU_SETTER(Checked, checked_)
VARNELTA_MENU_SETTER(Default, default_)
VARNELTA_MENU_SETTER(ShortCut, shortCut_)
VARNELTA_MENU_SETTER(ImageIndex, imageIndex_)
#undef VARNELTA_MENU_SETTER

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) throw std::invalid_argument("a menu item cannot hold itself");
  for (const TMenuItem* p = this; p; p = p->parent_) {
    if (p == item) throw std::invalid_argument("a menu item cannot hold its own parent");
  }
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

TMenuItem* TMenuItem::FindByCommand(unsigned command) {
  if (command == 0) return nullptr;
  if (command_ == command) return this;
  for (TMenuItem* child : items_) {
    if (TMenuItem* found = child->FindByCommand(command)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindByHandle(const void* handle) {
  if (!handle) return nullptr;
  if (handle_ == handle) return this;
  for (TMenuItem* child : items_) {
    if (TMenuItem* found = child->FindByHandle(handle)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (enabled_) OnClick(this);
}

std::vector<TComponent*> TMenuItem::StoredChildren(const TComponent*) const {
  return {items_.begin(), items_.end()};
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  } else if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items()->Add(this);
  } else if (parent) {
    throw std::invalid_argument("a menu item belongs in a menu or another menu item");
  }
}

// ---- TMenu ----

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info{
      "TMenu",
      &TComponent::StaticClass(),
      {BoolProperty("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false),
       ComponentProperty("Images", &TMenu::Images, &TMenu::SetImages),
       EnumProperty("BiDiMode", BiDiModeType, &TMenu::BiDiMode, &TMenu::SetBiDiMode, bdLeftToRight)},
      {}};
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
  OnChange = nullptr;
  if (Handle() && HandleFreer()) HandleFreer()(*this);
  delete items_;
}

void TMenu::SetOwnerDraw(bool v) {
  if (ownerDraw_ == v) return;
  ownerDraw_ = v;
  Changed();
}

void TMenu::SetImages(TComponent* v) {
  if (images_ == v) return;
  images_ = v;
  Changed();
}

int TMenu::ImageWidth() const {
  if (!images_) return 0;
  const auto width = GetOrdProp(images_, "Width");
  return width && *width > 0 ? static_cast<int>(*width) : 0;
}

void TMenu::SetBiDiMode(TBiDiMode v) {
  if (biDiMode_ == v) return;
  biDiMode_ = v;
  Changed();
}

std::function<void(TMenu&)>& TMenu::HandleFreer() {
  static std::function<void(TMenu&)> freer;
  return freer;
}

bool TMenu::DispatchCommand(unsigned command) {
  TMenuItem* item = FindItem(command);
  if (!item || item == items_) return false;
  item->Click();
  return true;
}

void TMenu::Changed() {
  if (HasState(csLoading | csDestroying)) return;
  if (Owner() && Owner()->HasState(csDestroying)) return;  // the whole form goes
  if (OnChange) OnChange(*this);
}

void TMenu::Loaded() {
  TComponent::Loaded();
  Changed();
}

std::vector<TComponent*> TMenu::StoredChildren(const TComponent*) const { return items_->StoredChildren(nullptr); }

void TMenu::Notification(TComponent* component) {
  if (component == images_) images_ = nullptr;
}

// ---- TMainMenu, TPopupMenu ----

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo info{"TMainMenu", &TMenu::StaticClass(), {}, Make<TMainMenu>};
  return info;
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info{"TPopupMenu", &TMenu::StaticClass(), {}, Make<TPopupMenu>};
  return info;
}

std::function<void(TPopupMenu&, int, int)>& TPopupMenu::PopupHandler() {
  static std::function<void(TPopupMenu&, int, int)> handler;
  return handler;
}

void TPopupMenu::Popup(int x, int y) {
  popupPoint_ = {x, y};
  if (PopupHandler()) PopupHandler()(*this, x, y);
}

void RegisterMenuClasses() {
  RegisterComponentClass(TMenuItem::StaticClass());
  RegisterComponentClass(TMainMenu::StaticClass());
  RegisterComponentClass(TPopupMenu::StaticClass());
}

}  // namespace varnelta
