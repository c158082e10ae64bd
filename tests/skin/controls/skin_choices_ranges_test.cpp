// The choice and range skinners on the gallery's Choices and Ranges pages: check box and radio
// button cells, left text and transparency; glyph strips handed to other libraries' controls;
// progress fill over the range and vertical bars turned; track bar custom drawing and the
// frame's private message; up-down halves, also inside an edit.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "runtime/check_controls.h"
#include "runtime/picture.h"
#include "runtime/range_controls.h"
#include "runtime/stand_in_controls.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_obj_image.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_radio_button.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_up_down.h"
#include "skin/data/img_util.h"
#include "tests/skin/controls/gallery_page_test_util.h"

namespace varnelta {
namespace {

using testing::GalleryPageTest;
using testing::PaintedPixels;
using testing::PumpPending;
using testing::Ref;

class ChoicesPageTest : public GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    LoadPage("choices.txt");
  }
  int CellOf(const char* name) {
    PaintedPixels(HandleOf(name));
    auto* s = PageSkinner<TSkinCheckBox>(name);
    return s ? s->LastCell() : -1;
  }
};

TEST_F(ChoicesPageTest, EveryCheckBoxAndRadioButtonShowsTheCellOfItsState) {
  struct Row {
    const char* name;
    int cell;
  };
  // The stored skin's pictures have 4 cells: off, on, off disabled, on disabled.
  const Row rows[] = {{"CheckUnchecked", 1},  {"CheckChecked", 2},     {"CheckGrayed", 4},
                      {"CheckUncheckedOff", 3}, {"CheckCheckedOff", 4}, {"CheckGrayedOff", 4},
                      {"RadioUnchecked", 1},  {"RadioChecked", 2},     {"RadioOff", 3}};
  for (const Row& row : rows) {
    ASSERT_NE(PageSkinner<TSkinCheckBox>(row.name), nullptr) << row.name;
    EXPECT_EQ(Ref(PageSkinner<TSkinCheckBox>(row.name)).FKind, 1) << row.name;
    EXPECT_EQ(CellOf(row.name), row.cell) << row.name;
  }
  EXPECT_NE(PageSkinner<TSkinRadioButton>("RadioChecked"), nullptr);
  // A click changes the check: the skin follows.
  SendMessageW(HandleOf("CheckUnchecked"), BM_CLICK, 0, 0);
  PumpPending();
  EXPECT_EQ(CellOf("CheckUnchecked"), 2);
}

TEST_F(ChoicesPageTest, BoxPixelsComeFromTheSkinCell) {
  const TDataSkinButton& buttons = *Skin().Buttons;
  const HWND box = HandleOf("CheckChecked");
  const TBitmap pixels = PaintedPixels(box);
  auto* s = PageSkinner<TSkinCheckBox>("CheckChecked");
  const RECT r = s->LastBox();
  const int w = buttons.CheckImage.Width() / buttons.CheckFrameCount;
  int matched = 0, compared = 0;
  for (int y = 0; y < r.bottom - r.top; ++y) {
    for (int x = 0; x < r.right - r.left; ++x) {
      const std::uint32_t source = buttons.CheckImage.Colour(w + x, y);  // cell 2
      if (source == kTransparentColour) continue;
      ++compared;
      matched += pixels.Colour(r.left + x, r.top + y) == source;
    }
  }
  EXPECT_GT(compared, 10);
  EXPECT_EQ(matched, compared);
}

