// Helpers of the resources tests: reading files, a plain reading of the skin description, and
// the header fields of Windows bitmap files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace varnelta::testing {

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

inline std::string Trim(const std::string& text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return text.substr(b, e - b);
}

// The description as a skin author reads it: sections in order (names compared without regard
// to case, the first of a repeated section counts), keys compared without regard to case, the
// first occurrence of a key wins, an empty value counts as absent, ";" starts a comment line.
class Description {
 public:
  explicit Description(const std::string& text) {
    std::string current;
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find_first_of("\r\n", start);
      if (end == std::string::npos) end = text.size();
      const std::string line = Trim(text.substr(start, end - start));
      start = end + 1;
      if (line.empty() || line[0] == ';') continue;
      if (line.front() == '[' && line.back() == ']') {
        current = Lower(line.substr(1, line.size() - 2));
        if (!sections_.contains(current)) {
          order_.push_back(line.substr(1, line.size() - 2));
          sections_[current];
        } else {
          current = "\x01repeated";  // later repeats are never read
        }
        continue;
      }
      const std::size_t eq = line.find('=');
      const std::string key = Lower(Trim(eq == std::string::npos ? std::string() : line.substr(0, eq)));
      auto& keys = sections_[current];
      if (!keys.contains(key)) keys[key] = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
    }
  }

  bool Has(const std::string& section) const { return sections_.contains(Lower(section)); }
  const std::vector<std::string>& Sections() const { return order_; }

  std::optional<std::string> Get(const std::string& section, const std::string& key) const {
    const auto s = sections_.find(Lower(section));
    if (s == sections_.end()) return std::nullopt;
    const auto k = s->second.find(Lower(key));
    if (k == s->second.end() || k->second.empty()) return std::nullopt;
    return k->second;
  }
  int Int(const std::string& section, const std::string& key, int def) const {
    const auto v = Get(section, key);
    if (!v) return def;
    try {
      std::size_t used = 0;
      const int n = std::stoi(*v, &used);
      return used == v->size() ? n : def;
    } catch (...) {
      return def;
    }
  }
  // Every value of the description, with its section and key.
  template <typename F>
  void ForEachValue(F f) const {
    for (const auto& [section, keys] : sections_)
      for (const auto& [key, value] : keys) f(section, key, value);
  }

 private:
  std::map<std::string, std::map<std::string, std::string>> sections_;
  std::vector<std::string> order_;
};

// Fields of a Windows bitmap file's headers.
struct BmpHeader {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  int compression = -1;
};

inline std::optional<BmpHeader> ReadBmpHeader(const std::vector<std::uint8_t>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const auto u32 = [&](std::size_t at) {
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
  };
  BmpHeader h;
  h.width = u32(18);
  h.height = u32(22);
  h.bitsPerPixel = b[28] | (b[29] << 8);
  h.compression = u32(30);
  return h;
}

}  // namespace varnelta::testing
