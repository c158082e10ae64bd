// A preview of the skin: the main window's frame and controls composed from the pictures the
// way the painters use them (frames cut out, ends fixed, middles stretched, magenta left out),
// plus a board of every state of the interactive elements.
#include "tools/skingen/preview.h"

#include <algorithm>
#include <map>

#include "tools/skingen/canvas.h"
#include "tools/skingen/theme.h"

namespace varnelta::skingen {

namespace {

using namespace theme;

struct Margins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

TBitmap Cell(const TBitmap& image, int frames, int frame, bool vertical) {
  if (vertical) {
    const int h = image.Height() / frames;
    return image.Copy(0, (frame - 1) * h, image.Width(), h);
  }
  const int w = image.Width() / frames;
  return image.Copy((frame - 1) * w, 0, w, image.Height());
}

// Nearest-neighbour stretch of a part of `source` into a part of `target`.
void Stretch(TBitmap& target, int dx, int dy, int dw, int dh, const TBitmap& source, int sx,
             int sy, int sw, int sh) {
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  for (int y = 0; y < dh; ++y)
    for (int x = 0; x < dw; ++x)
      target.SetPixel(dx + x, dy + y, source.Pixel(sx + x * sw / dw, sy + y * sh / dh));
}

// One frame scaled into w x h with fixed margins (nine parts, middles stretched).
TBitmap Sliced(const TBitmap& image, int frames, int frame, bool vertical, Margins m, int w, int h) {
  const TBitmap cell = Cell(image, frames, frame, vertical);
  TBitmap out(w, h);
  if (w < m.left + m.right) m.left = m.right = 0;
  if (h < m.top + m.bottom) m.top = m.bottom = 0;
  const int cw = cell.Width(), ch = cell.Height();
  const int xs[] = {0, m.left, w - m.right, w};
  const int sxs[] = {0, m.left, cw - m.right, cw};
  const int ys[] = {0, m.top, h - m.bottom, h};
  const int sys[] = {0, m.top, ch - m.bottom, ch};
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i)
      Stretch(out, xs[i], ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j], cell, sxs[i], sys[j],
              sxs[i + 1] - sxs[i], sys[j + 1] - sys[j]);
  return out;
}

void Put(TBitmap& target, const TBitmap& picture, int x, int y) {
  target.CopyRectTransparent(x, y, picture, 0, 0, picture.Width(), picture.Height());
}

void Outline(TBitmap& target, int x, int y, int w, int h, std::uint32_t rgb) {
  const std::uint32_t c = ColourFromPixel(rgb);
  target.FillRect(x, y, w, 1, c);
  target.FillRect(x, y + h - 1, w, 1, c);
  target.FillRect(x, y, 1, h, c);
  target.FillRect(x + w - 1, y, 1, h, c);
}

void Fill(TBitmap& target, int x, int y, int w, int h, std::uint32_t rgb) {
  target.FillRect(x, y, w, h, ColourFromPixel(rgb));
}

class Composer {
 public:
  explicit Composer(const std::vector<SkinPicture>& pictures) {
    for (const SkinPicture& p : pictures) images_[p.file] = &p.bitmap;
  }
  const TBitmap& operator[](const std::string& file) const { return *images_.at(file); }

 private:
  std::map<std::string, const TBitmap*> images_;
};

