// The extra class-name map: finding a class's row and what each kind decides.
#include "skin/data/skin3rd.h"

#include <gtest/gtest.h>

#include "skin/data/skin_ini.h"

namespace varnelta {
namespace {

constexpr int kNoMember = -1;

TDispatchSwitches AllOn(std::span<const std::wstring> rows) {
  TDispatchSwitches s;
  s.SkinControls = kAllSkinControlTypes;
  s.TabsElement = true;
  s.Skin3rd = rows;
  return s;
}

TEST(Skin3rdTest, Lookup) {
  const std::vector<std::wstring> rows = {
      L"TMemoX=edit", L"tvirtualstringtree=ScrollBar", L"TEmpty=", L"TEmpty=panel",
      L"TLong=" + std::wstring(60, L'x'), L"TWide=comb\u00f6box", L"TMemo=a=b", L"=nil",
  };
  struct Case {
    const char* ClassName;
    std::optional<std::string> Kind;
  } cases[] = {
      {"TMEMO", "a=b"},  // "TMemoX=edit" does not name TMemo; the kind runs to the row's end
      {"TMEMOX", "edit"},
      {"TVirtualStringTree", "scrollbar"},
      {"TEMPTY", ""},  // only the first matching row counts
      {"TLONG", std::string(kSkin3rdKindLength, 'x')},
      {"TWIDE", "comb?box"},
      {"TVirtual", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(LookupSkin3rdKind(rows, c.ClassName), c.Kind) << c.ClassName;
  // Through the dispatch: an empty kind lets the built-in rules decide.
  TControlFacts empty{.ClassName = "TEmpty", .Kinds = KindBit(ckPushButton)};
  EXPECT_EQ(DecideControl(empty, AllOn(rows)).Rule, "rule 38");
}

struct KindRow {
  const char* Kind;  // as written in the row (letter case is ignored)
  int Member;        // governing member; off, the control gets nothing
  const char* Skinner;
  bool Owns = false;
  TChildDispatch Children = chNone;
  int Kind2 = 0;  // the skinner's FKind
  const char* Image = "";
};

const KindRow kKinds[] = {
    {"nil", kNoMember, ""},
    {"ComboBox", xcCombo, "TSkinComBox"},
    {"comboboxex", xcCombo, "TSkinComBox"},
    {"Edit", xcEdit, "TSkinEdit"},
    {"Radiobutton", xcRadioButton, "TSkinRadioButton"},
    {"Panel", xcPanel, "TSkinBox", true},
    {"trackbar", xcButton, "TSkinTrackBar"},
    {"button", xcButton, "TSkinButton"},
    {"datetimepicker", xcCombo, "TSkinDateTime"},
    {"mediaplayer", xcButton, "TSkinMP"},
    {"bitbtn", xcButton, "TSkinBitButton"},
    {"pngbitbtn", xcButton, "TSkinBitButton", false, chNone, 0, "PngImage"},
    {"pngspeedbutton", xcButton, "TSkinSpeedButton", false, chNone, 0, "PngImage"},
    {"menubtn", xcButton, "TSkinMenuButton"},
    {"speedbutton", xcSpeedButton, "TSkinSpeedButton"},
    {"tab", xcTab, "TSkinTab"},
    {"progress", xcProgress, "TSkinProgress"},
    {"scrollbar", xcScrollbar, "TSkinScrollbar", false, chAfter},
    {"singlescrollbar", xcScrollbar, "TSkinScrollbar", false, chNone, 1},
    {"embedscrollbar", xcScrollbar, ""},
    {"container", kNoMember, "", false, chOnly},
    {"Groupbox", xcGroupBox, "TSkinGroupBox", true},
    {"advpagecontrol", xcTab, "TSkinAdvPage"},
    {"radiogroup", xcGroupBox, "TSkinGroupBox"},
    {"CheckGroup", xcPanel, "TSkinGroupBox"},
    {"Checkbox", xcCheckBox, "TSkinCheckBox"},
};

// Every kind with its member on and off. The control is a push button with a border, so a
// kind that fell through to the built-in rules would show as "rule 38".
TEST(Skin3rdTest, EveryKindWithItsMemberOnAndOff) {
  for (const KindRow& row : kKinds) {
    SCOPED_TRACE(row.Kind);
    const std::string_view kind = row.Kind;
    const std::vector<std::wstring> rows = {L"TThirdParty=" + std::wstring(kind.begin(), kind.end())};
    const TControlFacts f{.ClassName = "TThirdParty", .Kinds = KindBit(ckPushButton), .LargerThanClient = true};
    const std::string lower = LowerCaseAscii(kind);
    const TControlDecision d = DecideControl(f, AllOn(rows));
    EXPECT_EQ(d.Rule, "skin3rd:" + lower);
    EXPECT_EQ(d.Skinner, row.Skinner);
    EXPECT_EQ(d.OwnsChildren, row.Owns);
    EXPECT_EQ(d.Children, row.Children);
    EXPECT_EQ(d.Kind, row.Kind2);
    EXPECT_EQ(d.ImageProperty, row.Image);
    EXPECT_EQ(d.ExtendedCombo, lower == "comboboxex");
    const bool transparent = lower == "panel" || lower == "trackbar";
    const std::vector<TPropertyValue> properties = {{"Transparent", "True"}};
    EXPECT_EQ(d.Properties, transparent ? properties : std::vector<TPropertyValue>());
    if (row.Member == kNoMember) continue;
    TDispatchSwitches off = AllOn(rows);
    off.SkinControls &= ~SkinBit(row.Member);
    const TControlDecision none = DecideControl(f, off);
    EXPECT_EQ(none.Rule, "skin3rd:" + lower);
    EXPECT_EQ(none.Skinner, "");
    EXPECT_TRUE(none.ChildSkinners.empty());
    EXPECT_EQ(none.Children, chNone);
  }
}

TEST(Skin3rdTest, KindConditions) {
  const std::vector<std::wstring> rows = {L"TUnknownKind=grid", L"TBare=edit", L"TcxButton=bitbtn",
                                          L"TTabs=tab"};
  const auto decide = [&](TControlFacts f, TDispatchSwitches s) { return DecideControl(f, s); };
  // An unknown kind ends the dispatch with nothing.
  EXPECT_EQ(decide({.ClassName = "TUnknownKind", .Kinds = KindBit(ckPushButton)}, AllOn(rows)).Skinner, "");
  // "edit" only for a window with a border.
  EXPECT_EQ(decide({.ClassName = "TBare", .Kinds = KindBit(ckEdit)}, AllOn(rows)).Skinner, "");
  // A TcxButton that is not a drop-down button gets the menu button skinner.
  EXPECT_EQ(decide({.ClassName = "TcxButton", .KindProperty = "cxbkStandard"}, AllOn(rows)).Skinner, "TSkinMenuButton");
  EXPECT_EQ(decide({.ClassName = "TcxButton", .KindProperty = "cxbkDropDownButton"}, AllOn(rows)).Skinner,
            "TSkinBitButton");
  TDispatchSwitches noTabs = AllOn(rows);
  noTabs.TabsElement = false;
  EXPECT_EQ(decide({.ClassName = "TTabs"}, noTabs).Skinner, "");
}

TEST(Skin3rdTest, PerChildKinds) {
  const std::vector<std::wstring> rows = {L"TGroup=radiogroup", L"TChecks=checkgroup", L"TEmbed=embedscrollbar"};
  const std::vector<TChildFacts> children = {
      {"TRzRadioButton", 0, 0, 0}, {"TRadioButton", 0, 0, 0}, {"TRzCheckBox", 0, 0, 99},
      {"TScrollBox", KindBit(ckScrollBox), 0, 0}, {"TListBox", KindBit(ckWindowed), kStyleHScroll, 0},
      {"TMemo", KindBit(ckMemo), 0, 0}, {"TPanel", KindBit(ckWindowed), 0, 0}};
  const std::vector<TChildDecision> radio = {{"TSkinObjImage", 2}, {"TSkinRadioButton", 0}, {}, {"TSkinRadioButton", 0},
      {"TSkinRadioButton", 0}, {"TSkinRadioButton", 0}, {"TSkinRadioButton", 0}};
  const std::vector<TChildDecision> check = {{"TSkinObjImage", 1}, {"TSkinCheckBox", 0}, {}, {"TSkinCheckBox", 0},
      {"TSkinCheckBox", 0}, {"TSkinCheckBox", 0}, {"TSkinCheckBox", 0}};
  const std::vector<TChildDecision> embed = {{}, {}, {}, {"TSkinScControl", 0}, {"TSkinScrollbar", 0},
      {"TSkinScrollbar", 0}, {}};
  EXPECT_EQ(DecideControl({.ClassName = "TGroup", .Children = children}, AllOn(rows)).ChildSkinners, radio);
  EXPECT_EQ(DecideControl({.ClassName = "TChecks", .Children = children}, AllOn(rows)).ChildSkinners, check);
  EXPECT_EQ(DecideControl({.ClassName = "TEmbed", .Children = children}, AllOn(rows)).ChildSkinners, embed);

  // Without xcRadioButton the groups get only their own skinner; a check group needs xcGroupBox
  // for it (its kind is governed by xcPanel).
  TDispatchSwitches noRadio = AllOn(rows);
  noRadio.SkinControls &= ~SkinBit(xcRadioButton);
  const TControlDecision plain = DecideControl({.ClassName = "TGroup", .Children = children}, noRadio);
  EXPECT_TRUE(plain.ChildSkinners.empty());
  EXPECT_EQ(plain.Skinner, "TSkinGroupBox");
  TDispatchSwitches noGroupBox = AllOn(rows);
  noGroupBox.SkinControls &= ~SkinBit(xcGroupBox);
  const TControlDecision checks = DecideControl({.ClassName = "TChecks", .Children = children}, noGroupBox);
  EXPECT_EQ(checks.ChildSkinners, check);
  EXPECT_EQ(checks.Skinner, "");
}

}  // namespace
}  // namespace varnelta
