#include "app/codec/raw_link_encoder.h"

#include <algorithm>

#include "app/codec/base64_block.h"

namespace varnelta {
namespace {

// Input bytes per slice (a multiple of 3): the slice is zero-filled just before it is written.
constexpr std::size_t kSlice = 3 << 14;

}  // namespace

TRawLinkEncoder::TRawLinkEncoder(int kind) : layout_(LinkLayout(kind)) {}

void TRawLinkEncoder::Feed(std::string_view block, std::string& out) {
  if (!layout_) return;
  if (!started_) {
    out += layout_->prefix;
    Encode(layout_->head, out);
    started_ = true;
    leadDecided_ = layout_->dropLeading.empty();
  }
  if (!leadDecided_) {
    const std::size_t leading = layout_->dropLeading.size();
    const std::size_t take = std::min(block.size(), leading - lead_.size());
    lead_.append(block.substr(0, take));
    block.remove_prefix(take);
    if (lead_.size() < leading) return;
    if (lead_ != layout_->dropLeading) Encode(lead_, out);
    leadDecided_ = true;
  }
  Encode(block, out);
}

void TRawLinkEncoder::Finish(std::string& out) {
  if (!layout_) return;
  Feed({}, out);
  if (!leadDecided_) Encode(lead_, out);  // shorter than the text that would be left out
  Encode(layout_->tail, out);
  if (carrySize_ > 0) {
    const std::size_t at = out.size();
    out.resize(at + 4);
    EncodeBase64Tail(carry_, carrySize_, out.data() + at);
    carrySize_ = 0;
  }
  out += layout_->suffix;
}

void TRawLinkEncoder::Encode(std::string_view bytes, std::string& out) {
  if (carrySize_ > 0) {
    const std::size_t take = std::min(3 - carrySize_, bytes.size());
    std::copy_n(bytes.data(), take, carry_ + carrySize_);
    carrySize_ += take;
    bytes.remove_prefix(take);
    if (carrySize_ < 3) return;
    const std::size_t at = out.size();
    out.resize(at + 4);
    EncodeBase64Groups(carry_, 3, out.data() + at);
    carrySize_ = 0;
  }
  const std::size_t whole = bytes.size() / 3 * 3;
  for (std::size_t i = 0; i < whole;) {
    const std::size_t take = std::min(kSlice, whole - i);
    const std::size_t at = out.size();
    out.resize(at + take / 3 * 4);
    EncodeBase64Groups(bytes.data() + i, take, out.data() + at);
    i += take;
  }
  carrySize_ = bytes.size() - whole;
  std::copy_n(bytes.data() + whole, carrySize_, carry_);
}

}  // namespace varnelta
