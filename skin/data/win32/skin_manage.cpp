#include "skin/data/win32/skin_manage.h"

#include <algorithm>
#include <array>

#include "runtime/class_registry.h"
#include "runtime/win_control.h"
#include "skin/controls/control_skinners.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_environment.h"
#include "skin/data/win32/skin_platform.h"
#include "skin/data/window_filter.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_popmenu.h"

namespace varnelta {

// ---------------------------------------------------------------------------------------------
// The window-creation hook. A hook procedure gets no pointer of its own, so each installed hook
// has a slot with a procedure of its own that knows its manager (the program's manager and, in
// tests, a child manager in the same process).

class TSkinManage::THookSlot {
 public:
  static constexpr int kSlots = 4;
  explicit THookSlot(TSkinManage& manager) {
    for (int i = 0; i < kSlots; ++i) {
      if (!Owners()[static_cast<std::size_t>(i)]) {
        index_ = i;
        Owners()[static_cast<std::size_t>(i)] = &manager;
        hook_ = THookHandle(WH_CBT, Procedures()[static_cast<std::size_t>(i)], GetCurrentThreadId());
        Hooks()[static_cast<std::size_t>(i)] = hook_.Get();
        return;
      }
    }
  }
  ~THookSlot() {
    hook_.Reset();
    if (index_ >= 0) {
      Owners()[static_cast<std::size_t>(index_)] = nullptr;
      Hooks()[static_cast<std::size_t>(index_)] = nullptr;
    }
  }
  bool Installed() const { return hook_.Get() != nullptr; }

 private:
  static std::array<TSkinManage*, kSlots>& Owners() {
    static std::array<TSkinManage*, kSlots> owners{};
    return owners;
  }
  static std::array<HHOOK, kSlots>& Hooks() {
    static std::array<HHOOK, kSlots> hooks{};
    return hooks;
  }
  template <int N>
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* owner = Owners()[N];
    HHOOK hook = Hooks()[N];
    if (owner && code >= 0) owner->HookEvent(code, wParam, lParam);
    // The next hook is always called, whatever happened here.
    return CallNextHookEx(hook, code, wParam, lParam);
  }
  static const std::array<HOOKPROC, kSlots>& Procedures() {
    static const std::array<HOOKPROC, kSlots> procedures{&Procedure<0>, &Procedure<1>, &Procedure<2>,
                                                         &Procedure<3>};
    return procedures;
  }
  int index_ = -1;
  THookHandle hook_;
};

// ---------------------------------------------------------------------------------------------

TSkinManage::TSkinManage(bool childMode, HINSTANCE module) : childMode_(childMode), module_(module) {
  timer_ = std::make_unique<TTimer>(nullptr);
  timer_->SetEnabled(false);
  timer_->SetInterval(100);
  timer_->SetOnTimer({"SkinManagerTick", [this](TComponent*) {
                        timer_->SetEnabled(false);
                        RunPendingAction();
                      }});
  if (!childMode_) {
    Screen().OnFormDestroying = [this](TCustomForm* form) { FormDestroying(form); };
  }
}

TSkinManage::~TSkinManage() {
  started_ = kBeingDestroyed;
  on_ = false;
  timer_.reset();
  if (parent_) {
    // A child manager gives its module's frame skinners back to the program's manager's lists.
    TSkinManage* parent = parent_;
    auto& forms = parent->lists_->Forms;
    for (auto& frame : forms) {
      if (frame->ModuleMarker() == module_) frame->DetachFrame(false);
    }
    std::erase_if(forms, [this](const auto& frame) { return frame->ModuleMarker() == module_; });
    parent->DetachChild(*this);
  } else {
    if (Screen().OnFormDestroying) Screen().OnFormDestroying = nullptr;
    for (TSkinManage* child : std::vector<TSkinManage*>(children_)) DetachChild(*child);
    for (auto& frame : ownLists_.Forms) frame->DetachFrame(false);
    ownLists_.Forms.clear();
    ownLists_.Popups.clear();
    ownLists_.Components.clear();
  }
  hook_.reset();
  finished_ = true;
}

TSkinManage* TSkinManage::Current() { return dynamic_cast<TSkinManage*>(SkinManager()); }

