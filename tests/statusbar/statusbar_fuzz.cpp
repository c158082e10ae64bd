// Values a stored form description can carry into the status bar: frame styles, side sets,
// border and bevel widths, rectangles and the clock's Format. None may crash, hang, draw
// outside the rectangle or grow a text without bound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "statusbar/clock_format.h"
#include "statusbar/frame_style.h"
#include "statusbar/gradient.h"
#include "statusbar/marquee.h"
#include "statusbar/panel.h"
#include "statusbar/status_pane.h"

namespace {

using namespace varnelta::statusbar;

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::int32_t Int32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
    return static_cast<std::int32_t>(v);
  }
  std::int16_t Int16() { return static_cast<std::int16_t>((Byte() << 8) | Byte()); }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::wstring Rest() {
    std::wstring text;
    while (at_ + 1 < size_) {
      text += static_cast<wchar_t>(data_[at_] | (data_[at_ + 1] << 8));
      at_ += 2;
    }
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void CheckInside(const FillList& fills, TRect bounds) {
  for (const TColorRect& f : fills) {
    if (f.Rect.IsEmpty() || f.Rect.Left < bounds.Left || f.Rect.Top < bounds.Top ||
        f.Rect.Right > bounds.Right || f.Rect.Bottom > bounds.Bottom) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  const TRect bounds{in.Int16(), in.Int16(), in.Int16(), in.Int16()};
  TPanelBorder border;
  border.BorderOuter = static_cast<TFrameStyle>(in.Byte() % (kFrameStyleCount + 2));
  border.BorderInner = static_cast<TFrameStyle>(in.Byte() % (kFrameStyleCount + 2));
  border.BorderSides = static_cast<TSides>(in.Byte() & 0x0F);
  border.BorderWidth = in.Int32();
  border.BevelWidth = in.Int32();
  border.FlatColorAdjustment = in.Int32();

  FillList fills;
  BorderGeometry(bounds, border.BorderOuter, border.BorderSides, fills);
  CheckInside(fills, bounds);
  fills.clear();
  PanelBorderGeometry(bounds, border, ClassicSystemColors(), fills);
  CheckInside(fills, bounds);
  if (fills.size() > 4u * 2u * 0x8000u + 64u) std::abort();
  PanelClientRect(bounds, border);
  PaneInterior(bounds, border.BorderInner, border.BorderWidth, (border.BorderSides & 1) != 0);

  TMarqueeState marquee;
  marquee.SetScrollSize(in.Int32());
  marquee.SetPassLength(in.Int32(), in.Int32());
  for (int i = 0; i < 4; ++i) {
    marquee.Tick(true);
    if (marquee.Step() < 0 || marquee.Step() > marquee.Steps()) std::abort();
  }

  const int gw = in.Byte() % 70 - 3;
  const int gh = in.Byte() % 70 - 3;
  const auto direction = static_cast<TGradientDirection>(in.Byte() % 12);
  const TColorRef start = static_cast<TColorRef>(in.Int32());
  const TColorRef stop = static_cast<TColorRef>(in.Int32());
  const std::vector<TColorRef> pixels = GradientPixels(gw, gh, start, stop, direction);
  if (!pixels.empty() && pixels.size() != static_cast<std::size_t>(gw) * static_cast<std::size_t>(gh)) {
    std::abort();
  }

  const std::wstring format = in.Rest();
  const TDateTimeParts when{2026, 12, 8, 21, 5, 9, 7};
  TLocaleFormats locale;
  if (FormatDateTime(format, when, locale).size() > 4096) std::abort();
  locale.LongDate = format;
  locale.ShortDate = format;
  locale.LongTime = format;
  if (FormatDateTime(L"dddddd tt c", when, locale).size() > 4 * 4096 + 16) std::abort();
  if (FormatLocalePicture(format, when, locale).size() > 4096) std::abort();
  return 0;
}
