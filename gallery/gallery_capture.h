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

// Visits every control in its four states, captures each from the window and writes one
// labelled contact sheet; false (with `error`) when it cannot be written. `size` receives the
// sheet's width and height.
bool WriteContactSheet(TGalleryForm& form, const std::wstring& path, std::wstring& error,
                       TPoint* size = nullptr);

// The --bench report: time to skin the window, a full repaint of each page, the median paint
// per skinner kind and the live handles per page.
std::string BenchReport(TGalleryForm& form);

}  // namespace varnelta::gallery
