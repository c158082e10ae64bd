#include "skin/controls/skin_button.h"

#include <cctype>
#include <cwctype>

#include "runtime/graphics.h"
#include "runtime/win_control.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/property_access.h"
#include "skin/data/win32/skin_platform.h"

namespace varnelta {

namespace {
constexpr UINT kDialogKey = 0xB005;    // CM_DIALOGKEY
constexpr UINT kFocusChanged = 0xB007;  // CM_FOCUSCHANGED
constexpr int kTransparentTag = 5555;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}
}  // namespace

const TClassInfo& TSkinButton::StaticClass() {
  static const TClassInfo info{"TSkinButton", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

bool TSkinButton::HasPicture() const {
  const TSkinElements* skin = Skin();
  return skin && skin->Buttons && !skin->Buttons->Image.Empty();
}

void TSkinButton::ApplySkinState() {
  // Without a Buttons picture the skinner stands aside and the button keeps the system look.
  FActive = HasPicture();
  FTransparent = (FControl && FControl->Tag() == kTransparentTag) ||
                 (FSkinData && (FSkinData->Options() & SkinBit(xoTransparent)));
}

void TSkinButton::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  const std::string name = control ? Lower(control->ClassName()) : std::string();
  FKind = name.starts_with("trz") || name.starts_with("tel") ? 1 : 0;
  ApplySkinState();
}

void TSkinButton::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached) return;
  TSkinControl::AttachHandle(window, data, frame, canvas);
  ApplySkinState();
}

void TSkinButton::SkinChanged() {
  ApplySkinState();
  TSkinControl::SkinChanged();
}

bool TSkinButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintOnWMPaint(message); return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    case WM_TIMER:
      // The native button's own animation timer would paint the system look over the skin.
      if (message.WParam != 1) return true;
      KillTimer(FHandle, 1);
      message.Result = 0;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != FHandle) SetFocus(FHandle);
      FMouseState |= kMousePressed;
      PaintWindow(nullptr);
      if (FKind == 0 && FControl) ForwardMouseDown(message);
      message.Result = 0;
      return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT: PaintWindow(nullptr); break;
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) {
        FMouseState |= kMousePressed;
        Repaint();
      }
      break;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        FMouseState &= static_cast<std::uint8_t>(~kMousePressed);
        Repaint();
      }
      break;
    case WM_MOUSEMOVE:
      if (!(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED) && !(FMouseState & kMouseHot)) {
        FMouseState |= kMouseHot;
        Repaint();
      }
      TrackMouseLeave(FHandle);
      break;
    case WM_LBUTTONUP:
      if (FMouseState & kMousePressed) {
        FMouseState &= static_cast<std::uint8_t>(~kMousePressed);
        Repaint();
        Click();
      }
      break;
    case WM_MOUSELEAVE:
      FMouseState = 0;
      Repaint();
      break;
    // The native button draws its state, check and default look straight onto the screen
    // (not through WM_PAINT), so the skin is drawn again over it.
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
    case kDialogKey:
    case kFocusChanged: PaintWindow(nullptr); break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinButton::Click() {
  if (FControl) {
    FControl->Click();
    return;
  }
  if (!FHandle || !IsWindow(FHandle)) return;
  const std::wstring className = WindowClassName(FHandle);
  std::wstring lower;
  for (wchar_t c : className) lower.push_back(static_cast<wchar_t>(std::towlower(c)));
  const WORD id = lower == L"tbutton" ? 0 : static_cast<WORD>(GetDlgCtrlID(FHandle));
  PostMessageW(GetParent(FHandle), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(FHandle));
}

COLORREF TSkinButton::TextColour(const TDataSkinButton& b, int frame, COLORREF base) {
  COLORREF colour = base;
  if (b.HasNormalColour2) colour = ColorToRGB(b.NormalColour2);
  if (frame == bfHot && b.HasMouseOverColour2) colour = ColorToRGB(b.MouseOverColour2);
  if (frame == bfPressed && b.HasPressedColour2) colour = ColorToRGB(b.PressedColour2);
  if (frame == bfDisabled) colour = GetSysColor(COLOR_BTNSHADOW);
  return colour;
}

void TSkinButton::PaintSkin(HDC dc, const RECT& rect) {
  if (!HasPicture()) return;
  const TDataSkinButton& buttons = *Skin()->Buttons;
  const LONG_PTR style = GetWindowLongEx(FHandle, GWL_STYLE);
  FEnabled = !(style & WS_DISABLED);
  FFocused = GetFocus() == FHandle;
  bool isDefault = false;
  if (FControl) {
    isDefault = GetEnumPropertyText(FControl, "Default") == "true";
    FText = GetTextProperty(FControl, "Caption");
  } else {
    isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    FText = ReadWindowText(FHandle);
  }
  const int frame = PushButtonFrame(FMouseState, FEnabled, FFocused, isDefault);
  lastFrame_ = frame;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!FBuffer.Resize(dc, width, height)) return;
  HDC buffer = FBuffer.DC();
  const RECT area{0, 0, width, height};
  if (FTransparent && FControl) {
    PaintParentBackground(FControl, buffer);
  } else {
    FillFace(buffer, area);
  }
  DrawElementFrame(buffer, area, buttons.FrameCount > 0 ? buttons.FrameCount : 5, frame, buttons);
  HFONT font = nullptr;
  COLORREF colour = SkinColour(kColourButtonText);
  if (FControl && FControl->Font()) {
    font = FControl->Font()->Handle();
    colour = ColorToRGB(FControl->Font()->Color());
  } else {
    font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  }
  HGDIOBJ oldFont = font ? SelectObject(buffer, font) : nullptr;
  SetTextColor(buffer, TextColour(buttons, frame, colour));
  DrawCaption(buffer, area, FText);
  if (oldFont) SelectObject(buffer, oldFont);
  FBuffer.CopyTo(dc, rect.left, rect.top);
}

bool TSkinButton::FocusRectWanted() const {
  return !(FSkinData && (FSkinData->Options() & SkinBit(xoNoFocusRect)));
}

void TSkinButton::DrawCaption(HDC dc, const RECT& rect, const std::wstring& caption) {
  const std::wstring text = ReplaceFirstBar(caption);
  const UINT format = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK;
  RECT t{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawTextEx(dc, text, t, format | DT_CALCRECT | DT_NOCLIP);
  const TRect placed = CentreBlock({rect.left, rect.top, rect.right, rect.bottom},
                                   {t.right - t.left, t.bottom - t.top}, true);
  RECT box{placed.Left, placed.Top, placed.Right, placed.Bottom};
  DrawTextEx(dc, text, box, TextFlags(format));
  SetBkMode(dc, oldMode);
  if (FFocused && FocusRectWanted()) {
    InflateRect(&box, 2, 2);
    DrawFocusRect(dc, &box);
  }
}

}  // namespace varnelta
