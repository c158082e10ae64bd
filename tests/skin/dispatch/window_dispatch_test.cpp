// The plain window dispatch: standard buttons by style, then the class table in order.
#include "skin/data/window_dispatch.h"

#include <gtest/gtest.h>

namespace varnelta {
namespace {

constexpr int kNoMember = -1;

struct WindowRow {
  const wchar_t* ClassName;
  std::uint32_t Style;
  int Member;  // off, the window gets nothing
  const char* Skinner;
  const char* Rule;
  bool ChildFirst = false;
  bool TopmostChild = false;
  bool Colour = false;  // with a runtime control
};

const WindowRow kRows[] = {
    {L"Button", 0x7, kNoMember, "", "button:plain"},             // group box
    {L"button", 0x80 | 0x1, kNoMember, "", "button:plain"},      // picture button
    {L"Button", 0x3, xcCheckBox, "TSkinCheckBox", "button:checkbox"},
    {L"Button", 0x6, xcCheckBox, "TSkinCheckBox", "button:checkbox"},
    {L"Button", 0x5, xcCheckBox, "TSkinCheckBox", "button:checkbox"},
    {L"Button", 0x9, xcRadioButton, "TSkinRadioButton", "button:radiobutton"},
    {L"Button", 0x4, xcRadioButton, "TSkinRadioButton", "button:radiobutton"},
    {L"Button", 0x1, xcButton, "TSkinButton", "button:push"},
    {L"Button", 0x50010000, xcButton, "TSkinButton", "button:push"},
    {L"Button", 0xB, kNoMember, "", "no row"},  // owner-drawn
    {L"ComboBox", 0x2, xcCombo, "TSkinComBox", "combobox"},
    {L"ComboBox", 0x3, xcCombo, "TSkinComBox", "combobox"},  // drop-down list
    {L"ComboBox", 0x1, kNoMember, "", "combobox"},           // simple
    {L"ComboBoxEx32", 0, xcCombo, "TSkinComBox", "comboboxex32", false, true},
    {L"ScrollBar", 0x10, kNoMember, "TSkinSizer", "scrollbar"},
    {L"ScrollBar", 0x10010, kNoMember, "", "no row"},
    {L"SysTreeView32", 0, kNoMember, "", "systreeview32"},
    {L"#32770", 0x200, kNoMember, "TSkinBoxH", "#32770", true},
    {L"#32770", 0x10000, kNoMember, "", "no row"},
    {L"TPanel", 0, kNoMember, "", "tpanel", true, false, true},
    {L"TTntPanel.UnicodeClass", 0, kNoMember, "", "tpanel", true, false, true},
    {L"TTntSilentPaintPanel.UnicodeClass", 0, kNoMember, "", "tpanel", true, false, true},
    {L"TCheckBox", 0, xcCheckBox, "TSkinCheckBox", "tcheckbox"},
    {L"TComboBox", 0, xcCombo, "TSkinComBox", "tcombobox"},
    {L"TButton", 0, xcButton, "TSkinButton", "tbutton"},
    {L"TProgressBar", 0, kNoMember, "TSkinProgress", "tprogressbar"},
    {L"TSilentPaintPanel", 0, kNoMember, "", "tsilentpaintpanel", false, false, true},
    {L"SysTabControl32", 0, xcTab, "TSkinTab", "systabcontrol32"},
    {L"SysTabControl32", 0x2000, kNoMember, "", "no row"},
    {L"ToolbarWindow32", 0, kNoMember, "TSkinBoxH", "toolbarwindow32"},
    {L"Edit", 0x50010080, xcEdit, "TSkinEdit", "edit"},
    {L"Static", 0, kNoMember, "", "no row"},
};

TEST(WindowDispatchTest, EveryRowWithItsMemberOnAndOff) {
  for (const WindowRow& row : kRows) {
    SCOPED_TRACE(std::string(row.Rule) + " style " + std::to_string(row.Style));
    TWindowFacts facts{row.ClassName, row.Style, true};
    const TWindowDecision d = DecideWindow(facts, kAllSkinControlTypes);
    EXPECT_EQ(d.Skinner, row.Skinner);
    EXPECT_EQ(d.Rule, row.Rule);
    EXPECT_EQ(d.ChildWindowsFirst, row.ChildFirst);
    EXPECT_EQ(d.AttachToTopmostChild, row.TopmostChild);
    EXPECT_EQ(d.ControlColourButtonFace, row.Colour);
    facts.HasRuntimeControl = false;
    EXPECT_FALSE(DecideWindow(facts, kAllSkinControlTypes).ControlColourButtonFace);
    if (row.Member == kNoMember) continue;
    const TWindowDecision off = DecideWindow(facts, kAllSkinControlTypes & ~SkinBit(row.Member));
    EXPECT_EQ(off.Skinner, "");
    EXPECT_FALSE(off.AttachToTopmostChild);
  }
}

}  // namespace
}  // namespace varnelta
