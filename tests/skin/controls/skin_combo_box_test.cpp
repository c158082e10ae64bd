// The combo box skinner and the container skinner on the main window: which controls answer the
// skinned probe, the drop-down button's frames and place, the drag of the drop-down list's thumb
// as a state of the ordinary message loop (ended by the release, by losing the capture, by
// Escape; WM_QUIT still reaches the loop), and the status bar's recolouring given back.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "runtime/std_controls.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/data/win32/skin_platform.h"
#include "tests/skin/controls/control_test_util.h"

namespace varnelta {
namespace {

using testing::MainWindowTest;
using testing::PaintedPixels;
using testing::PumpPending;

class SkinComboBoxTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    combo = form->ComboBox1->Handle();
    skinner = SkinnerOf<TSkinComBox>(combo);
    ASSERT_NE(skinner, nullptr);
  }
  int FrameNow() {
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return skinner->LastFrame();
  }
  HWND combo = nullptr;
  TSkinComBox* skinner = nullptr;
};

TEST_F(SkinComboBoxTest, ProbeMatrixOfTheMainWindow) {
  for (TWinControl* c : std::initializer_list<TWinControl*>{form->Button1, form->Button2, form->Memo1, form->Memo2,
                                                            form->ComboBox1}) {
    EXPECT_EQ(SendMessageW(c->Handle(), 0x3523, 0, 0), 1) << c->Name();
  }
  ASSERT_NE(skinner->DropSkinner(), nullptr);
  EXPECT_EQ(SendMessageW(skinner->DropSkinner()->Handle(), 0x3523, 0, 0), 1);
  auto* bar = dynamic_cast<TWinControl*>(form->FindComponent("RzStatusBar1"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(SendMessageW(bar->Handle(), 0x3523, 0, 0), 0);
  EXPECT_NE(SkinnerOf<TSkinBox>(bar->Handle()), nullptr);
}

TEST_F(SkinComboBoxTest, ButtonFramesFollowHotFocusAndDisabledAndTheTextStays) {
  SetFocus(form->Memo1->Handle());
  PumpPending();
  EXPECT_EQ(FrameNow(), 1);
  const RECT b = skinner->ButtonRect();
  RECT client{};
  GetClientRect(combo, &client);
  EXPECT_EQ(b.right, client.right - 2);  // inside the two rings
  EXPECT_GT(b.right - b.left, 8);
  SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM((b.left + b.right) / 2, (b.top + b.bottom) / 2));
  EXPECT_EQ(skinner->LastFrame(), 4);
  SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(skinner->LastFrame(), 1);
  SetFocus(combo);
  PumpPending();
  EXPECT_EQ(FrameNow(), 4);
  SetFocus(form->Memo1->Handle());
  form->ComboBox1->SetEnabled(false);
  PumpPending();
  EXPECT_EQ(FrameNow(), 3);
  form->ComboBox1->SetEnabled(true);
  EXPECT_EQ(testing::TextOf(combo), form->ComboBox1->GetText());
}

// Records the scroll messages the drop-down list receives.
struct ScrollRecorder {
  static inline std::vector<std::pair<int, int>> seen;
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (m == WM_VSCROLL) seen.emplace_back(LOWORD(wp), HIWORD(wp));
    return DefSubclassProc(w, m, wp, lp);
  }
};

class ComboDragTest : public SkinComboBoxTest {
 protected:
  void SetUp() override {
    SkinComboBoxTest::SetUp();
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < 30; ++i) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(i).c_str()));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PumpPending();
    ASSERT_NE(skinner->DropSkinner(), nullptr);
    list = skinner->DropSkinner()->Handle();
    ASSERT_TRUE(IsWindowVisible(list));
    // Eight rows shown of thirty: the list scrolls.
    RECT r{};
    GetWindowRect(list, &r);
    const int row = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(list, nullptr, 0, 0, r.right - r.left, 8 * row + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpPending();
    ASSERT_GT(LastPage(), 0);
    ScrollRecorder::seen.clear();
    SetWindowSubclass(list, &ScrollRecorder::Proc, 77, 0);
  }
  void TearDown() override {
    RemoveWindowSubclass(list, &ScrollRecorder::Proc, 77);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    SkinComboBoxTest::TearDown();
  }
  // Presses on the thumb of the list's bar; the point pressed (screen).
  POINT PressThumb() {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &info));
    const POINT p{(info.rcScrollBar.left + info.rcScrollBar.right) / 2,
                  info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
    SetCursorPos(p.x, p.y);
    SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(p.x, p.y));
    return p;
  }
  int LastPage() const {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(list, SB_VERT, &si);
    return si.nMax - static_cast<int>(si.nPage) + 1;
  }
  HWND list = nullptr;
};

