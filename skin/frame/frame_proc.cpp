#include "skin/frame/frame_proc.h"

#include <commctrl.h>

#include "runtime/application.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/frame_input.h"
#include "skin/frame/frame_menus.h"
#include "skin/frame/frame_painter.h"
#include "skin/frame/frame_pieces.h"

namespace varnelta {

namespace {
// The runtime's control messages the frame reads.
constexpr UINT kCmDialogChar = 0xB006;
constexpr UINT kCmMenuChanged = 0xB031;
// The window moved to a screen of another DPI (WM_DPICHANGED).
constexpr UINT kDpiChanged = 0x02E0;
// Alt is held for a character of key data `keyData` (its context bit, or the key state), and
// neither Ctrl nor Shift is.
bool OnlyAltHeld(LPARAM keyData) {
  const bool alt = (keyData & (LPARAM{1} << 29)) != 0 || GetKeyState(VK_MENU) < 0;
  return alt && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
}
}  // namespace

void TFrameProc::DialogChar(TMessage& message) {
  f_.FOldFormWndProc(message);
  if (message.Result != 0) return;
  // Alt plus a character opens the bar item with that accelerator.
  if (OnlyAltHeld(message.LParam) && TFrameMenus(f_).OpenAccelItem(static_cast<wchar_t>(message.WParam))) {
    message.Result = 1;
    return;
  }
  // Otherwise the form that shows the menus may know the key: an MDI child's frame window,
  // or the application's main form for any other form.
  TCustomForm* next = nullptr;
  if (f_.MdiChild()) {
    const HWND client = GetParent(f_.FHandle);
    next = dynamic_cast<TCustomForm*>(FindControl(client ? GetParent(client) : nullptr));
  } else if (Application().MainForm() != f_.FForm) {
    next = Application().MainForm();
  }
  if (next && next != f_.FForm && next->HandleAllocated()) {
    message.Result = next->Perform(kCmDialogChar, message.WParam, message.LParam);
  }
}

void TFrameProc::FormHook(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      if (IsWindowVisible(f_.FHandle) && f_.FState == fsRunning) {
        // The default handling draws the system's caption at once: keep the window invisible
        // to it, then draw the skinned one.
        const LONG_PTR style = GetWindowLongPtrW(f_.FHandle, GWL_STYLE);
        SetWindowLongPtrW(f_.FHandle, GWL_STYLE, style & ~WS_VISIBLE);
        f_.FOldFormWndProc(message);
        SetWindowLongPtrW(f_.FHandle, GWL_STYLE, GetWindowLongPtrW(f_.FHandle, GWL_STYLE) | WS_VISIBLE);
        // A maximised MDI child's caption shows in its frame window's title.
        if (f_.Maximised() && f_.manager_.MDIClient()) {
          PostMessageW(f_.manager_.MDIClient(), kMsgMDIChildMaximised, reinterpret_cast<WPARAM>(f_.FHandle), 0);
        }
        if (f_.Minimised()) {
          f_.PaintFrame();
        } else {
          SetWindowPos(f_.FHandle, nullptr, 0, 0, 0, 0, 0x37);
        }
        return;
      }
      f_.FOldFormWndProc(message);
      return;
    case kMsgReloadSkin: f_.ReskinFrame(); return;
    case kMsgPaintSkinnedFrame:
      if (message.LParam == kSkinMagic) {
        if (message.WParam) f_.PaintFrame(reinterpret_cast<HDC>(message.WParam));
        message.Result = kSkinMagic;
        return;
      }
      break;
    case kMsgIsSkinnedForm: message.Result = message.LParam == kSkinMagic ? kSkinMagic : 1; return;
    case kCmDialogChar: DialogChar(message); return;
    default: break;
  }
  f_.FOldFormWndProc(message);
}

void TFrameProc::SizeChanged(TMessage& message) {
  f_.CallDefault(message);
  f_.FShowState = frame::ShowStateFromSize(message.WParam, f_.FShowState);
  if (f_.Minimised()) return;
  if (f_.MdiChild() && !(f_.FShowState == frame::ssNormal && !f_.manager_.MDIChildMaximised())) return;
  if (f_.FState == fsRunning || f_.FState == fsReskinning) f_.BuildRegion();
}

