// Header controls ("SysHeader32") and list views ("SysListView32"), subclassed at creation.
// A header's sections and a list view's columns are stored as their captions; a list view's
// items as texts whose cells are separated by '|'.
#pragma once

#include "runtime/win_control.h"

namespace varnelta {

class THeaderControl : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit THeaderControl(TComponent* owner);
  std::vector<std::wstring> Sections() const { return sections_; }
  void SetSections(const std::vector<std::wstring>& sections);
  int SectionWidth() const { return sectionWidth_; }
  void SetSectionWidth(int v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  void UpdateSections();
  std::vector<std::wstring> sections_;
  int sectionWidth_ = 80;
};

enum TViewStyle : int { vsIcon, vsSmallIcon, vsList, vsReport };
extern const TEnumType ViewStyleType;

class TListView : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TListView(TComponent* owner);
  std::vector<std::wstring> Columns() const { return columns_; }
  void SetColumns(const std::vector<std::wstring>& columns);
  std::vector<std::wstring> Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  int ColumnWidth() const { return columnWidth_; }
  void SetColumnWidth(int v);
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle v);
  // The list view's header window (report view), or none.
  HWND HeaderHandle() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  void UpdateColumns();
  void UpdateItems();
  std::vector<std::wstring> columns_;
  std::vector<std::wstring> items_;
  int columnWidth_ = 80;
  TViewStyle viewStyle_ = vsReport;
};

void RegisterListControls();

}  // namespace varnelta
