// The control dispatch of the skin manager: gathers the facts about a control or a plain window,
// asks the pure decision which skinner it gets, and applies the decision (properties, children,
// the skinner made through the registry and started).
#include <string>
#include <vector>

#include "runtime/property.h"
#include "runtime/win_control.h"
#include "skin/controls/skinner_registry.h"
#include "skin/data/control_dispatch.h"
#include "skin/data/control_kinds.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/data/window_dispatch.h"
#include "skin/frame/win_skin_form.h"

namespace varnelta {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::uint32_t WindowStyleOf(const TControl& control) {
  const auto* windowed = dynamic_cast<const TWinControl*>(&control);
  HWND handle = windowed ? windowed->HandleIfAllocated() : nullptr;
  return handle ? static_cast<std::uint32_t>(GetWindowLongPtrW(handle, GWL_STYLE)) : 0;
}

std::string PropertyText(const TControl& control, std::string_view name) {
  std::string text = GetEnumProp(&control, name);
  if (!text.empty()) return text;
  if (auto wide = GetStrProp(&control, name)) return std::string(wide->begin(), wide->end());
  return {};
}

TControlFacts GatherFacts(TControl& control) {
  TControlFacts facts;
  facts.ClassName = control.ClassName();
  facts.Kinds = ControlKindsOfClass(control.ClassInfo());
  facts.WindowStyle = WindowStyleOf(control);
  facts.Tag = static_cast<std::int64_t>(control.Tag());
  facts.HasParent = control.Parent() != nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(&control); windowed && windowed->HandleAllocated()) {
    RECT window{}, client{};
    GetWindowRect(windowed->HandleIfAllocated(), &window);
    GetClientRect(windowed->HandleIfAllocated(), &client);
    facts.LargerThanClient = (window.right - window.left) > client.right || (window.bottom - window.top) > client.bottom;
    for (int i = 0; i < windowed->ControlCount(); ++i) {
      TControl* child = windowed->Controls(i);
      facts.Children.push_back({child->ClassName(), ControlKindsOfClass(child->ClassInfo()), WindowStyleOf(*child),
                                static_cast<std::int64_t>(child->Tag())});
    }
  }
  facts.StyleProperty = PropertyText(control, "Style");
  facts.KindProperty = PropertyText(control, "Kind");
  facts.DateMode = GetOrdProp(&control, "DateMode").value_or(0);
  facts.DateKind = GetOrdProp(&control, "Kind").value_or(0);
  if (auto buttons = GetOrdProp(&control, "NumButtons")) {
    facts.HasNumButtons = true;
    facts.NumButtons = *buttons;
  }
  return facts;
}

// Sets a published property from its text, whatever its kind.
void SetPropertyFromText(TControl& control, const std::string& name, const std::string& text) {
  if (SetEnumProp(&control, name, text)) return;
  if (SetStrProp(&control, name, std::wstring(text.begin(), text.end()))) return;
  try {
    SetOrdProp(&control, name, std::stoll(text));
  } catch (const std::exception&) {
    // Not a number: the property stays as it is.
  }
}

}  // namespace

bool TSkinManage::ApplySkinner(TWinSkinForm& frame, const std::string& skinner, TControl* control, HWND window,
                               bool ownsChildren, const TSkinnerSettings& settings, TDispatchRecord record) {
  record.Skinner = skinner;
  std::unique_ptr<TSkinControl> made = skinner.empty() ? nullptr : CreateSkinner(skinner);
  if (made) {
    made->Configure(settings);
    made->Start(&frame, frame.SkinData(), control, window, ownsChildren, nullptr);
    record.Created = made->State() == scsAttached;
    if (record.Created) frame.AddControl(std::move(made));
  }
  Observe(record);
  return record.Created;
}

void TSkinManage::DispatchForm(TWinSkinForm& frame, TCustomForm& form) {
  frame.PurgeDestroyed();
  DispatchOwned(frame, form);
  TSkinData* data = frame.SkinData();
  std::vector<TWinControl*> list;
  form.GetTabOrderList(list);
  for (TWinControl* control : list) {
    HWND handle = control->HandleIfAllocated();
    if (!handle || (data && control->Tag() == data->DisableTag())) continue;
    if (SendMessageW(handle, kMsgIsSkinned, 0, 0) == 1) continue;
    DispatchControl(frame, *control, &form);
  }
}

void TSkinManage::DispatchOwned(TWinSkinForm& frame, TComponent& owner) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TControl*>(owner.Components(i))) DispatchControl(frame, *control, &owner);
  }
}

void TSkinManage::DispatchChildren(TWinSkinForm& frame, TWinControl& parent) {
  for (int i = 0; i < parent.ControlCount(); ++i) DispatchControl(frame, *parent.Controls(i), &parent);
}

