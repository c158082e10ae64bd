// A memory device context drawing into a DIB section, for reading back what GDI drew.
#pragma once

#include <windows.h>

#include <sstream>
#include <string>

#include "runtime/bitmap.h"
#include "runtime/dib_section.h"
#include "runtime/win_handles.h"

namespace varnelta::test {

class TDibCanvas {
 public:
  explicit TDibCanvas(const TBitmap& start) : dib_(start), selection_(dc_.Get(), dib_.Handle()) {}
  HDC DC() const { return dc_.Get(); }
  TBitmap Pixels() const { return dib_.ToBitmap(); }

 private:
  TDibSection dib_;
  TMemoryDC dc_;
  TSelectObject selection_;
};

// "" when both pictures have the same size and colours (alpha bytes aside), else where they
// first differ.
inline std::string ColourDifference(const TBitmap& expected, const TBitmap& actual) {
  std::ostringstream out;
  if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) {
    out << "size " << expected.Width() << "x" << expected.Height() << " vs " << actual.Width()
        << "x" << actual.Height();
    return out.str();
  }
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (expected.Colour(x, y) != actual.Colour(x, y)) {
        out << "(" << x << ", " << y << "): " << std::hex << expected.Colour(x, y) << " vs "
            << actual.Colour(x, y);
        return out.str();
      }
  return {};
}

}  // namespace varnelta::test
