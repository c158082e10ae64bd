#include "gallery/skin_file_check.h"

#include "skin/data/skin_load.h"
#include "skin/data/skin_reader.h"

namespace varnelta::gallery {

std::string SkinStreamProblem(std::span<const std::uint8_t> stream) {
  // No message handler: an archive of an unknown format is just another damaged file here.
  TSkinReader reader;
  if (stream.empty()) return "empty file";
  if (!reader.LoadFromStream(stream)) return "not a skin archive, or a damaged one";
  for (const TSkinReader::Entry& entry : reader.Entries()) {
    if (!entry.available || !entry.intact) return "damaged entry " + entry.name;
  }
  TSkinElements skin;
  TSkinLoadReport report;
  if (!ParseSkinArchive(reader, skin, &report)) return "no skin description";
  if (!report.Problems.empty()) return "picture " + report.Problems.front().Name + " is missing or unreadable";
  return {};
}

}  // namespace varnelta::gallery
