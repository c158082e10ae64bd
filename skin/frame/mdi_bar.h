// TMdiBar: the menu bar of an MDI frame window whose active child is maximised. The child's
// system menu becomes the bar's first item (showing the child's icon), the skin's title buttons
// of Visibility 100 (the child's minimise, restore and close) are drawn at the bar's right end,
// and what they do goes to the child. When the child is restored or closed the bar is plain
// again at its next paint.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"

namespace varnelta {

class TMdiBar {
 public:
  explicit TMdiBar(TWinSkinForm& frame) : f_(frame) {}

  // The frame's active MDI child when it is maximised; none otherwise and for other windows.
  HWND MaximisedChild() const;
  // Before the bar paints: its first item and its buttons follow the child shown. While a
  // drop-down is tracked the items stay as they are (only the buttons follow).
  void Follow(bool tracking);
  // The title buttons among `objects` that live in the bar are drawn again there.
  void RepaintButtons(const std::vector<std::size_t>& objects);
  // A popup menu with the items of the child's system menu `source` and a maximised child's
  // states (it restores, minimises and closes; it neither moves, sizes nor maximises), its items
  // owner-drawn when asked. The caller destroys it.
  static HMENU CopySystemMenu(HMENU source, bool ownerDraw);

 private:
  // The bar's buttons with their look, and the title button index of each.
  std::vector<TBarButton> Buttons(std::vector<std::size_t>* indexes = nullptr) const;

  TWinSkinForm& f_;
};

}  // namespace varnelta
