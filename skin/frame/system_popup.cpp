#include "skin/frame/system_popup.h"

#include "skin/frame/frame_codes.h"

namespace varnelta::frame {

bool UsesFixedSystemMenu(bool platformNt, int majorVersion) {
  return platformNt && majorVersion < 5;
}

std::vector<TSystemPopupItem> FixedSystemPopup(std::uint8_t borderIcons) {
  std::vector<TSystemPopupItem> items;
  const auto add = [&](const wchar_t* caption, int tag, const wchar_t* shortCut = L"") {
    TSystemPopupItem item;
    item.Caption = caption;
    item.ShortCut = shortCut;
    item.Tag = tag;
    // The pictures are indexed by tag; a separator has none.
    item.ImageIndex = tag == fmSeparator ? -1 : tag;
    items.push_back(std::move(item));
  };
  add(L" Restore ", fmRestore);
  if (borderIcons & kIconMaximize) add(L" Maximize ", fmMaximize);
  if (borderIcons & kIconMinimize) add(L" Minimize ", fmMinimize);
  add(L"-", fmSeparator);
  add(L" Close ", fmClose, L"ALT+F4");
  return items;
}

std::vector<TSystemPopupItem> CopiedSystemPopup(std::span<const TSystemMenuEntry> entries,
                                                const TPopupWindow& w) {
  const bool normal = w.ShowState == ssNormal;
  const bool maximised = w.ShowState == ssMaximized;
  const bool minimised = w.ShowState == ssMinimized;
  std::vector<TSystemPopupItem> items;
  items.reserve(entries.size());
  for (const TSystemMenuEntry& e : entries) {
    TSystemPopupItem item;
    item.Caption = e.Text.empty() ? std::wstring(L"-") : e.Text;
    item.Tag = static_cast<int>(e.Id);
    switch (e.Id) {
      case kScSize:
        // Sizing only makes sense for a sizeable window in its normal state.
        item.Enabled = w.Sizeable && normal;
        break;
      case kScMove:
        item.Enabled = !maximised;
        break;
      case kScMinimize:
        item.ImageIndex = 2;
        item.Enabled = !minimised && (w.BorderIcons & kIconMinimize);
        break;
      case kScMaximize:
        item.ImageIndex = 1;
        item.Enabled = !maximised && (w.BorderIcons & kIconMaximize);
        break;
      case kScClose:
        item.ImageIndex = 3;
        break;
      case kScRestore:
        item.ImageIndex = 0;
        item.Enabled = !normal;
        break;
      default:
        break;
    }
    if (e.State == kMenuStateDisabled) item.Enabled = false;
    item.Checked = (e.State & kMenuStateChecked) != 0;
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace varnelta::frame
