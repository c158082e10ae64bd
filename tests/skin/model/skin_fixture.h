// A skin made in a test: an INI text and a set of pictures, parsed with fixed system values.
#pragma once

#include <cctype>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_parse.h"
#include "skin/data/system_values.h"

namespace varnelta::test {

struct TestSkin {
  std::string ini;
  std::map<std::string, std::vector<std::uint8_t>> files;  // lower-case names

  void Add(const std::string& name, const TBitmap& picture) { files[Lower(name)] = picture.SaveToBytes(); }
  void AddBytes(const std::string& name, std::vector<std::uint8_t> bytes) { files[Lower(name)] = std::move(bytes); }

  TSkinEntryLookup Lookup() const {
    return [this](std::string_view name, std::vector<std::uint8_t>& out) {
      out.clear();
      auto it = files.find(Lower(std::string(name)));
      if (it == files.end()) return false;
      out = it->second;
      return true;
    };
  }

  TSkinElements Parse(std::vector<TSkinPictureProblem>* problems = nullptr) const {
    TFixedSystemValues fixed;
    TScopedSystemValues scope(fixed);
    TQuickIni reader;
    reader.LoadFromText(ini);
    TSkinParser parser(reader, Lookup());
    TSkinElements skin;
    parser.ParseSkin(skin);
    if (problems) *problems = parser.Problems();
    return skin;
  }

  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
};

}  // namespace varnelta::test
