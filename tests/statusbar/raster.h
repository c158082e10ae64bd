// Paints a fill list into a character grid so frame geometry reads as a picture in tests.
#pragma once

#include <string>

#include "statusbar/colors.h"
#include "statusbar/geometry.h"

namespace varnelta::statusbar::test {

inline char ColorLetter(TColor color) {
  switch (color) {
    case cl3DDkShadow: return 'K';
    case clBtnShadow: return 'S';
    case clBtnHighlight: return 'H';
    case cl3DLight: return 'L';
    case clBtnText: return 'T';
    case clBtnFace: return 'F';
    default: return '?';
  }
}

// Rows joined by '\n'; '.' where nothing was drawn, '#' for a fill outside the grid.
inline std::string Raster(const FillList& fills, int width, int height) {
  std::string grid(static_cast<std::size_t>(width * height), '.');
  bool outside = false;
  for (const TColorRect& fill : fills) {
    for (int y = fill.Rect.Top; y < fill.Rect.Bottom; ++y) {
      for (int x = fill.Rect.Left; x < fill.Rect.Right; ++x) {
        if (x < 0 || y < 0 || x >= width || y >= height) {
          outside = true;
          continue;
        }
        grid[static_cast<std::size_t>(y * width + x)] = ColorLetter(fill.Color);
      }
    }
  }
  std::string out;
  for (int y = 0; y < height; ++y) {
    out += grid.substr(static_cast<std::size_t>(y * width), static_cast<std::size_t>(width));
    out += '\n';
  }
  if (outside) out += "#\n";
  return out;
}

}  // namespace varnelta::statusbar::test
