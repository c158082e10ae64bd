// TWinSkinForm: the frame skinner, one per skinned top-level window. It takes over the window's
// procedure (through the common controls' subclass chain, in the window's own character set)
// and, for a runtime form, the form's WindowProc; draws the whole non-client area from the skin
// (borders, title bar, caption, title buttons), sets the frame metrics from the skin's frame
// pictures, shapes the window by their magenta pixels, and gives the window's controls their
// skinners through the control dispatch. The skin manager owns the frame skinner; the frame
// skinner owns its control skinners.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/component.h"
#include "runtime/dib_section.h"
#include "runtime/form.h"
#include "runtime/timer.h"
#include "runtime/win_handles.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_kinds.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/mdi_client_hook.h"
#include "skin/frame/sys_buttons.h"

namespace varnelta {

class TSkinManage;
class TFramePainter;
class TFrameInput;
class TFrameSizer;
class TFrameMenus;
class TFrameProc;
class TMdiBar;
class TWinSkinMenu;

// Lifecycle states.
enum TFrameState : int {
  fsAttached = 0,       // waiting for the start message
  fsRunning = 1,
  fsReskinning = 3,
  fsDestroying = 4,     // WM_NCDESTROY under way
  fsResizing = 5,       // resizing the window while starting
  fsWindowDestroyed = 6,
};

class TWinSkinForm : public TComponent {
  VARNELTA_CLASS()
 public:
  TWinSkinForm(TSkinManage& manager, HWND window, HINSTANCE moduleMarker, std::wstring className);
  ~TWinSkinForm() override;

  void AttachForm(TSkinData* data, TCustomForm* form);
  void AttachWindow(TSkinData* data);
  // The start message: fit the window to the skinned frame, shape it, skin its controls.
  void ActivateFrame();
  // Gives the window back: `full` while the window lives on (size, colour, style, region);
  // otherwise only the procedures, the timer and the control skinners.
  void DetachFrame(bool full);
  // The skin changed: metrics, buttons, controls and the frame follow.
  void ReskinFrame();
  // An MDI child's frame follows whether a maximised MDI child is shown: metrics, region, paint.
  void FollowMdiMaximised();
  // Title bar buttons are rebuilt from the current skin at the next metrics computation.
  void DropSysButtons();
  // The runtime form is being freed while its window still exists: let go of it now.
  void FormDestroying();
  // Paints the whole non-client area into `dc`, or into the window's own DC.
  void PaintFrame(HDC dc = nullptr);

  // Control skinner bookkeeping.
  TSkinControl* AddControl(std::unique_ptr<TSkinControl> skinner);
  // A control (by its window, or by its object for windowless ones) already has a skinner here,
  // or its window answers the skinned probe.
  bool HasSkinner(HWND window, const TControl* control = nullptr) const;
  void PurgeDestroyed();
  // A skinned control's window was re-created: its old skinner is dropped and the control gets
  // a new one, as at the start.
  void ReskinControl();
  const std::vector<std::unique_ptr<TSkinControl>>& Controls() const { return FControls; }

  HWND Handle() const { return FHandle; }
  TCustomForm* Form() const { return FForm; }
  TSkinData* SkinData() const { return FSkinData; }
  const std::wstring& WindowClassName() const { return FClassName; }
  HINSTANCE ModuleMarker() const { return FModule; }
  int State() const { return FState; }
  bool SkinFrame() const { return FSkinFrame; }
  const frame::TFrameMetrics& Metrics() const { return FMetrics; }
  bool Active() const { return FActive; }
  bool HasRegion() const { return FHasRegion; }
  int Dpi() const { return FDpi; }
  // The title bar buttons' objects (state, bounds, visibility), in the skin's order.
  const frame::TNcObjects& SysButtonObjects() const { return FObjects; }
  // The skinned menu bar, or none.
  TWinSkinMenu* SkinMenu() const { return FSkinMenu.get(); }
  // Released: its window is gone or it was let go; the manager frees it when it is not busy.
  bool Released() const { return FState == fsWindowDestroyed || released_; }
  void MarkReleased() { released_ = true; }
  bool Busy() const { return busy_ > 0; }

