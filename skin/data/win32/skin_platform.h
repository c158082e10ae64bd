// The platform as the skin engine sees it, behind one seam tests can switch: the system version
// (to tell the 95 family, NT 4 and later systems apart), the optional user32 services looked up
// by name (each may be missing), and the text helpers that take the wide or the ANSI path by
// platform family.
#pragma once

#include <windows.h>

#include <string>

#include "skin/data/skin_host.h"

namespace varnelta {

struct TPlatformVersion {
  DWORD Major = 0;
  DWORD Minor = 0;
  bool IsNT = true;  // the NT family; false for Windows 95, 98 and Me
};

class ISkinPlatform {
 public:
  virtual ~ISkinPlatform() = default;
  virtual TPlatformVersion Version() const = 0;
  // The optional services; each answers false when the system has no such entry point.
  virtual bool HasScrollBarInfo() const = 0;
  virtual bool HasTrackMouseEvent() const = 0;
  virtual bool HasComboBoxInfo() const = 0;
  virtual BOOL GetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) const = 0;
  virtual BOOL TrackMouseEvent(TRACKMOUSEEVENT* request) const = 0;
  virtual BOOL GetComboBoxInfo(HWND window, COMBOBOXINFO* info) const = 0;
};

// The running system: entry points looked up in user32.dll once.
class TSystemPlatform : public ISkinPlatform {
 public:
  TSystemPlatform();
  TPlatformVersion Version() const override;
  bool HasScrollBarInfo() const override { return scrollBarInfo_ != nullptr; }
  bool HasTrackMouseEvent() const override { return trackMouseEvent_ != nullptr; }
  bool HasComboBoxInfo() const override { return comboBoxInfo_ != nullptr; }
  BOOL GetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) const override;
  BOOL TrackMouseEvent(TRACKMOUSEEVENT* request) const override;
  BOOL GetComboBoxInfo(HWND window, COMBOBOXINFO* info) const override;

 private:
  using ScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, SCROLLBARINFO*);
  using TrackMouseEventProc = BOOL(WINAPI*)(TRACKMOUSEEVENT*);
  using ComboBoxInfoProc = BOOL(WINAPI*)(HWND, COMBOBOXINFO*);
  ScrollBarInfoProc scrollBarInfo_ = nullptr;
  TrackMouseEventProc trackMouseEvent_ = nullptr;
  ComboBoxInfoProc comboBoxInfo_ = nullptr;
};

const ISkinPlatform& SkinPlatform();
// Installs `platform` (kept by the caller) or, with none, returns to the running system.
void SetSkinPlatform(const ISkinPlatform* platform);

// The platform version recorded when the window hook was installed (the frame and control
// skinners read it), and whether the platform is the NT family.
const TPlatformVersion& RecordedVersion();
void RecordPlatformVersion();
bool IsNT();

// Text helpers: the wide calls on the NT family, the ANSI calls with the ANSI code page elsewhere.
std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);
std::wstring GetWindowTextAsWide(HWND window);
int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format);
// A window's class name (at most 99 characters, as the class lookups read it).
std::wstring WindowClassName(HWND window);
// The scroll bar information, or false when the service is missing or fails.
bool QueryScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info);
// Asks for WM_MOUSELEAVE for the window where the service exists (WM_NCMOUSELEAVE for its
// non-client area when `nonClient`).
void TrackMouseLeave(HWND window, bool nonClient = false);

// The system's caption font from the non-client metrics, asked with the structure size the
// running version accepts; the default caption font when the query fails.
TCaptionFont SystemCaptionFont();
// The structure size SystemCaptionFont passes for a version.
UINT NonClientMetricsSize(const TPlatformVersion& version);

}  // namespace varnelta
