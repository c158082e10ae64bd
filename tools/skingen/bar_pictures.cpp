// The skin pictures of status bars, menus, progress bars, tabs, headers, track bars and up-downs.
#include <array>
#include <functional>

#include "tools/skingen/canvas.h"
#include "tools/skingen/pictures.h"
#include "tools/skingen/skin_picture_parts.h"
#include "tools/skingen/theme.h"

namespace varnelta::skingen {

using namespace theme;

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

namespace {

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

}  // namespace

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

}  // namespace varnelta::skingen
