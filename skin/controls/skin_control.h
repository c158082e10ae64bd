// TSkinControl: the base of every control skinner. One skinner serves one control window: it
// takes over the window's message stream (a runtime control through its WindowProc, a plain
// window through the common controls' subclass chain, which calls on in the window's own
// character set and can be removed in any order), keeps the replaced procedure and calls it for
// everything it does not handle itself. The frame skinner of the form owns its skinners.
#pragma once

#include <windows.h>

#include <string>

#include "runtime/component.h"
#include "runtime/control.h"
#include "skin/data/skin_data.h"

namespace varnelta {

class TWinSkinForm;
class TCanvas;

// What the dispatch tells a skinner before it starts.
struct TSkinnerSettings {
  int Kind = 0;                // FKind
  bool ExtendedCombo = false;  // an extended combo box
  std::string ImageProperty;   // the published picture the glyph comes from
  int Variant = 0;             // the glyph set of a picture-strip skinner
};

// Lifecycle states.
enum TSkinControlState : int {
  scsCreated = 0,
  scsAttached = 1,
  scsDetached = 2,       // a descendant gave the control back
  scsWindowDestroyed = 6,
};

class TSkinControl : public TComponent {
  VARNELTA_CLASS()
 public:
  TSkinControl();
  ~TSkinControl() override;

  // Settings the dispatch decided for this control; before Start.
  virtual void Configure(const TSkinnerSettings& settings) {
    FKind = settings.Kind;
    FSettings = settings;
  }
  // The start operation of the dispatch: attaches to the control object, or to the plain window
  // when there is none.
  void Start(TWinSkinForm* frame, TSkinData* data, TControl* control, HWND window, bool ownsChildren,
             TCanvas* canvas);

  virtual void AttachControl(TControl* control, TSkinData* data, TCanvas* canvas, bool recolour);
  virtual void AttachHandle(HWND window, TSkinData* data, TWinSkinForm* frame, TCanvas* canvas);
  // Undoes what attach changed on the control besides the procedure (the colour).
  virtual void Detach();
  // Runs before the saved procedure; false when the message was handled here.
  virtual bool BeforeMessage(TMessage& message);
  // Runs after the saved procedure for the messages BeforeMessage passed on.
  virtual void AfterMessage(TMessage& message);
  virtual void PaintWindow(HDC dc);
  virtual void PaintSkin(HDC dc, const RECT& rect);
  virtual void SkinChanged();

  // Takes the skinner's procedure out (the control keeps working natively).
  void Unhook();
  // Passes a message to the procedure the skinner replaced.
  void CallDefault(TMessage& message);
  // Invalidates the window (erasing) and updates it at once.
  void Repaint();

  HWND Handle() const { return FHandle; }
  TControl* Control() const { return FControl; }
  int State() const { return FState; }
  bool Active() const { return FActive; }
  bool OwnsChildren() const { return FOwnsChildren; }
  // One of this skinner's procedures is running: it must not be freed now.
  bool Busy() const { return busy_ > 0; }
  // The skinner's class name, as the dispatch names it.
  const std::string& SkinnerName() const { return ClassName(); }

  int FKind = 0;

  // Text helpers: the wide calls on the NT family, the ANSI calls with the ANSI code page elsewhere.
  static int DrawTextEx(HDC dc, const std::wstring& text, RECT& rect, UINT format);
  static std::wstring ReadWindowText(HWND window);
  static LONG_PTR GetWindowLongEx(HWND window, int index);
  static void FillColour(HDC dc, const RECT& rect, COLORREF colour);
  static void FrameColour(HDC dc, const RECT& rect, COLORREF colour);
  // Frame `frame` of a picture sliced by `margins` to `rect`; magenta left out when transparent.
  static void DrawSlicedFrame(HDC dc, const RECT& rect, const TBitmap& image, bool vertical, bool tile,
                              bool transparent, int frameCount, int frame, const TRect& margins);
  // An element's frame over `rect` with its own tiling, margins (scaled for the screen) and key colour.
  static void DrawElementFrame(HDC dc, const RECT& rect, int frameCount, int frame, const TDataSkinObject& element);
  // The screen's dots per inch (96 when unknown).
  static int ScreenDpi();

 protected:
  void WindowProcedure(TMessage& message);

  // The skin in force; null before attach.
  const TSkinElements* Skin() const { return FSkinData ? &FSkinData->Skin() : nullptr; }
  // A Colours entry as an RGB value.
  COLORREF SkinColour(int index) const;

  // WM_PAINT taken over entirely: the DC of WParam or BeginPaint, PaintSkin over the window.
  void PaintOnWMPaint(TMessage& message);
  // WM_ERASEBKGND taken over: the parent's background (control objects) or the face colour.
  void EraseOnWMEraseBkgnd(TMessage& message);
  void FillFace(HDC dc, const RECT& rect) const;
  // The parent control's Color when it publishes one, else `fallback`.
  TColor ParentColour(TColor fallback) const;
  // `flags` with DT_RTLREADING for a right-to-left control.
  UINT TextFlags(UINT flags) const;
  void DrawFocusAroundText(HDC dc, UINT flags, const RECT& rect);
  // The press point of WM_LBUTTONDOWN in client coordinates (the 0x8000 rule) handed to the
  // control's own mouse handling.
  TPoint ForwardMouseDown(const TMessage& message);
  void TrackMouseLeave(HWND window) const;

  // What the control's parent shows behind the control, painted into `dc`.
  static void PaintParentBackground(TControl* control, HDC dc);

  std::uint8_t FMouseState = 0;
  TCanvas* FCanvas = nullptr;
  bool FEnabled = true;
  bool FFocused = false;
  std::wstring FText;
  bool FActive = true;
  bool FUnicode = true;
  TSkinData* FSkinData = nullptr;
  HWND FHandle = nullptr;
  TWndMethod FOldWindowProc;
  TControl* FControl = nullptr;
  bool FRecolour = false;
  TColor FSavedColor = clNone;
  bool FAttached = false;
  int FState = scsCreated;
  TWinSkinForm* FSkinForm = nullptr;
  // Repaint requests go to this control instead of the window (a windowless control).
  TControl* FPaintTarget = nullptr;
  bool FOwnsChildren = false;
  TSkinnerSettings FSettings;
  RECT FWindowRect{};
  // The press point last handed to the control (ForwardMouseDown).
  TPoint FLastMouseDown;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  void WindowDestroyed();
  bool subclassed_ = false;
  int busy_ = 0;
};

}  // namespace varnelta
