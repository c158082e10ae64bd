// The pictures the generator draws: the skin's 34 element pictures and the program's own
// bitmap resources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/bitmap.h"

namespace varnelta::skingen {

struct SkinPicture {
  std::string file;  // file name inside resources/skin/
  TBitmap bitmap;
};

// Every picture of Varnelta's skin, in the order the description names them.
std::vector<SkinPicture> DrawSkinPictures();

// A whole window frame of the given size (client area filled with the face colour), active or
// inactive: the picture the frame pieces are cut from, also used by the preview.
TBitmap DrawWindowFrame(int width, int height, bool active);

// A palette picture for the program's bitmap resources: `pixels` holds palette indexes, row by
// row from the top.
struct IndexedPicture {
  std::string file;  // file name inside resources/bitmaps/
  int width = 0;
  int height = 0;
  int bitsPerPixel = 4;                 // 1 or 4
  std::vector<std::uint32_t> palette;   // 0xRRGGBB entries, 2 or 16 of them
  std::vector<std::uint8_t> pixels;     // width * height indexes
};

std::vector<IndexedPicture> DrawResourcePictures();

// The Windows bitmap file of an indexed picture (bottom-up rows, colour table, no compression).
std::vector<std::uint8_t> EncodeIndexed(const IndexedPicture& picture);

// The 16-colour palette of the standard Windows system palette, in its usual order.
const std::vector<std::uint32_t>& StandardPalette16();

}  // namespace varnelta::skingen
