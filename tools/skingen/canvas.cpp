#include "tools/skingen/canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace varnelta::skingen {

namespace {

constexpr int kSamples = 4;  // per axis

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// Whether (x, y) lies in the quarter-disc corner of radius r whose centre is (cx, cy), or
// outside that corner's square altogether.
bool CornerOk(double x, double y, double cx, double cy, double r) {
  const double dx = x - cx;
  const double dy = y - cy;
  return dx * dx + dy * dy <= r * r;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

bool RoundBox::Contains(double x, double y) const {
  if (x < left || x > right || y < top || y > bottom) return false;
  if (topLeft > 0 && x < left + topLeft && y < top + topLeft &&
      !CornerOk(x, y, left + topLeft, top + topLeft, topLeft))
    return false;
  if (topRight > 0 && x > right - topRight && y < top + topRight &&
      !CornerOk(x, y, right - topRight, top + topRight, topRight))
    return false;
  if (bottomRight > 0 && x > right - bottomRight && y > bottom - bottomRight &&
      !CornerOk(x, y, right - bottomRight, bottom - bottomRight, bottomRight))
    return false;
  if (bottomLeft > 0 && x < left + bottomLeft && y > bottom - bottomLeft &&
      !CornerOk(x, y, left + bottomLeft, bottom - bottomLeft, bottomLeft))
    return false;
  return true;
}

RoundBox RoundBox::Inset(double d) const {
  return RoundBox{left + d,
                  top + d,
                  right - d,
                  bottom - d,
                  std::max(0.0, topLeft - d),
                  std::max(0.0, topRight - d),
                  std::max(0.0, bottomRight - d),
                  std::max(0.0, bottomLeft - d)};
}

RoundBox Box(double left, double top, double right, double bottom, double radius) {
  return RoundBox{left, top, right, bottom, radius, radius, radius, radius};
}

Paint Solid(Rgb colour) {
  return [colour](double, double) { return colour; };
}

Paint Vertical(double y0, Rgb top, double y1, Rgb bottom) {
  return [=](double, double y) { return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0))); };
}

Paint Horizontal(double x0, Rgb left, double x1, Rgb right) {
  return [=](double x, double) { return Mix(left, right, Clamp01((x - x0) / (x1 - x0))); };
}

Shape InBox(const RoundBox& box) {
  return [box](double x, double y) { return box.Contains(x, y); };
}

Shape Ring(const RoundBox& outer, double width) {
  const RoundBox inner = outer.Inset(width);
  return [outer, inner](double x, double y) {
    return outer.Contains(x, y) && !inner.Contains(x, y);
  };
}

Shape Segment(double x0, double y0, double x1, double y1, double width) {
  return [=](double x, double y) {
    const double vx = x1 - x0;
    const double vy = y1 - y0;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0;
    t = Clamp01(t);
    const double dx = x - (x0 + t * vx);
    const double dy = y - (y0 + t * vy);
    return dx * dx + dy * dy <= width * width / 4;
  };
}

Shape Polygon(std::vector<std::pair<double, double>> points) {
  return [points = std::move(points)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const auto [xi, yi] = points[i];
      const auto [xj, yj] = points[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
  };
}

Shape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width * height), background),
      mask_(static_cast<std::size_t>(width * height), 0.0) {}

double Canvas::Coverage(const Shape& shape, int x, int y) const {
  int hits = 0;
  for (int sy = 0; sy < kSamples; ++sy)
    for (int sx = 0; sx < kSamples; ++sx)
      if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
  return static_cast<double>(hits) / (kSamples * kSamples);
}

void Canvas::Draw(const Shape& shape, const Paint& paint, double opacity) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const double c = Coverage(shape, x, y) * opacity;
      if (c <= 0) continue;
      Rgb& p = pixels_[static_cast<std::size_t>(y * width_ + x)];
      p = Mix(p, paint(x + 0.5, y + 0.5), c);
    }
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb colour) {
  for (int yy = std::max(0, y); yy < std::min(height_, y + h); ++yy)
    for (int xx = std::max(0, x); xx < std::min(width_, x + w); ++xx) Set(xx, yy, colour);
}

void Canvas::Set(int x, int y, Rgb colour) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_)
    pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
}

Rgb Canvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kMagenta;
  return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Canvas::Cover(const Shape& shape) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      double& m = mask_[static_cast<std::size_t>(y * width_ + x)];
      m = std::min(1.0, m + Coverage(shape, x, y));
    }
}

void Canvas::CoverRect(int x, int y, int w, int h) {
  for (int yy = std::max(0, y); yy < std::min(height_, y + h); ++yy)
    for (int xx = std::max(0, x); xx < std::min(width_, x + w); ++xx)
      mask_[static_cast<std::size_t>(yy * width_ + xx)] = 1.0;
}

void Canvas::CoverAll() { std::fill(mask_.begin(), mask_.end(), 1.0); }

TBitmap Canvas::Finish() const {
  TBitmap out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * width_ + x);
      if (mask_[i] < 0.5) {
        out.SetPixel(x, y, 0xFF00FF);
        continue;
      }
      const auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0)));
      };
      const std::uint32_t r = channel(pixels_[i].r);
      std::uint32_t g = channel(pixels_[i].g);
      const std::uint32_t b = channel(pixels_[i].b);
      // The region builder treats red 255, green 0 or 1, blue 255 as transparent.
      if (r == 255 && b == 255 && g < 2) g = 2;
      out.SetPixel(x, y, (r << 16) | (g << 8) | b);
    }
  return out;
}

void Blit(TBitmap& target, const TBitmap& source, int x, int y) {
  target.CopyRect(x, y, source, 0, 0, source.Width(), source.Height());
}

}  // namespace varnelta::skingen
