#include "skin/frame/menu_layout.h"

#include <algorithm>

#include "runtime/menus.h"
#include "skin/frame/dpi_scale.h"

namespace varnelta::frame {

TBarLayout LayoutMenuBar(const TBarFacts& f) {
  TBarLayout layout;
  const int stripWidth = f.Strip.Width();
  if (!f.HasElement) {
    layout.Start = ScalePixel(6, f.Dpi);
  } else {
    layout.Start = f.RightToLeft ? f.MarginRight + ScalePixel(8, f.Dpi) : f.MarginLeft + ScalePixel(4, f.Dpi);
    if (stripWidth < layout.Start) layout.Start = ScalePixel(12, f.Dpi);
  }
  const int padding = ScalePixel(10, f.Dpi);
  const int height = std::max(f.Strip.Height() - 1, 0);
  int rightEnd = f.Strip.Right;
  if (f.RightToLeft && f.ChildButtonsLeft) rightEnd = std::min(rightEnd, *f.ChildButtonsLeft - 5);
  int x = f.RightToLeft ? rightEnd - layout.Start : f.Strip.Left + layout.Start;
  for (const TBarItemFacts& item : f.Items) {
    if (!item.Visible) {
      layout.Cells.push_back({});
      continue;
    }
    const int width = item.TextWidth > 0 ? item.TextWidth + padding : 0;
    if (f.RightToLeft) {
      layout.Cells.push_back({x - width, f.Strip.Top, x, f.Strip.Top + height});
      x -= width;
    } else {
      layout.Cells.push_back({x, f.Strip.Top, x + width, f.Strip.Top + height});
      x += width;
    }
  }
  return layout;
}

TRect CentreInCell(const TRect& cell, int textWidth, int textHeight) {
  const int left = cell.Left + (cell.Width() - textWidth) / 2;
  const int top = cell.Top + (cell.Height() - textHeight) / 2;
  return {left, top, left + textWidth, top + textHeight};
}

std::optional<std::size_t> BarItemAt(const std::vector<TRect>& cells, const std::vector<bool>& hasCaption, TPoint p) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const bool caption = i < hasCaption.size() && hasCaption[i];
    if (caption && cells[i].Contains(p)) return i;
  }
  return std::nullopt;
}

TItemGeometry MenuItemGeometry(const TItemFacts& f) {
  TItemGeometry g;
  const int dpi = f.Dpi;
  int glyph = f.ImageWidth > 0 ? f.ImageWidth : ScalePixel(16, dpi);
  if (f.Checked) glyph = std::max(glyph, ScalePixel(16, dpi));
  const int one = ScalePixel(1, dpi);
  const int gap = ScalePixel(3, dpi);
  const int margin = f.HasElement ? ScalePixel(f.MarginLeft, dpi) : 0;
  const int width = f.Separator ? 0 : glyph;
  if (f.RightToLeft) {
    const int right = f.R.Right - one - margin;
    g.Glyph = {right - width, f.R.Top + one, right, f.R.Top + one + (f.Separator ? 0 : glyph)};
    g.Text = {f.R.Left + one, f.R.Top, g.Glyph.Left - gap, f.R.Bottom};
    g.ShortcutEdge = f.R.Left + ScalePixel(11, dpi);
  } else {
    const int left = f.R.Left + one + margin;
    g.Glyph = {left, f.R.Top + one, left + width, f.R.Top + one + (f.Separator ? 0 : glyph)};
    g.Text = {g.Glyph.Right + gap, f.R.Top, f.R.Right - one, f.R.Bottom};
    g.ShortcutEdge = f.R.Right - ScalePixel(11, dpi);
  }
  if (g.Text.Right < g.Text.Left) g.Text.Right = g.Text.Left;  // a very narrow item
  g.SeparatorY = g.Text.Top + ScalePixel(4, dpi);
  return g;
}

TRect CentreTextVertically(const TRect& box, int textHeight) {
  const int top = box.Top + (box.Height() - textHeight) / 2;
  return {box.Left, top, box.Right, top + textHeight};
}

TPoint CheckMarkOrigin(const TRect& glyph, const TRect& item, int markWidth, int markHeight) {
  return {glyph.Left + (glyph.Width() - markWidth) / 2 + 1, item.Top + (item.Height() - markHeight) / 2 + 1};
}

TArrow MirrorArrow(TArrow key, bool rightToLeft) {
  if (!rightToLeft) return key;
  return key == TArrow::Left ? TArrow::Right : TArrow::Left;
}

std::optional<std::size_t> ArrowSwitch(const TSwitchFacts& f) {
  const int count = static_cast<int>(f.Eligible.size());
  if (count == 0 || f.Open < 0 || f.Open >= count) return std::nullopt;
  if (f.Key == TArrow::Left && !(f.NothingSelected || f.SelectedInOpenDropDown)) return std::nullopt;
  if (f.Key == TArrow::Right && !(f.NothingSelected || !f.SelectedHasSubmenu)) return std::nullopt;
  const int step = f.Key == TArrow::Left ? -1 : 1;
  for (int n = 1; n < count; ++n) {
    const int i = ((f.Open + step * n) % count + count) % count;
    if (f.Eligible[static_cast<std::size_t>(i)]) return static_cast<std::size_t>(i);
  }
  return std::nullopt;  // no other item to go to
}

std::optional<std::size_t> FindAccelItem(const std::vector<TAccelItem>& items, wchar_t key) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].Enabled && items[i].Visible && IsAccel(key, items[i].Caption)) return i;
  }
  return std::nullopt;
}

int MainMenuItemWidth(int width, int marginLeft, bool hasImages, int dpi) {
  return width + marginLeft + ScalePixel(10, dpi) + (hasImages ? 0 : ScalePixel(25, dpi));
}

int PopupMenuItemWidth(int width, int marginLeft, bool hasImages, int dpi) {
  return width + marginLeft + ScalePixel(12, dpi) + (hasImages ? 0 : ScalePixel(23, dpi));
}

TPlainMeasure PlainMenuItemMeasure(int textWidth, bool hasText, int height, int marginLeft, bool win9x, int dpi) {
  TPlainMeasure m;
  m.Width = textWidth + ScalePixel(26, dpi) + marginLeft;
  m.Height = hasText ? height + ScalePixel(4, dpi) : ScalePixel(8, dpi);
  if (win9x) m.Height += ScalePixel(4, dpi);
  return m;
}

}  // namespace varnelta::frame
