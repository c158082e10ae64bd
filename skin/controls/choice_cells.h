// Which cell of the skin's check box or radio button picture shows a control's state. The
// pictures hold their cells side by side, numbered from 1: 1 unchecked, 2 checked, 3 and 4 the
// disabled looks (4 also the indeterminate look); 12-cell check pictures and 8-cell radio
// pictures order their cells differently and are remapped.
#pragma once

#include <optional>
#include <string>

namespace varnelta {

struct TCheckBoxFacts {
  bool Checked = false;        // the button state has BST_CHECKED
  bool Indeterminate = false;  // the button state has BST_INDETERMINATE
  bool Disabled = false;       // WS_DISABLED
  bool HasControl = false;     // there is a control object to read properties from
  std::optional<std::string> State;           // its "State" property, as text
  std::optional<std::string> CheckedProperty;  // its "Checked" property, as text
  bool HasDataField = false;                  // it publishes "DataField"
  bool HasDataBinding = false;                // it publishes "DataBinding"
  int CheckState = 0;                         // last BM_SETCHECK value + 1, 0 when none came
};

// The cell (1-based) of a check box picture of `cellCount` cells.
int CheckBoxCell(const TCheckBoxFacts& facts, int cellCount);

struct TRadioFacts {
  bool Checked = false;  // BM_GETCHECK has BST_CHECKED
  bool Disabled = false;
  bool HasControl = false;
  std::optional<std::string> CheckedProperty;
};

int RadioButtonCell(const TRadioFacts& facts, int cellCount);

// A picture's cell count as drawn: counts below 1 count as 1.
int UsableCellCount(int cellCount);
// A cell number kept inside a picture of `cellCount` cells.
int ClampCell(int cell, int cellCount);

}  // namespace varnelta
