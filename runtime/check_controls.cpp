#include "runtime/check_controls.h"

#include <numeric>

#include "runtime/class_registry.h"

namespace varnelta {

namespace {
template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}

constexpr int kGroupCaptionHeight = 16;
constexpr int kGroupInset = 8;
}  // namespace

const TEnumType CheckBoxStateType{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};

// ---- check boxes ----

const TClassInfo& TCustomCheckBox::StaticClass() {
  static const TClassInfo info{
      "TCustomCheckBox",
      &TButtonControl::StaticClass(),
      {EnumProperty("Alignment", AlignmentType, &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment,
                    taRightJustify),
       BoolProperty("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed, false),
       // State carries the check; Checked is the same fact and is not stored twice.
       [] {
         TPropInfo p = BoolProperty("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked, false);
         p.Stored = [](const TPersistent&) { return false; };
         return p;
       }(),
       EnumProperty("State", CheckBoxStateType, &TCustomCheckBox::State, &TCustomCheckBox::SetState, cbUnchecked)},
      {}};
  return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCustomCheckBox::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.StdClassName = L"BUTTON";
  p.Style |= allowGrayed_ || state_ == cbGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
  if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateHandleDone() {
  SendMessageW(handle_, BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

TCheckBoxState TCustomCheckBox::State() const {
  if (!handle_) return state_;
  const LRESULT check = SendMessageW(handle_, BM_GETCHECK, 0, 0);
  return check == BST_CHECKED ? cbChecked : check == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
}

void TCustomCheckBox::SetState(TCheckBoxState v) {
  if (v < cbUnchecked || v > cbGrayed) v = cbUnchecked;
  state_ = v;
  if (handle_) SendMessageW(handle_, BM_SETCHECK, static_cast<WPARAM>(v), 0);
}

void TCustomCheckBox::SetAlignment(TAlignment v) {
  alignment_ = v == taLeftJustify ? taLeftJustify : taRightJustify;
  if (!handle_) return;
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  style = alignment_ == taLeftJustify ? (style | BS_LEFTTEXT) : (style & ~static_cast<LONG_PTR>(BS_LEFTTEXT));
  SetWindowLongPtrW(handle_, GWL_STYLE, style);
  Invalidate();
}

void TCustomCheckBox::WndProc(TMessage& m) {
  if (m.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) {
      state_ = State();
      Click();
    }
    m.Result = 0;
    return;
  }
  TButtonControl::WndProc(m);
}

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info{"TCheckBox", &TCustomCheckBox::StaticClass(), {}, Make<TCheckBox>};
  return info;
}

// ---- radio buttons ----

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info{
      "TRadioButton",
      &TButtonControl::StaticClass(),
      {EnumProperty("Alignment", AlignmentType, &TRadioButton::Alignment, &TRadioButton::SetAlignment,
                    taRightJustify),
       BoolProperty("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked, false)},
      Make<TRadioButton>};
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.StdClassName = L"BUTTON";
  p.Style |= BS_AUTORADIOBUTTON;
  if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateHandleDone() {
  SendMessageW(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TRadioButton::Checked() const {
  if (!handle_) return checked_;
  return SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool v) {
  checked_ = v;
  if (handle_) SendMessageW(handle_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!v || !parent_) return;
  // One checked button among its siblings.
  for (int i = 0; i < parent_->ControlCount(); ++i) {
    auto* other = dynamic_cast<TRadioButton*>(parent_->Controls(i));
    if (other && other != this) {
      other->checked_ = false;
      if (other->handle_) SendMessageW(other->handle_, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

void TRadioButton::SetAlignment(TAlignment v) {
  alignment_ = v == taLeftJustify ? taLeftJustify : taRightJustify;
  if (!handle_) return;
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  style = alignment_ == taLeftJustify ? (style | BS_LEFTTEXT) : (style & ~static_cast<LONG_PTR>(BS_LEFTTEXT));
  SetWindowLongPtrW(handle_, GWL_STYLE, style);
  Invalidate();
}

void TRadioButton::WndProc(TMessage& m) {
  if (m.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) {
      SetChecked(true);
      Click();
    }
    m.Result = 0;
    return;
  }
  TButtonControl::WndProc(m);
}

// ---- radio groups ----

const TClassInfo& TCustomRadioGroup::StaticClass() {
  static const TClassInfo info{
      "TCustomRadioGroup",
      &TCustomControl::StaticClass(),
      {StrProperty("Caption", &TControl::Caption, &TControl::SetCaption),
       IntProperty("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns, 1),
       ListProperty("Items", &TCustomRadioGroup::Items, &TCustomRadioGroup::SetItems),
       IntProperty("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex, -1)},
      {}};
  return info;
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomControl(owner) {
  color_ = clBtnFace;
  parentColor_ = true;
  SetBounds(0, 0, 185, 105);
}

std::vector<TComponent*> TCustomRadioGroup::StoredChildren(const TComponent* root) const {
  std::vector<TComponent*> result;
  for (TComponent* c : TCustomControl::StoredChildren(root)) {
    bool own = false;
    for (TRadioButton* b : buttons_) own = own || c == b;
    if (!own) result.push_back(c);
  }
  return result;
}

void TCustomRadioGroup::SetItems(const std::vector<std::wstring>& items) {
  items_ = items;
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  MakeButtons();
}

void TCustomRadioGroup::MakeButtons() {
  while (buttons_.size() > items_.size()) {
    delete buttons_.back();  // unowned: leaves this group's children as it goes
    buttons_.pop_back();
  }
  while (buttons_.size() < items_.size()) {
    auto* button = new TRadioButton(nullptr);
    button->SetParent(this);
    button->OnClick.Code = [this, button](TComponent*) {
      for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i] == button) itemIndex_ = static_cast<int>(i);
      }
    };
    buttons_.push_back(button);
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetCaption(items_[i]);
    buttons_[i]->SetEnabled(Enabled());
    buttons_[i]->SetChecked(static_cast<int>(i) == itemIndex_);
  }
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int columns = columns_ < 1 ? 1 : columns_;
  const int rows = (static_cast<int>(buttons_.size()) + columns - 1) / columns;
  const int inset = Scaled(kGroupInset), captionHeight = Scaled(kGroupCaptionHeight);
  const int innerWidth = width_ - 2 * inset;
  const int innerHeight = height_ - captionHeight - Scaled(4);
  const int columnWidth = innerWidth / columns;
  const int rowHeight = rows > 0 ? innerHeight / rows : innerHeight;
  const int buttonHeight = Scaled(17);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int column = static_cast<int>(i) / rows, row = static_cast<int>(i) % rows;
    const int h = rowHeight < buttonHeight ? rowHeight : buttonHeight;
    buttons_[i]->SetBounds(inset + column * columnWidth, captionHeight + row * rowHeight + (rowHeight - h) / 2,
                           columnWidth - Scaled(2), h);
  }
}

void TCustomRadioGroup::SetItemIndex(int v) {
  if (HasState(csLoading)) {
    itemIndex_ = v;  // the items may come later in the description
    return;
  }
  if (v < -1 || v >= static_cast<int>(items_.size())) v = -1;
  itemIndex_ = v;
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == v);
}

void TCustomRadioGroup::SetColumns(int v) {
  columns_ = v < 1 ? 1 : v;
  ArrangeButtons();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  ArrangeButtons();
}

int TCustomRadioGroup::Scaled(int v) const { return MulDiv(v, scaleM_, scaleD_); }

void TCustomRadioGroup::ChangeScale(int M, int D) {
  if (M <= 0 || D <= 0) return;
  const int divisor = std::gcd(scaleM_ * M, scaleD_ * D);
  scaleM_ = scaleM_ * M / divisor;
  scaleD_ = scaleD_ * D / divisor;
  DisableAlign();
  TControl::ChangeScale(M, D);  // new bounds: the buttons are laid out again from them
  for (TControl* c : controls_) {
    bool own = false;
    for (TRadioButton* b : buttons_) own = own || c == b;
    if (!own) c->ChangeScale(M, D);
  }
  EnableAlign();
}

void TCustomRadioGroup::Loaded() {
  TCustomControl::Loaded();
  const int index = itemIndex_;
  itemIndex_ = -1;
  SetItemIndex(index);
}

void TCustomRadioGroup::EnabledChanged() {
  TCustomControl::EnabledChanged();
  for (TRadioButton* b : buttons_) b->SetEnabled(Enabled());
}

void TCustomRadioGroup::Paint() {
  TCanvas& canvas = Canvas();
  const TRect client = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(client);
  RECT frame{0, Scaled(kGroupCaptionHeight) / 2, client.Right, client.Bottom};
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring text = GetText();
  if (text.empty()) return;
  TRect measured{0, 0, 0, 0};
  canvas.DrawText(text, measured, DT_SINGLELINE | DT_CALCRECT);
  TRect place{Scaled(kGroupInset), 0, Scaled(kGroupInset) + measured.Width() + 4, measured.Height()};
  canvas.FillRect(place);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(text, place, DT_SINGLELINE | DT_CENTER);
  canvas.Brush().SetStyle(bsSolid);
}

const TClassInfo& TRadioGroup::StaticClass() {
  static const TClassInfo info{"TRadioGroup", &TCustomRadioGroup::StaticClass(), {}, Make<TRadioGroup>};
  return info;
}

void RegisterCheckControls() {
  RegisterComponentClass(TCheckBox::StaticClass());
  RegisterComponentClass(TRadioButton::StaticClass());
  RegisterComponentClass(TRadioGroup::StaticClass());
}

}  // namespace varnelta