void TSkinManage::RegisterSkinData(TSkinData* data) {
  auto& components = lists_->Components;
  if (std::find(components.begin(), components.end(), data) != components.end()) return;
  components.push_back(data);
  if (!lists_->Main && data->SkinFormtype() == sfMainform) lists_->Main = data;
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
  std::erase(lists_->Components, data);
  if (lists_->Main == data) lists_->Main = nullptr;
  if (pending_ == data) pending_ = nullptr;
  // Frame skinners of that component lose their skin with it.
  for (std::size_t i = lists_->Forms.size(); i-- > 0;) {
    if (lists_->Forms[i]->SkinData() == data) UnskinFrame(i);
  }
}

void TSkinManage::InstallHook() {
  if (hook_) return;
  RecordPlatformVersion();
  hook_ = std::make_unique<THookSlot>(*this);
}

void TSkinManage::SkinOwnerForm(TSkinData* data) {
  auto* form = dynamic_cast<TCustomForm*>(data->Owner());
  if (form && form->HandleAllocated()) SkinWindow(form->HandleIfAllocated());
}

void TSkinManage::MarkStarted() {
  if (started_ == kNotStarted) started_ = kStarted;
}

void TSkinManage::RequestAction(TSkinAction action, int delayMs) {
  pendingAction_ = action;
  timer_->SetInterval(delayMs);
  if (Running()) {
    if (!ChildMode()) {
      for (TSkinManage* child : children_) {
        child->pending_ = pending_;
        if (action == saSkinAll) {
          child->on_ = true;
          child->RequestAction(saSkinAll, 300);
        } else if (action == saUnskinAll) {
          child->on_ = false;
        }
      }
    }
    timer_->SetEnabled(true);
    return;
  }
  // Not started yet: the windows are skinned as the hook sees them activated.
  if (action == saSkinAll) on_ = true;
  if (action == saUnskinAll) on_ = false;
}

void TSkinManage::ReloadFormSkinners() {
  for (const auto& frame : lists_->Forms) {
    if (frame->SkinData() == pending_) frame->DropSysButtons();
  }
}

void TSkinManage::Purge() {
  if (started_ == kBeingDestroyed) return;
  std::erase_if(lists_->Forms, [this](const std::unique_ptr<TWinSkinForm>& frame) {
    return frame->Released() && !frame->Busy() && frame->ModuleMarker() == module_;
  });
}

TWinControl* TSkinManage::FindForm(HWND window) {
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TCustomForm* form = Screen().Forms(i);
    if (form->HandleIfAllocated() == window) return form;
  }
  return FindControl(window);
}

TWinSkinForm* TSkinManage::FindFormSkinner(HWND window) const {
  for (const auto& frame : lists_->Forms) {
    if (frame->Handle() == window && !frame->Released()) return frame.get();
  }
  return nullptr;
}

TSkinData* TSkinManage::ChooseComponent(HWND window, const std::wstring& className) const {
  std::vector<TComponentFacts> facts;
  for (TSkinData* data : lists_->Components) {
    auto* owner = dynamic_cast<TWinControl*>(data->Owner());
    facts.push_back({data->SkinFormtype(),
                     reinterpret_cast<std::uintptr_t>(owner ? owner->HandleIfAllocated() : nullptr),
                     data->SkinLoaded()});
  }
  const auto chosen = varnelta::ChooseComponent(facts, reinterpret_cast<std::uintptr_t>(window), className);
  return chosen ? lists_->Components[*chosen] : nullptr;
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!on_ || !window) return false;
  Purge();
  if (SendMessageW(window, kMsgIsSkinned, 0, 0) == 1 || FindFormSkinner(window)) return false;
  TWinControl* found = FindForm(window);
  auto* form = dynamic_cast<TCustomForm*>(found);
  const std::wstring className = WindowClassName(window);

  TTopWindowFacts facts;
  facts.ClassName = className;
  facts.Style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
  facts.ExStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  if (HWND parent = GetParent(window)) facts.ParentClassName = WindowClassName(parent);
  facts.HasRuntimeForm = found != nullptr;
  facts.FormTag = found ? static_cast<std::int64_t>(found->Tag()) : 0;
  facts.OwnInstance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == GetModuleHandleW(nullptr);
  RECT r{};
  GetWindowRect(window, &r);
  facts.Width = r.right - r.left;
  facts.Height = r.bottom - r.top;
  TSkinData* main = lists_->Main;
  const TTopWindowSwitches switches{massSkinning_, main != nullptr, main ? main->Options() : 0};
  const TTopWindowVerdict verdict = QualifyWindow(facts, switches);
  bool doSkin = verdict.Skin;
  if (verdict.AskComponent && main) main->CheckFormSkin(window, className, doSkin);
  if (!doSkin) return false;

  TSkinData* data = ChooseComponent(window, className);
  if (!data || !data->SkinLoaded()) return false;
  auto frame = std::make_unique<TWinSkinForm>(*this, window, module_, className);
  TWinSkinForm* attached = frame.get();
  lists_->Forms.push_back(std::move(frame));
  if (form) {
    attached->AttachForm(data, form);
  } else {
    attached->AttachWindow(data);
  }
  PostMessageW(window, kMsgStartSkin, 0, kStartSkinLParam);
  return true;
}

