#include "runtime/bitmap.h"

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>
#include <iterator>
#include <limits>

namespace varnelta {

namespace {

// Little-endian field readers; callers check the bounds first.
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::int32_t S32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(U32(b, at));
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFFu);
  Put16(out, v >> 16);
}

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
// The largest information header written so far (version 5) is 124 bytes; anything larger
// is not a bitmap header.
constexpr std::size_t kMaxHeaderSize = 124;

// One channel of a bit-field pixel: where it sits and how wide it is.
struct TChannel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit TChannel(std::uint32_t m = 0) : mask(m) {
    if (m != 0) {
      shift = std::countr_zero(m);
      bits = std::popcount(m);
    }
  }
  // The channel's value scaled to 8 bits.
  std::uint32_t Extract(std::uint32_t value) const {
    if (bits == 0) return 0;
    std::uint32_t v = (value & mask) >> shift;
    // A mask with holes counts its bits, not its span; keep the result in range anyway.
    if (bits >= 8) return std::min<std::uint32_t>(v >> (bits - 8), 255);
    std::uint32_t max = (1u << bits) - 1;
    return std::min<std::uint32_t>(v, max) * 255 / max;
  }
};

}  // namespace

bool TBitmap::SetSize(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
      std::int64_t{width} * height > kMaxPixels) {
    width_ = 0;
    height_ = 0;
    pixels_.clear();
    pixels_.shrink_to_fit();
    return false;
  }
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  return true;
}

void TBitmap::Fill(std::uint32_t colour) {
  std::fill(pixels_.begin(), pixels_.end(), PixelFromColour(colour));
}

void TBitmap::FillRect(int x, int y, int width, int height, std::uint32_t colour) {
  int left = std::max(x, 0);
  int top = std::max(y, 0);
  int right = static_cast<int>(std::min<std::int64_t>(std::int64_t{x} + width, width_));
  int bottom = static_cast<int>(std::min<std::int64_t>(std::int64_t{y} + height, height_));
  if (left >= right || top >= bottom) return;
  std::uint32_t pixel = PixelFromColour(colour);
  for (int row = top; row < bottom; ++row) std::fill(Row(row) + left, Row(row) + right, pixel);
}

namespace {

// Clips a copy of (sx, sy, w, h) to (dx, dy) against both pictures' bounds; false when nothing
// remains.
bool ClipCopy(int dest_w, int dest_h, int src_w, int src_h, int& dx, int& dy, int& sx, int& sy,
              int& w, int& h) {
  if (w <= 0 || h <= 0) return false;
  std::int64_t x0 = dx, y0 = dy, s0 = sx, t0 = sy, ww = w, hh = h;
  if (s0 < 0) { x0 -= s0; ww += s0; s0 = 0; }
  if (t0 < 0) { y0 -= t0; hh += t0; t0 = 0; }
  if (x0 < 0) { s0 -= x0; ww += x0; x0 = 0; }
  if (y0 < 0) { t0 -= y0; hh += y0; y0 = 0; }
  ww = std::min({ww, std::int64_t{src_w} - s0, std::int64_t{dest_w} - x0});
  hh = std::min({hh, std::int64_t{src_h} - t0, std::int64_t{dest_h} - y0});
  if (ww <= 0 || hh <= 0) return false;
  dx = static_cast<int>(x0);
  dy = static_cast<int>(y0);
  sx = static_cast<int>(s0);
  sy = static_cast<int>(t0);
  w = static_cast<int>(ww);
  h = static_cast<int>(hh);
  return true;
}

}  // namespace

void TBitmap::CopyRect(int dx, int dy, const TBitmap& source, int sx, int sy, int width,
                       int height) {
  if (!ClipCopy(width_, height_, source.width_, source.height_, dx, dy, sx, sy, width, height))
    return;
  for (int row = 0; row < height; ++row) {
    const std::uint32_t* from = source.Row(sy + row) + sx;
    std::copy(from, from + width, Row(dy + row) + dx);
  }
}

void TBitmap::CopyRectTransparent(int dx, int dy, const TBitmap& source, int sx, int sy,
                                  int width, int height) {
  if (!ClipCopy(width_, height_, source.width_, source.height_, dx, dy, sx, sy, width, height))
    return;
  for (int row = 0; row < height; ++row) {
    const std::uint32_t* from = source.Row(sy + row) + sx;
    std::uint32_t* to = Row(dy + row) + dx;
    for (int i = 0; i < width; ++i)
      if (OpaquePixel(from[i]) != kTransparentPixel) to[i] = from[i];
  }
}

