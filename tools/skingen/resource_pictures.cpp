// Draws the program's own bitmap resources: the track grooves, the menu glyph strip and the
// media player button glyphs. These are small palette pictures drawn pixel by pixel.
#include <algorithm>
#include <cstdio>

#include "tools/skingen/pictures.h"

namespace varnelta::skingen {

namespace {

// Indexes into the standard 16-colour palette.
enum : std::uint8_t {
  kBlack = 0,
  kMaroon = 1,
  kGreen = 2,
  kNavy = 4,
  kTeal = 6,
  kLightGrey = 7,
  kGrey = 8,
  kRed = 9,
  kMagentaIndex = 13,
  kWhiteIndex = 15,
};

IndexedPicture NewPicture(std::string file, int width, int height, int bits, std::uint8_t fill) {
  IndexedPicture p;
  p.file = std::move(file);
  p.width = width;
  p.height = height;
  p.bitsPerPixel = bits;
  p.palette = bits == 1 ? std::vector<std::uint32_t>{0x000000, 0xFFFFFF} : StandardPalette16();
  p.pixels.assign(static_cast<std::size_t>(width * height), fill);
  return p;
}

void Put(IndexedPicture& p, int x, int y, std::uint8_t index) {
  if (x >= 0 && y >= 0 && x < p.width && y < p.height)
    p.pixels[static_cast<std::size_t>(y * p.width + x)] = index;
}

void Row(IndexedPicture& p, int y, std::initializer_list<std::pair<int, std::uint8_t>> runs) {
  int x = 0;
  for (const auto& [count, index] : runs)
    for (int i = 0; i < count; ++i) Put(p, x++, y, index);
}

void Rect(IndexedPicture& p, int x0, int y0, int x1, int y1, std::uint8_t index) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) Put(p, x, y, index);
}

void Frame(IndexedPicture& p, int x0, int y0, int x1, int y1, int titleRows, std::uint8_t index) {
  Rect(p, x0, y0, x1, y0 + titleRows - 1, index);
  Rect(p, x0, y1, x1, y1, index);
  Rect(p, x0, y0, x0, y1, index);
  Rect(p, x1, y0, x1, y1, index);
}

// The sunken grooves the track bar painter uses when a skin has none of its own.
IndexedPicture Track() {
  IndexedPicture p = NewPicture("TRACK.bmp", 16, 4, 4, kWhiteIndex);
  Row(p, 0, {{2, kLightGrey}, {12, kGrey}, {2, kWhiteIndex}});
  Row(p, 1, {{2, kLightGrey}, {14, kWhiteIndex}});
  Row(p, 2, {{1, kGrey}, {1, kLightGrey}, {14, kWhiteIndex}});
  Row(p, 3, {{2, kLightGrey}, {14, kWhiteIndex}});
  return p;
}

IndexedPicture TrackVert() {
  IndexedPicture p = NewPicture("TRACKVERT.bmp", 4, 16, 4, kWhiteIndex);
  Row(p, 0, {{1, kLightGrey}, {1, kLightGrey}, {1, kGrey}, {1, kLightGrey}});
  Row(p, 1, {{4, kLightGrey}});
  for (int y = 2; y < 14; ++y) Row(p, y, {{1, kGrey}, {3, kWhiteIndex}});
  Row(p, 14, {{4, kWhiteIndex}});
  Row(p, 15, {{4, kWhiteIndex}});
  return p;
}

// Four 16 x 16 black-on-white glyphs: restore, maximise, minimise, close.
IndexedPicture MenuGlyphs() {
  IndexedPicture p = NewPicture("MORVANEMENU.bmp", 64, 16, 1, 1);
  constexpr std::uint8_t ink = 0;
  constexpr std::uint8_t paper = 1;
  // Restore: a window behind and to the right of another.
  Frame(p, 6, 2, 13, 9, 2, ink);
  Rect(p, 3, 6, 10, 13, paper);
  Frame(p, 3, 6, 10, 13, 2, ink);
  // Maximise: one window.
  Frame(p, 16 + 3, 3, 16 + 12, 12, 2, ink);
  // Minimise: a short bar at the bottom.
  Rect(p, 32 + 4, 11, 32 + 10, 12, ink);
  // Close: a diagonal cross, two pixels thick.
  for (int i = 0; i < 8; ++i) {
    Rect(p, 48 + 4 + i, 4 + i, 48 + 5 + i, 4 + i, ink);
    Rect(p, 48 + 10 - i, 4 + i, 48 + 11 - i, 4 + i, ink);
  }
  return p;
}

// ---------------------------------------------------------------------------------------------
// Media player glyphs, 16 x 16 on magenta.

constexpr int kMedia = 16;

// A triangle pointing right (or left when mirrored) with its flat side at column x, rows
// top .. top + 2 * half.
void TriangleRight(IndexedPicture& p, int x, int top, int half, std::uint8_t index) {
  for (int r = 0; r <= 2 * half; ++r) {
    const int width = std::min(r, 2 * half - r) + 1;
    for (int i = 0; i < width; ++i) Put(p, x + i, top + r, index);
  }
}

void TriangleUp(IndexedPicture& p, int cx, int top, int rows, std::uint8_t index) {
  for (int r = 0; r < rows; ++r)
    for (int x = cx - r; x <= cx + r; ++x) Put(p, x, top + r, index);
}

enum class MediaButton { kPlay, kPause, kStop, kNext, kPrev, kStep, kBack, kRecord, kEject };

