// A list of wide strings with the text and name=value views the runtime's users need.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelta {

class TStringList {
 public:
  TStringList() = default;
  explicit TStringList(std::vector<std::wstring> items) : items_(std::move(items)) {}

  int Count() const { return static_cast<int>(items_.size()); }
  const std::wstring& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
  void Put(int index, std::wstring value);
  int Add(std::wstring value);
  void Insert(int index, std::wstring value);
  void Delete(int index);
  void Clear();
  // Letter case of ASCII letters ignored.
  int IndexOf(std::wstring_view value) const;
  // The first row "name=..." (name compared without regard to ASCII letter case), or -1.
  int IndexOfName(std::wstring_view name) const;
  std::wstring Value(std::wstring_view name) const;  // text after the first '='; empty if none

  // Rows joined, each followed by CR LF.
  std::wstring Text() const;
  // Splits at CR LF, LF or CR; a final line break does not add an empty row.
  void SetText(std::wstring_view text);

  const std::vector<std::wstring>& Items() const { return items_; }
  void Assign(const std::vector<std::wstring>& items);

  // Called after every change.
  std::function<void()> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange();
  }
  std::vector<std::wstring> items_;
};

}  // namespace varnelta
