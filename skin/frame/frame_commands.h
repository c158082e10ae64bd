// The decisions of the non-client mouse, the title buttons and the system commands, as plain
// answers: which command to post, whether to open the system menu and where, which show state
// follows. The window side carries them out.
#pragma once

#include <cstdint>
#include <optional>

#include "runtime/types.h"
#include "skin/frame/frame_kinds.h"
#include "skin/frame/sys_buttons.h"

namespace varnelta::frame {

// A change of show state and the system command that carries it out (posted to the window).
struct TShowCommand {
  TShowState NewState = ssNormal;
  std::uint32_t Command = 0;      // SC_RESTORE, SC_MAXIMIZE or SC_MINIMIZE
  bool ClearHot = false;          // maximising forgets the hot object
  bool PutSysMenuStyleBack = false;  // minimising shows the system's menu style again
  bool TellMaximisedChild = false;   // an MDI child tells the skin manager it is maximised
};
TShowCommand DoRestore();
TShowCommand ToggleMaximize(TShowState state, bool mdiChild);
TShowCommand DoMinimize(TShowState state);

enum class TActionKind {
  Nothing,
  PostSysCommand,     // WM_SYSCOMMAND Command to the window (close: the hover timer stops first)
  Show,               // the Show command
  OpenSystemMenu,     // at MenuPoint (screen)
  SendToActiveChild,  // WM_SYSCOMMAND Command sent to the active MDI child
  PostCustom,         // message 0x3514, wParam = Action
};
struct TButtonAction {
  TActionKind Kind = TActionKind::Nothing;
  std::uint32_t Command = 0;
  bool StopHoverTimer = false;
  TShowCommand Show;
  TPoint MenuPoint;
  int Action = 0;
};
struct TButtonActionFacts {
  int Action = 0;
  bool Enabled = true;
  // The close button works on systems whose menus cannot be asked (NT 4 and earlier, 95/98/Me)
  // and otherwise only when the system menu has an SC_CLOSE item.
  bool CloseAllowed = true;
  bool MdiFrame = false;
  bool MdiChild = false;
  TShowState ShowState = ssNormal;
  TPoint ReleasePoint;  // screen coordinates
};
TButtonAction DoButtonAction(const TButtonActionFacts& facts);
bool CloseAllowed(bool systemWithoutMenuQuery, bool systemMenuHasClose);

// A double click in the non-client area.
enum class TDoubleClickKind { Default, Nothing, CloseWindow, Show };
struct TDoubleClick {
  TDoubleClickKind Kind = TDoubleClickKind::Default;
  TShowCommand Show;
};
// `button` is the Action of the button under the point, if any.
TDoubleClick NcDoubleClick(std::optional<int> button, TShowState state, std::uint8_t borderIcons,
                           bool mdiChild);

// A left press with no object under it: a maximised active window is not dragged by its caption.
int PressHitCode(int hitCode, TShowState state, bool active);

// Opening the skinned system menu: a second opening within the double-click time of the last
// one closes the window when an object is hot, and does nothing otherwise. Tick differences
// are unsigned (they survive the counter wrapping); a negative double-click time always opens.
enum class TSystemMenuOpen { Nothing, CloseWindow, Open };
TSystemMenuOpen SystemMenuOpening(std::uint32_t now, std::optional<std::uint32_t> lastOpening,
                                  int doubleClickTime, bool hasHot, bool managerBusy);

// WM_SYSCOMMAND SC_KEYMENU (Alt, F10, Alt+letter, Alt+Space).
enum class TKeyMenuKind {
  NotKeyMenu,       // another command, or a menu bar drop-down is tracked
  OpenMenuBarItem,  // the item whose accelerator is Character; the message goes on when none
  OpenFirstItem,    // Alt alone or F10: result 1
  SystemMenu,       // Alt+Space: the skinned system menu at the client's top left corner;
                    // once it was shown the message ends, or the system's menu would follow
  GoOn,             // the default procedure
};
struct TKeyMenu {
  TKeyMenuKind Kind = TKeyMenuKind::NotKeyMenu;
  wchar_t Character = 0;
};
TKeyMenu KeyMenuDecision(std::uintptr_t wParam, std::intptr_t lParam, bool menuTracking,
                         bool mouseCaptured);
// The show state a system command leaves, for the commands that change it.
std::optional<TShowState> ShowStateForCommand(std::uintptr_t wParam);
// A WM_COMMAND carrying a window command is posted again as WM_SYSCOMMAND with it.
std::optional<std::uint32_t> RepostedSysCommand(std::uintptr_t wParam);

}  // namespace varnelta::frame
