// Which top-level windows are skinned, by which component, and which menus.
#include "skin/data/window_filter.h"

#include <gtest/gtest.h>

namespace varnelta {
namespace {

TTopWindowFacts Form(const wchar_t* cls) {
  return {.ClassName = cls, .Width = 300, .Height = 200, .HasRuntimeForm = true};
}

TEST(WindowFilterTest, QualificationThenFilter) {
  const TTopWindowSwitches withMain{.HasMainComponent = true};
  TTopWindowSwitches noPreview = withMain;
  noPreview.MainOptions = 0;
  TTopWindowFacts mdiClientChild = Form(L"TChild");
  mdiClientChild.Style = kStyleChild;
  mdiClientChild.ParentClassName = L"MDIClient";
  TTopWindowFacts mdiChild = mdiClientChild;
  mdiChild.ExStyle = kExStyleMDIChild;
  mdiChild.Width = 0;
  TTopWindowFacts foreign = Form(L"TOther");
  foreign.HasRuntimeForm = false;
  TTopWindowFacts ownInstance = foreign;
  ownInstance.OwnInstance = true;
  TTopWindowFacts dialog = foreign;
  dialog.ClassName = L"#32770";
  TTopWindowFacts foregroundDialog = dialog;
  foregroundDialog.Style = kDialogSetForeground;
  TTopWindowFacts flat = Form(L"TForm1");
  flat.Height = 0;
  TTopWindowFacts tagged = Form(L"TForm1");
  tagged.FormTag = 99;

  struct Case {
    const char* Name;
    TTopWindowFacts Facts;
    TTopWindowSwitches Switches;
    bool Skin, Ask;
    const char* Rule;
  } cases[] = {
      {"MDI client's child", mdiClientChild, withMain, false, false, "mdi-client-child"},
      {"MDI client's child while skinning all", mdiClientChild, {true, true}, true, true, "filter-passed"},
      {"MDI child of zero size", mdiChild, withMain, true, true, "filter-passed"},
      {"another module's window", foreign, withMain, false, false, "not-ours"},
      {"own instance", ownInstance, withMain, true, true, "filter-passed"},
      {"system dialog", dialog, withMain, true, true, "filter-passed"},
      {"zero height", flat, withMain, false, false, "zero-size"},
      {"form Tag 99", tagged, withMain, false, false, "form-tag-99"},
      {"popup edit window", Form(L"TcxPopupEditPopupWindowX"), withMain, false, false, "excluded-class"},
      {"renderer", Form(L"TTERenderWindow"), withMain, false, false, "excluded-class"},
      {"application window", Form(L"TApplication"), withMain, false, false, "excluded-class"},
      {"application-like name", Form(L"TApplicationX"), withMain, true, true, "filter-passed"},
      {"no main component", Form(L"TPreviewForm"), {}, true, false, "no-main-component"},
      {"preview with xoPreview", Form(L"TPreviewForm"), withMain, true, true, "filter-passed"},
      {"preview without xoPreview", Form(L"TPreviewForm"), noPreview, false, true, "preview"},
      {"dialog set to the foreground", foregroundDialog, withMain, false, true, "dialog-set-foreground"},
      {"tree view popup", Form(L"TPopupDBTreeView"), withMain, false, true, "tpopupdbtreeview"},
  };
  for (const Case& c : cases) {
    const TTopWindowVerdict v = QualifyWindow(c.Facts, c.Switches);
    EXPECT_EQ(v.Skin, c.Skin) << c.Name;
    EXPECT_EQ(v.AskComponent, c.Ask) << c.Name;
    EXPECT_EQ(v.Rule, c.Rule) << c.Name;
  }
}

TEST(WindowFilterTest, ComponentChoice) {
  const TComponentFacts mainLoaded{sfMainform, 0, true}, mainEmpty{sfMainform, 0, false};
  const TComponentFacts dialogLoaded{sfDialog, 0, true}, onlyForm{sfOnlyThisForm, 0x10, true};
  const TComponentFacts otherForm{sfOnlyThisForm, 0x20, true}, dll{sfDLL, 0, true};
  struct Case {
    const char* Name;
    std::vector<TComponentFacts> Components;
    std::uintptr_t Window;
    const wchar_t* ClassName;
    std::optional<std::size_t> Chosen;
  } cases[] = {
      {"the form's own component", {mainLoaded, onlyForm, otherForm, onlyForm}, 0x10, L"TForm2", 3},
      {"another form's component is not used", {dll, otherForm}, 0x10, L"TForm2", 0},
      {"dialog component for a message box", {mainLoaded, dialogLoaded, dialogLoaded}, 0x30, L"#32770", 2},
      {"dialog component for a runtime message form", {dialogLoaded, mainLoaded}, 0x30, L"TMessageForm", 0},
      {"dialog component not for a form", {dialogLoaded, mainLoaded}, 0x30, L"TForm2", 1},
      {"last main component", {mainEmpty, dll, mainLoaded}, 0x30, L"TForm2", 2},
      {"first component otherwise", {dll, dialogLoaded}, 0x30, L"TForm2", 0},
      {"chosen without a skin: none", {mainLoaded, mainEmpty}, 0x30, L"TForm2", std::nullopt},
      {"none registered", {}, 0x30, L"TForm2", std::nullopt},
      {"no window matches no owner", {onlyForm, {sfOnlyThisForm, 0, true}}, 0, L"TForm2", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseComponent(c.Components, c.Window, c.ClassName), c.Chosen) << c.Name;
}

TEST(WindowFilterTest, MenuKindsAndTheComponentsOwnVerdict) {
  struct MenuCase {
    int Kind;
    TSkinControlTypes Set;
    bool Allowed;
  } menus[] = {
      {0, SkinBit(xcPopupMenu), true},   {0, SkinBit(xcMainMenu) | SkinBit(xcSystemMenu), false},
      {1, SkinBit(xcMainMenu), true},    {1, SkinBit(xcMenuItem), true},
      {1, SkinBit(xcPopupMenu), false},  {2, SkinBit(xcSystemMenu), true},
      {2, SkinBit(xcMainMenu), false},   {3, kAllSkinControlTypes, false},
  };
  for (const MenuCase& m : menus) EXPECT_EQ(MenuKindAllowed(m.Kind, m.Set), m.Allowed) << m.Kind << " " << m.Set;

  struct VerdictCase {
    const wchar_t* ClassName;
    TSkinControlTypes Set;
    bool In, Out;
  } verdicts[] = {
      {L"SysMonthCal32", kAllSkinControlTypes, true, false},
      {L"sysmonthcal32", kAllSkinControlTypes, true, true},
      {L"TfrDesignerForm", kAllSkinControlTypes, true, false},
      {L"TfrDesignerForm", kDefaultSkinControls, true, true},
      {L"TFRDesignerForm", kAllSkinControlTypes, true, true},
      {L"TForm1", kAllSkinControlTypes, false, false},
  };
  for (const VerdictCase& v : verdicts) {
    EXPECT_EQ(DefaultFormSkinVerdict(v.ClassName, v.Set, v.In), v.Out) << "case " << (&v - verdicts);
  }
}

}  // namespace
}  // namespace varnelta
