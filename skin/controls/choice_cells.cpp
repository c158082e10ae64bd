#include "skin/controls/choice_cells.h"

#include <algorithm>
#include <cctype>

namespace varnelta {

namespace {
std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The cell order of the larger pictures: 2 -> 5, 3 -> 4, 4 -> 8.
int Remap(int cell) {
  switch (cell) {
    case 2: return 5;
    case 3: return 4;
    case 4: return 8;
    default: return cell;
  }
}
}  // namespace

int UsableCellCount(int cellCount) { return cellCount < 1 ? 1 : cellCount; }

int ClampCell(int cell, int cellCount) { return std::clamp(cell, 1, UsableCellCount(cellCount)); }

int CheckBoxCell(const TCheckBoxFacts& f, int cellCount) {
  int cell = f.Checked ? 2 : 1;
  if (f.HasControl) {
    if (f.State) {
      const std::string state = Lower(*f.State);
      if (Contains(state, "uncheck")) {
        cell = 1;
      } else if (Contains(state, "check")) {
        cell = 2;
      } else if (Contains(state, "gray")) {
        cell = 4;
      }
    } else if (f.CheckedProperty) {
      cell = Lower(*f.CheckedProperty) == "true" ? 2 : 1;
    }
    if (f.HasDataField && f.CheckState != 0) cell = f.CheckState == 3 ? 4 : f.CheckState;
    if (f.HasDataBinding) cell = 1;
  }
  if (f.Disabled) cell += 2;
  if (f.Indeterminate) cell = 4;
  if (cellCount == 12) {
    cell = Remap(cell);
    if (f.Indeterminate) cell = f.Disabled ? 12 : 9;
  }
  return ClampCell(cell, cellCount);
}

int RadioButtonCell(const TRadioFacts& f, int cellCount) {
  int cell = f.Checked ? 2 : 1;
  if (f.HasControl && f.CheckedProperty) cell = Lower(*f.CheckedProperty) == "true" ? 2 : 1;
  if (f.Disabled) cell += 2;
  if (cellCount == 8) cell = Remap(cell);
  return ClampCell(cell, cellCount);
}

}  // namespace varnelta
