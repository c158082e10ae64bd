// TStatusBar: the common-controls status bar along the bottom of a form, with its panels
// (TStatusPanel: text, width, alignment, bevel, reading order) or, in simple mode, one text over
// the whole bar. Panels are stored with the form as objects nested inside the bar.
#pragma once

#include <vector>

#include "runtime/panels.h"
#include "runtime/std_controls.h"

namespace varnelta {

class TStatusBar;

enum TStatusPanelBevel : int { pbNone, pbLowered, pbRaised };
extern const TEnumType StatusPanelBevelType;

class TStatusPanel : public TComponent {
  VARNELTA_CLASS()
 public:
  explicit TStatusPanel(TComponent* owner);
  ~TStatusPanel() override;
  std::wstring Text() const { return text_; }
  void SetText(const std::wstring& v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel v);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v);
  TStatusBar* StatusBar() const { return bar_; }
  // Joins a bar (the bar then owns the panel); null leaves the bar it is in.
  void SetStatusBar(TStatusBar* bar);
  void SetParentComponent(TComponent* parent) override;

 private:
  friend class TStatusBar;
  void Changed();
  std::wstring text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TBiDiMode biDiMode_ = bdLeftToRight;
  TStatusBar* bar_ = nullptr;
};

class TStatusBar : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  TStatusPanel* Panel(int index) const { return panels_.at(static_cast<std::size_t>(index)); }
  // A new panel at the end.
  TStatusPanel* AddPanel();
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool v);
  std::wstring SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::wstring& v);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool v) { sizeGrip_ = v; }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v);
  // Hands the panels' edges, texts, alignments and bevels to the window.
  void UpdatePanels();
  std::vector<TComponent*> StoredChildren(const TComponent* root) const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  friend class TStatusPanel;
  std::vector<TStatusPanel*> panels_;
  bool simplePanel_ = false;
  std::wstring simpleText_;
  bool sizeGrip_ = true;
  TBiDiMode biDiMode_ = bdLeftToRight;
};

// The text a status bar window is given for a panel: a tab before centred text, two before
// right-aligned text (left and right swapped in right-to-left reading order).
std::wstring StatusPanelWindowText(const std::wstring& text, TAlignment alignment, bool rightToLeft);

}  // namespace varnelta
