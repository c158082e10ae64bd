// The skin description reader: lines, comments, sections, keys and integers.
#include "skin/data/skin_ini.h"

#include <gtest/gtest.h>

#include "skin/data/assertion.h"

namespace varnelta {
namespace {

TEST(QuickIniTest, LinesAreSplitTrimmedAndFiltered) {
  TQuickIni ini;
  ini.LoadFromText("  [One]  \r\n\tA = 1 \r\rB=2\n; comment\n\n   ;also a comment\nC=x;y\r\n\x01[Two]\x02");
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[One]", "A = 1", "B=2", "C=x;y", "[Two]"}));
  EXPECT_EQ(ini.SectionIndex("One"), 0);
  EXPECT_EQ(ini.SectionIndex("Two"), 4);
  EXPECT_EQ(ini.ReadString("One", "C", "?"), "x;y");  // no end-of-line comments
  EXPECT_EQ(ini.ReadString("One", "a", "?"), "1");
}

TEST(QuickIniTest, NulEndsTheText) {
  TQuickIni ini;
  ini.LoadFromText(std::string_view("[S]\nA=1\0\nB=2", 12));
  EXPECT_EQ(ini.ReadString("S", "A", "?"), "1");
  EXPECT_EQ(ini.ReadString("S", "B", "?"), "?");
}

TEST(QuickIniTest, SectionsIgnoreCaseButNotInnerSpaces) {
  TQuickIni ini;
  ini.LoadFromText("[personality]\nLeft=a.bmp\n[ Colours ]\nX=1\n[PERSONALITY]\nLeft=b.bmp\n");
  EXPECT_EQ(ini.SectionIndex("Personality"), 0);  // the first of two wins
  EXPECT_EQ(ini.ReadString("Personality", "left", ""), "a.bmp");
  EXPECT_EQ(ini.SectionIndex("Colours"), -1);
  EXPECT_EQ(ini.SectionIndex(" Colours "), 2);
  EXPECT_EQ(ini.ReadString("Colours", "X", "none"), "none");
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"personality", "Colours", "PERSONALITY"}));
}

TEST(QuickIniTest, FirstKeyWinsEvenWhenEmpty) {
  TQuickIni ini;
  ini.LoadFromText("[S]\nKey=\nKEY=later\nOther = value = more\nnoequals\n[T]\nKey=t\n");
  EXPECT_EQ(ini.ReadString("S", "Key", "default"), "default");
  EXPECT_FALSE(ini.HasValue("S", "Key"));
  EXPECT_EQ(ini.ReadString("S", "other", ""), "value = more");
  EXPECT_EQ(ini.ReadString("S", "noequals", "d"), "d");
  EXPECT_EQ(ini.ReadString("T", "key", ""), "t");  // the scan stops at the next header
  EXPECT_EQ(ini.ReadString("Missing", "key", "m"), "m");
}

TEST(QuickIniTest, Integers) {
  TQuickIni ini;
  ini.LoadFromText(
      "[S]\nDec=-42\nHex=0x1F\nHEX2=0XfF\nDollar=$10\nBare=1F\nPrefix=0x\nBig=2147483648\n"
      "Min=-2147483648\nAll=$FFFFFFFF\nSpace=1 2\nPlus=+7\nTooLong=$100000000\n");
  EXPECT_EQ(ini.ReadInteger("S", "Dec", 0), -42);
  EXPECT_EQ(ini.ReadInteger("S", "Hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "Hex2", 0), 255);
  EXPECT_EQ(ini.ReadInteger("S", "Dollar", 0), 16);
  EXPECT_EQ(ini.ReadInteger("S", "Bare", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Prefix", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Big", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Min", 5), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("S", "All", 5), -1);
  EXPECT_EQ(ini.ReadInteger("S", "Space", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Plus", 5), 7);
  EXPECT_EQ(ini.ReadInteger("S", "TooLong", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Absent", 9), 9);
}

TEST(QuickIniTest, StreamsAndTheMissingList) {
  TQuickIni ini;
  ini.LoadFromText("[A]\nx=1\n");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);  // unchanged
  const std::string text = "junk[B]\ny=2\n";
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  ini.LoadFromStream(&bytes, 4);
  EXPECT_EQ(ini.ReadInteger("B", "y", 0), 2);
  EXPECT_EQ(ini.SectionIndex("A"), -1);
  try {
    ini.ReadSections(nullptr);
    FAIL();
  } catch (const EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), TQuickIni::kNoListMessage);
  }
}

}  // namespace
}  // namespace varnelta
