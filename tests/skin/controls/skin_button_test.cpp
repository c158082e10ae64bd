// The push button skinner on the main window's two buttons and on a message box's button, under
// the window system: frames by state with the skin's pixels, hot tracking, the generated click
// (exactly one per press and release inside, per BM_CLICK and per Space), disabled, switching
// skinning off and on, text, a skin without a Buttons picture, and a destroyed button.
#include <gtest/gtest.h>

#include "runtime/handle_count.h"
#include "runtime/std_controls.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/skin_button.h"
#include "skin/data/skin_types.h"
#include "tests/skin/controls/control_test_util.h"

namespace varnelta {
namespace {

using testing::MainWindowTest;
using testing::PaintedPixels;
using testing::PumpPending;
using testing::PumpUntil;

// The colour a skinned button shows at its top left corner in `frame`: the picture's cell
// corner, or the face colour where the picture is magenta.
TColor CornerColour(const TSkinElements& skin, int frame) {
  const TDataSkinButton& b = *skin.Buttons;
  const int cell = b.Image.Width() / (b.FrameCount > 0 ? b.FrameCount : 5);
  const TColor c = b.Image.Colour(cell * (frame - 1), 0);
  return c == clFuchsia && b.Trans == 1 ? ColorToRGB(skin.Colours[kColourButtonFace]) : c;
}

class SkinButtonTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    form->Button1->OnClick = TNotifyEvent{"", [this](TComponent*) { ++clicks; }};
    button = form->Button1->Handle();
    skinner = SkinnerOf<TSkinButton>(button);
    ASSERT_NE(skinner, nullptr);
  }
  int FrameNow() {
    PaintedPixels(button);
    return skinner->LastFrame();
  }
  void PointAt(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  int clicks = 0;
  HWND button = nullptr;
  TSkinButton* skinner = nullptr;
};

TEST_F(SkinButtonTest, BothButtonsStartInTheirFramesWithTheSkinsCornerPixels) {
  for (TButton* b : {form->Button1, form->Button2}) {
    HWND h = b->Handle();
    auto* s = SkinnerOf<TSkinButton>(h);
    ASSERT_NE(s, nullptr) << b->Name();
    EXPECT_EQ(SendMessageW(h, 0x3523, 0, 0), 1);
    const TBitmap pixels = PaintedPixels(h);
    const int expected = GetFocus() == h || b->Default() ? bfFocused : bfNormal;
    EXPECT_EQ(s->LastFrame(), expected) << b->Name();
    EXPECT_EQ(pixels.Colour(0, 0), CornerColour(Skin(), expected)) << b->Name();
    EXPECT_EQ(pixels.Colour(pixels.Width() - 1, pixels.Height() - 1), CornerColour(Skin(), expected));
  }
}

TEST_F(SkinButtonTest, HotOnMouseMoveBackOnLeaveAndPressedMovesTheFocus) {
  SetFocus(form->Memo1->Handle());
  PumpPending();
  EXPECT_EQ(FrameNow(), bfNormal);
  PointAt(button);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(skinner->LastFrame(), bfHot);
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(skinner->LastFrame(), bfNormal);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(skinner->LastFrame(), bfPressed);
  EXPECT_EQ(GetFocus(), button);
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(FrameNow(), bfFocused);
}

TEST_F(SkinButtonTest, ExactlyOneClickPerPressInsideBmClickAndSpaceNoneWhenLeft) {
  struct Case {
    const char* name;
    std::vector<UINT> messages;
    int clicks;
  } cases[] = {
      {"press-release", {WM_LBUTTONDOWN, WM_LBUTTONUP}, 1},
      {"press-leave-release", {WM_LBUTTONDOWN, WM_MOUSELEAVE, WM_LBUTTONUP}, 0},
      {"double click", {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}, 2},
      {"release only", {WM_LBUTTONUP}, 0},
      {"BM_CLICK", {BM_CLICK}, 1},
      {"Space", {WM_KEYDOWN, WM_KEYUP}, 1},
  };
  for (const Case& c : cases) {
    clicks = 0;
    for (UINT m : c.messages) {
      const bool key = m == WM_KEYDOWN || m == WM_KEYUP;
      SendMessageW(button, m, key ? VK_SPACE : (m == WM_LBUTTONUP ? 0 : MK_LBUTTON),
                   key ? 0x00390001 : MAKELPARAM(5, 5));
    }
    PumpPending();
    EXPECT_EQ(clicks, c.clicks) << c.name;
    EXPECT_EQ(skinner->MouseState() & kMousePressed, 0) << c.name;
  }
}

TEST_F(SkinButtonTest, DisabledWinsOverAllWithShadowText) {
  form->Button1->SetEnabled(false);
  PumpPending();
  PointAt(button);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  const TBitmap pixels = PaintedPixels(button);
  EXPECT_EQ(skinner->LastFrame(), bfDisabled);
  const TColor shadow = GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF;
  int shadowPixels = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = 0; x < pixels.Width(); ++x) shadowPixels += pixels.Colour(x, y) == shadow;
  }
  EXPECT_GT(shadowPixels, 5);
  form->Button1->SetEnabled(true);
}

