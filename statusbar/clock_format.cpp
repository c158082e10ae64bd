#include "statusbar/clock_format.h"

#include <algorithm>
#include <cmath>

namespace varnelta::statusbar {
namespace {

// Output is bounded so that no stored format can make a text grow without limit.
constexpr std::size_t kMaxOutput = 4096;

wchar_t Lower(wchar_t ch) {
  return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch - L'A' + L'a') : ch;
}

std::size_t RunLength(std::wstring_view text, std::size_t at, wchar_t letter, bool anyCase) {
  std::size_t n = 0;
  while (at + n < text.size() &&
         (anyCase ? Lower(text[at + n]) == letter : text[at + n] == letter)) {
    ++n;
  }
  return n;
}

void AppendNumber(std::wstring& out, int value, int digits) {
  std::wstring number = std::to_wstring(value < 0 ? -value : value);
  if (static_cast<int>(number.size()) < digits) {
    number.insert(0, static_cast<std::size_t>(digits) - number.size(), L'0');
  }
  if (value < 0) number.insert(0, 1, L'-');
  out += number;
}

const std::wstring& MonthName(const std::array<std::wstring, 12>& names, int month) {
  return names[static_cast<std::size_t>(std::clamp(month, 1, 12) - 1)];
}

int Hour12(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;
}

bool StartsWithNoCase(std::wstring_view text, std::size_t at, std::wstring_view word) {
  if (at + word.size() > text.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[at + i]) != word[i]) return false;
  }
  return true;
}

// Copies a quoted run starting at `at` (on the opening quote); returns the index after it.
std::size_t CopyQuoted(std::wstring_view text, std::size_t at, std::wstring& out,
                       bool doubledQuoteEscapes) {
  const wchar_t quote = text[at];
  std::size_t i = at + 1;
  while (i < text.size()) {
    if (text[i] == quote) {
      if (doubledQuoteEscapes && i + 1 < text.size() && text[i + 1] == quote) {
        out += quote;
        i += 2;
        continue;
      }
      return i + 1;
    }
    out += text[i++];
  }
  return i;
}

bool IsMidnight(const TDateTimeParts& when) {
  return when.Hour == 0 && when.Minute == 0 && when.Second == 0 && when.Millisecond == 0;
}

class PatternFormatter {
 public:
  PatternFormatter(const TDateTimeParts& when, const TLocaleFormats& locale)
      : when_(when), locale_(locale) {}