TEST_F(ChoicesPageTest, LeftTextPutsTheBoxAtTheRightAndTheTextBeforeIt) {
  RECT client{};
  GetClientRect(HandleOf("CheckLeftText"), &client);
  PaintedPixels(HandleOf("CheckLeftText"));
  auto* check = PageSkinner<TSkinCheckBox>("CheckLeftText");
  EXPECT_EQ(check->LastBox().right, client.right);
  EXPECT_EQ(check->LastTextRect().right, check->LastBox().left - 2);
  // The radio button's circle ends one pixel inside the edge.
  PaintedPixels(HandleOf("RadioLeftText"));
  EXPECT_EQ(PageSkinner<TSkinCheckBox>("RadioLeftText")->LastBox().right, client.right - 1);
  // Text on the right otherwise, two pixels after the box.
  PaintedPixels(HandleOf("CheckChecked"));
  auto* plain = PageSkinner<TSkinCheckBox>("CheckChecked");
  EXPECT_EQ(plain->LastBox().left, 0);
  EXPECT_EQ(plain->LastTextRect().left, plain->LastBox().right + 2);
}

TEST_F(ChoicesPageTest, TagFiveThousandFiveHundredFiftyFiveShowsTheParentsBackground) {
  page->SetColor(0x00336699);
  PumpPending();
  auto* transparent = PageSkinner<TSkinCheckBox>("CheckTransparent");
  ASSERT_NE(transparent, nullptr);
  EXPECT_TRUE(transparent->Transparent());
  EXPECT_FALSE(PageSkinner<TSkinCheckBox>("CheckUnchecked")->Transparent());
  const TBitmap seeThrough = PaintedPixels(HandleOf("CheckTransparent"));
  const TBitmap face = PaintedPixels(HandleOf("CheckUnchecked"));
  EXPECT_EQ(seeThrough.Colour(seeThrough.Width() - 1, 0), 0x00336699u);
  EXPECT_EQ(face.Colour(face.Width() - 1, 0), ColorToRGB(Skin().Colours[kColourButtonFace]));
}

TEST_F(ChoicesPageTest, RadioGroupButtonsAreSkinnedAndTheDisabledCheckedOneShowsCellFour) {
  auto* group = Find<TRadioGroup>("RadioGroupOff");
  ASSERT_NE(group, nullptr);
  ASSERT_EQ(group->ButtonCount(), 3);
  TWinSkinForm* frame = PageFrame();
  TSkinCheckBox* first = nullptr;
  for (const auto& s : frame->Controls()) {
    if (s->Handle() == group->Buttons(0)->Handle()) first = dynamic_cast<TSkinRadioButton*>(s.get());
  }
  ASSERT_NE(first, nullptr);
  PaintedPixels(group->Buttons(0)->Handle());
  EXPECT_EQ(first->LastCell(), 4);
}

TEST_F(ChoicesPageTest, GlyphStripsAreHandedToOtherLibrariesControls) {
  const TDataSkinButton& buttons = *Skin().Buttons;
  const int w = buttons.CheckImage.Width() / buttons.CheckFrameCount;
  auto& check = Ref(Find<TRzCheckBox>("GlyphCheck"));
  ASSERT_NE(PageSkinner<TSkinObjImage>("GlyphCheck"), nullptr);
  EXPECT_EQ(Ref(PageSkinner<TSkinObjImage>("GlyphCheck")).FMode, 1);
  ASSERT_EQ(Ref(check.CustomGlyphs()).Width(), 9 * w);
  EXPECT_TRUE(check.UseCustomGlyphs());
  EXPECT_GE(check.GlyphReloads(), 1);
  EXPECT_EQ(check.TransparentColor(), 0xFF00FFu);
  // Strip cell 8 is skin cell 4.
  EXPECT_EQ(Ref(check.CustomGlyphs()).Bitmap().Colour(7 * w + w / 2, buttons.CheckImage.Height() / 2),
            buttons.CheckImage.Colour(3 * w + w / 2, buttons.CheckImage.Height() / 2));
  auto& radio = Ref(Find<TRzRadioButton>("GlyphRadio"));
  EXPECT_EQ(Ref(radio.CustomGlyphs()).Width(), 6 * (buttons.RadioImage.Width() / buttons.RadioFrameCount));
  auto& glyph = Ref(Ref(Ref(Find<TcxCheckBox>("PropertiesCheck")).Properties()).Glyph());
  EXPECT_EQ(glyph.Width(), 6 * w);
  EXPECT_FALSE(glyph.Transparent());
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
}

