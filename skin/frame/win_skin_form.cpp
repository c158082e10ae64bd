#include "skin/frame/win_skin_form.h"

#include <commctrl.h>

#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/caption_layout.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/frame_input.h"
#include "skin/frame/frame_menus.h"
#include "skin/frame/win_skin_menu.h"
#include "skin/frame/frame_painter.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/frame_sizer.h"
#include "skin/frame/frame_pieces.h"
#include "skin/frame/region_rects.h"
#include "skin/frame/win32/region_build.h"

namespace varnelta {

namespace {
constexpr UINT_PTR kFrameSubclassId = 0x5346;  // "SF"

// The desktop compositor draws its own frame around a window unless told not to; a skinned
// window draws its frame itself.
void SetCompositorFrame(HWND window, bool enabled) {
  using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  static const SetAttribute set = [] {
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    return dwm ? reinterpret_cast<SetAttribute>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")))
               : nullptr;
  }();
  if (!set) return;
  const DWORD policy = enabled ? 0 /* use the window style */ : 1 /* disabled */;
  set(window, 2 /* non-client rendering policy */, &policy, sizeof policy);
}
}  // namespace

const TClassInfo& TWinSkinForm::StaticClass() {
  static const TClassInfo info{"TWinSkinForm", &TComponent::StaticClass(), {}, {}};
  return info;
}

TWinSkinForm::TWinSkinForm(TSkinManage& manager, HWND window, HINSTANCE moduleMarker, std::wstring className)
    : TComponent(nullptr), manager_(manager), FHandle(window), FModule(moduleMarker),
      FClassName(std::move(className)) {
  FClassNameA.assign(FClassName.begin(), FClassName.end());
  FDoubleClickTime = static_cast<int>(GetDoubleClickTime());
}

TWinSkinForm::~TWinSkinForm() {
  // Whatever state it is in, nothing of the skinner stays reachable from the window.
  if (FState != fsWindowDestroyed) DetachFrame(false);
  ReleaseControls();
}

frame::TWindowFacts TWinSkinForm::WindowFacts() const {
  frame::TWindowFacts facts;
  facts.Style = static_cast<std::uint32_t>(GetWindowLongPtrW(FHandle, GWL_STYLE));
  facts.ExStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(FHandle, GWL_EXSTYLE));
  facts.ClassName = FClassNameA;
  facts.HasSystemMenu = FSystemMenu != nullptr;
  facts.HasOwner = GetWindow(FHandle, GW_OWNER) != nullptr;
  facts.HasMdiClient = FindWindowExW(FHandle, nullptr, L"MDIClient", nullptr) != nullptr;
  const TPlatformVersion& version = RecordedVersion();
  facts.PlatformNt = version.IsNT;
  facts.MajorVersion = static_cast<int>(version.Major);
  facts.MinorVersion = static_cast<int>(version.Minor);
  return facts;
}

void TWinSkinForm::AttachForm(TSkinData* data, TCustomForm* form) {
  FForm = form;
  if (data && data->OnBeforeSkinForm) data->OnBeforeSkinForm(form, FHandle, FClassName);
  if (data && InSet(data->SkinControls(), xcMenuItem)) SetEnumProp(form, "AutoScroll", "False");
  AttachWindow(data);
  if (FSkinFrame && !formHooked_) {
    FOldFormWndProc = form->WindowProc;
    form->WindowProc = [this](TMessage& message) { TFrameProc(*this).FormHook(message); };
    formHooked_ = true;
  }
  FSavedColor = form->Color();
  if (data) form->SetColor(data->Skin().Colours[kColourButtonFace]);
}

