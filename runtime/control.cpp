#include "runtime/control.h"

#include <windowsx.h>

#include "runtime/menus.h"
#include "runtime/form.h"
#include "runtime/win_control.h"

namespace varnelta {

const TEnumType AlignType{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};

namespace {
TPropInfo Stored(TPropInfo p, bool (*stored)(const TControl&)) {
  p.Stored = [stored](const TPersistent& o) { return stored(static_cast<const TControl&>(o)); };
  return p;
}
}  // namespace

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info{
      "TControl",
      &TComponent::StaticClass(),
      {IntProperty("Left", &TControl::Left, &TControl::SetLeft), IntProperty("Top", &TControl::Top, &TControl::SetTop),
       IntProperty("Width", &TControl::Width, &TControl::SetWidth),
       IntProperty("Height", &TControl::Height, &TControl::SetHeight),
       EnumProperty("Align", AlignType, &TControl::Align, &TControl::SetAlign, alNone),
       BoolProperty("Enabled", &TControl::Enabled, &TControl::SetEnabled, true),
       Stored(ColorProperty(IntProperty("Color", &TControl::Color, &TControl::SetColor)),
              [](const TControl& c) { return !c.ParentColor(); }),
       BoolProperty("ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
       Stored(ObjectProperty("Font", &TControl::Font), [](const TControl& c) { return !c.ParentFont(); }),
       BoolProperty("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
       StrProperty("Hint", &TControl::Hint, &TControl::SetHint),
       BoolProperty("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false),
       BoolProperty("Visible", &TControl::Visible, &TControl::SetVisible, true),
       EventProperty("OnClick", &TControl::OnClick),
       ComponentProperty("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)},
      {}};
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_->OnChange = [this] {
    if (!applyingParentFont_) parentFont_ = false;
    Perform(CM_FONTCHANGED);
  };
}

TControl::~TControl() {
  if (TCustomForm* form = ParentForm()) form->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_ENABLEDCHANGED: EnabledChanged(); return;
    case CM_COLORCHANGED: ColorChanged(); return;
    case CM_FONTCHANGED: FontChanged(); return;
    case CM_PARENTCOLORCHANGED: ParentColorChanged(); return;
    case CM_PARENTFONTCHANGED: ParentFontChanged(); return;
    case CM_TEXTCHANGED: TextChanged(); return;
    case WM_CONTEXTMENU:
      if (popupMenu_ && Enabled()) {
        TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (m.LParam == -1) p = ClientToScreen({Width() / 2, Height() / 2});  // from the keyboard
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(p.X, p.Y);
        m.Result = 1;
        return;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: mouseDown_ = true; break;
    case WM_LBUTTONUP: {
      bool wasDown = mouseDown_;
      mouseDown_ = false;
      TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      // Windowless controls click here; windowed ones get their clicks as notifications.
      if (wasDown && !IsWindowed() && ClientRect().Contains(p)) Click();
      break;
    }
    default: break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::Notification(TComponent* component) {
  TComponent::Notification(component);
  if (component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw std::invalid_argument("a control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* p = dynamic_cast<TWinControl*>(parent)) SetParent(p);
}

TCustomForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::UpdateBoundsFields(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  UpdateBoundsFields(left, top, width, height);
  Invalidate();
  RequestAlign();
}

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint origin{left_, top_};
  if (parent_) origin = parent_->ClientToScreen(origin);
  return {p.X + origin.X, p.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint origin = ClientToScreen({0, 0});
  return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetAlign(TAlign v) {
  if (v == align_) return;
  align_ = v;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  VisibleChanging();
  if (!v) Invalidate();  // the area it leaves
  visible_ = v;
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  if (v) Invalidate();
  if (parent_ && align_ != alNone) parent_->Realign();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor v) {
  parentColor_ = false;
  if (v == color_) return;
  color_ = v;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
  if (v == parentColor_) return;
  parentColor_ = v;
  if (v && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::ParentColorChanged() {
  if (parentColor_ && parent_ && parent_->Color() != color_) {
    color_ = parent_->Color();
    Perform(CM_COLORCHANGED);
  }
}

void TControl::SetParentFont(bool v) {
  if (v == parentFont_) return;
  parentFont_ = v;
  if (v && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  applyingParentFont_ = true;
  font_->Assign(*parent_->Font());
  applyingParentFont_ = false;
}

void TControl::ColorChanged() {
  Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->Perform(CM_PARENTCOLORCHANGED);
  }
}

void TControl::FontChanged() {
  Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->Perform(CM_PARENTFONTCHANGED);
  }
}

void TControl::SetText(const std::wstring& v) {
  if (v == text_) return;
  text_ = v;
  Perform(CM_TEXTCHANGED);
  Invalidate();
}

void TControl::SetHint(const std::wstring& v) {
  if (v == hint_) return;
  hint_ = v;
  HintChanged();
}

void TControl::SetShowHint(bool v) {
  if (v == showHint_) return;
  showHint_ = v;
  HintChanged();
}

void TControl::Click() { OnClick(this); }

void TControl::Invalidate() {
  if (!parent_ || !visible_ || !parent_->HandleAllocated()) return;
  RECT r{left_, top_, left_ + width_, top_ + height_};
  InvalidateRect(parent_->HandleIfAllocated(), &r, TRUE);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::ChangeScale(int M, int D) {
  int left = MulDiv(left_, M, D);
  int top = MulDiv(top_, M, D);
  int right = MulDiv(left_ + width_, M, D);
  int bottom = MulDiv(top_ + height_, M, D);
  SetBounds(left, top, right - left, bottom - top);
  if (!parentFont_) {
    font_->SetHeight(MulDiv(font_->Height(), M, D));
    parentFont_ = false;
  }
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_) {
    if (parentColor_) ParentColorChanged();
    if (parentFont_) ParentFontChanged();
  }
}

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info{"TGraphicControl", &TControl::StaticClass(), {}, {}};
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    // Painted by the parent into its own device context.
    canvas_.SetHandle(reinterpret_cast<HDC>(m.WParam));
    canvas_.Font().Assign(*Font());
    canvas_.Brush().SetColor(Color());
    Paint();
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(m);
}

}  // namespace varnelta
