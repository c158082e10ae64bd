// TQuickIni: the reader of a skin description, an INI-style text.
//
// The text is split into lines at CR, LF or CR LF (a NUL byte ends it); every line is trimmed
// of spaces and control characters at both ends; empty lines and lines beginning with ";" are
// dropped. A kept line "[...]" is also a section header. Section names compare without regard
// to case (ASCII letters); the first section of a name wins, and within it the first line of a
// key wins, even when its value is empty (which then gives the default).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnelta {

class TQuickIni {
 public:
  // The text of the failed check when ReadSections is given no list.
  static constexpr const char* kNoListMessage =
      "The parameter Strings is unassigned! (Winskinini, line 318)";

  // Replaces the content with `text`.
  void LoadFromText(std::string_view text);
  // Replaces the content with the bytes from `position` to the end; a missing stream (null)
  // or a position past the end leaves the reader unchanged.
  void LoadFromStream(const std::vector<std::uint8_t>* stream, std::size_t position = 0);

  // Position of the header "[" + name + "]" among the kept lines, or -1.
  int SectionIndex(std::string_view name) const;
  // Section names (brackets removed, trimmed), in text order, duplicates included. A null list
  // raises EAssertionFailed with kNoListMessage.
  void ReadSections(std::vector<std::string>* list) const;
  std::vector<std::string> Sections() const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Decimal, or hexadecimal after "$" or "0x"; a value that does not convert to a signed 32-bit
  // integer gives `defaultValue`.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;
  // Whether the key has a non-empty value (what ReadString would return instead of a default).
  bool HasValue(std::string_view section, std::string_view key) const;

  const std::vector<std::string>& Lines() const { return lines_; }

  // The integer conversion of ReadInteger on its own: true and the value for a valid text.
  static bool ToInteger(std::string_view text, std::int32_t& value);

 private:
  // The value of a key, or nullopt-like false when the key is absent or empty.
  bool FindValue(std::string_view section, std::string_view key, std::string_view& value) const;

  std::vector<std::string> lines_;
  std::vector<std::pair<std::string, int>> sections_;  // header line, its position in lines_
};

// Trims spaces and control characters (bytes up to 0x20) at both ends.
std::string_view TrimText(std::string_view text);
// ASCII lower and upper case.
std::string LowerCaseAscii(std::string_view text);
std::string UpperCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace varnelta
