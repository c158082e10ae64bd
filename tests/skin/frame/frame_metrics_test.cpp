// The skinned frame's widths, the client rectangle, fitted sizes, centring, the pieces'
// rectangles and the region plan.
#include "skin/frame/frame_metrics.h"

#include <gtest/gtest.h>

#include "skin/frame/frame_pieces.h"

namespace varnelta::frame {
namespace {

void SetPicture(TDataSkinObject& piece, int width, int height, int frameCount) {
  ASSERT_TRUE(piece.Image.SetSize(width, height));
  piece.FrameCount = frameCount;
}

TEST(FrameMetricsTest, WidthsPerFrameAtTheScreensDpi) {
  TSkinElements skin;
  SetPicture(*skin.BorderTop, 100, 60, 2);
  SetPicture(*skin.BorderLeft, 8, 50, 2);
  SetPicture(*skin.BorderRight, 10, 50, 0);  // no count: one frame
  SetPicture(*skin.BorderBottom, 20, 9, 2);  // integer division
  EXPECT_EQ(ComputeMetrics(skin, bkSingle, 0, 96), (TFrameMetrics{4, 30, 10, 4, 0}));
  EXPECT_EQ(ComputeMetrics(skin, bkDialog, 19, 96), (TFrameMetrics{4, 30, 10, 4, 19}));
  EXPECT_EQ(ComputeMetrics(skin, bkSizeable, 29, 144), (TFrameMetrics{6, 45, 15, 6, 29}));
  EXPECT_EQ(ComputeMetrics(skin, bkNone, 19, 144), (TFrameMetrics{}));
  skin.BorderTop->FrameCount = -3;
  EXPECT_EQ(ComputeMetrics(skin, bkSingle, 0, 96).Title, 60);
  EXPECT_EQ(ComputeMetrics(TSkinElements{}, bkSingle, 0, 96), (TFrameMetrics{}));  // no pictures
}

TEST(FrameMetricsTest, ClientRectangleOfAProposedWindow) {
  const TFrameMetrics m{4, 30, 5, 6, 0};
  EXPECT_EQ(NcCalcClientRect({100, 200, 400, 500}, m), (TRect{104, 230, 395, 494}));
  EXPECT_EQ(NcCalcClientRect({100, 200, 400, 500}, {4, 30, 5, 6, 19}), (TRect{104, 249, 395, 494}));
  // Frames larger than the window: an empty rectangle inside the window, never inverted.
  for (const TRect window : {TRect{10, 10, 20, 20}, TRect{0, 0, 6, 100}, TRect{0, 0, 0, 0},
                             TRect{-50, -50, -45, -10}}) {
    const TRect client = NcCalcClientRect(window, m);
    EXPECT_TRUE(client.IsEmpty());
    EXPECT_GE(client.Width(), 0);
    EXPECT_GE(client.Height(), 0);
    EXPECT_GE(client.Left, window.Left);
    EXPECT_LE(client.Right, window.Right);
    EXPECT_GE(client.Top, window.Top);
    EXPECT_LE(client.Bottom, window.Bottom);
  }
}

TEST(FrameMetricsTest, FittedWindowAndClientSizes) {
  const TFrameMetrics m{4, 30, 5, 6, 19};
  EXPECT_EQ(FitWindowSize({586, 401}, {4, 30, 5, 6, 0}), (TSize{595, 437}));
  EXPECT_EQ(FitWindowSize({586, 401}, m), (TSize{595, 456}));
  EXPECT_EQ(FitWindowSize({0, 0}, {}), (TSize{0, 0}));

  TFitClientFacts facts{.HasForm = true, .FormClient = {586, 420},
                        .WindowClient = {0, 0, 300, 200}};
  EXPECT_EQ(FitClientSize(facts, m), (TSize{586, 401}));  // the form's height held the menu bar
  facts.MdiChild = true;
  EXPECT_EQ(FitClientSize(facts, m), (TSize{586, 420}));
  facts.UseWindowClient = true;
  EXPECT_EQ(FitClientSize(facts, m), (TSize{300, 200}));
  facts = {.HasForm = false, .FormClient = {}, .WindowClient = {2, 3, 302, 203}};
  EXPECT_EQ(FitClientSize(facts, m), (TSize{300, 200}));
}

TEST(FrameMetricsTest, DialogsWidenForTheirCaption) {
  struct DialogCase {
    int width, text, shift, clip;
    TDialogWidth expected;
  };
  const DialogCase cases[] = {
      {200, 250, 6, 10, {266, 33}},
      {265, 250, 6, 10, {266, 0}},  // half of one pixel
      {264, 250, 6, 10, {266, 1}},
      {266, 250, 6, 10, {266, 0}},
      {300, 250, 6, 10, {300, 0}},
      {100, 0, 0, 0, {100, 0}},
  };
  for (const DialogCase& c : cases)
    EXPECT_EQ(FitDialogToCaption(c.width, c.text, c.shift, c.clip), c.expected) << c.width;
}

TEST(FrameMetricsTest, CentredPositionKeepsTheCentre) {
  struct CentreCase {
    TRect current;
    TSize size;
    TPoint expected;
  };
  const CentreCase cases[] = {
      {{100, 100, 300, 200}, {200, 100}, {100, 100}},
      {{100, 100, 300, 200}, {210, 110}, {95, 95}},
      {{100, 100, 300, 200}, {190, 90}, {105, 105}},
      {{100, 100, 300, 200}, {211, 101}, {95, 100}},  // odd growth: truncated toward zero
      {{-300, -50, -100, 50}, {220, 120}, {-310, -60}},
      {{167, 113, 753, 514}, {595, 437}, {163, 95}},  // 586 x 401 under a 9 x 36 frame
  };
  for (const CentreCase& c : cases) {
    const TPoint p = CentredTopLeft(c.current, c.size);
    EXPECT_EQ(p, c.expected) << c.current.Left << "," << c.current.Top;
    // The centre moves by at most half a pixel.
    EXPECT_LE(std::abs(2 * p.X + c.size.Width - (c.current.Left + c.current.Right)), 1);
    EXPECT_LE(std::abs(2 * p.Y + c.size.Height - (c.current.Top + c.current.Bottom)), 1);
  }
}

TEST(FramePiecesTest, PiecesOfAWindow) {
  const TFramePieces p = FramePieceRects({200, 100}, {4, 30, 5, 6, 0}, false);
  EXPECT_EQ(p.Left, (TRect{0, 0, 4, 100}));
  EXPECT_EQ(p.Right, (TRect{195, 0, 200, 100}));
  EXPECT_EQ(p.Bottom, (TRect{4, 94, 195, 100}));
  EXPECT_EQ(p.Title, (TRect{4, 0, 195, 30}));
  EXPECT_TRUE(p.MenuBar.IsEmpty());
  EXPECT_EQ(FramePieceRects({200, 100}, {4, 30, 5, 6, 19}, false).MenuBar, (TRect{4, 30, 195, 49}));

  const TFramePieces minimised = FramePieceRects({160, 30}, {4, 30, 5, 6, 19}, true);
  EXPECT_EQ(minimised.Title, (TRect{0, 0, 160, 30}));
  for (const TRect& r : {minimised.Left, minimised.Right, minimised.Bottom, minimised.MenuBar})
    EXPECT_TRUE(r.IsEmpty());
}

TEST(FramePiecesTest, RegionPlan) {
  const TFrameMetrics m{4, 30, 5, 6, 0};
  const TRegionFacts base{.Window = {200, 100}, .RegionSize = {},
                          .Trans = {true, true, true, true}};

  TRegionPlan plan = PlanRegion(base, m);
  ASSERT_TRUE(plan.Build);
  EXPECT_FALSE(plan.WholeWindow);
  EXPECT_EQ(plan.Client, (TRect{4, 30, 195, 94}));
  ASSERT_EQ(plan.PieceCount, 4);
  EXPECT_EQ(plan.Pieces[0].Rect, (TRect{0, 0, 4, 100}));
  EXPECT_EQ(plan.Pieces[1].Rect, (TRect{195, 0, 200, 100}));
  EXPECT_EQ(plan.Pieces[2].Rect, (TRect{4, 94, 195, 100}));
  EXPECT_EQ(plan.Pieces[3].Rect, (TRect{4, 0, 195, 30}));
  for (const TRegionPiece& piece : plan.Pieces) EXPECT_TRUE(piece.FromPixels);

  // Which parts come from their pictures.
  struct PartCase {
    std::array<bool, 4> trans;  // left, right, top, bottom
    TFrameMetrics metrics;
    int height;
    bool topEmpty;
    std::array<bool, 4> fromPixels;  // left, right, bottom, top
  };
  const PartCase parts[] = {
      {{true, false, false, false}, m, 100, false, {true, false, false, false}},
      {{false, false, true, true}, m, 100, false, {false, false, true, true}},
      {{false, false, true, false}, m, 100, true, {false, false, false, false}},  // no top picture
      {{false, false, true, false}, {4, 1, 5, 6, 0}, 100, false, {false, false, false, false}},
      {{false, false, false, true}, {4, 30, 5, 1, 0}, 100, false, {false, false, false, false}},
      {{false, false, false, true}, {4, 30, 5, 2, 0}, 100, false, {false, false, true, false}},
      {{true, true, false, false}, m, 1, false, {false, false, false, false}},
  };
  for (const PartCase& c : parts) {
    TRegionFacts facts = base;
    facts.Trans = c.trans;
    facts.Window.Height = c.height;
    facts.TopPieceEmpty = c.topEmpty;
    plan = PlanRegion(facts, c.metrics);
    ASSERT_EQ(plan.PieceCount, 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(plan.Pieces[k].FromPixels, c.fromPixels[k]) << k;
  }

  TRegionFacts plain = base;
  plain.Trans = {};
  plan = PlanRegion(plain, m);
  EXPECT_TRUE(plan.Build && plan.WholeWindow);
  EXPECT_EQ(plan.Client, (TRect{0, 0, 200, 100}));
  EXPECT_EQ(plan.PieceCount, 0);

  TRegionFacts frameless = base;
  frameless.BorderKind = bkNone;
  plan = PlanRegion(frameless, {});
  EXPECT_TRUE(plan.Build);
  EXPECT_EQ(plan.PieceCount, 0);
  EXPECT_EQ(plan.Client, (TRect{0, 0, 200, 100}));
}

TEST(FramePiecesTest, RegionKeptOrSkipped) {
  const TFrameMetrics m{4, 30, 5, 6, 0};
  const TRegionFacts built{.Window = {200, 100}, .RegionSize = {200, 100}, .HasRegion = true,
                           .Trans = {true, false, false, false}};
  EXPECT_FALSE(PlanRegion(built, m).Build);  // same size: kept
  struct SkipCase {
    void (*change)(TRegionFacts&);
    bool build;
  };
  const SkipCase cases[] = {
      {[](TRegionFacts& f) { f.Window = {201, 100}; }, true},
      {[](TRegionFacts& f) { f.Reskinning = true; }, true},
      {[](TRegionFacts& f) { f.MdiChild = true; }, true},
      {[](TRegionFacts& f) { f.HasRegion = false; }, true},
      {[](TRegionFacts& f) { f.Window = {0, 100}; f.HasRegion = false; }, false},
      {[](TRegionFacts& f) { f.Window = {200, 0}; f.HasRegion = false; }, false},
      {[](TRegionFacts& f) { f.WindowDestroyed = true; f.Reskinning = true; }, false},
      {[](TRegionFacts& f) { f.SkinFrame = false; f.Reskinning = true; }, false},
      {[](TRegionFacts& f) { f.MinimisedMdiChild = true; f.MdiChild = true; }, false},
  };
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    TRegionFacts facts = built;
    cases[k].change(facts);
    EXPECT_EQ(PlanRegion(facts, m).Build, cases[k].build) << k;
  }
}

}  // namespace
}  // namespace varnelta::frame
