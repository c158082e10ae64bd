#include "skin/frame/frame_commands.h"

#include "skin/frame/frame_codes.h"

namespace varnelta::frame {

TShowCommand DoRestore() { return {ssNormal, kScRestore, false, false, false}; }

TShowCommand ToggleMaximize(TShowState state, bool mdiChild) {
  if (state == ssMaximized) return DoRestore();
  return {ssMaximized, kScMaximize, true, false, mdiChild};
}

TShowCommand DoMinimize(TShowState state) {
  if (state == ssMinimized) return DoRestore();
  return {ssMinimized, kScMinimize, false, true, false};
}

bool CloseAllowed(bool systemWithoutMenuQuery, bool systemMenuHasClose) {
  return systemWithoutMenuQuery || systemMenuHasClose;
}

TButtonAction DoButtonAction(const TButtonActionFacts& f) {
  TButtonAction a;
  a.Action = f.Action;
  const auto toChild = [&](std::uint32_t command) {
    if (!f.MdiFrame) return;
    a.Kind = TActionKind::SendToActiveChild;
    a.Command = command;
  };
  switch (RoleOf(f.Action)) {
    case TButtonRole::Close:
      if (f.CloseAllowed) {
        a.Kind = TActionKind::PostSysCommand;
        a.Command = kScClose;
        a.StopHoverTimer = true;
      }
      break;
    case TButtonRole::Maximize:
      if (f.Enabled) {
        a.Kind = TActionKind::Show;
        a.Show = ToggleMaximize(f.ShowState, f.MdiChild);
        a.Command = a.Show.Command;
      }
      break;
    case TButtonRole::Minimize:
      if (f.Enabled) {
        a.Kind = TActionKind::Show;
        a.Show = DoMinimize(f.ShowState);
        a.Command = a.Show.Command;
      }
      break;
    case TButtonRole::SystemMenu:
      a.Kind = TActionKind::OpenSystemMenu;
      a.MenuPoint = {f.ReleasePoint.X + 1, f.ReleasePoint.Y + 1};
      break;
    case TButtonRole::Help:
      a.Kind = TActionKind::PostSysCommand;
      a.Command = kScContextHelp;
      break;
    case TButtonRole::ChildMinimize:
      toChild(kScMinimize);
      break;
    case TButtonRole::ChildRestore:
      toChild(kScRestore);
      break;
    case TButtonRole::ChildClose:
      toChild(kScClose);
      break;
    case TButtonRole::Custom:
      a.Kind = TActionKind::PostCustom;
      break;
  }
  return a;
}

TDoubleClick NcDoubleClick(std::optional<int> button, TShowState state, std::uint8_t borderIcons,
                           bool mdiChild) {
  if (button)
    return {ShowsWindowIcon(*button) ? TDoubleClickKind::CloseWindow : TDoubleClickKind::Nothing,
            {}};
  if (state != ssNormal) return {TDoubleClickKind::Show, DoRestore()};
  if (borderIcons & kIconMaximize) return {TDoubleClickKind::Show, ToggleMaximize(state, mdiChild)};
  return {};
}

int PressHitCode(int hitCode, TShowState state, bool active) {
  return hitCode == kHtCaption && state == ssMaximized && active ? kHtMenu : hitCode;
}

TSystemMenuOpen SystemMenuOpening(std::uint32_t now, std::optional<std::uint32_t> lastOpening,
                                  int doubleClickTime, bool hasHot, bool managerBusy) {
  if (managerBusy) return TSystemMenuOpen::Nothing;
  if (doubleClickTime >= 0 && lastOpening &&
      now - *lastOpening <= static_cast<std::uint32_t>(doubleClickTime))
    return hasHot ? TSystemMenuOpen::CloseWindow : TSystemMenuOpen::Nothing;
  return TSystemMenuOpen::Open;
}

TKeyMenu KeyMenuDecision(std::uintptr_t wParam, std::intptr_t lParam, bool menuTracking,
                         bool mouseCaptured) {
  if (menuTracking || (wParam & 0xFFF0) != kScKeyMenu) return {};
  const auto character = static_cast<wchar_t>(lParam & 0xFFFF);
  if (character == L' ') return {TKeyMenuKind::SystemMenu, character};
  if (character == L'-' || mouseCaptured) return {TKeyMenuKind::GoOn, character};
  if (character == 0) return {TKeyMenuKind::OpenFirstItem, character};
  return {TKeyMenuKind::OpenMenuBarItem, character};
}

std::optional<TShowState> ShowStateForCommand(std::uintptr_t wParam) {
  switch (wParam & 0xFFF0) {
    case kScMinimize:
      return ssMinimized;
    case kScMaximize:
      return ssMaximized;
    case kScRestore:
      return ssNormal;
    default:
      return std::nullopt;
  }
}

std::optional<std::uint32_t> RepostedSysCommand(std::uintptr_t wParam) {
  const auto command = static_cast<std::uint32_t>(wParam & 0xFFFF);
  switch (command) {
    case kScSize:
    case kScMove:
    case kScMinimize:
    case kScMaximize:
    case kScNextWindow:
    case kScPrevWindow:
    case kScClose:
    case kScRestore:
      return command;
    default:
      return std::nullopt;
  }
}

}  // namespace varnelta::frame
