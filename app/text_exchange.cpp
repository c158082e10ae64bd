#include "app/text_exchange.h"

#include <windows.h>

#include "runtime/utf.h"

namespace varnelta {

std::string WideToCodePage(std::wstring_view text, unsigned codePage) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) {
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  }
  return out;
}

std::wstring CodePageToWide(std::string_view bytes, unsigned codePage) {
  if (bytes.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::wstring ResultToText(std::string_view bytes) {
  if (IsMultiByteUtf8(bytes)) {
    if (auto wide = Utf8ToWide(bytes)) return *wide;
  }
  return CodePageToWide(bytes, kLinkCodePage);
}

std::wstring AddressToText(std::string_view bytes, TCharset charset) {
  if (charset == csUtf8) {
    if (auto wide = Utf8ToWide(bytes)) return *wide;
  }
  return CodePageToWide(bytes, kLinkCodePage);
}

}  // namespace varnelta
