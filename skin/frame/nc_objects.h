// The clickable objects of the non-client area (title bar buttons, then any menu bar items) and
// the single hot object: press, release, enter and leave as a small state model. Each event
// answers which objects changed look and need a repaint; the window side paints them.
#pragma once

#include <optional>
#include <vector>

#include "runtime/types.h"

namespace varnelta::frame {

// FButtonState values.
enum TButtonState : int { bsNone = 0, bsNormal = 1, bsPressed = 2, bsHot = 3 };

struct TNcObject {
  TRect Bounds;          // window coordinates of the skinned layout
  bool Visible = false;  // shown and hit-testable
  bool Clickable = true; // a title button with a negative Action is not
  int ButtonState = bsNone;
  bool Enabled = true;
};

// What a non-client mouse message leads to: the objects to repaint, whether the message is
// consumed (answered 0, not passed to the default procedure), and whether the released
// title button's action runs.
struct TNcEvent {
  std::vector<std::size_t> Repaint;
  bool Consumed = false;
  bool Act = false;
};

class TNcObjects {
 public:
  // Rebuilt objects: all in state 0 and enabled, nothing hot.
  void Reset(std::size_t count);
  std::vector<TNcObject>& Objects() { return objects_; }
  const std::vector<TNcObject>& Objects() const { return objects_; }
  std::optional<std::size_t> Hot() const { return hot_; }
  // Forgets the hot object without a repaint (the whole frame is being painted).
  void ClearHot() { hot_.reset(); }

  // The first visible, clickable object whose bounds hold `point`.
  std::optional<std::size_t> ObjectAt(TPoint point) const;

  // The events; each returns the objects to repaint, in order.
  std::vector<std::size_t> MouseDown(std::size_t index);
  std::vector<std::size_t> MouseUp(std::size_t index);
  std::vector<std::size_t> MouseEnter(std::size_t index);
  std::vector<std::size_t> MouseLeave(std::size_t index);

  // A mouse move over `under` (or over no object): entering it, or leaving the hot object and
  // letting the default procedure have the message.
  TNcEvent MoveOver(std::optional<std::size_t> under);
  // A release over `under`: only the pressed (hot) title button, one of the first
  // `titleButtons` objects, comes up and acts; a release elsewhere does nothing.
  TNcEvent ReleaseOver(std::optional<std::size_t> under, std::size_t titleButtons);

  // The hover check: a hot object the cursor (frame coordinates) has left gets MouseLeave and
  // nothing stays hot. Nothing happens while a menu bar drop-down is tracked.
  std::vector<std::size_t> HoverCheck(TPoint cursor, bool menuTracking);

 private:
  bool Valid(std::size_t index) const { return index < objects_.size(); }
  void Leave(std::size_t index, std::vector<std::size_t>& repaint);

  std::vector<TNcObject> objects_;
  std::optional<std::size_t> hot_;
};

}  // namespace varnelta::frame
