#include "skin/data/window_dispatch.h"

#include "skin/data/wide_ascii.h"

namespace varnelta {
namespace {

constexpr std::uint32_t kStyleNoSizer = 0x10000;    // a scroll bar or dialog with it gets nothing
constexpr std::uint32_t kStyleTabButtons = 0x2000;  // a tab control drawn as buttons

bool AllBits(std::uint32_t style, std::uint32_t bits) { return (style & bits) == bits; }
bool AnyBit(std::uint32_t style, std::uint32_t bits) { return (style & bits) != 0; }

TWindowDecision Decided(const char* rule, const char* skinner = "") {
  TWindowDecision d;
  d.Rule = rule;
  d.Skinner = skinner;
  return d;
}

// A standard button that is not owner-drawn, by its style's button type.
TWindowDecision DecideButton(std::uint32_t style, TSkinControlTypes skinControls) {
  const auto when = [&](int member, const char* skinner) {
    return InSet(skinControls, member) ? skinner : "";
  };
  if (AllBits(style, 0x7) || AnyBit(style, 0x80)) return Decided("button:plain");
  if (AllBits(style, 0x3) || AnyBit(style, 0x2) || AllBits(style, 0x5)) {
    return Decided("button:checkbox", when(xcCheckBox, "TSkinCheckBox"));
  }
  if (AllBits(style, 0x9) || AnyBit(style, 0x4)) {
    return Decided("button:radiobutton", when(xcRadioButton, "TSkinRadioButton"));
  }
  return Decided("button:push", when(xcButton, "TSkinButton"));
}

}  // namespace

TWindowDecision DecideWindow(const TWindowFacts& facts, TSkinControlTypes skinControls) {
  const std::wstring cls =
      LowerCaseAsciiW(std::wstring_view(facts.ClassName).substr(0, kWindowClassBuffer - 1));
  const std::uint32_t style = facts.Style;
  const auto on = [&](int member) { return InSet(skinControls, member); };

  if (cls == L"button" && !AllBits(style, 0xB)) return DecideButton(style, skinControls);

  // The table rows in order; a row whose condition fails lets the later rows try.
  if (cls == L"combobox" && on(xcCombo)) {
    // A simple combo box (its list always shown) keeps the system's look.
    return Decided("combobox", (style & 0x3) == 1 ? "" : "TSkinComBox");
  }
  if (cls == L"comboboxex32" && on(xcCombo)) {
    TWindowDecision d = Decided("comboboxex32", "TSkinComBox");
    d.AttachToTopmostChild = true;
    return d;
  }
  if (cls == L"scrollbar" && !AnyBit(style, kStyleNoSizer)) return Decided("scrollbar", "TSkinSizer");
  if (cls == L"systreeview32") return Decided("systreeview32");
  if (cls == L"#32770" && !AnyBit(style, kStyleNoSizer)) {
    TWindowDecision d = Decided("#32770", "TSkinBoxH");
    d.ChildWindowsFirst = true;
    return d;
  }
  if (cls == L"tpanel" || cls == L"ttntpanel.unicodeclass" || cls == L"ttntsilentpaintpanel.unicodeclass") {
    TWindowDecision d = Decided("tpanel");
    d.ChildWindowsFirst = true;
    d.ControlColourButtonFace = facts.HasRuntimeControl;
    return d;
  }
  if (cls == L"tcheckbox" && on(xcCheckBox)) return Decided("tcheckbox", "TSkinCheckBox");
  if (cls == L"tcombobox" && on(xcCombo)) return Decided("tcombobox", "TSkinComBox");
  if (cls == L"tbutton" && on(xcButton)) return Decided("tbutton", "TSkinButton");
  if (cls == L"tprogressbar") return Decided("tprogressbar", "TSkinProgress");
  if (cls == L"tsilentpaintpanel") {
    TWindowDecision d = Decided("tsilentpaintpanel");
    d.ControlColourButtonFace = facts.HasRuntimeControl;
    return d;
  }
  if (cls == L"systabcontrol32" && on(xcTab) && !AnyBit(style, kStyleTabButtons)) {
    return Decided("systabcontrol32", "TSkinTab");
  }
  if (cls == L"toolbarwindow32") return Decided("toolbarwindow32", "TSkinBoxH");
  if (cls == L"edit" && on(xcEdit)) return Decided("edit", "TSkinEdit");
  return Decided("no row");
}

}  // namespace varnelta
