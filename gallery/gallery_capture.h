// What the gallery measures and shows of itself: waiting for the skin to settle, the
// four-state contact sheet of every control, and the timing figures of --bench.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gallery/gallery_form.h"

namespace varnelta::gallery {

// Handles messages until the skin manager has no deferred action left and the window's frame
// skinner matches the skin choice (or the time limit passes).
bool WaitForSkin(TGalleryForm& form, DWORD limitMs = 5000);

// Handles the messages that are waiting, then keeps doing so for `ms` milliseconds.
void PumpFor(DWORD ms);

// One control of the gallery with the page it is on ("Window" for the window's own).
struct TGalleryControl {
  std::string Page;
  int PageIndex = -1;
  TWinControl* Control = nullptr;
};
std::vector<TGalleryControl> GalleryControls(TGalleryForm& form);

// One written contact sheet: its path and its width and height.
struct TSheetFile {
  std::wstring Path;
  TPoint Size;
};

// What --sheet wrote, and the controls it found with nothing to capture (no width or height on
// their shown page), as "Page: Name".
struct TSheetReport {
  std::vector<TSheetFile> Files;
  std::vector<std::string> Empty;
};

// Visits every control in its four states, captures each from the window and writes a
// labelled contact sheet (several, "OUT-2.bmp" and on, when they do not fit one bitmap); false
// (with `error`) when one cannot be written.
bool WriteContactSheet(TGalleryForm& form, const std::wstring& path, std::wstring& error,
                       TSheetReport* report = nullptr);

// The --bench report: time to skin the window, a full repaint of each page, the median paint
// per skinner kind and the live handles per page.
std::string BenchReport(TGalleryForm& form);

}  // namespace varnelta::gallery
