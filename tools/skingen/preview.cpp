#include "tools/skingen/preview.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "skin/data/img_util.h"
#include "skin/data/pixel_draw.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_parse.h"
#include "skin/frame/caption_back.h"

namespace varnelta::skingen {

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TRect Rect(int x, int y, int w, int h) { return TRect{x, y, x + w, y + h}; }

void Fill(TBitmap& target, int x, int y, int w, int h, TColor colour) {
  target.FillRect(x, y, w, h, colour & 0xFFFFFF);
}

void Outline(TBitmap& target, int x, int y, int w, int h, TColor colour) {
  Fill(target, x, y, w, 1, colour);
  Fill(target, x, y + h - 1, w, 1, colour);
  Fill(target, x, y, 1, h, colour);
  Fill(target, x + w - 1, y, 1, h, colour);
}

// An element frame scaled into w x h with the element's margins and tiling, drawn at (x, y)
// with magenta left out when the element is transparent.
void DrawElement(TBitmap& target, const TDataSkinObject* e, int frame, int x, int y, int w,
                 int h, bool vertical = false) {
  if (e == nullptr || e->Image.Empty() || w <= 0 || h <= 0) return;
  const TBitmap piece = BuildSlicedBitmap(w, h, e->Image, e->Margins, vertical, e->Tile == 1,
                                          e->FrameCount, frame);
  DrawImage(target, x, y, piece, e->Trans == 1);
}

// A frame cell drawn unscaled at (x, y), magenta transparent.
void DrawCell(TBitmap& target, const TDataSkinObject* e, int frame, int x, int y) {
  if (e == nullptr || e->Image.Empty()) return;
  const TRect cell = FrameCell(e->Image, e->FrameCount, frame);
  StretchCopy(target, Rect(x, y, cell.Width(), cell.Height()), e->Image, cell, true);
}

struct Frame {
  int left, title, right, bottom;
};

Frame Metrics(const TSkinElements& skin) {
  const auto across = [](const TDataSkinObject& e) {
    return e.FrameCount > 0 ? e.Image.Width() / e.FrameCount : 0;
  };
  const auto down = [](const TDataSkinObject& e) {
    return e.FrameCount > 0 ? e.Image.Height() / e.FrameCount : 0;
  };
  return {across(*skin.BorderLeft), down(*skin.BorderTop), across(*skin.BorderRight),
          down(*skin.BorderBottom)};
}

// Visibility of a title button on a window with a system menu and a minimise box only, as the
// main window is; codes the main window cannot meet count as hidden.
bool ButtonVisible(const TDataSkinSysButton& b, bool& enabled) {
  constexpr bool kMax = false, kMin = true, kHelp = false, kSys = true, kMaximised = false;
  const auto code = [&](int v) {
    switch (v) {
      case 0: return true;
      case 1: return kMaximised;
      case 2: return !kMaximised;
      case 3: return true;  // active
      case 6: case 8: return (kMin || kMax) && kSys;
      case 7: return !kMax;
      case 9: return !kMin;
      case 10: return kHelp && !kMin && !kMax;
      default: return v >= 201 && v <= 999;
    }
  };
  bool visible = code(b.Visibility) && (b.Visibility1 == 6 ? kMin || kMax : code(b.Visibility1));
  enabled = true;
  if (b.Action == 0 && !kSys) visible = false;
  if (b.Action == 1) enabled = kMax && kSys;
  if (b.Action == 2) enabled = kMin && kSys;
  return visible;
}

// The skinned frame of a window with a client of cw x ch at (x, y): edges, caption background
// (`captionWidth` wide), window icon and title buttons. `hot` names the Action of a button
// shown under the mouse (-1 for none).
void DrawWindow(TBitmap& out, const TSkinElements& skin, int x, int y, int cw, int ch,
                bool active, int captionWidth, int hot) {
  const Frame f = Metrics(skin);
  const int w = cw + f.left + f.right;
  const int h = ch + f.title + f.bottom;
  TBitmap window(w, h);
  window.Fill(skin.Colours[kColourButtonFace]);
  const int frame = active ? 1 : 2;
  const auto piece = [&](const TDataSkinBorder& e, int px, int py, int pw, int ph, bool vertical) {
    if (pw <= 0 || ph <= 0 || e.Image.Empty()) return;
    const int useFrame = e.FrameCount > 1 ? frame : 1;
    // For frame edges Tile holds the Stretch switch: 1 stretches the middle.
    const TBitmap b = BuildSlicedBitmap(pw, ph, e.Image, e.Margins, vertical, e.Tile != 1,
                                        e.FrameCount, useFrame);
    window.CopyRect(px, py, b, 0, 0, pw, ph);
  };
  piece(*skin.BorderLeft, 0, 0, f.left, h, false);
  piece(*skin.BorderRight, w - f.right, 0, f.right, h, false);
  piece(*skin.BorderBottom, f.left, h - f.bottom, w - f.left - f.right, f.bottom, true);
  piece(*skin.BorderTop, f.left, 0, w - f.left - f.right, f.title, true);

  // Caption background behind the text: ends fixed, middle repeated.
  const TDataSkinTitle& title = *skin.Title;
  if (!title.Image.Empty()) {
    const int left = f.left + title.Margins.Left;
    DrawCaptionBack(window, {left, 0, left + captionWidth, f.title}, title.Image, true, true, 2, frame,
                    {title.TextBackLeft, 0, title.TextBackRight, 0});
  }

  for (const auto& b : skin.SysButtons) {
    bool enabled = true;
    if (b->Visibility == 100 || !ButtonVisible(*b, enabled)) continue;
    if (b->Action == 3 || b->Action == 11) {
      // The window icon: a stand-in.
      Fill(window, b->XCoord, b->YCoord, 16, 16, 0xC8733F);
      Fill(window, b->XCoord + 3, b->YCoord + 3, 10, 10, 0xFFFFFF);
      continue;
    }
    if (b->Image.Empty()) continue;
    int useFrame = active && enabled ? 1 : 4;
    if (b->FrameCount < 4) useFrame = 1;
    if (active && enabled && b->Action == hot) useFrame = 3;
    const int bx = b->Align == 1 ? w - b->XCoord : b->XCoord;
    DrawCell(window, b.get(), useFrame, bx, b->YCoord);
  }
  DrawImage(out, x, y, window, true);
}

}  // namespace

