// The system's check mark bitmap is an OEM resource.
#define OEMRESOURCE
#include <windows.h>

#include "skin/frame/menu_item_painter.h"

#include <algorithm>

#include "runtime/dib_section.h"
#include "runtime/graphics.h"
#include "runtime/image_list.h"
#include "runtime/menu_handles.h"
#include "runtime/win_handles.h"
#include "skin/data/pixel_draw.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/menu_layout.h"
#include "skin/frame/win_skin_menu.h"
#include "skin/frame/win_skin_popmenu.h"

namespace varnelta {

namespace {

constexpr std::uint32_t kMagentaPixel = PixelFromColour(0xFF00FF);
constexpr TColor kSystemMenu = clSystemColor | COLOR_MENU;
constexpr TColor kSystemMenuText = clSystemColor | COLOR_MENUTEXT;

const TDataSkinObject* ItemElement(const TMenuPaintContext& c) {
  const TDataSkinObject* element = c.Data ? c.Data->Skin().MenuItem.get() : nullptr;
  return element && !element->Image.Empty() ? element : nullptr;
}

TColor Colour(const TMenuPaintContext& c, int index, TColor fallback) {
  return c.Data ? c.Data->Skin().Colours[static_cast<std::size_t>(index)] : fallback;
}

void Fill(TBitmap& target, const TRect& r, std::uint32_t pixel) {
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, target.Height()); ++y) {
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, target.Width()); ++x) target.SetPixel(x, y, pixel);
  }
}

// `picture` over `target` at (x, y), magenta left out when `transparent`.
void Overlay(TBitmap& target, const TBitmap& picture, int x0, int y0, bool transparent) {
  for (int y = 0; y < picture.Height(); ++y) {
    const int ty = y0 + y;
    if (ty < 0 || ty >= target.Height()) continue;
    for (int x = 0; x < picture.Width(); ++x) {
      const int tx = x0 + x;
      if (tx < 0 || tx >= target.Width()) continue;
      const std::uint32_t p = picture.Pixel(x, y);
      if (transparent && OpaquePixel(p) == OpaquePixel(kMagentaPixel)) continue;
      target.SetPixel(tx, ty, p);
    }
  }
}

// The item's background: the popup window's rendered background under the item, or Colours Menu.
TBitmap ItemBackground(const TMenuPaintContext& c, const TMenuItemLook& look, const RECT& r) {
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  TBitmap back(w, h);
  const TBitmap* source = nullptr;
  TPoint origin;  // the client area's origin in the popup window (its skinned border)
  if (c.Manager) {
    if (TWinSkinPopMenu* popup = c.Manager->FindPopupByMenu(look.ParentMenu)) {
      source = &popup->Background();
      origin = popup->ClientOrigin();
    }
  }
  if (source && !source->Empty()) {
    for (int y = 0; y < h; ++y) {
      const int sy = r.top + origin.Y + y;
      for (int x = 0; x < w; ++x) {
        const int sx = r.left + origin.X + x;
        if (sx >= 0 && sy >= 0 && sx < source->Width() && sy < source->Height()) back.SetPixel(x, y, source->Pixel(sx, sy));
      }
    }
    return back;
  }
  Fill(back, {0, 0, w, h}, PixelFromColour(ColorToRGB(Colour(c, kColourMenu, kSystemMenu))));
  return back;
}

// The skin's separator: frame 2's ends copied and its middle stretched, its bottom rows when
// the picture is taller than the item.
void DrawSkinSeparator(TBitmap& target, const TDataSkinObject& element) {
  const int frames = frame::UsableFrameCount(element.FrameCount);
  const int fw = element.Image.Width() / frames;
  const int fh = element.Image.Height();
  if (fw <= 0 || fh <= 0 || frames < 2) return;
  const int left = std::clamp(element.Margins.Left, 0, fw);
  const int right = std::clamp(element.Margins.Right, 0, fw - left);
  const int rows = std::min(fh, target.Height());
  const int firstRow = fh - rows;
  const int w = target.Width();
  const int middleSource = fw - left - right;
  const int middleTarget = w - left - right;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < w; ++x) {
      int sx;
      if (x < left) {
        sx = x;
      } else if (x >= w - right) {
        sx = fw - (w - x);
      } else if (middleSource > 0 && middleTarget > 0) {
        sx = left + (x - left) * middleSource / middleTarget;
      } else {
        continue;
      }
      if (sx < 0 || sx >= fw) continue;
      const std::uint32_t p = element.Image.Pixel(fw + sx, firstRow + y);  // frame 2
      if (OpaquePixel(p) == OpaquePixel(kMagentaPixel)) continue;
      target.SetPixel(x, y, p);
    }
  }
}

