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

// Which SkinControls member governs a kind; the tab kind also needs the `Tabs` element.
struct TKindRow {
  std::string_view Kind;
  int Governing;  // a TSkinControlType, or -1 for none
};
constexpr int kUngoverned = -1;
constexpr TKindRow kKinds[] = {
    {"nil", kUngoverned},         {"combobox", xcCombo},         {"comboboxex", xcCombo},
    {"edit", xcEdit},             {"radiobutton", xcRadioButton}, {"panel", xcPanel},
    {"trackbar", xcButton},       {"button", xcButton},          {"datetimepicker", xcCombo},
    {"mediaplayer", xcButton},    {"bitbtn", xcButton},          {"pngbitbtn", xcButton},
    {"pngspeedbutton", xcButton}, {"menubtn", xcButton},         {"speedbutton", xcSpeedButton},
    {"tab", xcTab},               {"progress", xcProgress},      {"scrollbar", xcScrollbar},
    {"singlescrollbar", xcScrollbar}, {"embedscrollbar", xcScrollbar}, {"container", kUngoverned},
    {"groupbox", xcGroupBox},     {"advpagecontrol", xcTab},     {"radiogroup", xcGroupBox},
    {"checkgroup", xcPanel},      {"checkbox", xcCheckBox},
};

const TKindRow* FindKind(std::string_view kind) {
  for (const TKindRow& row : kKinds) {
    if (row.Kind == kind) return &row;
  }
  return nullptr;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Each child gets the glyph skinner (variant `variant`) when its class name contains "TRZ",
// otherwise the plain skinner. A child excluded by its Tag gets none.
std::vector<TChildDecision> GroupChildren(const TControlFacts& facts, std::int64_t disableTag,
                                          int variant, const char* plainSkinner) {
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

std::optional<std::string> LookupSkin3rdKind(std::span<const std::wstring> rows,
                                             std::string_view className) {
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

  if (k == "nil") {
    // no skinner
  } else if (k == "combobox") {
    d.Skinner = "TSkinComBox";
  } else if (k == "comboboxex") {
    d.Skinner = "TSkinComBox";
    d.ExtendedCombo = true;
  } else if (k == "edit") {
    if (facts.LargerThanClient) d.Skinner = "TSkinEdit";
  } else if (k == "radiobutton") {
    d.Skinner = "TSkinRadioButton";
  } else if (k == "panel") {
    d.Properties.push_back({"Transparent", "True"});
    d.Skinner = "TSkinBox";
    d.OwnsChildren = true;
  } else if (k == "trackbar") {
    d.Properties.push_back({"Transparent", "True"});
    d.Skinner = "TSkinTrackBar";
  } else if (k == "button") {
    d.Skinner = "TSkinButton";
  } else if (k == "datetimepicker") {
    d.Skinner = "TSkinDateTime";
  } else if (k == "mediaplayer") {
    d.Skinner = "TSkinMP";
  } else if (k == "bitbtn") {
    const bool plainCxButton = UpperCaseAscii(facts.ClassName) == "TCXBUTTON" &&
                               !SameIdentifier(facts.KindProperty, "cxbkDropDownButton");
    d.Skinner = plainCxButton ? "TSkinMenuButton" : "TSkinBitButton";
  } else if (k == "pngbitbtn") {
    d.Skinner = "TSkinBitButton";
    d.ImageProperty = "PngImage";
  } else if (k == "pngspeedbutton") {
    d.Skinner = "TSkinSpeedButton";
    d.ImageProperty = "PngImage";
  } else if (k == "menubtn") {
    d.Skinner = "TSkinMenuButton";
  } else if (k == "speedbutton") {
    d.Skinner = "TSkinSpeedButton";
  } else if (k == "tab") {
    if (switches.TabsElement) d.Skinner = "TSkinTab";
  } else if (k == "progress") {
    d.Skinner = "TSkinProgress";
  } else if (k == "scrollbar") {
    d.Skinner = "TSkinScrollbar";
    d.Children = chAfter;
  } else if (k == "singlescrollbar") {
    d.Skinner = "TSkinScrollbar";
    d.Kind = 1;
  } else if (k == "embedscrollbar") {
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
  } else if (k == "container") {
    d.Children = chOnly;
  } else if (k == "groupbox") {
    d.Skinner = "TSkinGroupBox";
    d.OwnsChildren = true;
  } else if (k == "advpagecontrol") {
    d.Skinner = "TSkinAdvPage";
  } else if (k == "radiogroup" || k == "checkgroup") {
    const bool radio = k == "radiogroup";
    if (on(xcRadioButton)) {
      d.ChildSkinners = GroupChildren(facts, switches.DisableTag, radio ? 2 : 1,
                                      radio ? "TSkinRadioButton" : "TSkinCheckBox");
    }
    if (on(xcGroupBox)) d.Skinner = "TSkinGroupBox";
  } else if (k == "checkbox") {
    d.Skinner = "TSkinCheckBox";
  }
  return d;
}

}  // namespace varnelta
