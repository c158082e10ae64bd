// The frame's picture drawing with the numbers a skin description may give: any sizes, frame
// counts, frames, margins and ends. Every pixel of a result must come from the chosen frame
// (or be the untouched black), and region runs must cover exactly the non-magenta pixels.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/data/pixel_draw.h"
#include "skin/frame/caption_back.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/region_rects.h"

namespace {

using namespace varnelta;

class TInput {
 public:
  explicit TInput(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint8_t Byte() { return at_ < bytes_.size() ? bytes_[at_++] : 0; }
  // Mostly small numbers around 0, sometimes the extremes.
  int Number() {
    const std::uint8_t kind = Byte();
    if (kind == 0xFF) return INT_MAX;
    if (kind == 0xFE) return INT_MIN;
    return static_cast<std::int8_t>(Byte());
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// Pixel (x, y) of frame k (1-based) carries k in its red channel; columns or rows left over
// after the last whole frame carry 0xFF.
TBitmap MarkedStrip(int width, int height, int frameCount, bool vertical) {
  TBitmap picture(width, height);
  const int count = frameCount < 1 ? 1 : frameCount;
  const int cell = (vertical ? height : width) / count;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int along = vertical ? y : x;
      const int frame = cell > 0 && along / cell < count ? along / cell + 1 : 0xFF;
      picture.SetPixel(x, y, static_cast<std::uint32_t>(frame) << 16 | static_cast<std::uint32_t>((x + y) & 0xFF));
    }
  return picture;
}

void CheckFrom(const TBitmap& result, int frame) {
  for (std::uint32_t p : result.Pixels())
    if (p != 0 && static_cast<int>((p >> 16) & 0xFF) != frame) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TInput in({data, size});
  const int pw = in.Byte() % 40, ph = in.Byte() % 40;
  const int frameCount = in.Number(), frame = in.Number();
  const bool vertical = (in.Byte() & 1) != 0;
  const int width = in.Number(), height = in.Number();
  const TRect margins{in.Number(), in.Number(), in.Number(), in.Number()};
  const TBitmap strip = MarkedStrip(pw, ph, frameCount, vertical);
  const int chosen = frameCount < 1 ? 1 : (frame < 1 ? 1 : (frame > frameCount ? frameCount : frame));
  const int w = width < 0 ? -width : width, h = height < 0 ? -height : height;

  const TBitmap sliced = BuildSlicedBitmap(w % 100, h % 100, strip, margins, vertical, (in.Byte() & 1) != 0,
                                           frameCount, frame);
  if (!sliced.Empty() && (sliced.Width() != w % 100 || sliced.Height() != h % 100)) std::abort();
  CheckFrom(sliced, chosen);
  const TBitmap back = BuildCaptionBack(w % 300, h % 40, strip, vertical, frameCount, frame, margins);
  CheckFrom(back, chosen);

  TBitmap target(24, 16);
  DrawFrameCell(target, {width, height, margins.Left, margins.Top}, strip, (in.Byte() & 1) != 0,
                frameCount, frame);
  if (!vertical) CheckFrom(target, chosen);
  DrawCaptionBack(target, {margins.Left, margins.Top, margins.Right, margins.Bottom}, strip, vertical,
                  true, frameCount, frame, margins);
  TileCopy(target, {width, height, width + 30, height + 30}, strip, margins);

  const TBitmap scaled = ScaleFrameStrip(strip, frameCount, vertical, 48 + in.Byte());
  if (frameCount >= 1 && frameCount <= 40 && !scaled.Empty()) {
    const TRect cell = FrameCell(scaled, frameCount, chosen, vertical);
    CheckFrom(scaled.Copy(cell.Left, cell.Top, cell.Width(), cell.Height()), chosen);
  }

  // Runs of a picture with some magenta: exactly the opaque pixels, each once.
  TBitmap holes = strip;
  for (int i = 0; i < 8 && !holes.Empty(); ++i)
    holes.SetColour(in.Byte() % holes.Width(), in.Byte() % holes.Height(), 0xFF00FF);
  const int ox = in.Number(), oy = in.Number();
  const int dx = ox == INT_MAX || ox == INT_MIN ? 0 : ox, dy = oy == INT_MAX || oy == INT_MIN ? 0 : oy;
  std::int64_t covered = 0, opaque = 0;
  for (const TRect& r : OpaqueRuns(holes, dx, dy)) {
    if (r.IsEmpty() || r.Height() != 1 || r.Left < dx || r.Right > dx + holes.Width() || r.Top < dy ||
        r.Bottom > dy + holes.Height())
      std::abort();
    covered += r.Width();
  }
  for (std::uint32_t p : holes.Pixels()) opaque += IsKeyPixel(p, kTransparentColour) ? 0 : 1;
  if (covered != opaque) std::abort();
  return 0;
}
