#include "cli.h"

#include <array>
#include <optional>
#include <string_view>

#include "app/codec/link_codec.h"
#include "line_mode.h"
#include "options.h"
#include "raw_mode.h"

namespace varnelta::cli {
namespace {

constexpr std::string_view kVersion = "varnelta-cli 0.1.0\n";

constexpr std::string_view kUsage =
    "usage: varnelta-cli encode --kind KIND [--raw] [ADDRESS ...]\n"
    "       varnelta-cli decode [--kind KIND|auto] [--explain] [--charset gbk|utf8] [LINK ...]\n"
    "       varnelta-cli decode [--kind KIND|auto] --raw [LINK]\n"
    "       varnelta-cli --help | --version\n";

constexpr std::string_view kHelp =
    "Converts download addresses to the special links of Thunder, FlashGet, QQ Xuanfeng and\n"
    "Rayfile, and special links back to addresses.\n"
    "\n"
    "KIND is thunder, flashget, qqdl (or xuanfeng), rayfile, or the number 0 to 3.\n"
    "\n"
    "Each argument is one line; without arguments, standard input is read line by line, and\n"
    "line N of the output is the result for line N of the input.\n"
    "encode needs a kind; blanks and tabs around a line are dropped and an empty line stays empty.\n"
    "decode reads each line's kind from its own scheme in any letter case (thunder, flashget,\n"
    "qqdl, rayfile, and fs2you and thunderxl beside them); --kind reads the lines that have no\n"
    "scheme. Pasting damage is tolerated: quotes and brackets around a link, text after it,\n"
    "FlashGet's \"&\" tags, %2B %2F %3D escapes, the URL-safe alphabet, missing padding, blanks\n"
    "inside, a link broken over several lines, links wrapped in links. Ordinary addresses (http,\n"
    "https, ftp, ed2k, magnet) pass through unchanged. A line that gives no address gives an\n"
    "empty output line and \"line N: <reason>\" on standard error.\n"
    "  --explain        instead of the results, one line per input line: number, kind, charset,\n"
    "                   and the reason or \"ok\", separated by tabs\n"
    "  --charset CS     write decoded addresses in gbk or utf8 (otherwise as they came: UTF-8\n"
    "                   when they are valid UTF-8 with a multi-byte character, else GBK)\n"
    "\n"
    "With --raw the whole input (all of standard input, or the single argument) is converted as\n"
    "one byte string by the exact codec, streamed in blocks, and the result written as it is;\n"
    "decode --raw without a kind reads it from the prefix the input starts with.\n"
    "\n"
    "Exit status: 0 done, 1 a line gave no address, 2 usage error.\n";

std::optional<int> ParseKind(std::string_view name, bool allowAuto) {
  static constexpr std::array<std::pair<std::string_view, int>, 9> kNames{{
      {"thunder", lkThunder}, {"0", lkThunder},
      {"flashget", lkFlashGet}, {"1", lkFlashGet},
      {"qqdl", lkXuanfeng}, {"xuanfeng", lkXuanfeng}, {"2", lkXuanfeng},
      {"rayfile", lkRayfile}, {"3", lkRayfile},
  }};
  for (const auto& [text, kind] : kNames) {
    if (name == text) return kind;
  }
  if (allowAuto && name == "auto") return kAuto;
  return std::nullopt;
}

int UsageError(Streams& io, std::string_view message) {
  std::string text = "varnelta-cli: ";
  text.append(message).append("\n").append(kUsage);
  io.error(text);
  return 2;
}

// "--name value" or "--name=value"; false when the option is not `name`.
bool OptionValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
                 std::optional<std::string>& value) {
  const std::string& a = args[i];
  if (a == name) {
    if (i + 1 < args.size()) value = args[++i];
    else value = std::nullopt;
    return true;
  }
  if (a.size() > name.size() && a.starts_with(name) && a[name.size()] == '=') {
    value = a.substr(name.size() + 1);
    return true;
  }
  return false;
}

}  // namespace

int Run(const std::vector<std::string>& args, Streams& io) {
  if (args.empty()) return UsageError(io, "missing command");
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    io.write(std::string(kUsage).append("\n").append(kHelp));
    return 0;
  }
  if (first == "--version") {
    io.write(kVersion);
    return 0;
  }
  Options o;
  if (first == "encode") {
    o.command = Command::Encode;
  } else if (first == "decode") {
    o.command = Command::Decode;
  } else {
    return UsageError(io, "unknown command '" + first + "'");
  }
  const bool decoding = o.command == Command::Decode;

  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::optional<std::string> value;
    if (optionsEnded || a.size() < 2 || a[0] != '-') {
      o.items.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--raw") {
      o.raw = true;
    } else if (a == "--explain" && decoding) {
      o.explain = true;
    } else if (OptionValue(args, i, "--kind", value)) {
      if (!value) return UsageError(io, "--kind needs a value");
      o.kind = ParseKind(*value, decoding);
      if (!o.kind) return UsageError(io, "unknown kind '" + *value + "'");
    } else if (decoding && OptionValue(args, i, "--charset", value)) {
      if (!value) return UsageError(io, "--charset needs a value");
      if (*value == "gbk") o.charset = csGbk;
      else if (*value == "utf8") o.charset = csUtf8;
      else return UsageError(io, "unknown charset '" + *value + "'");
    } else if (a == "--help" || a == "--version") {
      return UsageError(io, a + " stands alone");
    } else {
      return UsageError(io, "unknown option '" + a + "'");
    }
  }
  if (!o.kind) {
    if (!decoding) return UsageError(io, "encode needs --kind");
    o.kind = kAuto;
  }
  if (o.raw && o.items.size() > 1) return UsageError(io, "--raw takes a single argument");
  if (o.raw && (o.explain || o.charset != csNone)) return UsageError(io, "--raw works on bytes, line by line options do not apply");
  return o.raw ? RunRaw(o, io) : RunLines(o, io);
}

}  // namespace varnelta::cli
