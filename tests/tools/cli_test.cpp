#include "cli.h"

#include <gtest/gtest.h>

#include <algorithm>

using varnelta::cli::Run;
using varnelta::cli::Streams;

namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
  bool inputRead;
};

Result Cli(std::vector<std::string> args, std::string input = {}) {
  Streams io;
  Result r{0, {}, {}, false};
  std::size_t at = 0;
  io.read = [&](char* buffer, std::size_t size) {
    r.inputRead = true;
    const std::size_t n = std::min(size, input.size() - at);
    std::copy_n(input.data() + at, n, buffer);
    at += n;
    return n;
  };
  io.write = [&](std::string_view bytes) { r.out += bytes; };
  io.error = [&](std::string_view text) { r.err += text; };
  r.status = Run(args, io);
  return r;
}

}  // namespace

TEST(Cli, EncodesArgumentsOnePerLineWithEveryKindName) {
  const std::pair<const char*, const char*> kinds[] = {
      {"thunder", "thunder://QUFhYmNaWg=="}, {"0", "thunder://QUFhYmNaWg=="},
      {"flashget", "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&"}, {"1", "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&"},
      {"qqdl", "qqdl://YWJj"}, {"xuanfeng", "qqdl://YWJj"}, {"2", "qqdl://YWJj"},
      {"rayfile", "Rayfile://YWJjfDEyNDk0NDI="}, {"3", "Rayfile://YWJjfDEyNDk0NDI="}};
  for (const auto& [kind, link] : kinds) {
    const Result r = Cli({"encode", "--kind", kind, "abc", " abc\t"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(link) + "\n" + link + "\n") << kind;
    EXPECT_FALSE(r.inputRead);
  }
  EXPECT_EQ(Cli({"encode", "--kind=qqdl", "abc"}).out, "qqdl://YWJj\n");
  EXPECT_EQ(Cli({"encode", "--kind", "2", "--", "--raw"}).out, "qqdl://LS1yYXc=\n");
}

TEST(Cli, LineModeSplitsTrimsAndKeepsEmptyLines) {
  const Result r = Cli({"encode", "--kind", "qqdl"}, "abc\r\n\r\n  abc \t\n\nab");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "qqdl://YWJj\n\nqqdl://YWJj\n\nqqdl://YWI=\n");
  EXPECT_TRUE(r.inputRead);
  EXPECT_EQ(Cli({"encode", "--kind", "qqdl"}, "").out, "");
  EXPECT_EQ(Cli({"decode", "--kind", "qqdl"}, "qqdl://YWJj\r\nYWJj\n").out, "abc\nabc\n");
}

TEST(Cli, RawModeHandsTheWholeInputToTheCodec) {
  EXPECT_EQ(Cli({"encode", "--kind", "qqdl", "--raw"}, " a\r\n").out, "qqdl://IGENCg==");
  EXPECT_EQ(Cli({"encode", "--raw", "--kind", "qqdl", " a "}).out, "qqdl://IGEg");
  // Decoded bytes are written as they are, zero bytes included.
  const Result r = Cli({"decode", "--raw", "--kind", "qqdl"}, "AAAA");
  EXPECT_EQ(r.out, std::string(3, '\0'));
  // Several lines in raw mode form one input, prefixes and all.
  EXPECT_EQ(Cli({"decode", "--raw", "--kind", "qqdl"}, "qqdl://YWJj\r\nqqdl://YWJj").out, "abcaf\x16");
}

TEST(Cli, AutoDecodingReadsThePrefixInAnyCase) {
  const Result r = Cli({"decode"},
                       "Thunder://QUFhYmNaWg==\nFLASHGET://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=&\n"
                       "QQDL://YWJj\nrayfile://YWJjfDEyNDk0NDI=\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "abc\nabc\nabc\nhttp://abc\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Cli({"decode", "--kind", "auto", "--raw", "qqdl://YWJj"}).out, "abc");
}

TEST(Cli, AutoDecodingReportsItemsWithoutAKnownPrefix) {
  // An ordinary address passes unchanged; a line without a scheme gives an empty line.
  const Result r = Cli({"decode"}, "qqdl://YWJj\nhttp://x\n\nYWJj\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "abc\nhttp://x\n\n\n");
  EXPECT_EQ(r.err, "line 4: not a special link\n");
  const Result args = Cli({"decode", "qqdl://YWJj", "ed2k://x", "x://y"});
  EXPECT_EQ(args.status, 1);
  EXPECT_EQ(args.err, "line 3: not a special link\n");
  // With a kind given, a line without a scheme is read as that kind.
  EXPECT_EQ(Cli({"decode", "--kind", "qqdl", "YWJj"}).status, 0);
}

TEST(Cli, UsageErrorsExitWithTwoAndShowTheUsage) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"convert"},
      {"encode", "abc"},
      {"encode", "--kind", "auto", "abc"},
      {"encode", "--kind", "4", "abc"},
      {"decode", "--kind"},
      {"decode", "--kind", "ed2k"},
      {"decode", "--fast", "x"},
      {"encode", "--kind", "qqdl", "--raw", "a", "b"},
      {"encode", "--kind", "qqdl", "--explain", "a"},
      {"encode", "--kind", "qqdl", "--charset", "utf8", "a"},
      {"decode", "--charset", "latin1", "a"},
      {"decode", "--charset"},
      {"decode", "--raw", "--explain"},
      {"decode", "--raw", "--charset=gbk"},
  };
  for (const auto& args : bad) {
    const Result r = Cli(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("varnelta-cli: "), std::string::npos);
    EXPECT_NE(r.err.find("usage: varnelta-cli encode"), std::string::npos);
    EXPECT_FALSE(r.inputRead);
  }
}

TEST(Cli, HelpAndVersion) {
  const Result help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: varnelta-cli encode --kind KIND [--raw] [ADDRESS ...]\n", 0), 0u);
  EXPECT_EQ(Cli({"--version"}).out, "varnelta-cli 0.1.0\n");
}
