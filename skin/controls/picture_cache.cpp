#include "skin/controls/picture_cache.h"

#include <algorithm>

#include "skin/data/pixel_draw.h"
#include "skin/frame/win32/draw_transparent.h"
#include "skin/frame/win32/picture_draw.h"

namespace varnelta {

namespace {

constexpr COLORREF kKey = 0xFF00FF;

TRect ToTRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void CopyBitmap(HDC dc, const RECT& rect, HBITMAP bitmap) {
  TMemoryDC source(dc);
  if (!source) return;
  TSelectObject selection(source.Get(), bitmap);
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.Get(), 0, 0, SRCCOPY);
}

}  // namespace

TPictureCache::TKey TPictureCache::MakeKey(TKind kind, const RECT& rect, const TBitmap& image, bool vertical,
                                           bool tile, bool transparent, int frameCount, int frame,
                                           const TRect& margins) {
  TKey key;
  key.Kind = kind;
  key.Image = &image;
  key.Pixels = image.Pixels().data();
  key.ImageWidth = image.Width();
  key.ImageHeight = image.Height();
  key.Width = rect.right - rect.left;
  key.Height = rect.bottom - rect.top;
  key.Vertical = vertical;
  key.Tile = tile;
  key.Transparent = transparent;
  key.FrameCount = frameCount;
  key.Frame = frame;
  key.Margins = margins;
  return key;
}

const TPictureCache::TEntry* TPictureCache::Find(const TKey& key) const {
  for (const TEntry& entry : entries_) {
    if (entry.Key == key) return &entry;
  }
  return nullptr;
}

TPictureCache::TEntry& TPictureCache::Add(TEntry entry) {
  if (entries_.size() >= Capacity) entries_.erase(entries_.begin());
  ++builds_;
  entries_.push_back(std::move(entry));
  return entries_.back();
}

void TPictureCache::Clear() { entries_.clear(); }

void TPictureCache::DrawSliced(HDC dc, const RECT& rect, const TBitmap& image, bool vertical, bool tile,
                               bool transparent, int frameCount, int frame, const TRect& margins) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!dc || width <= 0 || height <= 0 || image.Empty()) return;
  const TKey key = MakeKey(TKind::Sliced, rect, image, vertical, tile, transparent, frameCount, frame, margins);
  const TEntry* entry = Find(key);
  if (!entry) {
    TEntry built;
    built.Key = key;
    built.Section = gdi::BuildSlicedBitmap(width, height, image, margins, vertical, tile, frameCount, frame);
    if (built.Section.Empty()) return;
    if (transparent) {
      built.Mask = gdi::MakeKeyMask(dc, built.Section.Handle(), width, height, kKey);
      if (!built.Mask) return;
    }
    entry = &Add(std::move(built));
  }
  if (transparent) {
    gdi::DrawMasked(dc, ToTRect(rect), entry->Section.Handle(), entry->Mask.Get());
  } else {
    CopyBitmap(dc, rect, entry->Section.Handle());
  }
}

void TPictureCache::DrawCell(HDC dc, const RECT& rect, const TBitmap& image, bool transparent, int frameCount,
                             int frame) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!dc || width <= 0 || height <= 0 || image.Empty()) return;
  const TKey key = MakeKey(TKind::Cell, rect, image, false, false, transparent, frameCount, frame, {});
  const TEntry* entry = Find(key);
  if (!entry) {
    TEntry built;
    built.Key = key;
    if (!built.Cell.SetSize(width, height)) return;
    StretchCopy(built.Cell, {0, 0, width, height}, image, FrameCell(image, frameCount, frame));
    if (transparent) {
      // In the context's own format, as the masked copy of a one-off cell makes it.
      built.Device = gdi::DeviceBitmap(dc, built.Cell);
      if (!built.Device) return;
      built.Mask = gdi::MakeKeyMask(dc, built.Device.Get(), width, height, kKey);
      if (!built.Mask) return;
      built.Cell = TBitmap();
    }
    entry = &Add(std::move(built));
  }
  if (transparent) {
    gdi::DrawMasked(dc, ToTRect(rect), entry->Device.Get(), entry->Mask.Get());
  } else {
    gdi::DrawPicture(dc, rect.left, rect.top, entry->Cell, false);
  }
}

}  // namespace varnelta
