// Every decoder path of the link codec on arbitrary bytes: no crash, no sanitizer report,
// output within its bound, and Base64 round trips.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/codec/link_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view in(reinterpret_cast<const char*>(data), size);
  const std::string decoded = varnelta::DecodeBase64(in);
  if (decoded.size() > size / 4 * 3) std::abort();
  if (varnelta::DecodeBase64(varnelta::EncodeBase64(in)) != in) std::abort();
  for (int kind = varnelta::lkThunder; kind <= varnelta::lkRayfile; ++kind) {
    const auto address = varnelta::MakeOrdinaryLink(kind, in);
    // Never longer than the decoded text of the whole link, plus the "http://" Rayfile adds.
    if (!address || address->size() > size / 4 * 3 + 7) std::abort();
    const auto link = varnelta::MakeSpecialLink(kind, in);
    if (!link) std::abort();
  }
  return 0;
}
