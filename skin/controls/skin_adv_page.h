// TSkinAdvPage: page controls that draw their tabs from two pictures given to them through the
// properties "TabBackGround" and "TabBackGroundActive": both are built from the skin's Tabs
// picture (frames 1 and 2, 100 x 21, sliced) at attach and on each skin change, and emptied on
// detach. Its paint only gives an up-down child its skinner.
#pragma once

#include <memory>

#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinUpDown;

class TSkinAdvPage : public TSkinControl {
  VARNELTA_CLASS()
 public:
  TSkinAdvPage();
  ~TSkinAdvPage() override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void Detach() override;
  void AfterMessage(TMessage& message) override;
  void SkinChanged() override;

  int FMode = 4;
  std::unique_ptr<TSkinUpDown> FUpDown;

 private:
  void AssignPictures(bool empty);
};

}  // namespace varnelta