class RangesPageTest : public GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    LoadPage("ranges.txt");
  }
  int FillOf(const char* name) {
    PaintedPixels(HandleOf(name));
    auto* s = PageSkinner<TSkinProgress>(name);
    return s ? s->LastFill() : -1;
  }
};

TEST_F(RangesPageTest, ProgressFillFollowsTheRangeAndStopsAtTheBar) {
  EXPECT_EQ(FillOf("ProgressEmpty"), 0);
  EXPECT_EQ(FillOf("ProgressHalf"), 75);
  EXPECT_EQ(FillOf("ProgressFull"), 150);
  EXPECT_EQ(FillOf("ProgressRange"), 75);  // 75 in 50..100 is half
  EXPECT_EQ(FillOf("ProgressVerticalRange"), 75);
  HWND bar = HandleOf("ProgressHalf");
  SendMessageW(bar, PBM_SETRANGE32, 0, 0);  // maximum 0
  EXPECT_EQ(FillOf("ProgressHalf"), 0);
  SendMessageW(bar, PBM_SETRANGE32, 0, 40);
  SendMessageW(bar, PBM_SETPOS, 40, 0);
  SendMessageW(bar, PBM_SETRANGE32, 0, 20);  // the position now above the maximum
  EXPECT_EQ(FillOf("ProgressHalf"), 150);
}

TEST_F(RangesPageTest, VerticalBarIsTheHorizontalOneTurnedAnticlockwise) {
  TBitmap horizontal = PaintedPixels(HandleOf("ProgressHalf"));
  const TBitmap vertical = PaintedPixels(HandleOf("ProgressVerticalHalf"));
  RotateBitmapLeft(horizontal);
  ASSERT_EQ(horizontal.Width(), vertical.Width());
  ASSERT_EQ(horizontal.Height(), vertical.Height());
  int differing = 0;
  for (int y = 0; y < vertical.Height(); ++y) {
    for (int x = 0; x < vertical.Width(); ++x) differing += horizontal.Colour(x, y) != vertical.Colour(x, y);
  }
  EXPECT_EQ(differing, 0);
  // It fills from the bottom: the bottom differs from the top.
  EXPECT_NE(vertical.Colour(8, 140), vertical.Colour(8, 10));
}

