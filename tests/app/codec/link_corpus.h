// Links in the shapes they circulate in, built from their forms (no network): each kind and
// variant, the damage pasting does to them, and lines that must fail with a given reason.
// Shared by the recognition tests and the command-line tests.
#pragma once

#include <string>
#include <vector>

#include "app/codec/link_codec.h"
#include "app/codec/link_recognition.h"

namespace varnelta::testing {

inline std::string B64(const std::string& bytes) { return EncodeBase64(bytes); }

inline std::string ThunderLink(const std::string& url) { return "thunder://" + B64("AA" + url + "ZZ"); }
inline std::string FlashGetLink(const std::string& url) {
  return "flashget://" + B64("[FLASHGET]" + url + "[FLASHGET]") + "&";
}
inline std::string QqdlLink(const std::string& url) { return "qqdl://" + B64(url); }
inline std::string Fs2youLink(const std::string& hostPath, const std::string& size, const std::string& name) {
  return "fs2you://" + B64(hostPath + "|" + size + "|" + name);
}

inline std::string Replace(std::string s, const std::string& from, const std::string& to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
    s.replace(at, from.size(), to);
  }
  return s;
}

struct CorpusLine {
  const char* what;
  std::string line;
  int defaultKind;  // a LinkKind, or -1
  std::string kind;  // KindText of the result
  TCharset charset;
  TLinkFailure failure;
  std::string address;
};

// The address used throughout; its Base64 forms hold "+", "/" and "=" (see the escapes below).
inline const std::string kUrl = "http://dl.example.cn/soft/absetup~1.2>?x=y?~.exe";
inline const std::string kGbkUrl = "http://dl.example.cn/\xd1\xb8\xc0\xd7/\xce\xc4\xbc\xfe.rar";  // 迅雷/文件
inline const std::string kUtf8Url = "http://dl.example.cn/\xe6\x96\x87\xe4\xbb\xb6.rar";             // 文件

