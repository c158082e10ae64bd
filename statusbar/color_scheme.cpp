#include "statusbar/color_scheme.h"

namespace varnelta::statusbar {
namespace {

TColorScheme g_scheme = TColorScheme::Default;

std::wstring UpperAscii(const std::wstring& text) {
  std::wstring upper = text;
  for (wchar_t& ch : upper) {
    if (ch >= L'a' && ch <= L'z') ch = static_cast<wchar_t>(ch - L'a' + L'A');
  }
  return upper;
}

}  // namespace

TSchemeColors SchemeColors(TColorScheme scheme) {
  switch (scheme) {
    case TColorScheme::Homestead:
      return {MakeRGB(255, 255, 237), MakeRGB(184, 199, 146), MakeRGB(127, 161, 119)};
    case TColorScheme::Metallic:
      return {MakeRGB(249, 249, 255), MakeRGB(189, 188, 208), MakeRGB(159, 159, 177)};
    case TColorScheme::Default:
    default:
      return {MakeRGB(227, 239, 255), MakeRGB(153, 187, 234), MakeRGB(87, 127, 191)};
  }
}

TColorScheme ColorSchemeFromName(const std::optional<std::wstring>& name) {
  if (!name) return TColorScheme::Default;
  const std::wstring upper = UpperAscii(*name);
  if (upper == L"HOMESTEAD") return TColorScheme::Homestead;
  if (upper == L"METALLIC") return TColorScheme::Metallic;
  return TColorScheme::Default;
}

TColorScheme CurrentColorScheme() { return g_scheme; }

TColorScheme RefreshColorScheme(const ColorNameReader& reader) {
  g_scheme = ColorSchemeFromName(reader ? reader() : std::nullopt);
  return g_scheme;
}

TGradientPair GradientFillColors(TRzGradientColorStyle style, bool stylesActive,
                                 TColorScheme scheme, TColor customStart, TColor customStop,
                                 const ISystemColors& colors) {
  if (style == gcsCustom) {
    return {ColorToRGB(customStart, colors), ColorToRGB(customStop, colors)};
  }
  if (style == gcsMSOffice && stylesActive) {
    const TSchemeColors s = SchemeColors(scheme);
    return {s.GradientStart, s.GradientStop};
  }
  return {ColorToRGB(clWindow, colors), AdjustColor(clBtnFace, -20, colors)};
}

TGradientPair GradientLineColors(TRzGradientColorStyle style, bool stylesActive,
                                 TColorScheme scheme, const ISystemColors& colors) {
  if (style == gcsMSOffice && stylesActive) {
    const TSchemeColors s = SchemeColors(scheme);
    return {s.GradientStart, s.GradientStop};
  }
  return {ColorToRGB(clWindow, colors), AdjustColor(clBtnFace, -40, colors)};
}

}  // namespace varnelta::statusbar
