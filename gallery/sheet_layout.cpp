#include "gallery/sheet_layout.h"

#include <algorithm>

namespace varnelta::gallery {

TSheetLayout LayOutSheet(const std::vector<TPoint>& sizes, const TSheetMetrics& m) {
  TSheetLayout layout;
  int cellWidth = 1;
  for (const TPoint& size : sizes) cellWidth = std::max(cellWidth, std::min(size.X, m.MaxCellWidth));
  const int left = m.Margin + m.LabelWidth + m.Gap;
  layout.Width = left + 4 * cellWidth + 3 * m.Gap + m.Margin;
  layout.Title = Bounds(m.Margin, m.Margin, layout.Width - 2 * m.Margin, m.LineHeight);
  const int headerTop = m.Margin + m.LineHeight + m.Gap;
  for (int state = 0; state < 4; ++state) {
    layout.StateHeaders[static_cast<std::size_t>(state)] =
        Bounds(left + state * (cellWidth + m.Gap), headerTop, cellWidth, m.LineHeight);
  }
  layout.HeaderHeight = headerTop + m.LineHeight + m.Gap;
  int top = layout.HeaderHeight;
  for (const TPoint& size : sizes) {
    const int width = std::clamp(size.X, 0, m.MaxCellWidth);
    const int height = std::clamp(size.Y, 0, m.MaxCellHeight);
    const int rowHeight = std::max(height, m.LineHeight);
    layout.Labels.push_back(Bounds(m.Margin, top, m.LabelWidth, rowHeight));
    std::array<TRect, 4> cells{};
    for (int state = 0; state < 4; ++state) {
      cells[static_cast<std::size_t>(state)] = Bounds(left + state * (cellWidth + m.Gap), top, width, height);
    }
    layout.Cells.push_back(cells);
    top += rowHeight + m.Gap;
  }
  layout.Height = top - m.Gap + m.Margin;
  if (sizes.empty()) layout.Height = layout.HeaderHeight + m.Margin;
  return layout;
}

std::vector<std::size_t> SplitSheets(const std::vector<TPoint>& sizes, const TSheetMetrics& m,
                                     std::int64_t maxPixels) {
  std::vector<std::size_t> starts{0};
  std::vector<TPoint> sheet;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    sheet.push_back(sizes[i]);
    const TSheetLayout layout = LayOutSheet(sheet, m);
    if (sheet.size() > 1 && std::int64_t{layout.Width} * layout.Height > maxPixels) {
      starts.push_back(i);
      sheet.assign(1, sizes[i]);
    }
  }
  return starts;
}

}  // namespace varnelta::gallery
