// TFrameSizer: fits a frame skinner's window to the skinned frame and shapes it. The first fit
// of a centred form keeps its centre; a minimised window gets the size it restores to changed
// instead; the region comes from the frame pictures' magenta pixels and is rebuilt only when
// the window size changes.
#pragma once

#include <windows.h>

#include "skin/frame/win_skin_form.h"

namespace varnelta {

class TFrameSizer {
 public:
  explicit TFrameSizer(TWinSkinForm& frame) : f_(frame) {}

  // Sizes the window so its client keeps its size inside the skinned frame: the runtime form's
  // client, or with `useWindowClient` the window's present one.
  void FitWindowToClient(bool useWindowClient);
  // Changes the size a minimised window restores to by (dw, dh).
  void ResizeRestored(int dw, int dh, bool keepCentre);
  // The frame the system gives the window now (also while it is minimised).
  SIZE SystemFrameSize() const;
  void BuildRegion();
  void RemoveRegion(bool redraw);

 private:
  TWinSkinForm& f_;
};

}  // namespace varnelta