void TSkinManage::SkinPopupWindow(HWND window) {
  if (!on_ || !window || SendMessageW(window, kMsgIsSkinned, 0, 0) == 1) return;
  for (const auto& popup : lists_->Popups) {
    if (popup->Handle() == window) return;
  }
  TSkinData* data = ChooseComponent(window, WindowClassName(window));
  if (!data || !data->SkinLoaded() || !MenuKindAllowed(menuKind_, data->SkinControls())) return;
  auto popup = std::make_unique<TWinSkinPopMenu>();
  popup->Start(window, data, 0);
  if (menusOpen_) popup->SetMenuOpen(true);
  lists_->Popups.push_back(std::move(popup));
}

void TSkinManage::ReleasePopupWindow(HWND window) {
  auto& popups = lists_->Popups;
  auto found = std::find_if(popups.begin(), popups.end(), [window](const auto& p) { return p->Handle() == window; });
  if (found == popups.end()) return;
  (*found)->Restore();
  popups.erase(found);
  if (popups.empty()) {
    menusOpen_ = false;
    menuKind_ = kMenuKindPopup;
  }
}

void TSkinManage::MarkPopupsOpen() {
  for (const auto& popup : lists_->Popups) popup->SetMenuOpen(true);
}

void TSkinManage::AttachMenuHandle(HMENU menu) {
  for (auto it = lists_->Popups.rbegin(); it != lists_->Popups.rend(); ++it) {
    if (!(*it)->Menu()) {
      (*it)->SetMenu(menu);
      return;
    }
  }
}

TWinSkinPopMenu* TSkinManage::FindPopupByMenu(HMENU menu) const {
  for (const auto& popup : lists_->Popups) {
    if (popup->Menu() == menu) return popup.get();
  }
  return nullptr;
}

void TSkinManage::SetMDIChildMaximised(bool maximised) {
  if (maximised == mdiChildMaximised_) return;
  mdiChildMaximised_ = maximised;
  if (!lists_) return;
  const TSkinData* main = MainComponent();
  if (main && InSet(main->Options(), xoMDIChildBorder)) return;
  for (const auto& frame : lists_->Forms) {
    if (!frame->Released()) frame->FollowMdiMaximised();
  }
}

LRESULT TSkinManage::HookEvent(int code, WPARAM wParam, LPARAM lParam) {
  if (finished_) return 0;
  auto window = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND: {
      const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
      const CREATESTRUCTW* cs = create ? create->lpcs : nullptr;
      if (!cs) break;
      const std::wstring className = WindowClassName(window);
      if (_wcsicmp(className.c_str(), L"ScrollBar") == 0 && (cs->style & SBS_SIZEGRIP) && cs->hwndParent) {
        if (TWinSkinForm* frame = FindFormSkinner(cs->hwndParent)) DispatchWindow(*frame, window);
      }
      if (!(cs->style & WS_CHILD) && className == L"#32768" && !ChildMode()) SkinPopupWindow(window);
      // MDI children are child windows; the qualification decides whether one is skinned now.
      if (cs->dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
      break;
    }
    case HCBT_DESTROYWND: ReleasePopupWindow(window); break;
    case HCBT_ACTIVATE:
      if (started_ == kNotStarted) started_ = kStarted;
      SkinWindow(window);
      break;
    default: break;
  }
  return 0;
}

