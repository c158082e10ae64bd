#include "runtime/layout.h"

#include <algorithm>
#include <numeric>

namespace varnelta {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(a) * b;
  bool negative = (product < 0) != (c < 0);
  std::int64_t n = product < 0 ? -product : product;
  std::int64_t d = c < 0 ? -static_cast<std::int64_t>(c) : c;
  std::int64_t q = (n + d / 2) / d;
  return static_cast<int>(negative ? -q : q);
}

void AlignItems(TRect client, std::vector<TAlignItem>& items) {
  TRect rest = client;
  const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
  for (TAlign align : order) {
    std::vector<std::size_t> group;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].Visible && items[i].Align == align) group.push_back(i);
    }
    auto key = [&](std::size_t i) {
      const TRect& r = items[i].Bounds;
      switch (align) {
        case alTop: return r.Top;
        case alBottom: return -r.Bottom;
        case alLeft: return r.Left;
        case alRight: return -r.Right;
        default: return 0;
      }
    };
    std::stable_sort(group.begin(), group.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    for (std::size_t i : group) {
      TRect& r = items[i].Bounds;
      int w = r.Width();
      int h = r.Height();
      switch (align) {
        case alTop:
          r = {rest.Left, rest.Top, rest.Right, rest.Top + h};
          rest.Top += h;
          break;
        case alBottom:
          r = {rest.Left, rest.Bottom - h, rest.Right, rest.Bottom};
          rest.Bottom -= h;
          break;
        case alLeft:
          r = {rest.Left, rest.Top, rest.Left + w, rest.Bottom};
          rest.Left += w;
          break;
        case alRight:
          r = {rest.Right - w, rest.Top, rest.Right, rest.Bottom};
          rest.Right -= w;
          break;
        case alClient: r = rest; break;
        default: break;
      }
      if (rest.Bottom < rest.Top) rest.Bottom = rest.Top;
      if (rest.Right < rest.Left) rest.Right = rest.Left;
    }
  }
}

}  // namespace varnelta
