// The one seam between the status bar and the visual-style library: whether styles are on,
// and drawing of the status bar background, a pane, the gripper and themed text. Tests put
// their own implementation in place to take either branch on purpose.
#pragma once

#include <windows.h>

#include <string>

namespace varnelta::statusbar {

class IVisualStyles {
 public:
  virtual ~IVisualStyles() = default;
  // Whether the visual-style library exists on this system at all.
  virtual bool LibraryAvailable() = 0;
  // Whether visual styles are on for this program now.
  virtual bool Active() = 0;
  // Each draws the status bar part into `rect`; false when nothing could be drawn.
  virtual bool DrawStatusBackground(HDC dc, const RECT& rect) = 0;
  virtual bool DrawStatusPane(HDC dc, const RECT& rect) = 0;
  virtual bool DrawGripper(HDC dc, const RECT& rect) = 0;
  // One line of text, vertically centred in `rect`, in the DC's selected font.
  virtual bool DrawStatusText(HDC dc, const std::wstring& text, const RECT& rect) = 0;
  // The system's theme-changed message arrived: forget cached theme data.
  virtual void ThemeChanged() = 0;
};

// The implementation in use: the system's (uxtheme.dll, loaded on first use) unless a test
// has put another in place.
IVisualStyles& VisualStyles();

// Puts `styles` in place for the wrapper's lifetime.
class TScopedVisualStyles {
 public:
  explicit TScopedVisualStyles(IVisualStyles& styles);
  TScopedVisualStyles(const TScopedVisualStyles&) = delete;
  TScopedVisualStyles& operator=(const TScopedVisualStyles&) = delete;
  ~TScopedVisualStyles();

 private:
  IVisualStyles* previous_;
};

// The system's implementation itself (what VisualStyles() gives without an override).
IVisualStyles& SystemVisualStyles();

}  // namespace varnelta::statusbar
