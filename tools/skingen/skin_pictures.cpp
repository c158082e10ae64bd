// Draws the element pictures of Varnelta's skin.
//
// Frame counts and cell sizes follow what each painter expects of its element: frames side by
// side unless noted, numbered from 1. Pictures with soft outlines are drawn over the colour
// they will sit on and have magenta wherever the outline leaves the cell.
#include <array>
#include <functional>

#include "tools/skingen/canvas.h"
#include "tools/skingen/pictures.h"
#include "tools/skingen/theme.h"

namespace varnelta::skingen {

using namespace theme;

namespace {

Rgb PixelRgb(const TBitmap& b, int x, int y) { return Hex(b.Pixel(x, y) & 0xFFFFFF); }

// Lays `frames` same-sized pictures side by side, or stacked when `vertical`.
TBitmap Strip(const std::vector<TBitmap>& frames, bool vertical = false) {
  const int w = frames.front().Width();
  const int h = frames.front().Height();
  const int n = static_cast<int>(frames.size());
  TBitmap out(vertical ? w : w * n, vertical ? h * n : h);
  for (int i = 0; i < n; ++i) Blit(out, frames[static_cast<std::size_t>(i)], vertical ? 0 : i * w, vertical ? i * h : 0);
  return out;
}

// ---------------------------------------------------------------------------------------------
// Window frame

RoundBox WindowOutline(int w, int h) {
  return RoundBox{0, 0, static_cast<double>(w), static_cast<double>(h), kTopRadius, kTopRadius,
                  kBottomRadius, kBottomRadius};
}

// The title bar's colour on row y of an active or inactive frame.
Rgb TitleAt(bool active, double y) {
  const FramePalette& p = active ? kActiveFrame : kInactiveFrame;
  return Vertical(0, p.titleTop, kTitle - 1, p.titleBottom)(0, y);
}

}  // namespace

TBitmap DrawWindowFrame(int width, int height, bool active) {
  const FramePalette& p = active ? kActiveFrame : kInactiveFrame;
  Canvas c(width, height, kDesktop);
  const RoundBox outer = WindowOutline(width, height);
  c.Draw(InBox(outer), [&](double, double y) { return y < kTitle ? TitleAt(active, y) : p.body; });
  // A soft inner highlight along the top of the title bar, fading towards its bottom.
  const Shape highlight = Ring(outer.Inset(1), 1);
  c.Draw([&](double x, double y) { return y < kTitle - 2 && highlight(x, y); },
         [&](double, double y) { return Mix(p.highlight, TitleAt(active, y), y / kTitle); },
         active ? 0.9 : 0.6);
  c.Draw(Ring(outer, 1), p.outline);
  // The line around the client area, and the client area itself.
  c.FillRect(kSide - 1, kTitle - 1, width - 2 * kSide + 2, height - kTitle - kBottom + 2, p.innerLine);
  c.FillRect(kSide, kTitle, width - 2 * kSide, height - kTitle - kBottom, kFace);
  c.Cover(InBox(outer));
  return c.Finish();
}

namespace {

struct FramePieces {
  TBitmap left, right, top, bottom;
};

FramePieces CutFrame() {
  const int w = kSide + kTopPieceWidth + kSide;
  const int h = kTitle + kSideMiddle + kBottom;
  FramePieces pieces;
  std::vector<TBitmap> left, right, top, bottom;
  for (bool active : {true, false}) {
    const TBitmap frame = DrawWindowFrame(w, h, active);
    left.push_back(frame.Copy(0, 0, kSide, h));
    right.push_back(frame.Copy(w - kSide, 0, kSide, h));
    top.push_back(frame.Copy(kSide, 0, kTopPieceWidth, kTitle));
    bottom.push_back(frame.Copy(kSide, h - kBottom, kTopPieceWidth, kBottom));
  }
  pieces.left = Strip(left);
  pieces.right = Strip(right);
  pieces.top = Strip(top, true);
  pieces.bottom = Strip(bottom, true);
  return pieces;
}

// The title bar's pixels behind a caption button or the caption background, taken from the
// drawn frame so that they match it exactly.
TBitmap TitleStripBehind(bool active, int width, int top, int height) {
  const TBitmap frame = DrawWindowFrame(kSide + kTopPieceWidth + kSide, kTitle + kSideMiddle + kBottom, active);
  TBitmap out(width, height);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t pixel = frame.Pixel(kSide + kTopPieceWidth / 2, top + y);
    for (int x = 0; x < width; ++x) out.SetPixel(x, y, pixel);
  }
  return out;
}

Canvas CanvasFrom(const TBitmap& background) {
  Canvas c(background.Width(), background.Height());
  for (int y = 0; y < background.Height(); ++y)
    for (int x = 0; x < background.Width(); ++x) c.Set(x, y, PixelRgb(background, x, y));
  return c;
}

// The caption background: a soft rounded glow behind the window text; two frames stacked,
// active above inactive, each as high as the title bar.
TBitmap DrawCaptionBack() {
  const int w = kCaptionBackLeft + kCaptionBackMiddle + kCaptionBackRight;
  std::vector<TBitmap> frames;
  for (bool active : {true, false}) {
    Canvas c = CanvasFrom(TitleStripBehind(active, w, 0, kTitle));
    const RoundBox chip = Box(0.5, 6, w - 0.5, 24, 9);
    const Rgb behind = TitleAt(active, 15);
    // A glow rather than a box: no outline, so that it does not read as a text field.
    c.Draw(InBox(chip), Mix(behind, kWhite, active ? 0.5 : 0.3));
    c.Draw(Ring(chip, 1), Mix(behind, kWhite, active ? 0.3 : 0.15));
    c.Cover(InBox(chip));
    frames.push_back(c.Finish());
  }
  return Strip(frames, true);
}

enum class Glyph { kClose, kMaximise, kRestore, kMinimise };

void DrawCaptionGlyph(Canvas& c, Glyph glyph, Rgb colour) {
  const double cx = kCaptionButtonWidth / 2.0;
  const double cy = kCaptionButtonHeight / 2.0;
  switch (glyph) {
    case Glyph::kClose:
      c.Draw(Segment(cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, 1.25), colour);
      c.Draw(Segment(cx - 4.5, cy + 4.5, cx + 4.5, cy - 4.5, 1.25), colour);
      break;
    case Glyph::kMaximise:
      c.Draw(Ring(Box(cx - 5, cy - 5, cx + 5, cy + 5, 1.5), 1), colour);
      break;
    case Glyph::kRestore: {
      const RoundBox front = Box(cx - 5, cy - 3, cx + 3, cy + 5, 1.5);
      const Shape back = Ring(Box(cx - 3, cy - 5, cx + 5, cy + 3, 1.5), 1);
      c.Draw([&](double x, double y) { return back(x, y) && !front.Inset(-1).Contains(x, y); },
             colour);
      c.Draw(Ring(front, 1), colour);
      break;
    }
    case Glyph::kMinimise:
      c.FillRect(static_cast<int>(cx) - 5, static_cast<int>(cy), 10, 1, colour);
      break;
  }
}

// A title bar button: 1 normal, 2 pressed, 3 hot (mouse over), 4 disabled or inactive window.
// Frames 1 to 3 carry the active title bar behind them, so that a state change drawn straight
// onto the window replaces the previous look completely; frame 4 is shown on active and
// inactive title bars alike, so it is transparent around its glyph.
TBitmap DrawCaptionButton(Glyph glyph) {
  const int w = kCaptionButtonWidth;
  const int h = kCaptionButtonHeight;
  const bool close = glyph == Glyph::kClose;
  const Rgb glyphColour = Hex(0x2A3548);
  std::vector<TBitmap> frames;
  const TBitmap behind = TitleStripBehind(true, w, kCaptionButtonTop, h);
  for (int frame = 1; frame <= 3; ++frame) {
    Canvas c = CanvasFrom(behind);
    Rgb ink = glyphColour;
    if (frame != 1) {
      const Rgb fill = close ? (frame == 2 ? Hex(0xC4373D) : Hex(0xE5484D))
                             : (frame == 2 ? Hex(0xBCC8DB) : Hex(0xD3DCEA));
      c.Draw(InBox(Box(0, 0, w, h, 4)), fill);
      if (close) ink = kWhite;
    }
    DrawCaptionGlyph(c, glyph, ink);
    c.CoverAll();
    frames.push_back(c.Finish());
  }
  Canvas disabled(w, h, Mix(TitleAt(true, 15), TitleAt(false, 15), 0.5));
  const Rgb grey = Hex(0xA3ABB8);
  DrawCaptionGlyph(disabled, glyph, grey);
  // Only the glyph is opaque; its soft edge blends towards a colour between the active and
  // inactive title bars.
  Canvas mask(w, h);
  DrawCaptionGlyph(mask, glyph, kWhite);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgb m = mask.At(x, y);  // magenta where untouched, white where the glyph is
      if (m.g > 100) disabled.CoverRect(x, y, 1, 1);
    }
  frames.push_back(disabled.Finish());
  return Strip(frames);
}