inline std::vector<CorpusLine> LinkCorpus() {
  const std::string thunder = ThunderLink(kUrl);
  const std::string flashget = FlashGetLink(kUrl);
  const std::string body = thunder.substr(10);
  const std::string unpadded = "thunder://" + Replace(body, "=", "");
  return {
      {"thunder", thunder, -1, "thunder", csGbk, lfNone, kUrl},
      {"thunder in capitals", "THUNDER://" + body, -1, "thunder", csGbk, lfNone, kUrl},
      {"flashget with its &", flashget, -1, "flashget", csGbk, lfNone, kUrl},
      {"flashget with a tag", flashget + "tag", -1, "flashget", csGbk, lfNone, kUrl},
      {"flashget with a number", flashget + "1234", -1, "flashget", csGbk, lfNone, kUrl},
      {"flashget without &", flashget.substr(0, flashget.size() - 1), -1, "flashget", csGbk, lfNone, kUrl},
      {"qqdl", QqdlLink(kUrl), -1, "qqdl", csGbk, lfNone, kUrl},
      {"rayfile as the codec writes it", *MakeSpecialLink(lkRayfile, kUrl), -1, "rayfile", csGbk, lfNone, kUrl},
      {"rayfile of an ftp address", *MakeSpecialLink(lkRayfile, "ftp://h/a"), -1, "rayfile", csGbk, lfNone, "ftp://h/a"},
      {"fs2you", Fs2youLink("fs.example.cn/d/a.rar", "2457612", "a.rar"), -1, "fs2you", csGbk, lfNone,
       "http://fs.example.cn/d/a.rar"},
      {"thunderxl", "thunderxl://" + B64(kUrl), -1, "thunderxl", csGbk, lfNone, kUrl},
      {"escaped + / =", "thunder://" + Replace(Replace(Replace(body, "+", "%2B"), "/", "%2f"), "=", "%3D"), -1,
       "thunder", csGbk, lfNone, kUrl},
      {"URL-safe alphabet", "thunder://" + Replace(Replace(body, "+", "-"), "/", "_"), -1, "thunder", csGbk, lfNone,
       kUrl},
      {"missing padding", unpadded, -1, "thunder", csGbk, lfNone, kUrl},
      {"blanks inside", thunder.substr(0, 20) + " \t " + thunder.substr(20), -1, "thunder", csGbk, lfNone, kUrl},
      {"quoted", "\"" + thunder + "\"", -1, "thunder", csGbk, lfNone, kUrl},
      {"in angle brackets", "<" + unpadded + ">", -1, "thunder", csGbk, lfNone, kUrl},
      {"forum post", "\xcf\xc2\xd4\xd8\xa3\xba(" + unpadded + ")", -1, "thunder", csGbk, lfNone, kUrl},  // 下载：
      {"text after a blank", thunder + " \xcc\xe1\xc8\xa1\xc2\xeb 1234", -1, "thunder", csGbk, lfNone, kUrl},
      {"trailing slash is data", QqdlLink("http://a.b/c.zip??"), -1, "qqdl", csGbk, lfNone, "http://a.b/c.zip??"},
      {"nested", ThunderLink(FlashGetLink(QqdlLink(kUrl))), -1, "thunder>flashget>qqdl", csGbk, lfNone, kUrl},
      {"GBK address", ThunderLink(kGbkUrl), -1, "thunder", csGbk, lfNone, kGbkUrl},
      {"UTF-8 address", ThunderLink(kUtf8Url), -1, "thunder", csUtf8, lfNone, kUtf8Url},
      {"no scheme, kind given", B64("AA" + kUrl + "ZZ"), lkThunder, "thunder", csGbk, lfNone, kUrl},
      {"ordinary http", kUrl, -1, "ordinary", csGbk, lfNone, kUrl},
      {"ordinary https", "HTTPS://a.b/c", lkThunder, "ordinary", csGbk, lfNone, "HTTPS://a.b/c"},
      {"ordinary ftp", "ftp://a.b/c", -1, "ordinary", csGbk, lfNone, "ftp://a.b/c"},
      {"ordinary ed2k", "ed2k://|file|a.rar|123|ABCD|/", -1, "ordinary", csGbk, lfNone, "ed2k://|file|a.rar|123|ABCD|/"},
      {"ordinary magnet", "magnet:?xt=urn:btih:ABC", -1, "ordinary", csGbk, lfNone, "magnet:?xt=urn:btih:ABC"},
      {"blank", " \t", -1, "empty", csNone, lfNone, ""},
      // Failures, each with its reason.
      {"thunder without AA..ZZ", "thunder://" + B64(kUrl), -1, "thunder", csNone, lfMarkersMissing, ""},
      {"flashget without markers", "flashget://" + B64(kUrl) + "&", -1, "flashget", csNone, lfMarkersMissing, ""},
      {"rayfile without its size", "Rayfile://" + B64(kUrl), -1, "rayfile", csNone, lfMarkersMissing, ""},
      {"fs2you without bars", "fs2you://" + B64("a.b/c"), -1, "fs2you", csNone, lfMarkersMissing, ""},
      {"scheme alone", "thunder://", -1, "thunder", csNone, lfEmptyPayload, ""},
      {"empty inside the markers", "thunder://" + B64("AAZZ"), -1, "thunder", csNone, lfEmptyPayload, ""},
      {"foreign character inside", thunder.substr(0, 20) + "!" + thunder.substr(20), -1, "thunder", csNone,
       lfNotBase64, ""},
      {"another escape", "qqdl://YW%41j", -1, "qqdl", csNone, lfNotBase64, ""},
      {"impossible length", "qqdl://YWJjY", -1, "qqdl", csNone, lfNotBase64, ""},
      {"text after padding", "qqdl://YWI=YWJj", -1, "qqdl", csNone, lfNotBase64, ""},
      {"unknown scheme", "foo://YWJj", -1, "unknown", csNone, lfNotSpecial, ""},
      {"no scheme, no kind", "YWJj", -1, "unknown", csNone, lfNotSpecial, ""},
      {"no scheme, text after it", B64("AA" + kUrl + "ZZ") + " x", lkThunder, "thunder", csNone, lfNotBase64, ""},
      {"line break in the address", QqdlLink("http://a\r\nb"), -1, "qqdl", csNone, lfControlBytes, ""},
      {"zero byte in the address", ThunderLink(std::string("http://a\0b", 10)), -1, "thunder", csNone,
       lfControlBytes, ""},
      {"GBK letter before the scheme", "\x81thunder://" + body, -1, "unknown", csNone, lfNotSpecial, ""},
      {"UTF-8 text before the scheme", "\xe4\xb8\xad" + thunder, -1, "thunder", csGbk, lfNone, kUrl},
  };
}

}  // namespace varnelta::testing
