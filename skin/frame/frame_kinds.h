// What kind of frame a window gets, read from facts about the window: its border kind, which
// title icons it has, whether it takes part in MDI, and whether it is minimised or maximised.
#pragma once

#include <cstdint>
#include <string_view>

namespace varnelta::frame {

// FBorderKind values.
enum TBorderKind : int { bkSizeable = 0, bkSingle = 1, bkNone = 2, bkDialog = 3 };

// FBorderIcons bits.
inline constexpr std::uint8_t kIconMaximize = 0x01;
inline constexpr std::uint8_t kIconMinimize = 0x02;
inline constexpr std::uint8_t kIconHelp = 0x04;
inline constexpr std::uint8_t kIconSysMenu = 0x08;
inline constexpr std::uint8_t kIconStyleLeftAlone = 0x10;  // WS_SYSMENU is never taken out

// FFormKind values.
enum TFormKind : int { fkOrdinary = 0, fkMdiFrame = 1, fkMdiChild = 2 };

// FShowState values.
enum TShowState : int { ssNormal = 0, ssMaximized = 1, ssMinimized = 2 };

struct TWindowFacts {
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
  std::string_view ClassName;      // as GetClassNameA gives it
  bool HasSystemMenu = false;      // the system menu handle is set
  bool HasOwner = false;
  bool HasMdiClient = false;       // a child of class "MDIClient"
  bool PlatformNt = true;
  int MajorVersion = 6;
  int MinorVersion = 1;
};

// The class is a system dialog or the runtime's message box.
bool IsDialogClass(std::string_view className);
TBorderKind BorderKindOf(const TWindowFacts& facts);
std::uint8_t BorderIconsOf(const TWindowFacts& facts);
TFormKind FormKindOf(const TWindowFacts& facts);

// From the show command of the window's placement.
TShowState ReadShowState(int showCommand);
// From a WM_SIZE kind; kinds that are not a show state leave `current`.
TShowState ShowStateFromSize(std::uintptr_t sizeKind, TShowState current);

}  // namespace varnelta::frame
