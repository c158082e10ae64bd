#include "runtime/clipboard.h"

#include <cstring>

namespace varnelta {

namespace {

bool OpenWithRetry(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

bool SetClipboardText(HWND owner, const std::wstring& text) {
  if (!OpenWithRetry(owner)) return false;
  bool ok = false;
  if (EmptyClipboard()) {
    std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory) {
      if (void* p = GlobalLock(memory)) {
        std::memcpy(p, text.c_str(), bytes);
        GlobalUnlock(memory);
        ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
      }
      if (!ok) GlobalFree(memory);  // the clipboard owns it only when SetClipboardData succeeded
    }
  }
  CloseClipboard();
  return ok;
}

std::optional<std::wstring> GetClipboardText(HWND owner) {
  if (!OpenWithRetry(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
      std::size_t n = 0;
      while (n < limit && p[n]) ++n;
      text = std::wstring(p, n);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace varnelta
