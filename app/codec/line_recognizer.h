// Line after line of pasted text, one result per line in order. A link broken over several
// lines (a forum or a mail program wrapped it) is joined again: when a line's link is left
// unfinished and the next lines hold nothing but Base64 text, those lines complete it if, and
// only if, together they make a good link. The link's result then stands on its first line
// and each line that carried the rest gets an empty result of kind lsContinued.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/codec/link_recognition.h"

namespace varnelta {

// Lines that may carry on one link.
inline constexpr std::size_t kMaxContinuedLines = 8;

class TLineRecognizer {
 public:
  using TSink = std::function<void(const TLinkResult&)>;

  // `defaultKind` as for RecognizeLink; `sink` receives every line's result, in line order.
  TLineRecognizer(int defaultKind, TSink sink);

  void Line(std::string_view line);
  // Results for lines still waiting for a possible continuation.
  void Finish();

 private:
  void Resolve();

  int defaultKind_;
  TSink sink_;
  std::vector<std::string> waiting_;  // an unfinished link's line and the candidate lines after it
  TLinkResult first_;                 // the unfinished line's own result
};

// A whole text at once: one result per line (line breaks CR LF, LF or CR).
std::vector<TLinkResult> RecognizeLines(std::string_view text, int defaultKind);

}  // namespace varnelta
