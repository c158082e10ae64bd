// TSkinUpDown: up-down (spin) controls painted whole: two halves (top and bottom, or left and
// right), each from frames 1-4 (first) or 5-8 (second) of UpDownVert / UpDownHorz with the
// glyph cell of the same number on it, or plain face-coloured buttons with line arrows without
// the picture. Inside an edit it keeps 3 pixels inside the edit's border on a white ground.
// The composed picture is kept and only made again when the size, a half's state or the skin
// changes; the stretched cells it is made of are kept too.
#pragma once

#include <memory>

#include "skin/controls/paint_buffer.h"
#include "skin/controls/picture_cache.h"
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
  void Detach() override;
  void SkinChanged() override;
  const TPictureCache& Pictures() const { return pictures_; }
  // Paints that composed the picture again (the others only copied it).
  int Compositions() const { return compositions_; }

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
  void DrawPlainHalf(HDC dc, const RECT& r, int state, int half, bool horizontal, int dpi) const;
  // What the buffer holds: the picture is composed again when any of it changes.
  struct TComposed {
    int Width = 0, Height = 0;
    bool Horizontal = false, Pictured = false;
    int Dpi = 96;
    int States[2]{0, 0};
    bool operator==(const TComposed&) const = default;
  };
  void Compose(const TComposed& look, const TDataSkinBorder* element);
  // Drops the composed picture and the cells (the skin changed or the skinner let go).
  void Forget();
  TPaintBuffer buffer_;
  TPictureCache pictures_;
  TComposed composed_;
  bool composedValid_ = false;
  int compositions_ = 0;
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
