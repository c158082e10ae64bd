// The component's extra class-name map ("TVirtualStringTree=scrollbar"): finding a control's
// kind in it and the decision each kind makes.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "skin/data/control_dispatch.h"

namespace varnelta {

// The longest kind text looked at; the rest of a row is ignored.
inline constexpr std::size_t kSkin3rdKindLength = 50;

// The kind given by the first row that begins with the class name followed by "=" (ASCII
// letters compared without regard to case): the text after that "=", at most 50 characters,
// lower-cased; characters outside ASCII become '?'. No value when no row matches (an empty
// class name matches no row). Only the first matching row counts, so its kind may be empty.
std::optional<std::string> LookupSkin3rdKind(std::span<const std::wstring> rows, std::string_view className);

// The decision for a control whose row gave a non-empty kind. Every kind ends the dispatch:
// an unknown kind, or one whose governing SkinControls member is off, gives no skinner.
TControlDecision DecideSkin3rdKind(const std::string& kind, const TControlFacts& facts,
                                   const TDispatchSwitches& switches);

}  // namespace varnelta
