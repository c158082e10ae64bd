// TFrameInput: the skinned frame's answers to the mouse and the window commands: hit testing,
// the title buttons' hover, press and release, double clicks, the skinned system menu and the
// system commands. The decisions are the pure frame rules; this side reads the window and acts.
#pragma once

#include <windows.h>

#include "skin/frame/frame_commands.h"
#include "skin/frame/win_skin_form.h"

namespace varnelta {

class TFrameInput {
 public:
  explicit TFrameInput(TWinSkinForm& frame) : frame_(frame) {}

  void HitTest(TMessage& message);
  void MouseMove(TMessage& message);
  void ButtonDown(TMessage& message);
  void ButtonUp(TMessage& message);
  void DoubleClick(TMessage& message);
  void RightButtonDown(TMessage& message);
  void SysCommand(TMessage& message);
  void SysKeyDown(TMessage& message);
  void Command(TMessage& message);
  // The hover timer's tick: a hot button the cursor has left goes back to normal.
  void HoverCheck();
  // Opens the skinned system menu at a screen point (or closes the window on the second click
  // of a double click).
  void ShowSystemMenu(POINT screen);

 private:
  TPoint ScreenToFrame(POINT screen) const;
  std::optional<std::size_t> ObjectAt(LPARAM screenPoint) const;
  void Repaint(const std::vector<std::size_t>& objects);
  void Apply(const frame::TShowCommand& show);
  void Act(std::size_t button, POINT release);
  bool SystemMenuHasClose() const;

  TWinSkinForm& frame_;
};

}  // namespace varnelta
