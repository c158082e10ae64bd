// The link recognition on arbitrary bytes: no crash, no sanitizer report; one result per
// line; an address never longer than its line allows, never holding control bytes, and only
// where the line did not fail.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/codec/line_recognizer.h"
#include "app/codec/link_codec.h"
#include "app/codec/link_recognition.h"

namespace {

void Check(const varnelta::TLinkResult& r, std::size_t lineSize) {
  using namespace varnelta;
  if (!r.Ok() && (!r.address.empty() || r.charset != csNone)) std::abort();
  if (r.scheme == lsOrdinary) {
    if (r.address.size() > lineSize) std::abort();
    return;
  }
  // Base64 gives three bytes for four characters; each layer may add "http://".
  if (r.address.size() > lineSize * 3 / 4 + 7 * kMaxLinkLayers) std::abort();
  for (char c : r.address) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int kind = -1; kind <= varnelta::lkRayfile; ++kind) Check(varnelta::RecognizeLink(text, kind), size);
  // Line by line (joined links may span lines, so bounded by the whole text).
  const auto results = varnelta::RecognizeLines(text, size > 0 ? data[0] % 5 - 1 : -1);
  std::size_t breaks = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n' || (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n'))) ++breaks;
  }
  if (results.size() != breaks + 1) std::abort();
  for (const auto& r : results) Check(r, size);
  return 0;
}
