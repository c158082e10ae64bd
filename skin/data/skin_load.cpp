#include "skin/data/skin_load.h"

#include <new>

#include "skin/data/skin_ini.h"

namespace varnelta {

bool ParseSkinArchive(const TSkinReader& reader, TSkinElements& skin, TSkinLoadReport* report,
                      std::int64_t pictureBudget) {
  std::vector<std::uint8_t> description;
  std::string name;
  if (!reader.ExtractFirstMatch(".ini", description, name)) return false;
  TQuickIni ini;
  ini.LoadFromStream(&description);
  TSkinParser parser(ini, [&reader](std::string_view entry, std::vector<std::uint8_t>& bytes) {
    return reader.ExtractFile(entry, bytes);
  });
  parser.SetPictureBudget(pictureBudget);
  try {
    parser.ParseSkin(skin);
  } catch (const std::bad_alloc&) {
    // Out of memory part way: no skin rather than half of one.
    ResetSkin(skin);
    return false;
  }
  if (report != nullptr) {
    report->DescriptionName = name;
    report->Problems = parser.Problems();
  }
  return true;
}

bool LoadSkinStream(std::span<const std::uint8_t> stream, TSkinElements& skin,
                    const TSkinMessageHandler& onMessage, TSkinLoadReport* report) {
  TSkinReader reader(onMessage);
  if (!reader.LoadFromStream(stream)) return false;
  return ParseSkinArchive(reader, skin, report);
}

}  // namespace varnelta
