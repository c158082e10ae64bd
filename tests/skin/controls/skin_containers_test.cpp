// The container skinners on plain windows: a group box's rounded frame and caption (right-aligned
// 8 pixels from the right with WS_EX_RIGHT), and a plain container's face-coloured background and
// static children.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/controls/skin_box_h.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_status_bar.h"
#include "tests/skin/controls/control_test_util.h"

namespace varnelta {
namespace {

using testing::MainWindowTest;
using testing::PumpPending;

class SkinContainersTest : public MainWindowTest {
 protected:
  HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle) {
    HWND h = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 320, 40, 160, 80, form->Handle(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return h;
  }
};

TEST_F(SkinContainersTest, GroupBoxCaptionSitsEightPixelsFromItsSideAndTheFrameIsShadow) {
  for (const bool right : {false, true}) {
    HWND box = Child(L"BUTTON", L"分组", BS_GROUPBOX, right ? WS_EX_RIGHT : 0);
    TSkinGroupBox s;
    s.Start(Frame(), form->SkinData1, nullptr, box, false, nullptr);
    ASSERT_EQ(s.State(), scsAttached);
    EXPECT_EQ(SendMessageW(box, 0x3523, 0, 0), 1);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    const TBitmap pixels = testing::ScreenPixels(box);
    if (right) {
      EXPECT_EQ(s.CaptionRect().right, 160 - 8);
    } else {
      EXPECT_EQ(s.CaptionRect().left, 8);
    }
    EXPECT_GT(s.CaptionRect().right - s.CaptionRect().left, 10);
    EXPECT_EQ(pixels.Colour(1, 50), ColorToRGB(Skin().Colours[kColourButtonShadow])) << right;
    EXPECT_EQ(pixels.Colour(80, 78), ColorToRGB(Skin().Colours[kColourButtonShadow])) << right;
    s.Unhook();
    DestroyWindow(box);
  }
}

TEST_F(SkinContainersTest, PlainContainerPaintsItsBackgroundAndStaticsInTheFaceColour) {
  HWND box = Child(L"STATIC", L"", SS_NOTIFY, 0);
  TSkinBoxH s;
  s.Start(Frame(), form->SkinData1, nullptr, box, false, nullptr);
  const COLORREF face = ColorToRGB(Skin().Colours[kColourButtonFace]);
  TDibSection section(160, 80);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, section.Handle());
  SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0));
  LOGBRUSH logBrush{};
  ASSERT_TRUE(GetObjectW(brush, sizeof(logBrush), &logBrush));
  EXPECT_EQ(logBrush.lbColor, face);
  EXPECT_EQ(GetBkColor(dc), face);
  // The same brush each time while the colour stays.
  EXPECT_EQ(reinterpret_cast<HBRUSH>(SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0)), brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  const TBitmap pixels = section.ToBitmap();
  EXPECT_EQ(pixels.Colour(0, 0), face);
  EXPECT_EQ(pixels.Colour(159, 79), face);
  s.Unhook();
  DestroyWindow(box);
}

TEST_F(SkinContainersTest, CommonStatusBarWithoutEdgePictureShowsThreeDFramesPerPanelAndSimpleText) {
  TSkinData plain(nullptr);  // no StatusBarEdges picture
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (const bool simple : {false, true}) {
    HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, form->Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!simple) {
      int edges[] = {120, 260, -1};
      SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
      SendMessageW(bar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"就绪"));
    } else {
      SendMessageW(bar, SB_SIMPLE, TRUE, 0);
      SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"简单"));
    }
    TSkinStatusBar s;
    s.Start(Frame(), &plain, nullptr, bar, false, nullptr);
    ASSERT_EQ(s.State(), scsAttached);
    const TBitmap pixels = testing::PaintedPixels(bar);
    const int h = pixels.Height();
    if (simple) {
      EXPECT_EQ(pixels.Colour(0, 0), shadow);
      EXPECT_EQ(pixels.Colour(pixels.Width() - 1, h - 1), light);
    } else {
      for (int i = 0; i < 3; ++i) {
        RECT r{};
        SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(pixels.Colour(r.left, r.top + 1), shadow) << i;
        EXPECT_EQ(pixels.Colour(r.left + 3, r.bottom - 1), light) << i;
      }
    }
    // The text is drawn: dark pixels inside the first text panel.
    int dark = 0;
    const int from = simple ? 2 : 122;
    for (int y = 2; y < h - 2; ++y) {
      for (int x = from; x < from + 40; ++x) dark += (pixels.Colour(x, y) & 0xFF) < 0x60;
    }
    EXPECT_GT(dark, 5) << simple;
    s.Unhook();
    DestroyWindow(bar);
  }
}

}  // namespace
}  // namespace varnelta