// ---------------------------------------------------------------------------------------------
// Push buttons, check boxes, radio buttons

// Push button: 1 normal, 2 pressed, 3 disabled, 4 mouse over, 5 focused or default.
TBitmap DrawPushButton() {
  const int w = 32, h = 25;
  struct Look {
    Rgb border, top, bottom;
    bool focusRing;
  };
  const std::array<Look, 5> looks{{
      {Hex(0xA7B3C7), Hex(0xFDFEFF), Hex(0xEBF0F7), false},
      {Hex(0x8594AE), Hex(0xD0DAE9), Hex(0xDCE3EE), false},
      {Hex(0xC6CDD8), Hex(0xF0F2F7), Hex(0xECEFF4), false},
      {Hex(0x7E9CCB), Hex(0xFFFFFF), Hex(0xE1EAF7), false},
      {Hex(0x4F7CC9), Hex(0xFDFEFF), Hex(0xEBF0F7), true},
  }};
  std::vector<TBitmap> frames;
  for (const Look& look : looks) {
    Canvas c(w, h, kFace);
    const RoundBox outer = Box(0, 0, w, h, 4);
    c.Draw(InBox(outer), Vertical(1, look.top, h - 1, look.bottom));
    if (look.focusRing) c.Draw(Ring(outer.Inset(1), 1), Hex(0xBCD0F0));
    c.Draw(Ring(outer, 1), look.border);
    c.Cover(InBox(outer));
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// Check box: 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked disabled (also the
// indeterminate state).
TBitmap DrawCheckBox() {
  std::vector<TBitmap> frames;
  for (int frame = 1; frame <= 4; ++frame) {
    const bool checked = frame == 2 || frame == 4;
    const bool disabled = frame >= 3;
    Canvas c(13, 13, kFace);
    const RoundBox box = Box(0, 0, 13, 13, 2.5);
    if (checked) {
      c.Draw(InBox(box), disabled ? Hex(0xC3CCDA) : kAccent);
      const Rgb tick = kWhite;
      c.Draw(Segment(3.4, 6.9, 5.5, 9.0, 1.6), tick);
      c.Draw(Segment(5.5, 9.0, 9.8, 4.2, 1.6), tick);
    } else {
      c.Draw(InBox(box), disabled ? Paint(Solid(Hex(0xF1F3F7))) : Vertical(0, kWhite, 13, Hex(0xF1F4F9)));
      c.Draw(Ring(box, 1), disabled ? Hex(0xC9CFD9) : Hex(0x8E9CB3));
    }
    c.Cover(InBox(box));
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// Radio button: 1 off, 2 on, 3 off disabled, 4 on disabled.
TBitmap DrawRadioButton() {
  std::vector<TBitmap> frames;
  for (int frame = 1; frame <= 4; ++frame) {
    const bool on = frame == 2 || frame == 4;
    const bool disabled = frame >= 3;
    Canvas c(13, 13, kFace);
    const Shape disc = Circle(6.5, 6.5, 6.4);
    if (on) {
      c.Draw(disc, disabled ? Hex(0xC3CCDA) : kAccent);
      c.Draw(Circle(6.5, 6.5, 2.6), kWhite);
    } else {
      c.Draw(disc, disabled ? Hex(0xC9CFD9) : Hex(0x8E9CB3));
      c.Draw(Circle(6.5, 6.5, 5.4), disabled ? Paint(Solid(Hex(0xF1F3F7))) : Vertical(1, kWhite, 12, Hex(0xF1F4F9)));
    }
    c.Cover(disc);
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// ---------------------------------------------------------------------------------------------
// Combo box button and small glyphs

void DrawChevronDown(Canvas& c, double cx, double cy, Rgb colour) {
  c.Draw(Segment(cx - 3.2, cy - 1.6, cx, cy + 1.6, 1.45), colour);
  c.Draw(Segment(cx, cy + 1.6, cx + 3.2, cy - 1.6, 1.45), colour);
}

// The combo box button in the flat look (drawn inside the box's white inner ring):
// 1 normal, 2 pressed, 3 disabled, 4 mouse over or focused.
TBitmap DrawComboButton() {
  const int w = 15, h = 17;
  const std::array<std::pair<Rgb, Rgb>, 4> looks{{
      {Hex(0xE3E9F3), Hex(0x566379)},
      {Hex(0xC6D2E5), Hex(0x26324A)},
      {Hex(0xF1F3F6), Hex(0xB3BAC6)},
      {Hex(0xDAE5F6), Hex(0x2D5DAD)},
  }};
  std::vector<TBitmap> frames;
  for (const auto& [fill, ink] : looks) {
    Canvas c(w, h, kWhite);
    const RoundBox box = Box(0, 0, w, h, 2.5);
    c.Draw(InBox(box), fill);
    DrawChevronDown(c, w / 2.0, h / 2.0, ink);
    c.Cover(InBox(box));
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// Frames 1 to 4: the drop-down arrow glyph (normal, pressed, disabled, hot); frame 5: the size
// grip of status bars. Transparent around the glyphs.
TBitmap DrawExtraImages() {
  const int s = 12;
  std::vector<TBitmap> frames;
  const std::array<Rgb, 4> inks{Hex(0x566379), Hex(0x26324A), Hex(0xB3BAC6), Hex(0x2D5DAD)};
  for (const Rgb& ink : inks) {
    Canvas c(s, s, kFace);
    DrawChevronDown(c, s / 2.0, s / 2.0, ink);
    c.Cover(Segment(s / 2.0 - 3.2, s / 2.0 - 1.6, s / 2.0, s / 2.0 + 1.6, 1.45));
    c.Cover(Segment(s / 2.0, s / 2.0 + 1.6, s / 2.0 + 3.2, s / 2.0 - 1.6, 1.45));
    frames.push_back(c.Finish());
  }
  Canvas grip(s, s, kFace);
  for (int row = 0; row < 3; ++row)
    for (int col = 2 - row; col < 3; ++col) {
      const int x = 2 + col * 3;
      const int y = 2 + row * 3;
      grip.FillRect(x + 1, y + 1, 2, 2, kWhite);
      grip.FillRect(x, y, 2, 2, Hex(0x97A3B7));
      grip.CoverRect(x, y, 3, 3);
    }
  frames.push_back(grip.Finish());
  return Strip(frames);
}

// ---------------------------------------------------------------------------------------------
// Scroll bars

constexpr int kScroll = 17;

enum class Direction { kLeft, kRight, kUp, kDown };

void DrawArrowTriangle(Canvas& c, Direction d, Rgb colour) {
  const double m = kScroll / 2.0;
  std::vector<std::pair<double, double>> p;
  switch (d) {
    case Direction::kLeft: p = {{m - 2.5, m}, {m + 2.0, m - 4.2}, {m + 2.0, m + 4.2}}; break;
    case Direction::kRight: p = {{m + 2.5, m}, {m - 2.0, m - 4.2}, {m - 2.0, m + 4.2}}; break;
    case Direction::kUp: p = {{m, m - 2.5}, {m - 4.2, m + 2.0}, {m + 4.2, m + 2.0}}; break;
    case Direction::kDown: p = {{m, m + 2.5}, {m - 4.2, m - 2.0}, {m + 4.2, m - 2.0}}; break;
  }
  c.Draw(Polygon(p), colour);
}

// Thumb colours: normal, pressed, mouse over.
constexpr std::array<Rgb, 3> kThumb{Hex(0xC2CBD9), Hex(0x93A1B9), Hex(0xA9B5C8)};

// The 23 square frames of the scroll bar element: four arrows with four states each (normal,
// pressed, disabled, mouse over), then the grips of a horizontal and a vertical thumb (normal,
// pressed, mouse over), and a spare plain square.
TBitmap DrawScrollbarParts() {
  std::vector<TBitmap> frames;
  for (Direction d : {Direction::kLeft, Direction::kRight, Direction::kUp, Direction::kDown}) {
    for (int state = 1; state <= 4; ++state) {
      Canvas c(kScroll, kScroll, kTrack);
      Rgb ink = Hex(0x7A879C);
      if (state == 2 || state == 4) {
        c.Draw(InBox(Box(1, 1, kScroll - 1, kScroll - 1, 3)), state == 2 ? Hex(0xC2CCDC) : Hex(0xD8DFEB));
        ink = state == 2 ? Hex(0x253148) : Hex(0x3E4B62);
      }
      if (state == 3) ink = Hex(0xC0C7D2);
      DrawArrowTriangle(c, d, ink);
      c.CoverAll();
      frames.push_back(c.Finish());
    }
  }
  for (bool vertical : {false, true}) {
    for (int state = 0; state < 3; ++state) {
      Canvas c(kScroll, kScroll, kThumb[static_cast<std::size_t>(state)]);
      const Rgb ink = Mix(kThumb[static_cast<std::size_t>(state)], Hex(0x4E5B70), 0.5);
      for (int i = 0; i < 3; ++i) {
        const int at = 6 + 2 * i;
        if (vertical) {
          c.FillRect(6, at, 5, 1, ink);
          c.CoverRect(6, at, 5, 1);
        } else {
          c.FillRect(at, 6, 1, 5, ink);
          c.CoverRect(at, 6, 1, 5);
        }
      }
      frames.push_back(c.Finish());
    }
  }
  // Frame 23 is not used by the painters; it holds the plain corner square.
  Canvas corner(kScroll, kScroll, kTrack);
  corner.CoverAll();
  frames.push_back(corner.Finish());
  return Strip(frames);
}

// Scroll bar track: 4 frames (1 enabled, 3 disabled; 2 and 4 repeat them).
TBitmap DrawScrollTrack(bool vertical) {
  const int along = 8;
  std::vector<TBitmap> frames;
  for (int frame = 1; frame <= 4; ++frame) {
    const bool disabled = frame >= 3;
    const int w = vertical ? kScroll : along;
    const int h = vertical ? along : kScroll;
    // Plain, like the arrow cells at its ends.
    Canvas c(w, h, disabled ? Hex(0xF2F4F7) : kTrack);
    c.CoverAll();
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// Scroll bar thumb: 3 frames (normal, pressed, mouse over); a slim rounded bar.
TBitmap DrawScrollThumb(bool vertical) {
  std::vector<TBitmap> frames;
  for (const Rgb& fill : kThumb) {
    const int w = vertical ? kScroll : 16;
    const int h = vertical ? 16 : kScroll;
    Canvas c(w, h, kTrack);
    const RoundBox bar = vertical ? Box(4, 1, 13, h - 1, 4.5) : Box(1, 4, w - 1, 13, 4.5);
    c.Draw(InBox(bar), fill);
    c.Cover(InBox(bar));
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// ---------------------------------------------------------------------------------------------
// Status bar, menus, progress, tabs, header, track bar, up-down

// Status bar panel edges (drawn opaque): 1 lowered, 2 raised, 3 no bevel.
TBitmap DrawStatusBarEdges() {
  const int s = 10;
  std::vector<TBitmap> frames;
  for (int frame = 1; frame <= 3; ++frame) {
    Canvas c(s, s, kFace);
    if (frame == 1) {
      c.FillRect(0, 0, s, s, Hex(0xDFE5EF));
      c.FillRect(0, 0, s, 1, Hex(0xB9C3D3));
      c.FillRect(0, 0, 1, s, Hex(0xB9C3D3));
      c.FillRect(0, s - 1, s, 1, Hex(0xF6F8FB));
      c.FillRect(s - 1, 0, 1, s, Hex(0xF6F8FB));
    } else if (frame == 2) {
      c.FillRect(0, 0, s, 1, kWhite);
      c.FillRect(0, 0, 1, s, kWhite);
      c.FillRect(0, s - 1, s, 1, Hex(0xB9C3D3));
      c.FillRect(s - 1, 0, 1, s, Hex(0xB9C3D3));
    }
    c.CoverAll();
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// Menu item: 1 normal, 2 separator (its line in the bottom rows), 3 disabled, 4 selected,
// 5 spare; drawn opaque on the menu colour.
TBitmap DrawMenuItem() {
  const int w = 24, h = 20;
  std::vector<TBitmap> frames;
  for (int frame = 1; frame <= 5; ++frame) {
    Canvas c(w, h, kMenu);
    if (frame == 2) c.FillRect(2, 15, w - 4, 1, Hex(0xDCE1EA));
    if (frame == 4) {
      const RoundBox pill = Box(1.5, 1, w - 1.5, h - 1, 3);
      c.Draw(InBox(pill), Hex(0xDCE7F7));
      c.Draw(Ring(pill, 1), Hex(0xB3C8EA));
    }
    c.CoverAll();
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// Popup menu window: a thin outline around the menu colour.
TBitmap DrawMenuBackground() {
  Canvas c(16, 16, kMenu);
  c.FillRect(0, 0, 16, 1, Hex(0xA9B5C9));
  c.FillRect(0, 15, 16, 1, Hex(0xA9B5C9));
  c.FillRect(0, 0, 1, 16, Hex(0xA9B5C9));
  c.FillRect(15, 0, 1, 16, Hex(0xA9B5C9));
  c.CoverAll();
  return c.Finish();
}

// Menu bar strip: two frames stacked (active, inactive).
TBitmap DrawMenuBar() {
  const int w = 24, h = 20;
  std::vector<TBitmap> frames;
  for (bool active : {true, false}) {
    Canvas c(w, h);
    c.Draw(InBox(Box(0, 0, w, h)), active ? Vertical(0, Hex(0xECF0F7), h, Hex(0xE2E8F2))
                                          : Vertical(0, Hex(0xEEF0F4), h, Hex(0xE8EAEF)));
    c.FillRect(0, h - 1, w, 1, active ? Hex(0xCAD3E1) : Hex(0xD5D9E0));
    c.CoverAll();
    frames.push_back(c.Finish());
  }
  return Strip(frames, true);
}

// Progress bar channel (one frame) and the chunk that fills it.
TBitmap DrawProgress() {
  Canvas c(16, 16, kFace);
  const RoundBox channel = Box(0, 0, 16, 16, 3);
  c.Draw(InBox(channel), Hex(0xEEF1F6));
  c.Draw(Ring(channel, 1), Hex(0xB9C3D3));
  c.Cover(InBox(channel));
  return c.Finish();
}

TBitmap DrawProgressChunk() {
  Canvas c(12, 12, Hex(0xEEF1F6));
  const RoundBox chunk = Box(0, 0, 12, 12, 2);
  c.Draw(InBox(chunk), Vertical(0, Hex(0x7FAAEE), 12, Hex(0x3F72CC)));
  c.Draw([&](double x, double y) { return chunk.Inset(1).Contains(x, y) && y < 2; }, kWhite, 0.35);
  c.Cover(InBox(chunk));
  return c.Finish();
}

// Tabs: 1 normal, 2 current (focused), 3 disabled, 4 mouse over, 5 spare.
TBitmap DrawTabs() {
  const int w = 24, h = 22;
  struct Look {
    Rgb top, bottom;
    bool accent;
  };
  const std::array<Look, 5> looks{{
      {Hex(0xE7ECF4), Hex(0xDCE3EE), false},
      {Hex(0xFAFBFD), Hex(0xF3F6FA), true},
      {Hex(0xEEF0F4), Hex(0xEAECF0), false},
      {Hex(0xF0F4FA), Hex(0xE4EAF4), false},
      {Hex(0xE7ECF4), Hex(0xDCE3EE), false},
  }};
  std::vector<TBitmap> frames;
  for (const Look& look : looks) {
    Canvas c(w, h, kFace);
    const RoundBox tab{0, 0, static_cast<double>(w), h + 4.0, 4, 4, 0, 0};
    c.Draw(InBox(tab), Vertical(0, look.top, h, look.bottom));
    c.Draw(Ring(tab, 1), Hex(0xB5C0D2));
    if (look.accent)
      c.Draw([&](double x, double y) { return tab.Inset(1).Contains(x, y) && y < 3; }, kAccent);
    c.Cover(InBox(tab));
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

TBitmap DrawTabPane() {
  Canvas c(16, 16, kFace);
  c.FillRect(0, 0, 16, 1, Hex(0xB5C0D2));
  c.FillRect(0, 15, 16, 1, Hex(0xB5C0D2));
  c.FillRect(0, 0, 1, 16, Hex(0xB5C0D2));
  c.FillRect(15, 0, 1, 16, Hex(0xB5C0D2));
  c.CoverAll();
  return c.Finish();
}

// Column header: 1 normal, 2 mouse over, 3 pressed, 4 and 5 spare.
TBitmap DrawHeaderbar() {
  const int w = 20, h = 20;
  const std::array<std::pair<Rgb, Rgb>, 5> looks{{
      {Hex(0xFBFCFE), Hex(0xEDF1F7)},
      {Hex(0xF1F5FC), Hex(0xDFE8F6)},
      {Hex(0xD8E0EC), Hex(0xDEE5EF)},
      {Hex(0xFBFCFE), Hex(0xEDF1F7)},
      {Hex(0xFBFCFE), Hex(0xEDF1F7)},
  }};
  std::vector<TBitmap> frames;
  for (const auto& [top, bottom] : looks) {
    Canvas c(w, h);
    c.Draw(InBox(Box(0, 0, w, h)), Vertical(0, top, h, bottom));
    c.FillRect(0, h - 1, w, 1, Hex(0xC8D0DD));
    c.FillRect(w - 1, 4, 1, h - 8, Hex(0xD1D8E3));
    c.CoverAll();
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// Track bar thumb: 1 normal, 2 normal (the one painted), 3 mouse over, 4 pressed, 5 disabled.
TBitmap DrawTrackThumb(bool vertical) {
  const int w = vertical ? 19 : 11;
  const int h = vertical ? 11 : 19;
  struct Look {
    Rgb border, top, bottom;
  };
  const std::array<Look, 5> looks{{
      {Hex(0x7F93B6), Hex(0xFDFEFF), Hex(0xE4EAF5)},
      {Hex(0x7F93B6), Hex(0xFDFEFF), Hex(0xE4EAF5)},
      {Hex(0x5C82C4), Hex(0xFFFFFF), Hex(0xDCE6F7)},
      {Hex(0x4A6FB0), Hex(0xD3DDEE), Hex(0xDDE5F1)},
      {Hex(0xC3CAD6), Hex(0xF2F4F7), Hex(0xEDF0F4)},
  }};
  std::vector<TBitmap> frames;
  for (const Look& look : looks) {
    Canvas c(w, h, kFace);
    const RoundBox thumb = Box(0, 0, w, h, 3);
    c.Draw(InBox(thumb), vertical ? Horizontal(0, look.top, w, look.bottom)
                                  : Vertical(0, look.top, h, look.bottom));
    c.Draw(Ring(thumb, 1), look.border);
    c.Cover(InBox(thumb));
    frames.push_back(c.Finish());
  }
  return Strip(frames);
}

// Up-down buttons: first button frames 1 to 4, second button 5 to 8, each normal, pressed,
// disabled, mouse over.
struct ButtonLook {
  Rgb fill, border, ink;
};
constexpr std::array<ButtonLook, 4> kSmallButton{{
    {Hex(0xEDF1F7), Hex(0xB5C0D2), Hex(0x566379)},
    {Hex(0xC6D2E5), Hex(0x8E9DB8), Hex(0x26324A)},
    {Hex(0xF1F3F6), Hex(0xD3D8E0), Hex(0xB3BAC6)},
    {Hex(0xDAE5F6), Hex(0x93A9CE), Hex(0x2D5DAD)},
}};

TBitmap DrawUpDown(bool horizontal) {
  const int w = horizontal ? 11 : 15;
  const int h = horizontal ? 15 : 11;
  std::vector<TBitmap> frames;
  for (int button = 0; button < 2; ++button)
    for (const ButtonLook& look : kSmallButton) {
      Canvas c(w, h, kFace);
      const RoundBox box = Box(0, 0, w, h, 2.5);
      c.Draw(InBox(box), look.fill);
      c.Draw(Ring(box, 1), look.border);
      c.Cover(InBox(box));
      frames.push_back(c.Finish());
    }
  return Strip(frames);
}

// The glyphs centred on the up-down buttons: 8 cells matching the button frames.
TBitmap DrawUpDownGlyphs(bool horizontal) {
  const int w = horizontal ? 7 : 9;
  const int h = horizontal ? 9 : 7;
  std::vector<TBitmap> frames;
  for (int button = 0; button < 2; ++button)
    for (const ButtonLook& look : kSmallButton) {
      Canvas c(w, h, look.fill);
      const double cx = w / 2.0;
      const double cy = h / 2.0;
      std::vector<std::pair<double, double>> p;
      if (horizontal)
        p = button == 0 ? std::vector<std::pair<double, double>>{{cx - 2, cy}, {cx + 1.5, cy - 3.5}, {cx + 1.5, cy + 3.5}}
                        : std::vector<std::pair<double, double>>{{cx + 2, cy}, {cx - 1.5, cy - 3.5}, {cx - 1.5, cy + 3.5}};
      else
        p = button == 0 ? std::vector<std::pair<double, double>>{{cx, cy - 2}, {cx - 3.5, cy + 1.5}, {cx + 3.5, cy + 1.5}}
                        : std::vector<std::pair<double, double>>{{cx, cy + 2}, {cx - 3.5, cy - 1.5}, {cx + 3.5, cy - 1.5}};
      const Shape arrow = Polygon(p);
      c.Draw(arrow, look.ink);
      c.Cover(arrow);
      frames.push_back(c.Finish());
    }
  return Strip(frames);
}

}  // namespace

std::vector<SkinPicture> DrawSkinPictures() {
  FramePieces frame = CutFrame();
  std::vector<SkinPicture> out;
  const auto add = [&out](std::string file, TBitmap bitmap) {
    out.push_back(SkinPicture{std::move(file), std::move(bitmap)});
  };
  add("frameleft.bmp", std::move(frame.left));
  add("frameright.bmp", std::move(frame.right));
  add("frametop.bmp", std::move(frame.top));
  add("framebottom.bmp", std::move(frame.bottom));
  add("captionback.bmp", DrawCaptionBack());
  add("titleclose.bmp", DrawCaptionButton(Glyph::kClose));
  add("titlemaximise.bmp", DrawCaptionButton(Glyph::kMaximise));
  add("titlerestore.bmp", DrawCaptionButton(Glyph::kRestore));
  add("titleminimise.bmp", DrawCaptionButton(Glyph::kMinimise));
  add("button.bmp", DrawPushButton());
  add("checkbox.bmp", DrawCheckBox());
  add("radiobutton.bmp", DrawRadioButton());
  add("combobutton.bmp", DrawComboButton());
  add("extraimages.bmp", DrawExtraImages());
  add("scrollbar.bmp", DrawScrollbarParts());
  add("scrollhorz.bmp", DrawScrollTrack(false));
  add("scrollvert.bmp", DrawScrollTrack(true));
  add("scrollthumbhorz.bmp", DrawScrollThumb(false));
  add("scrollthumbvert.bmp", DrawScrollThumb(true));
  add("statusbaredges.bmp", DrawStatusBarEdges());
  add("menuitem.bmp", DrawMenuItem());
  add("menubackground.bmp", DrawMenuBackground());
  add("menubar.bmp", DrawMenuBar());
  add("progress.bmp", DrawProgress());
  add("progresschunk.bmp", DrawProgressChunk());
  add("tabs.bmp", DrawTabs());
  add("tabpane.bmp", DrawTabPane());
  add("headerbar.bmp", DrawHeaderbar());
  add("trackthumbhorz.bmp", DrawTrackThumb(false));
  add("trackthumbvert.bmp", DrawTrackThumb(true));
  add("updownhorz.bmp", DrawUpDown(true));
  add("updownhorzglyphs.bmp", DrawUpDownGlyphs(true));
  add("updownvert.bmp", DrawUpDown(false));
  add("updownvertglyphs.bmp", DrawUpDownGlyphs(false));
  return out;
}

}  // namespace varnelta::skingen
