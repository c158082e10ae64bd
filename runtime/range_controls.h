// Controls that show or set a value in a range: track bars ("msctls_trackbar32"), progress bars
// ("msctls_progress32") and up-downs ("msctls_updown32"), subclassed at creation. The range and
// position are kept here until the window exists, then read from and written to the window.
#pragma once

#include "runtime/win_control.h"

namespace varnelta {

enum TTrackBarOrientation : int { trHorizontal, trVertical };
extern const TEnumType TrackBarOrientationType;
enum TProgressBarOrientation : int { pbHorizontal, pbVertical };
extern const TEnumType ProgressBarOrientationType;
enum TUDOrientation : int { udHorizontal, udVertical };
extern const TEnumType UDOrientationType;

// What the three have in common: a minimum, a maximum and a position.
class TRangeControl : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TRangeControl(TComponent* owner);
  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const;
  void SetPosition(int v);

 protected:
  void CreateHandleDone() override;
  // Messages of the window class: set range (WParam low, LParam high), get and set position.
  virtual void SendRange() = 0;
  virtual UINT GetPositionMessage() const = 0;
  virtual void SendPosition(int v) = 0;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

class TTrackBar : public TRangeControl {
  VARNELTA_CLASS()
 public:
  explicit TTrackBar(TComponent* owner);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation v);
  int Frequency() const { return frequency_; }
  void SetFrequency(int v);
  void WndProc(TMessage& message) override;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void SendRange() override;
  UINT GetPositionMessage() const override;
  void SendPosition(int v) override;

 private:
  TTrackBarOrientation orientation_ = trHorizontal;
  int frequency_ = 1;
};

class TProgressBar : public TRangeControl {
  VARNELTA_CLASS()
 public:
  explicit TProgressBar(TComponent* owner);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation v);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void SendRange() override;
  UINT GetPositionMessage() const override;
  void SendPosition(int v) override;

 private:
  void Recreate();
  TProgressBarOrientation orientation_ = pbHorizontal;
  bool smooth_ = false;
};

class TUpDown : public TRangeControl {
  VARNELTA_CLASS()
 public:
  explicit TUpDown(TComponent* owner);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation v);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool v) { wrap_ = v; }
  // The control whose number the up-down sets (its buddy window). The up-down is docked to
  // it: against its right edge and as high as it, at the up-down's own width, so it follows
  // the associate whenever the form is scaled.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* v);
  void ChangeScale(int M, int D) override;
  void Loaded() override;
  void Notification(TComponent* component) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void SendRange() override;
  UINT GetPositionMessage() const override;
  void SendPosition(int v) override;

 private:
  void Dock();
  TUDOrientation orientation_ = udVertical;
  bool wrap_ = false;
  TWinControl* associate_ = nullptr;
};

void RegisterRangeControls();

}  // namespace varnelta
