// Where everything goes on the gallery's contact sheet: a header row naming the four states,
// then one row per control with its label on the left and one cell per state. Cells are as
// large as the largest control (up to a limit; larger controls are cut at the cell's edge).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/types.h"

namespace varnelta::gallery {

inline constexpr std::array<const char*, 4> kSheetStates{"normal", "hot", "pressed", "disabled"};

struct TSheetLayout {
  int Width = 0;
  int Height = 0;
  int HeaderHeight = 0;
  TRect Title;                                  // the sheet's own title line
  std::array<TRect, 4> StateHeaders{};          // the state names above the columns
  std::vector<TRect> Labels;                    // per control
  std::vector<std::array<TRect, 4>> Cells;      // per control and state: where its capture goes
};

struct TSheetMetrics {
  int Margin = 8;
  int Gap = 6;
  int LabelWidth = 220;
  int LineHeight = 16;
  int MaxCellWidth = 280;
  int MaxCellHeight = 200;
};

// `sizes`: each control's width and height (Right and Bottom of a rect at 0, 0).
TSheetLayout LayOutSheet(const std::vector<TPoint>& sizes, const TSheetMetrics& metrics = {});

// Where each sheet starts when the controls need more than one: the first control of every
// sheet, beginning with 0. Each sheet holds as many controls, in order, as fit in `maxPixels`;
// a control too large for any sheet gets one of its own.
std::vector<std::size_t> SplitSheets(const std::vector<TPoint>& sizes, const TSheetMetrics& metrics,
                                     std::int64_t maxPixels);

}  // namespace varnelta::gallery
