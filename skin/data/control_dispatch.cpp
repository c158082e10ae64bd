#include "skin/data/control_dispatch.h"

#include <optional>

#include "runtime/property.h"
#include "skin/data/skin3rd.h"
#include "skin/data/skin_ini.h"

namespace varnelta {
namespace {

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The built-in rules read the facts through this view: class name upper-cased once.
class TRuleInput {
 public:
  TRuleInput(const TControlFacts& facts, const TDispatchSwitches& switches, std::string className)
      : f(facts), s(switches), cls(std::move(className)) {}

  bool Is(TControlKind kind) const { return HasKind(f.Kinds, kind); }
  bool On(TSkinControlType member) const { return InSet(s.SkinControls, member); }
  bool TabsOn() const { return On(xcTab) && s.TabsElement; }
  bool Named(std::string_view name) const { return cls == name; }
  bool Named(std::string_view a, std::string_view b) const { return cls == a || cls == b; }

  const TControlFacts& f;
  const TDispatchSwitches& s;
  const std::string cls;
};

TControlDecision Take(int rule, std::string skinner = {}) {
  TControlDecision d;
  d.Skinner = std::move(skinner);
  d.Rule = "rule " + std::to_string(rule);
  return d;
}

TControlDecision TakeOwning(int rule, std::string skinner, TChildDispatch children) {
  TControlDecision d = Take(rule, std::move(skinner));
  d.OwnsChildren = true;
  d.Children = children;
  return d;
}

TControlDecision TakeChildren(int rule, std::string skinner, TChildDispatch children) {
  TControlDecision d = Take(rule, std::move(skinner));
  d.Children = children;
  return d;
}

TControlDecision TakeVariant(int rule, int variant) {
  TControlDecision d = Take(rule, "TSkinObjImage");
  d.Variant = variant;
  return d;
}

// Rules 1 to 20.
std::optional<TControlDecision> FirstRules(const TRuleInput& in) {
  if ((in.Is(ckTabControl) || in.Is(ckPageControl)) && in.TabsOn()) {
    if (!in.Is(ckPageControl)) return Take(1, "TSkinTab");
    // A page control's tab style: tabs get the tab skinner in page mode, buttons the other.
    if (!SameIdentifier(in.f.StyleProperty, "tsTabs")) return Take(1, "TSkinTabBtn");
    TControlDecision d = Take(1, "TSkinTab");
    d.Kind = 2;
    return d;
  }
  if (in.Is(ckCarriesMenu) && in.s.MenuSkinning) {
    TControlDecision d = Take(2);
    d.MenuToMenuSkinning = true;
    return d;
  }
  if (in.Is(ckCoolBar) && in.On(xcToolbar)) {
    TControlDecision d = Take(3);
    d.ColourBandsButtonFace = true;
    return d;
  }
  if (in.Named("TTABSET") && in.TabsOn()) return Take(4, "TSkinTab31");
  if (in.Is(ckTabSheet) && in.TabsOn()) return Take(5, "TSkinTabSheet");
  if (in.Named("TTABBEDNOTEBOOK") && in.TabsOn()) return Take(6, "TSkinTab");
  if (in.Named("TMVCPANEL")) return TakeChildren(7, {}, chOnly);
  if (in.Is(ckStyledTabControl) && in.TabsOn()) {
    return Take(8, SameIdentifier(in.f.StyleProperty, "tsTabs") ? "TSkinTab" : "TSkinTabBtn");
  }
  if (in.Is(ckHeader) && in.On(xcPanel)) return Take(9, "TSkinHeader");
  if (in.Is(ckCheckBox) && in.On(xcCheckBox)) return Take(10, "TSkinCheckBox");
  if (in.Is(ckTrackBar) && in.On(xcTrackBar)) return Take(11, "TSkinTrackBar");
  if (in.Named("TUPDOWN", "TSPINBUTTON") && in.On(xcSpin)) return Take(12, "TSkinUpDown");
  if (in.Named("TMEDIAPLAYER") && in.On(xcButton)) return Take(13, "TSkinMP");
  if (in.Is(ckRadioGroup) && in.On(xcRadioButton)) {
    TControlDecision d = TakeOwning(14, "TSkinGroupBox", chNone);
    d.ChildSkinners.reserve(in.f.Children.size());
    for (const TChildFacts& child : in.f.Children) {
      d.ChildSkinners.push_back(child.Tag == in.s.DisableTag ? TChildDecision{}
                                                             : TChildDecision{"TSkinRadioButton", 0});
    }
    return d;
  }
  if (in.Named("TDBNAVIGATOR") && in.On(xcPanel)) return TakeOwning(15, "TSkinBox", chAfter);
  if (in.Named("TRZCHECKBOX", "TRZDBCHECKBOX") && in.On(xcCheckBox)) return TakeVariant(16, 1);
  if (in.Named("TRZRADIOBUTTON", "TRZDBRADIOBUTTON") && in.On(xcRadioButton)) return TakeVariant(17, 2);
  if (in.Named("TCXCHECKBOX", "TCXDBCHECKBOX") && in.On(xcCheckBox)) return TakeVariant(18, 3);
  if (in.Is(ckGroupBox) && in.On(xcPanel)) return TakeChildren(19, "TSkinGroupBox", chBefore);
  if (in.Is(ckRadioButton) && in.On(xcRadioButton)) return Take(20, "TSkinRadioButton");
  return std::nullopt;
}

// Rules 21 to 42.
std::optional<TControlDecision> LaterRules(const TRuleInput& in) {
  if (in.Is(ckToolBar) && in.On(xcToolbar)) {
    TControlDecision d = Take(21, "TSkinBox");
    d.Properties.push_back({"Flat", "True"});
    d.InstallToolbarHandlers = true;
    d.MenuItemsToMenuSkinning = true;
    return d;
  }
  if (in.Is(ckStatusBar) && in.On(xcStatusBar)) return Take(22, "TSkinStatusBar");
  if (in.Is(ckProgressBar) && in.On(xcProgress)) return Take(23, "TSkinProgress");
  if (in.Is(ckScrollBox) && in.On(xcScrollbar)) return Take(24, "TSkinScControl");
  if (in.Named("TTNTCOMBOBOX") && in.On(xcCombo)) return Take(25, "TSkinComBox");
  if (in.Is(ckComboBox) && in.On(xcCombo)) return Take(26, "TSkinComBox");
  if (in.Is(ckDateTimePicker) && in.On(xcEdit)) {
    // Up-down mode or the time kind: a plain edit look.
    return Take(27, in.f.DateMode == 1 || in.f.DateKind == 1 ? "TSkinEdit" : "TSkinDateTime");
  }
  if (in.Named("TRICHEDIT") && in.On(xcScrollbar)) return Take(28, "TSkinScrollbar");
  if (in.Named("TWWDBRICHEDIT", "TDXDBMEMO") && in.On(xcScrollbar)) return Take(29, "TSkinScrollbar");
  // A bit button never falls back to the plain button skinner.
  if (in.Is(ckBitButton)) return Take(30, in.On(xcBitBtn) ? "TSkinBitButton" : "");
  if (in.Is(ckSpeedButton) && in.On(xcSpeedButton)) return Take(31, "TSkinSpeedButton");
  if (in.Is(ckPanel) && in.On(xcPanel)) return TakeOwning(32, "TSkinBox", chBefore);
  if ((in.Named("TDXTREELIST", "TDXDBTREELIST") || in.Named("TDXDBGRID")) && in.On(xcScrollbar)) {
    return Take(33, "TSkinScrollbar");
  }
  if (in.Is(ckListView) && in.On(xcScrollbar)) return Take(34, "TSkinListView");
  if (in.Is(ckMemo) && in.On(xcScrollbar)) return Take(35, "TSkinScrollbar");
  if (in.Is(ckScrollingControl) && in.On(xcScrollbar)) return Take(36, "TSkinScrollbar");
  if (HasScrollBars(in.f.Kinds, in.f.WindowStyle) && in.On(xcScrollbar)) return Take(37, "TSkinScrollbar");
  if (in.Is(ckPushButton) && in.On(xcButton)) return Take(38, "TSkinButton");
  if (in.Is(ckEdit) && in.On(xcEdit)) return Take(39, "TSkinEdit");
  const bool dcEdit = in.Named("TDCEDIT", "TDCDBEDIT");
  if (!dcEdit && in.Is(ckFrame)) return TakeChildren(40, {}, chOwned);
  if (!dcEdit && in.Is(ckEmbeddedForm)) return TakeOwning(41, "TSkinBox", chOwned);
  if (dcEdit && in.f.HasNumButtons) {
    if (in.f.NumButtons == 1 && in.On(xcCombo)) return Take(42, "TSkinComBox");
    if (in.f.NumButtons == 0 && in.On(xcEdit)) {
      TControlDecision d = Take(42, "TSkinEdit");
      d.AttachByHandle = true;
      return d;
    }
  }
  return std::nullopt;
}

}  // namespace

bool HasScrollBars(TControlKinds kinds, std::uint32_t windowStyle) {
  return (HasKind(kinds, ckWindowed) && (windowStyle & (kStyleHScroll | kStyleVScroll)) != 0) ||
         HasKind(kinds, ckMemo);
}

TControlDecision DecideControl(const TControlFacts& facts, const TDispatchSwitches& switches) {
  std::string className = UpperCaseAscii(facts.ClassName);

  if (facts.Tag == switches.DisableTag) {
    TControlDecision d;
    d.Rule = "disable-tag";
    // The buttons of an excluded radio or check group stay unskinned too.
    const std::string lower = LowerCaseAscii(className);
    d.ChildrenGetDisableTag = HasKind(facts.Kinds, ckWindowed) && !facts.Children.empty() &&
                              (Contains(lower, "radiogroup") || Contains(lower, "checkgroup"));
    return d;
  }
  if (!facts.HasParent || facts.AlreadySkinned) {
    TControlDecision d;
    d.Rule = "skipped";
    return d;
  }

  if (switches.HostSkinner != hsNone) {
    TControlDecision d;
    if (switches.HostSkinner == hsControlSkinner) {
      d.UseHostSkinner = true;
      if (HasKind(facts.Kinds, ckPanel)) d.Children = chAfter;
      d.Rule = "host-skinner";
    } else {
      d.Rule = "host-object";
    }
    return d;
  }

  if (const auto kind = LookupSkin3rdKind(switches.Skin3rd, className); kind && !kind->empty()) {
    return DecideSkin3rdKind(*kind, facts, switches);
  }

  if (className == "TDBCOMBOBOXEH" || className == "TFRDESIGNERPAGE" || className == "TFRPBOX") {
    TControlDecision d;
    d.Rule = "excluded";
    return d;
  }

  const TRuleInput input(facts, switches, std::move(className));
  if (auto d = FirstRules(input)) return std::move(*d);
  if (auto d = LaterRules(input)) return std::move(*d);
  TControlDecision none;
  none.Rule = "no rule";
  return none;
}

}  // namespace varnelta
