#include "skin/controls/skin_tab.h"

#include <commctrl.h>
#include <windowsx.h>

#include "runtime/class_registry.h"
#include "runtime/dib_section.h"
#include "runtime/tab_controls.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/tab_geometry.h"
#include "skin/data/img_util.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/win32/picture_draw.h"
#include "skin/frame/win_skin_form.h"

namespace varnelta {

namespace {
constexpr int kTabFrames = 5;
constexpr int kTextChars = 80;
constexpr UINT kIsSkinned = 0x3523;

RECT ToRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
TRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

TTabItem ReadTabItem(HWND tabs, int index) {
  // The text buffer is counted in characters of the wide call.
  wchar_t text[kTextChars + 1]{};
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text;
  item.cchTextMax = kTextChars;
  item.iImage = -1;
  if (!SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) {
    text[0] = 0;
    item.iImage = -1;
  }
  text[kTextChars] = L'\0';
  return {text, item.iImage};
}

const TClassInfo& TSkinTab::StaticClass() {
  static const TClassInfo info{"TSkinTab", &TSkinControl::StaticClass(), {}, {}};
  return info;
}

TSkinTab::TSkinTab() = default;
TSkinTab::~TSkinTab() = default;

void TSkinTab::Prepare() {
  const LONG_PTR style = GetWindowLongEx(FHandle, GWL_STYLE);
  FEnabled = !(style & WS_DISABLED);
  FTabPosition = TabSideFromStyle(static_cast<std::uint32_t>(style));
  // The pictures are cut from the images made here: none of the kept ones fits any more.
  pictures_.Clear();
  stripValid_ = false;
  tabImage_.Clear();
  paneImage_.Clear();
  const TSkinElements* skin = Skin();
  if (!skin || !skin->Tabs) return;
  tabImage_ = skin->Tabs->Image;
  if (skin->Tabs->Style == 1) {
    if (skin->TabPane) paneImage_ = skin->TabPane->Image;
  } else {
    paneImage_ = skin->Tabs->SecondImage;
  }
  switch (FTabPosition) {
    case tabBottom:
      FlipBitmap(tabImage_);
      FlipBitmap(paneImage_);
      break;
    case tabLeft: RotateBitmapLeft(paneImage_); break;
    case tabRight: RotateBitmapRight(paneImage_); break;
    default: break;
  }
}

void TSkinTab::AttachUpDown() {
  if (FUpDown || !FHandle) return;
  HWND child = FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr);
  if (!child || SendMessageW(child, kIsSkinned, 0, 0) == 1) return;
  FUpDown = std::make_unique<TSkinUpDown>();
  FUpDown->FHorizontal = true;
  FUpDown->AttachHandle(child, FSkinData, FSkinForm, FCanvas);
}

void TSkinTab::AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) {
  if (FAttached) return;
  TSkinControl::AttachControl(control, data, canvas, recolour);
  // Close boxes: Tag 7777 on a page control the runtime knows by name, without owner drawing.
  const TClassInfo* pages = FindClass("TPageControl");
  FCloseButtons = control && control->Tag() == kCloseTabsTag && pages && control->InheritsFrom(*pages) &&
                  !(GetWindowLongEx(FHandle, GWL_STYLE) & TCS_OWNERDRAWFIXED);
  if (FCloseButtons) SetTabPadding(true);
  Prepare();
  AttachUpDown();
  FActive = true;
}

void TSkinTab::AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) {
  if (FAttached) return;
  TSkinControl::AttachHandle(window, data, frame, canvas);
  FCloseButtons = false;  // only a page control of the runtime can give a page back
  Prepare();
  AttachUpDown();
  FActive = true;
}

void TSkinTab::SkinChanged() {
  Prepare();
  TSkinControl::SkinChanged();
}

// The control's padding on each side of a tab's text, widened by half a close box when the tabs
// carry one, so the text keeps its own room beside the box. The control cannot tell its padding,
// so it gets its default (6 by 3 pixels) back when the boxes go.
void TSkinTab::SetTabPadding(bool closeBoxes) {
  const int dpi = ScreenDpi();
  const int box = closeBoxes ? (TabCloseBox({0, 0, 0, 0}, dpi).Width() + 1) / 2 + ScalePixel(2, dpi) : 0;
  SendMessageW(FHandle, TCM_SETPADDING, 0, MAKELPARAM(6 + box, 3));
  // The tabs are measured again when the font is set.
  SendMessageW(FHandle, WM_SETFONT, SendMessageW(FHandle, WM_GETFONT, 0, 0), TRUE);
}

void TSkinTab::Detach() {
  if (FCloseButtons && FHandle && FState != scsWindowDestroyed) SetTabPadding(false);
  FCloseButtons = false;
  pictures_.Clear();
  stripValid_ = false;
  turnedStrip_ = TBitmap();
  strip_.Release();
  buffer_.Release();
  TSkinControl::Detach();
}