void BlitBitmap(HDC canvas, const TBitmap& picture, int x, int y) {
  TDibSection dib(picture);
  if (dib.Empty()) return;
  TMemoryDC source(canvas);
  TSelectObject keep(source.Get(), dib.Handle());
  BitBlt(canvas, x, y, picture.Width(), picture.Height(), source.Get(), 0, 0, SRCCOPY);
}

void DrawGlyph(HDC dc, const TMenuItemLook& look, const TRect& box) {
  if (!look.Glyphs || look.GlyphWidth <= 0) return;
  const int count = look.Glyphs->Width() / look.GlyphWidth;
  if (look.ImageIndex < 0 || look.ImageIndex >= count) return;
  const int gh = std::min(look.Glyphs->Height(), box.Height());
  const int gw = std::min(look.GlyphWidth, box.Width());
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  for (int y = 0; y < gh; ++y) {
    for (int x = 0; x < gw; ++x) {
      const std::uint32_t colour = ColourFromPixel(look.Glyphs->Pixel(look.ImageIndex * look.GlyphWidth + x, y));
      if ((colour & 0xFFFFFF) == (look.GlyphMask & 0xFFFFFF)) continue;  // the background
      SetPixelV(dc, box.Left + x, box.Top + y, look.Enabled ? colour : shadow);
    }
  }
}

// The pressed look of a checked item's image box: button face and button highlight pixels in
// a checkerboard.
void FillDithered(HDC dc, const RECT& box) {
  static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  TBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, kChecker));
  TBrushHandle brush(pattern.Get() ? CreatePatternBrush(pattern.Get()) : nullptr);
  if (!brush.Get()) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    return;
  }
  const COLORREF text = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF back = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &box, brush.Get());
  SetTextColor(dc, text);
  SetBkColor(dc, back);
}

void DrawCheckMark(HDC dc, const TRect& glyph, const RECT& r) {
  HBITMAP check = LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECK));
  if (!check) return;
  TBitmapHandle owned(check);
  BITMAP info{};
  GetObjectW(check, sizeof info, &info);
  const TPoint at = frame::CheckMarkOrigin(glyph, {r.left, r.top, r.right, r.bottom}, info.bmWidth, info.bmHeight);
  TMemoryDC source(dc);
  TSelectObject keep(source.Get(), check);
  const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, at.X, at.Y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCAND);
  SetTextColor(dc, text);
  SetBkColor(dc, back);
}

}  // namespace

TMenuItemLook LookOf(const TMenuItem& item) {
  TMenuItemLook look;
  look.Caption = item.Caption();
  look.ShortCut = ShortCutToText(static_cast<TShortCut>(item.ShortCut()));
  look.Enabled = item.Enabled();
  look.Checked = item.Checked();
  look.Default = item.Default();
  look.ImageIndex = item.ImageIndex();
  if (item.Parent()) look.ParentMenu = static_cast<HMENU>(item.Parent()->Handle());
  if (const TMenu* menu = item.GetParentMenu()) {
    look.RightToLeft = menu->IsRightToLeft();
    if (const auto* images = dynamic_cast<const TImageList*>(menu->Images()); images && images->Count() > 0) {
      look.Glyphs = &images->Bitmap();
      look.GlyphWidth = images->Width();
      look.GlyphMask = ColourFromPixel(images->TransparentColour());
    }
  }
  return look;
}

std::wstring MenuTextByCommand(HMENU menu, UINT command, std::size_t limit) {
  if (!menu || limit == 0) return {};
  std::wstring text(limit + 1, L'\0');
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(limit + 1);  // characters, with room for the terminator
  if (!GetMenuItemInfoW(menu, command, FALSE, &info)) return {};
  text.resize(std::min<std::size_t>(wcsnlen(text.c_str(), limit + 1), limit));
  return text;
}