TBitmap TBitmap::Copy(int x, int y, int width, int height) const {
  int dx = 0, dy = 0;
  if (!ClipCopy(width_, height_, width_, height_, dx, dy, x, y, width, height)) return {};
  TBitmap result(width, height);
  result.CopyRect(0, 0, *this, x, y, width, height);
  return result;
}

void TBitmap::MakeOpaque() {
  for (auto& p : pixels_) p = OpaquePixel(p);
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const {
  std::vector<std::uint8_t> out;
  if (Empty()) return out;
  std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) & ~std::size_t{3};
  std::size_t image = stride * static_cast<std::size_t>(height_);
  std::size_t total = kFileHeaderSize + kInfoHeaderSize + image;
  if (total > std::numeric_limits<std::uint32_t>::max()) return out;
  out.reserve(total);
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(total));
  Put32(out, 0);
  Put32(out, kFileHeaderSize + kInfoHeaderSize);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(width_));
  Put32(out, static_cast<std::uint32_t>(height_));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, kBiRgb);
  Put32(out, static_cast<std::uint32_t>(image));
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height_ - 1; y >= 0; --y) {
    const std::uint32_t* row = Row(y);
    for (int x = 0; x < width_; ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x]));
      out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
      out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
    }
    for (std::size_t pad = static_cast<std::size_t>(width_) * 3; pad < stride; ++pad)
      out.push_back(0);
  }
  return out;
}

bool TBitmap::SaveToFile(const std::string& path) const {
  std::vector<std::uint8_t> bytes = SaveToBytes();
  if (bytes.empty()) return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

bool TBitmap::LoadFromFile(const std::string& path) {
  Clear();
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  return LoadFromBytes(bytes);
}

bool TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes, std::int64_t maxPixels) {
  Clear();
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
    if (bytes.size() < kFileHeaderSize + 4) return false;
    std::uint32_t offset = U32(bytes, 10);
    // An offset of 0 is what some writers leave: the pixels then follow the colour table.
    return ReadDib(bytes, kFileHeaderSize, offset, maxPixels);
  }
  return LoadFromDib(bytes, maxPixels);
}

bool TBitmap::LoadFromDib(std::span<const std::uint8_t> bytes, std::int64_t maxPixels) {
  Clear();
  return ReadDib(bytes, 0, 0, maxPixels);
}

