// TSkinListView: a list view's border and scroll bars as for a memo, and its column header given
// to the header skinner when one is registered (a list view without a header, or a program
// without a header skinner, keeps the native header).
#pragma once

#include <memory>

#include "skin/controls/skin_scrollbar.h"

namespace varnelta {

class TSkinListView : public TSkinScrollbar {
  VARNELTA_CLASS()
 public:
  ~TSkinListView() override;
  void AttachScrollControl(TControl* control, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  TSkinControl* Header() const { return FHeader.get(); }

 protected:
  // The skinner of the column header: the class registered as "TSkinHeader", or none.
  virtual std::unique_ptr<TSkinControl> MakeHeaderSkinner();

 private:
  std::unique_ptr<TSkinControl> FHeader;
};

}  // namespace varnelta
