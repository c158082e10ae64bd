// The system numbers the frame logic reasons about (window styles, system commands, hit-test
// answers, menu item states), spelled out here so the portable core needs no system headers.
#pragma once

#include <cstdint>

namespace varnelta::frame {

// Window styles.
inline constexpr std::uint32_t kStyleMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kStyleMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kStyleThickFrame = 0x00040000;
inline constexpr std::uint32_t kStyleSysMenu = 0x00080000;
inline constexpr std::uint32_t kStyleCaption = 0x00C00000;  // border and dialog frame together
inline constexpr std::uint32_t kStyleChild = 0x40000000;
inline constexpr std::uint32_t kStylePopup = 0x80000000;
inline constexpr std::uint32_t kStyleDialogModalFrame = 0x80;  // DS_MODALFRAME

// Extended window styles.
inline constexpr std::uint32_t kExStyleDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t kExStyleMdiChild = 0x00000040;
inline constexpr std::uint32_t kExStyleContextHelp = 0x00000400;
inline constexpr std::uint32_t kExStyleLeftScrollBar = 0x00004000;
inline constexpr std::uint32_t kExStyleAppWindow = 0x00040000;

// System commands (the low four bits of the command are the system's own).
inline constexpr std::uint32_t kScSize = 0xF000;
inline constexpr std::uint32_t kScMove = 0xF010;
inline constexpr std::uint32_t kScMinimize = 0xF020;
inline constexpr std::uint32_t kScMaximize = 0xF030;
inline constexpr std::uint32_t kScNextWindow = 0xF040;
inline constexpr std::uint32_t kScPrevWindow = 0xF050;
inline constexpr std::uint32_t kScClose = 0xF060;
inline constexpr std::uint32_t kScKeyMenu = 0xF100;
inline constexpr std::uint32_t kScRestore = 0xF120;
inline constexpr std::uint32_t kScContextHelp = 0xF180;

// Hit-test answers.
inline constexpr int kHtNowhere = 0;
inline constexpr int kHtClient = 1;
inline constexpr int kHtCaption = 2;
inline constexpr int kHtMenu = 5;
inline constexpr int kHtMaxButton = 9;
inline constexpr int kHtBorder = 18;

// Show commands of a window placement.
inline constexpr int kSwShowMinimized = 2;
inline constexpr int kSwShowMaximized = 3;
inline constexpr int kSwMinimize = 6;
inline constexpr int kSwShowMinNoActive = 7;

// WM_SIZE kinds.
inline constexpr std::uintptr_t kSizeRestored = 0;
inline constexpr std::uintptr_t kSizeMinimized = 1;
inline constexpr std::uintptr_t kSizeMaximized = 2;

// Menu item states.
inline constexpr std::uint32_t kMenuStateDisabled = 3;  // grayed and disabled
inline constexpr std::uint32_t kMenuStateChecked = 8;

// Messages the frame posts.
inline constexpr std::uint32_t kMsgClose = 0x0010;
inline constexpr std::uint32_t kMsgSysCommand = 0x0112;
inline constexpr std::uint32_t kMsgCustomButton = 0x3514;    // a custom title button was released
inline constexpr std::uint32_t kMsgCustomVisible = 0x3515;   // is a custom-coded button visible?

// Caption text flags: measuring, and drawing left to right or right to left.
inline constexpr std::uint32_t kCaptionMeasureFlags = 0x0D00;  // CALCRECT | NOCLIP | NOPREFIX
// SINGLELINE | NOPREFIX | END_ELLIPSIS
inline constexpr std::uint32_t kCaptionDrawFlags = 0x8820;
inline constexpr std::uint32_t kCaptionDrawFlagsRtl = 0x28822;  // the same with RIGHT, RTLREADING

}  // namespace varnelta::frame
