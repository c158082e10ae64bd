// The Windows sources behind the core's seams.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "statusbar/color_scheme.h"
#include "statusbar/win32/system_sources.h"
#include "statusbar/win32/visual_styles.h"

namespace varnelta::statusbar {
namespace {

std::vector<BYTE> Bytes(const wchar_t* text, bool withZero) {
  const std::size_t chars = wcslen(text) + (withZero ? 1 : 0);
  std::vector<BYTE> data(chars * 2);
  std::memcpy(data.data(), text, data.size());
  return data;
}

TEST(ColorNameValue, OnlyBoundedStringsCount) {
  auto homestead = Bytes(L"HomeStead", true);
  EXPECT_EQ(ColorNameFromRegistryData(REG_SZ, homestead.data(), static_cast<DWORD>(homestead.size())),
            std::optional<std::wstring>(L"HomeStead"));
  auto unterminated = Bytes(L"Metallic", false);
  EXPECT_EQ(ColorNameFromRegistryData(REG_SZ, unterminated.data(),
                                      static_cast<DWORD>(unterminated.size())),
            std::optional<std::wstring>(L"Metallic"));
  EXPECT_FALSE(ColorNameFromRegistryData(REG_DWORD, homestead.data(), 4).has_value());
  EXPECT_FALSE(ColorNameFromRegistryData(REG_BINARY, homestead.data(), 8).has_value());
  const std::wstring longName(kMaxColorNameChars + 1, L'M');
  auto overlong = Bytes(longName.c_str(), true);
  EXPECT_FALSE(
      ColorNameFromRegistryData(REG_SZ, overlong.data(), static_cast<DWORD>(overlong.size()))
          .has_value());
  EXPECT_FALSE(ColorNameFromRegistryData(REG_SZ, nullptr, 0).has_value());
  // An odd byte count drops the half character.
  EXPECT_EQ(ColorNameFromRegistryData(REG_SZ, unterminated.data(), 3),
            std::optional<std::wstring>(L"M"));
}

// The registry value itself, written under the current user of the test prefix and removed.
class ThemeManagerKey : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key_, nullptr),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD size = sizeof(saved_);
    hadValue_ = RegQueryValueExW(key_, L"ColorName", nullptr, &type, saved_, &size) == ERROR_SUCCESS;
    savedType_ = type;
    savedSize_ = size;
  }
  void TearDown() override {
    if (hadValue_) {
      RegSetValueExW(key_, L"ColorName", 0, savedType_, saved_, savedSize_);
    } else {
      RegDeleteValueW(key_, L"ColorName");
    }
    RegCloseKey(key_);
    RefreshColorScheme(nullptr);
  }
  void Set(DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExW(key_, L"ColorName", 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
  HKEY key_ = nullptr;
  BYTE saved_[512] = {};
  bool hadValue_ = false;
  DWORD savedType_ = 0;
  DWORD savedSize_ = 0;
};

TEST_F(ThemeManagerKey, SchemeFromTheRegistry) {
  const wchar_t metallic[] = L"metallic";
  Set(REG_SZ, metallic, sizeof(metallic));
  EXPECT_EQ(RefreshColorScheme(ReadThemeColorName), TColorScheme::Metallic);
  const DWORD number = 2;
  Set(REG_DWORD, &number, sizeof(number));
  EXPECT_EQ(RefreshColorScheme(ReadThemeColorName), TColorScheme::Default);
  const std::wstring longName(200, L'H');
  Set(REG_SZ, longName.c_str(), static_cast<DWORD>((longName.size() + 1) * 2));
  EXPECT_FALSE(ReadThemeColorName().has_value());
  RegDeleteValueW(key_, L"ColorName");
  EXPECT_FALSE(ReadThemeColorName().has_value());
  EXPECT_EQ(RefreshColorScheme(ReadThemeColorName), TColorScheme::Default);
}

class CountingStyles final : public IVisualStyles {
 public:
  int changes = 0;
  bool LibraryAvailable() override { return true; }
  bool Active() override { return true; }
  bool DrawStatusBackground(HDC, const RECT&) override { return true; }
  bool DrawStatusPane(HDC, const RECT&) override { return true; }
  bool DrawGripper(HDC, const RECT&) override { return true; }
  bool DrawStatusText(HDC, const std::wstring&, const RECT&) override { return true; }
  void ThemeChanged() override { ++changes; }
};

TEST_F(ThemeManagerKey, ThemeChangeReadsTheSchemeAgain) {
  CountingStyles styles;
  TScopedVisualStyles scoped(styles);
  const wchar_t homestead[] = L"HomeStead";
  Set(REG_SZ, homestead, sizeof(homestead));
  HandleThemeChanged();
  EXPECT_EQ(CurrentColorScheme(), TColorScheme::Homestead);
  EXPECT_EQ(styles.changes, 1);
  const wchar_t normal[] = L"NormalColor";
  Set(REG_SZ, normal, sizeof(normal));
  HandleThemeChanged();
  EXPECT_EQ(CurrentColorScheme(), TColorScheme::Default);
  EXPECT_EQ(styles.changes, 2);
}

TEST(LocaleFormats, LongDateAndTimeComeFromTheLocale) {
  const TLocaleFormats f = ReadLocaleFormats();
  wchar_t longDate[128] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SLONGDATE, longDate, 128);
  EXPECT_EQ(f.LongDate, longDate);
  const TDateTimeParts when{2026, 12, 8, 21, 5, 9, 0};
  SYSTEMTIME st{};
  st.wYear = 2026;
  st.wMonth = 12;
  st.wDay = 8;
  st.wDayOfWeek = 2;
  st.wHour = 21;
  st.wMinute = 5;
  st.wSecond = 9;
  wchar_t date[128] = {};
  wchar_t time[128] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &st, nullptr, date, 128);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 128);
  // Our picture interpreter agrees with the system's own formatting.
  EXPECT_EQ(FormatDateTime(L"dddddd tt", when, f), std::wstring(date) + L" " + time);
}

TEST(LocalTime, IsPlausible) {
  const TDateTimeParts now = LocalNow();
  EXPECT_GE(now.Year, 2000);
  EXPECT_GE(now.Month, 1);
  EXPECT_LE(now.Month, 12);
  EXPECT_LE(now.Hour, 23);
}

TEST(FormSizing, SizeableAndMaximised) {
  HWND fixed = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CAPTION, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND sizeable = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0, 0,
                                  100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(fixed && sizeable);
  EXPECT_FALSE(FormSizing(fixed).Sizeable);
  EXPECT_TRUE(FormSizing(sizeable).Sizeable);
  EXPECT_FALSE(FormSizing(sizeable).Maximised);
  ShowWindow(sizeable, SW_MAXIMIZE);
  EXPECT_TRUE(FormSizing(sizeable).Maximised);
  DestroyWindow(fixed);
  DestroyWindow(sizeable);
  EXPECT_FALSE(FormSizing(nullptr).Sizeable);
}

}  // namespace
}  // namespace varnelta::statusbar
