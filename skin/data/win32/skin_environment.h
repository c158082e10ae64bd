// The skin component's view of the running system: scroll bar service, caption font, maximised
// window size, the application's icon and the plain message box.
#pragma once

#include "skin/data/skin_host.h"

namespace varnelta {

class TSystemSkinEnvironment : public ISkinEnvironment {
 public:
  bool ScrollBarInfoAvailable() const override;
  TCaptionFont CaptionFont() const override;
  TPoint MaximisedSize() const override;
  int SmallIconSize() const override;
  bool DrawApplicationIcon(TBitmap& target) const override;
  void ShowMessage(const std::string& text) const override;
};

}  // namespace varnelta
