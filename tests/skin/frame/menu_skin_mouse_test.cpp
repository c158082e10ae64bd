// The skinned bar under the real mouse: posted mouse messages do not drive the system's modal
// menu loop (it reads the cursor), so the pointer of the X display the Wine desktop lives on is
// moved with xdotool, a Linux program Wine starts by its Unix path.
#include "tests/skin/frame/menu_skin_fixture.h"

#include <string>

namespace varnelta::testing_menus {
namespace {

// Moves the display's pointer to a screen point (the Wine desktop covers the display from its
// top left corner); false when xdotool could not be run.
bool MovePointer(POINT p) {
  std::wstring command =
      L"Z:\\usr\\bin\\xdotool mousemove " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  if (pi.hProcess) {
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
  }
  if (pi.hThread) CloseHandle(pi.hThread);
  return true;
}

POINT CentreOf(HWND window, const TRect& cell) {
  RECT w{};
  GetWindowRect(window, &w);
  return {w.left + (cell.Left + cell.Right) / 2, w.top + (cell.Top + cell.Bottom) / 2};
}

// Puts the pointer in the screen's bottom right corner (over no window of the tests) at the end.
struct TPointerParked {
  TPointerParked() = default;
  TPointerParked(const TPointerParked&) = delete;
  TPointerParked& operator=(const TPointerParked&) = delete;
  ~TPointerParked() { MovePointer({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1}); }
};

TEST_F(MenuSkinTest, RealMouseHoversLeavesAndSwitchesDropDowns) {
  const TPointerParked parked;
  HWND window = page->Handle();
  auto state = [&](std::size_t i) { return Bar().Items()[i].ButtonState; };
  // Over the first item: it turns hot.
  ASSERT_TRUE(MovePointer(CentreOf(window, Bar().Items()[0].Bounds))) << "xdotool could not be run";
  EXPECT_TRUE(PumpUntil([&] { return state(0) == frame::bsHot; }, 3000)) << "state " << state(0);
  // Into the client area: no non-client move follows, the leave takes the hot frame away.
  RECT client{};
  GetClientRect(window, &client);
  POINT inside{client.right / 2, client.bottom / 2};
  ClientToScreen(window, &inside);
  ASSERT_TRUE(MovePointer(inside));
  EXPECT_TRUE(PumpUntil([&] { return state(0) == frame::bsNone; }, 3000)) << "state " << state(0);

  // A drop-down open, the pointer moved over the next bar item: its drop-down opens instead.
  ASSERT_TRUE(MovePointer(CentreOf(window, Bar().Items()[0].Bounds)));
  PumpUntil([&] { return state(0) == frame::bsHot; }, 3000);
  std::vector<int> opened;
  bool moved = false;
  OpenByMessage(0, [&] {
    HWND menu = VisibleMenuWindow();
    const auto open = TFrameMenus::OpenItem();
    if (!menu || !open) return false;
    if (opened.empty() || opened.back() != static_cast<int>(*open)) opened.push_back(static_cast<int>(*open));
    if (!moved) {
      if (Hilited(Bar().Items()[0].FSubMenu) < 0) return false;
      moved = MovePointer(CentreOf(window, Bar().Items()[1].Bounds));
      return false;
    }
    if (*open != 1) return false;
    Key(menu, VK_ESCAPE);
    return true;
  });
  PumpPending();
  EXPECT_EQ(opened, (std::vector<int>{0, 1}));
  EXPECT_FALSE(TFrameMenus::OpenItem().has_value());
}

}  // namespace
}  // namespace varnelta::testing_menus
