// Streams, string lists, layout rules, UTF-8 conversion and reading-order styles.
#include <gtest/gtest.h>

#include "runtime/bidi_mode.h"
#include "runtime/layout.h"
#include "runtime/memory_stream.h"
#include "runtime/string_list.h"
#include "runtime/utf.h"

namespace varnelta {
namespace {

TEST(MemoryStream, ReadsNeverPassTheEnd) {
  TMemoryStream s;
  s.WriteInt32(37369);
  s.WriteInt32(-2);
  s.Write("xy");
  EXPECT_EQ(s.Size(), 10u);
  s.Seek(0, TSeekOrigin::soBeginning);
  std::int32_t v = 0;
  ASSERT_TRUE(s.ReadInt32(v));
  EXPECT_EQ(v, 37369);
  ASSERT_TRUE(s.ReadInt32(v));
  EXPECT_EQ(v, -2);
  char buf[8];
  EXPECT_EQ(s.Read(buf, 8), 2u);
  EXPECT_FALSE(s.ReadInt32(v));
  EXPECT_THROW(s.ReadBuffer(buf, 1), std::out_of_range);
  s.Seek(2, TSeekOrigin::soEnd);
  s.Write("z");
  EXPECT_EQ(s.Size(), 13u);
  EXPECT_EQ(s.Bytes()[10], 0);
  s.SetSize(3);
  EXPECT_EQ(s.Position(), 3u);
}

TEST(StringList, TextAndValues) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  list.SetText(L"a=1\r\nB=2\nc\r\r\n");
  EXPECT_EQ(list.Items(), (std::vector<std::wstring>{L"a=1", L"B=2", L"c", L""}));
  EXPECT_EQ(list.Text(), L"a=1\r\nB=2\r\nc\r\n\r\n");
  EXPECT_EQ(list.Value(L"b"), L"2");
  EXPECT_EQ(list.IndexOfName(L"A"), 0);
  EXPECT_EQ(list.IndexOf(L"C"), 2);
  list.Delete(3);
  list.Insert(0, L"z");
  EXPECT_EQ(list[0], L"z");
  EXPECT_THROW(list.Insert(9, L"q"), std::out_of_range);
  EXPECT_EQ(changes, 3);
}

TEST(Layout, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(586, 144, 96), 879);
  EXPECT_EQ(MulDiv(75, 120, 96), 94);  // 93.75
  EXPECT_EQ(MulDiv(5, 3, 2), 8);       // 7.5
  EXPECT_EQ(MulDiv(-5, 3, 2), -8);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(ScaleForDpi(19, 144), 29);  // 28.5
}

TEST(Layout, AlignsEdgesInOrder) {
  std::vector<TAlignItem> items{
      {alLeft, Bounds(300, 0, 141, 19)},   // third pane by position
      {alLeft, Bounds(0, 0, 150, 19)},     // first
      {alBottom, Bounds(0, 0, 586, 19)},
      {alLeft, Bounds(150, 0, 280, 19)},   // second
      {alClient, Bounds(0, 0, 1, 1)},
      {alTop, Bounds(0, 0, 10, 30), false},  // hidden: ignored
      {alNone, Bounds(5, 6, 7, 8)},
  };
  AlignItems({0, 0, 586, 401}, items);
  EXPECT_EQ(items[2].Bounds, Bounds(0, 382, 586, 19));
  EXPECT_EQ(items[1].Bounds, Bounds(0, 0, 150, 382));
  EXPECT_EQ(items[3].Bounds, Bounds(150, 0, 280, 382));
  EXPECT_EQ(items[0].Bounds, Bounds(430, 0, 141, 382));
  EXPECT_EQ(items[4].Bounds, (TRect{571, 0, 586, 382}));
  EXPECT_EQ(items[5].Bounds, Bounds(0, 0, 10, 30));
  EXPECT_EQ(items[6].Bounds, Bounds(5, 6, 7, 8));
}

TEST(BiDiMode, StyleBitsOfEachModeWithAndWithoutScrollBars) {
  constexpr std::uint32_t right = 0x1000, rtl = 0x2000, leftBar = 0x4000;
  struct Row {
    TBiDiMode mode;
    std::uint32_t plain, scrolling;
  } rows[] = {
      {bdLeftToRight, 0, 0},
      {bdRightToLeft, right | rtl, right | rtl | leftBar},
      {bdRightToLeftNoAlign, rtl, rtl | leftBar},
      {bdRightToLeftReadingOnly, rtl, rtl},
      {static_cast<TBiDiMode>(9), 0, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(BiDiStyleBits(row.mode, false), row.plain) << row.mode;
    EXPECT_EQ(BiDiStyleBits(row.mode, true), row.scrolling) << row.mode;
    EXPECT_EQ(BiDiStyleBits(row.mode, true) & ~kBiDiStyleMask, 0u) << row.mode;
  }
}

TEST(Utf, RoundTripsAndRejectsMalformedText) {
  std::string text = "迅雷 Rayfile 😀";
  auto wide = Utf8ToWide(text);
  ASSERT_TRUE(wide);
  EXPECT_EQ(WideToUtf8(*wide), text);
  EXPECT_FALSE(Utf8ToWide("\xE8\xBF"));          // cut short
  EXPECT_FALSE(Utf8ToWide("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(Utf8ToWide("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_TRUE(IsMultiByteUtf8("a\xC3\xA9"));
  EXPECT_FALSE(IsMultiByteUtf8("plain"));
  EXPECT_FALSE(IsMultiByteUtf8("\xD1\xB8\xC0"));  // GBK bytes are not UTF-8
}

}  // namespace
}  // namespace varnelta
