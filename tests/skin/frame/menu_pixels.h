// Pixel reading for the skinned menu tests: a MenuItem picture whose every frame tells itself
// apart (a fill and corner colours per frame, a colour per pixel in the separator frame), a
// capture of an open menu window with its items' rectangles, ink columns of text, the reference
// ink of text drawn here with the menu font, and the system check mark's black pixels.
#pragma once

#include "tests/skin/frame/menu_skin_fixture.h"

#include <utility>
#include <vector>

namespace varnelta::testing_menus {

constexpr int kFrameWidth = 24;
constexpr int kFrameHeight = 20;
constexpr int kFrames = 5;
constexpr int kMargin = 5;  // the picture's ends, as the stored skin has them

// Per frame (1 to 5): the fill, the top left corner and the bottom right corner.
constexpr COLORREF kFill[kFrames + 1] = {0, RGB(250, 240, 200), RGB(0, 0, 0), RGB(200, 250, 200), RGB(200, 220, 250),
                                         RGB(240, 210, 240)};
constexpr COLORREF kTopLeft[kFrames + 1] = {0, RGB(10, 120, 60), 0, RGB(30, 120, 60), RGB(40, 120, 60), RGB(50, 120, 60)};
constexpr COLORREF kBottomRight[kFrames + 1] = {0, RGB(10, 60, 120), 0, RGB(30, 60, 120), RGB(40, 60, 120),
                                                RGB(50, 60, 120)};

// The separator frame: a colour of its own at every pixel.
constexpr COLORREF SeparatorPixel(int x, int y) { return RGB(100 + 4 * x, 50 + 5 * y, 150); }

// The tests alter the loaded skin of their own main window in place.
inline TSkinElements& EditableSkin(TSkinData& data) { return const_cast<TSkinElements&>(data.Skin()); }

inline void UseTellingMenuItemPicture(TSkinData& data) {
  TDataSkinObject& element = *EditableSkin(data).MenuItem;
  TBitmap picture(kFrameWidth * kFrames, kFrameHeight);
  for (int f = 1; f <= kFrames; ++f) {
    const int x0 = (f - 1) * kFrameWidth;
    for (int y = 0; y < kFrameHeight; ++y) {
      for (int x = 0; x < kFrameWidth; ++x) picture.SetColour(x0 + x, y, f == 2 ? SeparatorPixel(x, y) : kFill[f]);
    }
    if (f == 2) continue;
    picture.SetColour(x0, 0, kTopLeft[f]);
    picture.SetColour(x0 + kFrameWidth - 1, kFrameHeight - 1, kBottomRight[f]);
  }
  element.Image = picture;
  element.FrameCount = kFrames;
  element.Margins = {kMargin, kMargin, kMargin, kMargin};
  element.Tile = 0;
  element.Trans = 0;
}

struct TCapture {
  TBitmap Pixels;           // the menu window as the screen shows it
  std::vector<RECT> Items;  // each item's rectangle in the picture
};

inline TCapture CaptureMenu(HWND menuWindow, HMENU menu) {
  TCapture c;
  RECT window{};
  GetWindowRect(menuWindow, &window);
  c.Pixels = ScreenPixels(menuWindow);
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    RECT r{};
    GetMenuItemRect(menuWindow, menu, static_cast<UINT>(i), &r);
    OffsetRect(&r, -window.left, -window.top);
    c.Items.push_back(r);
  }
  return c;
}

