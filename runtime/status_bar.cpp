#include "runtime/status_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace varnelta {

const TEnumType StatusPanelBevelType{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};

std::wstring StatusPanelWindowText(const std::wstring& text, TAlignment alignment, bool rightToLeft) {
  if (rightToLeft && alignment != taCenter) {
    alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  }
  switch (alignment) {
    case taCenter: return L"\t" + text;
    case taRightJustify: return L"\t\t" + text;
    default: return text;
  }
}

// ---- panel ----

const TClassInfo& TStatusPanel::StaticClass() {
  static const TClassInfo info{
      "TStatusPanel",
      &TComponent::StaticClass(),
      {StrProperty("Text", &TStatusPanel::Text, &TStatusPanel::SetText),
       IntProperty("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth),
       EnumProperty("Alignment", AlignmentType, &TStatusPanel::Alignment, &TStatusPanel::SetAlignment, taLeftJustify),
       EnumProperty("Bevel", StatusPanelBevelType, &TStatusPanel::Bevel, &TStatusPanel::SetBevel, pbLowered),
       EnumProperty("BiDiMode", BiDiModeType, &TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode, bdLeftToRight)},
      [](TComponent* owner) -> TComponent* { return new TStatusPanel(owner); }};
  return info;
}

TStatusPanel::TStatusPanel(TComponent* owner) : TComponent(owner) {}

TStatusPanel::~TStatusPanel() { SetStatusBar(nullptr); }

void TStatusPanel::SetStatusBar(TStatusBar* bar) {
  if (bar_ == bar) return;
  if (bar_) {
    auto& list = bar_->panels_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (!bar_->HasState(csDestroying)) bar_->UpdatePanels();
  }
  bar_ = bar;
  if (bar_) {
    bar_->InsertComponent(this);
    bar_->panels_.push_back(this);
    bar_->UpdatePanels();
  }
}

void TStatusPanel::SetParentComponent(TComponent* parent) {
  if (auto* bar = dynamic_cast<TStatusBar*>(parent)) SetStatusBar(bar);
}

void TStatusPanel::Changed() {
  if (bar_) bar_->UpdatePanels();
}

void TStatusPanel::SetText(const std::wstring& v) {
  text_ = v;
  Changed();
}

void TStatusPanel::SetWidth(int v) {
  width_ = v < 0 ? 0 : v;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment v) {
  alignment_ = v;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel v) {
  bevel_ = v;
  Changed();
}

void TStatusPanel::SetBiDiMode(TBiDiMode v) {
  biDiMode_ = v;
  Changed();
}

// ---- bar ----

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo info{
      "TStatusBar",
      &TWinControl::StaticClass(),
      {BoolProperty("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel, false),
       StrProperty("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText),
       BoolProperty("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip, true),
       EnumProperty("BiDiMode", BiDiModeType, &TStatusBar::BiDiMode, &TStatusBar::SetBiDiMode, bdLeftToRight)},
      [](TComponent* owner) -> TComponent* { return new TStatusBar(owner); }};
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  color_ = clBtnFace;
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() {
  // The panels are owned components and go with the bar; they must not call back into it.
  for (TStatusPanel* p : panels_) p->bar_ = nullptr;
  panels_.clear();
}

TStatusPanel* TStatusBar::AddPanel() {
  auto* panel = new TStatusPanel(this);
  panel->SetStatusBar(this);
  return panel;
}

void TStatusBar::SetSimplePanel(bool v) {
  simplePanel_ = v;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::wstring& v) {
  simpleText_ = v;
  UpdatePanels();
}

void TStatusBar::SetBiDiMode(TBiDiMode v) {
  biDiMode_ = v;
  if (handle_) {
    LONG_PTR ex = GetWindowLongPtrW(handle_, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_RIGHT | WS_EX_RTLREADING);
    SetWindowLongPtrW(handle_, GWL_EXSTYLE, ex | static_cast<LONG_PTR>(BiDiExStyle(v)));
  }
  UpdatePanels();
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.StdClassName = STATUSCLASSNAMEW;
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY;
  if (sizeGrip_) params.Style |= SBARS_SIZEGRIP;
  params.ExStyle |= BiDiExStyle(biDiMode_);
}

void TStatusBar::CreateHandleDone() { UpdatePanels(); }

void TStatusBar::UpdatePanels() {
  if (!handle_) return;
  const bool simple = simplePanel_ || panels_.empty();
  if (!panels_.empty()) {
    std::vector<int> edges;
    int right = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
      right += panels_[i]->Width();
      edges.push_back(i + 1 == panels_.size() ? -1 : right);
    }
    SendMessageW(handle_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < panels_.size(); ++i) {
      const TStatusPanel& p = *panels_[i];
      const bool rtl = p.BiDiMode() == bdRightToLeft || biDiMode_ == bdRightToLeft;
      const std::wstring text = StatusPanelWindowText(p.Text(), p.Alignment(), rtl);
      WPARAM flags = i;
      if (p.Bevel() == pbNone) flags |= SBT_NOBORDERS;
      if (p.Bevel() == pbRaised) flags |= SBT_POPOUT;
      if (p.BiDiMode() != bdLeftToRight) flags |= SBT_RTLREADING;
      SendMessageW(handle_, SB_SETTEXTW, flags, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  SendMessageW(handle_, SB_SIMPLE, simple ? TRUE : FALSE, 0);
  if (simple) SendMessageW(handle_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
  InvalidateRect(handle_, nullptr, TRUE);
}

std::vector<TComponent*> TStatusBar::StoredChildren(const TComponent* root) const {
  std::vector<TComponent*> result(panels_.begin(), panels_.end());
  const std::vector<TComponent*> controls = TWinControl::StoredChildren(root);
  result.insert(result.end(), controls.begin(), controls.end());
  return result;
}

}  // namespace varnelta
