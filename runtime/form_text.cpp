#include "runtime/form_text.h"

#include <limits>

#include "runtime/property.h"
#include "runtime/utf.h"

namespace varnelta {

EFormError::EFormError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  TFormObject ParseRoot() {
    SkipBlanks();
    if (AtEnd()) Fail("the description is empty");
    TFormObject root = ParseObject(1);
    SkipBlanks();
    if (!AtEnd()) Fail("text after the final 'end'");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw EFormError(line_, message); }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  void SkipBlanks() {
    while (!AtEnd()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else {
        break;
      }
    }
  }

  std::string ReadIdent(bool dotted) {
    SkipBlanks();
    if (!IsIdentStart(Peek())) Fail("identifier expected");
    std::size_t start = pos_;
    while (!AtEnd()) {
      char c = text_[pos_];
      if (IsIdentStart(c) || IsDigit(c)) {
        ++pos_;
      } else if (dotted && c == '.' && pos_ + 1 < text_.size() && IsIdentStart(text_[pos_ + 1])) {
        ++pos_;
      } else {
        break;
      }
    }
    return std::string(text_.substr(start, pos_ - start));
  }

  void Expect(char c, const char* what) {
    SkipBlanks();
    if (Peek() != c) Fail(std::string("'") + c + "' expected " + what);
    ++pos_;
  }

  TFormObject ParseObject(int depth) {
    if (depth > kMaxFormDepth) Fail("objects nested too deeply");
    TFormObject object;
    object.Line = line_;
    std::string keyword = ReadIdent(false);
    if (!SameIdentifier(keyword, "object")) Fail("'object' expected");
    object.Name = ReadIdent(false);
    Expect(':', "after the object name");
    object.ClassName = ReadIdent(false);
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("'end' missing for object " + object.Name);
      int line = line_;
      std::string word = ReadIdent(true);
      if (SameIdentifier(word, "end")) break;
      if (SameIdentifier(word, "object")) {
        pos_ -= word.size();
        object.Children.push_back(ParseObject(depth + 1));
        continue;
      }
      TFormProperty property;
      property.Name = std::move(word);
      property.Line = line;
      Expect('=', ("after property " + property.Name).c_str());
      property.Value = ParseValue();
      object.Properties.push_back(std::move(property));
    }
    return object;
  }

  TFormValue ParseValue() {
    SkipBlanks();
    TFormValue value;
    char c = Peek();
    if (c == '-' || c == '$' || IsDigit(c)) {
      value.Type = TFormValue::Kind::Integer;
      value.Integer = ParseInteger();
    } else if (c == '\'' || c == '#') {
      value.Type = TFormValue::Kind::String;
      value.String = ParseString();
    } else if (IsIdentStart(c)) {
      value.Type = TFormValue::Kind::Identifier;
      value.Identifier = ReadIdent(false);
    } else if (c == '[') {
      ++pos_;
      value.Type = TFormValue::Kind::Set;
      SkipBlanks();
      if (Peek() == ']') {
        ++pos_;
      } else {
        for (;;) {
          value.SetMembers.push_back(ReadIdent(false));
          SkipBlanks();
          if (Peek() == ']') {
            ++pos_;
            break;
          }
          Expect(',', "between set members");
        }
      }
    } else if (c == '(') {
      ++pos_;
      value.Type = TFormValue::Kind::List;
      for (;;) {
        SkipBlanks();
        if (Peek() == ')') {
          ++pos_;
          break;
        }
        if (AtEnd()) Fail("')' missing at the end of a list");
        if (Peek() != '\'' && Peek() != '#') Fail("string expected in a list");
        value.Items.push_back(ParseString());
      }
    } else if (c == '{') {
      ++pos_;
      value.Type = TFormValue::Kind::Binary;
      int high = -1;
      for (;;) {
        SkipBlanks();
        if (AtEnd()) Fail("'}' missing at the end of binary data");
        char h = text_[pos_++];
        if (h == '}') break;
        int v = HexValue(h);
        if (v < 0) Fail("hexadecimal digit expected in binary data");
        if (high < 0) {
          high = v;
        } else {
          value.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + v));
          high = -1;
        }
      }
      if (high >= 0) Fail("odd number of hexadecimal digits in binary data");
    } else if (AtEnd()) {
      Fail("value expected at the end of the text");
    } else {
      Fail(std::string("unexpected character '") + c + "'");
    }
    return value;
  }

  std::int64_t ParseInteger() {
    bool negative = false;
    if (Peek() == '-') {
      negative = true;
      ++pos_;
    }
    int base = 10;
    if (Peek() == '$') {
      base = 16;
      ++pos_;
    }
    std::uint64_t magnitude = 0;
    int digits = 0;
    constexpr std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    while (!AtEnd()) {
      int v = base == 16 ? HexValue(text_[pos_]) : (IsDigit(text_[pos_]) ? text_[pos_] - '0' : -1);
      if (v < 0) break;
      if (magnitude > (limit - static_cast<std::uint64_t>(v)) / static_cast<std::uint64_t>(base)) {
        Fail("integer out of range");
      }
      magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(v);
      ++pos_;
      ++digits;
    }
    if (digits == 0) Fail("digits expected");
    if (!AtEnd() && (IsIdentStart(text_[pos_]) || IsDigit(text_[pos_]))) Fail("malformed integer");
    auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
  }

  // Quoted parts and #nnn codes, adjacent or joined with '+'.
  std::wstring ParseString() {
    std::wstring out;
    for (;;) {
      char c = Peek();
      if (c == '\'') {
        ++pos_;
        std::size_t start = pos_;
        std::string raw;
        for (;;) {
          if (AtEnd() || text_[pos_] == '\n') Fail("unterminated string");
          if (text_[pos_] == '\'') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
              raw.append(text_.substr(start, pos_ + 1 - start));
              pos_ += 2;
              start = pos_;
              continue;
            }
            raw.append(text_.substr(start, pos_ - start));
            ++pos_;
            break;
          }
          ++pos_;
        }
        auto wide = Utf8ToWide(raw);
        if (!wide) Fail("malformed UTF-8 in a string");
        out += *wide;
      } else if (c == '#') {
        ++pos_;
        if (!IsDigit(Peek()) && Peek() != '$') Fail("character code expected after '#'");
        std::int64_t code = ParseInteger();
        if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) Fail("invalid character code");
        AppendCodePoint(out, static_cast<char32_t>(code));
      } else {
        break;
      }
      // A '+' continues the string, possibly on the next line.
      std::size_t save = pos_;
      int saveLine = line_;
      SkipBlanks();
      if (Peek() == '+') {
        ++pos_;
        SkipBlanks();
        if (Peek() != '\'' && Peek() != '#') Fail("string expected after '+'");
      } else if (Peek() != '\'' && Peek() != '#') {
        pos_ = save;
        line_ = saveLine;
        break;
      } else if (line_ != saveLine) {
        // Strings on the next line belong to the next list item, not to this string.
        pos_ = save;
        line_ = saveLine;
        break;
      }
    }
    return out;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