struct MediaInfo {
  MediaButton button;
  const char* name;
  std::uint8_t colour;  // ink of the coloured variant
};

constexpr MediaInfo kMediaButtons[] = {
    {MediaButton::kPlay, "MPPLAY", kGreen},   {MediaButton::kPause, "MPPAUSE", kTeal},
    {MediaButton::kStop, "MPSTOP", kMaroon},  {MediaButton::kNext, "MPNEXT", kNavy},
    {MediaButton::kPrev, "MPPREV", kNavy},    {MediaButton::kStep, "MPSTEP", kNavy},
    {MediaButton::kBack, "MPBACK", kNavy},    {MediaButton::kRecord, "MPRECORD", kRed},
    {MediaButton::kEject, "MPEJECT", kNavy},
};

// Draws the glyph; `mirror` turns the picture left to right afterwards (for the backward
// buttons, drawn as their forward twins).
void DrawMediaGlyph(IndexedPicture& p, MediaButton button, int dx, int dy, std::uint8_t ink) {
  IndexedPicture g = NewPicture("", kMedia, kMedia, 4, kMagentaIndex);
  bool mirror = false;
  switch (button) {
    case MediaButton::kPlay: TriangleRight(g, 6, 3, 4, ink); break;
    case MediaButton::kPause:
      Rect(g, 5, 4, 6, 11, ink);
      Rect(g, 9, 4, 10, 11, ink);
      break;
    case MediaButton::kStop: Rect(g, 5, 5, 10, 10, ink); break;
    case MediaButton::kPrev: mirror = true; [[fallthrough]];
    case MediaButton::kNext:
      TriangleRight(g, 3, 4, 3, ink);
      TriangleRight(g, 7, 4, 3, ink);
      Rect(g, 11, 4, 11, 10, ink);
      break;
    case MediaButton::kBack: mirror = true; [[fallthrough]];
    case MediaButton::kStep:
      TriangleRight(g, 5, 4, 3, ink);
      Rect(g, 9, 4, 10, 10, ink);
      break;
    case MediaButton::kRecord:
      for (int y = 0; y < kMedia; ++y)
        for (int x = 0; x < kMedia; ++x) {
          const double ox = x + 0.5 - 8.0;
          const double oy = y + 0.5 - 8.0;
          if (ox * ox + oy * oy <= 3.6 * 3.6) Put(g, x, y, ink);
        }
      break;
    case MediaButton::kEject:
      TriangleUp(g, 7, 4, 5, ink);
      Rect(g, 3, 10, 11, 11, ink);
      break;
  }
  for (int y = 0; y < kMedia; ++y)
    for (int x = 0; x < kMedia; ++x) {
      const std::uint8_t v = g.pixels[static_cast<std::size_t>(y * kMedia + (mirror ? kMedia - 1 - x : x))];
      if (v != kMagentaIndex) Put(p, x + dx, y + dy, v);
    }
}

std::vector<IndexedPicture> MediaGlyphs() {
  std::vector<IndexedPicture> out;
  for (const MediaInfo& info : kMediaButtons) {
    for (const char* prefix : {"EN", "DI", "CL"}) {
      char file[32];
      std::snprintf(file, sizeof file, "%s_%s.bmp", prefix, info.name);
      IndexedPicture p = NewPicture(file, kMedia, kMedia, 4, kMagentaIndex);
      const std::string_view kind = prefix;
      if (kind == "EN") {
        DrawMediaGlyph(p, info.button, 0, 0, kBlack);
      } else if (kind == "DI") {
        // Disabled: grey, embossed with a white shadow one pixel down and right.
        DrawMediaGlyph(p, info.button, 1, 1, kWhiteIndex);
        DrawMediaGlyph(p, info.button, 0, 0, kGrey);
      } else {
        DrawMediaGlyph(p, info.button, 0, 0, info.colour);
      }
      out.push_back(std::move(p));
    }
  }
  return out;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

const std::vector<std::uint32_t>& StandardPalette16() {
  static const std::vector<std::uint32_t> palette{
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return palette;
}

std::vector<IndexedPicture> DrawResourcePictures() {
  std::vector<IndexedPicture> out{Track(), TrackVert(), MenuGlyphs()};
  for (IndexedPicture& p : MediaGlyphs()) out.push_back(std::move(p));
  return out;
}

std::vector<std::uint8_t> EncodeIndexed(const IndexedPicture& p) {
  const int bits = p.bitsPerPixel;
  const std::uint32_t stride = static_cast<std::uint32_t>(((p.width * bits + 31) / 32) * 4);
  const std::uint32_t colours = static_cast<std::uint32_t>(p.palette.size());
  const std::uint32_t pixelOffset = 14 + 40 + 4 * colours;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(p.height);
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, pixelOffset + imageSize);
  Put32(out, 0);
  Put32(out, pixelOffset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(p.width));
  Put32(out, static_cast<std::uint32_t>(p.height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, 0);  // no compression
  Put32(out, imageSize);
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, colours);
  Put32(out, colours);
  for (std::uint32_t rgb : p.palette) {
    out.push_back(static_cast<std::uint8_t>(rgb));
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));
    out.push_back(0);
  }
  for (int y = p.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < p.width; ++x) {
      const std::uint8_t v = p.pixels[static_cast<std::size_t>(y * p.width + x)];
      const int bit = x * bits;
      row[static_cast<std::size_t>(bit / 8)] |=
          static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace varnelta::skingen
