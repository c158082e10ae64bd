#include "skin/frame/frame_input.h"

#include <windowsx.h>

#include "skin/data/win32/skin_manage.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/frame/frame_codes.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_menus.h"
#include "skin/frame/frame_painter.h"
#include "skin/frame/mdi_bar.h"
#include "skin/frame/system_popup.h"

namespace varnelta {

namespace {
// The skinned system menu's items carry commands above the range runtime menu items use.
constexpr UINT kSystemItemBase = 0xE000;

// The "MORVANEMENU" glyph of a system menu item: restore 0, maximise 1, minimise 2, close 3.
int SystemGlyph(int tag, bool fixed) {
  if (fixed) {
    switch (tag) {
      case frame::fmRestore: return 0;
      case frame::fmMaximize: return 1;
      case frame::fmMinimize: return 2;
      case frame::fmClose: return 3;
      default: return -1;
    }
  }
  switch (tag) {
    case SC_RESTORE: return 0;
    case SC_MAXIMIZE: return 1;
    case SC_MINIMIZE: return 2;
    case SC_CLOSE: return 3;
    default: return -1;
  }
}

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
}  // namespace

TPoint TFrameInput::ScreenToFrame(POINT screen) const {
  ScreenToClient(frame_.FHandle, &screen);
  return frame::ClientToFrame({screen.x, screen.y}, frame_.FMetrics, frame_.MdiChild() && frame_.Minimised());
}

std::optional<std::size_t> TFrameInput::ObjectAt(LPARAM screenPoint) const {
  return frame_.FObjects.ObjectAt(ScreenToFrame(PointOf(screenPoint)));
}

void TFrameInput::Repaint(const std::vector<std::size_t>& objects) {
  if (objects.empty()) return;
  TFramePainter(frame_).PaintTitleBar(nullptr);
  TMdiBar(frame_).RepaintButtons(objects);  // a maximised MDI child's buttons live in the menu bar
}

void TFrameInput::HitTest(TMessage& message) {
  frame_.CallDefault(message);
  frame::THitFacts facts;
  facts.DefaultAnswer = static_cast<int>(message.Result);
  facts.Point = ScreenToFrame(PointOf(message.LParam));
  facts.Metrics = frame_.FMetrics;
  facts.Dpi = frame_.FDpi;
  facts.MaximizeButton = frame::SnapButtonBounds(frame_.FSysButtons, frame_.FObjects.Objects(), frame_.FBorderIcons);
  message.Result = frame::FrameHitTest(facts);
}

void TFrameInput::MouseMove(TMessage& message) {
  if (!frame_.FActive) {
    message.Result = 0;
    return;
  }
  const frame::TNcEvent event = frame_.FObjects.MoveOver(ObjectAt(message.LParam));
  Repaint(event.Repaint);
  if (event.Consumed) {
    message.Result = 0;
  } else {
    frame_.CallDefault(message);
  }
}

void TFrameInput::ButtonDown(TMessage& message) {
  if (const auto under = ObjectAt(message.LParam)) {
    if (!frame_.FActive) SetForegroundWindow(frame_.FHandle);
    Repaint(frame_.FObjects.MouseDown(*under));
    message.Result = 0;
    return;
  }
  message.WParam = static_cast<WPARAM>(frame::PressHitCode(static_cast<int>(message.WParam), frame_.FShowState, frame_.FActive));
  frame_.CallDefault(message);
}

void TFrameInput::ButtonUp(TMessage& message) {
  const auto under = ObjectAt(message.LParam);
  const frame::TNcEvent event = frame_.FObjects.ReleaseOver(under, frame_.FSysButtons.size());
  Repaint(event.Repaint);
  if (event.Act && under) Act(*under, PointOf(message.LParam));
  if (event.Consumed) {
    message.Result = 0;
  } else {
    frame_.CallDefault(message);
  }
}

void TFrameInput::DoubleClick(TMessage& message) {
  std::optional<int> action;
  if (const auto under = ObjectAt(message.LParam); under && *under < frame_.FSysButtons.size()) {
    action = frame_.FSysButtons[*under].Action;
  }
  const frame::TDoubleClick click = frame::NcDoubleClick(action, frame_.FShowState, frame_.FBorderIcons, frame_.MdiChild());
  switch (click.Kind) {
    case frame::TDoubleClickKind::Nothing: message.Result = 0; return;
    case frame::TDoubleClickKind::CloseWindow:
      frame_.FHoverTimer->SetEnabled(false);
      PostMessageW(frame_.FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
      message.Result = 0;
      return;
    case frame::TDoubleClickKind::Show:
      Apply(click.Show);
      message.Result = 0;
      return;
    case frame::TDoubleClickKind::Default: frame_.CallDefault(message); return;
  }
}

void TFrameInput::RightButtonDown(TMessage& message) {
  if (message.WParam == HTCAPTION && !frame_.MdiChild()) {
    ShowSystemMenu(PointOf(message.LParam));
    message.Result = 0;
    return;
  }
  frame_.CallDefault(message);
}

void TFrameInput::HoverCheck() {
  POINT cursor{};
  GetCursorPos(&cursor);
  Repaint(frame_.FObjects.HoverCheck(ScreenToFrame(cursor), frame_.FMenuTracking));
}

void TFrameInput::Apply(const frame::TShowCommand& show) {
  frame_.FShowState = show.NewState;
  if (show.ClearHot) frame_.FObjects.ClearHot();
  if (show.PutSysMenuStyleBack) frame_.SetSysMenuStyle(false);
  if (show.TellMaximisedChild) frame_.manager_.SetMDIChildMaximised(true);
  PostMessageW(frame_.FHandle, WM_SYSCOMMAND, show.Command, 0);
}

bool TFrameInput::SystemMenuHasClose() const {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  return frame_.FSystemMenu && GetMenuItemInfoW(frame_.FSystemMenu, SC_CLOSE, FALSE, &info);
}

void TFrameInput::Act(std::size_t button, POINT release) {
  if (button >= frame_.FSysButtons.size()) return;
  const TPlatformVersion& version = RecordedVersion();
  frame::TButtonActionFacts facts;
  facts.Action = frame_.FSysButtons[button].Action;
  facts.Enabled = frame_.FObjects.Objects()[button].Enabled;
  facts.CloseAllowed = frame::CloseAllowed(!version.IsNT || version.Major <= 4, SystemMenuHasClose());
  facts.MdiFrame = frame_.FFormKind == frame::fkMdiFrame;
  facts.MdiChild = frame_.MdiChild();
  facts.ShowState = frame_.FShowState;
  facts.ReleasePoint = {release.x, release.y};
  const frame::TButtonAction action = frame::DoButtonAction(facts);
  switch (action.Kind) {
    case frame::TActionKind::Nothing: break;
    case frame::TActionKind::PostSysCommand:
      if (action.StopHoverTimer) frame_.FHoverTimer->SetEnabled(false);
      PostMessageW(frame_.FHandle, WM_SYSCOMMAND, action.Command, 0);
      break;
    case frame::TActionKind::Show: Apply(action.Show); break;
    case frame::TActionKind::OpenSystemMenu: ShowSystemMenu({action.MenuPoint.X, action.MenuPoint.Y}); break;
    case frame::TActionKind::SendToActiveChild: {
      HWND client = FindWindowExW(frame_.FHandle, nullptr, L"MDIClient", nullptr);
      auto child = client ? reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
      if (child) SendMessageW(child, WM_SYSCOMMAND, action.Command, 0);
      break;
    }
    case frame::TActionKind::PostCustom:
      PostMessageW(frame_.FHandle, frame::kMsgCustomButton, static_cast<WPARAM>(action.Action), 0);
      break;
  }
}

void TFrameInput::ShowSystemMenu(POINT screen) {
  const DWORD now = GetTickCount();
  const frame::TSystemMenuOpen open = frame::SystemMenuOpening(now, frame_.FLastSysMenuClick, frame_.FDoubleClickTime,
                                                               frame_.FObjects.Hot().has_value(), false);
  if (open == frame::TSystemMenuOpen::Nothing) return;
  if (open == frame::TSystemMenuOpen::CloseWindow) {
    frame_.FHoverTimer->SetEnabled(false);
    PostMessageW(frame_.FHandle, WM_CLOSE, 0, 0);
    return;
  }
  frame_.manager_.SetMenuKind(kMenuKindSystem);
  frame_.FLastSysMenuClick = now;
  const TPlatformVersion& version = RecordedVersion();
  const bool fixed = frame::UsesFixedSystemMenu(version.IsNT, static_cast<int>(version.Major));
  std::vector<frame::TSystemPopupItem> items;
  if (fixed) {
    items = frame::FixedSystemPopup(frame_.FBorderIcons);
  } else {
    std::vector<frame::TSystemMenuEntry> entries;
    const int count = frame_.FSystemMenu ? GetMenuItemCount(frame_.FSystemMenu) : 0;
    for (int i = 0; i < count; ++i) {
      wchar_t text[80] = {};
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
      info.dwTypeData = text;
      info.cch = static_cast<UINT>(std::size(text));  // characters, not bytes
      if (!GetMenuItemInfoW(frame_.FSystemMenu, static_cast<UINT>(i), TRUE, &info)) continue;
      entries.push_back({std::wstring(text), info.wID, info.fState});
    }
    frame::TPopupWindow window{frame_.FShowState, frame_.FBorderIcons, frame_.FSizeable};
    items = frame::CopiedSystemPopup(entries, window);
  }
  HMENU popup = CreatePopupMenu();
  std::vector<int> glyphs;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const frame::TSystemPopupItem& item = items[i];
    glyphs.push_back(SystemGlyph(item.Tag, fixed));
    if (item.Caption == L"-") {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring text = item.Caption;
    if (!item.ShortCut.empty()) text += L"\t" + item.ShortCut;
    UINT flags = MF_STRING | (item.Enabled ? 0u : static_cast<UINT>(MF_GRAYED)) | (item.Checked ? static_cast<UINT>(MF_CHECKED) : 0u);
    AppendMenuW(popup, flags, kSystemItemBase + i, text.c_str());
  }
  // The items are drawn by the skin (their texts stay readable by command for the measures).
  TFrameMenus::SkinSystemPopup(popup, glyphs);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                                       screen.x, screen.y, 0, frame_.FHandle, nullptr));
  TFrameMenus::ReleaseSystemPopup();
  DestroyMenu(popup);
  frame_.systemMenuShown_ = true;
  if (chosen < kSystemItemBase || chosen - kSystemItemBase >= items.size()) return;
  const frame::TSystemPopupItem& item = items[chosen - kSystemItemBase];
  if (!fixed) {
    PostMessageW(frame_.FHandle, WM_SYSCOMMAND, static_cast<WPARAM>(item.Tag), 0);
    return;
  }
  switch (item.Tag) {
    case frame::fmRestore: Apply(frame::DoRestore()); break;
    case frame::fmMaximize: Apply(frame::ToggleMaximize(frame_.FShowState, frame_.MdiChild())); break;
    case frame::fmMinimize: Apply(frame::DoMinimize(frame_.FShowState)); break;
    case frame::fmClose:
      frame_.FHoverTimer->SetEnabled(false);
      PostMessageW(frame_.FHandle, WM_CLOSE, 0, 0);
      break;
    default: break;
  }
}

