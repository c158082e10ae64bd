// The stored form description as text: a tree of objects, each with its name, runtime class
// name, properties in stored order and nested objects. Readable and diffable:
//
//   object Form1: TForm1
//     Caption = 'Varnelta'          strings: '...' with '' for a quote, #nnn for a code point
//     ClientWidth = 586             integers: decimal or $hex, optionally negative
//     BorderIcons = [biSystemMenu]  sets;  identifiers for enumerations, Booleans and events
//     Items = ('one' 'two')         string lists;  binary data: { 0A1B ... }
//     object Button1: TButton
//     end
//   end
//
// The text is UTF-8. Parsing untrusted text is bounded: nesting depth and sizes are checked and
// every malformed input gives EFormError with the line it was found on.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace varnelta {

class EFormError : public std::runtime_error {
 public:
  EFormError(int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

struct TFormValue {
  enum class Kind { Integer, Identifier, String, Set, List, Binary };
  Kind Type = Kind::Integer;
  std::int64_t Integer = 0;
  std::string Identifier;
  std::wstring String;
  std::vector<std::string> SetMembers;
  std::vector<std::wstring> Items;
  std::vector<std::uint8_t> Bytes;
  friend bool operator==(const TFormValue&, const TFormValue&) = default;
};

struct TFormProperty {
  std::string Name;  // may be dotted ("Font.Height")
  TFormValue Value;
  int Line = 0;
  friend bool operator==(const TFormProperty& a, const TFormProperty& b) {
    return a.Name == b.Name && a.Value == b.Value;
  }
};

struct TFormObject {
  std::string Name;
  std::string ClassName;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
  int Line = 0;
  friend bool operator==(const TFormObject& a, const TFormObject& b) {
    return a.Name == b.Name && a.ClassName == b.ClassName && a.Properties == b.Properties &&
           a.Children == b.Children;
  }
};

inline constexpr int kMaxFormDepth = 64;

TFormObject ParseFormText(std::string_view text);
std::string WriteFormText(const TFormObject& root);

}  // namespace varnelta
