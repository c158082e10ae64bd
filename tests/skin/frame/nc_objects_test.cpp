// The non-client objects' states and the single hot object, driven by sequences of mouse events.
#include "skin/frame/nc_objects.h"

#include <gtest/gtest.h>

#include <string>

namespace varnelta::frame {
namespace {

using Repaint = std::vector<std::size_t>;

// A and B visible title buttons, C hidden, D a menu bar item.
TNcObjects MakeObjects() {
  TNcObjects objects;
  objects.Reset(4);
  objects.Objects()[0] = {.Bounds = {0, 0, 10, 10}, .Visible = true};
  objects.Objects()[1] = {.Bounds = {20, 0, 30, 10}, .Visible = true};
  objects.Objects()[2] = {.Bounds = {40, 0, 50, 10}, .Visible = false};
  objects.Objects()[3] = {.Bounds = {0, 20, 30, 40}, .Visible = true};
  return objects;
}

std::string States(const TNcObjects& objects) {
  std::string text;
  for (const TNcObject& o : objects.Objects()) text += static_cast<char>('0' + o.ButtonState);
  text += objects.Hot() ? static_cast<char>('A' + *objects.Hot()) : '-';
  return text;
}

TEST(NcObjectsTest, EnterPressReleaseLeave) {
  TNcObjects o = MakeObjects();
  EXPECT_EQ(o.MouseEnter(0), (Repaint{0}));
  EXPECT_EQ(States(o), "3000A");
  EXPECT_EQ(o.MouseEnter(0), Repaint{});  // already hot
  EXPECT_EQ(o.MouseDown(0), (Repaint{0}));
  EXPECT_EQ(States(o), "2000A");
  EXPECT_EQ(o.MouseUp(0), (Repaint{0}));
  EXPECT_EQ(States(o), "3000A");
  EXPECT_EQ(o.MouseEnter(1), (Repaint{0, 1}));  // the old one leaves first
  EXPECT_EQ(States(o), "1300B");
  EXPECT_EQ(o.MouseDown(0), (Repaint{1, 0}));
  EXPECT_EQ(States(o), "2100A");
  EXPECT_EQ(o.MouseLeave(0), (Repaint{0}));
  EXPECT_EQ(States(o), "1100-");
}

TEST(NcObjectsTest, HiddenObjectsNeverBecomeHot) {
  TNcObjects o = MakeObjects();
  o.MouseEnter(0);
  EXPECT_EQ(o.MouseEnter(2), (Repaint{0}));
  EXPECT_EQ(States(o), "1000-");
  EXPECT_EQ(o.MouseDown(2), Repaint{});
  EXPECT_EQ(o.MouseUp(2), Repaint{});
  EXPECT_EQ(o.MouseLeave(2), Repaint{});
  EXPECT_EQ(States(o), "1000-");
  EXPECT_EQ(o.MouseEnter(9), Repaint{});  // no such object
}

TEST(NcObjectsTest, MessageSequences) {
  struct Step {
    char kind;  // m move, d press, u release, h hover check
    int under;  // object index, -1 none (for h: the cursor's x)
    bool consumed;
    bool act;
    const char* states;
  };
  struct Sequence {
    const char* name;
    std::vector<Step> steps;
  };
  const auto none = -1;
  const Sequence sequences[] = {
      {"click", {{'m', 0, true, false, "3000A"}, {'d', 0, true, false, "2000A"},
                 {'u', 0, true, true, "3000A"}}},
      {"press, leave, release elsewhere does nothing",
       {{'d', 0, true, false, "2000A"}, {'u', none, false, false, "2000A"},
        {'u', 1, true, false, "2000A"}, {'h', 100, false, false, "1000-"}}},
      {"moving off ends the hover",
       {{'m', 0, true, false, "3000A"}, {'m', none, false, false, "1000-"},
        {'m', none, false, false, "1000-"}}},
      {"release on a menu bar item does not act",
       {{'d', 3, true, false, "0002D"}, {'u', 3, true, false, "0002D"}}},
      {"hover check inside keeps the hot object",
       {{'m', 1, true, false, "0300B"}, {'h', 25, false, false, "0300B"}}},
  };
  for (const Sequence& s : sequences) {
    TNcObjects o = MakeObjects();
    for (const Step& step : s.steps) {
      const std::optional<std::size_t> under =
          step.under >= 0 ? std::optional<std::size_t>(step.under) : std::nullopt;
      TNcEvent event;
      switch (step.kind) {
        case 'm':
          event = o.MoveOver(under);
          break;
        case 'd':
          event.Repaint = o.MouseDown(*under);
          event.Consumed = true;
          break;
        case 'u':
          event = o.ReleaseOver(under, 3);
          break;
        case 'h':
          event.Repaint = o.HoverCheck({step.under, 5}, false);
          break;
      }
      EXPECT_EQ(event.Consumed, step.consumed) << s.name << " " << step.kind;
      EXPECT_EQ(event.Act, step.act) << s.name << " " << step.kind;
      EXPECT_EQ(States(o), step.states) << s.name << " " << step.kind;
    }
  }
}

TEST(NcObjectsTest, HoverCheckWaitsForATrackedMenuAndSurvivesARebuild) {
  TNcObjects o = MakeObjects();
  o.MouseDown(3);
  EXPECT_EQ(o.HoverCheck({100, 100}, true), Repaint{});
  EXPECT_EQ(States(o), "0002D");
  EXPECT_EQ(o.HoverCheck({100, 100}, false), (Repaint{3}));
  EXPECT_EQ(States(o), "0001-");

  o.MouseEnter(3);
  o.Objects().resize(2);  // rebuilt under the hot object without Reset
  EXPECT_EQ(o.HoverCheck({100, 100}, false), Repaint{});
  EXPECT_FALSE(o.Hot());

  o = MakeObjects();
  o.MouseDown(1);
  o.Reset(2);
  EXPECT_FALSE(o.Hot());
  for (const TNcObject& object : o.Objects()) {
    EXPECT_EQ(object.ButtonState, bsNone);
    EXPECT_TRUE(object.Enabled);
    EXPECT_FALSE(object.Visible);
  }
  o = MakeObjects();
  o.MouseEnter(0);
  o.ClearHot();
  EXPECT_EQ(States(o), "3000-");
}

TEST(NcObjectsTest, ObjectAtSkipsHiddenAndUnclickable) {
  TNcObjects o = MakeObjects();
  EXPECT_EQ(o.ObjectAt({5, 5}), 0u);
  EXPECT_EQ(o.ObjectAt({10, 5}), std::nullopt);  // right edge is outside
  EXPECT_EQ(o.ObjectAt({45, 5}), std::nullopt);  // hidden
  o.Objects()[1].Clickable = false;
  EXPECT_EQ(o.ObjectAt({25, 5}), std::nullopt);
  o.Objects()[3].Bounds = {0, 0, 10, 10};  // overlapping: the first in order
  EXPECT_EQ(o.ObjectAt({5, 5}), 0u);
  o.Objects()[0].Visible = false;
  EXPECT_EQ(o.ObjectAt({5, 5}), 3u);
}

}  // namespace
}  // namespace varnelta::frame