// The skinned frame of a window whose client area is cw x ch, at (x, y) of target.
void DrawWindow(TBitmap& target, const Composer& skin, int x, int y, int cw, int ch, bool active,
                int captionWidth, int hotButton) {
  const int w = cw + 2 * kSide;
  const int h = ch + kTitle + kBottom;
  const int frame = active ? 1 : 2;
  Fill(target, x + kSide, y + kTitle, cw, ch, 0xE6EBF5);
  Put(target, Sliced(skin["frameleft.bmp"], 2, frame, false, {0, kTitle, 0, kBottom}, kSide, h), x, y);
  Put(target, Sliced(skin["frameright.bmp"], 2, frame, false, {0, kTitle, 0, kBottom}, kSide, h),
      x + w - kSide, y);
  Put(target, Sliced(skin["framebottom.bmp"], 2, frame, true, {2, 0, 2, 0}, w - 2 * kSide, kBottom),
      x + kSide, y + h - kBottom);
  Put(target,
      Sliced(skin["frametop.bmp"], 2, frame, true, {kTopPieceEnd, 0, kTopPieceEnd, 0}, w - 2 * kSide, kTitle),
      x + kSide, y);
  // Caption background: ends fixed, middle repeated.
  const TBitmap back = Cell(skin["captionback.bmp"], 2, frame, true);
  const int bx = x + kSide + 24;
  TBitmap chip(captionWidth, kTitle);
  for (int cx = kCaptionBackLeft; cx < captionWidth - kCaptionBackRight; cx += kCaptionBackMiddle)
    chip.CopyRect(cx, 0, back, kCaptionBackLeft, 0, kCaptionBackMiddle, kTitle);
  chip.CopyRect(0, 0, back, 0, 0, kCaptionBackLeft, kTitle);
  chip.CopyRect(captionWidth - kCaptionBackRight, 0, back, back.Width() - kCaptionBackRight, 0,
                kCaptionBackRight, kTitle);
  Put(target, chip, bx, y);
  // Window icon stand-in.
  Fill(target, x + 9, y + 7, 16, 16, 0x3F73C8);
  Fill(target, x + 12, y + 10, 10, 10, 0xFFFFFF);
  // Title buttons: minimise, maximise (disabled: no maximise box), close.
  const struct {
    const char* file;
    int xcoord;
  } buttons[] = {{"titleminimise.bmp", 92}, {"titlemaximise.bmp", 63}, {"titleclose.bmp", 34}};
  for (int i = 0; i < 3; ++i) {
    int f = active ? 1 : 4;
    if (i == 1) f = 4;
    if (active && i == hotButton) f = 3;
    Put(target, Cell(skin[buttons[i].file], 4, f, false), x + w - buttons[i].xcoord, y + kCaptionButtonTop);
  }
}

}  // namespace