  void Format(std::wstring_view format, std::wstring& out) {
    if (format.empty()) {
      AppendDefault(out);
      return;
    }
    const bool twelveHour = HasAmPm(format);
    bool afterHour = false;
    std::size_t i = 0;
    while (i < format.size() && out.size() < kMaxOutput) {
      const wchar_t ch = format[i];
      const wchar_t lower = Lower(ch);
      if (ch == L'\'' || ch == L'"') {
        i = CopyQuoted(format, i, out, false);
        continue;
      }
      if (StartsWithNoCase(format, i, L"am/pm")) {
        out += when_.Hour < 12 ? L"am" : L"pm";
        if (format[i] == L'A') out.replace(out.size() - 2, 2, when_.Hour < 12 ? L"AM" : L"PM");
        i += 5;
        continue;
      }
      if (StartsWithNoCase(format, i, L"a/p")) {
        const bool upper = format[i] == L'A';
        out += when_.Hour < 12 ? (upper ? L'A' : L'a') : (upper ? L'P' : L'p');
        i += 3;
        continue;
      }
      if (StartsWithNoCase(format, i, L"ampm")) {
        out += when_.Hour < 12 ? locale_.AMString : locale_.PMString;
        i += 4;
        continue;
      }
      switch (lower) {
        case L'c':
          ++i;
          AppendDefault(out);
          afterHour = false;
          continue;
        case L'd': {
          const std::size_t n = RunLength(format, i, L'd', true);
          i += n;
          const int dow = DayOfWeek(when_.Year, when_.Month, when_.Day);
          if (n == 1) {
            AppendNumber(out, when_.Day, 1);
          } else if (n == 2) {
            AppendNumber(out, when_.Day, 2);
          } else if (n == 3) {
            out += locale_.ShortDayNames[static_cast<std::size_t>(dow)];
          } else if (n == 4) {
            out += locale_.LongDayNames[static_cast<std::size_t>(dow)];
          } else if (n == 5) {
            out += FormatLocalePicture(locale_.ShortDate, when_, locale_);
          } else {
            out += FormatLocalePicture(locale_.LongDate, when_, locale_);
          }
          afterHour = false;
          continue;
        }
        case L'm': {
          const std::size_t n = RunLength(format, i, L'm', true);
          i += n;
          if (afterHour && n <= 2) {
            AppendNumber(out, when_.Minute, static_cast<int>(n));
          } else if (n <= 2) {
            AppendNumber(out, when_.Month, static_cast<int>(n));
          } else if (n == 3) {
            out += MonthName(locale_.ShortMonthNames, when_.Month);
          } else {
            out += MonthName(locale_.LongMonthNames, when_.Month);
          }
          afterHour = false;
          continue;
        }
        case L'y': {
          const std::size_t n = RunLength(format, i, L'y', true);
          i += n;
          if (n <= 2) {
            AppendNumber(out, when_.Year % 100, 2);
          } else {
            AppendNumber(out, when_.Year, 4);
          }
          afterHour = false;
          continue;
        }
        case L'h': {
          const std::size_t n = RunLength(format, i, L'h', true);
          i += n;
          const int hour = twelveHour ? Hour12(when_.Hour) : when_.Hour;
          AppendNumber(out, hour, n >= 2 ? 2 : 1);
          afterHour = true;
          continue;
        }
        case L'n': {
          const std::size_t n = RunLength(format, i, L'n', true);
          i += n;
          AppendNumber(out, when_.Minute, n >= 2 ? 2 : 1);
          afterHour = false;
          continue;
        }
        case L's': {
          const std::size_t n = RunLength(format, i, L's', true);
          i += n;
          AppendNumber(out, when_.Second, n >= 2 ? 2 : 1);
          afterHour = false;
          continue;
        }
        case L'z': {
          const std::size_t n = RunLength(format, i, L'z', true);
          i += n;
          AppendNumber(out, when_.Millisecond, n >= 3 ? 3 : 1);
          afterHour = false;
          continue;
        }
        case L't': {
          const std::size_t n = RunLength(format, i, L't', true);
          i += n;
          out += FormatLocalePicture(n >= 2 ? locale_.LongTime : locale_.ShortTime, when_,
                                     locale_);
          afterHour = false;
          continue;
        }
        case L'/':
          out += locale_.DateSeparator;
          ++i;
          continue;
        case L':':
          out += locale_.TimeSeparator;
          ++i;
          continue;
        default:
          out += ch;
          ++i;
          continue;
      }
    }
    if (out.size() > kMaxOutput) out.resize(kMaxOutput);
  }

 private:
  void AppendDefault(std::wstring& out) {
    out += FormatLocalePicture(locale_.ShortDate, when_, locale_);
    if (!IsMidnight(when_)) {
      out += L' ';
      out += FormatLocalePicture(locale_.LongTime, when_, locale_);
    }
  }

  static bool HasAmPm(std::wstring_view format) {
    for (std::size_t i = 0; i < format.size(); ++i) {
      if (format[i] == L'\'' || format[i] == L'"') {
        const wchar_t quote = format[i];
        while (i + 1 < format.size() && format[i + 1] != quote) ++i;
        ++i;
        continue;
      }
      if (StartsWithNoCase(format, i, L"am/pm") || StartsWithNoCase(format, i, L"a/p") ||
          StartsWithNoCase(format, i, L"ampm")) {
        return true;
      }
    }
    return false;
  }

  const TDateTimeParts& when_;
  const TLocaleFormats& locale_;
};

}  // namespace

int DayOfWeek(int year, int month, int day) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  month = std::clamp(month, 1, 12);
  if (month < 3) year -= 1;
  const long long y = year;
  // Floor division keeps years before 1 on the proleptic calendar.
  auto floorDiv = [](long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
  const long long sum = y + floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400) +
                        kOffsets[month - 1] + day;
  return static_cast<int>(((sum % 7) + 7) % 7);
}

namespace {

// Days from 1 January 1970 for a civil date, and back (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

constexpr long long kEpochOffset = 25569;  // days from 30 December 1899 to 1 January 1970
constexpr long long kMsPerDay = 86400000;

}  // namespace

