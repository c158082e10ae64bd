// The owner-drawn items of the test form's drop-downs as the screen shows them. The loaded skin
// is altered in place first: every frame of the MenuItem picture gets its own fill and corner
// colours and the separator frame a colour per pixel, so each captured pixel tells which frame
// (and which row and column of it) the painter used. Text is placed by comparing its ink with
// the same text drawn here with the same font, colours and format.
#include "tests/skin/frame/menu_pixels.h"

namespace varnelta::testing_menus {
namespace {

class MenuItemPixelsTest : public MenuSkinTest {
 protected:
  void SetUp() override {
    MenuSkinTest::SetUp();
    UseTellingMenuItemPicture(*main->SkinData1);
  }
  const TSkinElements& Skin() const { return main->SkinData1->Skin(); }
  TOpener Opener(std::size_t index) {
    return [this, index](std::function<bool()> step) { OpenByMessage(index, std::move(step)); };
  }
  std::wstring ShortCutOf(const char* name) { return ShortCutToText(static_cast<TShortCut>(Item(name).ShortCut())); }
};

TEST_F(MenuItemPixelsTest, FramesAndSeparatorComeFromTheirFramesOfThePicture) {
  HMENU drop = Bar().Items()[0].FSubMenu;
  const TCapture c = OpenAndCapture(Opener(0), drop);
  ASSERT_EQ(c.Items.size(), 7u);
  // Item 0 (selected by the posted VK_DOWN): frame 4; item 1: frame 1; corners copied as they are.
  const TItemPixels selected(c, 0);
  const TItemPixels normal(c, 1);
  EXPECT_EQ(selected.At(0, 0), kTopLeft[4]);
  EXPECT_EQ(selected.At(selected.Width() - 1, selected.Height() - 1), kBottomRight[4]);
  EXPECT_EQ(selected.At(2, selected.Height() / 2), kFill[4]);
  EXPECT_EQ(normal.At(0, 0), kTopLeft[1]);
  EXPECT_EQ(normal.At(normal.Width() - 1, normal.Height() - 1), kBottomRight[1]);
  EXPECT_EQ(normal.At(2, normal.Height() / 2), kFill[1]);
  // Item 3 is a separator: frame 2, its bottom rows when the item is lower than the picture,
  // the ends copied and the middle stretched.
  const TItemPixels line(c, 3);
  const int h = line.Height();
  const int w = line.Width();
  ASSERT_LT(h, kFrameHeight);
  const int row0 = kFrameHeight - h;
  EXPECT_EQ(line.At(0, 0), SeparatorPixel(0, row0));
  EXPECT_EQ(line.At(kMargin - 1, h - 1), SeparatorPixel(kMargin - 1, kFrameHeight - 1));
  EXPECT_EQ(line.At(w - 1, 0), SeparatorPixel(kFrameWidth - 1, row0));
  EXPECT_EQ(line.At(w - kMargin, h - 1), SeparatorPixel(kFrameWidth - kMargin, kFrameHeight - 1));
  const int middleSource = kMargin + (w / 2 - kMargin) * (kFrameWidth - 2 * kMargin) / (w - 2 * kMargin);
  EXPECT_EQ(line.At(w / 2, 1), SeparatorPixel(middleSource, row0 + 1));
}

TEST_F(MenuItemPixelsTest, TextColoursFollowSelectionAndState) {
  HMENU drop = Bar().Items()[0].FSubMenu;
  const COLORREF menuText = Rgb(Skin().Colours[kColourMenuText]);
  const COLORREF hilightText = Rgb(Skin().Colours[kColourHilightText]);
  const COLORREF shadow = Rgb(Skin().Colours[kColourButtonShadow]);
  const COLORREF systemShadow = GetSysColor(COLOR_BTNSHADOW);
  ASSERT_NE(menuText, hilightText);
  ASSERT_NE(menuText, shadow);
  ASSERT_NE(systemShadow, shadow);
  ASSERT_NE(systemShadow, menuText);
  TCapture sameShadow;
  const TCapture c = OpenAndCapture(Opener(0), drop, [&](HWND menu) {
    // ButtonShadow equal to MenuText: a disabled item takes the system's shadow colour instead.
    EditableSkin(*main->SkinData1).Colours[kColourButtonShadow] = Skin().Colours[kColourMenuText];
    RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    sameShadow = CaptureMenu(menu, drop);
  });
  ASSERT_EQ(c.Items.size(), 7u);
  const TItemPixels selected(c, 0);  // 新建
  const TItemPixels normal(c, 1);    // 打开
  const TItemPixels disabled(c, 2);  // 保存
  EXPECT_GT(selected.Count(hilightText), 0);
  EXPECT_EQ(selected.Count(menuText), 0);
  EXPECT_GT(normal.Count(menuText), 0);
  EXPECT_EQ(normal.Count(hilightText), 0);
  EXPECT_GT(disabled.Count(shadow), 0);
  EXPECT_EQ(disabled.Count(menuText), 0);
  ASSERT_EQ(sameShadow.Items.size(), 7u);
  const TItemPixels disabledAgain(sameShadow, 2);
  EXPECT_GT(disabledAgain.Count(systemShadow), 0);
  EXPECT_EQ(disabledAgain.Count(menuText), 0);
}

TEST_F(MenuItemPixelsTest, ShortcutEndsElevenPixelsFromTheRightAndTheDefaultItemIsBold) {
  HMENU drop = Bar().Items()[0].FSubMenu;
  const TCapture c = OpenAndCapture(Opener(0), drop);
  ASSERT_EQ(c.Items.size(), 7u);
  const COLORREF menuText = Rgb(Skin().Colours[kColourMenuText]);
  const COLORREF hilightText = Rgb(Skin().Colours[kColourHilightText]);
  // Item 0, "新建(&N)" with Ctrl+N, selected: the shortcut's ink ends where the same text
  // drawn right-aligned in a box ending 11 pixels left of the item's right edge ends.
  const TItemPixels item(c, 0);
  const int w = item.Width();
  const int h = item.Height();
  const auto ref = ReferenceInk(ShortCutOf("NewItem"), false, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX, 200, h,
                                hilightText, kFill[4]);
  ASSERT_GE(ref.second, 0);
  const int fromRight = 200 - ref.second;  // columns between the ink's end and the box's edge
  EXPECT_EQ(item.Ink(kFill[4], w / 2, w - 1).second, (w - 11) - fromRight);
  // Item 1, "打开(&O)..." is the default item: its caption's ink, from the text box's left
  // (1 + the picture's left end + a 16-pixel glyph box + 3), spans the bold text's width.
  const TItemPixels byDefault(c, 1);
  const std::wstring caption = Item("OpenItem").Caption();
  const UINT format = DT_EXPANDTABS | DT_SINGLELINE;
  const auto bold = ReferenceInk(caption, true, format, 200, h, menuText, kFill[1]);
  const auto plain = ReferenceInk(caption, false, format, 200, h, menuText, kFill[1]);
  ASSERT_NE(bold.second, plain.second);
  const int textLeft = 1 + kMargin + 16 + 3;
  const auto shortcut = ReferenceInk(ShortCutOf("OpenItem"), true, DT_SINGLELINE | DT_NOPREFIX, 200, h,
                                     menuText, kFill[1]);
  const int shortcutStart = (byDefault.Width() - 11) - (shortcut.second - shortcut.first + 1);
  ASSERT_LT(textLeft + bold.second + 2, shortcutStart) << "the caption and the shortcut must not meet";
  const auto ink = byDefault.Ink(kFill[1], textLeft, textLeft + bold.second + 3);
  EXPECT_EQ(ink.first, textLeft + bold.first);
  EXPECT_EQ(ink.second, textLeft + bold.second) << "plain text would end at " << textLeft + plain.second;
}

TEST_F(MenuItemPixelsTest, CheckedItemWithoutImageShowsTheSystemCheckMark) {
  HMENU drop = Bar().Items()[1].FSubMenu;  // 编辑: 撤销, -, 剪切, 复制, 粘贴, -, 自动换行 (checked), Show marks
  const TCapture c = OpenAndCapture(Opener(1), drop);
  ASSERT_EQ(c.Items.size(), 8u);
  const TCheckMark mark = SystemCheckMark();
  ASSERT_FALSE(mark.Black.empty());
  const TItemPixels checked(c, 6);
  const TItemPixels unchecked(c, 2);
  const RECT glyph{1 + kMargin, 1, 1 + kMargin + 16, 1 + 16};
  EXPECT_EQ(MissingCheckMarkPixels(checked, mark, glyph), 0) << "of " << mark.Black.size() << " black pixels";
  EXPECT_EQ(checked.Count(RGB(0, 0, 0), glyph.left, glyph.top, glyph.right, glyph.bottom),
            static_cast<int>(mark.Black.size()));
  EXPECT_EQ(unchecked.Count(RGB(0, 0, 0), glyph.left, glyph.top, glyph.right, glyph.bottom), 0);
}

class MenuItemPixelsRtlTest : public MenuSkinRtlTest {
 protected:
  void SetUp() override {
    MenuSkinRtlTest::SetUp();
    UseTellingMenuItemPicture(*main->SkinData1);
  }
  TOpener Opener(std::size_t index) {
    return [this, index](std::function<bool()> step) { OpenByMessage(index, std::move(step)); };
  }
};

TEST_F(MenuItemPixelsRtlTest, TwinIsMirrored) {
  HMENU drop = Bar().Items()[1].FSubMenu;
  const TCapture c = OpenAndCapture(Opener(1), drop);
  ASSERT_EQ(c.Items.size(), 8u);
  const TCheckMark mark = SystemCheckMark();
  ASSERT_FALSE(mark.Black.empty());
  // The check mark's glyph box lies at the right, its right edge 1 + the left end from the
  // item's right edge.
  const TItemPixels checked(c, 6);
  const int w = checked.Width();
  const RECT glyph{w - 1 - kMargin - 16, 1, w - 1 - kMargin, 1 + 16};
  const RECT leftBox{1 + kMargin, 1, 1 + kMargin + 16, 1 + 16};
  EXPECT_EQ(MissingCheckMarkPixels(checked, mark, glyph), 0) << "of " << mark.Black.size() << " black pixels";
  EXPECT_EQ(checked.Count(RGB(0, 0, 0), leftBox.left, leftBox.top, leftBox.right, leftBox.bottom), 0);
  // Item 2, 剪切 with Ctrl+X: the shortcut starts 11 pixels from the item's left edge.
  const TItemPixels cut(c, 2);
  const COLORREF menuText = Rgb(main->SkinData1->Skin().Colours[kColourMenuText]);
  const auto ref = ReferenceInk(ShortCutToText(static_cast<TShortCut>(Item("CutItem").ShortCut())), false,
                                DT_LEFT | DT_RTLREADING | DT_SINGLELINE | DT_NOPREFIX, 200, cut.Height(), menuText,
                                kFill[1]);
  ASSERT_GE(ref.first, 0);
  EXPECT_EQ(cut.Ink(kFill[1], 1, w / 2).first, 11 + ref.first);
  // The caption ends 3 pixels left of the glyph box, right-aligned.
  const std::wstring caption = Item("CutItem").Caption();
  const auto text = ReferenceInk(caption, false, DT_RIGHT | DT_RTLREADING | DT_EXPANDTABS | DT_SINGLELINE, 200,
                                 cut.Height(), menuText, kFill[1]);
  ASSERT_GE(text.second, 0);
  EXPECT_EQ(cut.Ink(kFill[1], w / 2, w - 1).second, (glyph.left - 3) - (200 - text.second));
}

}  // namespace
}  // namespace varnelta::testing_menus