TEST_F(SkinButtonTest, SwitchedOffPaintsNativelyAndOnAgainSkinned) {
  const TBitmap skinned = PaintedPixels(button);
  SendMessageW(button, 0x3506, 0, 0);
  EXPECT_FALSE(skinner->Active());
  const TBitmap native = PaintedPixels(button);
  EXPECT_NE(native.Colour(0, 0), skinned.Colour(0, 0));
  // Switched off, the press reaches the native button, which clicks by itself.
  clicks = 0;
  SendMessageW(button, BM_CLICK, 0, 0);
  PumpPending();
  EXPECT_EQ(clicks, 1);
  SendMessageW(button, 0x3506, 1, 0);
  EXPECT_TRUE(skinner->Active());
  EXPECT_EQ(PaintedPixels(button).Colour(0, 0), skinned.Colour(0, 0));
}

// The rows of a painted button holding dark caption pixels: first and last.
std::pair<int, int> InkedRows(const TBitmap& pixels) {
  int first = -1, last = -1;
  for (int y = 3; y < pixels.Height() - 3; ++y) {
    for (int x = 6; x < pixels.Width() - 6; ++x) {
      const TColor c = pixels.Colour(x, y);
      if ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) < 300) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
  return {first, last};
}

TEST_F(SkinButtonTest, ChineseTextIsKeptInTheNativeButtonAndTheFirstBarsBreakTheLine) {
  form->Button1->SetBounds(form->Button1->Left(), form->Button1->Top(), 90, 70);
  SetWindowTextW(button, L"上");
  const auto [oneTop, oneBottom] = InkedRows(PaintedPixels(button));
  SetWindowTextW(button, L"上||下||x");
  EXPECT_EQ(testing::TextOf(button), L"上||下||x");
  const auto [twoTop, twoBottom] = InkedRows(PaintedPixels(button));
  ASSERT_GE(oneTop, 0);
  ASSERT_GE(twoTop, 0);
  const int one = oneBottom - oneTop + 1, two = twoBottom - twoTop + 1;
  EXPECT_GT(two, one * 3 / 2);  // two lines
  EXPECT_LT(two, one * 5 / 2);  // not three: the second "||" is drawn as text
}

// Watches for the message box from inside its own loop (a thread timer), looks at its skinned
// OK button and closes the box by a click or by Enter.
struct BoxWatch {
  static inline HWND found = nullptr;
  static inline int frame = 0;
  static inline bool enter = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = testing::FindThreadDialog(GetCurrentThreadId());
    if (!dialog || found) return;
    HWND ok = GetDlgItem(dialog, IDOK);
    if (!ok || SendMessageW(ok, 0x3523, 0, 0) != 1) return;
    found = ok;
    PaintedPixels(ok);
    if (TWinSkinForm* frameSkinner = TSkinManage::Current()->FindFormSkinner(dialog)) {
      for (const auto& s : frameSkinner->Controls()) {
        if (s->Handle() == ok) frame = static_cast<TSkinButton*>(s.get())->LastFrame();
      }
    }
    if (enter) {
      PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      PostMessageW(ok, WM_KEYUP, VK_RETURN, 0xC01C0001);
    } else {
      PostMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      PostMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
  }
};

