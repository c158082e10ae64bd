// TScrollBar: a scroll-bar control of its own (not a window's scroll bar): Kind, range, position,
// page size and the steps of an arrow and of a page. The bar's scroll notices, reflected by the
// parent, move the position; OnChange follows every change.
#pragma once

#include "runtime/win_control.h"

namespace varnelta {

enum TScrollBarKind : int { sbHorizontal, sbVertical };
extern const TEnumType ScrollBarKindType;

class TScrollBar : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TScrollBar(TComponent* owner);
  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind v);
  int Min() const { return min_; }
  void SetMin(int v) { SetParams(position_, v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetParams(position_, min_, v); }
  int Position() const { return position_; }
  void SetPosition(int v) { SetParams(v, min_, max_); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int v) { smallChange_ = v < 1 ? 1 : v; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int v) { largeChange_ = v < 1 ? 1 : v; }
  // Position and range at once; the position is kept inside the range.
  void SetParams(int position, int min, int max);
  void WndProc(TMessage& message) override;
  void Loaded() override;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  void UpdateScrollInfo();
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

// The position a scroll code moves to (SB_LINEUP ... SB_BOTTOM, thumb codes with `track`), kept
// between `min` and the last position a page of `page` leaves room for.
int ScrollBarNewPosition(int code, int track, int position, int min, int max, int page, int small, int large);

}  // namespace varnelta
