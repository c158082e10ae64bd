// Timing program (run by hand under Wine, not a test): the main window's skinned frame pieces
// built and drawn on a window-sized canvas (and, for comparison, as DIB sections), the top piece
// drawn transparent both ways, the window region from the pieces in one ExtCreateRegion call,
// and a region of more than 2000 rectangles in one call against batches of 2000. Prints the
// median of each; the optional argument is the number of runs (1000).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/skin/main_frame.h"
#include "runtime/win_handles.h"
#include "skin/data/pixel_draw.h"
#include "skin/frame/win32/picture_draw.h"
#include "skin/frame/win32/region_build.h"

namespace {

using namespace varnelta;

double MedianMicroseconds(int runs, const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart));
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<std::size_t>(runs / 2)];
}

void TimeFrame(int dpi, int runs) {
  const bench::TMainFrame frame = bench::LoadMainFrame(VARNELTA_SKIN_SOURCE_DIR, dpi);
  if (!frame.Loaded) {
    std::printf("skin sources not found in %s\n", VARNELTA_SKIN_SOURCE_DIR);
    return;
  }
  const auto rects = frame.PieceRects();
  TDibSection window(frame.Width, frame.Height);
  TMemoryDC dc;
  TSelectObject selection(dc.Get(), window.Handle());
  // As a frame paints: each piece made by the portable code and put down with one call.
  const double paint = MedianMicroseconds(runs, [&] {
    for (std::size_t i = 0; i < 4; ++i) {
      const bench::TFramePiece& p = frame.Pieces[i];
      const TBitmap piece = BuildSlicedBitmap(rects[i].Width(), rects[i].Height(), p.Image, p.Margins,
                                              p.Vertical, p.Tile, p.FrameCount, 1);
      gdi::DrawPicture(dc.Get(), rects[i].Left, rects[i].Top, piece, false);
    }
  });
  // The same pieces as owned DIB sections, copied with BitBlt.
  const double sections = MedianMicroseconds(runs, [&] {
    for (std::size_t i = 0; i < 4; ++i) {
      const bench::TFramePiece& p = frame.Pieces[i];
      const TDibSection piece = gdi::BuildSlicedBitmap(rects[i].Width(), rects[i].Height(), p.Image,
                                                       p.Margins, p.Vertical, p.Tile, p.FrameCount, 1);
      TMemoryDC source(dc.Get());
      TSelectObject pieceSelection(source.Get(), piece.Handle());
      BitBlt(dc.Get(), rects[i].Left, rects[i].Top, rects[i].Width(), rects[i].Height(), source.Get(),
             0, 0, SRCCOPY);
    }
  });
  // The top piece drawn with magenta transparent, by MaskBlt and by the three-step copy.
  const TBitmap top = BuildSlicedBitmap(rects[2].Width(), rects[2].Height(), frame.Pieces[2].Image,
                                        frame.Pieces[2].Margins, true, frame.Pieces[2].Tile,
                                        frame.Pieces[2].FrameCount, 1);
  const double maskBlt = MedianMicroseconds(runs, [&] {
    gdi::DrawPicture(dc.Get(), rects[2].Left, 0, top, true, gdi::TTransparentBlit::MaskBlt);
  });
  const double threeSteps = MedianMicroseconds(runs, [&] {
    gdi::DrawPicture(dc.Get(), rects[2].Left, 0, top, true, gdi::TTransparentBlit::InvertAndMask);
  });
  std::size_t count = 0;
  const double region = MedianMicroseconds(runs, [&] {
    const auto pieces = bench::RenderPieces(frame);
    const auto list = bench::RegionRects(frame, pieces);
    count = list.size();
    const TRegionHandle made = gdi::CreateRegionFromRects(list);
    if (!made) std::printf("region failed\n");
  });
  const auto pieces = bench::RenderPieces(frame);
  const auto list = bench::RegionRects(frame, pieces);
  const double extCreate = MedianMicroseconds(runs, [&] { const TRegionHandle made = gdi::CreateRegionFromRects(list); });
  std::printf("%d DPI, window %d x %d:\n"
              "  four pieces built and drawn %.1f us (as DIB sections and BitBlt %.1f us)\n"
              "  top piece transparent: MaskBlt %.1f us, three-step copy %.1f us\n"
              "  region of %zu rects: pieces + rects + ExtCreateRegion %.1f us, ExtCreateRegion alone %.1f us\n",
              dpi, frame.Width, frame.Height, paint, sections, maskBlt, threeSteps, count, region,
              extCreate);
}

void TimeBatches(int runs) {
  TBitmap checkerboard(200, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) checkerboard.SetColour(x, y, (x + y) % 2 ? 0x123456 : 0xFF00FF);
  const std::vector<TRect> rects = OpaqueRuns(checkerboard, 0, 0);
  const double single = MedianMicroseconds(runs, [&] { const TRegionHandle r = gdi::CreateRegionFromRects(rects); });
  const double batched = MedianMicroseconds(runs, [&] {
    const TRegionHandle r = gdi::CreateRegionFromRects(rects, gdi::kRegionBatch);
  });
  std::printf("%zu rects: one ExtCreateRegion %.1f us, batches of %zu joined %.1f us\n", rects.size(),
              single, gdi::kRegionBatch, batched);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  std::printf("median of %d runs\n", runs);
  TimeFrame(96, runs);
  TimeFrame(144, runs);
  TimeBatches(std::max(1, runs / 10));
  return 0;
}
