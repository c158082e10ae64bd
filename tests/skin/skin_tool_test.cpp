#include "tools/skin/skin_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "skin/data/skin_writer.h"

namespace fs = std::filesystem;
using varnelta::skintool::Output;
using varnelta::skintool::Run;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result Tool(const std::vector<std::string>& args) {
  Output io;
  const int status = Run(args, io);
  return {status, io.out, io.err};
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Bitmap(std::size_t size, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes bytes{'B', 'M'};
  while (bytes.size() < size) bytes.push_back(static_cast<std::uint8_t>(rng() % 4 * 60));
  return bytes;
}

class SkinTool : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("varnelta-skin-test-" + std::to_string(std::random_device{}()));
    fs::create_directories(root_ / "in");
    WriteFile(root_ / "in" / "Skin.ini", {'[', 'A', ']', '\r', '\n'});
    WriteFile(root_ / "in" / "FrameLeft.bmp", Bitmap(5000, 1));
    WriteFile(root_ / "in" / "a.bmp", Bitmap(70000, 2));
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }

  fs::path root_;
};

}  // namespace

TEST_F(SkinTool, PackListUnpackRoundTrip) {
  for (const bool property : {false, true}) {
    std::vector<std::string> pack{"pack", Path("in"), Path("out.skin")};
    std::vector<std::string> list{"list", Path("out.skin")};
    std::vector<std::string> unpack{"unpack", Path("out.skin"), Path("unpacked")};
    if (property) {
      pack.push_back("--property");
      list.push_back("--property");
      unpack.push_back("--property");
    }
    const Result packed = Tool(pack);
    ASSERT_EQ(packed.status, 0) << packed.err;
    const Result listed = Tool(list);
    ASSERT_EQ(listed.status, 0) << listed.err;
    // The description first, then the pictures by name.
    EXPECT_EQ(listed.out, "format 40000\n5\tskin.ini\n5000\tframeleft.bmp\n70000\ta.bmp\n");

    fs::remove_all(root_ / "unpacked");
    const Result unpacked = Tool(unpack);
    ASSERT_EQ(unpacked.status, 0) << unpacked.err;
    EXPECT_EQ(ReadFile(root_ / "unpacked" / "skin.ini"), ReadFile(root_ / "in" / "Skin.ini"));
    EXPECT_EQ(ReadFile(root_ / "unpacked" / "frameleft.bmp"),
              ReadFile(root_ / "in" / "FrameLeft.bmp"));
    EXPECT_EQ(ReadFile(root_ / "unpacked" / "a.bmp"), ReadFile(root_ / "in" / "a.bmp"));

    const Bytes file = ReadFile(root_ / "out.skin");
    ASSERT_GE(file.size(), 8u);
    const std::size_t sizeField = property ? 4 : 0;
    EXPECT_EQ(file[sizeField] | (file[sizeField + 1] << 8) | (file[sizeField + 2] << 16),
              16 + 80 + 32 + 12 + 75005);
    if (property) {
      EXPECT_EQ(file[0] | (file[1] << 8), static_cast<int>(file.size() - 4));
    }
  }
}

TEST_F(SkinTool, PacksTheGivenFormatAndSkipsOtherFiles) {
  WriteFile(root_ / "in" / "notes.txt", {'x'});
  WriteFile(root_ / "in" / "broken.bmp", {'x', 'y'});
  const Result packed = Tool({"pack", Path("in"), Path("s"), "--format", "20000"});
  ASSERT_EQ(packed.status, 0) << packed.err;
  EXPECT_NE(packed.err.find("skipping notes.txt"), std::string::npos);
  EXPECT_NE(packed.err.find("broken.bmp is not a Windows bitmap file"), std::string::npos);
  const Result listed = Tool({"list", Path("s")});
  EXPECT_EQ(listed.out.substr(0, 13), "format 20000\n");
  EXPECT_NE(listed.out.find("2\tbroken.bmp\n"), std::string::npos);
  EXPECT_EQ(listed.out.find("notes"), std::string::npos);
}

TEST_F(SkinTool, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"frobnicate"},
           {"pack", Path("in")},
           {"pack", Path("in"), Path("s"), "--format"},
           {"pack", Path("in"), Path("s"), "--format", "45000"},
           {"list", Path("s"), "--format", "40000"},
           {"list", Path("s"), "extra"},
           {"unpack", Path("s"), Path("o"), "--verbose"},
       }) {
    const Result r = Tool(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_NE(r.err.find("usage: varnelta-skin pack"), std::string::npos);
  }
  const Result help = Tool({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("varnelta-skin list SKIN [--property]"), std::string::npos);
}

TEST_F(SkinTool, BadInputGivesAMessageAndExitOne) {
  WriteFile(root_ / "garbage", Bitmap(300, 3));
  WriteFile(root_ / "short", {1, 2});
  WriteFile(root_ / "property", {0xF0, 0, 0, 0, 1, 2, 3});
  {
    const Bytes old = varnelta::CompressSkinStream(Bytes{0x10, 0x27, 0, 0, 0, 0, 0, 0});
    WriteFile(root_ / "older", old);
  }
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"list", Path("missing")}, "no such file"},
      {{"list", Path("in")}, "not a file"},
      {{"list", Path("short")}, "not a skin archive, or a damaged one"},
      {{"list", Path("property"), "--property"}, "damaged stored property"},
      {{"list", Path("older")}, "This is Older Skin File Please update to new version !"},
      {{"unpack", Path("missing"), Path("o")}, "no such file"},
      {{"pack", Path("missing"), Path("o")}, "not a folder"},
  };
  for (const auto& [args, message] : cases) {
    const Result r = Tool(args);
    EXPECT_EQ(r.status, 1) << args[1];
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
  // Garbage decodes to something; whatever it is, the tool answers and does not crash.
  EXPECT_EQ(Tool({"list", Path("garbage")}).status, 1);

  fs::remove(root_ / "in" / "Skin.ini");
  EXPECT_NE(Tool({"pack", Path("in"), Path("o")}).err.find("needs exactly one .ini"),
            std::string::npos);
  WriteFile(root_ / "in" / "one.ini", {});
  WriteFile(root_ / "in" / "two.INI", {});
  EXPECT_EQ(Tool({"pack", Path("in"), Path("o")}).status, 1);
}

TEST_F(SkinTool, UnpackWritesOnlyPlainFileNames) {
  const std::vector<varnelta::TSkinEntry> entries{
      {"skin.ini", {'i'}}, {"../escape.bmp", {'e'}}, {"sub\\x.bmp", {'s'}}, {"ok.bmp", {'o'}}};
  WriteFile(root_ / "hostile", varnelta::CompressSkinStream(
                                   varnelta::BuildSkinArchive(40000, entries)));
  const Result r = Tool({"unpack", Path("hostile"), Path("out")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("\"../escape.bmp\": not a plain file name"), std::string::npos);
  EXPECT_FALSE(fs::exists(root_ / "escape.bmp"));
  EXPECT_EQ(ReadFile(root_ / "out" / "ok.bmp"), Bytes{'o'});
  EXPECT_EQ(ReadFile(root_ / "out" / "skin.ini"), Bytes{'i'});
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "out"), fs::directory_iterator()), 2);
}