TBitmap ComposePreview(const std::vector<SkinPicture>& pictures) {
  const Composer skin(pictures);
  TBitmap out(1000, 560);
  for (int y = 0; y < out.Height(); ++y) {
    const std::uint32_t shade = static_cast<std::uint32_t>(0x50 + y * 0x30 / out.Height());
    Fill(out, 0, y, out.Width(), 1, (shade << 16) | ((shade + 0x10) << 8) | (shade + 0x28));
  }

  // The main window: 586 x 401 client.
  const int wx = 16, wy = 16;
  DrawWindow(out, skin, wx, wy, 586, 401, true, 190, 2);
  const int cx = wx + kSide, cy = wy + kTitle;
  // Memos with the two-ring border of the memo skinner.
  for (int top : {32, 209}) {
    Fill(out, cx, cy + top, 585, 137, 0xFFFFFF);
    Outline(out, cx, cy + top, 585, 137, 0xA3AFC2);
    Outline(out, cx + 1, cy + top + 1, 583, 135, 0xE6EBF5);
  }
  // Buttons: the focused one (frame 5) and a normal one.
  Put(out, Sliced(skin["button.bmp"], 5, 5, false, {5, 5, 5, 5}, 75, 25), cx + 96, cy + 352);
  Put(out, Sliced(skin["button.bmp"], 5, 1, false, {5, 5, 5, 5}, 75, 25), cx + 8, cy + 352);
  // Combo box in the flat look: outer ring in the shadow colour, white inside, button at right.
  const auto combo = [&](int x, int y, int frame) {
    Fill(out, x, y, 90, 21, 0xFFFFFF);
    Outline(out, x, y, 90, 21, 0xA3AFC2);
    Put(out, Sliced(skin["combobutton.bmp"], 4, frame, false, {}, 15, 17), x + 90 - 2 - 15, y + 2);
  };
  combo(cx + 201, cy + 354, 1);
  // Status bar: three panes with lowered edges.
  Fill(out, cx, cy + 382, 586, 19, 0xE6EBF5);
  int px = 0;
  for (int width : {150, 280, 141}) {
    Put(out, Sliced(skin["statusbaredges.bmp"], 3, 1, false, {2, 2, 2, 2}, width - 2, 19), cx + px, cy + 382);
    px += width;
  }
  Put(out, Cell(skin["extraimages.bmp"], 5, 5, false), cx + 586 - 13, cy + 382 + 19 - 13);

  // An inactive window behind the board.
  const int bx = 640, by = 16;
  DrawWindow(out, skin, bx, by, 340, 520, false, 120, -1);
  const int ix = bx + kSide, iy = by + kTitle;
  // Board: push button states.
  for (int f = 1; f <= 5; ++f)
    Put(out, Sliced(skin["button.bmp"], 5, f, false, {5, 5, 5, 5}, 60, 25), ix + 8 + (f - 1) * 66, iy + 10);
  // Title button states on an active title strip.
  {
    TBitmap strip = Sliced(skin["frametop.bmp"], 2, 1, true, {kTopPieceEnd, 0, kTopPieceEnd, 0}, 330, kTitle);
    const char* files[] = {"titleclose.bmp", "titlemaximise.bmp", "titlerestore.bmp", "titleminimise.bmp"};
    for (int i = 0; i < 2; ++i)
      for (int f = 1; f <= 4; ++f)
        Put(strip, Cell(skin[files[i]], 4, f, false), 6 + i * 162 + (f - 1) * 38, kCaptionButtonTop);
    Put(out, strip, ix + 5, iy + 44);
    TBitmap strip2 = Sliced(skin["frametop.bmp"], 2, 1, true, {kTopPieceEnd, 0, kTopPieceEnd, 0}, 330, kTitle);
    for (int i = 2; i < 4; ++i)
      for (int f = 1; f <= 4; ++f)
        Put(strip2, Cell(skin[files[i]], 4, f, false), 6 + (i - 2) * 162 + (f - 1) * 38, kCaptionButtonTop);
    Put(out, strip2, ix + 5, iy + 80);
  }
  // Combo states.
  for (int f = 1; f <= 4; ++f) {
    const int x = ix + 8 + (f - 1) * 82;
    Fill(out, x, iy + 120, 76, 21, 0xFFFFFF);
    Outline(out, x, iy + 120, 76, 21, 0xA3AFC2);
    Put(out, Sliced(skin["combobutton.bmp"], 4, f, false, {}, 15, 17), x + 76 - 17, iy + 122);
  }
  // Check boxes and radio buttons.
  for (int f = 1; f <= 4; ++f) {
    Put(out, Cell(skin["checkbox.bmp"], 4, f, false), ix + 10 + (f - 1) * 24, iy + 156);
    Put(out, Cell(skin["radiobutton.bmp"], 4, f, false), ix + 120 + (f - 1) * 24, iy + 156);
  }
  // Scroll bars: horizontal and vertical, thumb hot on the vertical one.
  {
    const int len = 220, x = ix + 8, y = iy + 186;
    Fill(out, x, y, len, 17, 0xE6EBF5);
    Put(out, Sliced(skin["scrollhorz.bmp"], 4, 1, false, {}, len - 34, 17), x + 17, y);
    Put(out, Cell(skin["scrollbar.bmp"], 23, 1, false), x, y);
    Put(out, Cell(skin["scrollbar.bmp"], 23, 8, false), x + len - 17, y);
    Put(out, Sliced(skin["scrollthumbhorz.bmp"], 3, 1, false, {6, 0, 6, 0}, 70, 17), x + 40, y);
    Put(out, Cell(skin["scrollbar.bmp"], 23, 17, false), x + 40 + 35 - 8, y);
    const int vx = ix + 300, vy = iy + 186, vlen = 180;
    Fill(out, vx, vy, 17, vlen, 0xE6EBF5);
    Put(out, Sliced(skin["scrollvert.bmp"], 4, 1, false, {}, 17, vlen - 34), vx, vy + 17);
    Put(out, Cell(skin["scrollbar.bmp"], 23, 9, false), vx, vy);
    Put(out, Cell(skin["scrollbar.bmp"], 23, 14, false), vx, vy + vlen - 17);
    Put(out, Sliced(skin["scrollthumbvert.bmp"], 3, 3, false, {0, 6, 0, 6}, 17, 60), vx, vy + 50);
    Put(out, Cell(skin["scrollbar.bmp"], 23, 22, false), vx, vy + 50 + 30 - 8);
  }
  // Progress bar at 60 %.
  {
    const int x = ix + 8, y = iy + 216, w = 220, h = 18;
    Put(out, Sliced(skin["progress.bmp"], 1, 1, false, {4, 4, 4, 4}, w, h), x, y);
    Put(out, Sliced(skin["progresschunk.bmp"], 1, 1, false, {3, 0, 3, 0}, w * 6 / 10, h - 4), x + 2, y + 2);
  }
  // Tabs over a pane.
  {
    const int x = ix + 8, y = iy + 250;
    Put(out, Sliced(skin["tabpane.bmp"], 1, 1, false, {2, 2, 2, 2}, 280, 60), x, y + 21);
    Put(out, Sliced(skin["tabs.bmp"], 5, 1, false, {5, 5, 5, 2}, 70, 22), x + 2, y);
    Put(out, Sliced(skin["tabs.bmp"], 5, 2, false, {5, 5, 5, 2}, 70, 23), x + 72, y - 1);
    Put(out, Sliced(skin["tabs.bmp"], 5, 4, false, {5, 5, 5, 2}, 70, 22), x + 142, y);
  }
  // A popup menu with a selected item and a separator.
  {
    const int x = ix + 8, y = iy + 350, w = 160;
    Put(out, Sliced(skin["menubackground.bmp"], 1, 1, false, {3, 3, 3, 3}, w, 90), x, y);
    for (int i = 0; i < 4; ++i) {
      const int frame = i == 1 ? 4 : (i == 2 ? 2 : 1);
      const int ih = i == 2 ? 8 : 20;
      const int iy2 = y + 3 + (i > 2 ? 48 : i * 20);
      TBitmap item = Sliced(skin["menuitem.bmp"], 5, frame, false, {5, 5, 5, 5}, w - 6, ih);
      if (frame == 2) item = Sliced(skin["menuitem.bmp"], 5, 2, false, {5, 0, 5, 0}, w - 6, 20).Copy(0, 12, w - 6, 8);
      Put(out, item, x + 3, iy2);
    }
    // Menu glyph strip preview space: header bar and track thumbs.
    Put(out, Sliced(skin["headerbar.bmp"], 5, 1, false, {3, 3, 3, 3}, 80, 20), x + 180, y);
    Put(out, Sliced(skin["headerbar.bmp"], 5, 2, false, {3, 3, 3, 3}, 80, 20), x + 260, y);
    Put(out, Cell(skin["trackthumbhorz.bmp"], 5, 2, false), x + 190, y + 40);
    Put(out, Cell(skin["trackthumbvert.bmp"], 5, 2, false), x + 220, y + 44);
    Put(out, Sliced(skin["updownvert.bmp"], 8, 1, false, {}, 15, 11), x + 260, y + 40);
    Put(out, Sliced(skin["updownvert.bmp"], 8, 8, false, {}, 15, 11), x + 260, y + 51);
    Put(out, Cell(skin["updownvertglyphs.bmp"], 8, 1, false), x + 263, y + 42);
    Put(out, Cell(skin["updownvertglyphs.bmp"], 8, 8, false), x + 263, y + 53);
  }
  return out;
}

}  // namespace varnelta::skingen
