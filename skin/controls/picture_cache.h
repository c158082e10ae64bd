// TPictureCache: the pictures a skinner builds from the skin for its paints (9-slice frames and
// stretched frame cells), kept between paints. A picture is built once per source image, size and
// cell, together with its transparency mask, and later paints only copy it. The owner clears the
// cache when the skin changes and frees it with itself; a full cache drops its oldest picture,
// so a control resized over and over holds no more than Capacity pictures.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/bitmap.h"
#include "runtime/dib_section.h"
#include "runtime/types.h"
#include "runtime/win_handles.h"

namespace varnelta {

class TPictureCache {
 public:
  static constexpr std::size_t Capacity = 32;

  TPictureCache() = default;
  TPictureCache(const TPictureCache&) = delete;
  TPictureCache& operator=(const TPictureCache&) = delete;

  // The 9-slice picture of `rect`'s size from frame `frame` of `image` (BuildSlicedBitmap),
  // drawn at `rect`: copied, or with magenta left out when `transparent`.
  void DrawSliced(HDC dc, const RECT& rect, const TBitmap& image, bool vertical, bool tile, bool transparent,
                  int frameCount, int frame, const TRect& margins);
  // Frame `frame` of `image` stretched to `rect` (nearest neighbour), copied or with magenta
  // left out.
  void DrawCell(HDC dc, const RECT& rect, const TBitmap& image, bool transparent, int frameCount, int frame);

  void Clear();
  std::size_t Size() const { return entries_.size(); }
  // Pictures built since the cache was made (a paint that finds its pictures builds none).
  int Builds() const { return builds_; }

 private:
  enum class TKind : std::uint8_t { Sliced, Cell };
  struct TKey {
    TKind Kind = TKind::Sliced;
    const TBitmap* Image = nullptr;
    const void* Pixels = nullptr;  // the image's pixel store: a reloaded image has another
    int ImageWidth = 0, ImageHeight = 0;
    int Width = 0, Height = 0;
    bool Vertical = false, Tile = false, Transparent = false;
    int FrameCount = 0, Frame = 0;
    TRect Margins;
    bool operator==(const TKey&) const = default;
  };
  struct TEntry {
    TKey Key;
    TDibSection Section;      // sliced pictures: a DIB section with cleared alpha bytes
    TBitmap Cell;             // opaque cells: the stretched pixels
    TBitmapHandle Device;     // transparent cells: the pixels in the target context's format
    TBitmapHandle Mask;       // transparent pictures: 1 where the picture is magenta
  };

  static TKey MakeKey(TKind kind, const RECT& rect, const TBitmap& image, bool vertical, bool tile, bool transparent,
                      int frameCount, int frame, const TRect& margins);
  const TEntry* Find(const TKey& key) const;
  TEntry& Add(TEntry entry);

  std::vector<TEntry> entries_;
  int builds_ = 0;
};

}  // namespace varnelta
