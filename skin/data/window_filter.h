// Which top-level windows the skin manager skins, as pure decisions: the qualification of a
// window and the window filter, the choice of the skin component that skins it, the menu kinds
// a component allows, and a component's own verdict when no OnFormSkin handler is assigned.
// The manager's side gathers the facts (class names, styles, size, the runtime form) and acts.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "skin/data/skin_types.h"

namespace varnelta {

inline constexpr std::uint32_t kStyleChild = 0x40000000;      // WS_CHILD
inline constexpr std::uint32_t kExStyleMDIChild = 0x40;       // WS_EX_MDICHILD
inline constexpr std::uint32_t kDialogSetForeground = 0x200;  // DS_SETFOREGROUND

struct TTopWindowFacts {
  std::wstring ClassName{};
  std::wstring ParentClassName{};  // of the parent window, when there is one
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
  int Width = 0;  // of the window rectangle
  int Height = 0;
  bool HasRuntimeForm = false;  // FindForm found a runtime form (or control) for the window
  std::int64_t FormTag = 0;     // that form's Tag
  bool OwnInstance = false;     // the window belongs to the program's own instance
};

struct TTopWindowSwitches {
  bool MassSkinning = false;                       // an action skins all forms at once
  bool HasMainComponent = false;                   // the manager has a main component
  TSkinOptions MainOptions = kDefaultSkinOptions;  // that component's Options
};

struct TTopWindowVerdict {
  // With AskComponent false: whether the window is skinned. With AskComponent true: the
  // verdict so far, which the main component's CheckFormSkin receives and may change; its
  // answer decides.
  bool Skin = false;
  bool AskComponent = false;
  // What decided: "mdi-client-child", "not-ours", "zero-size", "form-tag-99", "excluded-class",
  // "no-main-component", "preview", "dialog-set-foreground", "tpopupdbtreeview", "filter-passed".
  std::string Rule;
};

// What SkinWindow checks before it chooses a component, in this order: a child of an MDI client
// is left alone unless all forms are being skinned; the window must be ours (a runtime form,
// our instance or a system dialog), not empty (but an MDI child may be), not a form with Tag 99
// and not of an excluded class; then the window filter.
TTopWindowVerdict QualifyWindow(const TTopWindowFacts& facts, const TTopWindowSwitches& switches);

// One registered skin component, as the choice reads it.
struct TComponentFacts {
  TSkinFormType FormType = sfMainform;
  std::uintptr_t OwnerWindow = 0;  // the window of the form that owns it; 0 when none
  bool SkinLoaded = false;
};

// The component (index in registration order) that skins a window: the last sfOnlyThisForm one
// owned by that window, else for a dialog the last sfDialog one, else the last sfMainform one,
// else the first. The chosen component must have its skin loaded; otherwise none is used (the
// choice does not move on to another component). No value: no skinner is made.
std::optional<std::size_t> ChooseComponent(std::span<const TComponentFacts> components, std::uintptr_t window,
                                           const std::wstring& className);

// Menu kinds: 0 popup, 1 menu bar, 2 system menu.
bool MenuKindAllowed(int menuKind, TSkinControlTypes skinControls);

// CheckFormSkin's own rule without an OnFormSkin handler: the verdict becomes false for the
// month calendar and, with xcFastReport, for the report designer's windows; else it stays.
bool DefaultFormSkinVerdict(const std::wstring& className, TSkinControlTypes skinControls, bool verdict);

}  // namespace varnelta