bool TBitmap::ReadDib(std::span<const std::uint8_t> b, std::size_t info, std::size_t pixel_at,
                      std::int64_t max_pixels) {
  const std::size_t size = b.size();
  if (info > size || size - info < 4) return false;
  const std::size_t header = U32(b, info);
  if (header > size - info) return false;

  std::int64_t width = 0, height = 0;
  unsigned bpp = 0, planes = 0;
  std::uint32_t compression = kBiRgb, colours_used = 0;
  std::size_t entry_size = 4;
  std::size_t table = info + header;  // colour table (or bit-field masks) start here
  std::array<std::uint32_t, 4> masks{};
  bool have_masks = false;

  if (header == kCoreHeaderSize) {
    width = U16(b, info + 4);
    height = U16(b, info + 6);
    planes = U16(b, info + 8);
    bpp = U16(b, info + 10);
    entry_size = 3;
  } else if (header >= kInfoHeaderSize && header <= kMaxHeaderSize) {
    width = S32(b, info + 4);
    height = S32(b, info + 8);
    planes = U16(b, info + 12);
    bpp = U16(b, info + 14);
    compression = U32(b, info + 16);
    colours_used = U32(b, info + 32);
    if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
      std::size_t count = compression == kBiAlphaBitfields ? 4 : 3;
      if (header >= kInfoHeaderSize + 4 * count) {
        for (std::size_t i = 0; i < count; ++i) masks[i] = U32(b, info + kInfoHeaderSize + 4 * i);
        if (count == 3 && header >= kInfoHeaderSize + 16) masks[3] = U32(b, info + 52);
      } else {
        // A plain information header: the masks follow it.
        if (size - table < 4 * count) return false;
        for (std::size_t i = 0; i < count; ++i) masks[i] = U32(b, table + 4 * i);
        table += 4 * count;
      }
      have_masks = true;
    }
  } else {
    return false;
  }

  if (planes != 1) return false;
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
      width * height > std::min(kMaxPixels, max_pixels))
    return false;
  switch (bpp) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  switch (compression) {
    case kBiRgb: break;
    case kBiRle8: if (bpp != 8 || top_down) return false; break;
    case kBiRle4: if (bpp != 4 || top_down) return false; break;
    case kBiBitfields:
    case kBiAlphaBitfields: if (bpp != 16 && bpp != 32) return false; break;
    default: return false;  // embedded JPEG or PNG, or unknown
  }

  // Colour table: pictures of 8 bits or fewer index it; deeper ones may carry an optional
  // table that only has to be skipped.
  std::uint64_t entries = colours_used;
  if (bpp <= 8) {
    std::uint64_t full = std::uint64_t{1} << bpp;
    if (entries == 0) {
      entries = full;
      // Writers of the small (core) header often store fewer colours than the depth allows;
      // the pixel offset then tells how many there are.
      if (pixel_at >= table) entries = std::min<std::uint64_t>(full, (pixel_at - table) / entry_size);
    }
    if (entries > full) return false;
  }
  std::uint64_t table_end = table + entries * entry_size;
  if (table_end > size) return false;
  std::array<std::uint32_t, 256> palette{};
  if (bpp <= 8) {
    for (std::size_t i = 0; i < entries; ++i) {
      std::size_t at = table + i * entry_size;
      palette[i] = b[at] | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
                   (static_cast<std::uint32_t>(b[at + 2]) << 16);
    }
  }

  std::uint64_t start = pixel_at != 0 ? pixel_at : table_end;
  if (start < table_end || start > size) return false;
  const int w = static_cast<int>(width);
  const int h = static_cast<int>(height);
  std::span<const std::uint8_t> data = b.subspan(static_cast<std::size_t>(start));

  if (compression == kBiRle8 || compression == kBiRle4) {
    std::uint32_t declared = U32(b, info + 20);
    if (declared != 0 && declared < data.size()) data = data.first(declared);
    if (!SetSize(w, h)) return false;
    // Pixels the runs skip keep colour 0 of the table, like the background of a fresh picture.
    std::fill(pixels_.begin(), pixels_.end(), palette[0]);
    const bool four = compression == kBiRle4;
    std::size_t at = 0;
    std::int64_t x = 0, y = 0;  // y counts rows from the bottom
    auto put = [&](unsigned index) {
      if (x < w && y < h) pixels_[Index(static_cast<int>(x), h - 1 - static_cast<int>(y))] = palette[index];
      ++x;
    };
    while (at + 2 <= data.size() && y < h) {
      unsigned count = data[at], value = data[at + 1];
      at += 2;
      if (count > 0) {
        for (unsigned i = 0; i < count; ++i)
          put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      } else if (value == 0) {
        x = 0;
        ++y;
      } else if (value == 1) {
        break;
      } else if (value == 2) {
        if (at + 2 > data.size()) break;
        x += data[at];
        y += data[at + 1];
        at += 2;
      } else {
        std::size_t run_bytes = four ? (value + 1) / 2 : value;
        if (run_bytes > data.size() - at) break;
        for (unsigned i = 0; i < value; ++i)
          put(four ? ((i & 1) ? data[at + i / 2] & 0x0F : data[at + i / 2] >> 4) : data[at + i]);
        at += (run_bytes + 1) & ~std::size_t{1};
      }
    }
    return true;
  }

  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bpp + 31) / 32) * 4;
  if (stride * static_cast<std::uint64_t>(height) > data.size()) return false;
  if (!SetSize(w, h)) return false;

  if (!have_masks) {
    if (bpp == 16) masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (bpp == 32) masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000u};
  }
  const TChannel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
  const bool plain32 = bpp == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 &&
                       masks[2] == 0xFF && (masks[3] == 0xFF000000u || masks[3] == 0);

  for (int row = 0; row < h; ++row) {
    const std::uint8_t* src = data.data() + static_cast<std::size_t>(row) * stride;
    std::uint32_t* out = Row(top_down ? row : h - 1 - row);
    switch (bpp) {
      case 1:
        for (int x = 0; x < w; ++x) out[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        for (int x = 0; x < w; ++x)
          out[x] = palette[(x & 1) ? src[x >> 1] & 0x0F : src[x >> 1] >> 4];
        break;
      case 8:
        for (int x = 0; x < w; ++x) out[x] = palette[src[x]];
        break;
      case 24:
        for (int x = 0; x < w; ++x, src += 3)
          out[x] = src[0] | (static_cast<std::uint32_t>(src[1]) << 8) |
                   (static_cast<std::uint32_t>(src[2]) << 16);
        break;
      default: {
        const std::size_t step = bpp / 8;
        for (int x = 0; x < w; ++x, src += step) {
          std::uint32_t v = step == 2 ? static_cast<std::uint32_t>(src[0] | (src[1] << 8))
                                      : U32(std::span<const std::uint8_t>(src, 4), 0);
          if (plain32) {
            out[x] = masks[3] ? v : OpaquePixel(v);
          } else {
            out[x] = blue.Extract(v) | (green.Extract(v) << 8) | (red.Extract(v) << 16) |
                     (alpha.Extract(v) << 24);
          }
        }
        break;
      }
    }
  }
  return true;
}

}  // namespace varnelta
