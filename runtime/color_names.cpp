#include "runtime/color_names.h"

#include "runtime/property.h"
#include "runtime/types.h"

namespace varnelta {

namespace {
struct Entry {
  const char* Name;
  TColor Value;
};
constexpr Entry kColors[] = {
    {"clBlack", 0x000000},        {"clMaroon", 0x000080},       {"clGreen", 0x008000},
    {"clOlive", 0x008080},        {"clNavy", 0x800000},         {"clPurple", 0x800080},
    {"clTeal", 0x808000},         {"clGray", 0x808080},         {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},          {"clLime", 0x00FF00},         {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},         {"clFuchsia", 0xFF00FF},      {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},        {"clNone", clNone},           {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clSystemColor | 1},
    {"clActiveCaption", clSystemColor | 2}, {"clInactiveCaption", clSystemColor | 3},
    {"clMenu", clSystemColor | 4}, {"clWindow", clWindow},      {"clWindowFrame", clSystemColor | 6},
    {"clMenuText", clSystemColor | 7}, {"clWindowText", clWindowText}, {"clCaptionText", clSystemColor | 9},
    {"clActiveBorder", clSystemColor | 10}, {"clInactiveBorder", clSystemColor | 11},
    {"clAppWorkSpace", clSystemColor | 12}, {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},     {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},     {"clInactiveCaptionText", clSystemColor | 19},
    {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", clSystemColor | 21}, {"cl3DLight", clSystemColor | 22},
    {"clInfoText", clInfoText},   {"clInfoBk", clInfoBk},
};
}  // namespace

TPropInfo ColorProperty(TPropInfo p) {
  p.IdentToInt = IdentToColor;
  p.IntToIdent = ColorToIdent;
  return p;
}

std::optional<std::int64_t> IdentToColor(std::string_view name) {
  for (const Entry& e : kColors) {
    if (SameIdentifier(e.Name, name)) return static_cast<std::int64_t>(e.Value);
  }
  return std::nullopt;
}

std::string ColorToIdent(std::int64_t color) {
  for (const Entry& e : kColors) {
    if (static_cast<std::int64_t>(e.Value) == color) return e.Name;
  }
  return {};
}

}  // namespace varnelta
