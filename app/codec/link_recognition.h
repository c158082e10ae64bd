// Links the way they circulate: one line at a time, the kind read from the line's own scheme
// (any letter case), the variants beside the four kinds (fs2you://, thunderxl://), ordinary
// addresses passed through, pasting damage tolerated without losing a byte of the Base64 text,
// markers checked instead of cut blindly, nested links unwrapped, and a reason for every line
// that gives no address. Built on the codec's Base64; the codec itself is left as it is.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/codec/link_text.h"

namespace varnelta {

enum TCharset : int { csNone, csGbk, csUtf8 };

enum TLinkFailure : int {
  lfNone,
  lfNotSpecial,      // no scheme of a special link (and no kind to read the line with)
  lfEmptyPayload,    // nothing after the scheme, or nothing inside the markers
  lfMarkersMissing,  // the kind's markers are not where they belong
  lfNotBase64,       // the body holds characters (or has a length) Base64 text cannot
  lfControlBytes,    // the address would hold control bytes (line breaks, zero bytes...)
};

// Links wrapped in links are unwrapped up to this many layers.
inline constexpr int kMaxLinkLayers = 4;

struct TLinkResult {
  TLinkScheme scheme = lsUnknown;  // the line's kind (the outermost layer)
  std::array<TLinkScheme, kMaxLinkLayers> layers{};
  int depth = 0;  // layers unwrapped
  TCharset charset = csNone;
  TLinkFailure failure = lfNone;
  // The decoded address; for an ordinary line the line itself (blanks around it dropped).
  std::string address;
  std::string size, name;  // what an fs2you link says besides the address
  // The link's body runs to the end of the line unfinished: the next lines may carry the rest.
  bool mayContinue = false;

  bool Ok() const { return failure == lfNone; }
};

// One line. `defaultKind` (a LinkKind, or -1 for none) reads a line without a scheme.
TLinkResult RecognizeLink(std::string_view line, int defaultKind);

// The charset rule for decoded bytes: strict UTF-8 holding at least one multi-byte sequence,
// otherwise GBK.
TCharset DetectCharset(std::string_view bytes);

// Names for reports: "thunder", "flashget", "qqdl", "rayfile", "fs2you", "thunderxl",
// "ordinary", "empty", "continued", "unknown"; "gbk", "utf8", "-"; the failure texts
// ("not a special link", "empty payload", "markers missing", "not Base64", "control bytes").
std::string_view SchemeName(TLinkScheme scheme);
std::string_view CharsetName(TCharset charset);
std::string_view FailureText(TLinkFailure failure);
// The layers joined with ">" ("thunder>flashget"), or the scheme's name.
std::string KindText(const TLinkResult& result);

}  // namespace varnelta
