#include "skin/data/skin_ini.h"

#include <limits>

#include "skin/data/assertion.h"

namespace varnelta {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The key of a kept line: the text before the first "=", trimmed and lower-cased; a line
// without "=" has an empty key.
std::string LineKey(std::string_view line) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return {};
  return LowerCaseAscii(TrimText(line.substr(0, eq)));
}

}  // namespace

std::string_view TrimText(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
  return text.substr(begin, end - begin);
}

std::string LowerCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

std::string UpperCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Upper(c);
  return out;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

void TQuickIni::LoadFromText(std::string_view text) {
  lines_.clear();
  sections_.clear();
  if (std::size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", at);
    std::string_view line = text.substr(at, end == std::string_view::npos ? text.size() - at : end - at);
    line = TrimText(line);
    if (!line.empty() && line.front() != ';') {
      if (IsHeader(line)) sections_.emplace_back(std::string(line), static_cast<int>(lines_.size()));
      lines_.emplace_back(line);
    }
    if (end == std::string_view::npos) break;
    at = end + 1;
    if (text[end] == '\r' && at < text.size() && text[at] == '\n') ++at;
  }
}

void TQuickIni::LoadFromStream(const std::vector<std::uint8_t>* stream, std::size_t position) {
  if (stream == nullptr || position > stream->size()) return;
  LoadFromText(std::string_view(reinterpret_cast<const char*>(stream->data()) + position,
                                stream->size() - position));
}

int TQuickIni::SectionIndex(std::string_view name) const {
  for (const auto& [header, position] : sections_) {
    if (header.size() == name.size() + 2 && SameTextAscii(std::string_view(header).substr(1, name.size()), name))
      return position;
  }
  return -1;
}

void TQuickIni::ReadSections(std::vector<std::string>* list) const {
  if (list == nullptr) throw EAssertionFailed(kNoListMessage);
  list->clear();
  for (const auto& section : sections_) {
    std::string_view header = section.first;
    list->emplace_back(TrimText(header.substr(1, header.size() - 2)));
  }
}

std::vector<std::string> TQuickIni::Sections() const {
  std::vector<std::string> list;
  ReadSections(&list);
  return list;
}

bool TQuickIni::FindValue(std::string_view section, std::string_view key,
                          std::string_view& value) const {
  const int start = SectionIndex(section);
  if (start < 0) return false;
  const std::string wanted = LowerCaseAscii(key);
  for (std::size_t i = static_cast<std::size_t>(start) + 1; i < lines_.size(); ++i) {
    std::string_view line = lines_[i];
    if (IsHeader(line)) break;
    if (LineKey(line) != wanted) continue;
    std::size_t eq = line.find('=');
    value = eq == std::string_view::npos ? std::string_view() : TrimText(line.substr(eq + 1));
    return !value.empty();
  }
  return false;
}

bool TQuickIni::HasValue(std::string_view section, std::string_view key) const {
  std::string_view value;
  return FindValue(section, key, value);
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
  std::string_view value;
  if (FindValue(section, key, value)) return std::string(value);
  return std::string(defaultValue);
}

bool TQuickIni::ToInteger(std::string_view text, std::int32_t& value) {
  std::string s;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    s.push_back('$');
    s.append(text.substr(2));
  } else {
    s.assign(text);
  }
  std::size_t at = 0;
  bool negative = false;
  if (at < s.size() && (s[at] == '+' || s[at] == '-')) negative = s[at++] == '-';
  bool hex = false;
  if (at < s.size() && s[at] == '$') {
    hex = true;
    ++at;
  }
  if (at >= s.size()) return false;
  std::uint64_t v = 0;
  for (; at < s.size(); ++at) {
    char c = s[at];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    v = v * (hex ? 16 : 10) + static_cast<unsigned>(digit);
    if (v > 0xFFFFFFFFull) return false;
  }
  if (hex) {
    // Hexadecimal gives the 32-bit pattern: $FFFFFFFF is -1.
    std::int64_t signedValue = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(negative ? -signedValue : signedValue));
    return true;
  }
  std::int64_t signedValue = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
  if (signedValue < std::numeric_limits<std::int32_t>::min() ||
      signedValue > std::numeric_limits<std::int32_t>::max())
    return false;
  value = static_cast<std::int32_t>(signedValue);
  return true;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
  std::int32_t value = 0;
  std::string_view text;
  if (FindValue(section, key, text) && ToInteger(text, value)) return value;
  return defaultValue;
}

}  // namespace varnelta
