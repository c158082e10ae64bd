// Layout at 144 dots per inch. Wine reads the DPI from its registry when a process starts, so
// the test sets it, runs this executable again for the child test below and puts it back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/form1.h"
#include "runtime/application.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";

class LogPixelsSetting {
 public:
  explicit LogPixelsSetting(DWORD dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    DWORD size = sizeof(old_);
    had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
           ERROR_SUCCESS;
    RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
  }
  LogPixelsSetting(const LogPixelsSetting&) = delete;
  LogPixelsSetting& operator=(const LogPixelsSetting&) = delete;
  ~LogPixelsSetting() {
    if (had_) {
      RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof(old_));
    } else {
      RegDeleteValueW(key_, L"LogPixels");
    }
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  DWORD old_ = 96;
  bool had_ = false;
};

TEST(Scaling, LayoutScalesProportionallyAt144Dpi) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  LogPixelsSetting setting(144);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=Scaling.ChildAt144Dpi";
  SetEnvironmentVariableW(L"VARNELTA_SCALING_CHILD", L"1");
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  SetEnvironmentVariableW(L"VARNELTA_SCALING_CHILD", nullptr);
  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  EXPECT_EQ(code, 0u) << "the child's checks at 144 DPI failed (its output is above)";
}

TEST(Scaling, ChildAt144Dpi) {
  if (!std::getenv("VARNELTA_SCALING_CHILD")) GTEST_SKIP() << "runs as the child of LayoutScalesProportionallyAt144Dpi";
  ASSERT_EQ(Screen().PixelsPerInch(), 144);
  Application().Initialize();
  TForm1 form(nullptr);
  form.Show();
  // The skinned frame at 144 DPI: every frame width one and a half times the skin's (4, 30, 4, 4).
  ASSERT_TRUE(testing::PumpUntil([&] {
    const TWinSkinForm* frame = TSkinManage::Current()->FindFormSkinner(form.Handle());
    return frame && frame->HasRegion();
  }));
  testing::PumpPending();
  const auto& metrics = TSkinManage::Current()->FindFormSkinner(form.Handle())->Metrics();
  EXPECT_EQ(metrics.Left, 6);
  EXPECT_EQ(metrics.Title, 45);
  EXPECT_EQ(metrics.Right, 6);
  EXPECT_EQ(metrics.Bottom, 6);
  RECT window;
  GetWindowRect(form.Handle(), &window);
  EXPECT_EQ(window.right - window.left, 879 + 12);
  EXPECT_EQ(window.bottom - window.top, 602 + 51);
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 879);   // 586 * 1.5
  EXPECT_EQ(client.bottom, 602);  // 401 * 1.5, rounded
  RECT b1 = testing::ChildRect(form.Button1->Handle());
  EXPECT_EQ(b1.left, 144);
  EXPECT_EQ(b1.top, 528);
  EXPECT_EQ(b1.right, 257);  // edges scale, so neighbours stay neighbours
  EXPECT_EQ(b1.bottom, 566);
  RECT m2 = testing::ChildRect(form.Memo2->Handle());
  EXPECT_EQ(m2.left, 0);
  EXPECT_EQ(m2.top, 314);
  EXPECT_EQ(m2.right, 878);
  EXPECT_EQ(m2.bottom, 519);
  RECT combo = testing::ChildRect(form.ComboBox1->Handle());
  EXPECT_EQ(combo.left, 302);
  EXPECT_EQ(combo.top, 531);
  EXPECT_EQ(combo.right, 437);
  EXPECT_EQ(form.Font()->Height(), -17);  // -11 * 1.5, rounded away from zero
  EXPECT_EQ(form.Label2->Font()->Height(), -23);
  EXPECT_EQ(form.Label1->BoundsRect(), Bounds(468, 536, 396, 19));
  EXPECT_EQ(form.Label2->Left(), 35);
  EXPECT_EQ(form.Label2->Top(), 12);
  EXPECT_EQ(form.PixelsPerInch(), 144);
  // The status bar grows with its font like every other control.
  auto* statusBar = dynamic_cast<TWinControl*>(form.FindComponent("RzStatusBar1"));
  ASSERT_NE(statusBar, nullptr);
  const RECT bar = testing::ChildRect(statusBar->Handle());
  EXPECT_GE(bar.bottom - bar.top, 28);
  EXPECT_LE(bar.bottom - bar.top, 29);
  EXPECT_EQ(bar.bottom, client.bottom);
}

}  // namespace
}  // namespace varnelta
