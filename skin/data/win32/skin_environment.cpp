#include "skin/data/win32/skin_environment.h"

#include <windows.h>

#include "runtime/application.h"
#include "runtime/dib_section.h"
#include "runtime/win_handles.h"
#include "skin/data/win32/skin_platform.h"

namespace varnelta {

bool TSystemSkinEnvironment::ScrollBarInfoAvailable() const { return SkinPlatform().HasScrollBarInfo(); }

TCaptionFont TSystemSkinEnvironment::CaptionFont() const { return SystemCaptionFont(); }

TPoint TSystemSkinEnvironment::MaximisedSize() const {
  return {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

int TSystemSkinEnvironment::SmallIconSize() const { return GetSystemMetrics(SM_CXSMICON); }

bool TSystemSkinEnvironment::DrawApplicationIcon(TBitmap& target) const {
  if (target.Empty()) return false;
  HWND application = Application().Handle();
  auto icon = reinterpret_cast<HICON>(SendMessageW(application, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(application, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = Application().SmallIcon();
  if (!icon) return false;
  // A copy at the target's size, drawn over the target's pixels, then destroyed.
  TIconHandle copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, target.Width(), target.Height(), 0)));
  if (!copy.Get()) return false;
  TDibSection section(target);
  TMemoryDC dc;
  if (section.Empty() || !dc) return false;
  TSelectObject select(dc.Get(), section.Handle());
  DrawIconEx(dc.Get(), 0, 0, copy.Get(), target.Width(), target.Height(), 0, nullptr, DI_NORMAL);
  target = section.ToBitmap();
  return true;
}

void TSystemSkinEnvironment::ShowMessage(const std::string& text) const {
  MessageBoxA(nullptr, text.c_str(), "", MB_OK);
}

}  // namespace varnelta
