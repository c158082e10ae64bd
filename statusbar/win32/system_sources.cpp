#include "statusbar/win32/system_sources.h"

#include <vector>

namespace varnelta::statusbar {
namespace {

class SystemColors final : public ISystemColors {
 public:
  TColorRef SysColor(int index) const override { return GetSysColor(index) & 0xFFFFFF; }
};

std::wstring LocaleString(LCID locale, LCTYPE type, const wchar_t* fallback) {
  wchar_t buffer[128] = {};
  const int n = GetLocaleInfoW(locale, type, buffer, 128);
  if (n <= 1) return fallback;
  return std::wstring(buffer, static_cast<std::size_t>(n - 1));
}

}  // namespace

const ISystemColors& WindowsSystemColors() {
  static const SystemColors colors;
  return colors;
}

std::optional<std::wstring> ColorNameFromRegistryData(DWORD type, const BYTE* data, DWORD size) {
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  if (!data) return std::nullopt;
  std::size_t chars = size / sizeof(wchar_t);
  std::wstring text(chars, L'\0');
  for (std::size_t i = 0; i < chars; ++i) {
    text[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  // The stored value may or may not carry its terminating zero.
  const std::size_t zero = text.find(L'\0');
  if (zero != std::wstring::npos) text.resize(zero);
  if (text.size() > kMaxColorNameChars) return std::nullopt;
  return text;
}

std::optional<std::wstring> ReadThemeColorName() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                    0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  // Room for the longest accepted name, its zero and one more character to see overlong ones.
  std::vector<BYTE> data((kMaxColorNameChars + 2) * sizeof(wchar_t));
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(data.size());
  const LONG status = RegQueryValueExW(key, L"ColorName", nullptr, &type, data.data(), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;  // absent, or longer than the buffer
  return ColorNameFromRegistryData(type, data.data(), size);
}

TLocaleFormats ReadLocaleFormats(LCID locale) {
  TLocaleFormats f;
  f.ShortDate = LocaleString(locale, LOCALE_SSHORTDATE, f.ShortDate.c_str());
  f.LongDate = LocaleString(locale, LOCALE_SLONGDATE, f.LongDate.c_str());
  f.LongTime = LocaleString(locale, LOCALE_STIMEFORMAT, f.LongTime.c_str());
  // The short time picture has its own entry only on newer systems; derive it from the long
  // one by dropping the seconds otherwise.
  std::wstring shortTime = f.LongTime;
  const std::size_t seconds = shortTime.find(L's');
  if (seconds != std::wstring::npos && seconds > 0) {
    std::size_t start = seconds;
    while (start > 0 && shortTime[start - 1] != L'm' && shortTime[start - 1] != L'h' &&
           shortTime[start - 1] != L'H') {
      --start;
    }
    std::size_t end = seconds;
    while (end < shortTime.size() && shortTime[end] == L's') ++end;
    shortTime.erase(start, end - start);
  }
  f.ShortTime = shortTime;
  for (int i = 0; i < 7; ++i) {
    // The locale numbers its days from Monday (1) to Sunday (7); the formats from Sunday.
    const int slot = (i + 1) % 7;
    f.LongDayNames[static_cast<std::size_t>(slot)] =
        LocaleString(locale, static_cast<LCTYPE>(LOCALE_SDAYNAME1 + i),
                     f.LongDayNames[static_cast<std::size_t>(slot)].c_str());
    f.ShortDayNames[static_cast<std::size_t>(slot)] =
        LocaleString(locale, static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + i),
                     f.ShortDayNames[static_cast<std::size_t>(slot)].c_str());
  }
  for (int i = 0; i < 12; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    f.LongMonthNames[slot] = LocaleString(locale, static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i),
                                          f.LongMonthNames[slot].c_str());
    f.ShortMonthNames[slot] = LocaleString(
        locale, static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + i), f.ShortMonthNames[slot].c_str());
  }
  f.AMString = LocaleString(locale, LOCALE_S1159, L"");
  f.PMString = LocaleString(locale, LOCALE_S2359, L"");
  f.DateSeparator = LocaleString(locale, LOCALE_SDATE, L"/");
  f.TimeSeparator = LocaleString(locale, LOCALE_STIME, L":");
  return f;
}

TDateTimeParts LocalNow() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

TFormSizing FormSizing(HWND form) {
  TFormSizing sizing;
  if (!form || !IsWindow(form)) return sizing;
  const LONG style = GetWindowLongW(form, GWL_STYLE);
  sizing.Sizeable = (style & WS_THICKFRAME) != 0;
  sizing.Maximised = IsZoomed(form) != FALSE;
  return sizing;
}

}  // namespace varnelta::statusbar

#include "statusbar/color_scheme.h"
#include "statusbar/win32/visual_styles.h"

namespace varnelta::statusbar {

void HandleThemeChanged() {
  RefreshColorScheme(ReadThemeColorName);
  VisualStyles().ThemeChanged();
}

}  // namespace varnelta::statusbar
