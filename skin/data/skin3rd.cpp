#include "skin/data/skin3rd.h"

#include "runtime/property.h"
#include "skin/data/skin_ini.h"

namespace varnelta {
namespace {

wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the row begins with the class name followed by '='.
bool RowNamesClass(std::wstring_view row, std::string_view className) {
  if (row.size() <= className.size() || row[className.size()] != L'=') return false;
  for (std::size_t i = 0; i < className.size(); ++i) {
    const auto c = static_cast<unsigned char>(className[i]);
    if (c >= 0x80 || LowerAscii(row[i]) != static_cast<wchar_t>(LowerAscii(static_cast<char>(c)))) {
      return false;
    }
  }
  return true;
}

// What each kind gives when its governing SkinControls member is set. The kinds with a
// condition of their own or per-child skinners finish in DecideSkin3rdKind.
struct TKindRow {
  std::string_view Kind;
  int Governing;  // a TSkinControlType, or kUngoverned
  const char* Skinner = "";
  bool Owns = false;
  TChildDispatch Children = chNone;
  int SkinnerKind = 0;  // the skinner's FKind
  const char* Image = "";
  bool Transparent = false;  // published "Transparent" set to "True" first
};
constexpr int kUngoverned = -1;
constexpr TKindRow kKinds[] = {
    {"nil", kUngoverned},
    {"combobox", xcCombo, "TSkinComBox"},
    {"comboboxex", xcCombo, "TSkinComBox"},  // extended combo box
    {"edit", xcEdit, "TSkinEdit"},           // only with a border
    {"radiobutton", xcRadioButton, "TSkinRadioButton"},
    {"panel", xcPanel, "TSkinBox", true, chNone, 0, "", true},
    {"trackbar", xcButton, "TSkinTrackBar", false, chNone, 0, "", true},
    {"button", xcButton, "TSkinButton"},
    {"datetimepicker", xcCombo, "TSkinDateTime"},
    {"mediaplayer", xcButton, "TSkinMP"},
    {"bitbtn", xcButton, "TSkinBitButton"},  // a plain TcxButton: the menu button skinner
    {"pngbitbtn", xcButton, "TSkinBitButton", false, chNone, 0, "PngImage"},
    {"pngspeedbutton", xcButton, "TSkinSpeedButton", false, chNone, 0, "PngImage"},
    {"menubtn", xcButton, "TSkinMenuButton"},
    {"speedbutton", xcSpeedButton, "TSkinSpeedButton"},
    {"tab", xcTab, "TSkinTab"},  // only with the Tabs element
    {"progress", xcProgress, "TSkinProgress"},
    {"scrollbar", xcScrollbar, "TSkinScrollbar", false, chAfter},
    {"singlescrollbar", xcScrollbar, "TSkinScrollbar", false, chNone, 1},
    {"embedscrollbar", xcScrollbar},  // per child
    {"container", kUngoverned, "", false, chOnly},
    {"groupbox", xcGroupBox, "TSkinGroupBox", true},
    {"advpagecontrol", xcTab, "TSkinAdvPage"},
    {"radiogroup", xcGroupBox},  // per child, then the group
    {"checkgroup", xcPanel},     // per child, then the group
    {"checkbox", xcCheckBox, "TSkinCheckBox"},
};

const TKindRow* FindKind(std::string_view kind) {
  for (const TKindRow& row : kKinds) {
    if (row.Kind == kind) return &row;
  }
  return nullptr;
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Each child gets the glyph skinner (variant `variant`) when its class name contains "TRZ",
// otherwise the plain skinner. A child excluded by its Tag gets none.
std::vector<TChildDecision> GroupChildren(const TControlFacts& facts, std::int64_t disableTag, int variant,
                                          const char* plainSkinner) {
  std::vector<TChildDecision> children;
  children.reserve(facts.Children.size());
  for (const TChildFacts& child : facts.Children) {
    if (child.Tag == disableTag) {
      children.push_back({});
    } else if (Contains(UpperCaseAscii(child.ClassName), "TRZ")) {
      children.push_back({"TSkinObjImage", variant});
    } else {
      children.push_back({plainSkinner, 0});
    }
  }
  return children;
}

}  // namespace

std::optional<std::string> LookupSkin3rdKind(std::span<const std::wstring> rows, std::string_view className) {
  if (className.empty()) return std::nullopt;
  for (const std::wstring& row : rows) {
    if (!RowNamesClass(row, className)) continue;
    const std::wstring_view text = std::wstring_view(row).substr(className.size() + 1, kSkin3rdKindLength);
    std::string kind;
    kind.reserve(text.size());
    for (wchar_t c : text) kind.push_back(c < 0x80 ? LowerAscii(static_cast<char>(c)) : '?');
    return kind;
  }
  return std::nullopt;
}

TControlDecision DecideSkin3rdKind(const std::string& kind, const TControlFacts& facts,
                                   const TDispatchSwitches& switches) {
  TControlDecision d;
  d.Rule = "skin3rd:" + kind;
  const TKindRow* row = FindKind(kind);
  const auto on = [&](int member) { return InSet(switches.SkinControls, member); };
  if (row == nullptr || (row->Governing != kUngoverned && !on(row->Governing))) return d;
  const std::string_view k = row->Kind;
  if (row->Transparent) d.Properties.push_back({"Transparent", "True"});
  d.Skinner = row->Skinner;
  d.OwnsChildren = row->Owns;
  d.Children = row->Children;
  d.Kind = row->SkinnerKind;
  d.ImageProperty = row->Image;
  d.ExtendedCombo = k == "comboboxex";

  if (k == "edit" && !facts.LargerThanClient) d.Skinner.clear();
  if (k == "tab" && !switches.TabsElement) d.Skinner.clear();
  if (k == "bitbtn" && UpperCaseAscii(facts.ClassName) == "TCXBUTTON" &&
      !SameIdentifier(facts.KindProperty, "cxbkDropDownButton")) {
    d.Skinner = "TSkinMenuButton";
  }
  if (k == "embedscrollbar") {
    d.ChildSkinners.reserve(facts.Children.size());
    for (const TChildFacts& child : facts.Children) {
      if (child.Tag == switches.DisableTag) {
        d.ChildSkinners.push_back({});
      } else if (HasKind(child.Kinds, ckScrollBox)) {
        d.ChildSkinners.push_back({"TSkinScControl", 0});
      } else if (HasScrollBars(child.Kinds, child.WindowStyle)) {
        d.ChildSkinners.push_back({"TSkinScrollbar", 0});
      } else {
        d.ChildSkinners.push_back({});
      }
    }
  }
  if (k == "radiogroup" || k == "checkgroup") {
    const bool radio = k == "radiogroup";
    if (on(xcRadioButton)) {
      d.ChildSkinners = GroupChildren(facts, switches.DisableTag, radio ? 2 : 1,
                                      radio ? "TSkinRadioButton" : "TSkinCheckBox");
    }
    if (on(xcGroupBox)) d.Skinner = "TSkinGroupBox";
  }
  return d;
}

}  // namespace varnelta