void TSkinManage::UnskinFrame(std::size_t index) {
  auto& forms = lists_->Forms;
  TWinSkinForm* frame = forms[index].get();
  frame->DetachFrame(true);
  if (IsWindow(frame->Handle())) {
    RedrawWindow(frame->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  if (frame->Busy()) {
    frame->MarkReleased();  // freed by the next purge, once its procedure has returned
  } else {
    forms.erase(forms.begin() + static_cast<std::ptrdiff_t>(index));
  }
}

void TSkinManage::FormDestroying(TCustomForm* form) {
  auto& forms = lists_->Forms;
  for (std::size_t i = forms.size(); i-- > 0;) {
    if (forms[i]->Form() != form) continue;
    forms[i]->FormDestroying();
    if (!forms[i]->Busy()) forms.erase(forms.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void TSkinManage::RunPendingAction() {
  TSkinData* data = pending_;
  if (!data) return;
  const TSkinAction action = pendingAction_;
  auto& forms = lists_->Forms;
  if (data->SkinFormtype() == sfOnlyThisForm) {
    if (action == saSkinAll) {
      on_ = true;
      auto* owner = dynamic_cast<TCustomForm*>(data->Owner());
      if (owner && owner->HandleAllocated() && IsWindowVisible(owner->HandleIfAllocated()) &&
          !(GetWindowLongPtrW(owner->HandleIfAllocated(), GWL_STYLE) & WS_CHILD)) {
        massSkinning_ = true;
        SkinWindow(owner->HandleIfAllocated());
        massSkinning_ = false;
      }
    } else if (action == saUnskinAll) {
      on_ = false;
      Purge();
      for (std::size_t i = forms.size(); i-- > 0;) {
        if (forms[i]->SkinData() == data) {
          UnskinFrame(i);
          break;
        }
      }
    } else if (action == saRefresh) {
      Purge();
      for (const auto& frame : forms) {
        if (frame->SkinData() == data) {
          frame->DropSysButtons();
          frame->ReskinFrame();
          break;
        }
      }
    }
  } else if (action == saSkinAll) {
    on_ = true;
    hideWhileAttaching_ = false;
    Purge();
    massSkinning_ = true;
    for (int i = Screen().FormCount(); i-- > 0;) {
      TCustomForm* form = Screen().Forms(i);
      HWND window = form->HandleIfAllocated();
      if (window && IsWindowVisible(window) && !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) SkinWindow(window);
    }
    massSkinning_ = false;
    if (!ChildMode()) {
      for (TSkinManage* child : children_) {
        child->pending_ = data;
        child->on_ = true;
        child->RequestAction(saSkinAll, 300);
      }
    }
  } else if (action == saUnskinAll) {
    on_ = false;
    Purge();
    while (!forms.empty()) {
      const std::size_t before = forms.size();
      UnskinFrame(0);
      if (forms.size() == before) break;  // a busy skinner stays until it has returned
    }
    if (!ChildMode()) {
      for (TSkinManage* child : children_) child->on_ = false;
    }
  } else if (action == saRefresh) {
    Purge();
    for (const auto& frame : forms) {
      if (frame->SkinData() == data) frame->DropSysButtons();
    }
    for (const auto& frame : forms) {
      if (frame->SkinData() == data) frame->ReskinFrame();
    }
  }
  if (data->OnSkinChanged) data->OnSkinChanged(data);
  pending_ = nullptr;
}

void TSkinManage::AttachChild(TSkinManage& child) {
  if (child.parent_ == this) return;
  child.parent_ = this;
  child.lists_ = lists_;
  child.on_ = on_;
  child.started_ = kStarted;
  children_.push_back(&child);
}

void TSkinManage::DetachChild(TSkinManage& child) {
  std::erase(children_, &child);
  if (child.parent_ != this) return;
  child.parent_ = nullptr;
  child.lists_ = &child.ownLists_;
  child.on_ = false;
  child.started_ = kBeingDestroyed;
  child.hook_.reset();
}

namespace {
TSystemSkinEnvironment& SystemEnvironment() {
  static TSystemSkinEnvironment environment;
  return environment;
}
}  // namespace

void RegisterSkinEngine() {
  RegisterComponentClass(TSkinData::StaticClass());
  SetSkinEnvironment(&SystemEnvironment());
  SetSkinManagerFactory([] { return std::make_unique<TSkinManage>(); });
  RegisterControlSkinners();
}

}  // namespace varnelta
