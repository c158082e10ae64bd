// Loading whole skins from compressed archives: the stored skin of the program, the check
// command's report, and archives without a description or with missing pictures.
#include "skin/data/skin_load.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "skin/data/img_util.h"
#include "skin/data/skin_writer.h"
#include "skin/data/track_pictures.h"
#include "tests/skin/model/bmp_builder.h"
#include "tools/skin/check.h"

namespace varnelta {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Pack(const std::vector<TSkinEntry>& entries) {
  return CompressSkinStream(BuildSkinArchive(40000, entries));
}

class StoredSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stream_ = ReadFile(VARNELTA_STORED_SKIN_PATH);
    ASSERT_FALSE(stream_.empty()) << VARNELTA_STORED_SKIN_PATH;
    ASSERT_TRUE(LoadSkinStream(stream_, skin_, {}, &report_));
  }
  TFixedSystemValues fixed_;
  TScopedSystemValues scope_{fixed_};
  std::vector<std::uint8_t> stream_;
  TSkinElements skin_;
  TSkinLoadReport report_;
};

TEST_F(StoredSkinTest, ParsesCompletely) {
  EXPECT_EQ(report_.DescriptionName.find(".ini") + 4, report_.DescriptionName.size());
  EXPECT_TRUE(report_.Problems.empty()) << report_.Problems.front().Name;
  EXPECT_EQ(skin_.Colours[kColourButtonFace], 0xF5EBE6u);
  EXPECT_TRUE(skin_.ColourPresent[kColourButtonFace]);
  EXPECT_FALSE(skin_.BorderTop->Image.Empty());
  EXPECT_FALSE(skin_.Title->Image.Empty());
  EXPECT_FALSE(skin_.Buttons->Image.Empty());
  EXPECT_FALSE(skin_.SunkEdge);
}

TEST_F(StoredSkinTest, TitleButtons) {
  ASSERT_EQ(skin_.SysButtons.size(), 8u);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(skin_.SysButtons[static_cast<std::size_t>(i)]->Name, "BUTTON" + std::to_string(i));
  const TDataSkinSysButton& b4 = *skin_.SysButtons[4];
  EXPECT_EQ(b4.Action, 3);
  EXPECT_EQ(b4.FrameCount, 6);
  EXPECT_TRUE(b4.Image.Empty());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(skin_.SysButtons[5 + static_cast<std::size_t>(i)]->Action, 7 + i);
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(skin_.SysButtons[static_cast<std::size_t>(i)]->Image.Empty());
}

TEST_F(StoredSkinTest, ComboArrowIsTheRecolouredComboButton) {
  ASSERT_TRUE(skin_.ComboButton);
  ASSERT_TRUE(skin_.ComboArrow);
  TBitmap expected = skin_.ComboButton->Image;
  ReplaceMagenta(expected, 0xF5EBE6);
  EXPECT_EQ(skin_.ComboArrow->Image, expected);
  EXPECT_EQ(skin_.ComboArrow->FrameCount, skin_.ComboButton->FrameCount);
}

TEST(SkinLoadTest, BuiltInTrackPicturesMatchTheProgramResources) {
  TBitmap track, vert;
  ASSERT_TRUE(track.LoadFromFile(std::string(VARNELTA_BITMAP_DIR) + "/TRACK.bmp"));
  ASSERT_TRUE(vert.LoadFromFile(std::string(VARNELTA_BITMAP_DIR) + "/TRACKVERT.bmp"));
  track.MakeOpaque();
  vert.MakeOpaque();
  EXPECT_EQ(track, BuiltInTrackPicture());
  EXPECT_EQ(vert, BuiltInTrackVertPicture());
}

TEST(SkinLoadTest, ArchiveWithoutDescriptionIsNoSkin) {
  TSkinElements skin;
  const auto stream = Pack({{"a.bmp", test::Solid(2, 2, 0).SaveToBytes()}});
  EXPECT_FALSE(LoadSkinStream(stream, skin));
  EXPECT_FALSE(LoadSkinStream({}, skin));
  std::vector<std::uint8_t> garbage(100, 0x5A);
  EXPECT_FALSE(LoadSkinStream(garbage, skin));
}

TEST(SkinLoadTest, UnknownFormatIsReported) {
  std::string heard;
  TSkinElements skin;
  auto archive = BuildSkinArchive(40000, {{"s.ini", Bytes("[Colours]\n")}});
  archive[0] = 0x11;  // another format code
  EXPECT_FALSE(LoadSkinStream(CompressSkinStream(archive), skin,
                              [&](const std::string& m) { heard = m; }));
  EXPECT_EQ(heard, kOlderSkinMessage);
}

