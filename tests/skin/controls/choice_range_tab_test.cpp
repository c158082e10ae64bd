// The portable rules of the check box, radio button, progress bar, up-down, tab strip and glyph
// strip skinners.
#include <gtest/gtest.h>

#include <string>

#include "skin/controls/choice_cells.h"
#include "skin/controls/glyph_strip.h"
#include "skin/controls/range_maths.h"
#include "skin/controls/tab_geometry.h"

namespace varnelta {

// Rectangles printed readably in failure messages.
inline void PrintTo(const TRect& r, std::ostream* out) {
  *out << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace {

// ---- check boxes and radio buttons ----

TCheckBoxFacts Plain(bool checked, bool disabled, bool indeterminate = false) {
  TCheckBoxFacts f;
  f.Checked = checked;
  f.Disabled = disabled;
  f.Indeterminate = indeterminate;
  return f;
}

TCheckBoxFacts WithState(const char* state, bool disabled = false) {
  TCheckBoxFacts f;
  f.HasControl = true;
  f.State = state;
  f.Disabled = disabled;
  return f;
}

TEST(CheckBoxCell, FollowsTheWindowStateAndRemapsTwelveCellPictures) {
  struct Row {
    TCheckBoxFacts facts;
    int cells;
    int expected;
  };
  const Row rows[] = {
      {Plain(false, false), 4, 1},
      {Plain(true, false), 4, 2},
      {Plain(false, true), 4, 3},
      {Plain(true, true), 4, 4},              // disabled and checked
      {Plain(false, false, true), 4, 4},      // indeterminate
      {Plain(false, true, true), 4, 4},       // indeterminate and disabled
      {Plain(true, false), 12, 5},            // 2 -> 5
      {Plain(false, true), 12, 4},            // 3 -> 4
      {Plain(true, true), 12, 8},             // 4 -> 8
      {Plain(false, false, true), 12, 9},     // indeterminate
      {Plain(false, true, true), 12, 12},     // indeterminate and disabled
      {Plain(false, false), 12, 1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CheckBoxCell(row.facts, row.cells), row.expected)
        << "checked " << row.facts.Checked << " disabled " << row.facts.Disabled << " indeterminate "
        << row.facts.Indeterminate << " cells " << row.cells;
  }
}

TEST(CheckBoxCell, PublishedStateDecidesOverTheWindow) {
  struct Row {
    const char* state;
    bool windowChecked;
    int expected;
  };
  const Row rows[] = {
      {"cbUnchecked", true, 1}, {"cbChecked", false, 2}, {"cbGrayed", false, 4},
      {"CHECKED", false, 2},    {"other", true, 2},  // no known word: the window's state stays
  };
  for (const Row& row : rows) {
    TCheckBoxFacts f = WithState(row.state);
    f.Checked = row.windowChecked;
    EXPECT_EQ(CheckBoxCell(f, 4), row.expected) << row.state;
  }
}

TEST(CheckBoxCell, OnlyCheckedPropertyGivesCellOneWhenUnchecked) {
  TCheckBoxFacts f;
  f.HasControl = true;
  f.Checked = true;  // the window says checked, the property decides
  f.CheckedProperty = "False";
  EXPECT_EQ(CheckBoxCell(f, 4), 1);
  f.CheckedProperty = "True";
  EXPECT_EQ(CheckBoxCell(f, 4), 2);
  // Properties are not read without a control object.
  f.HasControl = false;
  f.Checked = false;
  EXPECT_EQ(CheckBoxCell(f, 4), 1);
}

TEST(CheckBoxCell, DataFieldUsesTheLastCheckMessageAndDataBindingShowsUnchecked) {
  struct Row {
    int checkState;
    bool binding;
    int expected;
  };
  const Row rows[] = {{0, false, 2}, {1, false, 1}, {2, false, 2}, {3, false, 4}, {3, true, 1}};
  for (const Row& row : rows) {
    TCheckBoxFacts f = WithState("cbChecked");
    f.HasDataField = true;
    f.CheckState = row.checkState;
    f.HasDataBinding = row.binding;
    EXPECT_EQ(CheckBoxCell(f, 4), row.expected) << row.checkState << " " << row.binding;
  }
}

TEST(CheckBoxCell, CellStaysInsideSmallPictures) {
  EXPECT_EQ(CheckBoxCell(Plain(true, true), 2), 2);
  EXPECT_EQ(CheckBoxCell(Plain(true, true), 0), 1);  // a count below 1 counts as 1
  EXPECT_EQ(CheckBoxCell(Plain(true, true), -3), 1);
  EXPECT_EQ(UsableCellCount(0), 1);
  EXPECT_EQ(UsableCellCount(-1), 1);
  EXPECT_EQ(UsableCellCount(6), 6);
}

TEST(RadioButtonCell, CheckedDisabledAndEightCellRemap) {
  struct Row {
    bool checked, disabled;
    int cells, expected;
  };
  const Row rows[] = {{false, false, 4, 1}, {true, false, 4, 2}, {false, true, 4, 3}, {true, true, 4, 4},
                      {false, false, 8, 1}, {true, false, 8, 5}, {false, true, 8, 4}, {true, true, 8, 8}};
  for (const Row& row : rows) {
    TRadioFacts f;
    f.Checked = row.checked;
    f.Disabled = row.disabled;
    EXPECT_EQ(RadioButtonCell(f, row.cells), row.expected) << row.checked << row.disabled << row.cells;
  }
  TRadioFacts f;
  f.HasControl = true;
  f.Checked = false;
  f.CheckedProperty = "True";
  EXPECT_EQ(RadioButtonCell(f, 4), 2);
}

// ---- progress bars ----

TEST(ProgressFill, FillsTheShareOfTheRangeAndNeverPastTheBar) {
  struct Row {
    int length, position, minimum, maximum, expected;
  };
  const Row rows[] = {
      {200, 0, 0, 100, 0},     {200, 50, 0, 100, 100},   {200, 100, 0, 100, 200},
      {200, 75, 50, 100, 100},  // the minimum counts: half way
      {200, 50, 50, 100, 0},   {200, 150, 0, 100, 200},  // above the maximum: full, not beyond
      {200, -20, 0, 100, 0},   {200, 40, 50, 100, 0},    // below the minimum: empty
      {200, 10, 0, 0, 0},                                // maximum 0: empty
      {200, 10, 100, 50, 0},                             // maximum below minimum: empty
      {0, 50, 0, 100, 0},
      {1000, 2147483647, -2147483647 - 1, 2147483647, 1000},  // no overflow
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ProgressFill(row.length, row.position, row.minimum, row.maximum), row.expected)
        << row.position << " in " << row.minimum << ".." << row.maximum;
  }
}

TEST(ProgressChunks, CopiesUpToTheFilledLengthOnly) {
  EXPECT_EQ(ProgressChunks(0, 10, 4).Count, 0);
  EXPECT_EQ(ProgressChunks(4, 10, 4).Count, 0);
  const TChunkRun run = ProgressChunks(45, 10, 4);
  EXPECT_EQ(run.Count, 5);  // 4..14, ..., 44..54 cut at 45
  EXPECT_EQ(run.Right, 45);
  EXPECT_EQ(ProgressChunks(44, 10, 4).Count, 4);
  EXPECT_EQ(ProgressChunks(50, 0, 4).Count, 0);
}

// ---- up-downs ----

TEST(UpDown, HalvesSplitAlongTheOrientation) {
  const TUpDownHalves v = SplitUpDown({0, 0, 17, 25}, false);
  EXPECT_EQ(v.First, (TRect{0, 0, 17, 12}));
  EXPECT_EQ(v.Second, (TRect{0, 12, 17, 25}));
  const TUpDownHalves h = SplitUpDown({2, 3, 35, 20}, true);
  EXPECT_EQ(h.First, (TRect{2, 3, 18, 20}));
  EXPECT_EQ(h.Second, (TRect{18, 3, 35, 20}));
}

TEST(UpDown, PressingOneHalfShowsOnlyThatHalfPressed) {
  struct Row {
    bool disabled;
    int cursorHalf, pressedHalf;
    int first, second;
  };
  const Row rows[] = {
      {false, -1, -1, 1, 1},  // idle
      {false, 0, -1, 4, 1},   // hot over the first half
      {false, 1, -1, 1, 4},   // hot over the second half
      {false, 1, 1, 1, 2},    // the lower half pressed
      {false, 0, 0, 2, 1},    // the upper half pressed
      {false, -1, 1, 1, 2},   // pressed, the cursor dragged outside
      {false, 0, 1, 4, 1},    // pressed below, the cursor over the upper half
      {true, 0, 0, 3, 3},     // disabled
  };
  for (const Row& row : rows) {
    EXPECT_EQ(UpDownHalfState(0, row.disabled, row.cursorHalf, row.pressedHalf), row.first)
        << row.cursorHalf << " " << row.pressedHalf;
    EXPECT_EQ(UpDownHalfState(1, row.disabled, row.cursorHalf, row.pressedHalf), row.second)
        << row.cursorHalf << " " << row.pressedHalf;
  }
  EXPECT_EQ(UpDownFrame(0, 2), 2);
  EXPECT_EQ(UpDownFrame(1, 2), 6);
  EXPECT_EQ(UpDownFrame(1, 4), 8);
}

TEST(UpDown, InsideAnEditStaysThreePixelsIn) {
  const TRect edit{0, 0, 121, 21};
  EXPECT_EQ(KeepInsideEdit({104, 0, 121, 21}, edit, 3), (TRect{104, 3, 118, 18}));
  EXPECT_EQ(KeepInsideEdit({100, 5, 110, 15}, edit, 3), (TRect{100, 5, 110, 15}));  // already inside
  const TRect tiny = KeepInsideEdit({0, 0, 4, 4}, {0, 0, 4, 4}, 3);
  EXPECT_GE(tiny.Right, tiny.Left);
  EXPECT_GE(tiny.Bottom, tiny.Top);
}

// ---- tab strips ----

TEST(TabGeometry, SideFromStyle) {
  EXPECT_EQ(TabSideFromStyle(0), tabTop);
  EXPECT_EQ(TabSideFromStyle(0x2), tabBottom);
  EXPECT_EQ(TabSideFromStyle(0x80 | 0x200), tabLeft);
  EXPECT_EQ(TabSideFromStyle(0x82), tabRight);
}

TEST(TabGeometry, PaneStripAndBufferForEachSide) {
  const TRect window{0, 0, 200, 100};
  struct Row {
    int side;
    TRect adjusted, display, strip;
    TPoint buffer;
  };
  const Row rows[] = {
      {tabTop, {4, 24, 196, 96}, {0, 21, 200, 100}, {0, 0, 200, 21}, {200, 21}},
      {tabBottom, {4, 4, 196, 76}, {0, 0, 200, 79}, {0, 79, 200, 100}, {200, 21}},
      {tabLeft, {24, 4, 196, 96}, {21, 0, 200, 100}, {0, 0, 21, 100}, {100, 21}},
      {tabRight, {4, 4, 176, 96}, {0, 0, 179, 100}, {179, 0, 200, 100}, {100, 21}},
  };
  for (const Row& row : rows) {
    const TRect d = TabDisplayRect(row.adjusted, row.side);
    EXPECT_EQ(d, row.display) << row.side;
    const TRect s = TabStripRect(window, d, row.side);
    EXPECT_EQ(s, row.strip) << row.side;
    const TPoint size = TabBufferSize(s, row.side);
    EXPECT_EQ(size.X, row.buffer.X) << row.side;
    EXPECT_EQ(size.Y, row.buffer.Y) << row.side;
  }
}

TEST(TabGeometry, TabsLandInTheBufferAsTheTurnWillPlaceThem) {
  // The same first tab on each side, in window coordinates, and where it is composed.
  struct Row {
    int side;
    TRect display, strip, tab, inBuffer;
  };
  const Row rows[] = {
      {tabTop, {0, 21, 200, 100}, {0, 0, 200, 21}, {2, 2, 60, 20}, {2, 3, 60, 21}},
      {tabBottom, {0, 0, 200, 79}, {0, 79, 200, 100}, {2, 80, 60, 98}, {2, 0, 60, 18}},
      // Left: lying down the tab nearest the top ends up at the buffer's right end.
      {tabLeft, {21, 0, 200, 100}, {0, 0, 21, 100}, {2, 2, 20, 60}, {40, 2, 98, 20}},
      // Right: the tab nearest the top stays at the buffer's left end.
      {tabRight, {0, 0, 179, 100}, {179, 0, 200, 100}, {180, 2, 198, 60}, {2, 2, 60, 20}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TabInBuffer(row.tab, row.strip, row.display, row.side), row.inBuffer) << row.side;
  }
}

TEST(TabGeometry, CloseBoxSitsAtTheTopRightOfTheTab) {
  EXPECT_EQ(TabCloseBox({10, 3, 70, 21}), (TRect{62, 5, 68, 11}));
  EXPECT_EQ(TabCloseBox({10, 3, 70, 21}, 144), (TRect{58, 6, 67, 15}));
  // A click on the window maps to the buffer point the close box was drawn at.
  const TRect strip{0, 0, 21, 100}, display{21, 0, 200, 100};
  const TRect inBuffer = TabInBuffer({2, 2, 20, 60}, strip, display, tabLeft);
  const TRect box = TabCloseBox(inBuffer);
  // The box's buffer pixel (box.Left, box.Top) lands on window point (box.Top, 100 - 1 - box.Left).
  const TPoint p = WindowPointInBuffer({box.Top, 100 - 1 - box.Left}, strip, display, tabLeft);
  EXPECT_EQ(p.X, box.Left);
  EXPECT_EQ(p.Y, box.Top);
}

// ---- glyph strips ----

TEST(GlyphStrip, MapsForEachMode) {
  EXPECT_EQ(GlyphStripMap(gsCheckGlyphs, 4), (std::vector<int>{1, 2, 0, 1, 2, 0, 3, 4, 0}));
  EXPECT_EQ(GlyphStripMap(gsCheckGlyphs, 5), (std::vector<int>{1, 2, 5, 1, 2, 5, 3, 4, 5}));
  EXPECT_EQ(GlyphStripMap(gsRadioGlyphs, 4), (std::vector<int>{1, 2, 1, 2, 3, 4}));
  EXPECT_EQ(GlyphStripMap(gsPropertyGlyph, 4), (std::vector<int>{1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(GlyphStripMap(gsPropertyGlyph, 5), (std::vector<int>{1, 2, 5, 1, 2, 5}));
  EXPECT_TRUE(GlyphStripMap(7, 4).empty());
}

TEST(GlyphStrip, CellsAreCopiedUnscaledAndMissingOnesAreMagenta) {
  // Four 3 x 2 cells, each filled with its own number as the colour.
  TBitmap picture(12, 2);
  for (int cell = 0; cell < 4; ++cell) picture.FillRect(cell * 3, 0, 3, 2, 0x10u * (cell + 1));
  const TBitmap strip = BuildGlyphStrip(picture, 4, gsCheckGlyphs);
  ASSERT_EQ(strip.Width(), 27);
  ASSERT_EQ(strip.Height(), 2);
  const std::uint32_t expected[] = {0x10, 0x20, kTransparentColour, 0x10, 0x20, kTransparentColour, 0x30, 0x40,
                                    kTransparentColour};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(strip.Colour(i * 3, 0), expected[i]) << i;
    EXPECT_EQ(strip.Colour(i * 3 + 2, 1), expected[i]) << i;
  }
  const TBitmap radio = BuildGlyphStrip(picture, 4, gsRadioGlyphs);
  EXPECT_EQ(radio.Width(), 18);
  EXPECT_EQ(radio.Colour(15, 0), 0x40u);
  // Nothing to build from.
  EXPECT_TRUE(BuildGlyphStrip(TBitmap(), 4, gsCheckGlyphs).Empty());
  EXPECT_TRUE(BuildGlyphStrip(picture, 4, 9).Empty());
  // A count below 1 counts as 1: the whole picture is one cell.
  EXPECT_EQ(BuildGlyphStrip(picture, 0, gsRadioGlyphs).Width(), 12 * 6);
}

}  // namespace
}  // namespace varnelta
