// The main window skinned under the system version Wine reports for this program (set per run
// by skin_version_test.sh): no crash, the platform family as the system reports it, and the
// window text read right on either text path (a Chinese caption through the ANSI code page on
// the 95 family), and a skinned button's Chinese caption drawn as wide as the text itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/dib_section.h"
#include "runtime/std_controls.h"
#include "runtime/win_handles.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/win_skin_form.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

// The items of the open menu, read from a timer inside the menu's own loop, which then ends it.
std::vector<std::wstring> g_items;
void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (!popup || !g_items.empty()) return;
  auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, 0x01E1 /* MN_GETHMENU */, 0, 0));
  for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
    wchar_t text[80] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 80, MF_BYPOSITION);
    g_items.push_back(text);
  }
  EndMenu();
}

TEST(SkinVersionTest, MainWindowSkinsAndReadsItsCaption) {
  Application().Initialize();
  auto form = std::make_unique<TForm1>(nullptr);
  form->Show();
  TSkinManage* manager = TSkinManage::Current();
  ASSERT_NE(manager, nullptr);
  ASSERT_TRUE(testing::PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) != nullptr; }));
  ASSERT_TRUE(testing::PumpUntil([&] { return manager->FindFormSkinner(form->Handle())->State() == fsRunning; }));

  const char* family = std::getenv("VARNELTA_EXPECT_FAMILY");
  const TPlatformVersion& version = RecordedVersion();
  std::printf("version %lu.%lu, %s family\n", version.Major, version.Minor, version.IsNT ? "NT" : "95");
  if (family) {
    EXPECT_EQ(version.IsNT, std::string(family) == "nt");
  }

  // The skinned system menu (Alt+Space): the fixed menu on NT 4, a copy of the window's system
  // menu elsewhere.
  g_items.clear();
  UINT_PTR timer = SetTimer(nullptr, 0, 20, &ReadOpenMenu);
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  KillTimer(nullptr, timer);
  if (version.IsNT && version.Major < 5) {
    EXPECT_EQ(g_items, (std::vector<std::wstring>{L" Restore ", L" Minimize ", L"", L" Close \tALT+F4"}));
  } else {
    EXPECT_EQ(static_cast<int>(g_items.size()), GetMenuItemCount(GetSystemMenu(form->Handle(), FALSE)));
  }

  // The active frame as painted, for the script to compare between versions: the 95 family's
  // transparent drawing must give the same pixels as the NT family's.
  if (const char* shot = std::getenv("VARNELTA_FRAME_SHOT")) {
    SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    TDibSection section(r.right - r.left, r.bottom - r.top);
    TMemoryDC dc;
    {
      TSelectObject select(dc.Get(), section.Handle());
      SendMessageW(form->Handle(), 0xBC4B, reinterpret_cast<WPARAM>(dc.Get()), 0x41A2);
    }
    EXPECT_TRUE(section.ToBitmap().SaveToFile(shot));
  }

  const std::wstring caption = L"转换 迅雷链接 Varnelta";
  SetWindowTextW(form->Handle(), caption.c_str());
  EXPECT_EQ(GetWindowTextAsWide(form->Handle()), caption);
  EXPECT_EQ(SendMessageW(form->Handle(), 0x3523, 0, 0), 1);

  // A skinned button's Chinese caption, drawn through the ANSI path on the 95 family: its ink
  // spans the width of the text itself (question marks for characters lost in a conversion
  // would be narrower).
  HWND button = form->Button1->Handle();
  const std::wstring label = L"迅雷下载";
  form->Button1->SetCaption(label);
  SetFocus(form->Memo1->Handle());  // no focus rectangle around the caption
  EXPECT_EQ(GetWindowTextAsWide(button), label);
  RECT r{};
  GetWindowRect(button, &r);
  TDibSection section(r.right - r.left, r.bottom - r.top);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, section.Handle());
  SendMessageW(button, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  HGDIOBJ oldFont = SelectObject(dc, form->Button1->Font()->Handle());
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, label.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  SelectObject(dc, old);
  DeleteDC(dc);
  const TBitmap pixels = section.ToBitmap();
  int first = pixels.Width(), last = -1;
  for (int y = 4; y < pixels.Height() - 4; ++y) {
    for (int x = 4; x < pixels.Width() - 4; ++x) {
      if ((pixels.Colour(x, y) & 0xFF) < 0x50) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  ASSERT_GE(last, first);
  EXPECT_NEAR(last - first + 1, measured.right, 3);
  form.reset();
  DestroySkinManager();
}

}  // namespace
}  // namespace varnelta
