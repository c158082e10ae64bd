#include "app/conversion.h"

#include "app/codec/link_codec.h"

namespace varnelta {

namespace {

std::string_view Trim(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  return line;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

}  // namespace

std::optional<std::vector<std::string>> ConvertLines(TConversion conversion, int kind, std::string_view text) {
  if (LinkPrefix(kind).empty()) return std::nullopt;
  std::vector<std::string> results;
  for (std::string_view line : SplitLines(text)) {
    line = Trim(line);
    if (line.empty()) {
      results.emplace_back();
      continue;
    }
    std::optional<std::string> converted =
        conversion == TConversion::ToOrdinary ? MakeOrdinaryLink(kind, line) : MakeSpecialLink(kind, line);
    std::string result = converted.value_or(std::string());
    result.resize(result.find('\0') == std::string::npos ? result.size() : result.find('\0'));
    results.push_back(std::move(result));
  }
  return results;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace varnelta
