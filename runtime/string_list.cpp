#include "runtime/string_list.h"

#include <stdexcept>

namespace varnelta {

namespace {
wchar_t Lower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
bool SameText(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}
}  // namespace

void TStringList::Put(int index, std::wstring value) {
  items_.at(static_cast<std::size_t>(index)) = std::move(value);
  Changed();
}

int TStringList::Add(std::wstring value) {
  items_.push_back(std::move(value));
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int index, std::wstring value) {
  if (index < 0 || index > Count()) throw std::out_of_range("list index out of bounds");
  items_.insert(items_.begin() + index, std::move(value));
  Changed();
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("list index out of bounds");
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

int TStringList::IndexOf(std::wstring_view value) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(items_[static_cast<std::size_t>(i)], value)) return i;
  }
  return -1;
}

int TStringList::IndexOfName(std::wstring_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::wstring& row = items_[static_cast<std::size_t>(i)];
    auto eq = row.find(L'=');
    if (eq != std::wstring::npos && SameText(std::wstring_view(row).substr(0, eq), name)) return i;
  }
  return -1;
}

std::wstring TStringList::Value(std::wstring_view name) const {
  int i = IndexOfName(name);
  if (i < 0) return {};
  const std::wstring& row = items_[static_cast<std::size_t>(i)];
  return row.substr(row.find(L'=') + 1);
}

std::wstring TStringList::Text() const {
  std::wstring text;
  for (const auto& row : items_) {
    text += row;
    text += L"\r\n";
  }
  return text;
}

void TStringList::SetText(std::wstring_view text) {
  items_.clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring_view::npos) {
      items_.emplace_back(text.substr(start));
      break;
    }
    items_.emplace_back(text.substr(start, end - start));
    if (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
    start = end + 1;
  }
  Changed();
}

void TStringList::Assign(const std::vector<std::wstring>& items) {
  items_ = items;
  Changed();
}

}  // namespace varnelta
