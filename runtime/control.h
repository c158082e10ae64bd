// Controls: the visual components. TControl holds what every control has (parent, bounds,
// alignment, visibility, enabled state, colour and font with the parent's colour and font,
// text, hint, click event) and a replaceable message handler `WindowProc`: a skinner saves
// it, installs its own, calls the saved one for what it leaves alone and puts it back.
//
// Windowless controls (TGraphicControl: labels, later status panes and speed buttons) have
// no window: their parent paints them (a WM_PAINT with the parent's device context in
// WParam, origin moved to the control) and forwards mouse messages to them in their own
// coordinates. Windowed controls (TWinControl, win_control.h) own a window.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "runtime/component.h"
#include "runtime/graphics.h"
#include "runtime/types.h"

namespace varnelta {

class TWinControl;
class TCustomForm;
class TPopupMenu;

using TWndMethod = std::function<void(TMessage&)>;

extern const TEnumType AlignType;  // alNone, alTop, alBottom, alLeft, alRight, alClient

class TControl : public TComponent {
  VARNELTA_CLASS()
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // The message handler every message of this control passes through. Starts as WndProc.
  TWndMethod WindowProc;
  // Sends a message through WindowProc and gives its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // The control's own handling; ends in DefaultHandler.
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  TCustomForm* ParentForm() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign v);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  TColor Color() const { return color_; }
  void SetColor(TColor v);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  TFont* Font() const { return font_.get(); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);

  // Caption and Text are the same text; windowed controls keep it in their window.
  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& v) { SetText(v); }
  virtual std::wstring GetText() const { return text_; }
  virtual void SetText(const std::wstring& v);

  std::wstring Hint() const { return hint_; }
  void SetHint(const std::wstring& v);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);

  TNotifyEvent OnClick;
  virtual void Click();

  // The menu shown on a right-click or the context menu key.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
  void Notification(TComponent* component) override;

  virtual bool IsWindowed() const { return false; }
  // Repaints the control's area (for a windowless control, the part of its parent).
  virtual void Invalidate();
  virtual void Update();
  void Repaint() {
    Invalidate();
    Update();
  }

  // Scales bounds (and its own font) from D to M dots per inch.
  virtual void ChangeScale(int M, int D);

  void Loaded() override;

 protected:
  friend class TWinControl;
  // Reactions to changes, called through the control messages so skinners see them.
  virtual void VisibleChanging() {}
  virtual void ColorChanged();
  virtual void FontChanged();
  virtual void TextChanged() {}
  virtual void EnabledChanged() {}
  virtual void HintChanged() {}
  void ParentColorChanged();
  void ParentFontChanged();
  void RequestAlign();
  // Keeps a new window position in the fields without moving anything.
  void UpdateBoundsFields(int left, int top, int width, int height);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool applyingParentFont_ = false;
  std::wstring text_;
  std::wstring hint_;
  bool showHint_ = false;
  bool mouseDown_ = false;
  TPopupMenu* popupMenu_ = nullptr;
};

// A windowless control drawn on its parent's surface.
class TGraphicControl : public TControl {
  VARNELTA_CLASS()
 public:
  explicit TGraphicControl(TComponent* owner);
  void WndProc(TMessage& message) override;
  TCanvas& Canvas() { return canvas_; }

 protected:
  // Draws the control; Canvas() is set to the parent's device context with the origin at the
  // control's top left corner and the clip limited to the control.
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

}  // namespace varnelta