void TSkinManage::DispatchControl(TWinSkinForm& frame, TControl& control, TComponent* form) {
  TSkinData* data = frame.SkinData();
  if (!data) return;
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  TDispatchRecord record;
  record.ControlName = control.Name();
  const std::string upper = Upper(control.ClassName());
  record.ClassName = std::wstring(upper.begin(), upper.end());

  // The skip rules first: a disabled Tag, no parent, a control already skinned.
  TDispatchSwitches switches;
  switches.SkinControls = data->SkinControls();
  switches.DisableTag = data->DisableTag();
  switches.Skin3rd = data->Skin3rd().Items();
  switches.TabsElement = data->Skin().Tabs != nullptr;
  const bool hasHandle = windowed && windowed->HandleAllocated();
  if (control.Tag() != data->DisableTag() && control.Parent() &&
      frame.HasSkinner(hasHandle ? windowed->HandleIfAllocated() : nullptr, &control)) {
    return;
  }
  if (windowed && !windowed->HandleAllocated() && control.Tag() != data->DisableTag() && control.Parent()) {
    try {
      windowed->HandleNeeded();
    } catch (const std::exception&) {
      return;  // no window could be made: the control stays as it is
    }
    if (!windowed->HandleAllocated()) return;
  }

  TControlFacts facts = GatherFacts(control);
  if (data->OnSkinControl && control.Tag() != data->DisableTag() && control.Parent()) {
    TComponent* given = nullptr;
    data->OnSkinControl(&frame, data, form, &control, record.ClassName, given);
    if (given) {
      auto* skinner = dynamic_cast<TSkinControl*>(given);
      const bool fresh = skinner && skinner->State() == scsCreated;
      switches.HostSkinner = fresh ? hsControlSkinner : hsOtherObject;
      if (fresh) {
        // The handler hands over a new skinner; the frame owns it from now on.
        std::unique_ptr<TSkinControl> owned(skinner);
        owned->Start(&frame, data, &control,
                     hasHandle ? windowed->HandleIfAllocated() : nullptr, owned->OwnsChildren(), nullptr);
        record.Skinner = owned->ClassName();
        record.Rule = "host-skinner";
        record.Created = owned->State() == scsAttached;
        frame.AddControl(std::move(owned));
        Observe(record);
        if (windowed && ControlKindsOfClass(control.ClassInfo()) & KindBit(ckPanel)) DispatchChildren(frame, *windowed);
      } else {
        record.Rule = "host-object";
        Observe(record);
      }
      return;
    }
  }

  const TControlDecision decision = DecideControl(facts, switches);
  record.Rule = decision.Rule;
  if (decision.ChildrenGetDisableTag && windowed) {
    for (int i = 0; i < windowed->ControlCount(); ++i) windowed->Controls(i)->SetTag(data->DisableTag());
  }
  if (decision.Rule == "disable-tag" || decision.Rule == "skipped") return;
  for (const TPropertyValue& property : decision.Properties) SetPropertyFromText(control, property.Name, property.Value);
  if (decision.ColourBandsButtonFace) control.SetColor(data->Skin().Colours[kColourButtonFace]);

  if (windowed) {
    for (std::size_t i = 0; i < decision.ChildSkinners.size() && i < static_cast<std::size_t>(windowed->ControlCount()); ++i) {
      const TChildDecision& child = decision.ChildSkinners[i];
      TControl* target = windowed->Controls(static_cast<int>(i));
      TDispatchRecord childRecord;
      childRecord.ControlName = target->Name();
      const std::string childUpper = Upper(target->ClassName());
      childRecord.ClassName = std::wstring(childUpper.begin(), childUpper.end());
      childRecord.Rule = decision.Rule + " child";
      if (child.Skinner.empty()) {
        Observe(childRecord);
        continue;
      }
      auto* childWindowed = dynamic_cast<TWinControl*>(target);
      TSkinnerSettings childSettings;
      childSettings.Variant = child.Variant;
      ApplySkinner(frame, child.Skinner, target, childWindowed ? childWindowed->HandleIfAllocated() : nullptr, false,
                   childSettings, childRecord);
    }
    if (decision.Children == chBefore || decision.Children == chOnly) DispatchChildren(frame, *windowed);
  }
  TSkinnerSettings settings{decision.Kind, decision.ExtendedCombo, decision.ImageProperty, decision.Variant};
  HWND handle = windowed ? windowed->HandleIfAllocated() : nullptr;
  if (decision.Children != chOnly) {
    ApplySkinner(frame, decision.Skinner, decision.AttachByHandle ? nullptr : &control, handle,
                 decision.OwnsChildren, settings, record);
  } else {
    Observe(record);
  }
  if (decision.Children == chAfter && windowed) DispatchChildren(frame, *windowed);
  if (decision.Children == chOwned) DispatchOwned(frame, control);
}

void TSkinManage::DispatchChildWindows(TWinSkinForm& frame, HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) DispatchWindow(frame, child);
  }
}

void TSkinManage::DispatchWindow(TWinSkinForm& frame, HWND window) {
  TSkinData* data = frame.SkinData();
  if (!window || !data) return;
  for (const auto& skinner : frame.Controls()) {
    if (skinner->Handle() == window && skinner->State() == scsAttached) return;
  }
  TWindowFacts facts;
  facts.ClassName = WindowClassName(window);
  facts.Style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
  TWinControl* control = FindControl(window);
  facts.HasRuntimeControl = control != nullptr;
  const TWindowDecision decision = DecideWindow(facts, data->SkinControls());
  TDispatchRecord record;
  record.Window = window;
  record.ClassName = facts.ClassName;
  record.Rule = decision.Rule;
  if (decision.ChildWindowsFirst) DispatchChildWindows(frame, window);
  if (decision.ControlColourButtonFace && control) control->SetColor(data->Skin().Colours[kColourButtonFace]);
  HWND target = decision.AttachToTopmostChild ? GetWindow(window, GW_CHILD) : window;
  if (decision.Skinner.empty() || !target) {
    Observe(record);
    return;
  }
  ApplySkinner(frame, decision.Skinner, nullptr, target, false, TSkinnerSettings{}, record);
}

}  // namespace varnelta
