#include "skin/data/window_filter.h"

#include "skin/data/wide_ascii.h"

namespace varnelta {
namespace {

TTopWindowVerdict Verdict(bool skin, bool ask, const char* rule) { return {skin, ask, rule}; }

// Classes whose windows are never given a frame: parts of other libraries' popups and renderers,
// and the runtime's hidden application window.
bool ExcludedClass(const std::wstring& cls) {
  return ContainsW(cls, L"TcxPopupEditPopupWindow") || ContainsW(cls, L"TTERenderWindow") ||
         cls == L"TApplication";
}

}  // namespace

TTopWindowVerdict QualifyWindow(const TTopWindowFacts& facts, const TTopWindowSwitches& switches) {
  const bool mdiChild = (facts.ExStyle & kExStyleMDIChild) != 0;
  if (!switches.MassSkinning && (facts.Style & kStyleChild) != 0 && !mdiChild &&
      LowerCaseAsciiW(facts.ParentClassName) == L"mdiclient") {
    return Verdict(false, false, "mdi-client-child");
  }

  if (!facts.HasRuntimeForm && !facts.OwnInstance && facts.ClassName != L"#32770") {
    return Verdict(false, false, "not-ours");
  }
  if (!mdiChild && (facts.Width <= 0 || facts.Height <= 0)) return Verdict(false, false, "zero-size");
  if (facts.HasRuntimeForm && facts.FormTag == kNeverSkinFormTag) return Verdict(false, false, "form-tag-99");
  if (ExcludedClass(facts.ClassName)) return Verdict(false, false, "excluded-class");

  // The window filter; its verdict goes on to the main component, which may change it.
  if (!switches.HasMainComponent) return Verdict(true, false, "no-main-component");
  const std::wstring lower = LowerCaseAsciiW(facts.ClassName);
  if (!InSet(switches.MainOptions, xoPreview) && ContainsW(lower, L"preview")) {
    return Verdict(false, true, "preview");
  }
  if (facts.ClassName == L"#32770" && (facts.Style & kDialogSetForeground) != 0) {
    return Verdict(false, true, "dialog-set-foreground");
  }
  if (lower == L"tpopupdbtreeview") return Verdict(false, true, "tpopupdbtreeview");
  return Verdict(true, true, "filter-passed");
}

std::optional<std::size_t> ChooseComponent(std::span<const TComponentFacts> components, std::uintptr_t window,
                                           const std::wstring& className) {
  const auto last = [&](auto matches) -> std::optional<std::size_t> {
    for (std::size_t i = components.size(); i-- > 0;) {
      if (matches(components[i])) return i;
    }
    return std::nullopt;
  };
  std::optional<std::size_t> chosen = last([&](const TComponentFacts& c) {
    return c.FormType == sfOnlyThisForm && window != 0 && c.OwnerWindow == window;
  });
  const std::wstring lower = LowerCaseAsciiW(className);
  if (!chosen && (lower == L"tmessageform" || lower == L"#32770")) {
    chosen = last([](const TComponentFacts& c) { return c.FormType == sfDialog; });
  }
  if (!chosen) chosen = last([](const TComponentFacts& c) { return c.FormType == sfMainform; });
  if (!chosen && !components.empty()) chosen = 0;
  if (chosen && !components[*chosen].SkinLoaded) return std::nullopt;
  return chosen;
}

bool MenuKindAllowed(int menuKind, TSkinControlTypes skinControls) {
  switch (menuKind) {
    case 0:
      return InSet(skinControls, xcPopupMenu);
    case 1:
      return InSet(skinControls, xcMainMenu) || InSet(skinControls, xcMenuItem);
    case 2:
      return InSet(skinControls, xcSystemMenu);
    default:
      return false;
  }
}

bool DefaultFormSkinVerdict(const std::wstring& className, TSkinControlTypes skinControls, bool verdict) {
  if (className == L"SysMonthCal32") return false;
  if (InSet(skinControls, xcFastReport) && className.starts_with(L"Tfr")) return false;
  return verdict;
}

}  // namespace varnelta
