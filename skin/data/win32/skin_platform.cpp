#include "skin/data/win32/skin_platform.h"

#include <cstddef>
#include <vector>

namespace varnelta {

namespace {

const ISkinPlatform* g_installed = nullptr;
TPlatformVersion g_recorded{};
bool g_recordedSet = false;

template <class Proc>
Proc Lookup(HMODULE module, const char* name) {
  // The entry points are looked up by name because older systems lack them.
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

TSystemPlatform::TSystemPlatform() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return;
  scrollBarInfo_ = Lookup<ScrollBarInfoProc>(user32, "GetScrollBarInfo");
  trackMouseEvent_ = Lookup<TrackMouseEventProc>(user32, "TrackMouseEvent");
  comboBoxInfo_ = Lookup<ComboBoxInfoProc>(user32, "GetComboBoxInfo");
}

TPlatformVersion TSystemPlatform::Version() const {
  // GetVersion answers what the system reports for this program (a compatibility setting can
  // make it an older version): the top bit is set on the 95 family.
  const DWORD v = GetVersion();
  TPlatformVersion version;
  version.Major = LOBYTE(LOWORD(v));
  version.Minor = HIBYTE(LOWORD(v));
  version.IsNT = (v & 0x80000000u) == 0;
  return version;
}

BOOL TSystemPlatform::GetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) const {
  return scrollBarInfo_ ? scrollBarInfo_(window, objectId, info) : FALSE;
}

BOOL TSystemPlatform::TrackMouseEvent(TRACKMOUSEEVENT* request) const {
  return trackMouseEvent_ ? trackMouseEvent_(request) : FALSE;
}

BOOL TSystemPlatform::GetComboBoxInfo(HWND window, COMBOBOXINFO* info) const {
  return comboBoxInfo_ ? comboBoxInfo_(window, info) : FALSE;
}

const ISkinPlatform& SkinPlatform() {
  static const TSystemPlatform system;
  return g_installed ? *g_installed : system;
}

void SetSkinPlatform(const ISkinPlatform* platform) {
  g_installed = platform;
  g_recordedSet = false;
}

void RecordPlatformVersion() {
  g_recorded = SkinPlatform().Version();
  g_recordedSet = true;
}

const TPlatformVersion& RecordedVersion() {
  if (!g_recordedSet) RecordPlatformVersion();
  return g_recorded;
}

bool IsNT() { return RecordedVersion().IsNT; }

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), size, out.data(), length);
  return out;
}

std::string WideToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

std::wstring GetWindowTextAsWide(HWND window) {
  if (IsNT()) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
  }
  // The 95 family: at most 1000 bytes of ANSI text.
  char buffer[1000] = {};
  const LRESULT got = SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  const std::size_t length = got > 0 && got < LRESULT{sizeof buffer} ? static_cast<std::size_t>(got) : 0;
  return AnsiToWide(std::string(buffer, length));
}

int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  if (IsNT()) return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  const std::string ansi = WideToAnsi(text);
  return DrawTextA(dc, ansi.c_str(), static_cast<int>(ansi.size()), &rect, format);
}

std::wstring WindowClassName(HWND window) {
  wchar_t buffer[100] = {};
  const int length = GetClassNameW(window, buffer, 100);
  return std::wstring(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

bool QueryScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info) {
  info.cbSize = sizeof info;
  return SkinPlatform().HasScrollBarInfo() && SkinPlatform().GetScrollBarInfo(window, objectId, &info);
}

void TrackMouseLeave(HWND window, bool nonClient) {
  if (!SkinPlatform().HasTrackMouseEvent()) return;
  TRACKMOUSEEVENT request{};
  request.cbSize = sizeof request;
  request.dwFlags = TME_LEAVE | (nonClient ? static_cast<DWORD>(TME_NONCLIENT) : 0u);
  request.hwndTrack = window;
  SkinPlatform().TrackMouseEvent(&request);
}

namespace {
// The wide metrics structure as systems before version 6 know it (ending with the message
// font) and with the padded border width that later versions add and require.
constexpr UINT kMetricsSizeBefore6 = static_cast<UINT>(offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW));
constexpr UINT kMetricsSizeFrom6 = kMetricsSizeBefore6 + sizeof(int);
struct TMetricsBuffer {
  NONCLIENTMETRICSW Metrics;
  int PaddedBorderWidth;
};
static_assert(sizeof(TMetricsBuffer) >= kMetricsSizeFrom6);
}  // namespace

UINT NonClientMetricsSize(const TPlatformVersion& version) {
  // Older systems refuse the longer structure, newer ones the shorter.
  return version.IsNT && version.Major >= 6 ? kMetricsSizeFrom6 : kMetricsSizeBefore6;
}

TCaptionFont SystemCaptionFont() {
  TMetricsBuffer buffer{};
  NONCLIENTMETRICSW& metrics = buffer.Metrics;
  metrics.cbSize = NonClientMetricsSize(SkinPlatform().Version());
  TCaptionFont font;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &buffer, 0)) return font;
  const LOGFONTW& caption = metrics.lfCaptionFont;
  font.Name = caption.lfFaceName;
  font.Height = caption.lfHeight;
  font.Weight = caption.lfWeight;
  font.Italic = caption.lfItalic != 0;
  font.Charset = caption.lfCharSet;
  return font;
}

}  // namespace varnelta
