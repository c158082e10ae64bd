#include "line_mode.h"

#include <memory>

#include "app/codec/line_recognizer.h"
#include "app/codec/link_codec.h"
#include "charset_conversion.h"

namespace varnelta::cli {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Output and error text gathered and written a block at a time.
class TOutput {
 public:
  explicit TOutput(Streams& io) : io_(io) {}
  std::string out;
  std::string err;
  void Flush(bool all) {
    if (!out.empty() && (all || out.size() >= kBlock)) {
      io_.write(out);
      out.clear();
    }
    if (!err.empty() && (all || err.size() >= kBlock)) {
      io_.error(err);
      err.clear();
    }
  }

 private:
  Streams& io_;
};

// Calls `line` for every line: each argument, or each line of standard input (split at LF, a
// CR before it dropped; a last line without LF counts when it is not empty).
template <class LineFn>
void ForEachLine(const Options& o, Streams& io, LineFn&& line) {
  if (!o.items.empty()) {
    for (const std::string& item : o.items) line(item);
    return;
  }
  const auto block = std::make_unique<char[]>(kBlock);
  std::string carry;  // a line begun in an earlier block
  const auto complete = [&line](std::string_view l) {
    if (l.ends_with('\r')) l.remove_suffix(1);
    line(l);
  };
  while (const std::size_t got = io.read(block.get(), kBlock)) {
    std::string_view rest(block.get(), got);
    std::size_t end = rest.find('\n');
    if (!carry.empty() || end == std::string_view::npos) {
      carry.append(rest.substr(0, end));
      if (end == std::string_view::npos) continue;
      complete(carry);
      carry.clear();
      rest.remove_prefix(end + 1);
      end = rest.find('\n');
    }
    for (; end != std::string_view::npos; end = rest.find('\n')) {
      complete(rest.substr(0, end));
      rest.remove_prefix(end + 1);
    }
    carry.assign(rest);
  }
  if (!carry.empty()) line(carry);
}

// A decoded line as written: its text, or the reason it gives none.
struct TLineOutcome {
  std::string_view text;
  std::string converted;
  std::string failure;
};

TLineOutcome Outcome(const TLinkResult& r, TCharset wanted) {
  TLineOutcome outcome;
  if (!r.Ok()) {
    outcome.failure = FailureText(r.failure);
  } else if (r.scheme == lsOrdinary || wanted == csNone || r.charset == wanted) {
    outcome.text = r.address;  // an ordinary line passes unchanged
  } else if (auto converted = ConvertCharset(r.address, r.charset, wanted)) {
    outcome.converted = std::move(*converted);
    outcome.text = outcome.converted;
  } else {
    outcome.failure = "not convertible to " + std::string(CharsetName(wanted));
  }
  return outcome;
}

int Encode(const Options& o, Streams& io) {
  TOutput output(io);
  ForEachLine(o, io, [&](std::string_view line) {
    line = TrimBlanks(line);
    if (!line.empty()) output.out += *MakeSpecialLink(*o.kind, line);
    output.out += '\n';
    output.Flush(false);
  });
  output.Flush(true);
  return 0;
}

int Decode(const Options& o, Streams& io) {
  TOutput output(io);
  std::size_t number = 0;
  int status = 0;
  TLineRecognizer recognizer(*o.kind, [&](const TLinkResult& r) {
    const std::string n = std::to_string(++number);
    const TLineOutcome outcome = Outcome(r, o.charset);
    if (!outcome.failure.empty()) status = 1;
    if (o.explain) {
      output.out.append(n).append("\t").append(KindText(r)).append("\t").append(CharsetName(r.charset));
      output.out.append("\t").append(outcome.failure.empty() ? "ok" : outcome.failure).append("\n");
    } else {
      output.out.append(outcome.text).append("\n");
      if (!outcome.failure.empty()) output.err.append("line ").append(n).append(": ").append(outcome.failure) += '\n';
    }
    output.Flush(false);
  });
  ForEachLine(o, io, [&recognizer](std::string_view line) { recognizer.Line(line); });
  recognizer.Finish();
  output.Flush(true);
  return status;
}

}  // namespace

int RunLines(const Options& o, Streams& io) { return o.command == Command::Encode ? Encode(o, io) : Decode(o, io); }

}  // namespace varnelta::cli
