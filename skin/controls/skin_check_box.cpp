#include "skin/controls/skin_check_box.h"

#include "runtime/graphics.h"
#include "runtime/win_control.h"
#include "skin/controls/choice_cells.h"
#include "skin/controls/property_access.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {
constexpr UINT kPrintClient = 0x317;  // WM_PRINT
constexpr UINT kExit = 0xB01B;        // CM_EXIT
constexpr UINT kStateChanged = 0xB0D0;
constexpr int kTransparentTag = 5555;
constexpr int kTextGap = 2;

std::optional<std::string> PropertyText(const TControl* control, std::string_view name) {
  if (!control || !FindPropInfo(control, name)) return std::nullopt;
  const std::string text = GetEnumPropertyText(control, name);
  return text;
}
}  // namespace

const TClassInfo& TSkinCheckBox::StaticClass() {
  static const TClassInfo info{"TSkinCheckBox", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

const TBitmap* TSkinCheckBox::Picture(int& cellCount) const {
  const TSkinElements* skin = Skin();
  if (!skin || !skin->Buttons || skin->Buttons->CheckImage.Empty()) return nullptr;
  cellCount = UsableCellCount(skin->Buttons->CheckFrameCount);
  return &skin->Buttons->CheckImage;
}

void TSkinCheckBox::ApplySkinState() {
  int cells = 0;
  FKind = FControl && Picture(cells) ? 1 : 0;
  FTransparent = (FControl && FControl->Tag() == kTransparentTag) ||
                 (FSkinData && (FSkinData->Options() & SkinBit(xoTransparent)));
}

void TSkinCheckBox::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  FCheckState = 0;
  ApplySkinState();
}

void TSkinCheckBox::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached) return;
  TSkinControl::AttachHandle(window, data, frame, canvas);
  FCheckState = 0;
  ApplySkinState();
}

void TSkinCheckBox::SkinChanged() {
  ApplySkinState();
  TSkinControl::SkinChanged();
}

bool TSkinCheckBox::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
    case WM_PAINT:
    case kPrintClient:
      if (FKind != 1) return true;
      PaintOnWMPaint(message);
      return false;
    case WM_ERASEBKGND:
      if (!FTransparent || FKind != 1) return true;
      EraseOnWMEraseBkgnd(message);
      return false;
    default: return true;
  }
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case BM_SETCHECK:
      FCheckState = static_cast<int>(message.WParam) + 1;
      Repaint();
      break;
    // The native button draws its pressed, focused and checked looks straight onto the screen.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case BM_SETSTATE:
    case kExit:
    case kStateChanged: Repaint(); break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

int TSkinCheckBox::ChooseCell(int cellCount) const {
  const LRESULT state = SendMessageW(FHandle, BM_GETSTATE, 0, 0);
  TCheckBoxFacts facts;
  facts.Checked = (state & BST_CHECKED) != 0;
  facts.Indeterminate = (state & BST_INDETERMINATE) != 0;
  facts.Disabled = (GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED) != 0;
  facts.HasControl = FControl != nullptr;
  facts.State = PropertyText(FControl, "State");
  facts.CheckedProperty = PropertyText(FControl, "Checked");
  facts.HasDataField = FControl && FindPropInfo(FControl, "DataField");
  facts.HasDataBinding = FControl && FindPropInfo(FControl, "DataBinding");
  facts.CheckState = FCheckState;
  return CheckBoxCell(facts, cellCount);
}

void TSkinCheckBox::PaintSkin(HDC dc, const RECT& rect) {
  int cells = 0;
  const TBitmap* picture = Picture(cells);
  if (!picture) {
    FKind = 0;
    return;
  }
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const LONG_PTR style = GetWindowLongEx(FHandle, GWL_STYLE);
  FEnabled = !(style & WS_DISABLED);
  FFocused = GetFocus() == FHandle;
  const int dpi = ScreenDpi();
  const int w = ScalePixel(picture->Width() / cells, dpi), h = ScalePixel(picture->Height(), dpi);
  const bool leftText = (style & BS_LEFTTEXT) != 0;
  RECT box{};
  box.top = (height - h) / 2;
  box.bottom = box.top + h;
  if (leftText) {
    box.right = width - RightInset();
    box.left = box.right - w;
  } else {
    box.left = 0;
    box.right = w;
  }
  lastBox_ = box;
  lastCell_ = ChooseCell(cells);
  if (FKind != 1) {
    // Over the native paint: only the box.
    gdi::DrawFrameCell(dc, {rect.left + box.left, rect.top + box.top, rect.left + box.right, rect.top + box.bottom},
                       *picture, true, cells, lastCell_);
    return;
  }
  if (!buffer_.Resize(dc, width, height)) return;
  HDC b = buffer_.DC();
  const RECT all{0, 0, width, height};
  if (FTransparent && FControl) {
    FillFace(b, all);
    PaintParentBackground(FControl, b);
  } else {
    FillFace(b, all);
  }
  gdi::DrawFrameCell(b, {box.left, box.top, box.right, box.bottom}, *picture, true, cells, lastCell_);
  FText = GetTextProperty(FControl, "Caption");
  if (FText.empty()) FText = ReadWindowText(FHandle);
  RECT text = leftText ? RECT{0, 0, box.left - kTextGap, height} : RECT{box.right + kTextGap, 0, width, height};
  HFONT font = FControl->Font() ? FControl->Font()->Handle() : reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(b, font) : nullptr;
  const COLORREF colour = FEnabled && FControl->Font() ? ColorToRGB(FControl->Font()->Color()) : GetSysColor(COLOR_BTNSHADOW);
  const COLORREF oldColour = SetTextColor(b, colour);
  const COLORREF oldBack = SetBkColor(b, SkinColour(kColourButtonFace));
  const int oldMode = SetBkMode(b, TRANSPARENT);
  const UINT format = TextFlags(DT_EXPANDTABS | DT_WORDBREAK | (leftText ? DT_RIGHT : 0));
  RECT measured = text;
  DrawTextEx(b, FText, measured, format | DT_CALCRECT | DT_NOCLIP);
  const int th = measured.bottom - measured.top;
  text.top = (height - th) / 2;
  text.bottom = text.top + th;
  lastText_ = text;
  if (FFocused && !FText.empty()) DrawFocusAroundText(b, DT_EXPANDTABS | DT_WORDBREAK | (leftText ? DT_RIGHT : 0), text);
  DrawTextEx(b, FText, text, format);
  SetBkMode(b, oldMode);
  SetBkColor(b, oldBack);
  SetTextColor(b, oldColour);
  if (oldFont) SelectObject(b, oldFont);
  buffer_.CopyTo(dc, rect.left, rect.top);
}

}  // namespace varnelta
