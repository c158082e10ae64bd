// The dark variant of Varnelta's skin: the same pictures with every colour's lightness turned
// round (white faces become deep slate, dark glyphs and outlines become light) while strongly
// coloured parts (the accent blue, the close button's red) keep their hue and lightness.
// Magenta, the transparent colour, stays exactly magenta and nothing else becomes it.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/skingen/pictures.h"

namespace varnelta::skingen {

// 0xRRGGBB in, 0xRRGGBB out.
std::uint32_t DarkColour(std::uint32_t rgb);

// Every picture of the light skin, turned dark.
std::vector<SkinPicture> DrawDarkSkinPictures();

}  // namespace varnelta::skingen