TMenuItemLook LookByCommand(HMENU menu, UINT command) {
  TMenuItemLook look;
  const std::wstring text = MenuTextByCommand(menu, command, 255);
  const std::size_t tab = text.find(L'\t');
  look.Caption = text.substr(0, tab);
  if (tab != std::wstring::npos) look.ShortCut = text.substr(tab + 1);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE;
  if (GetMenuItemInfoW(menu, command, FALSE, &info)) {
    look.Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    look.Checked = (info.fState & MFS_CHECKED) != 0;
    look.Default = (info.fState & MFS_DEFAULT) != 0;
    look.RightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
  }
  look.ParentMenu = menu;
  look.SpecialSeparator = false;
  return look;
}

int MenuItemMarginLeft(const TMenuPaintContext& c) {
  const TDataSkinObject* element = ItemElement(c);
  return element ? ScalePixel(element->Margins.Left, c.Dpi) : 0;
}

void DrawMenuItem(const TMenuPaintContext& c, const TMenuItemLook& look, HDC canvas, bool selected, const RECT& r) {
  const TDataSkinObject* element = ItemElement(c);
  if (!element) {
    DrawPlainMenuItem(c, look, canvas, selected, r);
    return;
  }
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  if (c.Manager) {
    c.Manager->MarkPopupsOpen();
    c.Manager->AttachMenuHandle(look.ParentMenu);
  }
  TBitmap picture = ItemBackground(c, look, r);
  const bool separator = look.Caption == L"-" && look.SpecialSeparator;
  if (separator) {
    DrawSkinSeparator(picture, *element);
    BlitBitmap(canvas, picture, r.left, r.top);
    return;
  }
  const int frames = frame::UsableFrameCount(element->FrameCount);
  const TBitmap cell = BuildSlicedBitmap(w, h, element->Image, element->Margins, false, element->Tile == 1, frames,
                                         std::min(selected ? 4 : 1, frames));
  Overlay(picture, cell, 0, 0, element->Trans != 0);
  TDibSection dib(picture);
  if (dib.Empty()) return;
  TMemoryDC compose(canvas);
  TSelectObject keep(compose.Get(), dib.Handle());
  SetViewportOrgEx(compose.Get(), -r.left, -r.top, nullptr);
  DrawItemContent(c, look, compose.Get(), selected, r);
  SetViewportOrgEx(compose.Get(), 0, 0, nullptr);
  BitBlt(canvas, r.left, r.top, w, h, compose.Get(), 0, 0, SRCCOPY);
}

void DrawPlainMenuItem(const TMenuPaintContext& c, const TMenuItemLook& look, HDC canvas, bool selected, const RECT& r) {
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(selected ? Colour(c, kColourHilight, clHighlight) : Colour(c, kColourMenu, kSystemMenu))));
  FillRect(canvas, &r, brush.Get());
  DrawItemContent(c, look, canvas, selected, r);
}

