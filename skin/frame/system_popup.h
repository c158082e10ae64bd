// The items of the skinned system menu: a fixed menu on old NT systems, otherwise one item per
// item of the window's system menu with its picture and enabled state decided by its command.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/frame/frame_kinds.h"

namespace varnelta::frame {

// Tags of the fixed menu.
enum TFixedMenuTag : int {
  fmRestore = 0,
  fmMaximize = 1,
  fmMinimize = 2,
  fmClose = 3,
  fmSeparator = 100,
};

struct TSystemPopupItem {
  std::wstring Caption;
  std::wstring ShortCut;
  int Tag = 0;  // the fixed menu's tag, or the system command of a copied item
  int ImageIndex = -1;
  bool Enabled = true;
  bool Checked = false;
  friend bool operator==(const TSystemPopupItem&, const TSystemPopupItem&) = default;
};

// An item of the window's system menu as GetMenuItemInfo reads it.
struct TSystemMenuEntry {
  std::wstring Text;  // empty for a separator
  std::uint32_t Id = 0;
  std::uint32_t State = 0;
};

struct TPopupWindow {
  TShowState ShowState = ssNormal;
  std::uint8_t BorderIcons = 0;
  bool Sizeable = false;
};

// The system keeps a fixed menu on NT before version 5.
bool UsesFixedSystemMenu(bool platformNt, int majorVersion);

std::vector<TSystemPopupItem> FixedSystemPopup(std::uint8_t borderIcons);
std::vector<TSystemPopupItem> CopiedSystemPopup(std::span<const TSystemMenuEntry> entries,
                                                const TPopupWindow& window);

}  // namespace varnelta::frame
