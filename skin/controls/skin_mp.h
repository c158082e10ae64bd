// TSkinMP: media players are covered by a TWMediaPlayer panel on the player's parent, at the
// player's bounds and visible as the player; the panel follows the player's moves and
// visibility and goes with the skinner.
#pragma once

#include "skin/controls/skin_control.h"
#include "skin/controls/w_media_player.h"

namespace varnelta {

class TSkinMP : public TSkinControl {
  VARNELTA_CLASS()
 public:
  ~TSkinMP() override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AfterMessage(TMessage& message) override;
  void Detach() override;

  TWMediaPlayer* FPanel = nullptr;  // owned by this skinner (as a component)

 private:
  void Follow();
};

}  // namespace varnelta