void DrawItemContent(const TMenuPaintContext& c, const TMenuItemLook& look, HDC dc, bool selected, const RECT& r) {
  const bool separator = look.Caption == L"-";
  frame::TItemFacts facts;
  facts.R = {r.left, r.top, r.right, r.bottom};
  facts.ImageWidth = look.Glyphs ? look.GlyphWidth : 0;
  facts.Checked = look.Checked;
  facts.Separator = separator;
  const TDataSkinObject* element = ItemElement(c);
  facts.HasElement = element != nullptr;
  facts.MarginLeft = element ? element->Margins.Left : 0;
  facts.RightToLeft = look.RightToLeft;
  facts.Dpi = c.Dpi;
  const frame::TItemGeometry g = frame::MenuItemGeometry(facts);
  if (separator) {
    RECT line{g.Text.Left, g.SeparatorY, g.Text.Right, g.SeparatorY + 2};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const bool hasImage = look.Glyphs && look.ImageIndex >= 0 && look.GlyphWidth > 0 &&
                        look.ImageIndex < look.Glyphs->Width() / look.GlyphWidth;
  if (hasImage) {
    if (look.Checked) {
      RECT box{g.Glyph.Left, g.Glyph.Top, g.Glyph.Right, g.Glyph.Bottom};
      FillDithered(dc, box);
      DrawEdge(dc, &box, BDR_SUNKENINNER, BF_RECT);
    }
    DrawGlyph(dc, look, g.Glyph);
  } else if (look.Checked) {
    DrawCheckMark(dc, g.Glyph, r);
  }
  TFontHandle menuFont = CreateMenuFont();
  TFontHandle bold;
  if (look.Default) {
    LOGFONTW logFont{};
    GetObjectW(menuFont.Get(), sizeof logFont, &logFont);
    logFont.lfWeight = FW_BOLD;
    bold.Reset(CreateFontIndirectW(&logFont));
  }
  TSelectObject font(dc, look.Default && bold ? bold.Get() : menuFont.Get());
  const TColor menuText = Colour(c, kColourMenuText, kSystemMenuText);
  COLORREF colour = ColorToRGB(selected ? Colour(c, kColourHilightText, clHighlightText) : menuText);
  if (!look.Enabled) {
    const TColor shadow = Colour(c, kColourButtonShadow, clBtnShadow);
    colour = shadow == menuText ? GetSysColor(COLOR_BTNSHADOW) : ColorToRGB(shadow);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  const UINT align = look.RightToLeft ? static_cast<UINT>(DT_RIGHT | DT_RTLREADING) : 0u;
  std::wstring measured = look.Caption;
  if (measured.empty() || measured == L"&") measured += L" ";
  RECT box{g.Text.Left, g.Text.Top, g.Text.Right, g.Text.Bottom};
  DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &box,
            DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | align);
  const TRect text = frame::CentreTextVertically(g.Text, box.bottom - box.top);
  RECT place{text.Left, text.Top, text.Right, text.Bottom};
  DrawTextW(dc, look.Caption.c_str(), static_cast<int>(look.Caption.size()), &place, DT_EXPANDTABS | DT_SINGLELINE | align);
  if (!look.ShortCut.empty()) {
    RECT cut = look.RightToLeft ? RECT{g.ShortcutEdge, text.Top, g.Text.Right, text.Bottom}
                                : RECT{g.Text.Left, text.Top, g.ShortcutEdge, text.Bottom};
    DrawTextW(dc, look.ShortCut.c_str(), static_cast<int>(look.ShortCut.size()), &cut,
              DT_SINGLELINE | DT_NOPREFIX | (look.RightToLeft ? static_cast<UINT>(DT_LEFT | DT_RTLREADING) : static_cast<UINT>(DT_RIGHT)));
  }
}

void MeasureMainMenuItem(const TMenuPaintContext& c, TMenuItem& item, int& width, int& height) {
  // The item's own measure runs with its measuring event left out for the call.
  TMenuMeasureItemEvent own = std::move(item.OnMeasureItem);
  item.OnMeasureItem = nullptr;
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = item.Command();
  if (item.Owner()) MeasureMenuItem(*item.Owner(), measure);
  item.OnMeasureItem = std::move(own);
  const TMenu* menu = item.GetParentMenu();
  width = frame::MainMenuItemWidth(static_cast<int>(measure.itemWidth), MenuItemMarginLeft(c), menu && menu->Images(), c.Dpi);
  height = static_cast<int>(measure.itemHeight);
}

void MeasurePopupMenuItem(const TMenuPaintContext& c, bool hasImages, int& width, int& /*height*/) {
  width = frame::PopupMenuItemWidth(width, MenuItemMarginLeft(c), hasImages, c.Dpi);
}

void MeasurePlainMenuItem(const TMenuPaintContext& c, const std::wstring& text, UINT& width, UINT& height) {
  TFontHandle font = CreateMenuFont();
  TWindowDC screen(nullptr);
  TSelectObject keep(screen.Get(), font.Get());
  RECT r{0, 0, 0, 0};
  if (!text.empty()) DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  const bool win9x = !RecordedVersion().IsNT;
  const frame::TPlainMeasure m = frame::PlainMenuItemMeasure(r.right - r.left, !text.empty(), static_cast<int>(height),
                                                             MenuItemMarginLeft(c), win9x, c.Dpi);
  width = static_cast<UINT>(m.Width);
  height = static_cast<UINT>(m.Height);
}

}  // namespace varnelta
