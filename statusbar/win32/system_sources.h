// The real Windows sources behind the core's seams: system colours, the theme manager's
// colour name, the locale's date and time formats, the local time and the form state the
// size grip depends on.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "statusbar/clock_format.h"
#include "statusbar/colors.h"

namespace varnelta::statusbar {

// GetSysColor.
const ISystemColors& WindowsSystemColors();

// The longest ColorName value read; a longer one counts as no name.
constexpr DWORD kMaxColorNameChars = 64;

// ColorName under HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager; no name when
// the value is absent, not a string or longer than kMaxColorNameChars.
std::optional<std::wstring> ReadThemeColorName();
// The same check on a value already read (type and raw bytes), for tests.
std::optional<std::wstring> ColorNameFromRegistryData(DWORD type, const BYTE* data, DWORD size);

// The user's locale: short and long date and time pictures, day and month names, AM and PM.
TLocaleFormats ReadLocaleFormats(LCID locale = LOCALE_USER_DEFAULT);

// The current local date and time.
TDateTimeParts LocalNow();

// Whether the form's border lets the user size it, and whether it is maximised.
struct TFormSizing {
  bool Sizeable = false;
  bool Maximised = false;
};
TFormSizing FormSizing(HWND form);

}  // namespace varnelta::statusbar

namespace varnelta::statusbar {

// What a panel does on the system's theme-changed message (and the program once at start):
// read the colour scheme again and let the visual styles forget their cached theme.
void HandleThemeChanged();

}  // namespace varnelta::statusbar
