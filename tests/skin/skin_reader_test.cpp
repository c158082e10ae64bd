#include "skin/data/skin_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/data/lzh.h"
#include "skin/data/skin_writer.h"

using varnelta::BuildSkinArchive;
using varnelta::CompressSkinStream;
using varnelta::SkinWriteError;
using varnelta::TSkinEntry;
using varnelta::TSkinReader;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }
std::string ToText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

void PutInt32(Bytes& out, std::int64_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

// A decompressed archive laid out by hand, so that it can lie about its sizes.
Bytes RawArchive(std::int32_t format, const std::string& names,
                 const std::vector<std::int64_t>& sizes, const std::string& data,
                 std::int64_t listLength = -1, int reserved = -1) {
  Bytes out;
  PutInt32(out, format);
  PutInt32(out, listLength >= 0 ? listLength : static_cast<std::int64_t>(names.size()));
  PutInt32(out, 0x11111111);
  PutInt32(out, 0x22222222);
  const int block = reserved >= 0 ? reserved : varnelta::SkinReservedBlockSize(format);
  out.insert(out.end(), static_cast<std::size_t>(std::max(block, 0)), std::uint8_t{0xEE});
  out.insert(out.end(), names.begin(), names.end());
  for (const std::int64_t size : sizes) PutInt32(out, size);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

Bytes Stream(const Bytes& archive) { return CompressSkinStream(archive); }

// A reader that counts the messages it shows.
struct Reader {
  std::vector<std::string> messages;
  TSkinReader reader{[this](const std::string& m) { messages.push_back(m); }};
};

std::string Extract(const TSkinReader& reader, const std::string& name) {
  Bytes out = FromText("stale");
  reader.ExtractFile(name, out);
  return ToText(out);
}

}  // namespace

TEST(SkinReader, ReadsEveryFormatWithItsReservedBlock) {
  for (const std::int32_t format : varnelta::kSkinFormatCodes) {
    Reader r;
    const Bytes archive = RawArchive(format, "a.bmp\r\nskin.ini\r\n", {3, 4}, "BMxtext");
    ASSERT_TRUE(r.reader.LoadFromStream(Stream(archive))) << format;
    EXPECT_EQ(r.reader.FormatCode(), format);
    EXPECT_EQ(r.reader.Count(), 2u);
    EXPECT_EQ(Extract(r.reader, "a.bmp"), "BMx");
    EXPECT_EQ(Extract(r.reader, "skin.ini"), "text");
    EXPECT_TRUE(r.messages.empty());
  }
}

TEST(SkinReader, SplitsNamesAtEveryKindOfLineBreak) {
  using varnelta::SplitSkinNames;
  using Names = std::vector<std::string>;
  EXPECT_EQ(SplitSkinNames("A.bmp\r\nB.INI\r\n"), (Names{"a.bmp", "b.ini"}));
  EXPECT_EQ(SplitSkinNames("a\rb\nc"), (Names{"a", "b", "c"}));
  EXPECT_EQ(SplitSkinNames("a\r\n\r\nb\n\r"), (Names{"a", "", "b", ""}));
  EXPECT_EQ(SplitSkinNames(""), Names{});
  // Only ASCII letters change case; code page 936 bytes stay as they are.
  EXPECT_EQ(SplitSkinNames("\xC6\xA4\xB7\xF4Q.BMP"), Names{"\xC6\xA4\xB7\xF4q.bmp"});
}

TEST(SkinReader, LooksUpWithoutRegardToCaseAndFirstMatchWins) {
  Reader r;
  ASSERT_TRUE(r.reader.LoadArchive(RawArchive(
      40000, "ProgressChunk.bmp\r\nDup.bmp\r\ndup.bmp\r\n", {2, 5, 6}, "pcfirstsecond")));
  EXPECT_EQ(r.reader.Entries()[0].name, "progresschunk.bmp");
  EXPECT_EQ(Extract(r.reader, "ProgressChunk.bmp"), "pc");
  EXPECT_EQ(Extract(r.reader, "PROGRESSCHUNK.BMP"), "pc");
  EXPECT_EQ(Extract(r.reader, "DUP.bmp"), "first");
  EXPECT_EQ(Extract(r.reader, "absent.bmp"), "");
  EXPECT_EQ(Extract(r.reader, "progresschunk"), "");
}

TEST(SkinReader, FirstMatchFindsTheFirstNameContainingTheText) {
  Reader r;
  ASSERT_TRUE(r.reader.LoadArchive(
      RawArchive(40000, "a.bmp\r\nSkin.INI\r\nother.ini\r\n", {1, 2, 3}, "ABBCCC")));
  Bytes out;
  std::string name = "stale";
  EXPECT_TRUE(r.reader.ExtractFirstMatch(".ini", out, name));
  EXPECT_EQ(name, "skin.ini");
  EXPECT_EQ(ToText(out), "BB");
  // The text is used as given against the lower-cased names.
  EXPECT_FALSE(r.reader.ExtractFirstMatch(".INI", out, name));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(name, "");
}

TEST(SkinReader, UnknownFormatShowsTheMessageOnce) {
  Reader r;
  EXPECT_FALSE(r.reader.LoadFromStream(Stream(RawArchive(10000, "a\r\n", {1}, "x", -1, 0))));
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(r.reader.Count(), 0u);

  // A declared size of 0 (or below) decodes nothing: the header reads as zeros.
  for (const std::int64_t declared : {0, -1}) {
    Bytes stream;
    PutInt32(stream, declared);
    Reader empty;
    EXPECT_FALSE(empty.reader.LoadFromStream(stream));
    EXPECT_EQ(empty.messages.size(), 1u);
  }
}

TEST(SkinReader, StreamShorterThanItsSizeFieldIsSilentlyEmpty) {
  Reader r;
  EXPECT_FALSE(r.reader.LoadFromStream({}));
  EXPECT_FALSE(r.reader.LoadFromStream(Bytes{1, 0}));
  EXPECT_TRUE(r.messages.empty());
}

TEST(SkinReader, DamagedArchivesLeaveTheReaderEmptyWithoutAMessage) {
  const std::vector<std::pair<const char*, Bytes>> damaged{
      {"name list past the data", RawArchive(40000, "a.bmp\r\n", {}, "", 500)},
      {"negative name list length", RawArchive(40000, "a.bmp\r\n", {1}, "x", 0x80000000LL)},
      {"size table past the data", RawArchive(40000, "a.bmp\r\nb.bmp\r\n", {1}, "")},
      {"negative size", RawArchive(40000, "a.bmp\r\nb.bmp\r\n", {1, -1}, "x")},
      {"reserved block cut short", RawArchive(30000, "", {}, "", 0, 100)},
      {"header cut short", Bytes{0x40, 0x9C, 0, 0, 0, 0}},
  };
  for (const auto& [what, archive] : damaged) {
    Reader r;
    ASSERT_TRUE(r.reader.LoadArchive(RawArchive(40000, "old.bmp\r\n", {1}, "o")));
    EXPECT_FALSE(r.reader.LoadFromStream(Stream(archive))) << what;
    EXPECT_FALSE(r.reader.Loaded()) << what;
    EXPECT_EQ(r.reader.Count(), 0u) << what;
    EXPECT_EQ(Extract(r.reader, "old.bmp"), "") << what;
    EXPECT_TRUE(r.messages.empty()) << what;
  }
}

TEST(SkinReader, HoldsAtMostTheSizeTableOfEntries) {
  std::string names;
  for (int i = 0; i < 1001; ++i) {
    names += 'e';
    names += std::to_string(i);
    names += "\r\n";
  }
  Reader full;
  ASSERT_TRUE(full.reader.LoadArchive(
      RawArchive(40000, names, std::vector<std::int64_t>(1001, 0), "")));
  EXPECT_EQ(full.reader.Count(), 1001u);

  names += "one.more\r\n";
  Reader over;
  EXPECT_FALSE(over.reader.LoadArchive(
      RawArchive(40000, names, std::vector<std::int64_t>(1002, 0), "")));
  EXPECT_TRUE(over.messages.empty());

  // Splitting stops one name past the limit, however many line breaks follow.
  EXPECT_EQ(varnelta::SplitSkinNames(std::string(1 << 20, '\n'), 1001).size(), 1002u);
  Reader breaks;
  EXPECT_FALSE(breaks.reader.LoadArchive(RawArchive(40000, std::string(1 << 20, '\r'), {}, "")));
}

TEST(SkinReader, EntryRunningPastTheDataIsMissing) {
  Reader r;
  ASSERT_TRUE(r.reader.LoadArchive(
      RawArchive(40000, "a\r\nb\r\nc\r\n", {2, 0x7FFFFFFF, 1}, "aabbb")));
  EXPECT_EQ(Extract(r.reader, "a"), "aa");
  Bytes out = FromText("stale");
  EXPECT_FALSE(r.reader.ExtractFile("b", out));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(Extract(r.reader, "c"), "");
  EXPECT_FALSE(r.reader.Entries()[1].available);
  EXPECT_FALSE(r.reader.Entries()[1].intact);
  EXPECT_TRUE(r.reader.Entries()[0].intact);
}

TEST(SkinReader, DeclaredSizeAboveTheLimitIsRefused) {
  const Bytes archive = RawArchive(40000, "a\r\n", {1}, "x");
  Bytes stream = Stream(archive);
  stream[0] = 0x01;  // 64 MiB + 1
  stream[1] = 0x00;
  stream[2] = 0x00;
  stream[3] = 0x04;
  Reader r;
  EXPECT_FALSE(r.reader.LoadFromStream(stream));
  EXPECT_TRUE(r.messages.empty());

  Reader limited;
  limited.reader.SetMaxArchiveSize(8);
  EXPECT_FALSE(limited.reader.LoadFromStream(Stream(archive)));
  limited.reader.SetMaxArchiveSize(static_cast<std::int64_t>(archive.size()));
  EXPECT_TRUE(limited.reader.LoadFromStream(Stream(archive)));
}

TEST(SkinReader, TruncatedStreamStillDecodesTheDeclaredSize) {
  std::vector<TSkinEntry> entries{{"skin.ini", FromText("[Personality]\r\n")},
                                  {"a.bmp", Bytes(3000, 0x42)}};
  Bytes stream = Stream(BuildSkinArchive(40000, entries));
  // The header and name list survive; the picture's tail decodes from zero bits.
  ASSERT_GT(stream.size(), 40u);
  stream.erase(stream.end() - 4, stream.end());
  Reader r;
  ASSERT_TRUE(r.reader.LoadFromStream(stream));
  EXPECT_EQ(Extract(r.reader, "skin.ini"), "[Personality]\r\n");
  EXPECT_EQ(Extract(r.reader, "a.bmp").size(), 3000u);
  // ... and the reader tells which entries were made up in part.
  EXPECT_TRUE(r.reader.Entries()[0].intact);
  EXPECT_FALSE(r.reader.Entries()[1].intact);

  Reader whole;
  ASSERT_TRUE(whole.reader.LoadFromStream(Stream(BuildSkinArchive(40000, entries))));
  EXPECT_TRUE(whole.reader.Entries()[1].intact);
}

TEST(SkinWriter, BuildsWhatTheReaderReadsBack) {
  std::vector<TSkinEntry> entries{{"Skin.ini", FromText("[Colours]\r\n")},
                                  {"Empty.bmp", {}},
                                  {"Big.bmp", Bytes(70000, 7)}};
  const Bytes archive = BuildSkinArchive(50000, entries);
  // Header, reserved block, names each ended by CR LF, sizes, data.
  EXPECT_EQ(archive.size(), 16u + 48 + 30 + 12 + 11 + 70000);
  Reader r;
  ASSERT_TRUE(r.reader.LoadFromStream(Stream(archive)));
  EXPECT_EQ(r.reader.Count(), 3u);
  EXPECT_EQ(Extract(r.reader, "skin.ini"), "[Colours]\r\n");
  EXPECT_EQ(Extract(r.reader, "empty.bmp"), "");
  EXPECT_TRUE(r.reader.Entries()[1].available);
  EXPECT_EQ(Extract(r.reader, "big.bmp"), std::string(70000, '\7'));
}

TEST(SkinWriter, RefusesWhatNoReaderCouldReturn) {
  const auto build = [](std::int32_t format, std::vector<TSkinEntry> entries) {
    return BuildSkinArchive(format, entries);
  };
  EXPECT_THROW(build(45000, {{"a.ini", {}}}), SkinWriteError);
  EXPECT_THROW(build(40000, {{"", {}}}), SkinWriteError);
  EXPECT_THROW(build(40000, {{"a\r\nb", {}}}), SkinWriteError);
  EXPECT_THROW(build(40000, {{"A.bmp", {}}, {"a.BMP", {}}}), SkinWriteError);
  EXPECT_THROW(build(40000, std::vector<TSkinEntry>(1002)), SkinWriteError);
  EXPECT_THROW(build(40000, {{"huge.bmp", Bytes(TSkinReader::kDefaultMaxArchiveSize)}}),
               SkinWriteError);
}

TEST(SkinWriter, StoredPropertyCarriesItsByteCount) {
  const Bytes stream = FromText("stream bytes");
  const Bytes property = varnelta::WrapSkinProperty(stream);
  ASSERT_EQ(property.size(), stream.size() + 4);
  EXPECT_EQ(property[0], stream.size());
  const auto inner = varnelta::UnwrapSkinProperty(property);
  ASSERT_TRUE(inner.has_value());
  EXPECT_EQ(Bytes(inner->begin(), inner->end()), stream);

  Bytes tooLong = property;
  tooLong[0] = 200;
  EXPECT_FALSE(varnelta::UnwrapSkinProperty(tooLong).has_value());
  EXPECT_FALSE(varnelta::UnwrapSkinProperty(Bytes{0xFF, 0xFF, 0xFF, 0xFF}).has_value());
  EXPECT_FALSE(varnelta::UnwrapSkinProperty(Bytes{1, 0}).has_value());
  const auto empty = varnelta::UnwrapSkinProperty(Bytes{0, 0, 0, 0, 9});
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->empty());
}
