#include "runtime/list_controls.h"

#include <commctrl.h>

#include "runtime/class_registry.h"

namespace varnelta {

namespace {
template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}

std::vector<std::wstring> SplitCells(const std::wstring& text) {
  std::vector<std::wstring> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = text.find(L'|', start);
    cells.push_back(text.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start));
    if (bar == std::wstring::npos) return cells;
    start = bar + 1;
  }
}
}  // namespace

const TEnumType ViewStyleType{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};

// ---- headers ----

const TClassInfo& THeaderControl::StaticClass() {
  static const TClassInfo info{
      "THeaderControl",
      &TWinControl::StaticClass(),
      {ListProperty("Sections", &THeaderControl::Sections, &THeaderControl::SetSections),
       IntProperty("SectionWidth", &THeaderControl::SectionWidth, &THeaderControl::SetSectionWidth, 80)},
      Make<THeaderControl>};
  return info;
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 17); }

void THeaderControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.StdClassName = WC_HEADERW;
  p.Style |= HDS_BUTTONS | HDS_HORZ | HDS_HOTTRACK;
}

void THeaderControl::CreateHandleDone() { UpdateSections(); }

void THeaderControl::UpdateSections() {
  if (!handle_) return;
  while (SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(handle_, HDM_DELETEITEM, 0, 0);
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    std::wstring text = sections_[i];
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text.data();
    item.cxy = sectionWidth_;
    item.fmt = HDF_LEFT | HDF_STRING;
    SendMessageW(handle_, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

void THeaderControl::SetSections(const std::vector<std::wstring>& sections) {
  sections_ = sections;
  UpdateSections();
}

void THeaderControl::SetSectionWidth(int v) {
  sectionWidth_ = v < 0 ? 0 : v;
  UpdateSections();
}

// ---- list views ----

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info{
      "TListView",
      &TWinControl::StaticClass(),
      {IntProperty("ColumnWidth", &TListView::ColumnWidth, &TListView::SetColumnWidth, 80),
       ListProperty("Columns", &TListView::Columns, &TListView::SetColumns),
       ListProperty("Items", &TListView::Items, &TListView::SetItems),
       EnumProperty("ViewStyle", ViewStyleType, &TListView::ViewStyle, &TListView::SetViewStyle, vsReport)},
      Make<TListView>};
  return info;
}

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  SetBounds(0, 0, 250, 150);
}

void TListView::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.StdClassName = WC_LISTVIEWW;
  static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  p.Style |= views[viewStyle_] | LVS_SHOWSELALWAYS;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateHandleDone() {
  UpdateColumns();
  UpdateItems();
}

HWND TListView::HeaderHandle() const {
  return handle_ ? reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0)) : nullptr;
}

void TListView::UpdateColumns() {
  if (!handle_) return;
  while (SendMessageW(handle_, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    std::wstring text = columns_[i];
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = columnWidth_;
    column.iSubItem = static_cast<int>(i);
    SendMessageW(handle_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

void TListView::UpdateItems() {
  if (!handle_) return;
  SendMessageW(handle_, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    std::vector<std::wstring> cells = SplitCells(items_[i]);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = cells[0].data();
    const int row = static_cast<int>(SendMessageW(handle_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    for (std::size_t c = 1; c < cells.size() && row >= 0; ++c) {
      LVITEMW sub{};
      sub.iSubItem = static_cast<int>(c);
      sub.pszText = cells[c].data();
      SendMessageW(handle_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
    }
  }
}

void TListView::SetColumns(const std::vector<std::wstring>& columns) {
  columns_ = columns;
  UpdateColumns();
}

void TListView::SetItems(const std::vector<std::wstring>& items) {
  items_ = items;
  UpdateItems();
}

void TListView::SetColumnWidth(int v) {
  columnWidth_ = v < 0 ? 0 : v;
  UpdateColumns();
}

void TListView::SetViewStyle(TViewStyle v) {
  if (v == viewStyle_) return;
  viewStyle_ = v;
  if (!handle_) return;
  DestroyHandle();
  HandleNeeded();
}

void RegisterListControls() {
  RegisterComponentClass(THeaderControl::StaticClass());
  RegisterComponentClass(TListView::StaticClass());
}

}  // namespace varnelta