TEST(CheckReportTest, LinesAndWarnings) {
  TFixedSystemValues fixed;
  TScopedSystemValues scope(fixed);
  const std::string ini =
      "[TitlebarSkin]\nSkinName=Test Skin\n[Colours]\nButtonFace=1 2 3\n"
      "[Personality]\nTop=top.bmp\nLeft=gone.bmp\nRight=Right.BMP\n"
      "[MenuItem]\nImage=item.bmp\nLeftWidth=1\nTopHeight=2\nRightWidth=3\nBottomHeight=4\nTrans=1\n"
      "[Button0]\nAction=2\nAlign=1\nXcoord=20\nYcoord=3\nVisibility=6\nButtonImage=close.bmp\n";
  const auto stream = Pack({{"Check.ini", Bytes(ini)},
                            {"top.bmp", test::Solid(30, 12, 0x445566).SaveToBytes()},
                            {"item.bmp", test::Solid(50, 20, 0).SaveToBytes()},
                            {"close.bmp", test::Solid(48, 16, 0).SaveToBytes()}});
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadFromStream(stream));
  TSkinElements skin;
  TSkinLoadReport report;
  ASSERT_TRUE(ParseSkinArchive(reader, skin, &report));
  const std::string out = skintool::CheckReport(reader, skin, report);
  auto has = [&](const std::string& line) { return out.find(line + "\n") != std::string::npos; };
  EXPECT_EQ(out.rfind("format: 40000\nentries: 4\ndescription: check.ini\nskinname: Test Skin\n", 0), 0u)
      << out;
  EXPECT_TRUE(has("element BorderTop: 30x12 frames=1 trans=1 tile=1 margins=0,0,0,0")) << out;
  EXPECT_TRUE(has("element MenuItem: 50x20 frames=5 trans=1 tile=0 margins=1,2,3,4")) << out;
  EXPECT_TRUE(has("element Track: 16x4 frames=1 trans=0 tile=0 margins=3,3,3,3")) << out;
  EXPECT_FALSE(has("element MenuBar")) << out;
  EXPECT_TRUE(has("colour 3 ButtonFace: 0x00030201 given")) << out;
  EXPECT_TRUE(has("colour 0 WindowText: 0xFF000008 default")) << out;
  EXPECT_TRUE(has("colour 17 FrameColour: 0x00445566 default")) << out;
  EXPECT_TRUE(has("sysbutton BUTTON0: action=2 align=1 x=20 y=3 frames=3 visibility=6")) << out;
  EXPECT_TRUE(has("sysbutton MDICONTROLS2: action=9 align=100 x=0 y=0 frames=4 visibility=100")) << out;
  EXPECT_TRUE(has("warning: picture \"gone.bmp\" is not in the archive")) << out;
  EXPECT_TRUE(has("warning: picture \"Right.BMP\" is not a .bmp file name")) << out;
}

TEST(CheckCommandTest, ExitStatus) {
  const std::string dir = ::testing::TempDir();
  const std::string good = dir + "/model_check_good.skin", bad = dir + "/model_check_bad.skin",
                    noIni = dir + "/model_check_noini.skin";
  auto write = [](const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
  };
  write(good, Pack({{"s.ini", Bytes("[TitlebarSkin]\nSkinName=S\n")}}));
  write(bad, std::vector<std::uint8_t>(64, 0xEE));
  write(noIni, Pack({{"a.bmp", test::Solid(1, 1, 0).SaveToBytes()}}));
  skintool::Output io;
  EXPECT_EQ(skintool::Run({"check", good}, io), 0) << io.err;
  EXPECT_NE(io.out.find("skinname: S\n"), std::string::npos);
  skintool::Output e1, e2, e3;
  EXPECT_EQ(skintool::Run({"check", bad}, e1), 1);
  EXPECT_FALSE(e1.err.empty());
  EXPECT_EQ(skintool::Run({"check", noIni}, e2), 1);
  EXPECT_NE(e2.err.find("no description"), std::string::npos);
  EXPECT_EQ(skintool::Run({"check", dir + "/absent.skin"}, e3), 1);
  std::remove(good.c_str());
  std::remove(bad.c_str());
  std::remove(noIni.c_str());
}

}  // namespace
}  // namespace varnelta
