// The Windows bitmap reader on arbitrary bytes, as a file and as a packed bitmap. A picture
// that reads must be within the limits and survive a write and a second read unchanged.
#include <cstdint>
#include <cstdlib>

#include "runtime/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  for (int pass = 0; pass < 2; ++pass) {
    varnelta::TBitmap picture;
    const bool ok = pass == 0 ? picture.LoadFromBytes(bytes) : picture.LoadFromDib(bytes);
    if (ok != !picture.Empty()) std::abort();
    if (!ok) continue;
    if (picture.Width() > varnelta::TBitmap::kMaxSide || picture.Height() > varnelta::TBitmap::kMaxSide)
      std::abort();
    if (static_cast<std::int64_t>(picture.Width()) * picture.Height() > (1 << 20)) continue;
    varnelta::TBitmap again = varnelta::TBitmap::FromBytes(picture.SaveToBytes());
    picture.MakeOpaque();
    if (!(again == picture)) std::abort();
  }
  return 0;
}