void TWinSkinForm::AttachWindow(TSkinData* data) {
  if (subclassed_) return;
  FSkinData = data;
  FHoverTimer = std::make_unique<TTimer>(nullptr);
  FHoverTimer->SetEnabled(false);
  FHoverTimer->SetInterval(250);
  FHoverTimer->SetOnTimer({"HoverEnd", [this](TComponent*) { TFrameInput(*this).HoverCheck(); }});
  // A frame is drawn only from a skin that has a title picture; without one the system's frame
  // stays and only the controls are skinned.
  FSkinFrame = data && InSet(data->SkinControls(), xcMainMenu) && !data->Skin().BorderTop->Image.Empty();
  FSystemMenu = GetSystemMenu(FHandle, FALSE);
  const frame::TWindowFacts facts = WindowFacts();
  FRightToLeft = (facts.ExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  FIsChild = (facts.Style & WS_CHILD) != 0;
  FOwnerWnd = GetWindow(FHandle, GW_OWNER);
  FBorderIcons = frame::BorderIconsOf(facts);
  ReadShowState();
  FSizeable = (facts.Style & WS_THICKFRAME) != 0;
  FFormKind = frame::FormKindOf(facts);
  if (FFormKind == frame::fkMdiChild && data && InSet(data->Options(), xoMDIChildBorder)) FSkinFrame = false;
  FBorderKind = frame::BorderKindOf(facts);
  FUnicode = IsWindowUnicode(FHandle) != FALSE;
  FIsDialog = frame::IsDialogClass(FClassNameA);
  if (manager_.HideWhileAttaching() && !FIsChild && FSkinFrame && FBorderKind != frame::bkNone) {
    SetWindowLongPtrW(FHandle, GWL_STYLE, GetWindowLongPtrW(FHandle, GWL_STYLE) & ~WS_VISIBLE);
  }
  // On the 95 family the system menu's window is not skinned.
  if (!RecordedVersion().IsNT && data) data->SetSkinControls(data->SkinControls() & ~SkinBit(xcSystemMenu));
  if (!SetWindowSubclass(FHandle, SubclassProc, kFrameSubclassId, reinterpret_cast<DWORD_PTR>(this))) return;
  subclassed_ = true;
  if (MdiFrame()) {
    const HWND client = FindWindowExW(FHandle, nullptr, L"MDIClient", nullptr);
    manager_.SetMDIClient(client);
    FMdiClient = std::make_unique<TMdiClientHook>(*this, client);
  }
  FDpi = Screen().PixelsPerInch();
  if (data) {
    const TCaptionFont& font = data->CaptionFont();
    LOGFONTW logFont{};
    logFont.lfHeight = font.Height;
    logFont.lfWeight = font.Weight;
    logFont.lfItalic = font.Italic ? TRUE : FALSE;
    logFont.lfCharSet = static_cast<BYTE>(font.Charset);
    lstrcpynW(logFont.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    FCaptionFont.Reset(CreateFontIndirectW(&logFont));
  }
  if (FSkinFrame) {
    TFrameMenus(*this).Attach();
    ComputeMetrics();
    SetCompositionFrame(true);
    if (MdiChild() && Maximised()) manager_.SetMDIChildMaximised(true);
  } else {
    FState = fsRunning;
  }
}

void TWinSkinForm::SetCompositionFrame(bool skinned) { SetCompositorFrame(FHandle, !skinned); }

void TWinSkinForm::ComputeMetrics() {
  if (!FSkinData || !FSkinData->SkinLoaded()) return;
  FMetrics = frame::ComputeMetrics(FSkinData->Skin(), FBorderKind, FSkinMenu ? FMenuBarHeight : 0, FDpi);
  metricsComputed_ = true;
  DropSysButtons();
}

void TWinSkinForm::DropSysButtons() {
  FSysButtons.clear();
  ReloadIcon();
  if (FSkinData) {
    for (const auto& element : FSkinData->Skin().SysButtons) {
      frame::TSysButtonFacts button = frame::SysButtonFactsOf(*element, FDpi);
      // The window icon button without a picture of its own shows the window's small icon.
      if (frame::ShowsWindowIcon(button.Action) && button.ImageEmpty) {
        button.CellWidth = button.CellHeight = FIconSize;
        button.FrameCount = 1;
        button.ImageEmpty = false;
      }
      FSysButtons.push_back(button);
    }
  }
  FObjects.Reset(FSysButtons.size());
}

void TWinSkinForm::ReloadIcon() {
  auto icon = reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(FHandle, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(FHandle, GCLP_HICONSM));
  FIcon = icon;
  FIconSize = GetSystemMetrics(SM_CXSMICON);
}

void TWinSkinForm::ReadShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (GetWindowPlacement(FHandle, &placement)) FShowState = frame::ReadShowState(static_cast<int>(placement.showCmd));
}

void TWinSkinForm::ActivateFrame() {
  FSystemMenu = GetSystemMenu(FHandle, FALSE);
  ReloadIcon();
  GetClientRect(FHandle, &FClientRect);
  FOldFrameSize = TFrameSizer(*this).SystemFrameSize();
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
  if (FSkinFrame && FState == fsAttached) {
    if (MdiChild() && Maximised()) {
      if (manager_.MDIClient()) {
        PostMessageW(manager_.MDIClient(), kMsgMDIChildMaximised, reinterpret_cast<WPARAM>(FHandle), 0);
      }
    } else if (MdiChild()) {
      FState = fsResizing;
      FitWindowToClient(false);
      FState = fsRunning;
      BuildRegion();
    } else if (!FIsChild && FBorderKind != frame::bkNone && IsIconic(FHandle)) {
      // Minimised before its skin started: the size it restores to gets the skin's frame.
      ResizeRestored(FMetrics.Left + FMetrics.Right - FOldFrameSize.cx,
                     FMetrics.Title + FMetrics.Bottom + FMetrics.MenuBar - FOldFrameSize.cy, IsCentred());
      firstFit_ = false;
      FState = fsRunning;
    } else if (!FIsChild && FBorderKind != frame::bkNone && !Minimised()) {
      FState = fsResizing;
      FitWindowToClient(false);
      FState = fsRunning;
      if (Maximised()) {
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, 0x37);
      } else {
        BuildRegion();
      }
    }
  }
  SendMessageW(FHandle, kMsgControlNotify, 0, kSkinMagic);
  if (FSkinData && FSkinData->OnAfterSkinForm) FSkinData->OnAfterSkinForm(FForm, FHandle, FClassName);
  FState = fsRunning;
  if (FSkinFrame) {
    FActive = GetActiveWindow() == FHandle;
    FHoverTimer->SetEnabled(FActive);
    RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

void TWinSkinForm::FitWindowToClient(bool useWindowClient) { TFrameSizer(*this).FitWindowToClient(useWindowClient); }
void TWinSkinForm::ResizeRestored(int dw, int dh, bool keepCentre) { TFrameSizer(*this).ResizeRestored(dw, dh, keepCentre); }
void TWinSkinForm::BuildRegion() { TFrameSizer(*this).BuildRegion(); }
void TWinSkinForm::RemoveRegion(bool redraw) { TFrameSizer(*this).RemoveRegion(redraw); }
bool TWinSkinForm::IsCentred() const {
  return FIsDialog || (FForm && (FForm->Position() == poScreenCenter || FForm->Position() == poDesktopCenter));
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
  if (FBorderIcons & frame::kIconStyleLeftAlone) return;
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  LONG_PTR next = style;
  if (remove) next &= ~WS_SYSMENU;
  if (!remove && FSystemMenu) next |= WS_SYSMENU;
  if (next != style) SetWindowLongPtrW(FHandle, GWL_STYLE, next);
}

void TWinSkinForm::PaintFrame(HDC dc) { TFramePainter(*this).PaintFrame(dc); }

void TWinSkinForm::DetachFrame(bool full) {
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  if (!subclassed_) {
    ReleaseControls();
    return;
  }
  if (formHooked_ && FForm) FForm->WindowProc = std::move(FOldFormWndProc);
  formHooked_ = false;
  RemoveSubclass();
  FMdiClient.reset();
  ReleaseControls();
  TFrameMenus(*this).Detach(full);
  if (!full) return;
  if (FForm && FState != fsDestroying) FForm->SetColor(FSavedColor);
  if (!FSkinFrame) {
    if (FForm) FForm->Invalidate();
    return;
  }
  SetSysMenuStyle(false);
  SetCompositionFrame(false);
  if (FState != fsDestroying && !FIsChild && IsIconic(FHandle)) {
    ResizeRestored(FOldFrameSize.cx - FMetrics.Left - FMetrics.Right,
                   FOldFrameSize.cy - FMetrics.Title - FMetrics.Bottom - FMetrics.MenuBar, false);
  } else if (FState != fsDestroying && (MdiChild() || !FIsChild) && !IsIconic(FHandle)) {
    RECT window{};
    GetWindowRect(FHandle, &window);
    const int w = window.right - window.left - FMetrics.Left - FMetrics.Right + FOldFrameSize.cx;
    const int h = window.bottom - window.top - FMetrics.Title - FMetrics.Bottom - FMetrics.MenuBar + FOldFrameSize.cy;
    SetWindowPos(FHandle, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  RemoveRegion(MdiChild());
}

void TWinSkinForm::ReskinFrame() {
  if (FForm && FSkinData) {
    const TColor face = FSkinData->Skin().Colours[kColourButtonFace];
    FForm->SetColor(face);
    for (int i = 0; i < FForm->ComponentCount(); ++i) {
      if (auto* owned = dynamic_cast<TCustomForm*>(FForm->Components(i))) owned->SetColor(face);
    }
  }
  for (const auto& skinner : FControls) {
    if (skinner->State() == scsAttached) skinner->SkinChanged();
  }
  FState = fsReskinning;
  if (FSkinFrame && !FIsChild && IsIconic(FHandle)) {
    const frame::TFrameMetrics before = FMetrics;
    ComputeMetrics();
    ResizeRestored(FMetrics.Left + FMetrics.Right - before.Left - before.Right,
                   FMetrics.Title + FMetrics.Bottom + FMetrics.MenuBar - before.Title - before.Bottom - before.MenuBar,
                   false);
  } else if (FSkinFrame) {
    ComputeMetrics();
    FitWindowToClient(true);
    BuildRegion();
    RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
  SendMessageW(FHandle, kMsgControlNotify, 0, kSkinMagic);
  if (FSkinData && FSkinData->OnAfterSkinForm) FSkinData->OnAfterSkinForm(FForm, FHandle, FClassName);
  FState = fsRunning;
}

void TWinSkinForm::FollowMdiMaximised() {
  if (!MdiChild() || !FSkinFrame || FState != fsRunning) return;
  ReadShowState();
  ComputeMetrics();
  if (manager_.MDIChildMaximised()) {
    RemoveRegion(true);
  } else {
    BuildRegion();
  }
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, 0x37);
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

LRESULT CALLBACK TWinSkinForm::SubclassProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  auto* frame = reinterpret_cast<TWinSkinForm*>(self);
  TMessage message{msg, wParam, lParam, 0};
  ++frame->busy_;
  TFrameProc(*frame).Dispatch(message);
  --frame->busy_;
  return message.Result;
}

}  // namespace varnelta
