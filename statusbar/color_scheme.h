// The colour scheme of the visual style (default, "HOMESTEAD" or "METALLIC"), one value for
// the whole process, and the gradient colours the status bar derives from it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "statusbar/colors.h"

namespace varnelta::statusbar {

enum class TColorScheme : int { Default = 0, Homestead = 1, Metallic = 2 };

struct TSchemeColors {
  TColorRef GradientStart;
  TColorRef GradientStop;
  TColorRef Frame;
};
TSchemeColors SchemeColors(TColorScheme scheme);

// What the theme manager's ColorName value holds. Reading it yields no name when the value
// is absent, not a string or longer than the reader accepts; all of those mean the default.
using ColorNameReader = std::function<std::optional<std::wstring>()>;

// The scheme for a ColorName value, compared in upper case.
TColorScheme ColorSchemeFromName(const std::optional<std::wstring>& name);

// The process-wide value: read once at start and again whenever a panel sees the system's
// theme-changed message. Until the first read it is the default scheme.
TColorScheme CurrentColorScheme();
TColorScheme RefreshColorScheme(const ColorNameReader& reader);

enum TRzGradientColorStyle : int { gcsSystem, gcsMSOffice, gcsCustom };

struct TGradientPair {
  TColorRef Start;
  TColorRef Stop;
  friend bool operator==(const TGradientPair&, const TGradientPair&) = default;
};

// The two colours of a vsGradient background: the custom pair for gcsCustom, the scheme's
// pair for gcsMSOffice with visual styles on, otherwise clWindow and clBtnFace darkened by 20.
TGradientPair GradientFillColors(TRzGradientColorStyle style, bool stylesActive,
                                 TColorScheme scheme, TColor customStart, TColor customStop,
                                 const ISystemColors& colors);

// The second and third colours of the bar's gradient set, used for the size grip squares and
// the panes' separator lines: the scheme's pair for gcsMSOffice with visual styles on,
// otherwise clWindow and clBtnFace darkened by 40.
TGradientPair GradientLineColors(TRzGradientColorStyle style, bool stylesActive,
                                 TColorScheme scheme, const ISystemColors& colors);

}  // namespace varnelta::statusbar
