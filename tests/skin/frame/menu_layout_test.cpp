// The skinned menu's geometry and rules: bar cells, item boxes, arrow switching, accelerators
// and the owner-draw measures.
#include "skin/frame/menu_layout.h"

#include <gtest/gtest.h>

namespace varnelta::frame {
namespace {

TBarFacts Bar(bool element, bool rtl, std::vector<TBarItemFacts> items) {
  TBarFacts f;
  f.Strip = {4, 30, 304, 50};  // 300 wide, 20 high
  f.HasElement = element;
  f.MarginLeft = 7;
  f.MarginRight = 5;
  f.RightToLeft = rtl;
  f.Items = std::move(items);
  return f;
}

TEST(MenuBarLayout, CellsFollowEachOtherFromTheStart) {
  struct Case {
    const char* Name;
    bool Element, Rtl;
    int Start;
    std::vector<TRect> Cells;
  } cases[] = {
      {"skin ends", true, false, 11, {{15, 30, 55, 49}, {0, 0, 0, 0}, {55, 30, 55, 49}, {55, 30, 75, 49}}},
      {"no element", false, false, 6, {{10, 30, 50, 49}, {0, 0, 0, 0}, {50, 30, 50, 49}, {50, 30, 70, 49}}},
      {"right to left", true, true, 13, {{251, 30, 291, 49}, {0, 0, 0, 0}, {251, 30, 251, 49}, {231, 30, 251, 49}}},
  };
  for (const Case& c : cases) {
    // An item 30 wide, an invisible one, one without text, one 10 wide.
    const TBarLayout layout = LayoutMenuBar(Bar(c.Element, c.Rtl, {{true, 30}, {false, 50}, {true, 0}, {true, 10}}));
    EXPECT_EQ(layout.Start, c.Start) << c.Name;
    EXPECT_EQ(layout.Cells, c.Cells) << c.Name;
  }
}

TEST(MenuBarLayout, OffsetsScaleWithTheDpi) {
  struct Case {
    const char* Name;
    bool Element, Rtl;
    int Dpi, Start;
    TRect First;
  } cases[] = {
      // The margins come scaled (7 and 5 here); 4, 8, 6 and the cell padding 10 scale.
      {"96 dpi", true, false, 96, 11, {15, 30, 55, 49}},
      {"144 dpi", true, false, 144, 13, {17, 30, 62, 49}},
      {"144 dpi right to left", true, true, 144, 17, {242, 30, 287, 49}},
      {"144 dpi no element", false, false, 144, 9, {13, 30, 58, 49}},
      {"192 dpi", true, false, 192, 15, {19, 30, 69, 49}},
  };
  for (const Case& c : cases) {
    TBarFacts facts = Bar(c.Element, c.Rtl, {{true, 30}});
    facts.Dpi = c.Dpi;
    const TBarLayout layout = LayoutMenuBar(facts);
    EXPECT_EQ(layout.Start, c.Start) << c.Name;
    EXPECT_EQ(layout.Cells[0], c.First) << c.Name;
  }
  TBarFacts narrow = Bar(true, false, {{true, 20}});
  narrow.Strip = {0, 0, 8, 20};
  narrow.Dpi = 144;
  EXPECT_EQ(LayoutMenuBar(narrow).Start, 18);
}

TEST(MenuBarLayout, NarrowStripAndMdiChildButtons) {
  TBarFacts narrow = Bar(true, false, {{true, 20}});
  narrow.Strip = {0, 0, 8, 20};  // narrower than the margin + 4
  EXPECT_EQ(LayoutMenuBar(narrow).Start, 12);

  TBarFacts mdi = Bar(true, true, {{true, 20}});
  mdi.ChildButtonsLeft = 250;
  EXPECT_EQ(LayoutMenuBar(mdi).Cells[0], (TRect{202, 30, 232, 49}));  // 250 − 5 − 13, 30 wide
}

TEST(MenuBarLayout, CentringAndHitTesting) {
  EXPECT_EQ(CentreInCell({10, 0, 50, 19}, 30, 13), (TRect{15, 3, 45, 16}));
  EXPECT_EQ(CentreInCell({10, 0, 50, 19}, 31, 14), (TRect{14, 2, 45, 16}));  // halves toward zero
  const std::vector<TRect> cells{{0, 0, 10, 10}, {10, 0, 30, 10}, {30, 0, 50, 10}};
  EXPECT_EQ(BarItemAt(cells, {true, false, true}, {12, 5}), std::nullopt);  // no caption
  EXPECT_EQ(BarItemAt(cells, {true, false, true}, {30, 5}), std::optional<std::size_t>(2));
  EXPECT_EQ(BarItemAt(cells, {true, false, true}, {50, 5}), std::nullopt);
  EXPECT_EQ(BarItemAt(cells, {true}, {35, 5}), std::nullopt);
}

TEST(MenuItemGeometry, BoxesLeftToRightAndMirrored) {
  struct Case {
    const char* Name;
    TItemFacts Facts;
    TRect Glyph, Text;
    int Shortcut;
  } cases[] = {
      {"plain", {{0, 0, 200, 20}, 0, false, false, false, 0, false, 96}, {1, 1, 17, 17}, {20, 0, 199, 20}, 189},
      {"skin margin", {{0, 0, 200, 20}, 0, false, false, true, 4, false, 96}, {5, 1, 21, 17}, {24, 0, 199, 20}, 189},
      {"image list 24", {{0, 0, 200, 26}, 24, false, false, false, 0, false, 96}, {1, 1, 25, 25}, {28, 0, 199, 26}, 189},
      {"checked small images", {{0, 0, 200, 20}, 12, true, false, false, 0, false, 96}, {1, 1, 17, 17}, {20, 0, 199, 20}, 189},
      {"right to left", {{0, 0, 200, 20}, 0, false, false, true, 4, true, 96}, {179, 1, 195, 17}, {1, 0, 176, 20}, 11},
      {"separator", {{0, 40, 200, 48}, 0, false, true, false, 0, false, 96}, {1, 41, 1, 41}, {4, 40, 199, 48}, 189},
      {"144 dpi", {{0, 0, 300, 30}, 0, false, false, true, 4, false, 144}, {8, 2, 32, 26}, {37, 0, 298, 30}, 283},
  };
  for (const Case& c : cases) {
    const TItemGeometry g = MenuItemGeometry(c.Facts);
    EXPECT_EQ(g.Glyph, c.Glyph) << c.Name;
    EXPECT_EQ(g.Text, c.Text) << c.Name;
    EXPECT_EQ(g.ShortcutEdge, c.Shortcut) << c.Name;
  }
  EXPECT_EQ(MenuItemGeometry({{0, 40, 200, 48}, 0, false, true, false, 0, false, 96}).SeparatorY, 44);
  // An item narrower than its glyph keeps an empty text box, never an inverted one.
  const TItemGeometry tiny = MenuItemGeometry({{0, 0, 10, 20}, 0, false, false, false, 0, false, 96});
  EXPECT_EQ(tiny.Text.Width(), 0);
}

TEST(MenuItemGeometry, TextAndCheckMarkPlacement) {
  EXPECT_EQ(CentreTextVertically({20, 0, 199, 20}, 13), (TRect{20, 3, 199, 16}));
  EXPECT_EQ(CheckMarkOrigin({1, 1, 17, 17}, {0, 0, 200, 20}, 13, 13), (TPoint{3, 4}));
  EXPECT_EQ(CheckMarkOrigin({1, 21, 17, 37}, {0, 20, 200, 40}, 16, 16), (TPoint{2, 23}));
}

TEST(MenuSwitching, ArrowsWrapAndMirror) {
  const std::vector<bool> all{true, true, true};
  struct Case {
    const char* Name;
    TSwitchFacts Facts;
    std::optional<std::size_t> Expected;
  } cases[] = {
      {"right to next", {all, 0, TArrow::Right, true, false, false}, 1},
      {"right wraps", {all, 2, TArrow::Right, true, false, false}, 0},
      {"left wraps", {all, 0, TArrow::Left, true, false, false}, 2},
      {"left to previous", {all, 2, TArrow::Left, false, true, false}, 1},
      {"left inside a submenu stays", {all, 1, TArrow::Left, false, false, false}, std::nullopt},
      {"right on a submenu item stays", {all, 1, TArrow::Right, false, true, true}, std::nullopt},
      {"right on a plain item switches", {all, 1, TArrow::Right, false, true, false}, 2},
      {"skips ineligible", {{true, false, true}, 0, TArrow::Right, true, false, false}, 2},
      {"nothing else to go to", {{true, false}, 0, TArrow::Left, true, false, false}, std::nullopt},
      {"no open item", {all, -1, TArrow::Left, true, false, false}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ArrowSwitch(c.Facts), c.Expected) << c.Name;

  EXPECT_EQ(MirrorArrow(TArrow::Left, false), TArrow::Left);
  EXPECT_EQ(MirrorArrow(TArrow::Left, true), TArrow::Right);
  EXPECT_EQ(MirrorArrow(TArrow::Right, true), TArrow::Left);
}

TEST(MenuAccelerators, FirstEnabledVisibleItem) {
  const std::vector<TAccelItem> items{
      {L"文件(&F)", true, true}, {L"&Edit", false, true}, {L"&Find", true, false}, {L"F&ormat", true, true},
      {L"&Edit again", true, true}};
  EXPECT_EQ(FindAccelItem(items, L'f'), std::optional<std::size_t>(0));
  EXPECT_EQ(FindAccelItem(items, L'E'), std::optional<std::size_t>(4));  // the disabled one is passed
  EXPECT_EQ(FindAccelItem(items, L'o'), std::optional<std::size_t>(3));
  EXPECT_EQ(FindAccelItem(items, L'x'), std::nullopt);
  EXPECT_EQ(FindAccelItem({}, L'f'), std::nullopt);
}

TEST(MenuMeasures, ThreeKinds) {
  EXPECT_EQ(MainMenuItemWidth(50, 4, false), 89);
  EXPECT_EQ(MainMenuItemWidth(50, 4, true), 64);
  EXPECT_EQ(PopupMenuItemWidth(50, 4, false), 89);
  EXPECT_EQ(PopupMenuItemWidth(50, 0, true), 62);
  struct Case {
    int TextWidth;
    bool HasText;
    int Height, Margin;
    bool Win9x;
    int Width, ExpectHeight;
  } cases[] = {{60, true, 15, 3, false, 89, 19}, {0, false, 15, 3, false, 29, 8}, {60, true, 15, 0, true, 86, 23},
               {0, false, 15, 0, true, 26, 12}};
  for (const Case& c : cases) {
    const TPlainMeasure m = PlainMenuItemMeasure(c.TextWidth, c.HasText, c.Height, c.Margin, c.Win9x);
    EXPECT_EQ(m.Width, c.Width);
    EXPECT_EQ(m.Height, c.ExpectHeight);
  }
}

TEST(MenuMeasures, OffsetsScaleWithTheDpi) {
  // At 144 DPI: 10 → 15, 25 → 38 (37.5 rounded), 12 → 18, 23 → 35 (34.5), 26 → 39, 4 → 6, 8 → 12.
  EXPECT_EQ(MainMenuItemWidth(50, 6, false, 144), 50 + 6 + 15 + 38);
  EXPECT_EQ(MainMenuItemWidth(50, 6, true, 144), 50 + 6 + 15);
  EXPECT_EQ(PopupMenuItemWidth(50, 6, false, 144), 50 + 6 + 18 + 35);
  EXPECT_EQ(PopupMenuItemWidth(50, 6, true, 144), 50 + 6 + 18);
  const TPlainMeasure text = PlainMenuItemMeasure(60, true, 27, 8, false, 144);
  EXPECT_EQ(text.Width, 60 + 39 + 8);
  EXPECT_EQ(text.Height, 27 + 6);
  EXPECT_EQ(PlainMenuItemMeasure(0, false, 27, 8, false, 144).Height, 12);
  EXPECT_EQ(PlainMenuItemMeasure(60, true, 27, 8, true, 144).Height, 27 + 6 + 6);
}

}  // namespace
}  // namespace varnelta::frame
