// Tab controls ("SysTabControl32" subclassed at creation): a plain tab control whose tabs are a
// list of texts, and a page control whose tabs are its pages (tab sheets), one page shown at a
// time in the display area the tab control reports.
#pragma once

#include "runtime/win_control.h"

namespace varnelta {

enum TTabPosition : int { tpTop, tpBottom, tpLeft, tpRight };
extern const TEnumType TabPositionType;
enum TTabStyle : int { tsTabs, tsButtons, tsFlatButtons };
extern const TEnumType TabStyleType;

class TCustomTabControl : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomTabControl(TComponent* owner);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition v);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle v);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v);
  // The selected tab, -1 for none.
  int TabIndex() const;
  void SetTabIndex(int v);
  void AdjustClientRect(TRect& rect) const override;
  void WndProc(TMessage& message) override;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  // The texts of the tabs, in order.
  virtual std::vector<std::wstring> TabTexts() const = 0;
  // The window's tabs made again from TabTexts.
  void UpdateTabs();
  virtual void Changed();
  void Recreate();
  int tabIndex_ = -1;

 private:
  TTabPosition tabPosition_ = tpTop;
  TTabStyle style_ = tsTabs;
  bool multiLine_ = false;
};

class TTabControl : public TCustomTabControl {
  VARNELTA_CLASS()
 public:
  explicit TTabControl(TComponent* owner);
  std::vector<std::wstring> Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::wstring>& tabs);
  void Loaded() override;

 protected:
  std::vector<std::wstring> TabTexts() const override { return tabs_; }

 private:
  std::vector<std::wstring> tabs_;
};

class TPageControl;

class TTabSheet : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return pageControl_; }
  void SetParent(TWinControl* parent) override;
  int PageIndex() const;

 protected:
  void TextChanged() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
};

class TPageControl : public TCustomTabControl {
  VARNELTA_CLASS()
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
  int ActivePageIndex() const { return TabIndex(); }
  void SetActivePageIndex(int v);
  TTabSheet* ActivePage() const;
  // Frees page `index` (the sheet object, and its window with it); false when there is none.
  bool FreePage(int index);
  void Loaded() override;

 protected:
  std::vector<std::wstring> TabTexts() const override;
  void CreateHandleDone() override;
  void Changed() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void ShowActivePage();
  std::vector<TTabSheet*> pages_;
};

void RegisterTabControls();

}  // namespace varnelta
