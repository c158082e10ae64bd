// Date and time texts for the clock pane: the pattern language of its Format property, the
// locale's picture strings (as Windows stores them) and the refresh-only-on-change rule.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace varnelta::statusbar {

struct TDateTimeParts {
  int Year = 1899;
  int Month = 12;  // 1 .. 12
  int Day = 30;    // 1 .. 31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
  friend bool operator==(const TDateTimeParts&, const TDateTimeParts&) = default;
};

// 0 for Sunday to 6 for Saturday (proleptic Gregorian calendar).
int DayOfWeek(int year, int month, int day);

// The runtime's date-time value (what OnGetDateTime hands its handler): days since
// 30 December 1899 with the time of day as the fraction; before that day the whole part is
// negative and the fraction still counts forwards from midnight.
using TDateTime = double;
TDateTime ToDateTime(const TDateTimeParts& parts);
// Rounded to the millisecond; values outside years 1 to 9999 are clamped to that range.
TDateTimeParts FromDateTime(TDateTime value);

// What the locale says about dates and times. The four patterns use the Windows picture
// letters (d M y g for dates, h H m s t for times, text in single quotes).
struct TLocaleFormats {
  std::wstring ShortDate = L"M/d/yyyy";
  std::wstring LongDate = L"dddd, MMMM d, yyyy";
  std::wstring ShortTime = L"h:mm tt";
  std::wstring LongTime = L"h:mm:ss tt";
  std::array<std::wstring, 7> ShortDayNames{L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri",
                                            L"Sat"};
  std::array<std::wstring, 7> LongDayNames{L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                           L"Thursday", L"Friday", L"Saturday"};
  std::array<std::wstring, 12> ShortMonthNames{L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                               L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  std::array<std::wstring, 12> LongMonthNames{
      L"January", L"February", L"March",     L"April",   L"May",      L"June",
      L"July",    L"August",   L"September", L"October", L"November", L"December"};
  std::wstring AMString = L"AM";
  std::wstring PMString = L"PM";
  std::wstring DateSeparator = L"/";
  std::wstring TimeSeparator = L":";
};

// Where the locale's formats come from: GetLocaleInfo on Windows, fixed values in tests.
using LocaleFormatsReader = std::function<TLocaleFormats()>;

// A locale picture string applied to a date and time.
std::wstring FormatLocalePicture(std::wstring_view picture, const TDateTimeParts& when,
                                 const TLocaleFormats& locale);

// The clock's Format: c, d dd ddd dddd ddddd dddddd, m mm mmm mmmm (minutes right after an
// hour), yy yyyy, h hh, n nn, s ss, z zzz, t tt, am/pm a/p ampm, / and :, text in single or
// double quotes; letters in either case; everything else as it stands. An empty format is
// the short date followed, unless the time is exactly midnight, by a blank and the long time.
std::wstring FormatDateTime(std::wstring_view format, const TDateTimeParts& when,
                            const TLocaleFormats& locale);

// The clock's last text: a refresh reports a change only when the text differs, so the pane
// repaints once a second although it is polled twice as often.
class TClockText {
 public:
  const std::wstring& Text() const { return text_; }
  bool Refresh(std::wstring text);

 private:
  std::wstring text_;
  bool hasText_ = false;
};

}  // namespace varnelta::statusbar