TEST_F(RangesPageTest, TrackBarDrawsItsThumbFromTheSkinAndIgnoresTheFramesPrivateMessage) {
  HWND track = HandleOf("TrackHorizontal");
  auto* s = PageSkinner<TSkinTrackBar>("TrackHorizontal");
  ASSERT_NE(s, nullptr);
  RedrawWindow(track, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  EXPECT_GT(s->DrawnThumbs(), 0);
  EXPECT_GT(s->DrawnChannels(), 0);
  RECT thumb{};
  SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const TDataSkinObject& picture = *Skin().TrackThumbHorz;
  const TBitmap pixels = testing::ScreenPixels(track);
  const int cw = picture.Image.Width() / 5;
  // Frame 2 stretched over the thumb: its middle pixel.
  const std::uint32_t middle = picture.Image.Colour(cw + cw / 2, picture.Image.Height() / 2);
  if (middle != kTransparentColour) {
    EXPECT_EQ(pixels.Colour((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), middle);
  }
  // 0xBC4E with LParam 0x41A2, to the track bar and to its form, harms nothing.
  EXPECT_EQ(SendMessageW(track, 0xBC4E, 0, 0x41A2), 0);
  SendMessageW(page->Handle(), 0xBC4E, 0, 0x41A2);
  PumpPending();
  EXPECT_TRUE(IsWindow(track));
  EXPECT_EQ(s->State(), scsAttached);
}

TEST_F(RangesPageTest, TrackBarWithoutThumbPicturesShowsAnOutlinedThumb) {
  TSkinData plain(nullptr);
  HWND track = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_HORZ, 8, 300, 150, 33,
                               page->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  TSkinTrackBar s;
  s.Start(PageFrame(), &plain, nullptr, track, false, nullptr);
  // A plain window's custom draw goes to its parent: handed to the skinner as the control would.
  struct Relay {
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
      if (m == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        auto* skinner = reinterpret_cast<TSkinTrackBar*>(self);
        if (header->hwndFrom == skinner->Handle()) return SendMessageW(header->hwndFrom, 0xBC4E, wp, lp);
      }
      return DefSubclassProc(w, m, wp, lp);
    }
  };
  SetWindowSubclass(page->Handle(), Relay::Proc, 77, reinterpret_cast<DWORD_PTR>(&s));
  RedrawWindow(track, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  RECT thumb{};
  SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const TBitmap pixels = testing::ScreenPixels(track);
  RemoveWindowSubclass(page->Handle(), Relay::Proc, 77);
  EXPECT_GT(s.DrawnThumbs(), 0);
  const COLORREF shadow = ColorToRGB(plain.Skin().Colours[kColourButtonShadow]);
  EXPECT_EQ(pixels.Colour(thumb.left, (thumb.top + thumb.bottom) / 2), shadow);
  EXPECT_EQ(pixels.Colour(thumb.right - 1, (thumb.top + thumb.bottom) / 2), shadow);
  s.Unhook();
  DestroyWindow(track);
}

TEST_F(RangesPageTest, PressingTheLowerHalfShowsOnlyThatHalfPressed) {
  HWND upDown = HandleOf("UpDownVertical");
  auto* s = PageSkinner<TSkinUpDown>("UpDownVertical");
  ASSERT_NE(s, nullptr);
  RECT client{};
  GetClientRect(upDown, &client);
  POINT lower{client.right / 2, client.bottom * 3 / 4};
  POINT screen = lower;
  ClientToScreen(upDown, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lower.x, lower.y));
  EXPECT_EQ(s->LastState(0), 1);
  EXPECT_EQ(s->LastState(1), 2);
  SendMessageW(upDown, WM_LBUTTONUP, 0, MAKELPARAM(lower.x, lower.y));
  EXPECT_NE(s->LastState(1), 2);
  // Disabled: both halves show the disabled frames.
  PaintedPixels(HandleOf("UpDownVerticalOff"));
  auto& off = Ref(PageSkinner<TSkinUpDown>("UpDownVerticalOff"));
  EXPECT_EQ(off.LastState(0), 3);
  EXPECT_EQ(off.LastState(1), 3);
}

TEST_F(RangesPageTest, UpDownInsideAnEditStaysThreePixelsInsideOnWhite) {
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"12", WS_CHILD | WS_VISIBLE, 8, 300, 121, 21, page->Handle(),
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  RECT client{};
  GetClientRect(edit, &client);
  HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, client.right - 15, 0, 15, client.bottom,
                              edit, nullptr, GetModuleHandleW(nullptr), nullptr);
  std::unique_ptr<TSkinControl> made = MakeEditUpDown(edit, form->SkinData1, Frame(), nullptr);
  auto* s = dynamic_cast<TSkinUpDown*>(made.get());
  ASSERT_NE(s, nullptr);
  EXPECT_TRUE(s->FInEdit);
  const TBitmap pixels = PaintedPixels(spin);
  const RECT draw = s->LastDrawRect();
  // The edit's window edge is 2 pixels outside the spin's top: the picture starts 1 pixel lower.
  EXPECT_EQ(draw.top, 1);
  EXPECT_EQ(draw.bottom, pixels.Height() - 1);
  EXPECT_EQ(pixels.Colour(0, 0), 0xFFFFFFu);
  // A second search finds the spin already skinned.
  EXPECT_EQ(MakeEditUpDown(edit, form->SkinData1, Frame(), nullptr), nullptr);
  made.reset();
  DestroyWindow(edit);
}

}  // namespace
}  // namespace varnelta
