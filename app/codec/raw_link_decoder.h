// MakeOrdinaryLink over input that arrives in blocks: byte for byte what MakeOrdinaryLink
// gives for the whole input, with memory that does not grow with the input (fewer than a
// pattern's length of input and a group's worth of Base64 are carried between blocks, plus the
// bytes a kind cuts from the end of the decoded text).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/codec/base64_block.h"
#include "app/codec/link_codec.h"
#include "app/codec/pattern_remover.h"

namespace varnelta {

// Read the kind from the input's first bytes: the first kind whose prefix starts the input in
// any letter case; the prefix is then read as that kind's own.
inline constexpr int kKindFromPrefix = -1;

class TRawLinkDecoder {
 public:
  // `kind` 0 to 3, or kKindFromPrefix.
  explicit TRawLinkDecoder(int kind);

  // Appends to `out` what the block makes certain.
  void Feed(std::string_view block, std::string& out);
  void Finish(std::string& out);

  // False when no prefix started the input (kKindFromPrefix) or the kind is none of 0 to 3:
  // the input is then passed through unchanged. Certain once Finish has run.
  bool Recognised() const { return kind_ >= 0 || !decided_; }

 private:
  void Decide(bool final, std::string& out);
  void Start(std::string& out);
  void Pass(std::string_view text, std::string& out);    // after the link cut
  void Decode(std::string_view text, std::string& out);  // after the pattern removal
  // out[from, at) was held back before, out[at...] is newly decoded.
  void Release(std::size_t from, std::size_t at, std::string& out);

  int kind_;
  bool decided_;
  bool started_ = false;
  std::string head_;  // kKindFromPrefix: the first bytes, until the kind is known
  std::optional<TLinkLayout> layout_;
  std::optional<TPatternRemover> remover_;
  std::size_t linkLeft_ = 0;  // input bytes still to drop
  TBase64Slots slots_;
  char group_[4] = {};
  std::size_t groupSize_ = 0;  // characters of an unfinished group
  std::size_t headLeft_ = 0;   // decoded bytes still to drop
  std::string back_;           // the last decoded bytes, cut if nothing follows them
};

}  // namespace varnelta
