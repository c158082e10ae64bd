// TFrameProc: a frame skinner's window procedure. Every message of the skinned window reaches
// Dispatch in three stages (always; a top-level window's frame messages; and, once the frame
// has started, the painting, sizing and non-client mouse messages); the runtime form's own
// WindowProc is hooked through FormHook for the messages only a form receives (caption text,
// reskin, keyboard access to the menu bar).
#pragma once

#include <windows.h>

#include "skin/frame/win_skin_form.h"

namespace varnelta {

class TFrameProc {
 public:
  explicit TFrameProc(TWinSkinForm& frame) : f_(frame) {}

  void Dispatch(TMessage& message);
  void FormHook(TMessage& message);

 private:
  // CM_DIALOGCHAR: keyboard access to the menu bar.
  void DialogChar(TMessage& message);
  bool Stage2(TMessage& message);
  void Stage3(TMessage& message);
  void SizeChanged(TMessage& message);
  void NcCalcSize(TMessage& message);
  void NcActivate(TMessage& message);

  TWinSkinForm& f_;
};

}  // namespace varnelta
