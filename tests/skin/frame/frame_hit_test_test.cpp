// Hit testing of the skinned frame at 96 and 144 DPI, the snap-friendly maximise button, and
// cursor points in frame coordinates.
#include "skin/frame/frame_hit_test.h"

#include <gtest/gtest.h>

#include "skin/frame/frame_codes.h"

namespace varnelta::frame {
namespace {

TEST(FrameHitTestTest, Grid) {
  struct HitCase {
    int dpi;
    int defaultAnswer;
    TPoint point;
    int menuBar;
    bool snapButton;
    int expected;
  };
  const TRect button{150, 5, 170, 23};
  const HitCase cases[] = {
      {96, kHtClient, {50, 50}, 0, false, kHtClient},
      {96, kHtBorder, {0, 10}, 0, false, kHtBorder},
      {96, 12, {50, 1}, 0, false, 12},  // HTTOP of a sizeable window
      {96, kHtNowhere, {50, 2}, 0, false, kHtNowhere},
      {96, kHtNowhere, {50, 3}, 0, false, kHtNowhere},
      {96, kHtNowhere, {50, 4}, 0, false, kHtCaption},
      {96, kHtCaption, {50, 0}, 0, false, kHtCaption},
      {96, kHtCaption, {50, 29}, 0, false, kHtCaption},
      {96, kHtCaption, {50, 30}, 19, false, kHtCaption},
      {96, kHtNowhere, {50, 31}, 19, false, kHtMenu},
      {96, kHtCaption, {50, 48}, 19, false, kHtMenu},
      {96, kHtCaption, {160, 10}, 0, true, kHtMaxButton},
      {96, kHtNowhere, {160, 5}, 0, true, kHtMaxButton},
      {96, kHtCaption, {170, 10}, 0, true, kHtCaption},  // just right of it
      {96, kHtCaption, {160, 10}, 0, false, kHtCaption},
      {96, kHtClient, {160, 10}, 0, true, kHtClient},
      {144, kHtNowhere, {50, 4}, 0, false, kHtNowhere},  // 3 rows become 5 (4.5 rounded)
      {144, kHtNowhere, {50, 5}, 0, false, kHtNowhere},
      {144, kHtNowhere, {50, 6}, 0, false, kHtCaption},
      {144, kHtNowhere, {50, 46}, 29, false, kHtMenu},   // title 45
      {144, kHtNowhere, {50, 45}, 29, false, kHtCaption},
  };
  for (const HitCase& c : cases) {
    const int title = c.dpi == 144 ? 45 : 30;
    THitFacts facts{.DefaultAnswer = c.defaultAnswer, .Point = c.point,
                    .Metrics = {4, title, 5, 6, c.menuBar}, .Dpi = c.dpi,
                    .MaximizeButton = std::nullopt};
    if (c.snapButton) facts.MaximizeButton = button;
    EXPECT_EQ(FrameHitTest(facts), c.expected)
        << c.dpi << " " << c.defaultAnswer << " (" << c.point.X << "," << c.point.Y << ")";
  }
}

TEST(FrameHitTestTest, SnapButtonOnlyForAWindowWithAMaximiseBox) {
  const TSysButtonFacts buttons[] = {{.Action = 0}, {.Action = 1}, {.Action = 22}, {.Action = 1}};
  std::vector<TNcObject> objects(4);
  objects[0] = {.Bounds = {200, 5, 220, 23}, .Visible = true};
  objects[1] = {.Bounds = {150, 5, 170, 23}, .Visible = false};
  objects[2] = {.Bounds = {120, 5, 140, 23}, .Visible = true};
  objects[3] = {.Bounds = {90, 5, 110, 23}, .Visible = true};
  EXPECT_EQ(SnapButtonBounds(buttons, objects, 0x0B), (TRect{120, 5, 140, 23}));
  EXPECT_EQ(SnapButtonBounds(buttons, objects, 0x0A), std::nullopt);  // the main window
  objects[2].Visible = false;
  objects[3].Visible = false;
  EXPECT_EQ(SnapButtonBounds(buttons, objects, 0x0B), std::nullopt);
}

TEST(FrameHitTestTest, ClientPointsInFrameCoordinates) {
  const TFrameMetrics m{4, 30, 5, 6, 19};
  EXPECT_EQ(ClientToFrame({10, 20}, m, false), (TPoint{14, 69}));
  EXPECT_EQ(ClientToFrame({-4, -49}, m, false), (TPoint{0, 0}));
  EXPECT_EQ(ClientToFrame({10, 20}, m, true), (TPoint{10, 20}));
}

}  // namespace
}  // namespace varnelta::frame
