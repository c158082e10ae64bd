// The block-at-a-time link converters on arbitrary bytes cut at arbitrary places: no crash;
// byte for byte what the whole-buffer codec gives; decoded output within its bound.
// Input: one byte choosing the converter, one byte per cut (how far the next cut is), a zero
// byte, then the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/codec/link_codec.h"
#include "app/codec/raw_link_decoder.h"
#include "app/codec/raw_link_encoder.h"

namespace {

template <class Converter>
std::string Stream(Converter& converter, std::string_view text, const std::vector<std::size_t>& steps) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t step : steps) {
    const std::size_t n = step < text.size() - at ? step : text.size() - at;
    converter.Feed(text.substr(at, n), out);
    at += n;
  }
  converter.Feed(text.substr(at), out);
  converter.Finish(out);
  return out;
}

// Decoding the whole input with the kind its prefix names, in any letter case.
std::string WholeFromPrefix(std::string_view text) {
  for (int kind = varnelta::lkThunder; kind <= varnelta::lkRayfile; ++kind) {
    const std::string_view prefix = varnelta::LinkPrefix(kind);
    if (text.size() < prefix.size()) continue;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    bool same = true;
    for (std::size_t i = 0; i < prefix.size(); ++i) same = same && lower(text[i]) == lower(prefix[i]);
    if (same) return *varnelta::MakeOrdinaryLink(kind, std::string(prefix).append(text.substr(prefix.size())));
  }
  return std::string(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int choice = data[0] % 9;
  std::vector<std::size_t> steps;
  std::size_t i = 1;
  for (; i < size && data[i] != 0 && steps.size() < 64; ++i) steps.push_back(data[i]);
  if (i < size && data[i] == 0) ++i;
  const std::string_view text(reinterpret_cast<const char*>(data) + i, size - i);
  if (choice < 4) {
    varnelta::TRawLinkEncoder encoder(choice);
    if (Stream(encoder, text, steps) != *varnelta::MakeSpecialLink(choice, text)) std::abort();
    return 0;
  }
  const int kind = choice == 8 ? varnelta::kKindFromPrefix : choice - 4;
  varnelta::TRawLinkDecoder decoder(kind);
  const std::string out = Stream(decoder, text, steps);
  if (!decoder.Recognised()) {
    // Only when no prefix named the kind: the input passes unchanged.
    if (kind != varnelta::kKindFromPrefix || out != text) std::abort();
    return 0;
  }
  if (out.size() > text.size() / 4 * 3 + 7) std::abort();
  const std::string whole =
      kind == varnelta::kKindFromPrefix ? WholeFromPrefix(text) : *varnelta::MakeOrdinaryLink(kind, text);
  if (out != whole) std::abort();
  return 0;
}
