#include "cli.h"

#include <gtest/gtest.h>

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
  bool read = false;
  io.readInput = [&] { read = true; return input; };
  const int status = Run(args, io);
  return {status, io.out, io.err, read};
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
  const Result r = Cli({"decode"}, "qqdl://YWJj\nhttp://x\n\nYWJj\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "abc\nhttp://x\n\nYWJj\n");
  EXPECT_EQ(r.err, "line 2: not a special link\nline 4: not a special link\n");
  const Result args = Cli({"decode", "qqdl://YWJj", "ed2k://x"});
  EXPECT_EQ(args.status, 1);
  EXPECT_EQ(args.err, "line 2: not a special link\n");
  // With a kind given there is no prefix check.
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
