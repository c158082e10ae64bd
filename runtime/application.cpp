#include "runtime/application.h"

#include <commctrl.h>

#include <vector>

#include "runtime/common_controls.h"
#include "runtime/form.h"
#include "runtime/std_controls.h"

namespace varnelta {

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info{"TApplication", &TComponent::StaticClass(), {}, {}};
  return info;
}

TApplication::TApplication() : TComponent(nullptr), title_(DefaultTitle()) {
  Screen();  // made first so that it outlives the application's forms at exit
}

TApplication::~TApplication() { DestroyForms(); }

std::wstring TApplication::DefaultTitle() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n);
  std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  name = name.substr(0, name.find(L'.'));
  if (name.size() > 1) CharLowerBuffW(name.data() + 1, static_cast<DWORD>(name.size() - 1));
  return name;
}

void TApplication::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  RegisterStandardControls();
  RegisterCommonControls();
  Handle();
}

HWND TApplication::Handle() {
  if (!handle_.Get()) {
    static const wchar_t* kClass = L"TApplication";
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    wc.hIcon = Icon();
    wc.hIconSm = SmallIcon();
    RegisterClassExW(&wc);
    handle_ = TWindowHandle(CreateWindowExW(0, kClass, mainFormOnTaskBar_ ? L"" : title_.c_str(),
                                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                            0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  }
  return handle_.Get();
}

void TApplication::SetTitle(const std::wstring& title) {
  title_ = title;
  if (handle_.Get() && !mainFormOnTaskBar_) SetWindowTextW(handle_.Get(), title.c_str());
}

void TApplication::SetMainFormOnTaskBar(bool v) {
  mainFormOnTaskBar_ = v;
  // The hidden window stays off the taskbar and its text is cleared.
  if (handle_.Get()) SetWindowTextW(handle_.Get(), v ? L"" : title_.c_str());
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::DestroyForms() {
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
  mainForm_ = nullptr;
}

void TApplication::SetHint(const std::wstring& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  // A receiver may come or go while it hears the hint: work on a copy of the list.
  const auto receivers = hintReceivers_;
  for (const auto& [key, receiver] : receivers) receiver(hint_);
}

void TApplication::AddHintReceiver(const void* key, THintReceiver receiver) {
  RemoveHintReceiver(key);
  hintReceivers_.emplace_back(key, std::move(receiver));
}

void TApplication::RemoveHintReceiver(const void* key) {
  std::erase_if(hintReceivers_, [key](const auto& entry) { return entry.first == key; });
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (hintWindow_.Get() && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
    SendMessageW(hintWindow_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  }
  if (msg.message == WM_MOUSEMOVE) {
    const TWinControl* under = FindControl(msg.hwnd);
    SetHint(under ? under->Hint() : std::wstring());
  }
  // Tab, arrow and Enter keys move between the controls of the active form.
  HWND active = GetActiveWindow();
  if (active && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
    if (dynamic_cast<TCustomForm*>(FindControl(active)) && IsDialogMessageW(active, &msg)) return true;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    ProcessMessage(msg);
  }
}

void TApplication::Run() {
  if (mainForm_) mainForm_->SetVisible(true);
  MSG msg;
  while (!terminated_) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    ProcessMessage(msg);
  }
  terminated_ = true;
}

void TApplication::Terminate() {
  if (!terminated_) PostQuitMessage(0);
  terminated_ = true;
}

bool TApplication::IsMinimized() const {
  HWND main = mainForm_ ? mainForm_->HandleIfAllocated() : nullptr;
  return main && IsIconic(main);
}

void TApplication::Minimize() {
  if (mainForm_ && mainForm_->HandleIfAllocated()) ShowWindow(mainForm_->HandleIfAllocated(), SW_MINIMIZE);
}

void TApplication::Restore() {
  HWND main = mainForm_ ? mainForm_->HandleIfAllocated() : nullptr;
  if (!main) return;
  if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
  SetForegroundWindow(main);
  SetActiveWindow(main);
}

void TApplication::BringToFront() {
  HWND main = mainForm_ ? mainForm_->HandleIfAllocated() : nullptr;
  if (!main) return;
  HWND last = GetLastActivePopup(main);
  if (last && IsWindowVisible(last) && IsWindowEnabled(last)) SetForegroundWindow(last);
}

int TApplication::MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner && mainForm_) owner = mainForm_->HandleIfAllocated();
  return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::HandleException(const std::exception& error) {
  if (reporting_) return;
  reporting_ = true;
  std::string what = error.what();
  std::wstring text(what.begin(), what.end());
  int n = MultiByteToWideChar(CP_UTF8, 0, what.data(), static_cast<int>(what.size()), nullptr, 0);
  if (n > 0) {
    text.assign(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, what.data(), static_cast<int>(what.size()), text.data(), n);
  }
  MessageBox(text, title_, MB_OK | MB_ICONERROR);
  reporting_ = false;
}

void TApplication::AddHintTool(TWinControl* control) {
  HWND window = control->HandleIfAllocated();
  if (!window || control->Hint().empty()) return;
  if (!hintWindow_.Get()) {
    hintWindow_ = TWindowHandle(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                                GetModuleHandleW(nullptr), nullptr));
    if (!hintWindow_.Get()) return;
    SendMessageW(hintWindow_.Get(), TTM_SETDELAYTIME, TTDT_INITIAL, hintPause_);
    SendMessageW(hintWindow_.Get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, hintHidePause_);
    SendMessageW(hintWindow_.Get(), TTM_SETMAXTIPWIDTH, 0, 400);
  }
  std::wstring text = control->Hint();
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = GetParent(window);
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = text.data();
  SendMessageW(hintWindow_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TApplication::RemoveHintTool(TWinControl* control) {
  HWND window = control->HandleIfAllocated();
  if (!hintWindow_.Get() || !window) return;
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = GetParent(window);
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  SendMessageW(hintWindow_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HICON TApplication::Icon() {
  if (!iconsLoaded_) {
    iconsLoaded_ = true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    icon_.Reset(static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                              GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.Reset(static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0)));
  }
  return icon_.Get();
}

HICON TApplication::SmallIcon() {
  Icon();
  return smallIcon_.Get();
}

TApplication& Application() {
  static TApplication application;
  return application;
}

}  // namespace varnelta
