#include <gtest/gtest.h>

#include "statusbar/clock_format.h"

namespace varnelta::statusbar {
namespace {

TLocaleFormats Chinese() {
  TLocaleFormats l;
  l.ShortDate = L"yyyy/M/d";
  l.LongDate = L"yyyy'年'M'月'd'日'dddd";
  l.LongTime = L"H:mm:ss";
  l.ShortTime = L"H:mm";
  l.LongDayNames = {L"星期日", L"星期一", L"星期二", L"星期三", L"星期四", L"星期五", L"星期六"};
  l.AMString = L"上午";
  l.PMString = L"下午";
  return l;
}

const TDateTimeParts kEvening{2026, 12, 8, 21, 5, 9, 0};

TEST(DayOfWeek, KnownDates) {
  EXPECT_EQ(DayOfWeek(2026, 12, 8), 2);  // a Tuesday
  EXPECT_EQ(DayOfWeek(2000, 1, 1), 6);
  EXPECT_EQ(DayOfWeek(2024, 2, 29), 4);
  EXPECT_EQ(DayOfWeek(1899, 12, 30), 6);
}

TEST(DateTimeValue, DaysSince1899WithTheTimeAsFraction) {
  EXPECT_EQ(ToDateTime(TDateTimeParts{1899, 12, 30, 0, 0, 0, 0}), 0.0);
  EXPECT_EQ(ToDateTime(TDateTimeParts{1900, 1, 1, 12, 0, 0, 0}), 2.5);
  EXPECT_EQ(ToDateTime(TDateTimeParts{1899, 12, 29, 6, 0, 0, 0}), -1.25);
  EXPECT_EQ(ToDateTime(TDateTimeParts{2026, 12, 8, 0, 0, 0, 0}), 46364.0);
  EXPECT_EQ(FromDateTime(ToDateTime(kEvening)), kEvening);
  EXPECT_EQ(FromDateTime(-1.25), (TDateTimeParts{1899, 12, 29, 6, 0, 0, 0}));
  // A handler may hand back anything: the result stays a real date.
  EXPECT_EQ(FromDateTime(1e300).Year, 9999);
  EXPECT_EQ(FromDateTime(-1e300).Year, 1);
  EXPECT_EQ(FromDateTime(46364.99999999999), (TDateTimeParts{2026, 12, 9, 0, 0, 0, 0}));
}

TEST(ClockFormat, LongDateBlankLongTime) {
  EXPECT_EQ(FormatDateTime(L"dddddd tt", kEvening, Chinese()), L"2026年12月8日星期二 21:05:09");
  EXPECT_EQ(FormatDateTime(L"dddddd tt", kEvening, TLocaleFormats{}),
            L"Tuesday, December 8, 2026 9:05:09 PM");
}

TEST(ClockFormat, EmptyFormatLeavesOutMidnight) {
  EXPECT_EQ(FormatDateTime(L"", kEvening, Chinese()), L"2026/12/8 21:05:09");
  const TDateTimeParts midnight{2026, 12, 8, 0, 0, 0, 0};
  EXPECT_EQ(FormatDateTime(L"", midnight, Chinese()), L"2026/12/8");
  const TDateTimeParts nearly{2026, 12, 8, 0, 0, 0, 1};
  EXPECT_EQ(FormatDateTime(L"", nearly, Chinese()), L"2026/12/8 0:00:00");
  EXPECT_EQ(FormatDateTime(L"c", midnight, Chinese()), L"2026/12/8");
}

TEST(ClockFormat, PatternLetters) {
  const TLocaleFormats en;
  EXPECT_EQ(FormatDateTime(L"yyyy-mm-dd hh:nn:ss.zzz", kEvening, en), L"2026-12-08 21:05:09.000");
  EXPECT_EQ(FormatDateTime(L"h:mm", kEvening, en), L"21:05");  // m after h is minutes
  EXPECT_EQ(FormatDateTime(L"h:mm am/pm", kEvening, en), L"9:05 pm");
  EXPECT_EQ(FormatDateTime(L"hh AMPM", TDateTimeParts{2026, 1, 2, 0, 0, 0, 0}, en), L"12 AM");
  EXPECT_EQ(FormatDateTime(L"ddd mmm d, yy", kEvening, en), L"Tue Dec 8, 26");
  EXPECT_EQ(FormatDateTime(L"'d' \"mm\" d/m", kEvening, en), L"d mm 8/12");
  EXPECT_EQ(FormatDateTime(L"ddddd t", kEvening, en), L"12/8/2026 9:05 PM");
  EXPECT_EQ(FormatDateTime(L"#!", kEvening, en), L"#!");
}

TEST(ClockFormat, LocalePictures) {
  const TLocaleFormats en;
  EXPECT_EQ(FormatLocalePicture(L"dd.MM.yy HH'h'mm", kEvening, en), L"08.12.26 21h05");
  EXPECT_EQ(FormatLocalePicture(L"'It''s' h t", kEvening, en), L"It's 9 P");
  EXPECT_EQ(FormatLocalePicture(L"gg yyyy MMM", kEvening, en), L" 2026 Dec");
  EXPECT_EQ(FormatLocalePicture(L"'unterminated", kEvening, en), L"unterminated");
}

TEST(ClockFormat, OutputIsBounded) {
  const std::wstring huge(100000, L'c');
  EXPECT_LE(FormatDateTime(huge, kEvening, TLocaleFormats{}).size(), 4096u);
}

TEST(ClockText, ReportsOnlyChanges) {
  TClockText clock;
  EXPECT_TRUE(clock.Refresh(L""));  // the first text always counts, even an empty one
  EXPECT_FALSE(clock.Refresh(L""));
  EXPECT_TRUE(clock.Refresh(L"21:05:09"));
  EXPECT_FALSE(clock.Refresh(L"21:05:09"));  // polled twice a second
  EXPECT_TRUE(clock.Refresh(L"21:05:10"));
  EXPECT_EQ(clock.Text(), L"21:05:10");
}

}  // namespace
}  // namespace varnelta::statusbar
