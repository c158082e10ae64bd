// The check command of varnelta-skin: parses a skin with the program's own code and prints what
// it found, one "key: value" line each.
#pragma once

#include <string>
#include <vector>

#include "skin/data/skin_load.h"
#include "tools/skin/skin_tool.h"

namespace varnelta::skintool {

// check SKIN [--property]
int RunCheck(const std::vector<std::string>& args, Output& io);

// The report of a parsed skin: format, entries, description, skinname, then one line per
// existing element slot, per Colours row and per title bar button, then a warning per picture
// the description names that the archive lacks (or that is no readable .bmp picture).
std::string CheckReport(const TSkinReader& reader, const TSkinElements& skin,
                        const TSkinLoadReport& report);

}  // namespace varnelta::skintool
