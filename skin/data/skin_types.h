// The skin component's switch types and the private messages the skin engine shares between
// its manager, frame skinners and control skinners. Sets are bit sets in member order.
#pragma once

#include <cstdint>

#include "runtime/property.h"

namespace varnelta {

// Which kinds of control are skinned (stored in 3 bytes).
enum TSkinControlType : int {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox,
  xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin,
  xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport,
};
inline constexpr int kSkinControlTypeCount = 22;
using TSkinControlTypes = std::uint32_t;

// Behaviour switches (stored in 2 bytes).
enum TSkinOption : int {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect,
  xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoFormScrollbar,
};
inline constexpr int kSkinOptionCount = 11;
using TSkinOptions = std::uint32_t;

// The scope of one skin component.
enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

extern const TEnumType SkinControlTypeType;
extern const TEnumType SkinOptionType;
extern const TEnumType SkinFormTypeType;

constexpr std::uint32_t SkinBit(int member) { return std::uint32_t{1} << member; }
constexpr bool InSet(std::uint32_t set, int member) { return (set & SkinBit(member)) != 0; }

inline constexpr TSkinControlTypes kAllSkinControlTypes = (std::uint32_t{1} << kSkinControlTypeCount) - 1;
// Every kind but xcMenuItem and xcFastReport.
inline constexpr TSkinControlTypes kDefaultSkinControls =
    kAllSkinControlTypes & ~SkinBit(xcMenuItem) & ~SkinBit(xcFastReport);
inline constexpr TSkinOptions kDefaultSkinOptions = SkinBit(xoPreview) | SkinBit(xoToolbarBK);

// A control whose Tag is 99 by default, and a form whose Tag is 99 always, stays unskinned.
inline constexpr std::int32_t kDefaultDisableTag = 99;
inline constexpr std::int32_t kNeverSkinFormTag = 99;

// Private window messages of the skin engine.
inline constexpr std::uint32_t kMsgReloadSkin = 0x3401;        // the skin changed: reload it
inline constexpr std::uint32_t kMsgRepaintFrame = 0x3502;      // repaint the skinned frame
inline constexpr std::uint32_t kMsgStartSkin = 0x3503;         // posted: the frame skinner starts
inline constexpr std::intptr_t kStartSkinLParam = 1000;
inline constexpr std::uint32_t kMsgSkinControlSwitch = 0x3506; // wParam 0 off, above 0 on
inline constexpr std::uint32_t kMsgMayCloseTab = 0x3507;
inline constexpr std::uint32_t kMsgTitleButtonUp = 0x3514;
inline constexpr std::uint32_t kMsgIsTitleButtonShown = 0x3515;
inline constexpr std::uint32_t kMsgMDIChildMaximised = 0x3516;
inline constexpr std::uint32_t kMsgReskinControl = 0x3517;
inline constexpr std::uint32_t kMsgMenuBarClick = 0x3518;
inline constexpr std::uint32_t kMsgIsSkinned = 0x3523;         // every skinner answers 1
inline constexpr std::uint32_t kMsgPaintEditContent = 0xBC4A;
inline constexpr std::uint32_t kMsgPaintSkinnedFrame = 0xBC4B;
inline constexpr std::uint32_t kMsgIsSkinnedForm = 0xBC4D;
inline constexpr std::uint32_t kMsgControlNotify = 0xBC4E;     // the control-notify number
inline constexpr std::intptr_t kSkinMagic = 0x41A2;

}  // namespace varnelta
