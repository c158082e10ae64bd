// The main window's status bar with the system's visual style off and on. Wine reads ThemeActive
// when a process starts, so the test sets it, runs this executable again for the child test
// below and puts it back: with "0" the skinned bar shows the skin's face colour, RGB(230, 235,
// 245); with "1" it shows the visual style's status bar background.
#include <windows.h>

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <cstdlib>
#include <string>

#include "runtime/dib_section.h"
#include "tests/skin/controls/control_test_util.h"

namespace varnelta {
namespace {

constexpr const wchar_t* kThemeKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";

class ThemeSetting {
 public:
  explicit ThemeSetting(const wchar_t* active) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kThemeKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    DWORD size = sizeof(old_);
    had_ = RegQueryValueExW(key_, L"ThemeActive", nullptr, nullptr, reinterpret_cast<BYTE*>(old_), &size) ==
           ERROR_SUCCESS;
    Set(active);
  }
  ThemeSetting(const ThemeSetting&) = delete;
  ThemeSetting& operator=(const ThemeSetting&) = delete;
  ~ThemeSetting() {
    if (had_) {
      Set(old_);
    } else {
      RegDeleteValueW(key_, L"ThemeActive");
    }
    RegCloseKey(key_);
  }

 private:
  void Set(const wchar_t* value) {
    RegSetValueExW(key_, L"ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  }
  HKEY key_ = nullptr;
  wchar_t old_[8] = L"1";
  bool had_ = false;
};

// Runs the child test with ThemeActive set to `active`; its exit code.
DWORD RunChild(const wchar_t* active) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  ThemeSetting setting(active);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=StatusBarThemeChild.Child";
  SetEnvironmentVariableW(L"VARNELTA_THEME_CHILD", active);
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  DWORD code = 1;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    WaitForSingleObject(pi.hProcess, 60000);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  SetEnvironmentVariableW(L"VARNELTA_THEME_CHILD", nullptr);
  return code;
}

TEST(StatusBarTheme, FaceColourWithoutVisualStyleAndTheStyleWithIt) {
  EXPECT_EQ(RunChild(L"0"), 0u) << "the child's checks with ThemeActive 0 failed (its output is above)";
  EXPECT_EQ(RunChild(L"1"), 0u) << "the child's checks with ThemeActive 1 failed (its output is above)";
}

class StatusBarThemeChild : public testing::MainWindowTest {};

TEST_F(StatusBarThemeChild, Child) {
  const char* mode = std::getenv("VARNELTA_THEME_CHILD");
  if (!mode) GTEST_SKIP() << "runs as the child of FaceColourWithoutVisualStyleAndTheStyleWithIt";
  auto* bar = dynamic_cast<TWinControl*>(form->FindComponent("RzStatusBar1"));
  ASSERT_NE(bar, nullptr);
  // 0x3523 answers 0: the bar is recoloured, not hooked.
  EXPECT_EQ(SendMessageW(bar->Handle(), 0x3523, 0, 0), 0);
  const TBitmap pixels = testing::PaintedPixels(bar->Handle());
  // A point of the first pane clear of its text and edges.
  const int x = 120, y = pixels.Height() / 2;
  if (std::string(mode) == "0") {
    EXPECT_FALSE(IsThemeActive());
    EXPECT_EQ(pixels.Colour(x, y), RGB(230, 235, 245));
    return;
  }
  ASSERT_TRUE(IsThemeActive());
  HTHEME theme = OpenThemeData(bar->Handle(), L"Status");
  ASSERT_NE(theme, nullptr);
  TDibSection reference(pixels.Width(), pixels.Height());
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, reference.Handle());
  const RECT all{0, 0, pixels.Width(), pixels.Height()};
  DrawThemeBackground(theme, dc, 0, 0, &all, nullptr);
  SelectObject(dc, old);
  DeleteDC(dc);
  CloseThemeData(theme);
  EXPECT_EQ(pixels.Colour(x, y), reference.ToBitmap().Colour(x, y));
}

}  // namespace
}  // namespace varnelta