TEST_F(SkinButtonTest, MessageBoxButtonIsSkinnedDefaultAndClosesByClickAndEnter) {
  for (const bool byEnter : {false, true}) {
    BoxWatch::found = nullptr;
    BoxWatch::frame = 0;
    BoxWatch::enter = byEnter;
    const UINT_PTR watcher = SetTimer(nullptr, 0, 30, &BoxWatch::Tick);
    const int answer = Application().MessageBox(L"内容", L"提示", MB_OK);
    KillTimer(nullptr, watcher);
    ASSERT_NE(BoxWatch::found, nullptr) << byEnter;
    EXPECT_EQ(BoxWatch::frame, bfFocused) << byEnter;
    EXPECT_EQ(answer, IDOK) << byEnter;
  }
}

TEST_F(SkinButtonTest, DestroyedButtonLeavesStateSixAndTheFramePurgesIt) {
  auto* extra = new TButton(form.get());
  extra->SetParent(form.get());
  extra->SetCaption(L"x");
  HWND h = extra->Handle();
  auto made = std::make_unique<TSkinButton>();
  TSkinButton* s = made.get();
  made->Start(Frame(), form->SkinData1, extra, h, false, nullptr);
  Frame()->AddControl(std::move(made));
  EXPECT_EQ(SendMessageW(h, 0x3523, 0, 0), 1);
  delete extra;
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(s->State(), scsWindowDestroyed);
  EXPECT_EQ(s->Handle(), nullptr);
  Frame()->PurgeDestroyed();
  for (const auto& c : Frame()->Controls()) EXPECT_NE(c.get(), static_cast<TSkinControl*>(s));
}

TEST_F(SkinButtonTest, WithoutAButtonsPictureTheSkinnerStandsAside) {
  TSkinData empty(nullptr);
  auto* extra = new TButton(form.get());
  extra->SetParent(form.get());
  extra->SetCaption(L"native");
  TSkinButton s;
  s.Start(Frame(), &empty, extra, extra->Handle(), false, nullptr);
  EXPECT_EQ(s.State(), scsAttached);
  EXPECT_FALSE(s.Active());
  int count = 0;
  extra->OnClick = TNotifyEvent{"", [&](TComponent*) { ++count; }};
  SendMessageW(extra->Handle(), BM_CLICK, 0, 0);
  PumpPending();
  EXPECT_EQ(count, 1);
  EXPECT_EQ(s.LastFrame(), 0);  // never painted
  s.Unhook();
  delete extra;
}

TEST_F(SkinButtonTest, ManyHoverPressCyclesAndSwitchesLeaveEveryCountFlat) {
  // One round first, so buffers of the final size exist.
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  PumpPending();
  std::array<long, static_cast<std::size_t>(THandleKind::Count)> before{};
  for (std::size_t i = 0; i < before.size(); ++i) before[i] = HandleCounter::Live(static_cast<THandleKind>(i));
  const int sections = TDibSection::LiveCount();
  PointAt(button);
  for (int i = 0; i < 1000; ++i) {
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  }
  for (int i = 0; i < 100; ++i) {
    for (TWinControl* c : std::initializer_list<TWinControl*>{form->Button1, form->Button2, form->Memo1, form->ComboBox1}) {
      SendMessageW(c->Handle(), 0x3506, 0, 0);
      SendMessageW(c->Handle(), 0x3506, 1, 0);
    }
  }
  PumpPending();
  EXPECT_EQ(clicks, 1000);
  EXPECT_EQ(TDibSection::LiveCount(), sections);
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_LE(HandleCounter::Live(static_cast<THandleKind>(i)), before[i]) << kHandleKindNames[i];
  }
}

// A system without TrackMouseEvent: no leave notification, the button still works.
class NoTrackMouse : public TSystemPlatform {
 public:
  bool HasTrackMouseEvent() const override { return false; }
  BOOL TrackMouseEvent(TRACKMOUSEEVENT*) const override { return FALSE; }
};

TEST_F(SkinButtonTest, WithoutTrackMouseEventButtonsStillClickAndPaint) {
  NoTrackMouse platform;
  SetSkinPlatform(&platform);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(skinner->LastFrame(), bfHot);
  SendMessageW(button, BM_CLICK, 0, 0);
  PumpPending();
  EXPECT_EQ(clicks, 1);
  SetSkinPlatform(nullptr);
}

}  // namespace
}  // namespace varnelta
