#include "app/codec/link_text.h"

#include <array>

#include "app/codec/pattern_remover.h"
#include "runtime/utf.h"

namespace varnelta {
namespace {

constexpr bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
constexpr bool IsBase64Char(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '+' || c == '/'; }
// Punctuation that closes a quotation, a bracket or a sentence around a pasted link; none of
// it is ever part of Base64 text.
bool IsCloser(char c) {
  switch (c) {
    case ')': case ']': case '}': case '>': case '"': case '\'': case '.': case ',': case ';': case '!': case '?':
    case ' ': case '\t': case '\r': case '\n':
      return true;
    default:
      return false;
  }
}

// Classes of bytes in a body, so runs of plain Base64 characters go by a table look-up each.
enum : unsigned char { kcOther, kcBase64, kcUrlSafe, kcPad, kcPercent, kcBlank };
struct ClassTable {
  std::array<unsigned char, 256> of{};
  constexpr ClassTable() {
    for (int c = 0; c < 256; ++c) {
      const char ch = static_cast<char>(c);
      of[static_cast<std::size_t>(c)] = IsBase64Char(ch)           ? kcBase64
                                        : ch == '-' || ch == '_'   ? kcUrlSafe
                                        : ch == '='                ? kcPad
                                        : ch == '%'                ? kcPercent
                                        : ch == ' ' || ch == '\t' ? kcBlank
                                                                   : kcOther;
    }
  }
};
constexpr ClassTable kClasses;
inline unsigned char ClassOf(char c) { return kClasses.of[static_cast<unsigned char>(c)]; }

// The end of the run of plain Base64 characters from `i`.
inline std::size_t SkipBase64(std::string_view s, std::size_t i) {
  while (i < s.size() && ClassOf(s[i]) == kcBase64) ++i;
  return i;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != b[i]) return false;
  }
  return true;
}

struct SchemeName {
  std::string_view name;
  TLinkScheme scheme;
};
constexpr std::array<SchemeName, 10> kSchemes{{
    {"thunder", lsThunder}, {"flashget", lsFlashGet}, {"qqdl", lsXuanfeng}, {"rayfile", lsRayfile},
    {"fs2you", lsFs2you}, {"thunderxl", lsThunderXl}, {"http", lsOrdinary}, {"https", lsOrdinary},
    {"ftp", lsOrdinary}, {"ed2k", lsOrdinary},
}};

// The escapes of the three Base64 characters that are special in addresses.
char Unescape(std::string_view s) {
  if (s.size() < 3 || s[0] != '%') return 0;
  const char hi = s[1];
  const char lo = Lower(s[2]);
  if (hi == '2' && lo == 'b') return '+';
  if (hi == '2' && lo == 'f') return '/';
  if (hi == '3' && lo == 'd') return '=';
  return 0;
}

}  // namespace

std::string_view TrimLine(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

TSchemeMatch FindScheme(std::string_view line) {
  int gbk = -1;  // whether the line reads as GBK rather than UTF-8; worked out when needed
  for (std::size_t colon = line.find(':'); colon != std::string_view::npos; colon = line.find(':', colon + 1)) {
    std::size_t start = colon;
    while (start > 0 && (IsAsciiLetter(line[start - 1]) || IsAsciiDigit(line[start - 1]))) --start;
    if (start == colon) continue;
    if (start > 0 && static_cast<unsigned char>(line[start - 1]) >= 0x80) {
      // In GBK text the first letter may be the second half of a character.
      if (gbk < 0) gbk = IsMultiByteUtf8(line) ? 0 : 1;
      if (gbk == 1 && !IsGbkCharStart(line, 0, start)) ++start;
      if (start == colon) continue;
    }
    const std::string_view token = line.substr(start, colon - start);
    const std::string_view after = line.substr(colon + 1);
    if (EqualNoCase(token, "magnet") && after.starts_with('?')) return {true, lsOrdinary, start, colon + 1};
    if (!after.starts_with("//")) continue;
    TSchemeMatch match{true, lsUnknown, start, colon + 3};
    for (const SchemeName& s : kSchemes) {
      if (EqualNoCase(token, s.name)) match.scheme = s.scheme;
    }
    return match;
  }
  return {};
}

std::string_view SkipOpeners(std::string_view line) {
  while (!line.empty()) {
    const char c = line.front();
    if (c != '"' && c != '\'' && c != '<' && c != '(' && c != '[' && c != '{' && !IsBlank(c)) break;
    line.remove_prefix(1);
  }
  return line;
}

TLinkBody FindBody(std::string_view rest, bool strict) {
  std::size_t i = 0;
  bool padding = false;  // "=" seen: only more padding may follow in the body
  // Characters that can stand in a body as pasted: the alphabet, its URL-safe pair, "=",
  // the "%" of an escape, and blanks.
  while (i < rest.size()) {
    if (!padding) i = SkipBase64(rest, i);
    if (i == rest.size()) break;
    const char c = rest[i];
    const unsigned char type = ClassOf(c);
    if (type == kcBlank) {
      if (padding) break;
      ++i;
      continue;
    }
    const char unescaped = c == '%' ? Unescape(rest.substr(i)) : c;
    if (unescaped == '=') {
      padding = true;
    } else if (type == kcOther || padding) {
      break;
    }
    i += c == '%' && unescaped ? 3 : 1;
  }
  std::size_t end = i;
  while (end > 0 && (rest[end - 1] == ' ' || rest[end - 1] == '\t')) --end;
  TLinkBody body;
  body.text = rest.substr(0, end);
  const std::string_view after = rest.substr(i);
  body.open = after.empty() && !padding;
  if (after.empty() || after.front() == '&') return body;
  bool closersOnly = true;
  for (char c : after) closersOnly = closersOnly && IsCloser(c);
  if (closersOnly) return body;
  // Words after a blank, or text in another script, are the poster's own.
  const bool commentary = end < i || IsBlank(after.front()) || static_cast<unsigned char>(after.front()) >= 0x80;
  body.glued = strict || !commentary;
  return body;
}

TBodyCheck CleanBody(std::string_view body, std::string& base64, bool& padded) {
  base64.clear();
  base64.reserve(body.size() + 3);
  padded = false;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const std::size_t run = SkipBase64(body, i);
    if (run > i) {
      if (padded) return bcNotBase64;
      base64.append(body.substr(i, run - i));
      i = run;
      if (i == body.size()) break;
    }
    char c = body[i];
    if (IsBlank(c)) continue;
    if (c == '%') {
      c = Unescape(body.substr(i));
      if (!c) return bcNotBase64;
      i += 2;
    } else if (c == '-') {
      c = '+';
    } else if (c == '_') {
      c = '/';
    }
    if (c == '=') {
      padded = true;
    } else if (!IsBase64Char(c) || padded) {
      return bcNotBase64;
    } else {
      base64.push_back(c);
    }
  }
  if (base64.empty()) return bcEmpty;
  if (base64.size() % 4 == 1) return bcNotBase64;  // no Base64 text has this length
  base64.append((4 - base64.size() % 4) % 4, '=');
  return bcOk;
}

}  // namespace varnelta
