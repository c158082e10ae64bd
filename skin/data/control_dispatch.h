// The control dispatch as a pure decision: which control skinner one control of a skinned form
// gets, and what happens around it. The frame skinner's side gathers the facts about the control
// (its class, the kinds its class belongs to, window style, Tag, a few published properties and
// its children), calls DecideControl and applies the decision: it sets the listed properties,
// applies the per-child decisions, dispatches the children or the owned components as the
// decision says, and creates the named skinner through the skinner registry.
//
// Order of application, when a decision carries several parts:
//   1. `Properties` are set on the control; `InstallToolbarHandlers` installs the tool bar's
//      background and button handlers (each only when the control has none of its own);
//      `ColourBandsButtonFace` and `ChildrenGetDisableTag` are applied;
//   2. `ChildSkinners` (one entry per child of the facts, in child order), then, with
//      `Children` == chBefore or chOnly, every child is dispatched;
//   3. the skinner named by `Skinner` (or the handler-supplied one, `UseHostSkinner`) is
//      created and started, by control or by window handle, with `OwnsChildren`;
//   4. with chAfter the children are dispatched, with chOwned the owned components;
//   5. `MenuToMenuSkinning` / `MenuItemsToMenuSkinning` hand the control's menu to menu skinning.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/skin_types.h"

namespace varnelta {

// The kinds of control the rules name. Which runtime classes belong to a kind is decided where
// the facts are gathered (see control_kinds.h for the runtime's own classes).
enum TControlKind : int {
  ckTabControl,        // the common-controls tab control
  ckPageControl,       // a tab control with pages
  ckTabSheet,          // one page of a page control
  ckStyledTabControl,  // another tab control that publishes "Style"
  ckHeader,
  ckCheckBox,
  ckTrackBar,
  ckRadioGroup,
  ckGroupBox,
  ckRadioButton,
  ckToolBar,
  ckCoolBar,
  ckStatusBar,  // the common-controls status bar (not a panel holding status panes)
  ckProgressBar,
  ckScrollBox,
  ckComboBox,  // the runtime's custom combo box and descendants
  ckDateTimePicker,
  ckBitButton,
  ckSpeedButton,
  ckPanel,  // the runtime's custom panel and descendants
  ckListView,
  ckMemo,  // the runtime's custom memo and descendants
  ckScrollingControl,
  ckPushButton,  // the runtime's button and descendants
  ckEdit,        // the runtime's custom edit and descendants
  ckFrame,
  ckEmbeddedForm,  // a form placed inside another control
  ckWindowed,      // has (or can have) a window of its own
  ckCarriesMenu,   // a control that shows a menu of its own
};
using TControlKinds = std::uint32_t;

constexpr TControlKinds KindBit(TControlKind kind) { return TControlKinds{1} << kind; }
constexpr bool HasKind(TControlKinds kinds, TControlKind kind) { return (kinds & KindBit(kind)) != 0; }

// Window style bits the rules read.
inline constexpr std::uint32_t kStyleHScroll = 0x100000;  // WS_HSCROLL
inline constexpr std::uint32_t kStyleVScroll = 0x200000;  // WS_VSCROLL

// One child of the control, for the rules that decide per child.
struct TChildFacts {
  std::string ClassName{};  // runtime class name, any letter case
  TControlKinds Kinds = 0;
  std::uint32_t WindowStyle = 0;
  std::int64_t Tag = 0;
};

struct TControlFacts {
  std::string ClassName{};  // runtime class name, any letter case (compared upper-cased)
  TControlKinds Kinds = 0;
  std::uint32_t WindowStyle = 0;
  bool LargerThanClient = false;  // the window is larger than its client area (has a border)
  std::int64_t Tag = 0;
  bool HasParent = true;
  bool AlreadySkinned = false;  // answers the probe, or already has a skinner on this form
  // Published properties the rules read (identifiers as the runtime writes them).
  std::string StyleProperty{};  // "Style": a tab control's or page control's tab style
  std::string KindProperty{};   // "Kind"
  std::int64_t DateMode = 0;    // a date-time picker's "DateMode" (1: up-down)
  std::int64_t DateKind = 0;    // a date-time picker's "Kind" (1: time)
  bool HasNumButtons = false;
  std::int64_t NumButtons = 0;
  std::vector<TChildFacts> Children{};
};

// What an OnSkinControl handler gave back.
enum THostSkinner : int {
  hsNone,            // no handler, or it gave nothing: the dispatch goes on
  hsControlSkinner,  // a control skinner not yet registered with this frame skinner
  hsOtherObject,     // anything else (or a skinner already registered): the control is left alone
};

struct TDispatchSwitches {
  TSkinControlTypes SkinControls = kDefaultSkinControls;
  std::int64_t DisableTag = kDefaultDisableTag;
  std::span<const std::wstring> Skin3rd;  // the component's rows "ClassName=kind", kept alive by the caller
  bool TabsElement = false;               // the skin has a `Tabs` element
  bool MenuSkinning = false;              // the frame skinner skins menus
  THostSkinner HostSkinner = hsNone;
};

// How the children (or owned components) are dispatched around the skinner.
enum TChildDispatch : int {
  chNone,
  chBefore,  // DispatchChildren, then the skinner
  chAfter,   // the skinner, then DispatchChildren
  chOnly,    // DispatchChildren and no skinner
  chOwned,   // the skinner (if any), then DispatchOwned
};

struct TChildDecision {
  std::string Skinner;  // empty: none
  int Variant = 0;      // TSkinObjImage: 1 check glyphs, 2 radio glyphs
  friend bool operator==(const TChildDecision&, const TChildDecision&) = default;
};

struct TPropertyValue {
  std::string Name;
  std::string Value;
  friend bool operator==(const TPropertyValue&, const TPropertyValue&) = default;
};

struct TControlDecision {
  std::string Skinner;  // skinner class name ("TSkinButton"); empty: none
  bool OwnsChildren = false;
  int Kind = 0;  // the skinner's FKind: 2 for a page control's tabs, 1 for a single scroll bar
  bool ExtendedCombo = false;
  std::string ImageProperty;  // the graphic property the glyph comes from ("PngImage")
  int Variant = 0;            // TSkinObjImage: 1 check glyphs, 2 radio glyphs, 3 "Properties" glyph
  bool AttachByHandle = false;
  TChildDispatch Children = chNone;
  std::vector<TChildDecision> ChildSkinners;  // empty, or one per child of the facts
  std::vector<TPropertyValue> Properties;     // set before the skinner starts
  bool ColourBandsButtonFace = false;         // each cool bar band gets Colours[ButtonFace]
  bool MenuToMenuSkinning = false;            // the control's menu goes to menu skinning
  bool MenuItemsToMenuSkinning = false;       // each item of its menu, if it has one
  bool InstallToolbarHandlers = false;
  bool ChildrenGetDisableTag = false;  // each child's Tag becomes DisableTag
  bool UseHostSkinner = false;         // start the skinner the OnSkinControl handler gave
  // The step or rule that decided: "disable-tag", "skipped", "host-skinner", "host-object",
  // "skin3rd:<kind>", "excluded", "rule 1" ... "rule 42", "no rule".
  std::string Rule;
};

// A windowed control with a scroll bar style, or a memo.
bool HasScrollBars(TControlKinds kinds, std::uint32_t windowStyle);

// The dispatch of one control: the first step or rule that applies decides.
TControlDecision DecideControl(const TControlFacts& facts, const TDispatchSwitches& switches);

}  // namespace varnelta
