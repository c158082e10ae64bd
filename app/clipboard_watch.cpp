#include "app/clipboard_watch.h"

#include <cstring>

namespace varnelta {
namespace {

TClipboardWatch::TListenerFn Lookup(const char* name) {
  FARPROC proc = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  TClipboardWatch::TListenerFn fn = nullptr;
  static_assert(sizeof(fn) == sizeof(proc));
  std::memcpy(&fn, &proc, sizeof(fn));
  return fn;
}

}  // namespace

TClipboardWatch::TListenerApi TClipboardWatch::SystemApi() {
  return {Lookup("AddClipboardFormatListener"), Lookup("RemoveClipboardFormatListener")};
}

TClipboardWatch::TClipboardWatch(HWND window, TListenerApi api) : window_(window), api_(api) {
  if (HMENU menu = GetSystemMenu(window_, FALSE)) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_UNCHECKED | (Available() ? MF_ENABLED : MF_GRAYED), kWatchClipboardCommand,
                L"监视剪贴板");
  }
}

TClipboardWatch::~TClipboardWatch() {
  if (on_) api_.remove(window_);
}

void TClipboardWatch::Toggle() {
  if (!Available()) return;
  if (on_) {
    api_.remove(window_);
    on_ = false;
  } else {
    on_ = api_.add(window_) != FALSE;
  }
  if (HMENU menu = GetSystemMenu(window_, FALSE)) {
    CheckMenuItem(menu, kWatchClipboardCommand, MF_BYCOMMAND | (on_ ? MF_CHECKED : MF_UNCHECKED));
  }
}

bool TClipboardWatch::IsForeignChange() const {
  if (!on_) return false;
  HWND owner = GetClipboardOwner();
  DWORD process = 0;
  if (owner) GetWindowThreadProcessId(owner, &process);
  return !owner || process != GetCurrentProcessId();
}

}  // namespace varnelta
