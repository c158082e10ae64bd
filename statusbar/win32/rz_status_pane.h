// TRzStatusPane: the plain text pane with its published properties.
#pragma once

#include "statusbar/win32/rz_custom_status_pane.h"

namespace varnelta {

class TRzStatusPane : public TRzCustomStatusPane {
  VARNELTA_CLASS()
 public:
  explicit TRzStatusPane(TComponent* owner);
};

}  // namespace varnelta
