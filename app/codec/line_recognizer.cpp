#include "app/codec/line_recognizer.h"

namespace varnelta {
namespace {

// A line that can only be more of a Base64 body: no scheme, and it starts like one.
bool MayContinue(std::string_view line) {
  line = TrimLine(line);
  if (line.empty() || FindScheme(line).found) return false;
  const char c = line.front();
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/' ||
         c == '-' || c == '_' || c == '=' || c == '%';
}

}  // namespace

TLineRecognizer::TLineRecognizer(int defaultKind, TSink sink) : defaultKind_(defaultKind), sink_(std::move(sink)) {}

void TLineRecognizer::Line(std::string_view line) {
  if (waiting_.empty()) {
    TLinkResult r = RecognizeLink(line, defaultKind_);
    if (!r.mayContinue) {
      sink_(r);
      return;
    }
    waiting_.emplace_back(line);
    first_ = std::move(r);
    return;
  }
  if (waiting_.size() <= kMaxContinuedLines && MayContinue(line)) {
    waiting_.emplace_back(line);
    std::string joined;
    for (const std::string& part : waiting_) joined += TrimLine(part);
    TLinkResult r = RecognizeLink(joined, defaultKind_);
    if (r.Ok() && !r.mayContinue) {
      sink_(r);
      TLinkResult continued;
      continued.scheme = lsContinued;
      for (std::size_t i = 1; i < waiting_.size(); ++i) sink_(continued);
      waiting_.clear();
    }
    return;
  }
  Resolve();
  Line(line);
}

void TLineRecognizer::Resolve() {
  // No continuation made a good link: every waiting line stands on its own.
  std::vector<std::string> rest(std::make_move_iterator(waiting_.begin() + 1), std::make_move_iterator(waiting_.end()));
  waiting_.clear();
  sink_(first_);
  for (const std::string& line : rest) Line(line);
}

void TLineRecognizer::Finish() {
  while (!waiting_.empty()) Resolve();
}

std::vector<TLinkResult> RecognizeLines(std::string_view text, int defaultKind) {
  std::vector<TLinkResult> results;
  TLineRecognizer recognizer(defaultKind, [&results](const TLinkResult& r) { results.push_back(r); });
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      recognizer.Line(text.substr(start));
      break;
    }
    recognizer.Line(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  recognizer.Finish();
  return results;
}

}  // namespace varnelta
