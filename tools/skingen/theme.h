// The look of Varnelta's own skin: the geometry and palette the picture generator draws with.
// The skin description (resources/skin/varnelta.ini) repeats the geometry in its keys; the
// resources tests check that the two agree.
#pragma once

#include "tools/skingen/canvas.h"

namespace varnelta::skingen::theme {

// Window frame.
inline constexpr int kSide = 4;          // left and right frame width
inline constexpr int kTitle = 30;        // title bar height
inline constexpr int kBottom = 4;        // bottom frame height
inline constexpr double kTopRadius = 8;  // rounded top corners
inline constexpr double kBottomRadius = 4;
inline constexpr int kTopPieceWidth = 40;  // the top and bottom pieces as drawn
inline constexpr int kTopPieceEnd = 12;    // fixed columns at each end of the top piece
inline constexpr int kSideMiddle = 8;      // stretched rows of the side pieces

// Title bar buttons.
inline constexpr int kCaptionButtonWidth = 28;
inline constexpr int kCaptionButtonHeight = 20;
inline constexpr int kCaptionButtonTop = 5;

// Caption background behind the window text.
inline constexpr int kCaptionBackLeft = 10;
inline constexpr int kCaptionBackMiddle = 4;
inline constexpr int kCaptionBackRight = 8;

// Palette.
inline constexpr Rgb kFace = Hex(0xE6EBF5);  // ButtonFace 230 235 245
inline constexpr Rgb kWhite = Hex(0xFFFFFF);
inline constexpr Rgb kText = Hex(0x1F2937);
inline constexpr Rgb kShadow = Hex(0xA3AFC2);  // ButtonShadow
inline constexpr Rgb kAccent = Hex(0x3F73C8);
inline constexpr Rgb kMenu = Hex(0xFBFCFE);
inline constexpr Rgb kTrack = Hex(0xEDF1F7);
inline constexpr Rgb kDesktop = Hex(0x8A919C);  // what partly covered outline pixels blend to

struct FramePalette {
  Rgb titleTop, titleBottom, body, outline, highlight, innerLine;
};
inline constexpr FramePalette kActiveFrame{Hex(0xF1F5FB), Hex(0xDEE5F1), Hex(0xDEE5F1),
                                           Hex(0x7D8FAE), Hex(0xFFFFFF), Hex(0xBAC6D8)};
inline constexpr FramePalette kInactiveFrame{Hex(0xF3F4F7), Hex(0xE7EAEF), Hex(0xE7EAEF),
                                             Hex(0xA9B1BE), Hex(0xFFFFFF), Hex(0xCDD2DA)};

}  // namespace varnelta::skingen::theme
