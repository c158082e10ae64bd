// Builds Windows bitmap files byte by byte for the tests, including deliberately wrong ones.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/bitmap.h"

namespace varnelta::test {

struct BmpBuilder {
  std::uint32_t header_size = 40;  // 12 (core), 40, 56, 108 or 124
  std::int32_t width = 1;
  std::int32_t height = 1;  // negative: top-down
  std::uint16_t planes = 1;
  std::uint16_t bpp = 24;
  std::uint32_t compression = 0;
  std::uint32_t size_image = 0;
  std::optional<std::uint32_t> colours_used;   // written as is; default: palette size
  std::vector<std::uint32_t> palette;          // 0x00RRGGBB entries
  std::vector<std::uint32_t> masks;            // bit fields written after the header or in it
  std::vector<std::uint8_t> pixels;            // raw pixel bytes, rows as stored
  std::optional<std::uint32_t> pixel_offset;   // default: right after the table
  bool file_header = true;

  std::vector<std::uint8_t> Build() const {
    std::vector<std::uint8_t> out;
    auto put16 = [&](std::uint32_t v) {
      out.push_back(static_cast<std::uint8_t>(v));
      out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto put32 = [&](std::uint32_t v) {
      put16(v & 0xFFFF);
      put16(v >> 16);
    };
    std::size_t entry = header_size == 12 ? 3 : 4;
    bool masks_in_header = header_size >= 52;
    std::size_t table = (file_header ? 14 : 0) + header_size +
                        (masks_in_header ? 0 : masks.size() * 4) + palette.size() * entry;
    if (file_header) {
      out.push_back('B');
      out.push_back('M');
      put32(static_cast<std::uint32_t>(table + pixels.size()));
      put32(0);
      put32(pixel_offset.value_or(static_cast<std::uint32_t>(table)));
    }
    std::size_t header_start = out.size();
    put32(header_size);
    if (header_size == 12) {
      put16(static_cast<std::uint32_t>(width));
      put16(static_cast<std::uint32_t>(height));
      put16(planes);
      put16(bpp);
    } else {
      put32(static_cast<std::uint32_t>(width));
      put32(static_cast<std::uint32_t>(height));
      put16(planes);
      put16(bpp);
      put32(compression);
      put32(size_image);
      put32(2835);
      put32(2835);
      put32(colours_used.value_or(static_cast<std::uint32_t>(palette.size())));
      put32(0);
      if (masks_in_header)
        for (std::uint32_t m : masks) put32(m);
      while (out.size() < header_start + header_size) out.push_back(0);
      if (!masks_in_header)
        for (std::uint32_t m : masks) put32(m);
    }
    for (std::uint32_t c : palette) {
      out.push_back(static_cast<std::uint8_t>(c));
      out.push_back(static_cast<std::uint8_t>(c >> 8));
      out.push_back(static_cast<std::uint8_t>(c >> 16));
      if (entry == 4) out.push_back(0);
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
  }
};

// A 24-bit picture as file bytes.
inline std::vector<std::uint8_t> BmpBytes(const TBitmap& b) { return b.SaveToBytes(); }

// A picture of the given size filled with one colour (0x00BBGGRR).
inline TBitmap Solid(int w, int h, std::uint32_t colour) {
  TBitmap b(w, h);
  b.Fill(colour);
  return b;
}

}  // namespace varnelta::test
