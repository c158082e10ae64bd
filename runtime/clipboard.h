// Text on the clipboard. Another program may hold the clipboard open for a moment, so opening
// it is retried briefly; the answer says whether the text really is on the clipboard.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace varnelta {

bool SetClipboardText(HWND owner, const std::wstring& text);
std::optional<std::wstring> GetClipboardText(HWND owner);

}  // namespace varnelta