bool TSkinTab::CloseBoxClicked(TPoint point) {
  const RECT strip = lastStrip_, display = lastDisplay_;
  const TPoint p = WindowPointInBuffer(point, FromRect(strip), FromRect(display), FTabPosition);
  for (std::size_t i = 0; i < FCloseRects.size(); ++i) {
    const RECT& r = FCloseRects[i];
    if (p.X < r.left || p.X >= r.right || p.Y < r.top || p.Y >= r.bottom) continue;
    HWND frame = FSkinForm ? FSkinForm->Handle() : nullptr;
    const LRESULT answer =
        frame ? SendMessageW(frame, kMsgCloseTab, reinterpret_cast<WPARAM>(FHandle), static_cast<LPARAM>(i)) : 0;
    if (answer == 0) {
      // The page goes through the runtime: the sheet object, and its window with it.
      if (auto* pages = dynamic_cast<TPageControl*>(FControl)) pages->FreePage(static_cast<int>(i));
      Repaint();
    }
    return true;
  }
  return false;
}

bool TSkinTab::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintOnWMPaint(message); return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    case WM_LBUTTONDOWN:
      if (FCloseButtons && CloseBoxClicked({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)})) {
        message.Result = 0;
        return false;
      }
      return true;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinTab::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // The native control draws its tabs on selection and focus changes outside WM_PAINT.
    case WM_LBUTTONDOWN:
    case WM_KEYDOWN:
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS:
      AttachUpDown();
      Repaint();
      break;
    case WM_SIZE:
    case WM_STYLECHANGED:
      Prepare();
      AttachUpDown();
      Repaint();
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinTab::DrawTab(HDC dc, const TDataSkinBorder& tabs, const TStripLook& look, int index) {
  const std::size_t at = static_cast<std::size_t>(index);
  const RECT r = ToRect(look.Rects[at]);
  const bool focused = index == look.Focus;
  const int frame = focused ? 2 : 1;
  if (!tabImage_.Empty()) {
    pictures_.DrawSliced(dc, r, tabImage_, false, tabs.Tile != 0, tabs.Trans == 1, kTabFrames, frame, tabs.Margins);
  }
  RECT area = r;
  if (FCloseButtons) {
    const TRect box = TabCloseBox(FromRect(r), ScreenDpi());
    FCloseRects[static_cast<std::size_t>(index)] = ToRect(box);
    FrameColour(dc, ToRect(box), SkinColour(kColourButtonShadow));
    HPEN pen = CreatePen(PS_SOLID, 1, SkinColour(kColourButtonText));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, box.Left, box.Top, nullptr);
    LineTo(dc, box.Right, box.Bottom);
    MoveToEx(dc, box.Right - 1, box.Top, nullptr);
    LineTo(dc, box.Left - 1, box.Bottom);
    SelectObject(dc, old);
    DeleteObject(pen);
    area.right = box.Left;
  }
  HIMAGELIST images = look.Images;
  const int image = look.ImageIndexes[at];
  int iw = 0, ih = 0;
  if (images && image >= 0) ImageList_GetIconSize(images, &iw, &ih);
  const std::wstring& caption = look.Texts[at];
  RECT measured{0, 0, 0, 0};
  if (!caption.empty()) DrawTextEx(dc, caption, measured, DT_SINGLELINE | DT_CALCRECT);
  const int gap = iw > 0 && !caption.empty() ? 2 : 0;
  const int total = iw + gap + (measured.right - measured.left);
  int x = (area.left + area.right - total) / 2;
  if (iw > 0) {
    ImageList_Draw(images, image, dc, x, (area.top + area.bottom - ih) / 2, ILD_TRANSPARENT);
    x += iw + gap;
  }
  SetTextColor(dc, !FEnabled ? SkinColour(kColourButtonShadow)
                             : ColorToRGB(focused ? tabs.MouseOverColour2 : tabs.NormalColour2));
  RECT t{x, area.top, area.right, area.bottom};
  DrawTextEx(dc, caption, t, TextFlags(DT_SINGLELINE | DT_VCENTER | DT_LEFT));
}

TSkinTab::TStripLook TSkinTab::ReadStripLook(const TPoint& size, const TRect& strip, const TRect& display,
                                              COLORREF fill) const {
  TStripLook look;
  look.Size = size;
  look.Focus = static_cast<int>(SendMessageW(FHandle, TCM_GETCURFOCUS, 0, 0));
  look.Enabled = FEnabled;
  look.Fill = fill;
  look.Font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  look.Images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));
  const int count = static_cast<int>(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    const bool placed = SendMessageW(FHandle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    look.Rects.push_back(placed ? TabInBuffer(FromRect(r), strip, display, FTabPosition) : TRect{});
    TTabItem item = ReadTabItem(FHandle, i);
    look.Texts.push_back(std::move(item.Text));
    look.ImageIndexes.push_back(item.Image);
  }
  return look;
}

