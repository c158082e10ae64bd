#include "skin/data/system_values.h"

#include <array>

namespace varnelta {

namespace {

// The classic (Windows Standard) scheme, colour numbers 0 to 30, as 0x00BBGGRR.
constexpr std::array<TColor, 31> kClassicColours = {
    0xC8C8C8,  // 0 scroll bar
    0xA56E3A,  // 1 desktop
    0x6A240A,  // 2 active caption
    0x808080,  // 3 inactive caption
    0xC8D0D4,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xC8D0D4,  // 10 active border
    0xC8D0D4,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x6A240A,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xC8D0D4,  // 15 3-D face
    0x808080,  // 16 3-D shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xC8D0D4,  // 19 inactive caption text
    0xFFFFFF,  // 20 3-D highlight
    0x404040,  // 21 3-D dark shadow
    0xC8D0D4,  // 22 3-D light
    0x000000,  // 23 tooltip text
    0xE1FFFF,  // 24 tooltip background
    0xB5B5B5,  // 25 (unused)
    0x800000,  // 26 hot-tracking
    0xF0CAA6,  // 27 active caption gradient
    0xC0C0C0,  // 28 inactive caption gradient
    0x6A240A,  // 29 menu highlight
    0xC8D0D4,  // 30 menu bar
};

const ISystemValues* g_installed = nullptr;

}  // namespace

TColor TFixedSystemValues::SystemColour(int index) const {
  if (index < 0 || index >= static_cast<int>(kClassicColours.size())) return 0;
  return kClassicColours[static_cast<std::size_t>(index)];
}

int TFixedSystemValues::SystemMetric(int index) const {
  switch (index) {
    case 0: return 1024;   // screen width
    case 1: return 768;    // screen height
    case 2: return 17;     // vertical scroll bar width
    case 3: return 17;     // horizontal scroll bar height
    case 4: return 18;     // caption height
    case 5: case 6: return 1;   // border
    case 7: case 8: return 3;   // fixed frame
    case 20: return 17;    // vertical scroll arrow height
    case 21: return 17;    // horizontal scroll arrow width
    case 49: case 50: return 16;  // small icon
    default: return 0;
  }
}

TBitmap TFixedSystemValues::ResourceBitmap(std::string_view) const { return {}; }

const ISystemValues& SystemValues() {
  return g_installed != nullptr ? *g_installed : DefaultSystemValues();
}

void SetSystemValues(const ISystemValues* values) { g_installed = values; }

TColor ColourToRgb(TColor colour) {
  if (IsSystemColor(colour)) return SystemValues().SystemColour(static_cast<int>(colour & 0xFF)) & 0xFFFFFFu;
  return colour & 0xFFFFFFu;
}

TScopedSystemValues::TScopedSystemValues(const ISystemValues& values) : previous_(g_installed) {
  g_installed = &values;
}

TScopedSystemValues::~TScopedSystemValues() { g_installed = previous_; }

#ifndef _WIN32
const ISystemValues& DefaultSystemValues() {
  static const TFixedSystemValues fixed;
  return fixed;
}
#endif

}  // namespace varnelta
