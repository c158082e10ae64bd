#include <gtest/gtest.h>

#include <vector>

#include "raster.h"
#include "statusbar/panel.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_pane.h"

namespace varnelta::statusbar {
namespace {

const ISystemColors& Classic() { return ClassicSystemColors(); }

TEST(Panel, FrameSpacePerStyle) {
  EXPECT_EQ(PanelFrameSpace(fsNone, 3), 0);
  EXPECT_EQ(PanelFrameSpace(fsFlat, 3), 1);
  EXPECT_EQ(PanelFrameSpace(fsStatus, 3), 3);
  EXPECT_EQ(PanelFrameSpace(fsPopup, -2), 0);
  EXPECT_EQ(PanelFrameSpace(fsFlatRounded, 3), 2);
  EXPECT_EQ(PanelFrameSpace(fsGroove, 3), 2);
  TPanelBorder border;  // fsRaised outer, fsNone inner, all sides
  border.BorderWidth = 3;
  border.BorderSides = sdLeft | sdBottom;
  EXPECT_EQ(PanelClientRect(TRect{0, 0, 100, 20}, border), (TRect{5, 0, 100, 15}));
}

TEST(Panel, FlatFramesUseTheAdjustedFlatColour) {
  TPanelBorder border;
  border.BorderOuter = fsFlat;
  FillList fills;
  const TRect fill = PanelBorderGeometry(TRect{0, 0, 10, 6}, border, Classic(), fills);
  EXPECT_EQ(fill, (TRect{1, 1, 9, 5}));
  ASSERT_FALSE(fills.empty());
  for (const TColorRect& f : fills) EXPECT_EQ(f.Color, MakeRGB(159, 159, 159));
}

TEST(Panel, OuterBandInnerInOrder) {
  TPanelBorder border;
  border.BorderOuter = fsStatus;
  border.BevelWidth = 2;
  border.BorderWidth = 1;
  border.BorderInner = fsPopup;
  FillList fills;
  const TRect fill = PanelBorderGeometry(TRect{0, 0, 10, 9}, border, Classic(), fills);
  EXPECT_EQ(fill, (TRect{5, 5, 5, 4}));
  EXPECT_EQ(test::Raster(fills, 10, 9),
            "SSSSSSSSSH\n"
            "SSSSSSSSHH\n"
            "SSFFFFFFHH\n"
            "SSFHHHSFHH\n"
            "SSFHSSSFHH\n"
            "SSFSSSSFHH\n"
            "SSFFFFFFHH\n"
            "SHHHHHHHHH\n"
            "HHHHHHHHHH\n");
  EXPECT_EQ(PanelClientRect(TRect{0, 0, 10, 9}, border), fill);
}

TEST(Panel, HugeCountsFromAStoredFormStayBounded) {
  TPanelBorder border;
  border.BorderWidth = 1 << 30;
  border.BorderOuter = fsStatus;
  border.BevelWidth = 1 << 30;
  FillList fills;
  PanelBorderGeometry(TRect{0, 0, 40, 20}, border, Classic(), fills);
  EXPECT_LE(fills.size(), 200u);
  EXPECT_TRUE(PanelClientRect(TRect{0, 0, 40, 20}, border).IsEmpty());
}

TEST(StatusBar, ClientRectangleRules) {
  const TRect panel{0, 0, 586, 19};
  EXPECT_EQ(StatusBarClientRect(panel, true, false), panel);
  EXPECT_EQ(StatusBarClientRect(panel, true, true), (TRect{1, 1, 585, 19}));
  EXPECT_EQ(StatusBarClientRect(panel, false, false), (TRect{-1, 1, 587, 20}));
  EXPECT_EQ(StatusBarClientRect(panel, false, true), (TRect{0, 2, 586, 20}));
}

TEST(StatusBar, AutoStyleKeptByTheStandardLookClearedByAChange) {
  TPanelBorder border = StandardStatusBarBorder();
  TAutoStyle autoStyle;
  autoStyle.SetBorderOuter(border, fsNone);
  autoStyle.SetBorderInner(border, fsNone);
  autoStyle.SetBorderSides(border, sdAllSides);
  EXPECT_TRUE(autoStyle.Enabled());
  EXPECT_TRUE(autoStyle.ApplyAfterLoad(border));

  autoStyle.SetBorderOuter(border, fsFlat);
  EXPECT_FALSE(autoStyle.Enabled());
  EXPECT_FALSE(autoStyle.ApplyAfterLoad(border));
  EXPECT_EQ(border.BorderOuter, fsFlat);
}

TEST(StatusBar, FlatOuterFrameMovesThePanesOnePixelIn) {
  TStatusBarPaintInput input;
  input.Bounds = {0, 0, 586, 19};
  input.Styles = {false, true};
  input.Look.Border.BorderOuter = fsFlat;
  const TStatusBarPaintPlan plan = PlanStatusBarPaint(input, Classic());
  EXPECT_FALSE(plan.Themed);
  EXPECT_EQ(plan.ClientRect, (TRect{1, 1, 585, 18}));
  EXPECT_EQ(plan.FillRect, (TRect{1, 1, 585, 18}));
  ASSERT_EQ(plan.Frames.size(), 4u);
  EXPECT_EQ(plan.Frames[0].Color, MakeRGB(159, 159, 159));
  EXPECT_EQ(plan.FillColor, MakeRGB(192, 192, 192));
}

TEST(StatusBar, PaintPlanBranches) {
  TStatusBarPaintInput input;
  input.Bounds = {0, 0, 200, 19};
  input.GripValid = true;
  input.Styles = {true, true};
  TStatusBarPaintPlan themed = PlanStatusBarPaint(input, Classic());
  EXPECT_TRUE(themed.Themed);
  EXPECT_TRUE(themed.Frames.empty());
  EXPECT_TRUE(themed.ThemedGrip);
  EXPECT_EQ(themed.ThemedGripRect, (TRect{180, 0, 200, 19}));

  input.Styles.Active = false;
  TStatusBarPaintPlan classic = PlanStatusBarPaint(input, Classic());
  EXPECT_FALSE(classic.Themed);
  EXPECT_FALSE(classic.ThemedGrip);
  ASSERT_EQ(classic.GripSquares.size(), 12u);
  EXPECT_EQ(classic.GripSquares[0].Color, clBtnHighlight);
  EXPECT_EQ(classic.GripSquares[6].Color, clBtnShadow);

  input.Look.VisualStyle = vsGradient;
  input.Look.GradientColorStyle = gcsMSOffice;
  input.Styles.Active = true;
  TStatusBarPaintPlan gradient = PlanStatusBarPaint(input, Classic());
  EXPECT_FALSE(gradient.Themed);
  EXPECT_TRUE(gradient.Gradient);
  EXPECT_EQ(gradient.GradientColors, (TGradientPair{MakeRGB(227, 239, 255), MakeRGB(153, 187, 234)}));
  EXPECT_EQ(gradient.GripSquares[0].Color, MakeRGB(227, 239, 255));
  EXPECT_EQ(gradient.GripSquares[6].Color, MakeRGB(153, 187, 234));

  input.GripValid = false;
  EXPECT_FALSE(PlanStatusBarPaint(input, Classic()).DrawGrip);
}

TEST(StatusBar, SimpleModeFrameAndCaption) {
  TStatusBarPaintInput input;
  input.Bounds = {0, 0, 100, 19};
  input.Styles = {false, true};
  input.TextHeight = 13;
  input.Look.SimpleStatus = true;
  input.Look.VisualStyle = vsClassic;
  TStatusBarPaintPlan plan = PlanStatusBarPaint(input, Classic());
  EXPECT_EQ(plan.ClientRect, (TRect{1, 1, 99, 19}));
  ASSERT_EQ(plan.SimpleFrame.size(), 4u);  // the flat frame without its corners
  EXPECT_EQ(plan.SimpleFrame[0].Rect, (TRect{2, 1, 98, 2}));
  EXPECT_TRUE(plan.DrawSimpleCaption);
  EXPECT_EQ(plan.SimpleCaptionOrigin, (TPoint{4, 2 + (16 - 13) / 2}));

  input.Look.VisualStyle = vsWinXP;  // no simple frame, caption still drawn
  plan = PlanStatusBarPaint(input, Classic());
  EXPECT_TRUE(plan.SimpleFrame.empty());
  EXPECT_TRUE(plan.DrawSimpleCaption);
}

TEST(SizeGrip, ValidityAndActiveArea) {
  EXPECT_TRUE(SizeGripValid(true, false));
  EXPECT_FALSE(SizeGripValid(true, true));
  EXPECT_FALSE(SizeGripValid(false, false));
  EXPECT_TRUE(SizeGripHit(true, true, 586, 19, {573, 0}));
  EXPECT_TRUE(SizeGripHit(true, true, 586, 19, {585, 18}));
  EXPECT_FALSE(SizeGripHit(true, true, 586, 19, {572, 10}));
  EXPECT_FALSE(SizeGripHit(true, false, 586, 19, {580, 10}));
  EXPECT_FALSE(SizeGripHit(false, true, 586, 19, {580, 10}));
}

TEST(SizeGrip, SquaresFormATriangle) {
  const FillList squares = SizeGripSquares(20, 18, clBtnHighlight, clBtnShadow);
  EXPECT_EQ(test::Raster(squares, 20, 19),
            "....................\n"
            "....................\n"
            "....................\n"
            "....................\n"
            "....................\n"
            "..............SS....\n"
            "..............SSH...\n"
            "...............HH...\n"
            "....................\n"
            "..........SS..SS....\n"
            "..........SSH.SSH...\n"
            "...........HH..HH...\n"
            "....................\n"
            "......SS..SS..SS....\n"
            "......SSH.SSH.SSH...\n"
            ".......HH..HH..HH...\n"
            "....................\n"
            "....................\n"
            "....................\n");
}

TEST(PaneScaler, FourHundredToFiveHundred) {
  TPaneScaler scaler;
  std::vector<int> widths{100, 200};
  EXPECT_FALSE(scaler.Resize(400, true, widths));  // first resize only records
  EXPECT_TRUE(scaler.Resize(500, true, widths));
  EXPECT_EQ(widths, (std::vector<int>{125, 250}));
  EXPECT_EQ(scaler.LastWidth(), 500);
  EXPECT_FALSE(scaler.Resize(600, false, widths));  // off: width still recorded
  EXPECT_EQ(scaler.LastWidth(), 600);
  EXPECT_EQ(widths, (std::vector<int>{125, 250}));
}

TEST(PaneScaler, ZeroLastWidthOnlyRecords) {
  TPaneScaler scaler;
  std::vector<int> widths{100};
  scaler.Resize(0, true, widths);
  EXPECT_FALSE(scaler.Resize(300, true, widths));  // no division by a zero width
  EXPECT_EQ(widths[0], 100);
  EXPECT_TRUE(scaler.Resize(330, true, widths));
  EXPECT_EQ(widths[0], 110);
}

TEST(PaneScaler, ProductRoundsHalvesToEven) {
  EXPECT_EQ(ScaledPaneWidth(10, 5, 20), 12);   // 2.5 -> 2
  EXPECT_EQ(ScaledPaneWidth(30, 5, 20), 38);   // 7.5 -> 8
  EXPECT_EQ(ScaledPaneWidth(10, -5, 20), 8);   // -2.5 -> -2
}

TEST(Pane, InteriorPerFrameStyle) {
  const TRect pane{0, 0, 150, 19};
  EXPECT_EQ(PaneInterior(pane, fsFlat, 1), (TRect{2, 2, 148, 17}));
  EXPECT_EQ(PaneInterior(pane, fsGroove, 1), (TRect{3, 3, 147, 16}));
  EXPECT_EQ(PaneInterior(pane, fsNone, 0), pane);
  EXPECT_EQ(PaneInterior(pane, fsStatus, 2), (TRect{3, 3, 147, 16}));
  EXPECT_EQ(PaneInterior(pane, fsFlat, 1, true), (TRect{2, 2, 136, 17}));
}

TEST(Pane, FramePlanBranches) {
  TPaneFrameInput input;
  input.Rect = {0, 0, 150, 19};
  input.Parent.IsStatusBar = true;
  input.StylesActive = true;
  EXPECT_TRUE(PlanPaneFrame(input, Classic()).Themed);

  input.StylesActive = false;
  TPaneFramePlan flat = PlanPaneFrame(input, Classic());
  EXPECT_FALSE(flat.Themed);
  EXPECT_FALSE(flat.Fill);
  ASSERT_EQ(flat.Lines.size(), 4u);
  EXPECT_EQ(flat.Lines[0].Rect, (TRect{2, 1, 148, 2}));  // inside the border width, no corner
  EXPECT_EQ(flat.Lines[0].Color, MakeRGB(159, 159, 159));

  input.Transparent = false;
  input.FrameStyle = fsLowered;
  TPaneFramePlan lowered = PlanPaneFrame(input, Classic());
  EXPECT_TRUE(lowered.Fill);
  EXPECT_EQ(lowered.FillColor, MakeRGB(192, 192, 192));
  EXPECT_EQ(lowered.Lines.size(), 8u);

  input.Parent.VisualStyle = vsGradient;
  input.Parent.SeparatorColor = MakeRGB(1, 2, 3);
  input.LeftInParent = 0;
  EXPECT_TRUE(PlanPaneFrame(input, Classic()).Lines.empty());  // the leftmost pane
  input.LeftInParent = 150;
  const TPaneFramePlan separated = PlanPaneFrame(input, Classic());
  ASSERT_EQ(separated.Lines.size(), 1u);
  EXPECT_EQ(separated.Lines[0], (TColorRect{TRect{1, 2, 2, 17}, MakeRGB(1, 2, 3)}));
}

TEST(Pane, CaptionPlacement) {
  const TRect interior{2, 2, 148, 17};
  EXPECT_EQ(CaptionX(taLeftJustify, interior, 2, 50, false), 5);
  EXPECT_EQ(CaptionX(taRightJustify, interior, 2, 50, false), 148 - 3 - 50);
  EXPECT_EQ(CaptionX(taCenter, interior, 2, 51, false), 75 - 25);
  EXPECT_EQ(CaptionX(taLeftJustify, interior, 2, 50, true), 148 - 3 - 50);
  EXPECT_EQ(CaptionX(taRightJustify, interior, 2, 50, true), 5);
  EXPECT_EQ(CaptionY(interior, 13), 3);
  EXPECT_EQ(CaptionBackground(true, false), TCaptionBackground::ThemedBar);
  EXPECT_EQ(CaptionBackground(false, true), TCaptionBackground::None);
  EXPECT_EQ(CaptionBackground(false, false), TCaptionBackground::Fill);
}

TEST(Pane, AutomaticWidth) {
  EXPECT_EQ(PaneAutoWidth(true, 0, 1, 2, 40), 40);
  EXPECT_EQ(PaneAutoWidth(false, 77, 1, 2, 40), 2 + 77 + 2 + 6);
}

TEST(Pane, ColoursFollowTheParentUntilFillColourIsSet) {
  TPaneColors colors;
  colors.SetTransparent(false);
  EXPECT_TRUE(colors.ParentColorChanged(MakeRGB(10, 20, 30)));
  EXPECT_EQ(colors.FillColor(), MakeRGB(10, 20, 30));
  colors.SetFillColor(MakeRGB(1, 1, 1));
  EXPECT_FALSE(colors.ParentFillColor());
  colors.ParentColorChanged(MakeRGB(40, 50, 60));
  EXPECT_EQ(colors.Color(), MakeRGB(40, 50, 60));
  EXPECT_EQ(colors.FillColor(), MakeRGB(1, 1, 1));

  TPaneColors own;
  own.SetParentColor(false);
  EXPECT_FALSE(own.ParentColorChanged(MakeRGB(1, 2, 3)));
  own.AfterLoad();
  EXPECT_FALSE(own.Transparent());
  EXPECT_EQ(PaneTextColor(false, true, 0, clHighlight), clGrayText);
  EXPECT_EQ(PaneTextColor(true, true, 0, clHighlight), clHighlight);
}

TEST(Pane, BlinkPhases) {
  TPaneBlink blink;
  EXPECT_EQ(blink.QueryAnswer(), 0);
  EXPECT_FALSE(blink.EnterPhase(true));  // not blinking: the phase passes it by
  EXPECT_FALSE(blink.SetBlinking(true));
  EXPECT_EQ(blink.QueryAnswer(), 1);
  EXPECT_TRUE(blink.EnterPhase(true));
  EXPECT_EQ(blink.TextColor(true, clBtnText, clHighlight), clHighlight);
  EXPECT_FALSE(blink.EnterPhase(true));
  EXPECT_TRUE(blink.SetBlinking(false));  // back to normal at once, repaint
  EXPECT_FALSE(blink.Highlighted());
  EXPECT_EQ(blink.TextColor(true, clBtnText, clHighlight), clBtnText);
  EXPECT_EQ(blink.TextColor(false, clBtnText, clHighlight), clGrayText);
  const TPaneSettings defaults;
  EXPECT_EQ(PaneInterior(TRect{0, 0, defaults.Width, defaults.Height}, defaults.FrameStyle,
                         defaults.BorderWidth),
            (TRect{2, 2, 98, 18}));
}

TEST(Pane, GripPassThroughAtTheRightEnd) {
  EXPECT_TRUE(PanePassesHitToBar(586, 586, true, 574));
  EXPECT_FALSE(PanePassesHitToBar(586, 586, true, 573));
  EXPECT_FALSE(PanePassesHitToBar(571, 586, true, 570));
  EXPECT_FALSE(PanePassesHitToBar(586, 586, false, 580));
}

}  // namespace
}  // namespace varnelta::statusbar
