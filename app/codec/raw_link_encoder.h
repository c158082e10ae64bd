// MakeSpecialLink over input that arrives in blocks: byte for byte what MakeSpecialLink gives
// for the whole input, carrying at most two bytes of a group (and, for a kind that leaves out
// a leading text, that text's length) between blocks.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/codec/link_codec.h"

namespace varnelta {

class TRawLinkEncoder {
 public:
  // `kind` 0 to 3; any other kind gives no output at all.
  explicit TRawLinkEncoder(int kind);

  void Feed(std::string_view block, std::string& out);
  void Finish(std::string& out);

 private:
  void Encode(std::string_view bytes, std::string& out);

  std::optional<TLinkLayout> layout_;
  bool started_ = false;
  bool leadDecided_ = false;
  std::string lead_;  // the input's first bytes, until it is known whether they are dropLeading
  char carry_[3] = {};
  std::size_t carrySize_ = 0;
};

}  // namespace varnelta
