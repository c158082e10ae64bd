#include "skin/data/skin_load.h"

#include "skin/data/skin_ini.h"

namespace varnelta {

bool ParseSkinArchive(const TSkinReader& reader, TSkinElements& skin, TSkinLoadReport* report) {
  std::vector<std::uint8_t> description;
  std::string name;
  if (!reader.ExtractFirstMatch(".ini", description, name)) return false;
  TQuickIni ini;
  ini.LoadFromStream(&description);
  TSkinParser parser(ini, [&reader](std::string_view entry, std::vector<std::uint8_t>& bytes) {
    return reader.ExtractFile(entry, bytes);
  });
  parser.ParseSkin(skin);
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
