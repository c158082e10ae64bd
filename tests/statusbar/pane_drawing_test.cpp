// Pane captions, the bar's background behind them, the marquee's frames and the grip command.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "statusbar/win32/gdi_objects.h"
#include "statusbar/win32/pane_drawing.h"

namespace varnelta::statusbar {
namespace {

constexpr COLORREF kPaper = RGB(200, 200, 200);
constexpr COLORREF kInk = RGB(0, 0, 160);

void Clear(TDibImage& image, COLORREF color) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) image.SetPixelColor(x, y, color);
  }
}

int CountColor(const TDibImage& image, COLORREF color, const RECT& area, bool inside) {
  int n = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const bool in = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
      if (in == inside && image.Pixel(x, y) == color) ++n;
    }
  }
  return n;
}

// A themed bar background whose every column has its own colour, so copies show their offset.
class StripedStyles final : public IVisualStyles {
 public:
  bool active = true;
  int backgrounds = 0;
  bool LibraryAvailable() override { return true; }
  bool Active() override { return active; }
  bool DrawStatusBackground(HDC dc, const RECT& rect) override {
    ++backgrounds;
    for (int x = rect.left; x < rect.right; ++x) {
      const RECT column{x, rect.top, x + 1, rect.bottom};
      SetBkColor(dc, RGB(x & 0xFF, 100, 50));
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &column, nullptr, 0, nullptr);
    }
    return true;
  }
  bool DrawStatusPane(HDC, const RECT&) override { return true; }
  bool DrawGripper(HDC, const RECT&) override { return true; }
  bool DrawStatusText(HDC, const std::wstring&, const RECT&) override { return true; }
  void ThemeChanged() override {}
};

