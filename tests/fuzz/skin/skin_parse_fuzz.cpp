// The whole skin parse on arbitrary input. The first byte chooses the form of the rest:
//   0: a compressed skin stream, opened and parsed as the program does;
//   1: an already decompressed archive;
//   2: a description text up to the first NUL byte, followed by one bitmap file that answers
//      every picture the description names (reaches the parse's picture handling quickly).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "skin/data/skin_load.h"
#include "skin/data/skin_objects.h"

namespace {

// Pixels all pictures of one input may hold: keeps each run fast.
constexpr std::int64_t kBudget = std::int64_t{1} << 20;

void CheckElements(const varnelta::TSkinElements& skin) {
  if (!skin.BorderTop || !skin.Title || !skin.Buttons || !skin.Track || !skin.TrackVert ||
      !skin.Toolbar || !skin.ComboArrow)
    std::abort();
  if (skin.SysButtons.size() < 3) std::abort();
  if (skin.TabPane && (skin.TabPane->Margins.Left > 4 || skin.TabPane->Margins.Bottom > 4))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  varnelta::TFixedSystemValues fixed;
  varnelta::TScopedSystemValues scope(fixed);
  const std::uint8_t mode = data[0] % 3;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  varnelta::TSkinElements skin;
  if (mode == 0 || mode == 1) {
    varnelta::TSkinReader reader([](const std::string&) {});
    reader.SetMaxArchiveSize(std::int64_t{1} << 18);  // the stored skin is 143 KiB
    const bool loaded = mode == 0 ? reader.LoadFromStream(rest) : reader.LoadArchive(rest);
    if (loaded && varnelta::ParseSkinArchive(reader, skin, nullptr, kBudget)) CheckElements(skin);
    return 0;
  }
  const std::uint8_t* nul = static_cast<const std::uint8_t*>(std::memchr(rest.data(), 0, rest.size()));
  const std::size_t textSize = nul ? static_cast<std::size_t>(nul - rest.data()) : rest.size();
  const std::string_view text(reinterpret_cast<const char*>(rest.data()), textSize);
  const std::vector<std::uint8_t> picture(rest.begin() + static_cast<std::ptrdiff_t>(nul ? textSize + 1 : textSize), rest.end());
  varnelta::TQuickIni ini;
  ini.LoadFromText(text);
  varnelta::TSkinParser parser(ini, [&picture](std::string_view, std::vector<std::uint8_t>& out) {
    out = picture;
    return !out.empty();
  });
  parser.SetPictureBudget(kBudget);
  parser.ParseSkin(skin);
  CheckElements(skin);
  return 0;
}
