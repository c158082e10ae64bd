#include "runtime/list_view.h"

#include <commctrl.h>

namespace varnelta {

const TClassInfo& TCustomListView::StaticClass() {
  static const TClassInfo info{"TCustomListView",
                               &TWinControl::StaticClass(),
                               {ListProperty("Columns", &TCustomListView::Columns, &TCustomListView::SetColumns),
                                ListProperty("Items", &TCustomListView::Items, &TCustomListView::SetItems)},
                               {}};
  return info;
}

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  SetBounds(0, 0, 250, 150);
}

void TCustomListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.StdClassName = WC_LISTVIEWW;
  params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateHandleDone() { Fill(); }

void TCustomListView::SetColumns(const std::vector<std::wstring>& v) {
  columns_ = v;
  Fill();
}

void TCustomListView::SetItems(const std::vector<std::wstring>& v) {
  items_ = v;
  Fill();
}

void TCustomListView::Fill() {
  if (!handle_) return;
  SendMessageW(handle_, LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageW(handle_, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 100;
    column.pszText = const_cast<wchar_t*>(columns_[i].c_str());
    SendMessageW(handle_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  for (std::size_t i = 0; i < items_.size(); ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<wchar_t*>(items_[i].c_str());
    SendMessageW(handle_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info{"TListView", &TCustomListView::StaticClass(), {},
                               [](TComponent* owner) -> TComponent* { return new TListView(owner); }};
  return info;
}

}  // namespace varnelta
