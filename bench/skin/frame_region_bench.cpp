// Region figures for the main window's skinned frame: rendering the four frame pieces at the
// window's size and collecting the region's rectangles, the collection alone, and both at
// 144 DPI (pictures and margins scaled).
#include <benchmark/benchmark.h>

#include "bench/skin/main_frame.h"

namespace {

using namespace varnelta;
using namespace varnelta::bench;

const TMainFrame& Frame(int dpi) {
  static const TMainFrame at96 = LoadMainFrame(VARNELTA_SKIN_SOURCE_DIR, 96);
  static const TMainFrame at144 = LoadMainFrame(VARNELTA_SKIN_SOURCE_DIR, 144);
  return dpi == 144 ? at144 : at96;
}

void Report(benchmark::State& state, const TMainFrame& frame, std::size_t rects) {
  state.counters["rects"] = static_cast<double>(rects);
  state.counters["width"] = frame.Width;
  state.counters["height"] = frame.Height;
}

void RenderAndCollect(benchmark::State& state) {
  const TMainFrame& frame = Frame(static_cast<int>(state.range(0)));
  if (!frame.Loaded) {
    state.SkipWithError("skin sources not found");
    return;
  }
  std::size_t count = 0;
  for (auto _ : state) {
    const auto pieces = RenderPieces(frame);
    const auto rects = RegionRects(frame, pieces);
    count = rects.size();
    benchmark::DoNotOptimize(rects.data());
  }
  Report(state, frame, count);
}
BENCHMARK(RenderAndCollect)->Arg(96)->Arg(144)->Unit(benchmark::kMicrosecond);

void CollectOnly(benchmark::State& state) {
  const TMainFrame& frame = Frame(static_cast<int>(state.range(0)));
  if (!frame.Loaded) {
    state.SkipWithError("skin sources not found");
    return;
  }
  const auto pieces = RenderPieces(frame);
  std::size_t count = 0;
  for (auto _ : state) {
    const auto rects = RegionRects(frame, pieces);
    count = rects.size();
    benchmark::DoNotOptimize(rects.data());
  }
  Report(state, frame, count);
}
BENCHMARK(CollectOnly)->Arg(96)->Arg(144)->Unit(benchmark::kMicrosecond);

}  // namespace