void TFrameInput::SysCommand(TMessage& message) {
  const frame::TKeyMenu key = frame::KeyMenuDecision(message.WParam, message.LParam, frame_.FMenuTracking,
                                                     GetCapture() != nullptr);
  switch (key.Kind) {
    case frame::TKeyMenuKind::OpenFirstItem:
      // Without a skinned menu bar there is no item to open; the system's menu mode stays out.
      TFrameMenus(frame_).OpenFirstItem();
      message.Result = 1;
      return;
    case frame::TKeyMenuKind::OpenMenuBarItem:
      if (TFrameMenus(frame_).OpenAccelItem(key.Character)) {
        message.Result = 0;
        return;
      }
      break;
    case frame::TKeyMenuKind::SystemMenu: {
      POINT origin{0, 0};
      ClientToScreen(frame_.FHandle, &origin);
      frame_.systemMenuShown_ = false;
      ShowSystemMenu(origin);
      // Once the skinned menu was shown, the system's own must not follow.
      if (frame_.systemMenuShown_) {
        message.Result = 0;
        return;
      }
      break;
    }
    default: break;
  }
  if (const auto state = frame::ShowStateForCommand(message.WParam)) {
    if (frame_.MdiChild() && *state == frame::ssNormal && frame_.manager_.MDIChildMaximised()) {
      frame_.manager_.SetMDIChildMaximised(false);
    }
    frame_.FShowState = *state;
  }
  frame_.CallDefault(message);
}

void TFrameInput::SysKeyDown(TMessage& message) {
  // Alt+F4 closes even while the system menu style is taken out of the window.
  if (message.WParam == VK_F4 && (message.LParam & (1 << 29)) &&
      !(GetWindowLongPtrW(frame_.FHandle, GWL_STYLE) & WS_SYSMENU)) {
    PostMessageW(frame_.FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
    message.Result = 0;
    return;
  }
  frame_.CallDefault(message);
}

void TFrameInput::Command(TMessage& message) {
  if (const auto command = frame::RepostedSysCommand(message.WParam)) {
    PostMessageW(frame_.FHandle, WM_SYSCOMMAND, *command, 0);
    return;
  }
  frame_.CallDefault(message);
}

}  // namespace varnelta
