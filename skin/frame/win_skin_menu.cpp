#include "skin/frame/win_skin_menu.h"

#include <algorithm>

#include "runtime/form.h"
#include "runtime/graphics.h"
#include "runtime/menu_handles.h"
#include "skin/data/pixel_draw.h"
#include "skin/frame/caption_back.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/menu_layout.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {

// Bar captions are read into buffers of this many characters (a longer one is cut).
constexpr UINT kCaptionChars = 80;

constexpr UINT kCentreMeasure = 0x561;  // DT_CENTER | DT_EXPANDTABS | DT_SINGLELINE | DT_CALCRECT | DT_NOCLIP
constexpr UINT kCentreDraw = 0x61;      // DT_CENTER | DT_EXPANDTABS | DT_SINGLELINE
constexpr TColor kSystemMenu = clSystemColor | COLOR_MENU;
constexpr TColor kSystemMenuText = clSystemColor | COLOR_MENUTEXT;

TRect MarginsOf(const TDataSkinObject& element, int dpi) {
  return {ScalePixel(element.Margins.Left, dpi), 0, ScalePixel(element.Margins.Right, dpi), 0};
}

bool HasPicture(const TDataSkinObject* element) { return element && !element->Image.Empty(); }

}  // namespace

TFontHandle CreateMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return TFontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
}

void TMenuBtn::Paint(HDC dc, TWinSkinMenu& bar) const {
  if (!Visible || Bounds.IsEmpty()) return;
  const TDibSection& back = bar.Background();
  const TRect& strip = bar.BarRect();
  if (!back.Empty()) {
    TMemoryDC source(dc);
    TSelectObject keep(source.Get(), back.Handle());
    BitBlt(dc, Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height(), source.Get(), Bounds.Left - strip.Left,
           Bounds.Top - strip.Top, SRCCOPY);
  }
  if (ButtonState == frame::bsPressed || ButtonState == frame::bsHot) {
    const TColor colour = bar.SkinData() ? bar.SkinData()->Skin().Colours[kColourButtonHilight] : clBtnHighlight;
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
    RECT r{Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom};
    FrameRect(dc, &r, brush.Get());
  }
  TSelectObject font(dc, bar.Font());
  bar.DrawItemFace(dc, *this);
}

TWinSkinMenu::TWinSkinMenu(HWND window, TSkinData* data) : FWindow(window), FSkinData(data), FFont(CreateMenuFont()) {}

TWinSkinMenu::~TWinSkinMenu() { RestoreTypes(); }

void TWinSkinMenu::BuildItems(HMENU handle, TMenu* menu, bool fromRuntimeItems) {
  if (handle) FMenuHandle = handle;
  if (!FMenuHandle) return;
  FMenu = menu;
  FItems.clear();
  if (fromRuntimeItems && FMenu) {
    for (int i = 0; i < FMenu->Items()->Count(); ++i) {
      TMenuItem* item = FMenu->Items()->Items(i);
      TMenuBtn button;
      button.FIndex = i;
      button.Visible = item->Visible();
      button.FEnabled = item->Enabled();
      button.FCommand = item->Command();
      button.FCaption = item->Caption();
      button.FMenuItem = item;
      button.FSubMenu = item->Count() > 0 ? static_cast<HMENU>(item->Handle()) : nullptr;
      FItems.push_back(button);
    }
  } else {
    StripMdiAdditions();
    const int count = GetMenuItemCount(FMenuHandle);
    for (int i = 0; i < count; ++i) {
      wchar_t text[kCaptionChars] = {};
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
      info.dwTypeData = text;
      info.cch = kCaptionChars;  // characters of the wide call, not bytes
      if (!GetMenuItemInfoW(FMenuHandle, static_cast<UINT>(i), TRUE, &info)) continue;
      text[kCaptionChars - 1] = L'\0';
      TMenuBtn button;
      button.FIndex = i;
      button.Visible = true;
      button.FEnabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
      button.FCommand = info.wID;
      button.FSubMenu = info.hSubMenu;
      button.FCaption = text;
      if (TMenuItem* item = FMenu ? FMenu->FindItem(info.wID) : nullptr) {
        item->Update();
        button.FCaption = item->Caption();
        button.FEnabled = item->Enabled();
        button.FMenuItem = item;
        button.FSubMenu = item->Count() > 0 ? static_cast<HMENU>(item->Handle()) : nullptr;
      }
      FItems.push_back(button);
    }
  }
  if (GetMenu(FWindow)) SetMenu(FWindow, nullptr);
  // The new items follow a maximised MDI child as the old ones did.
  const HWND child = FMdiChild;
  FMdiChild = nullptr;
  SetMdiChild(child);
}

