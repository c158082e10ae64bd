// Colour values, system colour resolution and the luminance adjustment used by every frame.
#pragma once

#include <cstdint>

#include "statusbar/geometry.h"

namespace varnelta::statusbar {

// An explicit colour 0x00BBGGRR (what GDI calls a COLORREF).
using TColorRef = std::uint32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor kSystemColorFlag = 0xFF000000;

constexpr TColor SystemColor(int index) {
  return kSystemColorFlag | static_cast<TColor>(index & 0xFF);
}

// The system colours the status bar uses (numbers as the Windows COLOR_* indices).
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);

constexpr TColorRef MakeRGB(int r, int g, int b) {
  return static_cast<TColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(TColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// Where system colours come from when a colour is resolved for drawing. On Windows the
// drawing layer passes the real system colours; tests pass a fixed table.
class ISystemColors {
 public:
  virtual ~ISystemColors() = default;
  virtual TColorRef SysColor(int index) const = 0;
};

// The classic Windows standard palette (button face 192,192,192 and so on).
const ISystemColors& ClassicSystemColors();

// Resolves a colour to 0x00BBGGRR. clNone resolves to 0 like any other value outside the two
// known forms' meaning: callers skip clNone before resolving.
TColorRef ColorToRGB(TColor color, const ISystemColors& colors);

// Rounds to the nearest integer, halves to the even neighbour, whatever the floating point
// environment says.
long long RoundHalfEven(double value);
// numerator / denominator rounded the same way, exactly (denominator not 0).
long long RoundHalfEvenRatio(long long numerator, long long denominator);

// Hue, saturation and luminance on the 0 to 240 scale, each rounded halves to even.
struct THls {
  int Hue = 0;
  int Luminance = 0;
  int Saturation = 0;
  friend bool operator==(const THls&, const THls&) = default;
};

THls RGBToHls(TColorRef rgb);
// Luminance may lie above 240 (a lightening stops at 255): components clip to 255.
TColorRef HlsToRGB(THls hls);

// The colour made lighter (amount above 0), darker (below 0, by the amount's size) or left
// unchanged (0). System colours are resolved through `colors` first.
TColorRef AdjustColor(TColor color, int amount, const ISystemColors& colors);

}  // namespace varnelta::statusbar
