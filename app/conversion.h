// The two conversion commands on memo text, one link per line. Pure byte strings (code page
// 936 text); no windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/codec/link_recognition.h"

namespace varnelta {

enum class TConversion { ToOrdinary, ToSpecial };  // "专2普", "普2专"

// Splits the text at line breaks (CR LF, LF or CR), trims blanks and tabs around each line and
// converts every non-empty line on its own; empty lines stay empty. Each result is cut at its
// first zero byte. No result when the kind selects no link kind.
std::optional<std::vector<std::string>> ConvertLines(TConversion conversion, int kind, std::string_view text);

// "专2普" line by line through the link recognition: each line's kind from its own scheme,
// `kind` (the selector's index) for a line without one. One result per line, in order.
std::vector<TLinkResult> DecodeLines(const std::vector<std::string>& lines, int kind);

// Whether the line carried a special link's scheme (decoded or not).
bool IsSpecialLink(const TLinkResult& result);

// Lines that gave no address; ordinary, empty and continued lines are no failures.
int FailedLines(const std::vector<TLinkResult>& results);

// The status label after a conversion: the copy message, and how many lines failed if any.
std::wstring CopiedStatus(int failed);
// After the clipboard watch decoded `decoded` links, `failed` more giving no address.
std::wstring WatchStatus(int decoded, int failed);

// The lines of memo text (breaks CR LF, LF or CR), and one line without the blanks, tabs and
// line-break characters around it.
std::vector<std::wstring_view> SplitWideLines(std::wstring_view text);
std::wstring_view TrimWideLine(std::wstring_view line);

// The lines joined with CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace varnelta
