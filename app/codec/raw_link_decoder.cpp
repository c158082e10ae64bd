#include "app/codec/raw_link_decoder.h"

#include <algorithm>

namespace varnelta {
namespace {

// Decoded bytes per slice: the slice is zero-filled just before the codec overwrites it.
constexpr std::size_t kSliceGroups = 1 << 14;
constexpr std::size_t kLongestPrefix = 11;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

TRawLinkDecoder::TRawLinkDecoder(int kind) : kind_(kind), decided_(kind != kKindFromPrefix) {
  if (decided_ && !LinkLayout(kind)) kind_ = -1;  // no such kind: the input passes unchanged
}

void TRawLinkDecoder::Decide(bool final, std::string& out) {
  for (int kind = lkThunder; kind <= lkRayfile; ++kind) {
    const std::string_view prefix = LinkPrefix(kind);
    const std::size_t n = std::min(prefix.size(), head_.size());
    if (!EqualNoCase(std::string_view(head_).substr(0, n), prefix.substr(0, n))) continue;
    if (head_.size() < prefix.size()) {
      if (final) continue;  // the input is shorter than this prefix
      return;               // an earlier kind is not settled yet: wait for more bytes
    }
    head_.replace(0, prefix.size(), prefix);
    kind_ = kind;
    break;
  }
  decided_ = true;
  std::string head = std::move(head_);
  head_.clear();
  Pass(head, out);
}

void TRawLinkDecoder::Start(std::string& out) {
  started_ = true;
  if (kind_ < 0) return;
  layout_ = LinkLayout(kind_);
  remover_.emplace(layout_->pattern);
  linkLeft_ = layout_->linkCut;
  headLeft_ = layout_->headCut;
  out += layout_->addressPrefix;
}

void TRawLinkDecoder::Feed(std::string_view block, std::string& out) {
  if (!decided_) {
    const std::size_t take = std::min(block.size(), kLongestPrefix - head_.size());
    head_.append(block.substr(0, take));
    block.remove_prefix(take);
    Decide(false, out);
    if (!decided_) return;
  }
  Pass(block, out);
}

void TRawLinkDecoder::Finish(std::string& out) {
  if (!decided_) Decide(true, out);
  if (!started_) Start(out);
  if (remover_) remover_->Finish([this, &out](std::string_view text) { Decode(text, out); });
  // An unfinished group is ignored, and the bytes held back are the ones the kind cuts.
  groupSize_ = 0;
  back_.clear();
}

void TRawLinkDecoder::Pass(std::string_view text, std::string& out) {
  if (!started_) Start(out);
  if (kind_ < 0) {
    out += text;
    return;
  }
  const std::size_t drop = std::min(linkLeft_, text.size());
  linkLeft_ -= drop;
  text.remove_prefix(drop);
  remover_->Feed(text, [this, &out](std::string_view kept) { Decode(kept, out); });
}

void TRawLinkDecoder::Decode(std::string_view text, std::string& out) {
  if (groupSize_ > 0) {
    const std::size_t take = std::min(4 - groupSize_, text.size());
    std::copy_n(text.data(), take, group_ + groupSize_);
    groupSize_ += take;
    text.remove_prefix(take);
    if (groupSize_ < 4) return;
    groupSize_ = 0;
    const std::size_t from = out.size();
    if (headLeft_ == 0) out += back_;
    char bytes[3];
    const std::size_t at = out.size();
    out.append(bytes, DecodeBase64Groups(group_, 1, bytes, slots_));
    Release(from, at, out);
  }
  const std::size_t groups = text.size() / 4;
  for (std::size_t g = 0; g < groups;) {
    const std::size_t take = std::min(kSliceGroups, groups - g);
    const std::size_t from = out.size();
    if (headLeft_ == 0) out += back_;
    const std::size_t at = out.size();
    out.resize(at + take * 3);
    out.resize(at + DecodeBase64Groups(text.data() + g * 4, take, out.data() + at, slots_));
    Release(from, at, out);
    g += take;
  }
  groupSize_ = text.size() % 4;
  std::copy_n(text.data() + groups * 4, groupSize_, group_);
}

void TRawLinkDecoder::Release(std::size_t from, std::size_t at, std::string& out) {
  if (headLeft_ > 0) {
    const std::size_t drop = std::min(headLeft_, out.size() - at);
    out.erase(at, drop);
    headLeft_ -= drop;
  }
  // The bytes held back before were put at `from`; the last tailCut bytes are held back now.
  const std::size_t hold = std::min(layout_->tailCut, out.size() - from);
  back_.assign(out, out.size() - hold, hold);
  out.resize(out.size() - hold);
}

}  // namespace varnelta
