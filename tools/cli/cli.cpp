#include "cli.h"

#include <array>
#include <optional>
#include <string_view>

#include "app/codec/link_codec.h"

namespace varnelta::cli {
namespace {

constexpr std::string_view kVersion = "varnelta-cli 0.1.0\n";

constexpr std::string_view kUsage =
    "usage: varnelta-cli encode --kind KIND [--raw] [ADDRESS ...]\n"
    "       varnelta-cli decode [--kind KIND|auto] [--raw] [LINK ...]\n"
    "       varnelta-cli --help | --version\n";

constexpr std::string_view kHelp =
    "Converts download addresses to the special links of Thunder, FlashGet, QQ Xuanfeng and\n"
    "Rayfile, and special links back to addresses.\n"
    "\n"
    "KIND is thunder, flashget, qqdl (or xuanfeng), rayfile, or the number 0 to 3.\n"
    "encode needs a kind; decode reads it from each link's prefix unless --kind is given.\n"
    "\n"
    "Each argument is one item; without arguments, standard input is read line by line.\n"
    "Blanks and tabs around a line are dropped, each non-empty line is converted on its own,\n"
    "and an empty line stays empty. With --raw the whole input (all of standard input, or the\n"
    "single argument) is converted as one byte string and the result is written as it is.\n"
    "\n"
    "Exit status: 0 done, 1 an item was no special link (decode without --kind), 2 usage error.\n";

constexpr int kAuto = -1;

enum class Command { Encode, Decode };

struct Options {
  Command command = Command::Encode;
  std::optional<int> kind;  // kAuto for decoding by prefix
  bool raw = false;
  std::vector<std::string> items;
};

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

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Converts one item into `out` (appended). False when auto decoding finds no known prefix;
// the item is then written unchanged.
bool ConvertItem(const Options& o, std::string_view item, std::string& out) {
  // A whole result moves into an empty output, so a large raw input is never copied twice.
  const auto put = [&out](std::string&& result) {
    if (out.empty()) out = std::move(result);
    else out += result;
  };
  if (o.command == Command::Encode) {
    put(*MakeSpecialLink(*o.kind, item));
    return true;
  }
  if (*o.kind != kAuto) {
    put(*MakeOrdinaryLink(*o.kind, item));
    return true;
  }
  for (int kind = lkThunder; kind <= lkRayfile; ++kind) {
    const std::string_view prefix = LinkPrefix(kind);
    if (StartsWithNoCase(item, prefix)) {
      // Read a prefix in another letter case as the kind's own.
      std::string link(prefix);
      link.append(item.substr(prefix.size()));
      put(*MakeOrdinaryLink(kind, link));
      return true;
    }
  }
  out.append(item);
  return false;
}

int UsageError(Streams& io, std::string_view message) {
  io.err.append("varnelta-cli: ").append(message).append("\n").append(kUsage);
  return 2;
}

}  // namespace

int Run(const std::vector<std::string>& args, Streams& io) {
  if (args.empty()) return UsageError(io, "missing command");
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    io.out.append(kUsage).append("\n").append(kHelp);
    return 0;
  }
  if (first == "--version") {
    io.out.append(kVersion);
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

  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.size() < 2 || a[0] != '-') {
      o.items.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--raw") {
      o.raw = true;
    } else if (a == "--kind" || a.starts_with("--kind=")) {
      std::string value;
      if (a == "--kind") {
        if (i + 1 >= args.size()) return UsageError(io, "--kind needs a value");
        value = args[++i];
      } else {
        value = a.substr(7);
      }
      o.kind = ParseKind(value, o.command == Command::Decode);
      if (!o.kind) return UsageError(io, "unknown kind '" + value + "'");
    } else if (a == "--help" || a == "--version") {
      return UsageError(io, a + " stands alone");
    } else {
      return UsageError(io, "unknown option '" + a + "'");
    }
  }
  if (!o.kind) {
    if (o.command == Command::Encode) return UsageError(io, "encode needs --kind");
    o.kind = kAuto;
  }
  if (o.raw && o.items.size() > 1) return UsageError(io, "--raw takes a single argument");

  const bool fromInput = o.items.empty();
  const std::string input = fromInput ? io.readInput() : std::string();
  int status = 0;
  const auto report = [&](std::size_t number) {
    io.err.append("line ").append(std::to_string(number)).append(": not a special link\n");
    status = 1;
  };

  if (o.raw) {
    if (!ConvertItem(o, fromInput ? std::string_view(input) : std::string_view(o.items[0]), io.out)) report(1);
    return status;
  }

  const auto convertLine = [&](std::string_view line, std::size_t number) {
    line = Trim(line);
    if (!line.empty() && !ConvertItem(o, line, io.out)) report(number);
    io.out.push_back('\n');
  };
  if (!fromInput) {
    for (std::size_t i = 0; i < o.items.size(); ++i) convertLine(o.items[i], i + 1);
    return status;
  }
  std::string_view rest = input;
  std::size_t number = 0;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    convertLine(line, ++number);
  }
  return status;
}

}  // namespace varnelta::cli
