#include "skin/frame/region_rects.h"

#include <algorithm>

namespace varnelta {

namespace {

// The pixel's channels against the key pixel's, all at once: a channel c matches key channel k
// when k <= c <= min(k + 1, 255).
struct TKeyRange {
  explicit TKeyRange(TColor key) {
    const std::uint32_t k = PixelFromColour(key);
    for (int shift = 0; shift <= 16; shift += 8) {
      low[shift / 8] = (k >> shift) & 0xFFu;
      high[shift / 8] = std::min<std::uint32_t>(low[shift / 8] + 1, 0xFFu);
    }
  }
  bool Matches(std::uint32_t pixel) const {
    for (int i = 0; i < 3; ++i) {
      const std::uint32_t c = (pixel >> (8 * i)) & 0xFFu;
      if (c < low[i] || c > high[i]) return false;
    }
    return true;
  }
  std::uint32_t low[3] = {};
  std::uint32_t high[3] = {};
};

void AppendRuns(std::vector<TRect>& rects, const TBitmap& picture, int offsetX, int offsetY,
                const TKeyRange& key, const TRect& clip) {
  // Rows and columns of the picture that land inside `clip`.
  const int firstRow = std::max(0, clip.Top - offsetY);
  const int lastRow = std::min(picture.Height(), clip.Bottom - offsetY);
  const int firstColumn = std::max(0, clip.Left - offsetX);
  const int lastColumn = std::min(picture.Width(), clip.Right - offsetX);
  for (int y = firstRow; y < lastRow; ++y) {
    const std::uint32_t* row = picture.Row(y);
    int x = firstColumn;
    while (x < lastColumn) {
      while (x < lastColumn && key.Matches(row[x])) ++x;
      const int start = x;
      while (x < lastColumn && !key.Matches(row[x])) ++x;
      if (x > start) rects.push_back({start + offsetX, y + offsetY, x + offsetX, y + offsetY + 1});
    }
  }
}

}  // namespace

bool IsKeyPixel(std::uint32_t pixel, TColor key) { return TKeyRange(key).Matches(pixel); }

void AppendOpaqueRuns(std::vector<TRect>& rects, const TBitmap& picture, int offsetX,
                      int offsetY, TColor key) {
  const TRect everywhere{offsetX, offsetY, offsetX + picture.Width(), offsetY + picture.Height()};
  AppendRuns(rects, picture, offsetX, offsetY, TKeyRange(key), everywhere);
}

std::vector<TRect> OpaqueRuns(const TBitmap& picture, int offsetX, int offsetY, TColor key) {
  std::vector<TRect> rects;
  AppendOpaqueRuns(rects, picture, offsetX, offsetY, key);
  return rects;
}

std::vector<TRect> CollectRegionRects(const TRect& client, std::span<const TRegionPart> parts,
                                      TColor key) {
  std::vector<TRect> rects;
  if (!client.IsEmpty()) rects.push_back(client);
  const TKeyRange range(key);
  for (const TRegionPart& part : parts) {
    if (part.Rect.IsEmpty()) continue;
    if (part.Picture == nullptr)
      rects.push_back(part.Rect);
    else
      AppendRuns(rects, *part.Picture, part.Rect.Left, part.Rect.Top, range, part.Rect);
  }
  return rects;
}

TRect BoundingRect(std::span<const TRect> rects) {
  TRect bounds;
  bool any = false;
  for (const TRect& r : rects) {
    if (r.IsEmpty()) continue;
    if (!any) {
      bounds = r;
      any = true;
      continue;
    }
    bounds.Left = std::min(bounds.Left, r.Left);
    bounds.Top = std::min(bounds.Top, r.Top);
    bounds.Right = std::max(bounds.Right, r.Right);
    bounds.Bottom = std::max(bounds.Bottom, r.Bottom);
  }
  return bounds;
}

}  // namespace varnelta
