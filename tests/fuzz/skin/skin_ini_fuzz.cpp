// The skin description reader and the colour text parse on arbitrary text: every section is
// looked up again by its name, with keys taken from its own lines.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/data/skin_ini.h"
#include "skin/data/skin_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  varnelta::TQuickIni ini;
  ini.LoadFromText(text);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  for (const std::string& line : ini.Lines())
    if (line.empty() || line.front() == ';') std::abort();  // such lines are never kept
  std::size_t checked = 0;
  for (const std::string& section : sections) {
    if (++checked > 64) break;
    const int at = ini.SectionIndex(section);
    if (at < 0 || static_cast<std::size_t>(at) >= ini.Lines().size()) continue;  // inner spaces
    for (std::size_t i = static_cast<std::size_t>(at) + 1; i < ini.Lines().size() && i < at + 16u; ++i) {
      const std::string& line = ini.Lines()[i];
      const std::string key = line.substr(0, line.find('='));
      const std::string value = ini.ReadString(section, key, "");
      ini.ReadInteger(section, key, 0);
      varnelta::TSkinParser::ParseColour(value);
    }
  }
  varnelta::TSkinParser::ParseColour(text);
  std::int32_t v = 0;
  varnelta::TQuickIni::ToInteger(text, v);
  return 0;
}
