// The two conversion commands on memo text, one link per line. Pure byte strings (code page
// 936 text); no windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelta {

enum class TConversion { ToOrdinary, ToSpecial };  // "专2普", "普2专"

// Splits the text at line breaks (CR LF, LF or CR), trims blanks and tabs around each line and
// converts every non-empty line on its own; empty lines stay empty. Each result is cut at its
// first zero byte. No result when the kind selects no link kind.
std::optional<std::vector<std::string>> ConvertLines(TConversion conversion, int kind, std::string_view text);

// The lines joined with CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace varnelta
