// The application object: the hidden application window, the title, the main form (on the
// taskbar itself when MainFormOnTaskBar is set), the message loop with dialog keyboard
// navigation and hints, minimise/restore/bring to front, and message boxes owned by the
// active window.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/component.h"
#include "runtime/win_handles.h"

namespace varnelta {

class TCustomForm;
class TWinControl;

class TApplication : public TComponent {
  VARNELTA_CLASS()
 public:
  TApplication();
  ~TApplication() override;

  // Common controls and the hidden window; safe to call more than once.
  void Initialize();
  HWND Handle();  // the hidden application window

  std::wstring Title() const { return title_; }
  void SetTitle(const std::wstring& title);
  // The executable's name without directory and without everything from its first dot on,
  // every character but the first in lower case.
  static std::wstring DefaultTitle();

  bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
  void SetMainFormOnTaskBar(bool v);

  TCustomForm* MainForm() const { return mainForm_; }
  // Creates a form owned by the application; the first becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (!mainForm_) mainForm_ = form;
    return form;
  }
  void FormDestroyed(TCustomForm* form);

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles every waiting message and returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Frees every form the application owns.
  void DestroyForms();

  bool IsMinimized() const;
  void Minimize();
  // Shows the main window in its normal state and activates it; the control that had the
  // focus gets it back.
  void Restore();
  // Makes the most recently active window of the application the foreground window, when it
  // is visible and enabled.
  void BringToFront();

  // Reports an error that reached a window procedure: a message box with its text, once at a
  // time (errors raised while the box is shown are dropped).
  void HandleException(const std::exception& error);

  // A modal message box owned by the active window (or the main form).
  int MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);

  // Hints: shown after the mouse rests HintPause ms on a control, hidden after HintHidePause.
  int HintPause() const { return hintPause_; }
  int HintHidePause() const { return hintHidePause_; }
  void AddHintTool(TWinControl* control);
  void RemoveHintTool(TWinControl* control);
  HWND HintWindow() const { return hintWindow_.Get(); }

  // The hint action: the hint of the control under the mouse (empty over one without a hint).
  // Every receiver (a status pane showing hints, say) hears of each change.
  using THintReceiver = std::function<void(const std::wstring& hint)>;
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  void AddHintReceiver(const void* key, THintReceiver receiver);
  void RemoveHintReceiver(const void* key);

  HICON Icon();       // the program's icon resource "MAINICON", large
  HICON SmallIcon();  // and small

 private:
  bool ProcessMessage(MSG& msg);
  std::wstring title_;
  bool mainFormOnTaskBar_ = false;
  bool terminated_ = false;
  bool initialized_ = false;
  TCustomForm* mainForm_ = nullptr;
  TWindowHandle handle_;
  TWindowHandle hintWindow_;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  TIconHandle icon_;
  TIconHandle smallIcon_;
  bool iconsLoaded_ = false;
  bool reporting_ = false;
  std::wstring hint_;
  std::vector<std::pair<const void*, THintReceiver>> hintReceivers_;
};

TApplication& Application();

}  // namespace varnelta
