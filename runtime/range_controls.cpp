#include "runtime/range_controls.h"

#include <commctrl.h>

#include "runtime/class_registry.h"

namespace varnelta {

namespace {
template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}
}  // namespace

const TEnumType TrackBarOrientationType{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
const TEnumType ProgressBarOrientationType{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};
const TEnumType UDOrientationType{"TUDOrientation", {"udHorizontal", "udVertical"}};

// ---- the range ----

const TClassInfo& TRangeControl::StaticClass() {
  static const TClassInfo info{"TRangeControl",
                               &TWinControl::StaticClass(),
                               {IntProperty("Min", &TRangeControl::Min, &TRangeControl::SetMin, 0),
                                IntProperty("Max", &TRangeControl::Max, &TRangeControl::SetMax, 100),
                                IntProperty("Position", &TRangeControl::Position, &TRangeControl::SetPosition, 0)},
                               {}};
  return info;
}

TRangeControl::TRangeControl(TComponent* owner) : TWinControl(owner) {}

void TRangeControl::CreateHandleDone() {
  SendRange();
  SendPosition(position_);
}

void TRangeControl::SetMin(int v) {
  min_ = v;
  if (handle_) SendRange();
}

void TRangeControl::SetMax(int v) {
  max_ = v;
  if (handle_) SendRange();
}

int TRangeControl::Position() const {
  if (!handle_) return position_;
  return static_cast<int>(SendMessageW(handle_, GetPositionMessage(), 0, 0));
}

void TRangeControl::SetPosition(int v) {
  position_ = v;
  if (handle_) SendPosition(v);
}

// ---- track bars ----

const TClassInfo& TTrackBar::StaticClass() {
  static const TClassInfo info{
      "TTrackBar",
      &TRangeControl::StaticClass(),
      {IntProperty("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency, 1),
       EnumProperty("Orientation", TrackBarOrientationType, &TTrackBar::Orientation, &TTrackBar::SetOrientation,
                    trHorizontal),
       EventProperty("OnChange", &TTrackBar::OnChange)},
      Make<TTrackBar>};
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner) {
  tabStop_ = true;
  max_ = 10;
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& p) {
  TRangeControl::CreateParams(p);
  p.StdClassName = TRACKBAR_CLASSW;
  p.Style |= TBS_AUTOTICKS | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::CreateHandleDone() {
  TRangeControl::CreateHandleDone();
  SendMessageW(handle_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::SendRange() {
  SendMessageW(handle_, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(handle_, TBM_SETRANGEMAX, TRUE, max_);
}

UINT TTrackBar::GetPositionMessage() const { return TBM_GETPOS; }

void TTrackBar::SendPosition(int v) { SendMessageW(handle_, TBM_SETPOS, TRUE, v); }

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  if (!handle_) return;
  position_ = Position();
  DestroyHandle();
  HandleNeeded();
}

void TTrackBar::SetFrequency(int v) {
  frequency_ = v < 1 ? 1 : v;
  if (handle_) SendMessageW(handle_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::WndProc(TMessage& m) {
  if (m.Msg == CN_BASE + WM_HSCROLL || m.Msg == CN_BASE + WM_VSCROLL) {
    position_ = Position();
    OnChange(this);
    m.Result = 0;
    return;
  }
  TRangeControl::WndProc(m);
}

// ---- progress bars ----

const TClassInfo& TProgressBar::StaticClass() {
  static const TClassInfo info{
      "TProgressBar",
      &TRangeControl::StaticClass(),
      {EnumProperty("Orientation", ProgressBarOrientationType, &TProgressBar::Orientation,
                    &TProgressBar::SetOrientation, pbHorizontal),
       BoolProperty("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth, false)},
      Make<TProgressBar>};
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner) { SetBounds(0, 0, 150, 17); }

void TProgressBar::CreateParams(TCreateParams& p) {
  TRangeControl::CreateParams(p);
  p.StdClassName = PROGRESS_CLASSW;
  if (orientation_ == pbVertical) p.Style |= PBS_VERTICAL;
  if (smooth_) p.Style |= PBS_SMOOTH;
}

void TProgressBar::SendRange() { SendMessageW(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_); }

UINT TProgressBar::GetPositionMessage() const { return PBM_GETPOS; }

void TProgressBar::SendPosition(int v) { SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(v), 0); }

void TProgressBar::Recreate() {
  if (!handle_) return;
  position_ = Position();
  DestroyHandle();
  HandleNeeded();
}

void TProgressBar::SetOrientation(TProgressBarOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  Recreate();
}

void TProgressBar::SetSmooth(bool v) {
  if (v == smooth_) return;
  smooth_ = v;
  Recreate();
}

// ---- up-downs ----

const TClassInfo& TUpDown::StaticClass() {
  static const TClassInfo info{
      "TUpDown",
      &TRangeControl::StaticClass(),
      {EnumProperty("Orientation", UDOrientationType, &TUpDown::Orientation, &TUpDown::SetOrientation, udVertical),
       BoolProperty("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap, false),
       ComponentProperty("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)},
      Make<TUpDown>};
  return info;
}

TUpDown::TUpDown(TComponent* owner) : TRangeControl(owner) { SetBounds(0, 0, 17, 25); }

void TUpDown::CreateParams(TCreateParams& p) {
  TRangeControl::CreateParams(p);
  p.StdClassName = UPDOWN_CLASSW;
  if (orientation_ == udHorizontal) p.Style |= UDS_HORZ;
  if (wrap_) p.Style |= UDS_WRAP;
  // The runtime docks the up-down itself (the system's own docking keeps a fixed width).
  if (associate_) p.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
}

void TUpDown::CreateHandleDone() {
  TRangeControl::CreateHandleDone();
  // The system's up-down makes itself its standard width while it is created: it is given the
  // control's own (scaled) size back.
  SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
  if (associate_) SendMessageW(handle_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendPosition(position_);
}

void TUpDown::SetAssociate(TWinControl* v) {
  if (v == this) v = nullptr;
  associate_ = v;
  if (HasState(csLoading)) return;  // docked once the whole form is read
  Dock();
  if (!handle_) return;
  position_ = Position();
  DestroyHandle();
  HandleNeeded();
}

void TUpDown::Dock() {
  if (!associate_ || associate_->Parent() != Parent()) return;
  SetBounds(associate_->Left() + associate_->Width(), associate_->Top(), width_, associate_->Height());
}

void TUpDown::ChangeScale(int M, int D) {
  TRangeControl::ChangeScale(M, D);
  if (!associate_ || !parent_ || associate_->Parent() != parent_ || D <= 0) return;
  // The parent scales its children one after the other: an associate that comes later is
  // docked to where its own scaling will put it.
  bool selfSeen = false, associateLater = false;
  for (int i = 0; i < parent_->ControlCount(); ++i) {
    TControl* c = parent_->Controls(i);
    if (c == this) selfSeen = true;
    if (c == associate_) {
      associateLater = selfSeen;
      break;
    }
  }
  if (!associateLater) {
    Dock();
    return;
  }
  const int top = MulDiv(associate_->Top(), M, D);
  const int right = MulDiv(associate_->Left() + associate_->Width(), M, D);
  const int bottom = MulDiv(associate_->Top() + associate_->Height(), M, D);
  SetBounds(right, top, width_, bottom - top);
}

void TUpDown::Loaded() {
  TRangeControl::Loaded();
  Dock();
}

void TUpDown::Notification(TComponent* component) {
  TRangeControl::Notification(component);
  if (component == associate_) associate_ = nullptr;
}

void TUpDown::SendRange() { SendMessageW(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_); }

UINT TUpDown::GetPositionMessage() const { return UDM_GETPOS32; }

void TUpDown::SendPosition(int v) { SendMessageW(handle_, UDM_SETPOS32, 0, v); }

void TUpDown::SetOrientation(TUDOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  if (!handle_) return;
  position_ = Position();
  DestroyHandle();
  HandleNeeded();
}

void RegisterRangeControls() {
  RegisterComponentClass(TTrackBar::StaticClass());
  RegisterComponentClass(TProgressBar::StaticClass());
  RegisterComponentClass(TUpDown::StaticClass());
}

}  // namespace varnelta
