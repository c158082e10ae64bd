#include "app/conversion.h"

#include "app/codec/line_recognizer.h"
#include "app/codec/link_codec.h"

namespace varnelta {

namespace {

std::string_view Trim(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  return line;
}

template <class Char>
std::vector<std::basic_string_view<Char>> SplitAtBreaks(std::basic_string_view<Char> text) {
  std::vector<std::basic_string_view<Char>> lines;
  std::size_t start = 0;
  for (;;) {
    const Char breaks[] = {Char('\r'), Char('\n'), Char(0)};
    std::size_t end = text.find_first_of(breaks, start);
    if (end == std::basic_string_view<Char>::npos) {
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
  for (std::string_view line : SplitAtBreaks(text)) {
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

std::vector<TLinkResult> DecodeLines(const std::vector<std::string>& lines, int kind) {
  std::vector<TLinkResult> results;
  results.reserve(lines.size());
  TLineRecognizer recognizer(kind, [&results](const TLinkResult& r) { results.push_back(r); });
  for (const std::string& line : lines) recognizer.Line(line);
  recognizer.Finish();
  return results;
}

bool IsSpecialLink(const TLinkResult& result) {
  return result.scheme >= lsThunder && result.scheme <= lsThunderXl;
}

int FailedLines(const std::vector<TLinkResult>& results) {
  int failed = 0;
  for (const TLinkResult& r : results) failed += r.Ok() ? 0 : 1;
  return failed;
}

namespace {
std::wstring FailedSuffix(int failed) {
  return failed > 0 ? L"（" + std::to_wstring(failed) + L" 行失败）" : std::wstring();
}
}  // namespace

std::wstring CopiedStatus(int failed) { return L"已复制到剪贴板！" + FailedSuffix(failed); }

std::wstring WatchStatus(int decoded, int failed) {
  return L"已转换剪贴板中的 " + std::to_wstring(decoded) + L" 个链接" + FailedSuffix(failed);
}

std::vector<std::wstring_view> SplitWideLines(std::wstring_view text) { return SplitAtBreaks(text); }

std::wstring_view TrimWideLine(std::wstring_view line) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
  while (!line.empty() && blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && blank(line.back())) line.remove_suffix(1);
  return line;
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
