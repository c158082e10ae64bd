// Loading a skin: the compressed stream is opened as an archive, its description entry (the
// first whose name contains ".ini") is read as INI text, and the description is parsed with
// every picture fetched from the same archive. This is all the skin component has to call.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/skin_objects.h"
#include "skin/data/skin_parse.h"
#include "skin/data/skin_reader.h"

namespace varnelta {

struct TSkinLoadReport {
  std::string DescriptionName;                 // the description entry's (lower-case) name
  std::vector<TSkinPictureProblem> Problems;   // pictures named but missing or unreadable
};

// Parses the skin of an opened archive into `skin`. False when the archive holds no description
// entry (`skin` untouched) or memory ran out part way (`skin` emptied); true once the
// description has been parsed.
bool ParseSkinArchive(const TSkinReader& reader, TSkinElements& skin,
                      TSkinLoadReport* report = nullptr,
                      std::int64_t pictureBudget = TSkinParser::kDefaultPictureBudget);

// Opens the compressed stream (layer 2) and parses it. False when the stream is empty,
// damaged or of an unknown format (the only case `onMessage` hears of), or has no description.
bool LoadSkinStream(std::span<const std::uint8_t> stream, TSkinElements& skin,
                    const TSkinMessageHandler& onMessage = {}, TSkinLoadReport* report = nullptr);

}  // namespace varnelta
