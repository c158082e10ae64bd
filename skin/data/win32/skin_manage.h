// TSkinManage: the one skin manager of the process. It watches window creation, activation and
// destruction on the user-interface thread through a window-creation hook, gives every
// qualifying top-level window a frame skinner and every popup menu window a popup menu skinner,
// owns both lists, runs the deferred skin actions the skin components request and, through the
// control dispatch, gives every control of a skinned window its control skinner.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/timer.h"
#include "runtime/win_handles.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_host.h"

namespace varnelta {

class TWinSkinForm;
class TWinSkinPopMenu;
class TSkinControl;
struct TSkinnerSettings;

// The kind of menu being opened.
inline constexpr int kMenuKindPopup = 0;
inline constexpr int kMenuKindBar = 1;
inline constexpr int kMenuKindSystem = 2;

// Values of the start counter.
inline constexpr int kNotStarted = 0;
inline constexpr int kStarted = 1;
inline constexpr int kBeingDestroyed = 4;

// One decision of the control dispatch, as a test observer sees it.
struct TDispatchRecord {
  HWND Window = nullptr;
  std::string ControlName;  // the runtime control's name; empty for a plain window
  std::wstring ClassName;   // the runtime class name (upper case) or the window class (lower case)
  std::string Skinner;      // the skinner class chosen; empty for none
  std::string Rule;         // the rule that decided
  bool Created = false;     // a skinner of that class was registered and attached
};
using TDispatchObserver = std::function<void(const TDispatchRecord&)>;

class TSkinManage : public ISkinManager {
 public:
  explicit TSkinManage(bool childMode = false, HINSTANCE module = nullptr);
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The process's manager as this engine made it, or none.
  static TSkinManage* Current();

  // ISkinManager
  void RegisterSkinData(TSkinData* data) override;
  void UnregisterSkinData(TSkinData* data) override;
  void InstallHook() override;
  void SwitchOn(bool on) override { on_ = on; }
  void CountStart() override { ++started_; }
  void SkinOwnerForm(TSkinData* data) override;
  void SetPendingComponent(TSkinData* data) override { pending_ = data; }
  void RequestAction(TSkinAction action, int delayMs) override;
  void MarkStarted() override;
  void ReloadFormSkinners() override;
  bool Running() const override { return started_ != kNotStarted && started_ != kBeingDestroyed; }

  // The per-window entry point: true when a frame skinner was created.
  bool SkinWindow(HWND window);
  void SkinPopupWindow(HWND window);
  void ReleasePopupWindow(HWND window);
  TWinSkinForm* FindFormSkinner(HWND window) const;
  // The runtime form whose window this is, else the runtime control of the window, else none.
  static TWinControl* FindForm(HWND window);
  void SetMDIChildMaximised(bool maximised);
  bool MDIChildMaximised() const { return mdiChildMaximised_; }
  // The MDI client of the skinned MDI frame window, told by its frame skinner.
  void SetMDIClient(HWND client) { mdiClient_ = client; }
  HWND MDIClient() const { return mdiClient_ && IsWindow(mdiClient_) ? mdiClient_ : nullptr; }

  // Popup menu coordination.
  void MarkPopupsOpen();
  void AttachMenuHandle(HMENU menu);
  TWinSkinPopMenu* FindPopupByMenu(HMENU menu) const;
  int MenuKind() const { return menuKind_; }
  void SetMenuKind(int kind) { menuKind_ = kind; }
  bool MenusOpen() const { return menusOpen_; }
  void SetMenusOpen(bool open) { menusOpen_ = open; }

  bool HideWhileAttaching() const { return hideWhileAttaching_; }
  void SetHideWhileAttaching(bool hide) { hideWhileAttaching_ = hide; }

  // The control dispatch (control_dispatcher.cpp).
  void DispatchForm(TWinSkinForm& frame, TCustomForm& form);
  void DispatchOwned(TWinSkinForm& frame, TComponent& owner);
  void DispatchChildren(TWinSkinForm& frame, TWinControl& parent);
  void DispatchControl(TWinSkinForm& frame, TControl& control, TComponent* form);
  void DispatchChildWindows(TWinSkinForm& frame, HWND window);
  void DispatchWindow(TWinSkinForm& frame, HWND window);
  void SetDispatchObserver(TDispatchObserver observer) { observer_ = std::move(observer); }

  // Child managers (skin components of loaded modules) share this manager's lists.
  void AttachChild(TSkinManage& child);
  void DetachChild(TSkinManage& child);
  bool ChildMode() const { return parent_ != nullptr || childMode_; }

  // State, for the program's own checks and the tests.
  bool On() const { return on_; }
  int Started() const { return started_; }
  int PendingAction() const { return pendingAction_; }
  TSkinData* MainComponent() const { return lists_->Main; }
  std::size_t FormSkinnerCount() const { return lists_->Forms.size(); }
  std::size_t PopupSkinnerCount() const { return lists_->Popups.size(); }
  bool TimerRunning() const { return timer_ && timer_->Running(); }
  bool HookInstalled() const { return hook_ != nullptr; }
  // Runs the pending action now (what the timer does when it fires).
  void RunPendingAction();

 private:
  struct TLists {
    std::vector<std::unique_ptr<TWinSkinForm>> Forms;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> Popups;
    std::vector<TSkinData*> Components;
    TSkinData* Main = nullptr;
  };
  class THookSlot;

  LRESULT HookEvent(int code, WPARAM wParam, LPARAM lParam);
  void Purge();
  TSkinData* ChooseComponent(HWND window, const std::wstring& className) const;
  void UnskinFrame(std::size_t index);
  void FormDestroying(TCustomForm* form);
  void Observe(const TDispatchRecord& record) const {
    if (observer_) observer_(record);
  }
  bool ApplySkinner(TWinSkinForm& frame, const std::string& skinner, TControl* control, HWND window,
                    bool ownsChildren, const TSkinnerSettings& settings, TDispatchRecord record);

  bool childMode_;
  HINSTANCE module_;
  std::unique_ptr<TTimer> timer_;
  TLists ownLists_;
  TLists* lists_ = &ownLists_;
  std::vector<TSkinManage*> children_;
  TSkinManage* parent_ = nullptr;
  bool on_ = false;
  bool massSkinning_ = false;
  int started_ = kNotStarted;
  int menuKind_ = kMenuKindPopup;
  bool menusOpen_ = false;
  bool mdiChildMaximised_ = false;
  HWND mdiClient_ = nullptr;
  bool hideWhileAttaching_ = false;
  TSkinAction pendingAction_ = saNone;
  TSkinData* pending_ = nullptr;
  std::unique_ptr<THookSlot> hook_;
  bool finished_ = false;
  TDispatchObserver observer_;
};

// Registers the skin component class and installs the Windows skin engine: the manager factory,
// the system facts and the form destruction notice. Call once before reading a form.
void RegisterSkinEngine();

}  // namespace varnelta
