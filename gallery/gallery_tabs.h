// The gallery's page control: a system tab control with one sheet per page. A sheet is a plain
// container the page's controls are moved onto; only the chosen sheet is visible. Kept small
// and to itself so that a runtime page control can take its place.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/win_control.h"

namespace varnelta::gallery {

// A page's container: paints its background in its colour (its parent's).
class TGallerySheet : public TCustomControl {
  VARNELTA_CLASS()
 public:
  explicit TGallerySheet(TComponent* owner);

 protected:
  void Paint() override;
};

class TGalleryTabs : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TGalleryTabs(TComponent* owner);

  // Adds a tab and its sheet (owned by this control's owner).
  TGallerySheet* AddPage(const std::wstring& caption);
  int PageCount() const { return static_cast<int>(sheets_.size()); }
  TGallerySheet* Sheet(int index) const { return sheets_.at(static_cast<std::size_t>(index)); }
  const std::wstring& Caption(int index) const { return captions_.at(static_cast<std::size_t>(index)); }
  int ActivePage() const { return active_; }
  // Shows the sheet of that page (and selects its tab).
  void SetActivePage(int index);
  // The tab control told its parent that the selection changed.
  void SelectionChanged();

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  void AddTab(int index);
  void PlaceSheets();

  std::vector<TGallerySheet*> sheets_;
  std::vector<std::wstring> captions_;
  int active_ = -1;
};

}  // namespace varnelta::gallery
