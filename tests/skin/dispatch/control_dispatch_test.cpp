// The control dispatch: the steps before the rules, every built-in rule alone and against the
// rules after it, and the rules' details.
#include "skin/data/control_dispatch.h"

#include <gtest/gtest.h>

#include "skin/data/control_kinds.h"

namespace varnelta {
namespace {

constexpr int kNoMember = -1;

TDispatchSwitches AllOn(std::span<const std::wstring> rows = {}) {
  TDispatchSwitches s;
  s.SkinControls = kAllSkinControlTypes;
  s.TabsElement = true;
  s.MenuSkinning = true;
  s.Skin3rd = rows;
  return s;
}

TControlFacts Facts(const char* cls, TControlKinds kinds) {
  TControlFacts f;
  f.ClassName = cls;
  f.Kinds = kinds;
  f.WindowStyle = kStyleVScroll;
  f.StyleProperty = "tsTabs";
  f.HasNumButtons = true;
  f.NumButtons = 1;
  return f;
}

// Each rule's trigger (a class name or a kind) and what it gives alone.
struct RuleRow {
  int Rule;
  const char* ClassName;
  TControlKinds Kinds;
  int Member;  // the SkinControls member it needs; off, the control falls through to no rule
  const char* Skinner;
  bool Owns = false;
  TChildDispatch Children = chNone;
  int Variant = 0;
};

const RuleRow kRules[] = {
    {1, "TX", KindBit(ckTabControl), xcTab, "TSkinTab"},
    {2, "TX", KindBit(ckCarriesMenu), kNoMember, ""},
    {3, "TX", KindBit(ckCoolBar), xcToolbar, ""},
    {4, "TTABSET", 0, xcTab, "TSkinTab31"},
    {5, "TX", KindBit(ckTabSheet), xcTab, "TSkinTabSheet"},
    {6, "TTabbedNotebook", 0, xcTab, "TSkinTab"},
    {7, "TMVCPANEL", 0, kNoMember, "", false, chOnly},
    {8, "TX", KindBit(ckStyledTabControl), xcTab, "TSkinTab"},
    {9, "TX", KindBit(ckHeader), xcPanel, "TSkinHeader"},
    {10, "TX", KindBit(ckCheckBox), xcCheckBox, "TSkinCheckBox"},
    {11, "TX", KindBit(ckTrackBar), xcTrackBar, "TSkinTrackBar"},
    {12, "TSpinButton", 0, xcSpin, "TSkinUpDown"},
    {13, "TMEDIAPLAYER", 0, xcButton, "TSkinMP"},
    {14, "TX", KindBit(ckRadioGroup), xcRadioButton, "TSkinGroupBox", true},
    {15, "TDBNAVIGATOR", 0, xcPanel, "TSkinBox", true, chAfter},
    {16, "TRzDBCheckBox", 0, xcCheckBox, "TSkinObjImage", false, chNone, 1},
    {17, "TRZRADIOBUTTON", 0, xcRadioButton, "TSkinObjImage", false, chNone, 2},
    {18, "TCXDBCHECKBOX", 0, xcCheckBox, "TSkinObjImage", false, chNone, 3},
    {19, "TX", KindBit(ckGroupBox), xcPanel, "TSkinGroupBox", false, chBefore},
    {20, "TX", KindBit(ckRadioButton), xcRadioButton, "TSkinRadioButton"},
    {21, "TX", KindBit(ckToolBar), xcToolbar, "TSkinBox"},
    {22, "TX", KindBit(ckStatusBar), xcStatusBar, "TSkinStatusBar"},
    {23, "TX", KindBit(ckProgressBar), xcProgress, "TSkinProgress"},
    {24, "TX", KindBit(ckScrollBox), xcScrollbar, "TSkinScControl"},
    {25, "TTNTCOMBOBOX", 0, xcCombo, "TSkinComBox"},
    {26, "TX", KindBit(ckComboBox), xcCombo, "TSkinComBox"},
    {27, "TX", KindBit(ckDateTimePicker), xcEdit, "TSkinDateTime"},
    {28, "TRichEdit", 0, xcScrollbar, "TSkinScrollbar"},
    {29, "TDXDBMEMO", 0, xcScrollbar, "TSkinScrollbar"},
    {30, "TX", KindBit(ckBitButton), kNoMember, "TSkinBitButton"},
    {31, "TX", KindBit(ckSpeedButton), xcSpeedButton, "TSkinSpeedButton"},
    {32, "TX", KindBit(ckPanel), xcPanel, "TSkinBox", true, chBefore},
    {33, "TDXDBGRID", 0, xcScrollbar, "TSkinScrollbar"},
    {34, "TX", KindBit(ckListView), xcScrollbar, "TSkinListView"},
    {35, "TX", KindBit(ckMemo), xcScrollbar, "TSkinScrollbar"},
    {36, "TX", KindBit(ckScrollingControl), xcScrollbar, "TSkinScrollbar"},
    {37, "TX", KindBit(ckWindowed), xcScrollbar, "TSkinScrollbar"},
    {38, "TX", KindBit(ckPushButton), xcButton, "TSkinButton"},
    {39, "TX", KindBit(ckEdit), xcEdit, "TSkinEdit"},
    {40, "TX", KindBit(ckFrame), kNoMember, "", false, chOwned},
    {41, "TX", KindBit(ckEmbeddedForm), kNoMember, "TSkinBox", true, chOwned},
    {42, "TDCEDIT", 0, xcCombo, "TSkinComBox"},
};

TEST(ControlDispatchTest, EachRuleAloneAndWithItsMemberOff) {
  for (const RuleRow& row : kRules) {
    SCOPED_TRACE("rule " + std::to_string(row.Rule));
    const TControlDecision d = DecideControl(Facts(row.ClassName, row.Kinds), AllOn());
    EXPECT_EQ(d.Rule, "rule " + std::to_string(row.Rule));
    EXPECT_EQ(d.Skinner, row.Skinner);
    EXPECT_EQ(d.OwnsChildren, row.Owns);
    EXPECT_EQ(d.Children, row.Children);
    EXPECT_EQ(d.Variant, row.Variant);
    EXPECT_FALSE(d.AttachByHandle);
    if (row.Member == kNoMember) continue;
    TDispatchSwitches off = AllOn();
    off.SkinControls &= ~SkinBit(row.Member);
    const TControlDecision fell = DecideControl(Facts(row.ClassName, row.Kinds), off);
    EXPECT_EQ(fell.Rule, "no rule");
    EXPECT_EQ(fell.Skinner, "");
  }
}

// A control that matches rule N and every kind rule after it (and, for a kind rule, the next
// class-name rule) gets rule N: swapping two rules makes one of these cases fail.
TEST(ControlDispatchTest, EachRuleBeatsTheRulesAfterIt) {
  for (std::size_t n = 0; n < std::size(kRules); ++n) {
    const RuleRow& row = kRules[n];
    SCOPED_TRACE("rule " + std::to_string(row.Rule));
    TControlFacts f = Facts(row.ClassName, row.Kinds);
    for (std::size_t later = n + 1; later < std::size(kRules); ++later) {
      f.Kinds |= kRules[later].Kinds;
      const bool nameFree = f.ClassName == "TX" && row.Rule != 40 && row.Rule != 41;
      if (nameFree && kRules[later].Kinds == 0) f.ClassName = kRules[later].ClassName;
    }
    EXPECT_EQ(DecideControl(f, AllOn()).Rule, "rule " + std::to_string(row.Rule)) << f.ClassName;
  }
}

TEST(ControlDispatchTest, StepsBeforeTheRules) {
  const std::vector<std::wstring> rows = {L"TMemo=nil"};
  TControlFacts memo = Facts("TMemo", KindBit(ckMemo) | KindBit(ckWindowed));
  TControlFacts group = Facts("TRzRadioGroup", KindBit(ckWindowed) | KindBit(ckRadioGroup));
  group.Children = {{"TRadioButton", KindBit(ckRadioButton), 0, 0}};
  struct Case {
    const char* Name;
    TControlFacts Facts;
    std::int64_t Tag;
    bool HasParent, Skinned;
    THostSkinner Host;
    const char* Rule;
    bool ChildrenTagged;
  } cases[] = {
      {"tag beats all", memo, 99, false, true, hsOtherObject, "disable-tag", false},
      {"radio group children tagged", group, 99, true, false, hsNone, "disable-tag", true},
      {"no parent", memo, 0, false, false, hsControlSkinner, "skipped", false},
      {"already skinned", memo, 0, true, true, hsNone, "skipped", false},
      {"handler's skinner", memo, 0, true, false, hsControlSkinner, "host-skinner", false},
      {"handler's other object", memo, 0, true, false, hsOtherObject, "host-object", false},
      {"handler gave nothing", memo, 0, true, false, hsNone, "skin3rd:nil", false},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Facts.Tag = c.Tag;
    c.Facts.HasParent = c.HasParent;
    c.Facts.AlreadySkinned = c.Skinned;
    TDispatchSwitches s = AllOn(rows);
    s.HostSkinner = c.Host;
    const TControlDecision d = DecideControl(c.Facts, s);
    EXPECT_EQ(d.Rule, c.Rule);
    EXPECT_EQ(d.Skinner, "");
    EXPECT_EQ(d.ChildrenGetDisableTag, c.ChildrenTagged);
    EXPECT_EQ(d.UseHostSkinner, c.Host == hsControlSkinner && std::string(c.Rule) == "host-skinner");
  }
  // Only a windowed radio or check group with children passes its Tag on.
  group.Tag = 99;
  group.ClassName = "TLMDCheckGroup";
  EXPECT_TRUE(DecideControl(group, AllOn()).ChildrenGetDisableTag);
  group.Kinds = KindBit(ckRadioGroup);
  EXPECT_FALSE(DecideControl(group, AllOn()).ChildrenGetDisableTag);
  // A handler's skinner on a panel: the panel's children follow it.
  TDispatchSwitches host = AllOn();
  host.HostSkinner = hsControlSkinner;
  EXPECT_EQ(DecideControl(Facts("TPanel", KindBit(ckPanel)), host).Children, chAfter);
}

TEST(ControlDispatchTest, RuleDetails) {
  TControlFacts page = Facts("TX", KindBit(ckPageControl) | KindBit(ckTabControl));
  EXPECT_EQ(DecideControl(page, AllOn()).Kind, 2);
  page.StyleProperty = "tsFlatButtons";
  EXPECT_EQ(DecideControl(page, AllOn()).Skinner, "TSkinTabBtn");
  TControlFacts styled = Facts("TX", KindBit(ckStyledTabControl));
  styled.StyleProperty = "tsButtons";
  EXPECT_EQ(DecideControl(styled, AllOn()).Skinner, "TSkinTabBtn");

  // Without the Tabs element every tab rule falls through.
  TDispatchSwitches noTabs = AllOn();
  noTabs.TabsElement = false;
  for (const RuleRow& row : kRules) {
    if (row.Member == xcTab) {
      EXPECT_EQ(DecideControl(Facts(row.ClassName, row.Kinds), noTabs).Rule, "no rule") << row.Rule;
    }
  }

  TControlFacts picker = Facts("TX", KindBit(ckDateTimePicker));
  picker.DateMode = 1;
  EXPECT_EQ(DecideControl(picker, AllOn()).Skinner, "TSkinEdit");
  picker.DateMode = 0;
  picker.DateKind = 1;
  EXPECT_EQ(DecideControl(picker, AllOn()).Skinner, "TSkinEdit");

  TControlFacts dc = Facts("TDCDBEDIT", 0);
  dc.NumButtons = 0;
  const TControlDecision edit = DecideControl(dc, AllOn());
  EXPECT_EQ(edit.Skinner, "TSkinEdit");
  EXPECT_TRUE(edit.AttachByHandle);
  dc.NumButtons = 2;
  EXPECT_EQ(DecideControl(dc, AllOn()).Rule, "no rule");
  dc.HasNumButtons = false;
  dc.NumButtons = 0;
  EXPECT_EQ(DecideControl(dc, AllOn()).Rule, "no rule");
  // A TDCEdit that is a frame is not one for rule 40.
  EXPECT_EQ(DecideControl(Facts("TDCEDIT", KindBit(ckFrame)), AllOn()).Rule, "rule 42");

  TDispatchSwitches noMenus = AllOn();
  noMenus.MenuSkinning = false;
  EXPECT_TRUE(DecideControl(Facts("TX", KindBit(ckCarriesMenu)), AllOn()).MenuToMenuSkinning);
  EXPECT_EQ(DecideControl(Facts("TX", KindBit(ckCarriesMenu)), noMenus).Rule, "no rule");
  EXPECT_TRUE(DecideControl(Facts("TX", KindBit(ckCoolBar)), AllOn()).ColourBandsButtonFace);

  const TControlDecision toolbar = DecideControl(Facts("TX", KindBit(ckToolBar)), AllOn());
  EXPECT_EQ(toolbar.Properties, (std::vector<TPropertyValue>{{"Flat", "True"}}));
  EXPECT_TRUE(toolbar.InstallToolbarHandlers);
  EXPECT_TRUE(toolbar.MenuItemsToMenuSkinning);

  TControlFacts group = Facts("TX", KindBit(ckRadioGroup));
  group.Children = {{"TRadioButton", 0, 0, 0}, {"TRadioButton", 0, 0, 99}, {"TLabel", 0, 0, 0}};
  EXPECT_EQ(DecideControl(group, AllOn()).ChildSkinners,
            (std::vector<TChildDecision>{{"TSkinRadioButton", 0}, {}, {"TSkinRadioButton", 0}}));

  // A failed condition lets a later rule decide: a radio group without xcRadioButton is a group box.
  TDispatchSwitches noRadio = AllOn();
  noRadio.SkinControls &= ~SkinBit(xcRadioButton);
  EXPECT_EQ(DecideControl(Facts("TX", KindBit(ckRadioGroup) | KindBit(ckGroupBox)), noRadio).Rule, "rule 19");

  // A bit button with xcBitBtn off gets nothing, not the push button skinner.
  TDispatchSwitches noBitBtn = AllOn();
  noBitBtn.SkinControls &= ~SkinBit(xcBitBtn);
  const TControlDecision bitBtn =
      DecideControl(Facts("TBitBtn", KindBit(ckBitButton) | KindBit(ckPushButton)), noBitBtn);
  EXPECT_EQ(bitBtn.Rule, "rule 30");
  EXPECT_EQ(bitBtn.Skinner, "");
}

TEST(ControlDispatchTest, ExcludedClassesEvenWhenTheyMatchARule) {
  for (const char* cls : {"TDBComboBoxEh", "TFRDESIGNERPAGE", "TfrPBox"}) {
    const TControlDecision d = DecideControl(Facts(cls, KindBit(ckComboBox) | KindBit(ckPanel)), AllOn());
    EXPECT_EQ(d.Rule, "excluded") << cls;
    EXPECT_EQ(d.Skinner, "") << cls;
  }
}

// The kinds of a class given by its ancestry, most derived first: "TMemo TCustomMemo ...".
TControlKinds KindsOfAncestry(std::string_view ancestry) {
  std::vector<std::string> names;
  for (std::size_t at = 0; at < ancestry.size();) {
    const std::size_t end = std::min(ancestry.find(' ', at), ancestry.size());
    names.emplace_back(ancestry.substr(at, end - at));
    at = end + 1;
  }
  std::vector<TClassInfo> chain(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    chain[i].Name = names[i];
    chain[i].Parent = i + 1 < names.size() ? &chain[i + 1] : nullptr;
  }
  return ControlKindsOfClass(chain.front());
}

// The main window's controls, with their kinds taken from the runtime's class tree.
TEST(ControlDispatchTest, MainWindowControlsThroughTheirClasses) {
  struct Case {
    const char* Ancestry;
    const char* Skinner;
    const char* Rule;
    TChildDispatch Children = chNone;
  } cases[] = {
      {"TButton TButtonControl TWinControl TControl", "TSkinButton", "rule 38"},
      {"TMemo TCustomMemo TCustomEdit TWinControl TControl", "TSkinScrollbar", "rule 35"},
      {"TEdit TCustomEdit TWinControl TControl", "TSkinEdit", "rule 39"},
      {"TComboBox TCustomComboBox TWinControl TControl", "TSkinComBox", "rule 26"},
      {"TLabel TCustomLabel TGraphicControl TControl", "", "no rule"},
      // The status bar is a panel: its panes first, then the box skinner.
      {"TRzStatusBar TRzCustomPanel TCustomPanel TCustomControl TWinControl TControl", "TSkinBox", "rule 32",
       chBefore},
      {"TRzStatusPane TRzCustomStatusPane TGraphicControl TControl", "", "no rule"},
  };
  const TDispatchSwitches s;  // the component's defaults: no Tabs, no menu skinning
  for (const Case& c : cases) {
    const std::string_view ancestry = c.Ancestry;
    TControlFacts f;
    f.ClassName = ancestry.substr(0, ancestry.find(' '));
    f.Kinds = KindsOfAncestry(ancestry);
    f.LargerThanClient = true;
    const TControlDecision d = DecideControl(f, s);
    EXPECT_EQ(d.Skinner, c.Skinner) << f.ClassName;
    EXPECT_EQ(d.Rule, c.Rule) << f.ClassName;
    EXPECT_EQ(d.Children, c.Children) << f.ClassName;
  }
}

}  // namespace
}  // namespace varnelta
