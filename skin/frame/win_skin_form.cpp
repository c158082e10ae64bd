#include "skin/frame/win_skin_form.h"

#include <commctrl.h>

#include "skin/data/win32/skin_manage.h"
#include "skin/data/skin_types.h"

namespace varnelta {

namespace {
constexpr UINT_PTR kFrameSubclassId = 0x5346;  // "SF"
}  // namespace

const TClassInfo& TWinSkinForm::StaticClass() {
  static const TClassInfo info{"TWinSkinForm", &TComponent::StaticClass(), {}, {}};
  return info;
}

TWinSkinForm::TWinSkinForm(TSkinManage& manager, HWND window, HINSTANCE moduleMarker, std::wstring className)
    : TComponent(nullptr), manager_(manager), FHandle(window), FModule(moduleMarker),
      FClassName(std::move(className)) {}

TWinSkinForm::~TWinSkinForm() {
  // Whatever state it is in, nothing of the skinner stays reachable from the window.
  if (FState != fsWindowDestroyed) DetachFrame(false);
  ReleaseControls();
}

void TWinSkinForm::AttachForm(TSkinData* data, TCustomForm* form) {
  FForm = form;
  if (data && data->OnBeforeSkinForm) data->OnBeforeSkinForm(form, FHandle, FClassName);
  AttachWindow(data);
}

void TWinSkinForm::AttachWindow(TSkinData* data) {
  if (subclassed_) return;
  FSkinData = data;
  manager_.FrameAttaching();
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  FIsChild = (style & WS_CHILD) != 0;
  FUnicode = IsWindowUnicode(FHandle) != FALSE;
  FSystemMenu = GetSystemMenu(FHandle, FALSE);
  // The subclass chain calls on in the window's own character set.
  if (!SetWindowSubclass(FHandle, SubclassProc, kFrameSubclassId, reinterpret_cast<DWORD_PTR>(this))) return;
  subclassed_ = true;
  // The frame itself stays the system's: the skinner starts running at once and only skins the
  // window's controls.
  FSkinFrame = false;
  FState = fsRunning;
}

void TWinSkinForm::ActivateFrame() {
  FSystemMenu = GetSystemMenu(FHandle, FALSE);
  GetClientRect(FHandle, &FClientRect);
  RECT window{};
  GetWindowRect(FHandle, &window);
  FOldFrameSize = {(window.right - window.left) - (FClientRect.right - FClientRect.left),
                   (window.bottom - window.top) - (FClientRect.bottom - FClientRect.top)};
  if (manager_.HideWhileAttaching()) {
    manager_.SetHideWhileAttaching(false);
    const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
    if (!(style & WS_VISIBLE)) SetWindowLongPtrW(FHandle, GWL_STYLE, style | WS_VISIBLE);
  }
  if (FForm) {
    manager_.DispatchForm(*this, *FForm);
  } else {
    manager_.DispatchChildWindows(*this, FHandle);
  }
  SendMessageW(FHandle, kMsgControlNotify, 0, kSkinMagic);
  if (FSkinData && FSkinData->OnAfterSkinForm) FSkinData->OnAfterSkinForm(FForm, FHandle, FClassName);
  FState = fsRunning;
}

void TWinSkinForm::DetachFrame(bool full) {
  (void)full;  // the frame is the system's: nothing of it to give back
  RemoveSubclass();
  ReleaseControls();
}

void TWinSkinForm::ReskinFrame() {
  const int previous = FState;
  FState = fsReskinning;
  for (const auto& skinner : FControls) {
    if (skinner->State() == scsAttached) skinner->SkinChanged();
  }
  FState = previous == fsReskinning ? fsRunning : previous;
}

void TWinSkinForm::FormDestroying() {
  DetachFrame(false);
  FForm = nullptr;
  released_ = true;
}

TSkinControl* TWinSkinForm::AddControl(std::unique_ptr<TSkinControl> skinner) {
  if (!skinner) return nullptr;
  for (const auto& existing : FControls) {
    if (existing.get() == skinner.get()) return existing.get();
  }
  FControls.push_back(std::move(skinner));
  return FControls.back().get();
}

bool TWinSkinForm::HasSkinner(HWND window, const TControl* control) const {
  for (const auto& skinner : FControls) {
    if (skinner->State() == scsWindowDestroyed) continue;
    if ((window && skinner->Handle() == window) || (control && skinner->Control() == control)) return true;
  }
  return window && SendMessageW(window, kMsgIsSkinned, 0, 0) == 1;
}

void TWinSkinForm::PurgeDestroyed() {
  std::erase_if(FControls, [](const std::unique_ptr<TSkinControl>& skinner) {
    return skinner->State() == scsWindowDestroyed && !skinner->Busy();
  });
}

void TWinSkinForm::ReskinControl() {
  if (FState != fsRunning) return;
  PurgeDestroyed();
  // Controls that still answer the skinned probe, or are listed, are passed over.
  if (FForm) manager_.DispatchForm(*this, *FForm);
}

void TWinSkinForm::ReleaseControls() {
  // A skinner whose procedure is running stays until its window is destroyed or the frame goes.
  for (auto& skinner : FControls) {
    if (skinner->State() == scsAttached) {
      skinner->Unhook();
      skinner->Detach();
    }
  }
  std::erase_if(FControls, [](const std::unique_ptr<TSkinControl>& skinner) { return !skinner->Busy(); });
}

void TWinSkinForm::RemoveSubclass() {
  if (!subclassed_) return;
  RemoveWindowSubclass(FHandle, SubclassProc, kFrameSubclassId);
  subclassed_ = false;
}

void TWinSkinForm::CallDefault(TMessage& message) {
  message.Result = DefSubclassProc(FHandle, message.Msg, message.WParam, message.LParam);
}

void TWinSkinForm::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      FState = fsDestroying;
      RemoveSubclass();
      ReleaseControls();
      message.Result = DefSubclassProc(FHandle, message.Msg, message.WParam, message.LParam);
      FState = fsWindowDestroyed;
      return;
    case WM_INITMENUPOPUP:
      manager_.SetMenuKind(reinterpret_cast<HMENU>(message.WParam) == FSystemMenu ? kMenuKindSystem
                                                                                    : kMenuKindBar);
      CallDefault(message);
      return;
    case kMsgStartSkin: ActivateFrame(); return;
    case kMsgIsSkinned:
      message.Result = 1;
      PostMessageW(FHandle, kMsgControlNotify, 0, kSkinMagic);
      return;
    case kMsgReloadSkin: ReskinFrame(); return;
    case kMsgReskinControl: ReskinControl(); return;
    default: CallDefault(message); return;
  }
}

LRESULT CALLBACK TWinSkinForm::SubclassProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  auto* frame = reinterpret_cast<TWinSkinForm*>(self);
  TMessage message{msg, wParam, lParam, 0};
  ++frame->busy_;
  frame->Dispatch(message);
  --frame->busy_;
  return message.Result;
}

}  // namespace varnelta