TEST(TextMetrics, MeasuresOnTheScreen) {
  const int before = LiveGdiObjects();
  EXPECT_GT(TextHeightPp(nullptr), 0);
  EXPECT_EQ(CaptionWidth(nullptr, L""), 0);
  const int one = CaptionWidth(nullptr, L"Varnelta");
  EXPECT_GT(one, 0);
  EXPECT_GT(CaptionWidth(nullptr, L"Varnelta Varnelta"), one);
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(PaneCaption, FilledAndClippedToTheInterior) {
  TDibImage pane(80, 19);
  ASSERT_TRUE(pane.Valid());
  Clear(pane, kPaper);
  StripedStyles styles;
  TBarBackgroundImage bar;
  TCaptionDraw caption;
  caption.Text = L"WWWWWWWWWWWWWWWWWWWWWWWW";
  caption.TextColor = kInk;
  caption.Interior = {2, 2, 40, 17};
  caption.Origin = {-10, 3};  // starts left of the interior and runs past its right
  caption.Background = TCaptionBackground::Fill;
  caption.FillColor = RGB(250, 250, 0);
  DrawPaneCaption(pane.DC(), caption, bar, TBarBackground{}, styles);
  EXPECT_GT(CountColor(pane, kInk, caption.Interior, true), 0);
  EXPECT_EQ(CountColor(pane, kInk, caption.Interior, false), 0);
  EXPECT_EQ(pane.Pixel(1, 1), kPaper);
  EXPECT_EQ(pane.Pixel(39, 16), RGB(250, 250, 0));
  EXPECT_EQ(styles.backgrounds, 0);
}

TEST(PaneCaption, ThemedBarBackgroundBehindTheInterior) {
  const int before = LiveGdiObjects();
  {
    TDibImage pane(60, 19);
    ASSERT_TRUE(pane.Valid());
    Clear(pane, kPaper);
    StripedStyles styles;
    TBarBackgroundImage bar;
    TBarBackground background;
    background.BackgroundKind = TBarBackground::Kind::Themed;
    background.BarWidth = 300;
    background.BarHeight = 19;
    TCaptionDraw caption;
    caption.Interior = {2, 2, 58, 17};
    caption.Background = TCaptionBackground::ThemedBar;
    caption.InteriorInBar = {152, 2};  // the pane sits at x = 150 on the bar
    DrawPaneCaption(pane.DC(), caption, bar, background, styles);
    EXPECT_EQ(pane.Pixel(2, 5), RGB(152, 100, 50));
    EXPECT_EQ(pane.Pixel(57, 16), RGB(207, 100, 50));
    EXPECT_EQ(pane.Pixel(1, 5), kPaper);
    DrawPaneCaption(pane.DC(), caption, bar, background, styles);
    EXPECT_EQ(styles.backgrounds, 1);  // the bar's image is kept while it stays the same
    background.BarWidth = 320;
    DrawPaneCaption(pane.DC(), caption, bar, background, styles);
    EXPECT_EQ(styles.backgrounds, 2);
  }
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(MarqueeSurface, RedrawsOnlyTheInteriorAndKeepsItsImage) {
  const int before = LiveGdiObjects();
  {
    TDibImage pane(120, 19);
    ASSERT_TRUE(pane.Valid());
    Clear(pane, kPaper);
    StripedStyles styles;
    TBarBackgroundImage bar;
    TMarqueeSurface surface;
    TMarqueeSurface::Frame frame;
    frame.Text = L"Varnelta";
    frame.TextColor = kInk;
    frame.ImageSize = {116, 15};
    frame.ImageOrigin = {2, 2};
    frame.FillColor = RGB(10, 200, 10);
    frame.TextOrigin = {100, 1};
    surface.Draw(pane.DC(), frame, bar, TBarBackground{}, styles);
    const RECT interior{2, 2, 118, 17};
    EXPECT_EQ(CountColor(pane, kPaper, interior, true), 0);
    EXPECT_EQ(CountColor(pane, kPaper, interior, false), 120 * 19 - 116 * 15);
    EXPECT_GT(CountColor(pane, kInk, RECT{102, 2, 118, 17}, true), 0);
    EXPECT_EQ(CountColor(pane, kInk, RECT{2, 2, 102, 17}, true), 0);
    const int withImage = LiveGdiObjects();
    for (int step = 2; step < 50; ++step) {
      frame.TextOrigin.x = 120 - step;
      surface.Draw(pane.DC(), frame, bar, TBarBackground{}, styles);
    }
    EXPECT_EQ(LiveGdiObjects(), withImage);  // one image for every frame
    EXPECT_EQ(CountColor(pane, kPaper, interior, false), 120 * 19 - 116 * 15);
    frame.FromBar = true;
    frame.ImageInBar = {152, 2};
    TBarBackground gradient;
    gradient.BackgroundKind = TBarBackground::Kind::Gradient;
    gradient.BarWidth = 300;
    gradient.BarHeight = 19;
    gradient.GradientRect = {0, 0, 300, 19};
    gradient.Gradient = {RGB(255, 255, 255), RGB(0, 0, 0)};
    gradient.Direction = gdVerticalEnd;
    frame.Text.clear();
    surface.Draw(pane.DC(), frame, bar, gradient, styles);
    EXPECT_GT(GetRValue(pane.Pixel(2, 5)), GetRValue(pane.Pixel(117, 5)));
    EXPECT_EQ(styles.backgrounds, 0);
  }
  EXPECT_EQ(LiveGdiObjects(), before);
}

WPARAM g_command = 0;
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND) {
    g_command = wParam;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(SizeGripCommand, SizesFromTheBottomRightCorner) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VarneltaGripTestForm";
  ASSERT_NE(RegisterClassW(&wc), 0);
  HWND form = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(form, nullptr);
  SetCapture(form);
  StartSizingFromGrip(form);
  EXPECT_EQ(g_command, static_cast<WPARAM>(0xF008));
  EXPECT_EQ(GetCapture(), nullptr);
  DestroyWindow(form);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

}  // namespace
}  // namespace varnelta::statusbar
