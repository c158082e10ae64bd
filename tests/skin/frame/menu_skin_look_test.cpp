// Pictures of the skinned menus to look at, and their timing figures; both only on request
// (VARNELTA_MENU_SHOTS, VARNELTA_MENU_TIMING), so an ordinary test run skips them.
#include "tests/skin/frame/menu_skin_fixture.h"

namespace varnelta::testing_menus {
namespace {

// Pictures to look at (written only when VARNELTA_MENU_SHOTS names a folder): the bar active and
// inactive, an open drop-down, the system menu.
TEST_F(MenuSkinTest, ShotsToLookAt) {
  const char* folder = std::getenv("VARNELTA_MENU_SHOTS");
  if (!folder) GTEST_SKIP() << "VARNELTA_MENU_SHOTS is not set";
  const std::string dir(folder);
  RECT window{};
  GetWindowRect(page->Handle(), &window);
  ScreenPixels(page->Handle()).SaveToFile(dir + "/bar_active.bmp");
  SetForegroundWindow(main->Handle());
  PumpUntil([] { return false; }, 300);
  ScreenPixels(page->Handle()).SaveToFile(dir + "/bar_inactive.bmp");
  SetForegroundWindow(page->Handle());
  PumpUntil([] { return false; }, 300);
  int ticks = 0;
  OpenByMessage(1, [&] {
    HWND menu = VisibleMenuWindow();
    if (!menu || ++ticks < 4) return false;
    if (ticks == 4) {
      Key(menu, VK_DOWN);
      Key(menu, VK_DOWN);
      return false;
    }
    RECT r{window.left, window.top, window.right + 150, window.bottom + 150};
    ScreenPixels(r).SaveToFile(dir + "/dropdown.bmp");
    Key(menu, VK_ESCAPE);
    return true;
  });
  PumpPending();
  ticks = 0;
  TLoopDriver driver([&] {
    HWND menu = VisibleMenuWindow();
    if (!menu || ++ticks < 4) return false;
    RECT r{};
    GetWindowRect(menu, &r);
    ScreenPixels(r).SaveToFile(dir + "/system_menu.bmp");
    Key(menu, VK_ESCAPE);
    return true;
  });
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  PumpPending();
}

TEST_F(MenuSkinRtlTest, ShotsToLookAt) {
  const char* folder = std::getenv("VARNELTA_MENU_SHOTS");
  if (!folder) GTEST_SKIP() << "VARNELTA_MENU_SHOTS is not set";
  int ticks = 0;
  RECT window{};
  GetWindowRect(page->Handle(), &window);
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    if (!menu || ++ticks < 10) return false;
    RECT r{window.left - 150, window.top, window.right, window.bottom + 150};
    ScreenPixels(r).SaveToFile(std::string(folder) + "/rtl_dropdown.bmp");
    Key(menu, VK_ESCAPE);
    return true;
  });
}

}  // namespace
}  // namespace varnelta::testing_menus

namespace varnelta::testing_menus {
namespace {

double Now() {
  LARGE_INTEGER f{}, c{};
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1e6 / static_cast<double>(f.QuadPart);
}

// Figures (printed only when VARNELTA_MENU_TIMING is set; nothing is asserted on time).
// When the drop-down's first item is drawn: it is visible then.
double* g_shown = nullptr;
LRESULT CALLBACK NoteFirstItemDrawn(int code, WPARAM wParam, LPARAM lParam) {
  const auto* ret = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && ret && ret->message == WM_DRAWITEM && g_shown && *g_shown == 0) *g_shown = Now();
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MenuSkinTest, TimingFigures) {
  if (!std::getenv("VARNELTA_MENU_TIMING")) GTEST_SKIP() << "VARNELTA_MENU_TIMING is not set";
  TWindowDC dc(page->Handle(), true);
  const TRect strip = Bar().BarRect();
  constexpr int kRounds = 500;
  double start = Now();
  for (int i = 0; i < kRounds; ++i) Bar().PaintBar(dc.Get(), strip, true, false);
  std::printf("PaintBar: %.1f us\n", (Now() - start) / kRounds);

  TMenuPaintContext context{main->SkinData1, manager, 96};
  TMenuItemLook look = LookOf(Item("CopyItem"));
  RECT r{0, 0, 180, 20};
  TDibSection target(200, 40);
  TMemoryDC memory(nullptr);
  TSelectObject keep(memory.Get(), target.Handle());
  start = Now();
  for (int i = 0; i < kRounds; ++i) DrawMenuItem(context, look, memory.Get(), (i & 1) != 0, r);
  std::printf("DrawMenuItem: %.1f us per item\n", (Now() - start) / kRounds);

  // A popup menu of 30 items: its non-client paint, through WM_PRINT of the whole window.
  TPopupMenu& popup = Find<TPopupMenu>("PopupMenu1");
  for (int i = 0; i < 26; ++i) {
    auto* extra = new TMenuItem(page.get());
    extra->SetCaption(L"项目 " + std::to_wstring(i));
    popup.Items()->Add(extra);
  }
  double ncPaint = 0;
  TLoopDriver driver([&] {
    HWND menu = VisibleMenuWindow();
    if (!menu) return false;
    RECT w{};
    GetWindowRect(menu, &w);
    const double t0 = Now();
    for (int i = 0; i < 50; ++i) SendMessageW(menu, WM_NCPAINT, 1, 0);
    ncPaint = (Now() - t0) / 50;
    Key(menu, VK_ESCAPE);
    return true;
  });
  popup.Popup(200, 100);
  PumpPending();
  std::printf("popup non-client paint (30 items): %.1f us\n", ncPaint);

  // Click to drop-down visible: from the 0x3518 message to the menu window shown (median of 100).
  std::vector<double> delays;
  RECT window{};
  GetWindowRect(page->Handle(), &window);
  const TRect cell = Bar().Items()[0].Bounds;
  for (int i = 0; i < 100; ++i) {
    double sent = 0;
    TLoopDriver close([&] {
      HWND menu = VisibleMenuWindow();
      if (!menu) return false;
      Key(menu, VK_ESCAPE);
      return true;
    });
    // The drop-down is visible once its first item has been drawn.
    double visibleAt = 0;
    g_shown = &visibleAt;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, NoteFirstItemDrawn, nullptr, GetCurrentThreadId());
    sent = Now();
    SendMessageW(page->Handle(), kMsgMenuBarClick, 0, MAKELPARAM(window.left + cell.Left + 2, window.top + cell.Top + 2));
    if (hook) UnhookWindowsHookEx(hook);
    if (visibleAt > 0) delays.push_back(visibleAt - sent);
    PumpPending();
  }
  std::sort(delays.begin(), delays.end());
  if (!delays.empty()) std::printf("click to drop-down visible: median %.0f us (%zu samples)\n", delays[delays.size() / 2], delays.size());
}

}  // namespace
}  // namespace varnelta::testing_menus
