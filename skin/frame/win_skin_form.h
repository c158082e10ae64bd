// TWinSkinForm: the frame skinner, one per skinned top-level window. It takes over the window's
// procedure (through the common controls' subclass chain, in the window's own character set),
// starts when the skin manager's start message arrives, gives the window's controls their
// skinners through the control dispatch and owns them. The skin manager owns the frame skinner.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/component.h"
#include "runtime/form.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"

namespace varnelta {

class TSkinManage;

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
  // The start message: fetch what the window looks like now and skin its controls.
  void ActivateFrame();
  // Gives the window back: `full` when the window lives on, else only the procedures and the
  // control skinners.
  void DetachFrame(bool full);
  // The skin changed: the control skinners reload it.
  void ReskinFrame();
  // Title bar buttons are rebuilt from the current skin at the next layout.
  void DropSysButtons() {}
  // The runtime form is being freed while its window still exists: let go of it now.
  void FormDestroying();

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
  // Released: its window is gone or it was let go; the manager frees it when it is not busy.
  bool Released() const { return FState == fsWindowDestroyed || released_; }
  void MarkReleased() { released_ = true; }
  bool Busy() const { return busy_ > 0; }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  void Dispatch(TMessage& message);
  void CallDefault(TMessage& message);
  void ReleaseControls();
  void RemoveSubclass();

  TSkinManage& manager_;
  HWND FHandle;
  HINSTANCE FModule;
  std::wstring FClassName;
  TCustomForm* FForm = nullptr;
  TSkinData* FSkinData = nullptr;
  HMENU FSystemMenu = nullptr;
  RECT FClientRect{};
  SIZE FOldFrameSize{};
  bool FSkinFrame = false;
  bool FUnicode = true;
  bool FIsChild = false;
  int FState = fsAttached;
  std::vector<std::unique_ptr<TSkinControl>> FControls;
  bool subclassed_ = false;
  bool released_ = false;
  int busy_ = 0;
};

}  // namespace varnelta