void WriteString(std::string& out, const std::wstring& text) {
  if (text.empty()) {
    out += "''";
    return;
  }
  bool quoted = false;
  std::string utf8 = WideToUtf8(text);
  for (char ch : utf8) {
    auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) {
      if (quoted) out += '\'';
      quoted = false;
      out += '#';
      out += std::to_string(c);
    } else {
      if (!quoted) out += '\'';
      quoted = true;
      if (c == '\'') out += '\'';
      out += ch;
    }
  }
  if (quoted) out += '\'';
}

void WriteValue(std::string& out, const TFormValue& v, const std::string& indent) {
  switch (v.Type) {
    case TFormValue::Kind::Integer: out += std::to_string(v.Integer); break;
    case TFormValue::Kind::Identifier: out += v.Identifier; break;
    case TFormValue::Kind::String: WriteString(out, v.String); break;
    case TFormValue::Kind::Set:
      out += '[';
      for (std::size_t i = 0; i < v.SetMembers.size(); ++i) {
        if (i) out += ", ";
        out += v.SetMembers[i];
      }
      out += ']';
      break;
    case TFormValue::Kind::List:
      out += '(';
      for (const auto& item : v.Items) {
        out += "\n" + indent + "  ";
        WriteString(out, item);
      }
      out += ')';
      break;
    case TFormValue::Kind::Binary: {
      static const char* digits = "0123456789ABCDEF";
      out += '{';
      for (std::size_t i = 0; i < v.Bytes.size(); ++i) {
        if (i % 32 == 0) out += "\n" + indent + "  ";
        out += digits[v.Bytes[i] >> 4];
        out += digits[v.Bytes[i] & 15];
      }
      out += '}';
      break;
    }
  }
}

void WriteObject(std::string& out, const TFormObject& object, const std::string& indent) {
  out += indent + "object " + object.Name + ": " + object.ClassName + "\n";
  std::string inner = indent + "  ";
  for (const auto& p : object.Properties) {
    out += inner + p.Name + " = ";
    WriteValue(out, p.Value, inner);
    out += "\n";
  }
  for (const auto& child : object.Children) WriteObject(out, child, inner);
  out += indent + "end\n";
}

}  // namespace

TFormObject ParseFormText(std::string_view text) {
  // A UTF-8 byte order mark is allowed at the start.
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return Parser(text).ParseRoot();
}

std::string WriteFormText(const TFormObject& root) {
  std::string out;
  WriteObject(out, root, "");
  return out;
}

}  // namespace varnelta
