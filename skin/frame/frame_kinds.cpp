#include "skin/frame/frame_kinds.h"

#include "skin/frame/frame_codes.h"

namespace varnelta::frame {

bool IsDialogClass(std::string_view className) {
  return className == "#32770" || className == "TMessageForm";
}

TBorderKind BorderKindOf(const TWindowFacts& facts) {
  TBorderKind kind = bkSingle;
  if ((facts.Style & kStyleCaption) != kStyleCaption)
    kind = bkNone;
  else if (facts.Style & kStyleThickFrame)
    kind = bkSizeable;
  else if (facts.Style & kStyleDialogModalFrame)
    kind = bkDialog;
  if (facts.ExStyle & kExStyleDlgModalFrame) kind = bkDialog;
  if (IsDialogClass(facts.ClassName)) kind = bkDialog;
  return kind;
}

std::uint8_t BorderIconsOf(const TWindowFacts& facts) {
  std::uint8_t icons = 0;
  if ((facts.Style & kStyleSysMenu) || facts.HasSystemMenu) icons |= kIconSysMenu;
  if (facts.Style & kStyleMinimizeBox) icons |= kIconMinimize;
  if (facts.Style & kStyleMaximizeBox) icons |= kIconMaximize;
  if (facts.ExStyle & kExStyleContextHelp) icons |= kIconHelp;
  // On Windows 2000 the system menu style stays for application windows and unowned top-level
  // windows (the system's own caption buttons then answer the hit test). Later x.0 versions
  // (6.0, 10.0) do not: there the system's invisible buttons would sit under the skin's.
  const bool mdiChild = (facts.ExStyle & kExStyleMdiChild) != 0;
  if (facts.MajorVersion == 5 && facts.MinorVersion == 0 &&
      ((facts.PlatformNt && (facts.ExStyle & kExStyleAppWindow)) || (!facts.HasOwner && !mdiChild)))
    icons |= kIconStyleLeftAlone;
  return icons;
}

TFormKind FormKindOf(const TWindowFacts& facts) {
  if (facts.ExStyle & kExStyleMdiChild) return fkMdiChild;
  return facts.HasMdiClient ? fkMdiFrame : fkOrdinary;
}

TShowState ReadShowState(int showCommand) {
  switch (showCommand) {
    case kSwShowMinimized:
    case kSwMinimize:
    case kSwShowMinNoActive:
      return ssMinimized;
    case kSwShowMaximized:
      return ssMaximized;
    default:
      return ssNormal;
  }
}

TShowState ShowStateFromSize(std::uintptr_t sizeKind, TShowState current) {
  switch (sizeKind) {
    case kSizeRestored:
      return ssNormal;
    case kSizeMinimized:
      return ssMinimized;
    case kSizeMaximized:
      return ssMaximized;
    default:
      return current;
  }
}

}  // namespace varnelta::frame
