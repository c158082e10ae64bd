#include "charset_conversion.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace varnelta::cli {
namespace {

#ifdef _WIN32

unsigned CodePage(TCharset c) { return c == csUtf8 ? CP_UTF8 : 936; }

std::optional<std::string> Convert(std::string_view bytes, TCharset from, TCharset to) {
  const int size = static_cast<int>(bytes.size());
  const int wide = MultiByteToWideChar(CodePage(from), MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (wide <= 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CodePage(from), MB_ERR_INVALID_CHARS, bytes.data(), size, text.data(), wide);
  // UTF-8 has a form for every character; code page 936 reports what it had to replace.
  BOOL replaced = FALSE;
  BOOL* report = to == csUtf8 ? nullptr : &replaced;
  const int n = WideCharToMultiByte(CodePage(to), 0, text.data(), wide, nullptr, 0, nullptr, report);
  if (n <= 0 || replaced) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CodePage(to), 0, text.data(), wide, out.data(), n, nullptr, report);
  return out;
}

#else

const char* IconvName(TCharset c) { return c == csUtf8 ? "UTF-8" : "CP936"; }

// One converter per direction, opened on first use and kept for the run.
class TConverter {
 public:
  TConverter(TCharset from, TCharset to) : handle_(iconv_open(IconvName(to), IconvName(from))) {}
  ~TConverter() {
    if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
  }
  TConverter(const TConverter&) = delete;
  TConverter& operator=(const TConverter&) = delete;

  std::optional<std::string> operator()(std::string_view bytes) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::string out(bytes.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
      if (iconv(handle_, &in, &inLeft, &o, &outLeft) != static_cast<std::size_t>(-1)) break;
      if (errno != E2BIG) return std::nullopt;  // invalid or incomplete input, or no form in `to`
      const std::size_t used = static_cast<std::size_t>(o - out.data());
      out.resize(out.size() * 2);
      o = out.data() + used;
      outLeft = out.size() - used;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
  }

 private:
  iconv_t handle_;
};

// Only two charsets: the target decides the direction.
std::optional<std::string> Convert(std::string_view bytes, TCharset, TCharset to) {
  static TConverter toUtf8(csGbk, csUtf8);
  static TConverter toGbk(csUtf8, csGbk);
  return to == csUtf8 ? toUtf8(bytes) : toGbk(bytes);
}

#endif

}  // namespace

std::optional<std::string> ConvertCharset(std::string_view bytes, TCharset from, TCharset to) {
  if (from == to || from == csNone || to == csNone) return std::string(bytes);
  bool ascii = true;
  for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(bytes);
  return Convert(bytes, from, to);
}

}  // namespace varnelta::cli
