// The skin pictures of push buttons, check boxes, radio buttons, the combo box button, the small
// glyphs and the scroll bars.
#include <array>
#include <functional>

#include "tools/skingen/canvas.h"
#include "tools/skingen/pictures.h"
#include "tools/skingen/skin_picture_parts.h"
#include "tools/skingen/theme.h"

namespace varnelta::skingen {

using namespace theme;

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

namespace {

// ---------------------------------------------------------------------------------------------
// Combo box button and small glyphs

void DrawChevronDown(Canvas& c, double cx, double cy, Rgb colour) {
  c.Draw(Segment(cx - 3.2, cy - 1.6, cx, cy + 1.6, 1.45), colour);
  c.Draw(Segment(cx, cy + 1.6, cx + 3.2, cy - 1.6, 1.45), colour);
}

}  // namespace

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

namespace {

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

}  // namespace

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

}  // namespace varnelta::skingen
