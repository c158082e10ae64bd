#include "skin/frame/win_skin_popmenu.h"

#include <commctrl.h>

#include "runtime/dib_section.h"
#include "runtime/win_handles.h"
#include "skin/data/pixel_draw.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/data/win32/skin_platform.h"

namespace varnelta {

namespace {
constexpr UINT_PTR kPopupSubclassId = 0x5350;  // "SP"
constexpr DWORD kNcPaintDcFlags = 0x10081;     // DCX_WINDOW | DCX_INTERSECTRGN | DCX_USESTYLE
constexpr DWORD kWindowDcFlags = 0x10001;     // DCX_WINDOW | DCX_USESTYLE

void Blit(HDC dc, const TDibSection& dib, int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return;
  TMemoryDC source(dc);
  TSelectObject keep(source.Get(), dib.Handle());
  BitBlt(dc, x, y, w, h, source.Get(), x, y, SRCCOPY);
}
}  // namespace

TWinSkinPopMenu::~TWinSkinPopMenu() { Restore(); }

void TWinSkinPopMenu::Start(HWND window, TSkinData* data, int kind) {
  if (subclassed_ || !window) return;
  FHandle = window;
  FSkinData = data;
  FKind = kind;
  FMenu = nullptr;
  subclassed_ = SetWindowSubclass(window, SubclassProc, kPopupSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void TWinSkinPopMenu::Restore() {
  FBackground = TBitmap();
  if (!subclassed_) return;
  RemoveWindowSubclass(FHandle, SubclassProc, kPopupSubclassId);
  subclassed_ = false;
}

TPoint TWinSkinPopMenu::ClientOrigin() const {
  RECT window{};
  POINT origin{0, 0};
  if (!FHandle || !GetWindowRect(FHandle, &window) || !ClientToScreen(FHandle, &origin)) return {};
  return {origin.x - window.left, origin.y - window.top};
}

bool TWinSkinPopMenu::HasNonClientArea() const {
  const TPoint origin = ClientOrigin();
  return origin.X > 0 || origin.Y > 0;
}

const TDataSkinObject* TWinSkinPopMenu::Element() const {
  if (!FSkinData || !FSkinData->SkinLoaded()) return nullptr;
  const TDataSkinObject* element = FSkinData->Skin().MenuBackground.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

bool TWinSkinPopMenu::RenderBackground() {
  const TDataSkinObject* element = Element();
  if (!element) return false;
  RECT r{};
  GetWindowRect(FHandle, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  if (FBackground.Width() != w || FBackground.Height() != h) {
    FBackground = BuildSlicedBitmap(w, h, element->Image, element->Margins, false, element->Tile == 1, 1, 1);
  }
  return !FBackground.Empty();
}

void TWinSkinPopMenu::CopyBorder(HDC dc, bool whole) const {
  TDibSection dib(FBackground);
  if (dib.Empty()) return;
  const int w = FBackground.Width();
  const int h = FBackground.Height();
  Blit(dc, dib, 0, 0, w, kBorder);
  Blit(dc, dib, 0, h - kBorder, w, kBorder);
  Blit(dc, dib, 0, 0, kBorder, h);
  Blit(dc, dib, w - kBorder, 0, kBorder, h);
  if (whole) Blit(dc, dib, 0, 0, w, h);
}

LRESULT TWinSkinPopMenu::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const TSkinManage* manager = TSkinManage::Current();
  if (!manager || !manager->Running()) return DefSubclassProc(FHandle, msg, wParam, lParam);
  switch (msg) {
    case WM_NCPAINT: {
      if (!RenderBackground()) break;
      const TPlatformVersion& version = RecordedVersion();
      HDC dc = nullptr;
      // From Windows 8 (6.2) on the border goes through the window DC; Windows 10 numbers
      // itself 10.0, newer although its minor number is 0.
      if (version.IsNT && version.Major > 4 && (version.Minor > 1 || version.Major >= 10)) {
        dc = GetWindowDC(FHandle);
      } else {
        // The update region is the caller's: the DC gets a copy of it.
        HRGN update = wParam > 1 ? CreateRectRgn(0, 0, 0, 0) : nullptr;
        if (update) CombineRgn(update, reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY);
        dc = GetDCEx(FHandle, update, update ? kNcPaintDcFlags : kWindowDcFlags);
        if (!dc && update) DeleteObject(update);
      }
      if (!dc) return 0;
      CopyBorder(dc, false);
      ReleaseDC(FHandle, dc);
      return 0;
    }
    case WM_PAINT: {
      const LRESULT result = DefSubclassProc(FHandle, msg, wParam, lParam);
      // Without a non-client area the system paints its own border in the client: the skinned
      // one goes over it.
      if (!HasNonClientArea() && RenderBackground()) {
        HDC dc = GetWindowDC(FHandle);
        if (dc) {
          CopyBorder(dc, false);
          ReleaseDC(FHandle, dc);
        }
      }
      return result;
    }
    case WM_PRINT: {
      if (!RenderBackground()) break;
      auto dc = reinterpret_cast<HDC>(wParam);
      TDibSection dib(FBackground);
      if (!dib.Empty()) Blit(dc, dib, 0, 0, FBackground.Width(), FBackground.Height());
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, kBorder, kBorder, FBackground.Width() - kBorder, FBackground.Height() - kBorder);
      SetBkMode(dc, TRANSPARENT);
      const LRESULT result = DefSubclassProc(FHandle, msg, wParam, lParam & ~static_cast<LPARAM>(PRF_ERASEBKGND));
      RestoreDC(dc, saved);
      if (!HasNonClientArea()) CopyBorder(dc, false);
      return result;
    }
    case WM_ERASEBKGND:
      if (!RecordedVersion().IsNT) return 1;
      if (!(FSkinData && InSet(FSkinData->Options(), xoMenuBG))) DefSubclassProc(FHandle, msg, wParam, lParam);
      return 1;
    default: break;
  }
  return DefSubclassProc(FHandle, msg, wParam, lParam);
}

LRESULT CALLBACK TWinSkinPopMenu::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  auto* popup = reinterpret_cast<TWinSkinPopMenu*>(self);
  if (msg == kMsgIsSkinned) return 1;
  ++popup->busy_;
  LRESULT result;
  try {
    result = popup->Handle(msg, wParam, lParam);
  } catch (const std::exception&) {
    // A painter's failure leaves the menu to the system's own look.
    result = DefSubclassProc(window, msg, wParam, lParam);
  }
  --popup->busy_;
  if (msg == WM_DESTROY) popup->Restore();
  return result;
}

}  // namespace varnelta