void TFrameProc::NcCalcSize(TMessage& message) {
  f_.CallDefault(message);
  if (!message.WParam) {
    message.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
  if ((f_.MdiChild() && (f_.Maximised() || f_.Minimised())) || f_.FBorderKind == frame::bkNone) {
    params->rgrc[1] = params->rgrc[0];
    message.Result = WVR_VALIDRECTS;
    return;
  }
  const WINDOWPOS* pos = params->lppos;
  const TRect window = pos ? TRect{pos->x, pos->y, pos->x + pos->cx, pos->y + pos->cy}
                           : TRect{params->rgrc[0].left, params->rgrc[0].top, params->rgrc[0].right,
                                   params->rgrc[0].bottom};
  const TRect client = frame::NcCalcClientRect(window, f_.FMetrics);
  params->rgrc[0] = {client.Left, client.Top, client.Right, client.Bottom};
  params->rgrc[1] = params->rgrc[0];
  message.Result = WVR_VALIDRECTS;
}

void TFrameProc::NcActivate(TMessage& message) {
  f_.FActive = LOBYTE(message.WParam) != 0;
  if (f_.FHoverTimer) f_.FHoverTimer->SetEnabled(f_.FActive);
  if (f_.FMdiClient) SendMessageW(f_.FMdiClient->Client(), WM_NCACTIVATE, message.WParam, 0);
  if (f_.MdiChild()) f_.CallDefault(message);
  if (!(f_.MdiChild() && f_.Maximised())) f_.PaintFrame();
  message.Result = 1;
}

void TFrameProc::Dispatch(TMessage& message) {
  // Stage 1: always.
  switch (message.Msg) {
    case WM_NCPAINT:
      if (f_.FState == fsAttached) {
        message.Result = 0;
        return;
      }
      break;
    case WM_NCACTIVATE:
      if (f_.FState == fsAttached && !f_.MdiChild()) {
        message.Result = 0;
        return;
      }
      break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      f_.CallDefault(message);
      if (!f_.FForm) {
        SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
        if (message.Msg == WM_CTLCOLORSTATIC) message.Result = reinterpret_cast<LRESULT>(TFramePainter(f_).FaceBrush());
      }
      return;
    case WM_ERASEBKGND:
      if (!f_.FForm && f_.FSkinData) {
        RECT client{};
        GetClientRect(f_.FHandle, &client);
        FillRect(reinterpret_cast<HDC>(message.WParam), &client, TFramePainter(f_).FaceBrush());
        message.Result = 1;
        return;
      }
      f_.CallDefault(message);
      return;
    case WM_NCDESTROY:
      f_.FState = fsDestroying;
      f_.DetachFrame(false);
      message.Result = DefSubclassProc(f_.FHandle, message.Msg, message.WParam, message.LParam);
      f_.FState = fsWindowDestroyed;
      return;
    case 0x00AE:  // the system's own caption painting of newer systems
    case 0x00AF:
      if (f_.FSkinFrame) {
        message.Result = 0;
        return;
      }
      break;
    case WM_INITMENUPOPUP:
      f_.manager_.SetMenuKind(reinterpret_cast<HMENU>(message.WParam) == f_.FSystemMenu ? kMenuKindSystem : kMenuKindBar);
      f_.CallDefault(message);
      return;
    case kMsgStartSkin: f_.ActivateFrame(); return;
    case kMsgIsSkinned:
      message.Result = 1;
      PostMessageW(f_.FHandle, kMsgControlNotify, 0, kSkinMagic);
      return;
    case kMsgRepaintFrame:
      if (f_.FSkinFrame) {
        f_.PaintFrame();
        return;
      }
      break;
    case kMsgReloadSkin:
      if (!f_.FForm) {
        f_.ReskinFrame();
        return;
      }
      break;
    case kMsgReskinControl: f_.ReskinControl(); return;
    default: break;
  }
  if (!f_.FSkinFrame) {
    f_.CallDefault(message);
    return;
  }
  // Stage 2: the frame's own messages of a top-level window.
  if (!f_.MdiChild() && f_.FIsChild) {
    f_.CallDefault(message);
    return;
  }
  if (Stage2(message)) return;
  // Stage 3: only once started, and not for a maximised MDI child.
  if (f_.FState == fsAttached || (f_.MdiChild() && f_.Maximised())) {
    f_.CallDefault(message);
    return;
  }
  Stage3(message);
}

bool TFrameProc::Stage2(TMessage& message) {
  TFrameInput input(f_);
  switch (message.Msg) {
    case WM_COMMAND: input.Command(message); return true;
    case WM_WINDOWPOSCHANGED:
      f_.ReadShowState();
      f_.CallDefault(message);
      return true;
    case WM_SIZE: SizeChanged(message); return false;
    case WM_ACTIVATE:
      f_.FActive = LOWORD(message.WParam) != WA_INACTIVE;
      return false;
    case WM_GETMINMAXINFO:
      f_.CallDefault(message);
      f_.ReadShowState();
      return true;
    case WM_SETICON:
      f_.CallDefault(message);
      f_.ReloadIcon();
      return true;
    case WM_SYSCOMMAND: input.SysCommand(message); return true;
    case WM_SYSKEYDOWN: input.SysKeyDown(message); return true;
    case kDpiChanged:
      f_.CallDefault(message);
      f_.FDpi = HIWORD(message.WParam);
      f_.ComputeMetrics();
      f_.FRegionSize = {};
      f_.FitWindowToClient(true);
      f_.BuildRegion();
      return true;
    case kCmMenuChanged:
      if (f_.FSkinData) f_.FSkinData->SetNCPaintEnabled(false);
      f_.CallDefault(message);
      if (f_.FSkinData) f_.FSkinData->SetNCPaintEnabled(true);
      TFrameMenus(f_).MenuChanged();
      return true;
    default: return false;
  }
}

void TFrameProc::Stage3(TMessage& message) {
  if (TFrameMenus(f_).Message(message)) return;
  TFrameInput input(f_);
  switch (message.Msg) {
    case WM_NCACTIVATE: NcActivate(message); return;
    case WM_SIZE: f_.BuildRegion(); return;  // already passed on in stage 2
    case WM_NCCALCSIZE: NcCalcSize(message); return;
    case WM_NCHITTEST: input.HitTest(message); return;
    case WM_NCMOUSEMOVE: input.MouseMove(message); return;
    case WM_NCLBUTTONDOWN: input.ButtonDown(message); return;
    case WM_NCLBUTTONUP: input.ButtonUp(message); return;
    case WM_NCLBUTTONDBLCLK: input.DoubleClick(message); return;
    case WM_NCRBUTTONDOWN: input.RightButtonDown(message); return;
    case WM_NCPAINT:
      f_.SetSysMenuStyle(true);
      if (!f_.FSkinData || f_.FSkinData->NCPaintEnabled()) {
        if ((f_.MdiChild() && f_.Maximised()) || f_.FBorderKind == frame::bkNone) {
          f_.CallDefault(message);
          return;
        }
        f_.PaintFrame();
      }
      message.Result = 0;
      return;
    default: f_.CallDefault(message); return;
  }
}

}  // namespace varnelta