bool LoadSkinFolder(const std::filesystem::path& folder, TSkinElements& skin,
                    std::vector<std::string>& problems) {
  std::vector<std::uint8_t> description;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.path().extension() == ".ini") description = ReadBytes(entry.path());
  if (description.empty()) return false;
  TQuickIni ini;
  ini.LoadFromStream(&description);
  TSkinParser parser(ini, [&](std::string_view name, std::vector<std::uint8_t>& bytes) {
    bytes = ReadBytes(folder / std::string(name));
    return !bytes.empty();
  });
  parser.ParseSkin(skin);
  for (const TSkinPictureProblem& p : parser.Problems()) problems.push_back(p.Name);
  return true;
}

TBitmap ComposePreview(const TSkinElements& skin) {
  const TColor face = skin.Colours[kColourButtonFace];
  const TColor shadow = skin.Colours[kColourButtonShadow];
  TBitmap out(1000, 560);
  for (int y = 0; y < out.Height(); ++y) {
    const std::uint32_t shade = static_cast<std::uint32_t>(0x50 + y * 0x30 / out.Height());
    Fill(out, 0, y, out.Width(), 1, ((shade + 0x28) << 16) | ((shade + 0x10) << 8) | shade);
  }
  const Frame f = Metrics(skin);

  // The main window: 586 x 401 client, the close button under the mouse.
  const int wx = 16, wy = 16;
  DrawWindow(out, skin, wx, wy, 586, 401, true, 190, 0);
  const int cx = wx + f.left, cy = wy + f.title;
  // The memos with the memo skinner's two rings.
  for (int top : {32, 209}) {
    Fill(out, cx, cy + top, 585, 137, 0xFFFFFF);
    Outline(out, cx, cy + top, 585, 137, shadow);
    Outline(out, cx + 1, cy + top + 1, 583, 135, face);
  }
  // "普2专" normal, "专2普" focused (it has the focus at start).
  DrawElement(out, skin.Buttons.get(), 1, cx + 8, cy + 352, 75, 25);
  DrawElement(out, skin.Buttons.get(), 5, cx + 96, cy + 352, 75, 25);
  // The kind selector in the flat look: a ring in the shadow colour, the box's white inside,
  // the button cell at the right of the inner rectangle.
  const auto combo = [&](int x, int y, int width, int frame) {
    Fill(out, x, y, width, 21, 0xFFFFFF);
    Outline(out, x, y, width, 21, shadow);
    const TDataSkinObject* b = skin.ComboButton.get();
    if (b == nullptr || b->Image.Empty()) return;
    const int cell = b->Image.Width() / b->FrameCount;
    DrawFrameCell(out, Rect(x + width - 2 - cell, y + 2, cell, 17), b->Image, true, b->FrameCount, frame);
  };
  combo(cx + 201, cy + 354, 90, 1);
  // Status bar: three panes.
  Fill(out, cx, cy + 382, 586, 19, face);
  int px = 0;
  for (int width : {150, 280, 141}) {
    DrawElement(out, skin.StatusBarEdges.get(), 1, cx + px, cy + 382, width - 2, 19);
    px += width;
  }
  if (skin.ExtraImages)
    DrawCell(out, skin.ExtraImages.get(), 5, cx + 586 - 13, cy + 382 + 19 - 13);

  // An inactive window with the board of states.
  const int bx = 640, by = 16;
  DrawWindow(out, skin, bx, by, 340, 520, false, 170, -1);
  const int ix = bx + f.left, iy = by + f.title;
  for (int frame = 1; frame <= 5; ++frame)
    DrawElement(out, skin.Buttons.get(), frame, ix + 8 + (frame - 1) * 66, iy + 10, 60, 25);
  // Title buttons in all four frames on an active title bar strip.
  for (int row = 0; row < 2; ++row) {
    TBitmap strip(330, f.title);
    const TDataSkinBorder& top = *skin.BorderTop;
    const TBitmap bar = BuildSlicedBitmap(330, f.title, top.Image, top.Margins, true, top.Tile != 1,
                                          top.FrameCount, 1);
    strip.CopyRect(0, 0, bar, 0, 0, 330, f.title);
    int at = 6;
    for (std::size_t i = 2 * static_cast<std::size_t>(row); i < 2 * static_cast<std::size_t>(row) + 2 && i < skin.SysButtons.size(); ++i) {
      const TDataSkinSysButton& b = *skin.SysButtons[i];
      for (int frame = 1; frame <= b.FrameCount && !b.Image.Empty(); ++frame) {
        DrawCell(strip, &b, frame, at, b.YCoord);
        at += b.Image.Width() / b.FrameCount + 10;
      }
      at += 6;
    }
    DrawImage(out, ix + 5, iy + 44 + row * 36, strip, false);
  }
  for (int frame = 1; frame <= 4; ++frame) combo(ix + 8 + (frame - 1) * 82, iy + 120, 76, frame);
  for (int frame = 1; frame <= 4; ++frame) {
    const TDataSkinButton& b = *skin.Buttons;
    if (!b.CheckImage.Empty()) {
      const int w = b.CheckImage.Width() / std::max(1, b.CheckFrameCount);
      StretchCopy(out, Rect(ix + 10 + (frame - 1) * 24, iy + 156, w, b.CheckImage.Height()),
                  b.CheckImage, FrameCell(b.CheckImage, b.CheckFrameCount, frame), true);
    }
    if (!b.RadioImage.Empty()) {
      const int w = b.RadioImage.Width() / std::max(1, b.RadioFrameCount);
      StretchCopy(out, Rect(ix + 120 + (frame - 1) * 24, iy + 156, w, b.RadioImage.Height()),
                  b.RadioImage, FrameCell(b.RadioImage, b.RadioFrameCount, frame), true);
    }
  }
  // Scroll bars as the overlay paints them: face, track, arrows, thumb and its grip.
  if (skin.Scrollbar && !skin.Scrollbar->Image.Empty()) {
    const int a = skin.Scrollbar->Image.Height();
    const auto bar = [&](bool vertical, int x, int y, int length, int thumbAt, int thumbLength,
                         int arrowFrameBoost, int thumbFrame) {
      const int w = vertical ? a : length;
      const int h = vertical ? length : a;
      TBitmap b(w, h);
      b.Fill(face);
      const TDataSkinObject* track = vertical ? skin.VertScroll.get() : skin.HorzScroll.get();
      if (vertical)
        DrawElement(b, track, 1, 0, a, a, length - 2 * a);
      else
        DrawElement(b, track, 1, a, 0, length - 2 * a, a);
      const int first = vertical ? 9 : 1;
      const int second = vertical ? 13 : 5;
      DrawFrameCell(b, Rect(0, 0, a, a), skin.Scrollbar->Image, true, 23, first);
      DrawFrameCell(b, vertical ? Rect(0, length - a, a, a) : Rect(length - a, 0, a, a),
                    skin.Scrollbar->Image, true, 23, second + arrowFrameBoost);
      const TDataSkinObject* thumb = vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
      if (thumb && !thumb->Image.Empty()) {
        const TBitmap t = vertical ? BuildSlicedBitmap(a, thumbLength, thumb->Image, thumb->Margins, false, false, thumb->FrameCount, thumbFrame)
                                   : BuildSlicedBitmap(thumbLength, a, thumb->Image, thumb->Margins, false, false, thumb->FrameCount, thumbFrame);
        DrawImage(b, vertical ? 0 : thumbAt, vertical ? thumbAt : 0, t, thumb->Trans == 1);
        const int grip = (vertical ? 20 : 17) + (thumbFrame == 3 ? 2 : thumbFrame == 2 ? 1 : 0);
        const int offset = thumbAt + (thumbLength - a) / 2;
        DrawFrameCell(b, vertical ? Rect(0, offset, a, a) : Rect(offset, 0, a, a),
                      skin.Scrollbar->Image, true, 23, grip);
      }
      out.CopyRect(x, y, b, 0, 0, w, h);
    };
    bar(false, ix + 8, iy + 186, 220, 40, 70, 3, 1);
    bar(true, ix + 300, iy + 186, 150, 50, 50, 0, 3);
  }
  // A progress bar at 60 % (channel, then the chunk stretched over the filled part).
  if (skin.Progress) {
    DrawElement(out, skin.Progress.get(), 1, ix + 8, iy + 216, 220, 18);
    if (skin.ProgressChunk)
      DrawElement(out, skin.ProgressChunk.get(), 1, ix + 10, iy + 218, 132, 14);
  }
  // Tabs over their pane; the middle one current.
  if (skin.Tabs) {
    DrawElement(out, skin.TabPane.get(), 1, ix + 8, iy + 271, 280, 60);
    DrawElement(out, skin.Tabs.get(), 1, ix + 10, iy + 250, 70, 22);
    DrawElement(out, skin.Tabs.get(), 2, ix + 80, iy + 249, 70, 23);
    DrawElement(out, skin.Tabs.get(), 4, ix + 150, iy + 250, 70, 22);
  }
  // A popup menu: items, the selected one, a separator from the bottom rows of frame 2.
  if (skin.MenuBackground && skin.MenuItem) {
    const int x = ix + 8, y = iy + 350, w = 160;
    DrawElement(out, skin.MenuBackground.get(), 1, x, y, w, 82);
    DrawElement(out, skin.MenuItem.get(), 1, x + 3, y + 3, w - 6, 20);
    DrawElement(out, skin.MenuItem.get(), 4, x + 3, y + 23, w - 6, 20);
    const TDataSkinObject& item = *skin.MenuItem;
    const TRect cell = FrameCell(item.Image, item.FrameCount, 2);
    StretchCopy(out, Rect(x + 3, y + 43, w - 6, 8), item.Image,
                TRect{cell.Left, cell.Bottom - 8, cell.Right, cell.Bottom}, item.Trans == 1);
    DrawElement(out, skin.MenuItem.get(), 1, x + 3, y + 51, w - 6, 20);
  }
  // Header, track bar thumbs and up-down buttons.
  DrawElement(out, skin.Headerbar.get(), 1, ix + 188, iy + 350, 70, 20);
  DrawElement(out, skin.Headerbar.get(), 2, ix + 258, iy + 350, 70, 20);
  if (skin.Track) DrawElement(out, skin.Track.get(), 1, ix + 188, iy + 398, 100, 4);
  DrawCell(out, skin.TrackThumbHorz.get(), 2, ix + 220, iy + 390);
  DrawCell(out, skin.TrackThumbVert.get(), 2, ix + 300, iy + 394);
  if (skin.UpDownVert && !skin.UpDownVert->Image.Empty()) {
    const TDataSkinBorder& u = *skin.UpDownVert;
    const int bw = u.Image.Width() / u.FrameCount, bh = u.Image.Height();
    for (int half = 0; half < 2; ++half) {
      const int frame = half == 0 ? 1 : 8;  // the lower half under the mouse
      DrawFrameCell(out, Rect(ix + 200, iy + 420 + half * bh, bw, bh), u.Image, true, 8, frame);
      const TRect g = FrameCell(u.SecondImage, 8, frame);
      StretchCopy(out, Rect(ix + 200 + (bw - g.Width()) / 2, iy + 420 + half * bh + (bh - g.Height()) / 2, g.Width(), g.Height()),
                  u.SecondImage, g, true);
    }
  }
  return out;
}

}  // namespace varnelta::skingen
