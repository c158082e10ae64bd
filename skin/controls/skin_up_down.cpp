#include "skin/controls/skin_up_down.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cwctype>

#include "skin/controls/range_maths.h"
#include "skin/frame/dpi_scale.h"

namespace varnelta {

namespace {
constexpr int kFrames = 8;
constexpr UINT kIsSkinned = 0x3523;
constexpr int kEditInset = 3;

RECT ToRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
}  // namespace

const TClassInfo& TSkinUpDown::StaticClass() {
  static const TClassInfo info{"TSkinUpDown", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

void TSkinUpDown::NoteEditParent() {
  HWND parent = FHandle ? GetParent(FHandle) : nullptr;
  wchar_t name[16]{};
  if (parent && GetClassNameW(parent, name, 16) && _wcsicmp(name, L"edit") == 0) FInEdit = true;
}

void TSkinUpDown::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  NoteEditParent();
}

void TSkinUpDown::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached) return;
  TSkinControl::AttachHandle(window, data, frame, canvas);
  NoteEditParent();
}

bool TSkinUpDown::Horizontal() const { return FHorizontal || (GetWindowLongEx(FHandle, GWL_STYLE) & UDS_HORZ); }

int TSkinUpDown::HalfAt(POINT p) const {
  RECT client{};
  GetClientRect(FHandle, &client);
  if (!PtInRect(&client, p)) return -1;
  const TUpDownHalves halves = SplitUpDown({0, 0, client.right, client.bottom}, Horizontal());
  return halves.First.Contains({p.x, p.y}) ? 0 : 1;
}

