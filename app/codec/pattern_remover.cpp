#include "app/codec/pattern_remover.h"

#include <algorithm>
#include <cstring>

namespace varnelta {

bool IsGbkCharStart(std::string_view text, std::size_t from, std::size_t at) {
  std::size_t k = at;
  while (k > from && IsGbkLeadByte(static_cast<unsigned char>(text[k - 1]))) --k;
  return (at - k) % 2 == 0;
}

TPatternRemover::TPatternRemover(std::string_view pattern) : pattern_(pattern) {
  const std::size_t colon = pattern_.find(':');
  anchor_ = colon == std::string::npos ? 0 : colon;
}

std::size_t TPatternRemover::Scan(std::string_view text, std::size_t i, std::size_t kept,
                                  const TSink& sink) const {
  const std::size_t n = pattern_.size();
  if (n > 0 && text.size() >= n) {
    const std::size_t last = text.size() - n;  // last place an occurrence can start
    const char anchor = pattern_[anchor_];
    while (i <= last) {
      // The rare byte of the pattern (":" of a scheme) finds the candidates quickly.
      const void* hit = std::memchr(text.data() + i + anchor_, anchor, last + 1 - i);
      if (!hit) break;
      const std::size_t start = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) - anchor_;
      if (!IsGbkCharStart(text, i, start)) {
        i = start + 1;  // the second half of a character: the next one starts after it
        continue;
      }
      if (std::memcmp(text.data() + start, pattern_.data(), n) == 0) {
        if (start > kept) sink(text.substr(kept, start - kept));
        i = start + n;
        kept = i;
        continue;
      }
      i = start + (IsGbkLeadByte(static_cast<unsigned char>(text[start])) ? 2 : 1);
    }
    if (i <= last) i = IsGbkCharStart(text, i, last + 1) ? last + 1 : last + 2;
  }
  const std::size_t end = std::min(i, text.size());
  if (end > kept) sink(text.substr(kept, end - kept));
  return i;
}

void TPatternRemover::Feed(std::string_view piece, const TSink& sink) {
  if (piece.empty()) return;
  std::size_t i = 0;     // where the piece's scan starts: a character start
  std::size_t kept = 0;  // the piece's first byte not yet passed on
  if (!held_.empty()) {
    // Decide the occurrences that start in the held bytes: they need at most a pattern's
    // length of the new piece.
    const std::size_t take = std::min(piece.size(), pattern_.size());
    joint_.assign(held_).append(piece.substr(0, take));
    const std::size_t heldSize = held_.size();
    held_.clear();
    const std::size_t p = Scan(joint_, 0, 0, sink);
    if (take == piece.size()) {
      if (p < joint_.size()) held_.assign(joint_, p);
      trailNext_ = p > joint_.size();
      return;
    }
    i = p - heldSize;
    kept = std::min(p, joint_.size()) - heldSize;
  } else if (trailNext_) {
    i = 1;  // the second half of a character already begun: passed on, never a start
  }
  const std::size_t p = Scan(piece, i, kept, sink);
  if (p < piece.size()) held_.assign(piece.substr(p));
  trailNext_ = p > piece.size();
}

void TPatternRemover::Finish(const TSink& sink) {
  // Shorter than the pattern: no occurrence can be in it.
  if (!held_.empty()) sink(held_);
  held_.clear();
  trailNext_ = false;
}

}  // namespace varnelta
