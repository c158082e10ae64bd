// Helpers for tests with real windows: pump messages until a condition holds (with a time
// limit), answer the next message box of this thread, read window facts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace varnelta::testing {

// Handles waiting messages until the condition holds or the time limit passes.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD limitMs = 5000) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (condition()) return true;
    if (GetTickCount() - start > limitMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

inline void PumpPending() {
  PumpUntil([] { return true; }, 0);
}

inline std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

inline std::wstring TextOf(HWND window) {
  int n = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  n = GetWindowTextW(window, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

// The rectangle of a child window in its parent's client coordinates.
inline RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct DialogSearch {
  HWND found = nullptr;
};

inline BOOL CALLBACK FindDialogProc(HWND w, LPARAM p) {
  wchar_t name[16] = {};
  GetClassNameW(w, name, 16);
  if (std::wstring(name) == L"#32770" && IsWindowVisible(w)) {
    reinterpret_cast<DialogSearch*>(p)->found = w;
    return FALSE;
  }
  return TRUE;
}

// A visible dialog (class "#32770") of the given thread, or none.
inline HWND FindThreadDialog(DWORD threadId) {
  DialogSearch search;
  EnumThreadWindows(threadId, FindDialogProc, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The text of a message box: its static text control.
inline std::wstring MessageBoxText(HWND dialog) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, 0xFFFF, text, 512);
  return text;
}

// Answers the next message box this thread shows (while a modal loop runs): records its
// caption and text and presses OK. A thread timer does the looking, so it works from inside
// the message box's own loop.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher() {
    Current() = this;
    timer_ = SetTimer(nullptr, 0, 20, &MessageBoxCatcher::Tick);
    start_ = GetTickCount();
  }
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;
  ~MessageBoxCatcher() {
    KillTimer(nullptr, timer_);
    Current() = nullptr;
  }
  bool seen = false;
  std::wstring caption;
  std::wstring text;
  HWND owner = nullptr;
  DWORD style = 0;

 private:
  static MessageBoxCatcher*& Current() {
    static MessageBoxCatcher* current = nullptr;
    return current;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    MessageBoxCatcher* self = Current();
    if (!self || self->seen) return;
    HWND dialog = FindThreadDialog(GetCurrentThreadId());
    if (!dialog) return;
    self->seen = true;
    self->caption = TextOf(dialog);
    self->text = MessageBoxText(dialog);
    self->owner = GetWindow(dialog, GW_OWNER);
    self->style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
  UINT_PTR timer_ = 0;
  DWORD start_ = 0;
};

}  // namespace varnelta::testing
