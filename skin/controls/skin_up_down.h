// TSkinUpDown: up-down (spin) controls painted whole: two halves (top and bottom, or left and
// right), each from frames 1-4 (first) or 5-8 (second) of UpDownVert / UpDownHorz with the
// glyph cell of the same number on it, or plain face-coloured buttons with line arrows without
// the picture. Inside an edit it keeps 3 pixels inside the edit's border on a white ground.
#pragma once

#include <memory>

#include "skin/controls/paint_buffer.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinUpDown : public TSkinControl {
  VARNELTA_CLASS()
 public:
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  bool FInEdit = false;      // the up-down sits inside an edit
  bool FHorizontal = false;  // laid out left and right whatever its style

  // The states (1 normal, 2 pressed, 3 disabled, 4 hot) the halves showed at the last paint.
  int LastState(int half) const { return lastStates_[half == 0 ? 0 : 1]; }
  RECT LastDrawRect() const { return lastDraw_; }

 private:
  // An up-down whose parent window is an edit sits inside it, whoever attached it.
  void NoteEditParent();
  bool Horizontal() const;
  // The half under a client point: 0 first, 1 second, -1 outside.
  int HalfAt(POINT p) const;
  void DrawPlainHalf(HDC dc, const RECT& r, int state, int half, bool horizontal) const;
  TPaintBuffer buffer_;
  int pressedHalf_ = -1;
  bool hot_ = false;
  int lastStates_[2]{1, 1};
  RECT lastDraw_{};
};

// The skinner of an edit's spin child: the first child window whose class name, lower-cased, is
// "msctls_updown32" or contains "spin" or "updown", taken by its window and marked as inside an
// edit; none when spin controls are not skinned, there is no such child, or it is skinned already.
std::unique_ptr<TSkinControl> MakeEditUpDown(HWND edit, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas);

}  // namespace varnelta