void TWinSkinMenu::StripMdiAdditions() {
  for (int i = GetMenuItemCount(FMenuHandle) - 1; i >= 0; --i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_BITMAP | MIIM_STRING;
    if (!GetMenuItemInfoW(FMenuHandle, static_cast<UINT>(i), TRUE, &info)) continue;
    const bool picture = (info.fType & MFT_BITMAP) || info.hbmpItem;
    if (!picture || info.cch > 0) continue;
    const bool controls = !info.hSubMenu && (info.wID == SC_MINIMIZE || info.wID == SC_RESTORE || info.wID == SC_CLOSE);
    const bool systemMenu = info.hSubMenu && i == 0;
    if (controls || systemMenu) RemoveMenu(FMenuHandle, static_cast<UINT>(i), MF_BYPOSITION);
  }
}

void TWinSkinMenu::SetMdiChild(HWND child) {
  if (child == FMdiChild) return;
  std::erase_if(FItems, [](const TMenuBtn& b) { return b.FIcon != nullptr; });
  FMdiChild = child;
  if (!child) return;
  TMenuBtn button;
  button.FIndex = -1;
  button.Visible = true;
  button.FSubMenu = GetSystemMenu(child, FALSE);
  auto icon = reinterpret_cast<HICON>(SendMessageW(child, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(child, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(child, GCLP_HICON));
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);  // shared: never destroyed
  button.FIcon = icon;
  FItems.insert(FItems.begin(), button);
}

void TWinSkinMenu::UpdateItemsFromRuntime() {
  if (!FMenu) return;
  for (TMenuBtn& button : FItems) {
    if (!button.FCaption.empty() || button.FIcon) continue;
    if (button.FIndex >= 0 && button.FIndex < FMenu->Items()->Count()) {
      TMenuItem* item = FMenu->Items()->Items(button.FIndex);
      button.FCaption = item->Caption();
      button.FEnabled = item->Enabled();
      button.FCommand = item->Command();
      button.FMenuItem = item;
    }
  }
  LayoutBar(FBarRect, false);
}

std::vector<int> TWinSkinMenu::MeasureItems(HDC dc) const {
  TSelectObject font(dc, FFont.Get());
  std::vector<int> widths;
  for (const TMenuBtn& button : FItems) {
    RECT r{0, 0, 0, 0};
    if (button.FIcon) {
      r.right = GetSystemMetrics(SM_CXSMICON);
    } else if (!button.FCaption.empty()) {
      DrawTextW(dc, button.FCaption.c_str(), static_cast<int>(button.FCaption.size()), &r, DT_CALCRECT | DT_NOCLIP);
    }
    widths.push_back(r.right - r.left);
  }
  return widths;
}

void TWinSkinMenu::LayoutBar(const TRect& strip, bool rightToLeft) {
  TMemoryDC dc(nullptr);
  const std::vector<int> widths = MeasureItems(dc.Get());
  frame::TBarFacts facts;
  facts.Strip = strip;
  const TDataSkinObject* element = FSkinData ? FSkinData->Skin().MenuBar.get() : nullptr;
  facts.HasElement = HasPicture(element);
  const int dpi = Screen().PixelsPerInch();
  if (facts.HasElement) {
    facts.MarginLeft = ScalePixel(element->Margins.Left, dpi);
    facts.MarginRight = ScalePixel(element->Margins.Right, dpi);
  }
  facts.RightToLeft = rightToLeft;
  for (const TBarButton& b : FChildButtons) {
    facts.ChildButtonsLeft = facts.ChildButtonsLeft ? std::min(*facts.ChildButtonsLeft, b.Bounds.Left) : b.Bounds.Left;
  }
  facts.Dpi = dpi;
  for (std::size_t i = 0; i < FItems.size(); ++i) facts.Items.push_back({FItems[i].Visible, widths[i]});
  const frame::TBarLayout layout = frame::LayoutMenuBar(facts);
  for (std::size_t i = 0; i < FItems.size(); ++i) FItems[i].Bounds = layout.Cells[i];
  FBarRect = strip;
}

void TWinSkinMenu::DrawCentredCaption(HDC dc, const std::wstring& caption, const TRect& cell, bool enabled) const {
  if (caption.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  const TColor colour = FSkinData ? FSkinData->Skin().Colours[kColourMenuBarText] : kSystemMenuText;
  SetTextColor(dc, enabled ? ColorToRGB(colour) : GetSysColor(COLOR_BTNSHADOW));
  RECT measured{cell.Left, cell.Top, cell.Right, cell.Bottom};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, kCentreMeasure);
  const TRect box = frame::CentreInCell(cell, measured.right - measured.left, measured.bottom - measured.top);
  RECT r{box.Left, box.Top, box.Right, box.Bottom};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, kCentreDraw);
}

void TWinSkinMenu::DrawItemFace(HDC dc, const TMenuBtn& button) const {
  if (!button.FIcon) {
    DrawCentredCaption(dc, button.FCaption, button.Bounds, button.FEnabled);
    return;
  }
  const int size = GetSystemMetrics(SM_CXSMICON);
  const TRect& cell = button.Bounds;
  DrawIconEx(dc, cell.Left + (cell.Width() - size) / 2, cell.Top + (cell.Height() - size) / 2, button.FIcon, size, size,
             0, nullptr, DI_NORMAL);
}