void TSkinTab::ComposeStrip(const TDataSkinBorder& tabs, const TStripLook& look) {
  ++stripCompositions_;
  HDC s = strip_.DC();
  FillColour(s, {0, 0, look.Size.X, look.Size.Y}, look.Fill);
  HGDIOBJ oldFont = look.Font ? SelectObject(s, look.Font) : nullptr;
  const int oldMode = SetBkMode(s, TRANSPARENT);
  const int count = static_cast<int>(look.Rects.size());
  FCloseRects.assign(static_cast<std::size_t>(count), RECT{});
  // The focused tab last, so that it overlaps its neighbours.
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < count; ++i) {
      if ((i == look.Focus) != (pass == 1)) continue;
      const TRect& r = look.Rects[static_cast<std::size_t>(i)];
      if (r.IsEmpty()) continue;
      DrawTab(s, tabs, look, i);
    }
  }
  SetBkMode(s, oldMode);
  if (oldFont) SelectObject(s, oldFont);
  stripCloseRects_ = FCloseRects;
  turnedStrip_ = TBitmap();
  if (FTabPosition == tabLeft || FTabPosition == tabRight) {
    turnedStrip_ = strip_.ToBitmap();
    if (FTabPosition == tabLeft) RotateBitmapLeft(turnedStrip_);
    if (FTabPosition == tabRight) RotateBitmapRight(turnedStrip_);
  }
}

void TSkinTab::PaintSkin(HDC dc, const RECT& w) {
  const int width = w.right - w.left, height = w.bottom - w.top;
  if (width <= 0 || height <= 0 || !buffer_.Resize(dc, width, height)) return;
  const TSkinElements* skin = Skin();
  HDC b = buffer_.DC();
  const RECT all{0, 0, width, height};
  FillColour(b, all, ColorToRGB(ParentColour(skin ? skin->Colours[kColourButtonFace] : clBtnFace)));
  FEnabled = !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
  RECT adjusted = all;
  SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
  const TRect display = TabDisplayRect(FromRect(adjusted), FTabPosition);
  const TRect strip = TabStripRect(FromRect(all), display, FTabPosition);
  lastDisplay_ = ToRect(display);
  lastStrip_ = ToRect(strip);
  // The pane border over the display area.
  if (!paneImage_.Empty() && skin) {
    const TRect margins = skin->Tabs && skin->Tabs->Style == 1 && skin->TabPane ? skin->TabPane->Margins
                                                                               : TRect{4, 5, 4, 4};
    pictures_.DrawSliced(b, lastDisplay_, paneImage_, false, false, false, 1, 1, margins);
  }
  const TPoint size = TabBufferSize(strip, FTabPosition);
  const int count = static_cast<int>(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
  FCloseRects.assign(count > 0 ? static_cast<std::size_t>(count) : 0, RECT{});
  if (skin && skin->Tabs && size.X > 0 && size.Y > 0) {
    const COLORREF fill = ColorToRGB(ParentColour(skin->Colours[kColourButtonFace]));
    TStripLook look = ReadStripLook(size, strip, display, fill);
    const bool sameSize = strip_.Width() == size.X && strip_.Height() == size.Y;
    if (strip_.Resize(dc, size.X, size.Y)) {
      if (!stripValid_ || !sameSize || !(look == stripLook_)) {
        ComposeStrip(*skin->Tabs, look);
        stripLook_ = std::move(look);
        stripValid_ = true;
      }
      FCloseRects = stripCloseRects_;
      if (FTabPosition == tabLeft || FTabPosition == tabRight) {
        gdi::DrawPicture(b, strip.Left, strip.Top, turnedStrip_, false);
      } else {
        strip_.CopyTo(b, strip.Left, strip.Top);
      }
    }
  }
  // Windowless children of the control go over the pane and the tabs, each within its bounds.
  if (auto* owner = dynamic_cast<TWinControl*>(FControl)) owner->PaintWindowlessChildren(b);
  // The visible up-down child keeps its own paint.
  const int saved = SaveDC(dc);
  if (FUpDown && FUpDown->Handle() && IsWindowVisible(FUpDown->Handle())) {
    RECT u{};
    GetWindowRect(FUpDown->Handle(), &u);
    MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&u), 2);
    ExcludeClipRect(dc, u.left, u.top, u.right, u.bottom);
  }
  buffer_.CopyTo(dc, w.left, w.top);
  RestoreDC(dc, saved);
}

}  // namespace varnelta