TDateTime ToDateTime(const TDateTimeParts& parts) {
  const long long days = DaysFromCivil(parts.Year, std::clamp(parts.Month, 1, 12),
                                       parts.Day) + kEpochOffset;
  const long long ms = ((parts.Hour * 60LL + parts.Minute) * 60 + parts.Second) * 1000 +
                       parts.Millisecond;
  const double fraction = static_cast<double>(ms) / kMsPerDay;
  return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

TDateTimeParts FromDateTime(TDateTime value) {
  constexpr double kFirst = -693593.0;        // 1 January of year 1
  constexpr double kLast = 2958465.999999;    // 31 December 9999, just before midnight
  if (!(value >= kFirst)) value = kFirst;     // also catches NaN
  if (value > kLast) value = kLast;
  double whole = std::trunc(value);
  double fraction = std::fabs(value - whole);
  long long ms = static_cast<long long>(std::llround(fraction * kMsPerDay));
  if (ms >= kMsPerDay) {  // rounding reached the next midnight
    ms -= kMsPerDay;
    whole += value >= 0 ? 1.0 : -1.0;
  }
  TDateTimeParts parts;
  CivilFromDays(static_cast<long long>(whole) - kEpochOffset, parts.Year, parts.Month, parts.Day);
  parts.Hour = static_cast<int>(ms / 3600000);
  parts.Minute = static_cast<int>(ms / 60000 % 60);
  parts.Second = static_cast<int>(ms / 1000 % 60);
  parts.Millisecond = static_cast<int>(ms % 1000);
  return parts;
}

std::wstring FormatLocalePicture(std::wstring_view picture, const TDateTimeParts& when,
                                 const TLocaleFormats& locale) {
  std::wstring out;
  std::size_t i = 0;
  while (i < picture.size() && out.size() < kMaxOutput) {
    const wchar_t ch = picture[i];
    if (ch == L'\'') {
      i = CopyQuoted(picture, i, out, true);
      continue;
    }
    const std::size_t n = RunLength(picture, i, ch, false);
    switch (ch) {
      case L'd': {
        const int dow = DayOfWeek(when.Year, when.Month, when.Day);
        if (n == 1) {
          AppendNumber(out, when.Day, 1);
        } else if (n == 2) {
          AppendNumber(out, when.Day, 2);
        } else if (n == 3) {
          out += locale.ShortDayNames[static_cast<std::size_t>(dow)];
        } else {
          out += locale.LongDayNames[static_cast<std::size_t>(dow)];
        }
        break;
      }
      case L'M':
        if (n <= 2) {
          AppendNumber(out, when.Month, static_cast<int>(n));
        } else if (n == 3) {
          out += MonthName(locale.ShortMonthNames, when.Month);
        } else {
          out += MonthName(locale.LongMonthNames, when.Month);
        }
        break;
      case L'y':
        if (n == 1) {
          AppendNumber(out, when.Year % 100, 1);
        } else if (n == 2) {
          AppendNumber(out, when.Year % 100, 2);
        } else {
          AppendNumber(out, when.Year, 4);
        }
        break;
      case L'g':
        break;  // era names are not shown for the Gregorian calendar
      case L'h':
        AppendNumber(out, Hour12(when.Hour), n >= 2 ? 2 : 1);
        break;
      case L'H':
        AppendNumber(out, when.Hour, n >= 2 ? 2 : 1);
        break;
      case L'm':
        AppendNumber(out, when.Minute, n >= 2 ? 2 : 1);
        break;
      case L's':
        AppendNumber(out, when.Second, n >= 2 ? 2 : 1);
        break;
      case L't': {
        const std::wstring& marker = when.Hour < 12 ? locale.AMString : locale.PMString;
        if (n == 1) {
          if (!marker.empty()) out += marker[0];
        } else {
          out += marker;
        }
        break;
      }
      default:
        out.append(n, ch);
        break;
    }
    i += n;
  }
  if (out.size() > kMaxOutput) out.resize(kMaxOutput);
  return out;
}

std::wstring FormatDateTime(std::wstring_view format, const TDateTimeParts& when,
                            const TLocaleFormats& locale) {
  std::wstring out;
  PatternFormatter(when, locale).Format(format, out);
  return out;
}

bool TClockText::Refresh(std::wstring text) {
  if (hasText_ && text == text_) return false;
  text_ = std::move(text);
  hasText_ = true;
  return true;
}

}  // namespace varnelta::statusbar
