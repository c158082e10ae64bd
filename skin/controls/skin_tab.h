// TSkinTab: tab and page controls painted whole. The tab strip is composed off-screen from the
// skin's Tabs picture (frame 1, the focused tab frame 2) on the side the style puts the tabs:
// flipped pictures for bottom tabs, and for side tabs a strip composed lying down and turned a
// quarter into place. The pane border comes from Tabs.SecondImage or TabPane. A page control
// with Tag 7777 shows a close box on each tab; a click on one asks the frame's window (message
// 0x3507, WParam the tab control, LParam the tab) and frees the page through the runtime when the
// answer is 0. A scrolling up-down child of the strip gets its own skinner. The sliced tab and
// pane pictures are kept between paints until a size, the tab position or the skin changes, and
// so is the composed strip until anything it shows (a tab's place, text or image, the focus)
// changes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/controls/paint_buffer.h"
#include "skin/controls/picture_cache.h"
#include "skin/controls/skin_control.h"

namespace varnelta {

class TSkinUpDown;

// The text (at most 80 characters) and image index (−1 for none) of tab `index` of a tab control.
struct TTabItem {
  std::wstring Text;
  int Image = -1;
};
TTabItem ReadTabItem(HWND tabs, int index);

inline constexpr UINT kMsgCloseTab = 0x3507;
inline constexpr int kCloseTabsTag = 7777;

class TSkinTab : public TSkinControl {
  VARNELTA_CLASS()
 public:
  TSkinTab();
  ~TSkinTab() override;
  void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour) override;
  void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;
  void Detach() override;
  const TPictureCache& Pictures() const { return pictures_; }
  // Paints that composed the tab strip again (the others copied the kept one).
  int StripCompositions() const { return stripCompositions_; }

  int FTabPosition = 0;  // 0 top, 1 bottom, 2 left, 3 right
  bool FCloseButtons = false;
  std::vector<RECT> FCloseRects;  // buffer coordinates, one per tab (empty rectangles when skipped)
  std::unique_ptr<TSkinUpDown> FUpDown;

  // The pane and strip rectangles of the last paint (window coordinates).
  RECT LastDisplay() const { return lastDisplay_; }
  RECT LastStrip() const { return lastStrip_; }

 private:
  void Prepare();
  void AttachUpDown();
  void SetTabPadding(bool closeBoxes);
  bool CloseBoxClicked(TPoint point);
  // Everything the composed strip shows: composed again when any of it changes.
  struct TStripLook {
    TPoint Size;
    int Focus = -1;
    bool Enabled = true;
    COLORREF Fill = 0;
    HFONT Font = nullptr;
    HIMAGELIST Images = nullptr;
    std::vector<TRect> Rects;  // in the strip
    std::vector<std::wstring> Texts;
    std::vector<int> ImageIndexes;
    bool operator==(const TStripLook&) const = default;
  };
  TStripLook ReadStripLook(const TPoint& size, const TRect& strip, const TRect& display, COLORREF fill) const;
  void ComposeStrip(const TDataSkinBorder& tabs, const TStripLook& look);
  void DrawTab(HDC dc, const TDataSkinBorder& tabs, const TStripLook& look, int index);

  TBitmap tabImage_;
  TBitmap paneImage_;
  TPaintBuffer buffer_;
  TPaintBuffer strip_;  // the tab strip, lying down for side tabs
  TPictureCache pictures_;
  TStripLook stripLook_;
  bool stripValid_ = false;
  TBitmap turnedStrip_;             // side tabs: the strip turned into place
  std::vector<RECT> stripCloseRects_;  // the close boxes of the composed strip
  int stripCompositions_ = 0;
  RECT lastDisplay_{};
  RECT lastStrip_{};
  RECT lastStripInBuffer_{};
};

}  // namespace varnelta
