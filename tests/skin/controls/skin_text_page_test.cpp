// The gallery's Text page: borders and reading orders stored with edits, memos and combo boxes
// reach their windows and the skinners; an edit under the mouse is hot; a disabled combo box
// never shows pressed or hot. Windowless children of a skinned page control and of its sheets
// show over the pane. And pages scaled to 144 dots per inch: the radio group lays its buttons
// out inside itself, up-downs grow and stay docked to their edits.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/check_controls.h"
#include "runtime/class_registry.h"
#include "runtime/form_text.h"
#include "runtime/range_controls.h"
#include "runtime/std_controls.h"
#include "runtime/tab_controls.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_up_down.h"
#include "tests/skin/controls/gallery_page_test_util.h"

namespace varnelta {
namespace {

using testing::GalleryPageTest;
using testing::PaintedPixels;
using testing::PumpPending;
using testing::Ref;

// A page of the gallery read as the gallery reads it: objects of classes the runtime does not
// have (the extended combo box) left out; scaled from 96 dots per inch to `dpi` before its
// windows exist, as a form is when it is loaded on a screen of that DPI.
std::unique_ptr<TForm> ReadPage(const char* name, int dpi) {
  TFormObject description = ParseFormText(testing::ReadGalleryPage(name));
  std::erase_if(description.Children, [](const TFormObject& child) { return FindClass(child.ClassName) == nullptr; });
  auto page = std::make_unique<TForm>(nullptr);
  ReadComponent(*page, description);
  if (dpi != 96) {
    page->ScaleBy(dpi, 96);
    // The screen stays at 96: the page must not be scaled back when its window is made.
    page->SetPixelsPerInch(96);
  }
  return page;
}

class TextPageTest : public GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    ShowPage(ReadPage("text.txt", 96));
  }
  void ShowPage(std::unique_ptr<TForm> read) {
    page = std::move(read);
    page->Show();
    ASSERT_TRUE(testing::PumpUntil([&] {
      TWinSkinForm* frame = PageFrame();
      return frame && !frame->Controls().empty();
    }));
    PumpPending();
  }
  LONG_PTR ExStyle(const char* name) const { return GetWindowLongPtrW(HandleOf(name), GWL_EXSTYLE); }
  COLORREF Colour(int index) const { return Skin().Colours[index]; }
  // The top left pixel the edit shows on the screen: its skinned outer ring when it has one.
  std::uint32_t Corner(const char* name) const {
    RedrawWindow(HandleOf(name), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    return testing::ScreenPixels(HandleOf(name)).Colour(0, 0);
  }
};

TEST_F(TextPageTest, StoredBorderAndReadingOrderReachTheWindowStyles) {
  struct Row {
    const char* name;
    bool edge, leftBar, rtlReading;
  };
  const Row rows[] = {
      {"EditBorder", true, false, false},         {"EditNoBorder", false, false, false},
      {"EditNoBorderOff", false, false, false},   {"EditLeft", true, true, true},
      {"MemoBoth", true, false, false},           {"MemoLeft", true, true, true},
      {"ComboDropDownLeft", false, true, true},   {"ComboSimpleLeft", false, true, true},
      {"ComboDropDown", false, false, false},
  };
  for (const Row& row : rows) {
    const LONG_PTR ex = ExStyle(row.name);
    if (std::string(row.name).rfind("Combo", 0) != 0) {
      EXPECT_EQ((ex & WS_EX_CLIENTEDGE) != 0, row.edge) << row.name;
    }
    EXPECT_EQ((ex & WS_EX_LEFTSCROLLBAR) != 0, row.leftBar) << row.name;
    EXPECT_EQ((ex & WS_EX_RTLREADING) != 0, row.rtlReading) << row.name;
    EXPECT_EQ(ex & WS_EX_RIGHT, 0) << row.name;  // bdRightToLeftNoAlign keeps the alignment
  }
  // Changed on the live window: the frame follows at once.
  auto& edit = Ref(Find<TEdit>("EditBorder"));
  edit.SetBorderStyle(TBorderStyle::None);
  edit.SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(ExStyle("EditBorder") & (WS_EX_CLIENTEDGE | WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR),
            WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
  RECT client{}, window{};
  GetClientRect(HandleOf("EditBorder"), &client);
  GetWindowRect(HandleOf("EditBorder"), &window);
  EXPECT_EQ(client.right, window.right - window.left);
  edit.SetBorderStyle(TBorderStyle::Single);
  edit.SetBiDiMode(bdLeftToRight);
  EXPECT_EQ(ExStyle("EditBorder") & (WS_EX_CLIENTEDGE | WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR),
            WS_EX_CLIENTEDGE);
}

TEST_F(TextPageTest, BorderlessControlsGetNoSkinnedFrameAndLeftBarsAreSkinnedOnTheLeft) {
  const COLORREF shadow = Colour(kColourButtonShadow);
  EXPECT_EQ(Corner("EditBorder"), shadow);
  EXPECT_NE(Corner("EditNoBorder"), shadow);
  EXPECT_NE(Corner("EditNoBorderOff"), shadow);
  // The memo's skinned vertical bar covers the native one, on its left.
  auto& right = Ref(PageSkinner<TSkinScrollbar>("MemoBoth"));
  auto& left = Ref(PageSkinner<TSkinScrollbar>("MemoLeft"));
  ASSERT_TRUE(Ref(right.VertBar()).Visible());
  ASSERT_TRUE(Ref(left.VertBar()).Visible());
  RECT memo{};
  GetClientRect(HandleOf("MemoLeft"), &memo);
  EXPECT_GT(right.VertBar()->BarRect().left, memo.right / 2);
  EXPECT_LT(left.VertBar()->BarRect().left, memo.right / 2);
  // A drop-down combo box's skinned button covers the box's own button, on whichever side the
  // system put it (Wine keeps it at the right whatever the style says).
  for (const char* name : {"ComboDropDownLeft", "ComboDropDown", "ComboDropDownList"}) {
    PaintedPixels(HandleOf(name));
    auto& skinner = Ref(PageSkinner<TSkinComBox>(name));
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(HandleOf(name), &info));
    RECT box{}, overlap{};
    GetClientRect(HandleOf(name), &box);
    const bool nativeLeft = info.rcButton.left < box.right / 2;
    EXPECT_EQ(skinner.LeftHanded(), nativeLeft && std::string(name) == "ComboDropDownLeft") << name;
    EXPECT_TRUE(IntersectRect(&overlap, &skinner.ButtonRect(), &info.rcButton)) << name;
    EXPECT_EQ(skinner.ButtonRect().left < box.right / 2, nativeLeft) << name;
  }
}

TEST_F(TextPageTest, AnEditUnderTheMouseIsHotUntilTheMouseLeaves) {
  const HWND edit = HandleOf("EditBorder");
  auto& skinner = Ref(PageSkinner<TSkinEdit>("EditBorder"));
  const COLORREF shadow = Colour(kColourButtonShadow), hot = Colour(kColourHilight);
  ASSERT_NE(shadow, hot);
  EXPECT_FALSE(skinner.Hot());
  SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  EXPECT_TRUE(skinner.Hot());
  EXPECT_EQ(Corner("EditBorder"), hot);
  SendMessageW(edit, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(skinner.Hot());
  EXPECT_EQ(Corner("EditBorder"), shadow);
  // A disabled edit stays as it is; an edit switched off while hot drops its hot look.
  SendMessageW(HandleOf("EditBorderOff"), WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  EXPECT_FALSE(Ref(PageSkinner<TSkinEdit>("EditBorderOff")).Hot());
  EXPECT_EQ(Corner("EditBorderOff"), shadow);
  SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  Ref(Find<TEdit>("EditBorder")).SetEnabled(false);
  PumpPending();
  EXPECT_FALSE(skinner.Hot());
  EXPECT_EQ(Corner("EditBorder"), shadow);
}

TEST_F(TextPageTest, ADisabledComboBoxNeverShowsPressedOrHot) {
  for (const char* name : {"ComboDropDownOff", "ComboDropDownListOff", "ComboDropDownLeftOff"}) {
    const HWND combo = HandleOf(name);
    auto& skinner = Ref(PageSkinner<TSkinComBox>(name));
    PaintedPixels(combo);
    const RECT b = skinner.ButtonRect();
    const LPARAM at = MAKELPARAM((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    SendMessageW(combo, WM_MOUSEMOVE, 0, at);
    PaintedPixels(combo);
    EXPECT_EQ(skinner.LastFrame(), 3) << name << " hot";
    SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PaintedPixels(combo);
    EXPECT_EQ(skinner.LastFrame(), 3) << name << " pressed";
    SendMessageW(combo, WM_LBUTTONUP, 0, at);
  }
  // The enabled twin does show the press.
  const HWND combo = HandleOf("ComboDropDownList");
  auto& skinner = Ref(PageSkinner<TSkinComBox>("ComboDropDownList"));
  PaintedPixels(combo);
  const RECT b = skinner.ButtonRect();
  SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((b.left + b.right) / 2, (b.top + b.bottom) / 2));
  PaintedPixels(combo);
  EXPECT_EQ(skinner.LastFrame(), 2);
  SendMessageW(combo, WM_LBUTTONUP, 0, MAKELPARAM((b.left + b.right) / 2, (b.top + b.bottom) / 2));
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  PumpPending();
}

class PageChildrenTest : public TextPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    ShowPage(ReadPage("lists.txt", 96));
  }
  // A label filled with `colour` at `bounds` on `parent`.
  TLabel& AddLabel(TWinControl& parent, TColor colour, const TRect& bounds) {
    auto* label = new TLabel(page.get());
    label->SetAutoSize(false);
    label->SetColor(colour);
    label->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    label->SetParent(&parent);
    return *label;
  }
};

TEST_F(PageChildrenTest, WindowlessChildrenOfAPageControlAndOfItsSheetsShowOverThePane) {
  auto& pages = Ref(Find<TPageControl>("PagesTop"));
  auto& sheet = Ref(Find<TTabSheet>("PagesTopSheet1"));
  constexpr COLORREF red = RGB(255, 0, 0), lime = RGB(0, 255, 0);
  // In the tab row right of the tabs, and in the sheet's corner against the pane border.
  AddLabel(pages, static_cast<TColor>(red), {pages.Width() - 24, 2, pages.Width() - 4, 12});
  AddLabel(sheet, static_cast<TColor>(lime), {0, 0, 20, 10});
  RedrawWindow(pages.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT s{};
  GetWindowRect(sheet.Handle(), &s);
  MapWindowPoints(nullptr, pages.Handle(), reinterpret_cast<POINT*>(&s), 2);
  TBitmap shown = testing::ScreenPixels(pages.Handle());
  EXPECT_EQ(shown.Colour(pages.Width() - 14, 7), red);
  EXPECT_EQ(shown.Colour(s.left + 10, s.top + 5), lime);
  // The page control alone painted again (as when a tab turns hot): the sheet's label stays and
  // the pane border around the sheet stays the pane's.
  RedrawWindow(pages.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  shown = testing::ScreenPixels(pages.Handle());
  EXPECT_EQ(shown.Colour(pages.Width() - 14, 7), red);
  EXPECT_EQ(shown.Colour(s.left + 10, s.top + 5), lime);
  EXPECT_NE(shown.Colour(s.left - 1, s.top + 5), lime);
  EXPECT_NE(shown.Colour(s.left + 10, s.top - 1), lime);
}

class ScaledPageTest : public TextPageTest {
 protected:
  void SetUp() override { GalleryPageTest::SetUp(); }
  void LoadScaled(const char* name) { ShowPage(ReadPage(name, 144)); }
  RECT Bounds(const char* name) const {
    RECT r{};
    GetWindowRect(HandleOf(name), &r);
    MapWindowPoints(nullptr, GetParent(HandleOf(name)), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
};

TEST_F(ScaledPageTest, RadioGroupButtonsAreLaidOutInsideTheScaledGroup) {
  LoadScaled("choices.txt");
  for (const char* name : {"RadioGroupOn", "RadioGroupOff"}) {
    auto& group = Ref(Find<TRadioGroup>(name));
    ASSERT_GE(group.ButtonCount(), 3) << name;
    RECT client{};
    GetClientRect(group.Handle(), &client);
    int previousBottom = 0;
    for (int i = 0; i < group.ButtonCount(); ++i) {
      RECT r{};
      GetWindowRect(group.Buttons(i)->Handle(), &r);
      MapWindowPoints(nullptr, group.Handle(), reinterpret_cast<POINT*>(&r), 2);
      EXPECT_GE(r.top, 24) << name << " button " << i << " below the caption";
      EXPECT_LE(r.bottom, client.bottom) << name << " button " << i << " inside the group";
      EXPECT_LE(r.right, client.right) << name << " button " << i;
      EXPECT_GE(r.top, previousBottom) << name << " button " << i << " after the one above";
      EXPECT_EQ(r.bottom - r.top, 26) << name << " button " << i << " 17 pixels scaled";
      previousBottom = r.bottom;
    }
  }
}

TEST_F(ScaledPageTest, UpDownsGrowAndStayDockedToTheirEdits) {
  LoadScaled("text.txt");
  for (auto [upDown, edit] : {std::pair{"UpDown", "EditUpDown"}, std::pair{"UpDownOff", "EditUpDownOff"}}) {
    const RECT u = Bounds(upDown), e = Bounds(edit);
    EXPECT_EQ(u.left, e.right) << upDown;
    EXPECT_EQ(u.top, e.top) << upDown;
    EXPECT_EQ(u.bottom, e.bottom) << upDown;
    EXPECT_EQ(u.right - u.left, 24) << upDown << " 16 pixels scaled";
    EXPECT_EQ(Ref(Find<TUpDown>(upDown)).Associate(), Find<TWinControl>(edit));
  }
  // The number shown in the edit is the up-down's.
  SendMessageW(HandleOf("UpDown"), UDM_SETPOS32, 0, 43);
  EXPECT_EQ(testing::TextOf(HandleOf("EditUpDown")), L"43");
  // The skinned halves cover the whole scaled up-down.
  PaintedPixels(HandleOf("UpDown"));
  const RECT drawn = Ref(PageSkinner<TSkinUpDown>("UpDown")).LastDrawRect();
  EXPECT_EQ(drawn.bottom - drawn.top, Bounds("UpDown").bottom - Bounds("UpDown").top);
}

TEST_F(ScaledPageTest, FreeStandingUpDownsTakeTheirScaledSize) {
  LoadScaled("ranges.txt");
  const RECT v = Bounds("UpDownVertical"), h = Bounds("UpDownHorizontal");
  EXPECT_EQ(v.right - v.left, 26);  // 17 x 25 at 96 DPI
  EXPECT_EQ(v.bottom - v.top, 38);
  EXPECT_EQ(h.right - h.left, 50);  // 33 x 17
  EXPECT_EQ(h.bottom - h.top, 26);
}

}  // namespace
}  // namespace varnelta
