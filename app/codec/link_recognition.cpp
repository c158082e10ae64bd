#include "app/codec/link_recognition.h"

#include "app/codec/link_codec.h"
#include "runtime/utf.h"

namespace varnelta {
namespace {

constexpr std::string_view kThunderHead = "AA";
constexpr std::string_view kThunderTail = "ZZ";
constexpr std::string_view kFlashGetMarker = "[FLASHGET]";
constexpr std::string_view kHttp = "http://";

TLinkScheme SchemeOfKind(int kind) {
  switch (kind) {
    case lkThunder: return lsThunder;
    case lkFlashGet: return lsFlashGet;
    case lkXuanfeng: return lsXuanfeng;
    case lkRayfile: return lsRayfile;
    default: return lsUnknown;
  }
}

bool IsSpecial(TLinkScheme s) { return s >= lsThunder && s <= lsThunderXl; }
bool HasMarkers(TLinkScheme s) { return s != lsXuanfeng && s != lsThunderXl; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    char p = prefix[i];
    if (p >= 'A' && p <= 'Z') p = static_cast<char>(p - 'A' + 'a');
    if (c != p) return false;
  }
  return true;
}

// A site path that already carries its scheme keeps it; otherwise it is an http address.
std::string WithScheme(std::string_view path) {
  const TSchemeMatch inner = FindScheme(path);
  if (inner.found && inner.scheme == lsOrdinary && inner.start == 0) return std::string(path);
  std::string address(kHttp);
  address += path;
  return address;
}

// The address inside decoded bytes by the kind's layout; false when its markers are missing.
bool Unwrap(TLinkScheme scheme, std::string_view d, TLinkResult& r) {
  switch (scheme) {
    case lsThunder:
      if (d.size() < 4 || !d.starts_with(kThunderHead) || !d.ends_with(kThunderTail)) return false;
      r.address.assign(d.substr(2, d.size() - 4));
      return true;
    case lsFlashGet: {
      const std::size_t m = kFlashGetMarker.size();
      if (d.size() < 2 * m || !StartsWithNoCase(d, kFlashGetMarker) || !StartsWithNoCase(d.substr(d.size() - m), kFlashGetMarker)) {
        return false;
      }
      r.address.assign(d.substr(m, d.size() - 2 * m));
      return true;
    }
    case lsRayfile: {
      // "host/path|size": the size after the last "|" is digits.
      const std::size_t bar = d.rfind('|');
      if (bar == std::string_view::npos || bar + 1 == d.size()) return false;
      for (char c : d.substr(bar + 1)) {
        if (c < '0' || c > '9') return false;
      }
      r.address = bar == 0 ? std::string() : WithScheme(d.substr(0, bar));
      return true;
    }
    case lsFs2you: {
      // "host/path|size|name".
      const std::size_t bar = d.find('|');
      if (bar == std::string_view::npos) return false;
      const std::string_view rest = d.substr(bar + 1);
      const std::size_t second = rest.find('|');
      r.size.assign(rest.substr(0, second));
      if (second != std::string_view::npos) r.name.assign(rest.substr(second + 1));
      r.address = bar == 0 ? std::string() : WithScheme(d.substr(0, bar));
      return true;
    }
    default:
      r.address.assign(d);
      return true;
  }
}

bool HasControlBytes(std::string_view s) {
  for (char c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return true;
  }
  return false;
}

TLinkResult Fail(TLinkResult r, TLinkFailure failure) {
  r.failure = failure;
  r.address.clear();
  r.charset = csNone;
  return r;
}

// One layer: `scheme` is known, `rest` the text after its "://" (or the whole line without a
// scheme, then `strict`).
TLinkResult Decode(TLinkResult r, TLinkScheme scheme, std::string_view rest, bool strict) {
  if (r.depth < kMaxLinkLayers) r.layers[static_cast<std::size_t>(r.depth)] = scheme;
  ++r.depth;
  const TLinkBody body = FindBody(rest, strict);
  // Only the line's own link can be broken across lines.
  if (r.depth == 1) r.mayContinue = body.open;
  if (body.glued) return Fail(std::move(r), lfNotBase64);
  std::string base64;
  bool padded = false;
  switch (CleanBody(body.text, base64, padded)) {
    case bcEmpty: return Fail(std::move(r), lfEmptyPayload);
    case bcNotBase64: return Fail(std::move(r), lfNotBase64);
    case bcOk: break;
  }
  // An unmarked body that lacked its padding may still be missing the end of its text.
  if (r.depth == 1 && !HasMarkers(scheme) && (padded || base64.back() != '=')) r.mayContinue = false;
  const std::string decoded = DecodeBase64(base64);
  if (!Unwrap(scheme, decoded, r)) return Fail(std::move(r), lfMarkersMissing);
  if (r.depth == 1 && HasMarkers(scheme)) r.mayContinue = false;
  if (r.address.empty()) return Fail(std::move(r), lfEmptyPayload);
  // A link inside the link: unwrapped in turn, up to the fixed depth.
  const TSchemeMatch inner = FindScheme(r.address);
  if (inner.found && inner.start == 0 && IsSpecial(inner.scheme) && r.depth < kMaxLinkLayers) {
    std::string link = std::move(r.address);
    return Decode(std::move(r), inner.scheme, std::string_view(link).substr(inner.bodyStart), false);
  }
  if (HasControlBytes(r.address)) return Fail(std::move(r), lfControlBytes);
  r.charset = DetectCharset(scheme == lsFs2you ? std::string_view(decoded) : std::string_view(r.address));
  return r;
}

}  // namespace

