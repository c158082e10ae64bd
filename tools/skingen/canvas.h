// A small anti-aliased drawing surface for the skin picture generator.
//
// Pictures are composed in floating-point RGB with a separate coverage mask. Shapes are
// sampled 4 x 4 times per pixel, so curves and slanted lines get soft edges. A picture whose
// outline matters (rounded corners, round buttons) is drawn over the colour it will later sit
// on; Finish() then turns every pixel the outline covers less than half into pure magenta, the
// transparent colour of skin pictures, and keeps the blended colour elsewhere.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "runtime/bitmap.h"

namespace varnelta::skingen {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

// 0xRRGGBB to a colour.
constexpr Rgb Hex(std::uint32_t rgb) {
  return Rgb{static_cast<double>((rgb >> 16) & 0xFF), static_cast<double>((rgb >> 8) & 0xFF),
             static_cast<double>(rgb & 0xFF)};
}
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, t = 1 gives b

inline constexpr Rgb kMagenta{255, 0, 255};

// An axis-aligned rectangle with fractional edges and one radius per corner.
struct RoundBox {
  double left = 0, top = 0, right = 0, bottom = 0;
  double topLeft = 0, topRight = 0, bottomRight = 0, bottomLeft = 0;
  bool Contains(double x, double y) const;
  RoundBox Inset(double d) const;  // every edge moved in by d, radii shrunk by d
};
RoundBox Box(double left, double top, double right, double bottom, double radius = 0);

using Shape = std::function<bool(double x, double y)>;
using Paint = std::function<Rgb(double x, double y)>;

Paint Solid(Rgb colour);
// Top-to-bottom gradient between rows y0 and y1 (clamped outside).
Paint Vertical(double y0, Rgb top, double y1, Rgb bottom);
Paint Horizontal(double x0, Rgb left, double x1, Rgb right);

Shape InBox(const RoundBox& box);
Shape Ring(const RoundBox& outer, double width);  // the band between box and box inset by width
Shape Segment(double x0, double y0, double x1, double y1, double width);  // round-capped line
Shape Polygon(std::vector<std::pair<double, double>> points);             // even-odd fill
Shape Circle(double cx, double cy, double radius);

class Canvas {
 public:
  Canvas(int width, int height, Rgb background = kMagenta);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Paints the shape with the paint, weighted by coverage and the given opacity.
  void Draw(const Shape& shape, const Paint& paint, double opacity = 1.0);
  void Draw(const Shape& shape, Rgb colour, double opacity = 1.0) {
    Draw(shape, Solid(colour), opacity);
  }
  // A pixel-exact rectangle (integer edges), no sampling.
  void FillRect(int x, int y, int w, int h, Rgb colour);
  void Set(int x, int y, Rgb colour);
  Rgb At(int x, int y) const;

  // Adds the shape to the coverage mask that Finish() uses.
  void Cover(const Shape& shape);
  void CoverAll();
  void CoverRect(int x, int y, int w, int h);  // pixel-exact

  // Pixels covered less than half become magenta; all others keep their colour, rounded,
  // and never come within the region builder's tolerance of magenta.
  TBitmap Finish() const;

 private:
  double Coverage(const Shape& shape, int x, int y) const;

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
  std::vector<double> mask_;
};

// Copies `source` into `target` at (x, y).
void Blit(TBitmap& target, const TBitmap& source, int x, int y);

}  // namespace varnelta::skingen
