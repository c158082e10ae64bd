// TWMediaPlayer: the panel a skinned media player is covered with: the player's visible buttons
// side by side at equal widths on the skin's face colour, each drawn with the program's bitmap
// resource "EN_..." (enabled), "DI_..." (disabled) or "CL_..." (coloured) of its name. Presses
// and releases go on to the player; a release only over the button that was pressed.
#pragma once

#include <string>

#include "runtime/custom_panel.h"
#include "skin/data/skin_data.h"

namespace varnelta {

inline constexpr int kMediaButtonCount = 9;

class TWMediaPlayer : public TCustomPanel {
  VARNELTA_CLASS()
 public:
  TWMediaPlayer(TComponent* owner, TControl* player, TSkinData* skin);
  void WndProc(TMessage& message) override;

  // The resource name of button `index` in a state prefix ("EN", "DI", "CL").
  static std::wstring ResourceName(const wchar_t* prefix, int index);
  // The prefix button `index` is drawn with now, or empty when it is not shown.
  std::wstring PrefixOf(int index) const;
  // The button under a client point, -1 for none.
  int ButtonAt(int x) const;

  int FButtonWidth = 0;
  int FPressedButton = -1;
  int FDownButton = -1;

 protected:
  void Paint() override;

 private:
  int Mask(const char* name) const;
  int VisibleCount() const;
  TControl* player_;
  TSkinData* skin_;
};

}  // namespace varnelta
