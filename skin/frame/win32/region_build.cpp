#include "skin/frame/win32/region_build.h"

#include <algorithm>
#include <vector>

#include "skin/frame/region_rects.h"

namespace varnelta::gdi {

namespace {

static_assert(sizeof(RGNDATAHEADER) == 2 * sizeof(RECT), "the header takes two rectangles' room");

// One ExtCreateRegion call for the non-empty rectangles of the list.
HRGN MakeRegion(std::span<const TRect> rects) {
  // Room for the 32-byte header followed by the rectangles, kept as RECTs for their alignment.
  std::vector<RECT> block(2);
  block.reserve(rects.size() + 2);
  for (const TRect& r : rects)
    if (!r.IsEmpty()) block.push_back(RECT{r.Left, r.Top, r.Right, r.Bottom});
  const TRect bounds = BoundingRect(rects);
  auto* data = reinterpret_cast<RGNDATA*>(block.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(block.size() - 2);
  data->rdh.nRgnSize = static_cast<DWORD>(data->rdh.nCount * sizeof(RECT));
  data->rdh.rcBound = RECT{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
  if (data->rdh.nCount == 0) return CreateRectRgn(0, 0, 0, 0);
  return ExtCreateRegion(nullptr, static_cast<DWORD>(block.size() * sizeof(RECT)), data);
}

TRegionHandle MakeInBatches(std::span<const TRect> rects, std::size_t perCall) {
  TRegionHandle result(MakeRegion(rects.first(std::min(perCall, rects.size()))));
  for (std::size_t at = perCall; result && at < rects.size(); at += perCall) {
    const TRegionHandle part(MakeRegion(rects.subspan(at, std::min(perCall, rects.size() - at))));
    if (!part || CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR) == ERROR) result.Reset();
  }
  return result;
}

}  // namespace

TRegionHandle CreateRegionFromRects(std::span<const TRect> rects, std::size_t perCall) {
  if (perCall != 0 && perCall < rects.size()) return MakeInBatches(rects, perCall);
  TRegionHandle whole(MakeRegion(rects));
  if (whole || rects.size() <= kRegionBatch) return whole;
  return MakeInBatches(rects, kRegionBatch);
}

TRegionHandle BitmapToRegion(const TBitmap& bitmap, int offsetX, int offsetY, TColor key) {
  return CreateRegionFromRects(OpaqueRuns(bitmap, offsetX, offsetY, key));
}

}  // namespace varnelta::gdi
