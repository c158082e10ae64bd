// The skin description parse: colour texts, pictures, readers, frame counts and the derived
// pictures.
#include "skin/data/skin_parse.h"

#include <gtest/gtest.h>

#include "skin/data/img_util.h"
#include "skin/data/track_pictures.h"
#include "tests/skin/model/bmp_builder.h"
#include "tests/skin/model/skin_fixture.h"

namespace varnelta {
namespace {

using test::Solid;
using test::TestSkin;

TEST(ParseColourTest, Texts) {
  EXPECT_EQ(TSkinParser::ParseColour("230 235 245"), 0xF5EBE6u);
  EXPECT_EQ(TSkinParser::ParseColour(""), 0u);
  EXPECT_EQ(TSkinParser::ParseColour("10 20"), 10u);            // a final second number is dropped
  EXPECT_EQ(TSkinParser::ParseColour("1,2,3,"), 0x030201u);     // trailing comma
  EXPECT_EQ(TSkinParser::ParseColour("  1 2 3  "), 0x030201u);  // trimmed first
  EXPECT_EQ(TSkinParser::ParseColour("255"), 0u);
  EXPECT_EQ(TSkinParser::ParseColour("300 2 3 4 5"), 0x03022Cu);  // modulo 256, first three
  EXPECT_EQ(TSkinParser::ParseColour("r1g2b3"), 0x030201u);
  EXPECT_EQ(TSkinParser::ParseColour("99999999999999999999 0 0 "), 0xFFu);  // no overflow
}

TEST(LoadSkinBitmapTest, NamesExtensionsAndMissingPictures) {
  TestSkin skin;
  skin.Add("frame.bmp", Solid(3, 2, 0x112233));
  skin.AddBytes("empty.bmp", {});
  skin.AddBytes("junk.bmp", {'B', 'M', 1, 2, 3});
  TQuickIni ini;
  TSkinParser parser(ini, skin.Lookup());
  TBitmap b;
  EXPECT_TRUE(parser.LoadSkinBitmap(b, "C:\\skins\\Frame.bmp"));
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Colour(0, 0), 0x112233u);
  EXPECT_TRUE(parser.LoadSkinBitmap(b, "dir/frame.bmp"));
  EXPECT_FALSE(parser.LoadSkinBitmap(b, "frame.BMP"));  // upper-case extension: no picture
  EXPECT_TRUE(b.Empty());
  EXPECT_FALSE(parser.LoadSkinBitmap(b, "frame.bmpx"));
  EXPECT_FALSE(parser.LoadSkinBitmap(b, "C:\\skins\\"));
  EXPECT_FALSE(parser.LoadSkinBitmap(b, "absent.bmp"));
  EXPECT_FALSE(parser.LoadSkinBitmap(b, "empty.bmp"));
  EXPECT_FALSE(parser.LoadSkinBitmap(b, "junk.bmp"));
  using P = TSkinPictureProblem;
  ASSERT_EQ(parser.Problems().size(), 5u);
  EXPECT_EQ(parser.Problems()[0].Kind, P::kNotBmp);
  EXPECT_EQ(parser.Problems()[1].Kind, P::kNotBmp);
  EXPECT_EQ(parser.Problems()[2].Kind, P::kMissing);
  EXPECT_EQ(parser.Problems()[2].Name, "absent.bmp");
  EXPECT_EQ(parser.Problems()[3].Kind, P::kMissing);
  EXPECT_EQ(parser.Problems()[4].Kind, P::kUnreadable);
}

TEST(LoadSkinBitmapTest, PicturesShareABudget) {
  TestSkin skin;
  skin.Add("a.bmp", Solid(10, 10, 0x112233));
  TQuickIni ini;
  TSkinParser parser(ini, skin.Lookup());
  parser.SetPictureBudget(250);
  TBitmap a, b, c;
  EXPECT_TRUE(parser.LoadSkinBitmap(a, "a.bmp"));
  EXPECT_TRUE(parser.LoadSkinBitmap(b, "a.bmp"));
  EXPECT_FALSE(parser.LoadSkinBitmap(c, "a.bmp"));  // 300 pixels in all would pass 250
  EXPECT_TRUE(c.Empty());
  ASSERT_EQ(parser.Problems().size(), 1u);
  EXPECT_EQ(parser.Problems()[0].Kind, TSkinPictureProblem::kUnreadable);
}

TEST(SkinParseTest, EmptyDescriptionGivesDefaultsAndBuiltIns) {
  TestSkin t;
  TSkinElements s = t.Parse();
  EXPECT_TRUE(s.BorderTop && s.Title && s.Buttons);
  EXPECT_TRUE(s.BorderTop->Image.Empty());
  EXPECT_EQ(s.BorderTop->FrameCount, 1);
  EXPECT_EQ(s.BorderTop->Tile, 1);
  EXPECT_EQ(s.BorderTop->Trans, 1);
  EXPECT_EQ(s.Title->FontHeight, 14);
  EXPECT_EQ(s.Title->FrameCount, 2);
  EXPECT_EQ(s.Title->ActiveTextColour, kColourNotSet);
  EXPECT_EQ(s.Buttons->FrameCount, 5);
  EXPECT_EQ(s.Buttons->RadioFrameCount, 4);
  EXPECT_EQ(s.Buttons->CheckFrameCount, 4);
  EXPECT_FALSE(s.MenuBar || s.Progress || s.Tabs || s.ComboButton || s.SunkEdge);
  // Only the three MDI buttons.
  ASSERT_EQ(s.SysButtons.size(), 3u);
  EXPECT_TRUE(s.SysButtons[0]->Image.Empty());
  EXPECT_EQ(s.Colours[kColourButtonFace], 0xFF00000Fu);
  EXPECT_EQ(s.Colours[kColourMenubar], 0xFF00000Fu);
  EXPECT_EQ(s.Colours[kColourFrame], 0xFF00000Fu);
  EXPECT_FALSE(s.ColourPresent[kColourButtonFace]);
  EXPECT_EQ(s.CustomColours[9], 0xFFFFFFu);
  // Missing [Track]: the built-in groove with margins of 3.
  ASSERT_TRUE(s.Track && s.TrackVert);
  EXPECT_EQ(s.Track->Image, BuiltInTrackPicture());
  EXPECT_EQ(s.Track->Image.Width(), 16);
  EXPECT_EQ(s.Track->Image.Height(), 4);
  EXPECT_EQ(s.Track->Margins, (TRect{3, 3, 3, 3}));
  EXPECT_EQ(s.Track->FrameCount, 1);
  EXPECT_EQ(s.TrackVert->Image.Width(), 4);
  EXPECT_EQ(s.TrackVert->Image.Height(), 16);
  // ComboArrow exists, empty; Toolbar is generated.
  ASSERT_TRUE(s.ComboArrow);
  EXPECT_EQ(s.ComboArrow->Name, "ComboxArrow");
  EXPECT_TRUE(s.ComboArrow->Image.Empty());
  ASSERT_TRUE(s.Toolbar);
  EXPECT_EQ(s.Toolbar->Image.Width(), 10);
  EXPECT_EQ(s.Toolbar->Image.Height(), 40);
}

TEST(SkinParseTest, BuiltInTrackRows) {
  const TBitmap track = BuiltInTrackPicture();
  const TColor L = 0xC0C0C0, G = 0x808080, W = 0xFFFFFF;
  EXPECT_EQ(track.Colour(1, 0), L);
  EXPECT_EQ(track.Colour(2, 0), G);
  EXPECT_EQ(track.Colour(13, 0), G);
  EXPECT_EQ(track.Colour(14, 0), W);
  EXPECT_EQ(track.Colour(0, 2), G);
  EXPECT_EQ(track.Colour(1, 2), L);
  EXPECT_EQ(track.Colour(2, 3), W);
  const TBitmap vert = BuiltInTrackVertPicture();
  EXPECT_EQ(vert.Colour(2, 0), G);
  EXPECT_EQ(vert.Colour(3, 0), L);
  EXPECT_EQ(vert.Colour(3, 1), L);
  EXPECT_EQ(vert.Colour(0, 2), G);
  EXPECT_EQ(vert.Colour(1, 13), W);
  EXPECT_EQ(vert.Colour(0, 14), W);
}

TEST(SkinParseTest, TileRulesPerReader) {
  TestSkin t;
  t.Add("p.bmp", Solid(20, 10, 0x336699));
  t.ini =
      "[Personality]\nTop=p.bmp\nTopStretch=5\nLeft=p.bmp\nLeftStretch=0\nmenuBar=p.bmp\nTileMenu=5\n"
      "[Progress]\nBitmap=p.bmp\nTile=5\n"
      "[Tabs]\nImage=p.bmp\nTile=5\n"
      "[MenuItem]\nImage=p.bmp\nTile=1\n"
      "[Buttons]\nBitmap=p.bmp\nTile=5\n"
      "[GroupBox]\nImage=p.bmp\nTile=-3\n";
  TSkinElements s = t.Parse();
  EXPECT_EQ(s.BorderTop->Tile, 1);
  EXPECT_EQ(s.BorderLeft->Tile, 0);
  ASSERT_TRUE(s.MenuBar);
  EXPECT_EQ(s.MenuBar->Tile, 1);
  ASSERT_TRUE(s.Progress);
  EXPECT_EQ(s.Progress->Tile, 1);
  ASSERT_TRUE(s.Tabs);
  EXPECT_EQ(s.Tabs->Tile, 0);
  EXPECT_EQ(s.MenuItem->Tile, 1);
  EXPECT_EQ(s.Buttons->Tile, 0);
  EXPECT_EQ(s.GroupBox->Tile, -3);
}

TEST(SkinParseTest, FrameCountsAfterParsing) {
  TestSkin t;
  t.Add("p.bmp", Solid(40, 20, 0x808080));
  std::string ini = "[Personality]\nTop=p.bmp\nTopFrame=2\nmenuBar=p.bmp\n[Progress]\nBitmap=p.bmp\nStyle=1\n";
  for (const char* section :
       {"Progress.Chunk", "GroupBoxEdge", "GroupBox", "Tabs", "StatusBarEdges", "Tab.Pane",
        "ToolBars", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar",
        "HorzScroll", "VertScroll", "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz",
        "Trackbar.ThumbVert", "Trackbar.ThumbLeft", "Trackbar.ThumbRight", "Trackbar.ThumbUp",
        "Trackbar.ThumbDown", "UpDown.Horz", "UpDown.Vert", "Track", "TRACKVERT"})
    ini += std::string("[") + section + "]\nImage=p.bmp\nFrame=7\n";
  // FrameCount of the thumbs comes from key FrameCount of their first section.
  t.ini = "[HorzScrollThumb]\nImage=p.bmp\nFrameCount=9\n" + ini;
  TSkinElements s = t.Parse();
  EXPECT_EQ(s.BorderTop->FrameCount, 2);
  EXPECT_EQ(s.MenuBar->FrameCount, 2);
  EXPECT_EQ(s.Progress->FrameCount, 1);
  EXPECT_EQ(s.ProgressChunk->FrameCount, 7);
  EXPECT_EQ(s.GroupBoxEdge->FrameCount, 2);
  EXPECT_EQ(s.GroupBox->FrameCount, 1);
  EXPECT_EQ(s.Tabs->FrameCount, 5);
  EXPECT_EQ(s.StatusBarEdges->FrameCount, 3);
  EXPECT_EQ(s.TabPane->FrameCount, 1);
  EXPECT_EQ(s.ToolBars->FrameCount, 5);
  EXPECT_EQ(s.ExtraImages->FrameCount, 5);
  EXPECT_EQ(s.Headerbar->FrameCount, 7);
  EXPECT_EQ(s.MenuItem->FrameCount, 5);
  EXPECT_EQ(s.MenuBackground->FrameCount, 1);
  EXPECT_EQ(s.Scrollbar->FrameCount, 23);
  EXPECT_EQ(s.HorzScroll->FrameCount, 4);
  EXPECT_EQ(s.HorzScrollThumb->FrameCount, 9);
  EXPECT_EQ(s.VertScrollThumb->FrameCount, 3);
  EXPECT_EQ(s.TrackThumbDown->FrameCount, 5);
  EXPECT_EQ(s.UpDownVert->FrameCount, 8);
  EXPECT_EQ(s.Track->FrameCount, 7);
  EXPECT_EQ(s.TrackVert->FrameCount, 7);
  EXPECT_EQ(s.Track->Name, "Track");

  // Without a Frame key: as read (0), Headerbar 5; Progress without a style has 2.
  TestSkin u;
  u.Add("p.bmp", Solid(40, 20, 0x808080));
  u.ini = "[Track]\nImage=p.bmp\n[Headerbar]\nImage=p.bmp\nFrame=0\n[Progress]\nBitmap=p.bmp\n";
  TSkinElements v = u.Parse();
  EXPECT_EQ(v.Track->FrameCount, 0);
  EXPECT_TRUE(v.Track->Margins == (TRect{}));
  EXPECT_EQ(v.Headerbar->FrameCount, 5);
  EXPECT_EQ(v.Progress->FrameCount, 2);
}

TEST(SkinParseTest, ImageReaderFieldsAndTabPaneMargins) {
  TestSkin t;
  t.Add("p.bmp", Solid(8, 8, 0x808080));
  t.ini =
      "[Colours]\nButtonText=1 2 3\n"
      "[Tab.Pane]\nImage=p.bmp\nLeftWidth=9\nTopHeight=3\nRightWidth=4\nBottomHeight=100\n"
      "[MenuItem]\nImage=p.bmp\nStyle=3\nTrans=1\nNormalColour=5\nPressedColour2=9 8 7\n"
      "[Scrollbar]\nImage=\n"
      "[UpDown.Horz]\nImage=p.bmp\nGlyphImage=p.bmp\n"
      "[GroupBox]\nImage=p.bmp\nBackgroundAlignment=2\nBackgroundLeftShift=-1\nBackgroundRightShift=6\n";
  TSkinElements s = t.Parse();
  ASSERT_TRUE(s.TabPane);
  EXPECT_EQ(s.TabPane->Margins, (TRect{4, 3, 4, 4}));
  ASSERT_TRUE(s.MenuItem);
  EXPECT_EQ(s.MenuItem->Style, 3);
  EXPECT_EQ(s.MenuItem->Trans, 1);
  EXPECT_EQ(s.MenuItem->NormalColour, 5);
  EXPECT_EQ(s.MenuItem->MouseOverColour, -1);
  EXPECT_EQ(s.MenuItem->NormalColour2, 0x030201u);  // the ButtonText colour
  EXPECT_EQ(s.MenuItem->PressedColour2, 0x070809u);
  EXPECT_FALSE(s.Scrollbar);  // an empty Image value is no Image key
  ASSERT_TRUE(s.UpDownHorz);
  EXPECT_EQ(s.UpDownHorz->SecondImage.Width(), 8);
  ASSERT_TRUE(s.GroupBox);
  EXPECT_EQ(s.GroupBox->BackgroundAlignment, 2);
  EXPECT_EQ(s.GroupBox->BackgroundLeftShift, -1);
  EXPECT_EQ(s.GroupBox->BackgroundRightShift, 6);
}

TEST(SkinParseTest, FrameEdgesTitleAndButtons) {
  TestSkin t;
  t.Add("left.bmp", Solid(4, 30, 0x111111));
  t.Add("top.bmp", Solid(60, 20, 0x222222));
  t.Add("radio.bmp", Solid(104, 13, 0x333333));
  t.Add("check.bmp", Solid(160, 16, 0x333333));
  t.ini =
      "[Personality]\nLeft=left.bmp\nLeftTopHeight=5\nLeftBotHeight=6\nLeftTrans=0\n"
      "Top=top.bmp\nTopTopHeight=7\nTopBotHeight=8\nTopFrame=2\n"
      "TextShift=3\nTextShiftVert=4\nTextRightClip=5\nTextAlignment=1\nTXTBackleft=2\n"
      "ActiveTextR=255\nActiveTextG=1\nActiveTextB=258\nInActiveTextR=1\nInActiveTextG=-1\n"
      "[Fonts]\nFontHeight=12\n"
      "[Buttons]\nBitmap=top.bmp\nLeftWidth=1\nTopHeight=2\nRightWidth=3\nBottomHeight=4\n"
      "RadioButton=radio.bmp\nCheckButton=check.bmp\nMouseOverColour2=10 20 30\nTrans=1\n";
  TSkinElements s = t.Parse();
  EXPECT_EQ(s.BorderLeft->Margins, (TRect{0, 5, 0, 6}));
  EXPECT_EQ(s.BorderLeft->Trans, 0);
  EXPECT_EQ(s.BorderTop->Margins, (TRect{7, 0, 8, 0}));
  EXPECT_EQ(s.BorderTop->FrameCount, 2);
  EXPECT_EQ(s.Title->Margins, (TRect{3, 4, 5, 0}));
  EXPECT_EQ(s.Title->TextAlignment, 1);
  EXPECT_EQ(s.Title->TextBackLeft, 2);
  EXPECT_EQ(s.Title->FontHeight, 12);
  EXPECT_EQ(s.Title->ActiveTextColour, 0x0201FFu);   // 258 modulo 256 = 2
  EXPECT_EQ(s.Title->InactiveTextColour, kColourNotSet);
  EXPECT_EQ(s.Buttons->Margins, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(s.Buttons->Trans, 1);
  EXPECT_EQ(s.Buttons->Image.Width(), 60);
  EXPECT_FALSE(s.Buttons->HasNormalColour2);
  EXPECT_TRUE(s.Buttons->HasMouseOverColour2);
  EXPECT_EQ(s.Buttons->MouseOverColour2, 0x1E140Au);
  EXPECT_EQ(s.Buttons->NormalColour2, 0xFF000012u);
  EXPECT_EQ(s.Buttons->RadioFrameCount, 8);   // 104 / 13
  EXPECT_EQ(s.Buttons->CheckFrameCount, 10);  // 160 / 16
  // FrameColour: pixel (60 / 3, (20 / 2) / 3) of the top edge.
  EXPECT_EQ(s.FrameColour(), 0x222222u);
}

TEST(SkinParseTest, Colours) {
  TestSkin t;
  t.ini =
      "[Colours]\nButtonFace=230 235 245\nWindowText=1 2 3\nMenu=\n"
      "[ColourSet1]\ncolor=4 5 6\n[Colours]\nButtonFace=0 0 0\n[colourSetB]\n[COLOURX]\ncolor=7 8 9\n"
      "[Customcolors]\nColor0=1 1 1\nColor9=2 2 2\nColor10=3 3 3\n";
  TSkinElements s = t.Parse();
  EXPECT_EQ(s.Colours[kColourButtonFace], 0xF5EBE6u);
  EXPECT_TRUE(s.ColourPresent[kColourButtonFace]);
  EXPECT_EQ(s.Colours[kColourMenubar], 0xF5EBE6u);  // defaults to ButtonFace
  EXPECT_FALSE(s.ColourPresent[kColourMenubar]);
  EXPECT_EQ(s.Colours[kColourWindowText], 0x030201u);
  EXPECT_EQ(s.Colours[kColourMenu], 0xFF000004u);  // empty value: default
  EXPECT_FALSE(s.ColourPresent[kColourMenu]);
  EXPECT_EQ(s.Colours[kColourTitleTextNoActive], 0xFF000013u);
  EXPECT_EQ(s.ColourSets, (std::vector<TColor>{0x060504, 0xFF000008, 0x090807}));
  EXPECT_EQ(s.CustomColours[0], 0x010101u);
  EXPECT_EQ(s.CustomColours[5], 0xFFFFFFu);
  EXPECT_EQ(s.CustomColours[9], 0x020202u);
  // Frame colour without a top edge picture: ButtonFace.
  EXPECT_EQ(s.FrameColour(), 0xF5EBE6u);
}

TEST(SkinParseTest, TitleButtons) {
  TestSkin t;
  t.Add("close.bmp", Solid(60, 20, 0x0000FF));   // ratio 3: three frames
  t.Add("wide.bmp", Solid(78, 20, 0x00FF00));    // ratio 3.9: six frames
  t.Add("mdi.bmp", Solid(120, 14, 0xFF0000));
  t.ini =
      "[Buttons]\n[Button.Radio]\n[Button]\n[Button.CheckBox]\n[SysMenuThing]\n"
      "[Button0]\nAction=1\nVisibility=2\nXcoord=30\nYcoord=4\nButtonImage=close.bmp\nAlign=1\n"
      "[Button1]\nAction=4\nXcoord=99\nYcoord=99\nButtonImage=wide.bmp\n"
      "[button2]\nAction=-1\nVisibility=0\nButtonImage=close.bmp\n"
      "[Button3]\nAction=-1\n"
      "[Button4]\nAction=3\n"
      "[Button5]\nAction=11\nButtonImage=close.bmp\nframe=2\nCombineOp=1\n"
      "[MDICONTROLS]\nImage=mdi.bmp\n";
  TSkinElements s = t.Parse();
  ASSERT_EQ(s.SysButtons.size(), 5u + 3u);
  const auto& b0 = *s.SysButtons[0];
  EXPECT_EQ(b0.Name, "BUTTON0");
  EXPECT_EQ(b0.Align, 1);
  EXPECT_EQ(b0.FrameCount, 3);
  EXPECT_EQ(b0.CombineOp, -1);
  EXPECT_EQ(b0.Visibility1, 0);
  const auto& b1 = *s.SysButtons[1];
  EXPECT_EQ(b1.XCoord, 30);  // takes the remembered position
  EXPECT_EQ(b1.YCoord, 4);
  EXPECT_EQ(b1.FrameCount, 6);
  const auto& b2 = *s.SysButtons[2];
  EXPECT_EQ(b2.Name, "BUTTON2");
  EXPECT_EQ(b2.FrameCount, 6);  // negative action
  EXPECT_EQ(b2.Visibility1, -1);
  const auto& b4 = *s.SysButtons[3];  // [Button3] was dropped by the filter
  EXPECT_EQ(b4.Name, "BUTTON4");
  EXPECT_EQ(b4.FrameCount, 6);
  EXPECT_TRUE(b4.Image.Empty());
  // [Button5]: the frame count given stays, the picture goes.
  const auto& b5 = *s.SysButtons[4];
  EXPECT_EQ(b5.FrameCount, 2);
  EXPECT_TRUE(b5.Image.Empty());
  EXPECT_EQ(b5.CombineOp, 1);
  for (int i = 0; i < 3; ++i) {
    const auto& m = *s.SysButtons[5 + static_cast<std::size_t>(i)];
    EXPECT_EQ(m.Action, 7 + i);
    EXPECT_EQ(m.Align, 100);
    EXPECT_EQ(m.Visibility, 100);
    EXPECT_EQ(m.Visibility1, 100);
    EXPECT_EQ(m.FrameCount, 4);
    EXPECT_EQ(m.Image.Width(), 40);  // 4 x (120 / 12)
    EXPECT_EQ(m.Image.Height(), 14);
    EXPECT_EQ(m.XCoord, 14 * (3 - i));  // (a + 4) x (3 - i)
  }
}

TEST(SkinParseTest, ActionElevenAndGivenFrameCount) {
  TestSkin t;
  t.Add("close.bmp", Solid(60, 20, 0x0000FF));
  t.ini = "[Button9]\nAction=11\nButtonImage=close.bmp\nframe=2\nCombineOp=1\n[Button8]\nAction=4\n";
  TSkinElements s = t.Parse();
  ASSERT_EQ(s.SysButtons.size(), 5u);
  EXPECT_EQ(s.SysButtons[0]->FrameCount, 2);
  EXPECT_TRUE(s.SysButtons[0]->Image.Empty());
  EXPECT_EQ(s.SysButtons[0]->CombineOp, 1);
  EXPECT_EQ(s.SysButtons[1]->XCoord, 0);  // no remembered position
  EXPECT_TRUE(s.SysButtons[2]->Image.Empty());  // no [MDICONTROLS]
  EXPECT_EQ(s.SysButtons[2]->XCoord, 0);
}

TEST(SkinParseTest, ComboArrowWithoutSunkEdgeIsTheRecolouredButton) {
  TestSkin t;
  TBitmap combo(64, 16);
  combo.Fill(0xFF00FF);
  combo.SetColour(3, 3, 0x000000);
  t.Add("combo.bmp", combo);
  t.ini = "[Colours]\nButtonFace=230 235 245\n[ComboButton]\nImage=combo.bmp\n";
  TSkinElements s = t.Parse();
  ASSERT_TRUE(s.ComboButton);
  EXPECT_EQ(s.ComboButton->FrameCount, 4);
  // The right-to-left copy is the mirror image.
  EXPECT_EQ(s.ComboButton->SecondImage.Colour(60, 3), 0x000000u);
  EXPECT_EQ(s.ComboButton->SecondImage.Colour(3, 3), 0xFF00FFu);
  ASSERT_TRUE(s.ComboArrow);
  EXPECT_EQ(s.ComboArrow->FrameCount, 4);
  EXPECT_EQ(s.ComboArrow->Image.Colour(0, 0), 0xF5EBE6u);
  EXPECT_EQ(s.ComboArrow->Image.Colour(3, 3), 0x000000u);
  EXPECT_EQ(s.ComboButton->Image.Colour(0, 0), 0xFF00FFu);  // the button itself keeps magenta
}

TEST(SkinParseTest, CombinedComboPicture) {
  TestSkin t;
  // Sunk edge: four 10 x 10 frames of grey; combo button: four 8 x 8 frames of blue.
  t.Add("sunk.bmp", Solid(40, 10, 0x808080));
  t.Add("combo.bmp", Solid(32, 8, 0xFF0000));
  t.ini =
      "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n"
      "[ComboButton]\nImage=combo.bmp\n";
  TSkinElements s = t.Parse();
  const int sw = 17 + 2;  // fixed horizontal scroll arrow width 17, plus 2
  ASSERT_TRUE(s.ComboButton && s.SunkEdge);
  const TBitmap& strip = s.ComboButton->Image;
  ASSERT_EQ(strip.Width(), 200);
  ASSERT_EQ(strip.Height(), 21);
  EXPECT_EQ(s.ComboButton->Style, 2);
  EXPECT_EQ(s.ComboButton->Margins, (TRect{2, 2, sw + 2, 2}));
  EXPECT_EQ(s.SunkEdge->Margins, (TRect{sw + 2, 2, 2, 2}));
  EXPECT_EQ(strip.Colour(0, 0), 0x808080u);              // the sunk edge
  EXPECT_EQ(strip.Colour(10, 10), 0xFF00FFu);            // the cleared text area
  EXPECT_EQ(strip.Colour(49 - sw - 1, 17), 0xFF00FFu);   // its last pixel
  EXPECT_EQ(strip.Colour(49 - sw, 10), 0x808080u);       // just right of it
  EXPECT_EQ(strip.Colour(50 - sw, 10), 0xFF0000u);       // the button
  EXPECT_EQ(strip.Colour(150 + 49, 20), 0xFF0000u);
  // The mirrored strip for right-to-left combos.
  EXPECT_EQ(s.SunkEdge->Image.Colour(199 - (50 - sw), 10), 0xFF0000u);
  // The arrow: four 17 x 17 frames cut from the button part.
  ASSERT_TRUE(s.ComboArrow);
  EXPECT_EQ(s.ComboArrow->Image.Width(), 68);
  EXPECT_EQ(s.ComboArrow->Image.Height(), 17);
  EXPECT_EQ(s.ComboArrow->FrameCount, 4);
  EXPECT_EQ(s.ComboArrow->Image.Colour(0, 0), strip.Colour(50 - 19, 2));
  EXPECT_EQ(s.ComboArrow->Image.Colour(67, 16), strip.Colour(200 - 3, 18));
}

TEST(SkinParseTest, ToolbarGradient) {
  // A grey frame (saturation rule of all channels below 160: 200 > 110).
  TestSkin t;
  t.Add("top.bmp", Solid(30, 9, 0x404040));
  t.ini = "[Personality]\nTop=top.bmp\n[Colours]\nButtonFace=230 235 245\n";
  TSkinElements s = t.Parse();
  const TColor top = BlendColours(0xF5EBE6, 0xFFFFFF, 150);
  const TColor bottom = BlendColours(0x404040, 0xFFFFFF, (5625 - 25 * 200) / 140 + 50);
  const auto palette = TGradientPaletteCache::Build(40, top, bottom);
  ASSERT_TRUE(s.Toolbar);
  EXPECT_EQ(s.Toolbar->FrameCount, 1);
  EXPECT_EQ(s.Toolbar->Image.Colour(5, 0), palette[0]);
  EXPECT_EQ(s.Toolbar->Image.Colour(9, 39), palette[39]);
  EXPECT_EQ(s.FrameColour(), 0x404040u);

  // A pale frame colour (saturation 0): the bottom blends grey into it.
  TestSkin u;
  u.Add("top.bmp", Solid(30, 9, 0xE0E0E0));
  u.ini = "[Personality]\nTop=top.bmp\n";
  TSkinElements v = u.Parse();
  TFixedSystemValues fixed;
  TScopedSystemValues scope(fixed);
  const auto pale = TGradientPaletteCache::Build(
      40, BlendColours(fixed.SystemColour(15), 0xFFFFFF, 150), BlendColours(0x808080, 0xE0E0E0, 150));
  EXPECT_EQ(v.Toolbar->Image.Colour(0, 39), pale[39]);
  EXPECT_EQ(v.Toolbar->Image.Colour(0, 0), pale[0]);
}

TEST(SkinParseTest, ReparseEmptiesOldSlots) {
  TestSkin t;
  t.Add("p.bmp", Solid(8, 8, 0x808080));
  t.ini = "[MenuItem]\nImage=p.bmp\n[Personality]\nTop=p.bmp\n";
  TFixedSystemValues fixed;
  TScopedSystemValues scope(fixed);
  TQuickIni ini;
  ini.LoadFromText(t.ini);
  TSkinElements s;
  TSkinParser(ini, t.Lookup()).ParseSkin(s);
  ASSERT_TRUE(s.MenuItem);
  const TDataSkinBorder* top = s.BorderTop.get();
  ini.LoadFromText("[Buttons]\n");
  TSkinParser(ini, t.Lookup()).ParseSkin(s);
  EXPECT_FALSE(s.MenuItem);
  EXPECT_EQ(s.BorderTop.get(), top);  // the always-present elements stay the same objects
  EXPECT_TRUE(s.BorderTop->Image.Empty());
  EXPECT_EQ(s.BorderTop->Name, "Top");
}

}  // namespace
}  // namespace varnelta
