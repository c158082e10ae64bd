// Test helper: another program that copies text. Puts its arguments, one line each (joined
// with CR LF), on the clipboard as Unicode text from a window of its own, then ends.
#include <windows.h>

#include <cstring>
#include <string>

int wmain(int argc, wchar_t** argv) {
  std::wstring text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += L"\r\n";
    text += argv[i];
  }
  HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  bool opened = false;
  for (int attempt = 0; attempt < 50 && !(opened = OpenClipboard(owner)); ++attempt) Sleep(20);
  if (!opened) return 2;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  DestroyWindow(owner);
  return set ? 0 : 1;
}