TEST_F(ComboDragTest, ListBarIsPaintedAndADragStopsAtTheLastPageThenPositionAndEnd) {
  const TBitmap before = testing::ScreenPixels(list);
  EXPECT_GT(before.Width(), 0);
  const POINT p = PressThumb();
  ASSERT_TRUE(skinner->DropSkinner()->Dragging());
  POINT below{p.x, p.y + 2000};
  ScreenToClient(list, &below);
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(below.x, below.y));
  SendMessageW(list, WM_LBUTTONUP, 0, 0);
  PumpPending();
  EXPECT_FALSE(skinner->DropSkinner()->Dragging());
  ASSERT_GE(ScrollRecorder::seen.size(), 3u);
  const auto n = ScrollRecorder::seen.size();
  EXPECT_EQ(ScrollRecorder::seen[n - 3], std::make_pair(int(SB_THUMBTRACK), LastPage()));
  EXPECT_EQ(ScrollRecorder::seen[n - 2], std::make_pair(int(SB_THUMBPOSITION), LastPage()));
  EXPECT_EQ(ScrollRecorder::seen[n - 1].first, SB_ENDSCROLL);
}

TEST_F(ComboDragTest, LosingTheCaptureOrEscapeEndsTheDragTheSameWay) {
  for (const bool escape : {false, true}) {
    ScrollRecorder::seen.clear();
    PressThumb();
    ASSERT_TRUE(skinner->DropSkinner()->Dragging());
    if (escape) {
      SendMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0);
    } else {
      SendMessageW(list, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(form->Handle()));
    }
    PumpPending();
    EXPECT_FALSE(skinner->DropSkinner()->Dragging()) << escape;
    ASSERT_GE(ScrollRecorder::seen.size(), 2u) << escape;
    EXPECT_EQ(ScrollRecorder::seen.back().first, SB_ENDSCROLL) << escape;
    EXPECT_EQ(ScrollRecorder::seen[ScrollRecorder::seen.size() - 2].first, SB_THUMBPOSITION) << escape;
    if (!escape) SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  }
}

TEST_F(ComboDragTest, QuitPostedDuringTheDragStillEndsTheLoop) {
  PressThumb();
  ASSERT_TRUE(skinner->DropSkinner()->Dragging());
  PostQuitMessage(7);
  MSG msg{};
  int loops = 0;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0 && ++loops < 100000) DispatchMessageW(&msg);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  SendMessageW(list, WM_LBUTTONUP, 0, 0);
}

// A system without GetComboBoxInfo.
class NoComboInfo : public TSystemPlatform {
 public:
  bool HasComboBoxInfo() const override { return false; }
  BOOL GetComboBoxInfo(HWND, COMBOBOXINFO*) const override { return FALSE; }
};

TEST_F(SkinComboBoxTest, WithoutComboBoxInformationNoListSkinnerAndTheBoxStillWorks) {
  NoComboInfo platform;
  SetSkinPlatform(&platform);
  auto* extra = new TComboBox(form.get());
  extra->SetParent(form.get());
  extra->SetBounds(300, 10, 120, 24);
  TSkinComBox s;
  s.Start(Frame(), form->SkinData1, extra, extra->Handle(), false, nullptr);
  EXPECT_EQ(s.State(), scsAttached);
  EXPECT_EQ(s.DropSkinner(), nullptr);
  SendMessageW(extra->Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"迅雷"));
  SendMessageW(extra->Handle(), CB_SETCURSEL, 0, 0);
  RedrawWindow(extra->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(testing::TextOf(extra->Handle()), L"迅雷");
  SetSkinPlatform(nullptr);
  s.Unhook();
  delete extra;
}

TEST_F(SkinComboBoxTest, StatusBarTakesTheFaceColourAndGetsItsOwnBackOnDetach) {
  auto* bar = dynamic_cast<TWinControl*>(form->FindComponent("RzStatusBar1"));
  ASSERT_NE(bar, nullptr);
  auto* box = SkinnerOf<TSkinBox>(bar->Handle());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(bar->Color(), Skin().Colours[kColourButtonFace]);
  box->Unhook();
  box->Detach();
  EXPECT_NE(bar->Color(), Skin().Colours[kColourButtonFace]);
  EXPECT_EQ(box->State(), scsDetached);
}

}  // namespace
}  // namespace varnelta
