// The link codec: ordinary download addresses to the special links of four download
// managers and back. Pure byte-string functions; nothing here fails or keeps state.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnelta {

// The item index of the main window's kind selector; any other value selects no kind.
enum LinkKind : int {
  lkThunder = 0,
  lkFlashGet = 1,
  lkXuanfeng = 2,
  lkRayfile = 3,
};

// Standard Base64 with padding, never broken into lines: exactly (n + 2) / 3 * 4 characters.
std::string EncodeBase64(std::string_view bytes);

// Lenient Base64: groups of four characters, the trailing L mod 4 ignored; a byte outside the
// alphabet keeps the value its place had in the previous group; "=" ends only its own group.
// At most (L / 4) * 3 bytes.
std::string DecodeBase64(std::string_view text);

// Removes every occurrence of `pattern`, left to right, never starting a match on the second
// byte of a double-byte (GBK) character. Text joined by a removal is not searched again.
std::string RemoveAll(std::string_view text, std::string_view pattern);

// Ordinary address to special link ("普2专"); no result for a kind outside 0 to 3.
std::optional<std::string> MakeSpecialLink(int kind, std::string_view address);

// Special link to ordinary address ("专2普"); no result for a kind outside 0 to 3.
std::optional<std::string> MakeOrdinaryLink(int kind, std::string_view link);

// How MakeSpecialLink builds a kind's link and MakeOrdinaryLink takes it apart, for code that
// does the same a block at a time.
struct TLinkLayout {
  // Encoding: prefix + Base64(head + address + tail) + suffix, a leading `dropLeading` of the
  // address left out.
  std::string_view prefix, head, tail, suffix, dropLeading;
  // Decoding: the first `linkCut` bytes dropped, every `pattern` removed, the decoded bytes cut
  // by `headCut` and `tailCut` (nothing left when they meet), `addressPrefix` put before.
  std::size_t linkCut;
  std::string_view pattern;
  std::size_t headCut, tailCut;
  std::string_view addressPrefix;
};
// No layout for a kind outside 0 to 3.
std::optional<TLinkLayout> LinkLayout(int kind);

// The scheme prefix each kind writes ("thunder://", "flashget://", "qqdl://", "Rayfile://");
// empty for a kind outside 0 to 3.
std::string_view LinkPrefix(int kind);

}  // namespace varnelta