// One item of a capture, in the item's own coordinates.
class TItemPixels {
 public:
  TItemPixels(const TCapture& c, std::size_t index) : picture_(c.Pixels), r_(c.Items.at(index)) {}
  int Width() const { return r_.right - r_.left; }
  int Height() const { return r_.bottom - r_.top; }
  COLORREF At(int x, int y) const { return picture_.Colour(r_.left + x, r_.top + y); }
  // Pixels of exactly this colour inside [left, right) × [top, bottom).
  int Count(COLORREF colour, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) n += At(x, y) == colour;
    }
    return n;
  }
  int Count(COLORREF colour) const { return Count(colour, 0, 0, Width(), Height()); }
  // The first and last column in [left, right) holding a pixel other than `back` (the corner
  // marks left out).
  std::pair<int, int> Ink(COLORREF back, int left, int right) const {
    int first = -1;
    int last = -1;
    for (int x = std::max(left, 0); x < std::min(right, Width()); ++x) {
      for (int y = 1; y < Height() - 1; ++y) {
        if (At(x, y) == back) continue;
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
    return {first, last};
  }

 private:
  const TBitmap& picture_;
  RECT r_;
};

// The first and last ink column of `text` drawn with DrawText into a box `width` wide.
inline std::pair<int, int> ReferenceInk(const std::wstring& text, bool bold, UINT format, int width, int height,
                                 COLORREF ink, COLORREF back) {
  TFontHandle font = CreateMenuFont();
  LOGFONTW logFont{};
  GetObjectW(font.Get(), sizeof logFont, &logFont);
  if (bold) logFont.lfWeight = FW_BOLD;
  TFontHandle chosen(CreateFontIndirectW(&logFont));
  TBitmap start(width, height);
  start.Fill(back);
  TDibSection dib(start);
  TMemoryDC dc(nullptr);
  TSelectObject keepBitmap(dc.Get(), dib.Handle());
  TSelectObject keepFont(dc.Get(), chosen.Get());
  SetBkMode(dc.Get(), TRANSPARENT);
  SetTextColor(dc.Get(), ink);
  RECT box{0, 0, width, height};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &box, format);
  GdiFlush();
  const TBitmap drawn = dib.ToBitmap();
  int first = -1;
  int last = -1;
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      if (drawn.Colour(x, y) == back) continue;
      if (first < 0) first = x;
      last = x;
      break;
    }
  }
  return {first, last};
}

// The system check mark's black pixels, relative to its top left corner, and its size.
struct TCheckMark {
  std::vector<POINT> Black;
  int Width = 0;
  int Height = 0;
};

// The system's check mark bitmap (OBM_CHECK, an OEM resource).
constexpr WORD kSystemCheckBitmap = 32760;

inline TCheckMark SystemCheckMark() {
  TCheckMark mark;
  TBitmapHandle check(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kSystemCheckBitmap)));
  if (!check) return mark;
  BITMAP info{};
  GetObjectW(check.Get(), sizeof info, &info);
  mark.Width = info.bmWidth;
  mark.Height = info.bmHeight;
  TMemoryDC dc(nullptr);
  TSelectObject keep(dc.Get(), check.Get());
  for (int y = 0; y < info.bmHeight; ++y) {
    for (int x = 0; x < info.bmWidth; ++x) {
      if ((GetPixel(dc.Get(), x, y) & 0xFFFFFF) == 0) mark.Black.push_back({x, y});
    }
  }
  return mark;
}

// The check mark's black pixels that `item` does not show black, the mark drawn in the 16-px
// glyph box `glyph`: centred horizontally plus 1, and in the item vertically plus 1.
inline int MissingCheckMarkPixels(const TItemPixels& item, const TCheckMark& mark, const RECT& glyph) {
  const int x0 = glyph.left + (16 - mark.Width) / 2 + 1;
  const int y0 = (item.Height() - mark.Height) / 2 + 1;
  int missing = 0;
  for (const POINT& p : mark.Black) missing += item.At(x0 + p.x, y0 + p.y) != RGB(0, 0, 0);
  return missing;
}

inline COLORREF Rgb(TColor colour) { return ColorToRGB(colour); }

// Opens a drop-down (through `open`, which runs the step inside the menu loop) and captures it
// once its first item is selected; `more` may capture again after changing something (it gets
// the menu window).
using TOpener = std::function<void(std::function<bool()>)>;
inline TCapture OpenAndCapture(const TOpener& open, HMENU drop, const std::function<void(HWND)>& more = nullptr) {
  TCapture capture;
  int settled = 0;
  open([&] {
    HWND menu = VisibleMenuWindow();
    if (!menu || Hilited(drop) != 0) return false;
    if (++settled < 3) return false;  // a few ticks so the selection is painted
    capture = CaptureMenu(menu, drop);
    if (more) more(menu);
    Key(menu, VK_ESCAPE);
    return true;
  });
  PumpPending();
  return capture;
}

}  // namespace varnelta::testing_menus