bool TSkinUpDown::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintOnWMPaint(message); return false;
    case WM_ERASEBKGND:
      if (!FControl) {
        RECT client{};
        GetClientRect(FHandle, &client);
        FillColour(reinterpret_cast<HDC>(message.WParam), client, RGB(255, 255, 255));
      }
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(message);
      pressedHalf_ = HalfAt({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      pressedHalf_ = -1;
      CallDefault(message);
      PaintWindow(nullptr);
      return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinUpDown::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      hot_ = true;
      TrackMouseLeave(FHandle);
      PaintWindow(nullptr);
      break;
    case WM_MOUSELEAVE:
      hot_ = false;
      PaintWindow(nullptr);
      break;
    case WM_CAPTURECHANGED:
      pressedHalf_ = -1;
      PaintWindow(nullptr);
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinUpDown::DrawPlainHalf(HDC dc, const RECT& r, int state, int half, bool horizontal, int dpi) const {
  FillColour(dc, r, SkinColour(state == 2 || state == 4 ? kColourButtonShadow : kColourButtonFace));
  FrameColour(dc, r, SkinColour(kColourButtonDkShadow));
  // A small arrow of lines: up / down, or left / right.
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  HPEN pen = CreatePen(PS_SOLID, 1, state == 3 ? SkinColour(kColourButtonShadow) : SkinColour(kColourButtonText));
  HGDIOBJ old = SelectObject(dc, pen);
  const int lines = ScalePixel(3, dpi);
  for (int i = 0; i < lines; ++i) {
    if (horizontal) {
      const int x = half == 0 ? cx - lines / 2 + i : cx + lines / 2 - i;
      MoveToEx(dc, x, cy - i, nullptr);
      LineTo(dc, x, cy + i + 1);
    } else {
      const int y = half == 0 ? cy - lines / 2 + i : cy + lines / 2 - i;
      MoveToEx(dc, cx - i, y, nullptr);
      LineTo(dc, cx + i + 1, y);
    }
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

void TSkinUpDown::Compose(const TComposed& look, const TDataSkinBorder* element) {
  ++compositions_;
  HDC b = buffer_.DC();
  FillFace(b, {0, 0, look.Width, look.Height});
  const TUpDownHalves halves = SplitUpDown({0, 0, look.Width, look.Height}, look.Horizontal);
  for (int half = 0; half < 2; ++half) {
    const RECT r = ToRect(half == 0 ? halves.First : halves.Second);
    const int state = look.States[half];
    if (!look.Pictured) {
      DrawPlainHalf(b, r, state, half, look.Horizontal, look.Dpi);
      continue;
    }
    const int frame = UpDownFrame(half, state);
    pictures_.DrawCell(b, r, element->Image, true, kFrames, frame);
    const TBitmap& glyphs = element->SecondImage;
    // The glyphs are drawn for 96 DPI and grow with the screen like the buttons around them.
    const int gw = ScalePixel(glyphs.Width() / kFrames, look.Dpi);
    const int gh = ScalePixel(glyphs.Height(), look.Dpi);
    if (gw <= 0 || gh <= 0) continue;
    const int gx = (r.left + r.right - gw) / 2, gy = (r.top + r.bottom - gh) / 2;
    pictures_.DrawCell(b, {gx, gy, gx + gw, gy + gh}, glyphs, true, kFrames, frame);
  }
}

void TSkinUpDown::Forget() {
  composedValid_ = false;
  pictures_.Clear();
}

void TSkinUpDown::Detach() {
  Forget();
  buffer_.Release();
  TSkinControl::Detach();
}

void TSkinUpDown::SkinChanged() {
  Forget();
  TSkinControl::SkinChanged();
}

void TSkinUpDown::PaintSkin(HDC dc, const RECT& rect) {
  RECT draw = rect;
  if (FInEdit) {
    RECT client{};
    GetClientRect(FHandle, &client);
    FillColour(dc, client, RGB(255, 255, 255));
    HWND edit = GetParent(FHandle);
    RECT editWindow{}, own{};
    if (edit && GetWindowRect(edit, &editWindow) && GetWindowRect(FHandle, &own)) {
      const TRect e{editWindow.left - own.left, editWindow.top - own.top, editWindow.right - own.left,
                    editWindow.bottom - own.top};
      draw = ToRect(KeepInsideEdit({rect.left, rect.top, rect.right, rect.bottom}, e, kEditInset));
    }
  }
  lastDraw_ = draw;
  const int width = draw.right - draw.left, height = draw.bottom - draw.top;
  if (width <= 0 || height <= 0) return;
  const bool horizontal = Horizontal();
  const bool disabled = (GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED) != 0;
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(FHandle, &cursor);
  const int cursorHalf = hot_ || pressedHalf_ >= 0 ? HalfAt(cursor) : -1;
  const TSkinElements* skin = Skin();
  const TDataSkinBorder* element = skin ? (horizontal ? skin->UpDownHorz.get() : skin->UpDownVert.get()) : nullptr;
  const bool pictured = element && !element->Image.Empty();
  TComposed wanted;
  wanted.Width = width;
  wanted.Height = height;
  wanted.Horizontal = horizontal;
  wanted.Pictured = pictured;
  wanted.Dpi = ScreenDpi();
  for (int half = 0; half < 2; ++half) {
    wanted.States[half] = UpDownHalfState(half, disabled, cursorHalf, pressedHalf_);
    lastStates_[half] = wanted.States[half];
  }
  const bool sameSize = buffer_.Width() == width && buffer_.Height() == height;
  if (!buffer_.Resize(dc, width, height)) return;
  if (!composedValid_ || !sameSize || !(composed_ == wanted)) {
    Compose(wanted, element);
    composed_ = wanted;
    composedValid_ = true;
  }
  buffer_.CopyTo(dc, draw.left, draw.top);
}

std::unique_ptr<TSkinControl> MakeEditUpDown(HWND edit, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (!edit || !data || !InSet(data->SkinControls(), xcSpin)) return nullptr;
  for (HWND child = GetTopWindow(edit); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[100]{};
    GetClassNameW(child, name, 100);
    std::wstring lower = name;
    for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
    if (lower != L"msctls_updown32" && lower.find(L"spin") == std::wstring::npos &&
        lower.find(L"updown") == std::wstring::npos) {
      continue;
    }
    if (SendMessageW(child, kIsSkinned, 0, 0) == 1) return nullptr;
    auto upDown = std::make_unique<TSkinUpDown>();
    upDown->FInEdit = true;
    upDown->AttachHandle(child, data, frame, canvas);
    return upDown;
  }
  return nullptr;
}

}  // namespace varnelta
