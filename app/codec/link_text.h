// Finding the parts of a link in a line as users paste it: the scheme (in any letter case,
// after whatever text or wrapping comes first) and the Base64 body after it (with blanks,
// escapes, the URL-safe alphabet, missing padding and trailing wrapping or tags tolerated).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnelta {

// The kinds of line the recognition tells apart.
enum TLinkScheme : int {
  lsUnknown,    // a scheme of no kind we know, or none where one was needed
  lsEmpty,      // nothing but blanks
  lsOrdinary,   // http, https, ftp, ed2k or magnet: already an ordinary address
  lsThunder,    // thunder://
  lsFlashGet,   // flashget://
  lsXuanfeng,   // qqdl://
  lsRayfile,    // rayfile://
  lsFs2you,     // fs2you://: "host/path|size|name", no scheme inside
  lsThunderXl,  // thunderxl://: the address alone
  lsContinued,  // the rest of the link begun on an earlier line
};

struct TSchemeMatch {
  bool found = false;  // a scheme followed by "://" (or "magnet:?")
  TLinkScheme scheme = lsUnknown;
  std::size_t start = 0;      // the scheme's first letter
  std::size_t bodyStart = 0;  // just after the scheme's "://"
};

// The first scheme in the line: ASCII letters and digits starting at a character boundary
// (GBK text before it is stepped over correctly) and followed by "://".
TSchemeMatch FindScheme(std::string_view line);

// Where a link's Base64 body ends in the text after its scheme.
struct TLinkBody {
  std::string_view text;  // blanks, escapes and padding included; trailing blanks not
  bool open = false;      // runs to the end of the line unpadded: the line may break inside it
  bool glued = false;     // a character that belongs to no body stands right against it
};
// `strict`: nothing but closing punctuation or an "&" tag may follow the body (for a line
// without a scheme); otherwise text after a blank or a non-ASCII character is ignored too.
TLinkBody FindBody(std::string_view rest, bool strict);

// Leading quotes, brackets and blanks of a line without a scheme.
std::string_view SkipOpeners(std::string_view line);

enum TBodyCheck { bcOk, bcEmpty, bcNotBase64 };

// Standard, padded Base64 from a body: blanks and line breaks dropped, %2B %2F %3D read as
// "+", "/" and "=", "-" and "_" as "+" and "/", the padding completed. `padded`: the body
// carried its own padding.
TBodyCheck CleanBody(std::string_view body, std::string& base64, bool& padded);

// Blanks, tabs and line-break bytes around a line dropped.
std::string_view TrimLine(std::string_view line);

}  // namespace varnelta
