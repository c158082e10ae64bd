#include "runtime/form.h"

#include <algorithm>
#include <stdexcept>

#include "runtime/application.h"
#include "runtime/form_reader.h"
#include "runtime/layout.h"
#include "runtime/menu_handles.h"

namespace varnelta {

const TEnumType FormBorderStyleType{"TFormBorderStyle",
                                    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumType BorderIconType{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumType PositionType{"TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                           "poScreenCenter", "poDesktopCenter"}};

namespace {
constexpr UINT kDpiChanged = 0x02E0;
using GetDpiForWindowProc = UINT(WINAPI*)(HWND);

GetDpiForWindowProc DpiForWindow() {
  static auto proc = reinterpret_cast<GetDpiForWindowProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return proc;
}
}  // namespace

const TClassInfo& TCustomForm::StaticClass() {
  using Setter = void (TControl::*)(int);
  static const TClassInfo info{
      "TCustomForm",
      &TWinControl::StaticClass(),
      {// The client size is what a form stores; its window size follows from it.
       IntProperty("Width", &TControl::Width, static_cast<Setter>(nullptr)),
       IntProperty("Height", &TControl::Height, static_cast<Setter>(nullptr)),
       StrProperty("Caption", &TControl::Caption, &TControl::SetCaption),
       EnumProperty("BorderStyle", FormBorderStyleType, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
                    bsSizeable),
       SetProperty("BorderIcons", BorderIconType, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons),
       EnumProperty("Position", PositionType, &TCustomForm::Position, &TCustomForm::SetPosition, poDesigned),
       IntProperty("ClientWidth", &TCustomForm::ClientWidthValue, &TCustomForm::SetClientWidth),
       IntProperty("ClientHeight", &TCustomForm::ClientHeightValue, &TCustomForm::SetClientHeight),
       IntProperty("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch),
       BoolProperty("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled, true),
       ComponentProperty("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)},
      {}};
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  color_ = clBtnFace;
  parentFont_ = false;  // a form has no parent to take a font from
  clientWidth_ = 320;
  clientHeight_ = 240;
  Screen().forms_.push_back(this);
}

TCustomForm::~TCustomForm() {
  if (Screen().OnFormDestroying) Screen().OnFormDestroying(this);
  auto& forms = Screen().forms_;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  Application().FormDestroyed(this);
  // The menu frees its own handles; the window must not take them along.
  if (handle_ && menu_) ::SetMenu(handle_, nullptr);
  DestroyHandle();
}

void TCustomForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  p.ExStyle = WS_EX_CONTROLPARENT;
  switch (borderStyle_) {
    case bsNone: p.Style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsDialog:
      p.Style |= WS_POPUP | WS_CAPTION;
      p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsSizeable:
    case bsSizeToolWin: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
  }
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) p.ExStyle |= WS_EX_TOOLWINDOW;
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
    p.Style |= WS_SYSMENU;
    if (borderStyle_ != bsDialog && borderStyle_ != bsToolWindow && borderStyle_ != bsSizeToolWin) {
      if (borderIcons_ & biMinimize) p.Style |= WS_MINIMIZEBOX;
      if (borderIcons_ & biMaximize) p.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (!enabled_) p.Style |= WS_DISABLED;
  TApplication& app = Application();
  if (app.MainFormOnTaskBar() && (app.MainForm() == this || !app.MainForm())) {
    p.ExStyle |= WS_EX_APPWINDOW;
  } else if (app.MainForm() && app.MainForm() != this) {
    p.WndParent = app.MainForm()->Handle();
  } else {
    p.WndParent = app.Handle();
  }
  RECT r{0, 0, clientWidth_, clientHeight_};
  AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
  p.X = left_;
  p.Y = top_;
  p.Width = r.right - r.left;
  p.Height = r.bottom - r.top;
  p.Icon = app.Icon();
  p.SmallIcon = app.SmallIcon();
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu_ == menu) return;
  if (menu_) menu_->OnChange = nullptr;
  menu_ = menu;
  if (menu_) menu_->OnChange = [this](TMenu&) { MenuChanged(); };
  MenuChanged();
}

void TCustomForm::Notification(TComponent* component) {
  TWinControl::Notification(component);
  if (component == menu_) {
    menu_ = nullptr;
    if (handle_) ::SetMenu(handle_, nullptr);
  }
}

void TCustomForm::MenuChanged() {
  // Sent to the window, so whatever subclasses it sees the change too.
  if (handle_ && !HasState(csDestroying)) SendMessageW(handle_, CM_MENUCHANGED, 0, 0);
}

void TCustomForm::CreateHandleDone() {
  InstallPopupMenus();
  if (menu_) ::SetMenu(handle_, RebuildMenuHandle(*menu_));
  TApplication& app = Application();
  if (app.Icon()) SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.Icon()));
  if (app.SmallIcon()) SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.SmallIcon()));
  // A monitor of another DPI than the system's: no DPI-change message comes at creation.
  if (auto dpiFor = DpiForWindow(); dpiFor && scaled_) {
    int dpi = static_cast<int>(dpiFor(handle_));
    if (dpi > 0 && dpi != pixelsPerInch_) ScaleBy(dpi, pixelsPerInch_);
  }
}

TRect TCustomForm::ClientRect() const {
  if (handle_) return TWinControl::ClientRect();
  return {0, 0, clientWidth_, clientHeight_};
}

void TCustomForm::SetClientWidth(int v) {
  clientWidth_ = std::max(v, 0);
  if (handle_) {
    RECT window, client;
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &client);
    int w = (window.right - window.left) - client.right + clientWidth_;
    SetWindowPos(handle_, nullptr, 0, 0, w, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TCustomForm::SetClientHeight(int v) {
  clientHeight_ = std::max(v, 0);
  if (handle_) {
    RECT window, client;
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &client);
    int h = (window.bottom - window.top) - client.bottom + clientHeight_;
    SetWindowPos(handle_, nullptr, 0, 0, window.right - window.left, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TCustomForm::PlaceOnScreen() {
  if (placed_) return;
  placed_ = true;
  if (position_ != poScreenCenter && position_ != poDesktopCenter) return;
  RECT r;
  GetWindowRect(handle_, &r);
  int w = r.right - r.left;
  int h = r.bottom - r.top;
  int screenW = GetSystemMetrics(position_ == poScreenCenter ? SM_CXSCREEN : SM_CXVIRTUALSCREEN);
  int screenH = GetSystemMetrics(position_ == poScreenCenter ? SM_CYSCREEN : SM_CYVIRTUALSCREEN);
  SetWindowPos(handle_, nullptr, (screenW - w) / 2, (screenH - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::SetVisible(bool v) {
  if (v == visible_ && (!v || (handle_ && IsWindowVisible(handle_)))) return;
  visible_ = v;
  if (v) {
    HandleNeeded();
    PlaceOnScreen();
    ShowWindow(handle_, SW_SHOWNORMAL);
    if (TWinControl* target = FocusTarget()) target->SetFocus();
  } else if (handle_) {
    ShowWindow(handle_, SW_HIDE);
  }
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
}

void TCustomForm::ScaleBy(int M, int D) {
  if (M == D || D <= 0) return;
  DisableAlign();
  clientWidth_ = MulDiv(ClientRect().Width(), M, D);
  clientHeight_ = MulDiv(ClientRect().Height(), M, D);
  font_->SetHeight(MulDiv(font_->Height(), M, D));
  for (TControl* c : controls_) c->ChangeScale(M, D);
  pixelsPerInch_ = MulDiv(pixelsPerInch_, M, D);
  if (handle_) {
    SetClientWidth(clientWidth_);
    SetClientHeight(clientHeight_);
  }
  EnableAlign();
}

void TCustomForm::SetMessageHandler(UINT msg, std::function<void(TMessage&)> handler) {
  if (handler) {
    handlers_[msg] = std::move(handler);
  } else {
    handlers_.erase(msg);
  }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control && handle_ && IsWindowVisible(handle_)) control->SetFocus();
}

void TCustomForm::ControlDestroyed(TControl* control) {
  if (activeControl_ == control) activeControl_ = nullptr;
}

TWinControl* TCustomForm::FocusTarget() const {
  if (activeControl_ && activeControl_->ParentForm() == this && activeControl_->CanFocus()) return activeControl_;
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  for (TWinControl* c : list) {
    if (c->TabStop() && c->CanFocus()) return c;
  }
  return nullptr;
}

void TCustomForm::Close() {
  if (Application().MainForm() == this) {
    Application().Terminate();
  }
  SetVisible(false);
}

void TCustomForm::WndProc(TMessage& m) {
  if (auto it = handlers_.find(m.Msg); it != handlers_.end()) {
    it->second(m);
    return;
  }
  switch (m.Msg) {
    case WM_CLOSE: Close(); return;
    case CM_MENUCHANGED:
      // The window shows the menu's current items (a skinner takes them from here).
      ::SetMenu(handle_, menu_ ? RebuildMenuHandle(*menu_) : nullptr);
      if (menu_) DrawMenuBar(handle_);
      m.Result = 0;
      return;
    case WM_COMMAND:
      if (m.LParam == 0 && HIWORD(m.WParam) == 0 && DispatchMenuCommand(*this, LOWORD(m.WParam))) {
        m.Result = 0;
        return;
      }
      break;
    case WM_MEASUREITEM:
      if (m.WParam == 0 && MeasureMenuItem(*this, *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) {
        m.Result = 1;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (m.WParam == 0 && DrawRuntimeMenuItem(*this, *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))) {
        m.Result = 1;
        return;
      }
      break;
    case WM_SYSCOMMAND: {
      // A form without a maximise box or a sizing border is never maximised or sized, not
      // even by a system command another program sends.
      WPARAM command = m.WParam & 0xFFF0;
      bool sizable = borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin;
      if ((command == SC_MAXIMIZE && !(borderIcons_ & biMaximize)) || (command == SC_SIZE && !sizable)) {
        m.Result = 0;
        return;
      }
      break;
    }
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) == WA_INACTIVE) {
        if (TWinControl* focus = FindOwningControl(GetFocus()); focus && focus != this && focus->ParentForm() == this) {
          activeControl_ = focus;
        }
      } else if (!HIWORD(m.WParam)) {
        if (TWinControl* target = FocusTarget()) {
          target->SetFocus();
          m.Result = 0;
          return;
        }
      }
      break;
    case WM_SETFOCUS:
      if (TWinControl* target = FocusTarget()) {
        target->SetFocus();
        return;
      }
      break;
    case kDpiChanged: {
      int dpi = LOWORD(m.WParam);
      ScaleBy(dpi, pixelsPerInch_);
      auto* suggested = reinterpret_cast<const RECT*>(m.LParam);
      SetWindowPos(handle_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      m.Result = 0;
      return;
    }
    default: break;
  }
  TWinControl::WndProc(m);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  int dpi = Screen().PixelsPerInch();
  if (scaled_ && dpi != pixelsPerInch_) ScaleBy(dpi, pixelsPerInch_);
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info{"TForm", &TCustomForm::StaticClass(), {}, {}};
  return info;
}

void ReadFormResource(TCustomForm& form, const wchar_t* resourceName) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, resourceName, MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) throw std::runtime_error("the form description resource is missing");
  ReadComponentText(form, std::string_view(static_cast<const char*>(data), SizeofResource(module, found)));
}

int TScreen::PixelsPerInch() const {
  static int dpi = [] {
    TWindowDC screen(nullptr);
    int value = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return value > 0 ? value : 96;
  }();
  return dpi;
}

TCustomForm* TScreen::ActiveForm() const {
  HWND active = GetActiveWindow();
  for (TCustomForm* f : forms_) {
    if (f->HandleIfAllocated() == active) return f;
  }
  return nullptr;
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace varnelta
