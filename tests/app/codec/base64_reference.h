// Base64 written out the slow, obvious way, to check the fast codecs against.
#pragma once

#include <random>
#include <string>
#include <string_view>

namespace varnelta::testing {

inline std::string ReferenceEncode(std::string_view bytes) {
  static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    unsigned v = 0;
    const std::size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
    for (std::size_t k = 0; k < 3; ++k) v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) out.push_back(k <= n ? alphabet[(v >> (18 - 6 * k)) & 63] : '=');
  }
  return out;
}

// The lenient rules: four slots carried from group to group, starting at `slots`.
inline std::string ReferenceDecode(std::string_view text, int (&s)[4]) {
  auto value = [](unsigned char c) -> int {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    if (c == '=') return 255;
    return -1;
  };
  std::string out;
  for (std::size_t g = 0; g + 4 <= text.size(); g += 4) {
    for (int k = 0; k < 4; ++k) {
      const int v = value(static_cast<unsigned char>(text[g + k]));
      if (v >= 0) s[k] = v;
    }
    out.push_back(static_cast<char>(((s[0] << 2) | (s[1] >> 4)) & 0xFF));
    if (s[2] == 255) continue;
    out.push_back(static_cast<char>(((s[1] << 4) | (s[2] >> 2)) & 0xFF));
    if (s[3] == 255) continue;
    out.push_back(static_cast<char>(((s[2] << 6) | s[3]) & 0xFF));
  }
  return out;
}

inline std::string ReferenceDecode(std::string_view text) {
  int s[4] = {0, 0, 0, 0};
  return ReferenceDecode(text, s);
}

inline std::string RandomBytes(std::mt19937& rng, std::size_t n) {
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(rng() & 0xFF);
  return s;
}

// Base64-looking text: alphabet characters, with "=" and foreign bytes (CR, LF, blanks, high
// bytes, anything) mixed in at the given rates (per thousand).
inline std::string MixedBase64(std::mt19937& rng, std::size_t n, unsigned padRate, unsigned foreignRate) {
  static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string s;
  s.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned r = rng() % 1000;
    if (r < padRate) s.push_back('=');
    else if (r < padRate + foreignRate) s.push_back(static_cast<char>(rng() & 0xFF));
    else s.push_back(alphabet[rng() % 64]);
  }
  return s;
}

}  // namespace varnelta::testing