 private:
  friend class TFramePainter;
  friend class TFrameInput;
  friend class TFrameSizer;
  friend class TFrameMenus;
  friend class TFrameProc;
  friend class TMdiBar;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  void CallDefault(TMessage& message);
  void ReleaseControls();
  void RemoveSubclass();
  void ComputeMetrics();
  void FitWindowToClient(bool useWindowClient);
  // Changes the size a minimised window restores to by (dw, dh).
  void ResizeRestored(int dw, int dh, bool keepCentre);
  bool IsCentred() const;
  void ReadShowState();
  void SetSysMenuStyle(bool remove);
  void BuildRegion();
  void RemoveRegion(bool redraw);
  void ReloadIcon();
  void SetCompositionFrame(bool skinned);
  frame::TWindowFacts WindowFacts() const;
  bool Maximised() const { return FShowState == frame::ssMaximized; }
  bool Minimised() const { return FShowState == frame::ssMinimized; }
  bool MdiChild() const { return FFormKind == frame::fkMdiChild; }
  bool MdiFrame() const { return FFormKind == frame::fkMdiFrame; }

  TSkinManage& manager_;
  HWND FHandle;
  HINSTANCE FModule;
  std::wstring FClassName;
  std::string FClassNameA;
  TCustomForm* FForm = nullptr;
  TSkinData* FSkinData = nullptr;
  TWndMethod FOldFormWndProc;
  bool formHooked_ = false;
  HMENU FSystemMenu = nullptr;
  HWND FOwnerWnd = nullptr;
  RECT FClientRect{};
  SIZE FOldFrameSize{};
  TColor FSavedColor = clNone;
  bool FSkinFrame = false;
  bool FUnicode = true;
  bool FIsChild = false;
  bool FIsDialog = false;
  bool FRightToLeft = false;
  bool FSizeable = false;
  frame::TBorderKind FBorderKind = frame::bkSingle;
  frame::TFormKind FFormKind = frame::fkOrdinary;
  std::uint8_t FBorderIcons = 0;
  frame::TShowState FShowState = frame::ssNormal;
  frame::TFrameMetrics FMetrics;
  bool metricsComputed_ = false;
  int FDpi = 96;
  bool FActive = true;
  bool firstFit_ = true;
  RECT FCaptionRect{};
  int FRightButtonsExtent = 0;
  SIZE FWindowSize{};
  SIZE FRegionSize{};
  bool FHasRegion = false;
  // The title bar buttons: the skin's elements at the screen's DPI and their objects.
  std::vector<frame::TSysButtonFacts> FSysButtons;
  frame::TNcObjects FObjects;
  std::unique_ptr<TTimer> FHoverTimer;
  // An MDI frame's client window, watched while the frame is skinned.
  std::unique_ptr<TMdiClientHook> FMdiClient;
  std::optional<std::uint32_t> FLastSysMenuClick;
  int FDoubleClickTime = 500;
  bool FMenuTracking = false;
  // The skinned menu bar of a window with a menu, and its strip's height.
  std::unique_ptr<TWinSkinMenu> FSkinMenu;
  int FMenuBarHeight = 0;
  bool systemMenuShown_ = false;
  HICON FIcon = nullptr;
  int FIconSize = 16;
  TFontHandle FCaptionFont;
  TBrushHandle faceBrush_;
  TDibSection FTitleBuffer;
  // The frame edge pictures and the caption background at the window's DPI (the skin's own at 96).
  std::array<TBitmap, 4> scaledEdges_;
  TBitmap scaledTextBack_;
  int scaledDpi_ = 0;
  int FState = fsAttached;
  std::vector<std::unique_ptr<TSkinControl>> FControls;
  bool subclassed_ = false;
  bool released_ = false;
  int busy_ = 0;
};

}  // namespace varnelta
