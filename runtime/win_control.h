// Windowed controls: a TWinControl owns a window made on demand (parents first). Every window
// of the runtime carries its control object in the window property named by the atom
// "ControlOfs%.8X%.8X" (instance handle, thread id), so code that only has a window handle
// finds the control (FindControl). Standard controls (BUTTON, EDIT, COMBOBOX) are subclassed
// right after creation; the runtime's own classes use its window procedure from the first
// message. Either way every message passes through the control's WindowProc.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/control.h"
#include "runtime/control_lookup.h"
#include "runtime/win_handles.h"

namespace varnelta {

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  // A standard window class to create and subclass (L"BUTTON"), or empty for a class of the
  // runtime registered under WinClassName.
  std::wstring StdClassName;
  std::wstring WinClassName;
  UINT ClassStyle = CS_DBLCLKS;
  HICON Icon = nullptr;
  HICON SmallIcon = nullptr;
};

class TWinControl : public TControl {
  VARNELTA_CLASS()
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();  // creates the window when it does not exist yet
  HWND HandleIfAllocated() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();
  bool IsWindowed() const override { return true; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The topmost visible windowless child under a client point, or none.
  TControl* ControlAtPos(TPoint p, bool allowDisabled = false) const;
  // Paints the visible windowless children, each clipped to its bounds, into a DC of the client
  // area (for painters that replace the control's own WM_PAINT).
  void PaintWindowlessChildren(HDC dc) { PaintControls(dc); }

  int TabOrder() const;
  void SetTabOrder(int v);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  // Windowed children in tab order (nested ones after their parent).
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool v) override;
  TRect ClientRect() const override;
  std::wstring GetText() const override;
  void SetText(const std::wstring& v) override;
  void Invalidate() override;
  void Update() override;

  // Alignment of the children inside the client area (less what AdjustClientRect removes).
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  virtual void AdjustClientRect(TRect& rect) const { (void)rect; }

  // The brush the control's background is filled with (its Color).
  HBRUSH BrushHandle();
  void ChangeScale(int M, int D) override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Loaded() override;
  std::vector<TComponent*> StoredChildren(const TComponent* root) const override;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // After the window exists: font, state, children.
  virtual void CreateHandleDone() {}
  // Paints the control's own surface (own window classes only); children are painted after.
  virtual void PaintWindow(HDC dc) { (void)dc; }
  void PaintControls(HDC dc);
  bool HasWindowlessChildren() const;
  void ColorChanged() override;
  void FontChanged() override;
  void EnabledChanged() override;
  void HintChanged() override;
  // Z-order of the children windows follows the tab order.
  void UpdateTabOrder();
  // Focus moved to this control's window.
  virtual void DoEnter();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  int tabOrder_ = -1;  // position among the windowed siblings
  bool tabStop_ = false;
  int alignDisabled_ = 0;
  bool realigning_ = false;
  TBrush brush_;

 private:
  friend LRESULT CALLBACK RuntimeWindowProc(HWND, UINT, WPARAM, LPARAM);
  void MouseForChildren(TMessage& message, bool& handled);
  TControl* mouseCapture_ = nullptr;
  TControl* mouseOver_ = nullptr;
};

LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace varnelta