TCharset DetectCharset(std::string_view bytes) { return IsMultiByteUtf8(bytes) ? csUtf8 : csGbk; }

TLinkResult RecognizeLink(std::string_view line, int defaultKind) {
  line = TrimLine(line);
  TLinkResult r;
  if (line.empty()) {
    r.scheme = lsEmpty;
    return r;
  }
  const TSchemeMatch match = FindScheme(line);
  if (match.found && match.scheme == lsOrdinary) {
    r.scheme = lsOrdinary;
    r.address.assign(line);
    r.charset = DetectCharset(line);
    return r;
  }
  if (match.found) {
    r.scheme = match.scheme;
    if (!IsSpecial(match.scheme)) return Fail(std::move(r), lfNotSpecial);
    return Decode(std::move(r), match.scheme, line.substr(match.bodyStart), false);
  }
  r.scheme = SchemeOfKind(defaultKind);
  if (r.scheme == lsUnknown) return Fail(std::move(r), lfNotSpecial);
  return Decode(std::move(r), r.scheme, SkipOpeners(line), true);
}

std::string_view SchemeName(TLinkScheme scheme) {
  switch (scheme) {
    case lsEmpty: return "empty";
    case lsOrdinary: return "ordinary";
    case lsThunder: return "thunder";
    case lsFlashGet: return "flashget";
    case lsXuanfeng: return "qqdl";
    case lsRayfile: return "rayfile";
    case lsFs2you: return "fs2you";
    case lsThunderXl: return "thunderxl";
    case lsContinued: return "continued";
    case lsUnknown: break;
  }
  return "unknown";
}

std::string_view CharsetName(TCharset charset) {
  switch (charset) {
    case csGbk: return "gbk";
    case csUtf8: return "utf8";
    case csNone: break;
  }
  return "-";
}

std::string_view FailureText(TLinkFailure failure) {
  switch (failure) {
    case lfNotSpecial: return "not a special link";
    case lfEmptyPayload: return "empty payload";
    case lfMarkersMissing: return "markers missing";
    case lfNotBase64: return "not Base64";
    case lfControlBytes: return "control bytes";
    case lfNone: break;
  }
  return "ok";
}

std::string KindText(const TLinkResult& result) {
  if (result.depth <= 1) return std::string(SchemeName(result.scheme));
  std::string text;
  for (int i = 0; i < result.depth && i < kMaxLinkLayers; ++i) {
    if (i) text += '>';
    text += SchemeName(result.layers[static_cast<std::size_t>(i)]);
  }
  return text;
}

}  // namespace varnelta
