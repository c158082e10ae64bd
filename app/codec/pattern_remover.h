// RemoveAll a block at a time: the same left-to-right removal of every occurrence of an ASCII
// pattern, never starting on the second byte of a double-byte (GBK) character, over input that
// arrives in pieces of any size. Holds back fewer bytes than the pattern between pieces.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace varnelta {

// GBK lead bytes: a byte in this range starts a two-byte character.
inline bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Whether position `at` of `text` starts a character, given that `from` (at most `at`) does.
// Any byte outside the lead range ends a character, so only the run of lead-range bytes just
// before `at` needs counting: an odd run leaves `at` as the second half of a character.
bool IsGbkCharStart(std::string_view text, std::size_t from, std::size_t at);

class TPatternRemover {
 public:
  using TSink = std::function<void(std::string_view)>;

  explicit TPatternRemover(std::string_view pattern);

  // Passes on, in order, the kept bytes of `piece` that can no longer start an occurrence.
  void Feed(std::string_view piece, const TSink& sink);
  // Passes on what was held back at the end of the input.
  void Finish(const TSink& sink);

 private:
  // Passes on text[kept, p) without the occurrences starting before p and returns p: the first
  // character start where an occurrence could still run past the end of `text` (possibly one
  // past the end, when the last byte is a lead byte). `i` is a character start.
  std::size_t Scan(std::string_view text, std::size_t i, std::size_t kept, const TSink& sink) const;

  std::string pattern_;
  std::size_t anchor_;   // place in the pattern of the byte searched for (its ":", else 0)
  std::string held_;     // input not yet decided; always begins at a character start
  std::string joint_;    // held bytes joined with the start of the next piece
  bool trailNext_ = false;  // the next input byte is the second half of a character
};

}  // namespace varnelta
