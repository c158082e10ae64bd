#include "gallery/gallery_tabs.h"

#include <commctrl.h>

namespace varnelta::gallery {

const TClassInfo& TGallerySheet::StaticClass() {
  static const TClassInfo info{"TGallerySheet", &TCustomControl::StaticClass(), {}, {}};
  return info;
}

TGallerySheet::TGallerySheet(TComponent* owner) : TCustomControl(owner) {
  SetParentColor(true);
}

void TGallerySheet::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}

const TClassInfo& TGalleryTabs::StaticClass() {
  static const TClassInfo info{"TGalleryTabs", &TWinControl::StaticClass(), {}, {}};
  return info;
}

TGalleryTabs::TGalleryTabs(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  SetParentColor(true);
}

void TGalleryTabs::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.StdClassName = WC_TABCONTROLW;
  p.Style |= WS_CLIPCHILDREN;
}

void TGalleryTabs::CreateHandleDone() {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  for (int i = 0; i < PageCount(); ++i) AddTab(i);
  if (active_ >= 0) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(active_), 0);
  PlaceSheets();
}

void TGalleryTabs::AddTab(int index) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(captions_[static_cast<std::size_t>(index)].c_str());
  SendMessageW(handle_, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

TGallerySheet* TGalleryTabs::AddPage(const std::wstring& caption) {
  auto* sheet = new TGallerySheet(Owner());
  sheet->SetVisible(false);
  sheet->SetParent(this);
  sheets_.push_back(sheet);
  captions_.push_back(caption);
  if (handle_) AddTab(PageCount() - 1);
  if (active_ < 0) SetActivePage(0);
  PlaceSheets();
  return sheet;
}

void TGalleryTabs::SetActivePage(int index) {
  if (index < 0 || index >= PageCount()) return;
  active_ = index;
  if (handle_ && SendMessageW(handle_, TCM_GETCURSEL, 0, 0) != index) {
    SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  // The new sheet first, so that no moment shows neither.
  sheets_[static_cast<std::size_t>(index)]->SetVisible(true);
  for (int i = 0; i < PageCount(); ++i) {
    if (i != index) sheets_[static_cast<std::size_t>(i)]->SetVisible(false);
  }
}

void TGalleryTabs::SelectionChanged() {
  if (!handle_) return;
  SetActivePage(static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0)));
}

void TGalleryTabs::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  PlaceSheets();
}

void TGalleryTabs::PlaceSheets() {
  RECT area{0, 0, Width(), Height()};
  if (handle_) {
    SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  } else {
    area = RECT{4, 24, Width() - 4, Height() - 4};
  }
  for (TGallerySheet* sheet : sheets_) {
    sheet->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
  }
}

void TGalleryTabs::WndProc(TMessage& m) {
  TWinControl::WndProc(m);
  if (m.Msg == WM_SIZE) PlaceSheets();
}

}  // namespace varnelta::gallery