void TWinSkinMenu::PaintChildButton(HDC dc, const TBarButton& button) const {
  if (!button.Image || button.Image->Empty() || button.Bounds.IsEmpty()) return;
  const TRect& b = button.Bounds;
  if (!FBarBackground.Empty()) {
    TMemoryDC source(dc);
    TSelectObject keep(source.Get(), FBarBackground.Handle());
    BitBlt(dc, b.Left, b.Top, b.Width(), b.Height(), source.Get(), b.Left - FBarRect.Left, b.Top - FBarRect.Top, SRCCOPY);
  }
  gdi::DrawFrameCell(dc, b, *button.Image, true, button.FrameCount, button.Frame);
}

void TWinSkinMenu::PaintBar(HDC dc, const TRect& strip, bool active, bool rightToLeft) {
  const int width = strip.Width();
  const int height = strip.Height();
  if (width <= 0 || height <= 0) return;
  FPainting = true;
  const int dpi = Screen().PixelsPerInch();
  TBitmap background(width, height);
  const TDataSkinObject* element = FSkinData ? FSkinData->Skin().MenuBar.get() : nullptr;
  if (HasPicture(element)) {
    const int frames = frame::UsableFrameCount(element->FrameCount);
    const int frameIndex = std::min(active ? 1 : 2, frames);
    const TRect ends = MarginsOf(*element, dpi);
    if (element->Tile == 1) {
      background = BuildSlicedBitmap(width, height, element->Image, ends, true, false, frames, frameIndex);
    } else {
      DrawCaptionBack(background, {0, 0, width, height}, element->Image, true, false, frames, frameIndex, ends);
    }
  } else {
    const TColor colour = FSkinData ? FSkinData->Skin().Colours[kColourMenubar] : kSystemMenu;
    const COLORREF rgb = ColorToRGB(colour);
    const std::uint32_t pixel = PixelFromColour(rgb);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) background.SetPixel(x, y, pixel);
    }
  }
  if (background.Width() != width || background.Height() != height) background = TBitmap(width, height);
  FBarBackground = TDibSection(background);
  LayoutBar(strip, rightToLeft);
  TDibSection buffer(background);
  if (!buffer.Empty()) {
    TMemoryDC paint(dc);
    TSelectObject keep(paint.Get(), buffer.Handle());
    SetViewportOrgEx(paint.Get(), -strip.Left, -strip.Top, nullptr);
    TSelectObject font(paint.Get(), FFont.Get());
    for (TMenuBtn& button : FItems) {
      if (!button.Visible || button.Bounds.IsEmpty()) continue;
      if (button.ButtonState == frame::bsPressed || button.ButtonState == frame::bsHot) {
        TBrushHandle brush(CreateSolidBrush(ColorToRGB(FSkinData->Skin().Colours[kColourButtonHilight])));
        RECT r{button.Bounds.Left, button.Bounds.Top, button.Bounds.Right, button.Bounds.Bottom};
        FrameRect(paint.Get(), &r, brush.Get());
      }
      DrawItemFace(paint.Get(), button);
    }
    for (const TBarButton& b : FChildButtons) {
      if (b.Image && !b.Image->Empty()) gdi::DrawFrameCell(paint.Get(), b.Bounds, *b.Image, true, b.FrameCount, b.Frame);
    }
    SetViewportOrgEx(paint.Get(), 0, 0, nullptr);
    BitBlt(dc, strip.Left, strip.Top, width, height, paint.Get(), 0, 0, SRCCOPY);
  }
  FPainting = false;
}

std::optional<std::size_t> TWinSkinMenu::ItemAt(TPoint p) const {
  std::vector<TRect> cells;
  std::vector<bool> captions;
  for (const TMenuBtn& button : FItems) {
    cells.push_back(button.Visible ? button.Bounds : TRect{});
    captions.push_back(!button.FCaption.empty() || button.FIcon);
  }
  return frame::BarItemAt(cells, captions, p);
}

void TWinSkinMenu::SwitchToOwnerDraw(HMENU dropDown) {
  const int count = dropDown ? GetMenuItemCount(dropDown) : 0;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(dropDown, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.hSubMenu) SwitchToOwnerDraw(info.hSubMenu);
    if (info.fType & MFT_OWNERDRAW) continue;
    savedTypes_.push_back({dropDown, static_cast<UINT>(i), info.fType});
    SetMenuItemType(dropDown, static_cast<UINT>(i), info.fType | MFT_OWNERDRAW);
  }
}

void TWinSkinMenu::RestoreTypes() {
  for (auto it = savedTypes_.rbegin(); it != savedTypes_.rend(); ++it) {
    if (!IsMenu(it->Menu)) continue;
    SetMenuItemType(it->Menu, it->Position, it->Type);
  }
  savedTypes_.clear();
}

void TWinSkinMenu::GiveBack() {
  RestoreTypes();
  if (FMenuHandle && IsMenu(FMenuHandle) && IsWindow(FWindow) && !GetMenu(FWindow)) SetMenu(FWindow, FMenuHandle);
}

}  // namespace varnelta
