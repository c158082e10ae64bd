#include "skin/controls/skin_speed_button.h"

#include "runtime/glyph.h"
#include "runtime/graphics.h"
#include "runtime/win_control.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/property_access.h"

namespace varnelta {

namespace {
constexpr UINT kRelease = 0xB021;       // CM_RELEASE
constexpr UINT kFocusChanged = 0xB007;  // CM_FOCUSCHANGED
}  // namespace

// Lives inside the button's message handler: when the button object is freed with its handler
// still ours, the skinner learns of it.
struct TSkinSpeedButton::TLifeGuard {
  TSkinSpeedButton* Skinner = nullptr;
  ~TLifeGuard() {
    if (Skinner) Skinner->ButtonGone();
  }
};

const TClassInfo& TSkinSpeedButton::StaticClass() {
  static const TClassInfo info{"TSkinSpeedButton", &TSkinBitButton::StaticClass(), {}, {}};
  return info;
}

TSkinSpeedButton::~TSkinSpeedButton() { Disarm(); }

void TSkinSpeedButton::Disarm() {
  if (auto guard = guard_.lock()) guard->Skinner = nullptr;
}

void TSkinSpeedButton::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool) {
  AttachSpeedButton(control, data, canvas);
}

void TSkinSpeedButton::AttachSpeedButton(TControl* button, TSkinData* data, TCanvas* canvas) {
  if (FAttached || !button) return;
  FAttached = true;
  FSkinData = data;
  FCanvas = canvas;
  FControl = button;
  FPaintTarget = button;
  FOldWindowProc = button->WindowProc;
  auto guard = std::make_shared<TLifeGuard>();
  guard->Skinner = this;
  guard_ = guard;
  button->WindowProc = [this, guard](TMessage& message) {
    (void)guard;
    WindowProcedure(message);
  };
  FState = scsAttached;
  FActive = HasPicture();
  FTransparent = button->Tag() == 5555 || (data && (data->Options() & SkinBit(xoTransparent)));
  button->Invalidate();
}

void TSkinSpeedButton::ButtonGone() {
  FActive = false;
  FOldWindowProc = nullptr;
  FControl = nullptr;
  FPaintTarget = nullptr;
  FState = scsWindowDestroyed;
}

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      if (dc && FControl) PaintSpeedButton(dc, {0, 0, FControl->Width(), FControl->Height()});
      message.Result = 1;
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The button keeps its own press logic.
      CallDefault(message);
      FMouseState |= kMousePressed;
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP: return true;
    default: return TSkinButton::BeforeMessage(message);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_ENABLE:
    case kFocusChanged:
    case CM_ENABLEDCHANGED:
    case WM_MOUSEMOVE: break;
    case kRelease:
      if (FControl && FOldWindowProc) {
        Disarm();
        Unhook();
      }
      break;
    case WM_LBUTTONUP:
      FMouseState &= static_cast<std::uint8_t>(~kMousePressed);
      PaintWindow(nullptr);
      break;
    case CM_MOUSEENTER:
      FMouseState |= kMouseHot;
      PaintWindow(nullptr);
      break;
    case CM_MOUSELEAVE:
      FMouseState = 0;
      if (FControl && FControl->Visible()) PaintWindow(nullptr);
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinSpeedButton::PaintWindow(HDC) {
  if (!FControl || !FControl->Parent()) return;
  TWinControl* parent = FControl->Parent();
  HWND window = parent->HandleIfAllocated();
  if (!window || !FControl->Showing()) return;
  HDC dc = GetDC(window);
  if (!dc) return;
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, FControl->Left(), FControl->Top(), nullptr);
  IntersectClipRect(dc, 0, 0, FControl->Width(), FControl->Height());
  try {
    PaintSpeedButton(dc, {0, 0, FControl->Width(), FControl->Height()});
  } catch (...) {
  }
  RestoreDC(dc, saved);
  ReleaseDC(window, dc);
}

void TSkinSpeedButton::PaintSpeedButton(HDC dc, const RECT& rect) {
  if (FPainting || !HasPicture() || !FControl) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  FPainting = true;
  struct TClear {
    bool& flag;
    ~TClear() { flag = false; }
  } clear{FPainting};
  const TSkinElements* skin = Skin();
  if (!skin || !skin->Buttons) return;
  const TDataSkinButton& buttons = *skin->Buttons;
  FEnabled = GetEnumPropertyText(FControl, "Enabled") == "true";
  const bool down = GetEnumPropertyText(FControl, "Down") == "true";
  const bool flat = GetEnumPropertyText(FControl, "Flat") == "true";
  FFocused = false;  // a windowless button never has the focus
  FText = GetTextProperty(FControl, "Caption");
  const int frame = SpeedButtonFrame(FMouseState, FEnabled, down);
  RememberFrame(frame);
  if (!FBuffer.Resize(dc, width, height)) return;
  HDC buffer = FBuffer.DC();
  const RECT area{0, 0, width, height};
  if (FTransparent) {
    PaintParentBackground(FControl, buffer);
  } else {
    FillFace(buffer, area);
  }
  if (SpeedButtonShowsPicture(frame, flat)) {
    DrawElementFrame(buffer, area, buttons.FrameCount > 0 ? buttons.FrameCount : 5, frame, buttons);
  }
  HGDIOBJ oldFont = FControl->Font() ? SelectObject(buffer, FControl->Font()->Handle()) : nullptr;
  const COLORREF fontColour = FControl->Font() ? ColorToRGB(FControl->Font()->Color()) : SkinColour(kColourButtonText);
  int numGlyphs = 1;
  const TGlyph* glyph = GlyphOf(numGlyphs);
  if (glyph && !glyph->Empty()) {
    COLORREF colour = fontColour;
    if (frame == bfNormal && buttons.HasNormalColour2) colour = ColorToRGB(buttons.NormalColour2);
    if (frame == bfHot && buttons.HasMouseOverColour2) colour = ColorToRGB(buttons.MouseOverColour2);
    if (frame == bfPressed && buttons.HasPressedColour2) colour = ColorToRGB(buttons.PressedColour2);
    if (frame == bfDisabled) colour = GetSysColor(COLOR_BTNSHADOW);
    DrawGlyphLayout(buffer, area, GlyphCellForFrame(frame, down), colour, false);
  } else {
    SetTextColor(buffer, TextColour(buttons, frame, fontColour));
    DrawCaption(buffer, area, FText);
  }
  if (oldFont) SelectObject(buffer, oldFont);
  FBuffer.CopyTo(dc, rect.left, rect.top);
}

}  // namespace varnelta
