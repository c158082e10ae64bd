// TListView: the common-controls list view in report style: one column per caption in Columns,
// one row per line of Items (the first column). Its window has a column header child.
#pragma once

#include <string>
#include <vector>

#include "runtime/win_control.h"

namespace varnelta {

class TCustomListView : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomListView(TComponent* owner);
  std::vector<std::wstring> Columns() const { return columns_; }
  void SetColumns(const std::vector<std::wstring>& v);
  std::vector<std::wstring> Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  void Fill();
  std::vector<std::wstring> columns_;
  std::vector<std::wstring> items_;
};

class TListView : public TCustomListView {
  VARNELTA_CLASS()
 public:
  using TCustomListView::TCustomListView;
};

}  // namespace varnelta
