#include "runtime/win_control.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "runtime/application.h"
#include "runtime/form.h"
#include "runtime/layout.h"

namespace varnelta {

namespace {

TWinControl* g_creating = nullptr;  // the control whose window of a runtime class is being made
int g_nextChildId = 100;

bool IsOwnClass(WNDPROC proc) { return proc == DefWindowProcW; }

void RegisterRuntimeClass(const TCreateParams& params) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), params.WinClassName.c_str(), &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = params.ClassStyle;
  wc.lpfnWndProc = RuntimeWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hIcon = params.Icon;
  wc.hIconSm = params.SmallIcon;
  wc.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassExW(&wc)) throw std::runtime_error("cannot register a window class");
}

}  // namespace

LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(window);
  if (!control && g_creating) {
    control = std::exchange(g_creating, nullptr);
    control->handle_ = window;
    control->defWndProc_ = DefWindowProcW;
    SetPropW(window, MAKEINTATOM(ControlAtom()), control);
  }
  if (!control) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  // No exception may cross the window system's frames; it is reported like any other error.
  try {
    control->WindowProc(m);
  } catch (const std::exception& e) {
    Application().HandleException(e);
  } catch (...) {
    Application().HandleException(std::runtime_error("unknown error"));
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(window, MAKEINTATOM(ControlAtom()));
    if (control->handle_ == window) {
      control->handle_ = nullptr;
      HandleCounter::Released(THandleKind::Window);
    }
  }
  return m.Result;
}

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info{"TWinControl",
                               &TControl::StaticClass(),
                               {IntProperty("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder),
                                BoolProperty("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)},
                               {}};
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  DestroyHandle();
  std::vector<TControl*> children = controls_;
  controls_.clear();
  for (TControl* child : children) {
    child->parent_ = nullptr;
    if (!child->Owner()) delete child;  // a parent frees the children nobody owns
  }
}

HWND TWinControl::Handle() {
  if (!handle_) CreateWnd();
  return handle_;
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Caption = text_;
  p.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) p.Style |= WS_VISIBLE;
  if (tabStop_) p.Style |= WS_TABSTOP;
  if (!enabled_) p.Style |= WS_DISABLED;
  p.X = left_;
  p.Y = top_;
  p.Width = width_;
  p.Height = height_;
  p.WndParent = parent_ ? parent_->Handle() : nullptr;
  p.WinClassName = std::wstring(ClassName().begin(), ClassName().end());
}

void TWinControl::CreateWnd() {
  if (parent_) parent_->HandleNeeded();
  if (handle_) return;  // the parent made it while making its own children
  TCreateParams p;
  CreateParams(p);
  if (!parent_ && (p.Style & WS_CHILD)) throw std::logic_error("a child control needs a parent window");
  HMENU id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextChildId++)) : nullptr;
  HWND window;
  if (p.StdClassName.empty()) {
    RegisterRuntimeClass(p);
    g_creating = this;
    window = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                             p.Height, p.WndParent, id, GetModuleHandleW(nullptr), nullptr);
    g_creating = nullptr;
  } else {
    window = CreateWindowExW(p.ExStyle, p.StdClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                             p.Height, p.WndParent, id, GetModuleHandleW(nullptr), nullptr);
    if (window) {
      handle_ = window;
      SetPropW(window, MAKEINTATOM(ControlAtom()), this);
      defWndProc_ = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RuntimeWindowProc)));
    }
  }
  if (!window) throw std::runtime_error("cannot create the window of " + Name());
  handle_ = window;
  HandleCounter::Acquired(THandleKind::Window);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 0);
  CreateHandleDone();
  if (showHint_ && !hint_.empty()) Application().AddHintTool(this);
  // Children windows in tab order; the z-order of the windows is the tab order.
  std::vector<TWinControl*> windowed;
  for (TControl* c : controls_) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) windowed.push_back(w);
  }
  std::stable_sort(windowed.begin(), windowed.end(),
                   [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  for (TWinControl* w : windowed) w->HandleNeeded();
  UpdateTabOrder();
  Realign();
}

void TWinControl::UpdateTabOrder() {
  if (!handle_) return;
  std::vector<TWinControl*> windowed;
  for (TControl* c : controls_) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w && w->handle_) windowed.push_back(w);
  }
  std::stable_sort(windowed.begin(), windowed.end(),
                   [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  for (TWinControl* w : windowed) {
    SetWindowPos(w->handle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (!control->HasState(csReading)) {
      int count = 0;
      for (TControl* c : controls_) {
        if (c != control && dynamic_cast<TWinControl*>(c)) ++count;
      }
      w->tabOrder_ = count;
    }
    if (handle_) w->HandleNeeded();
  }
  if (!control->HasState(csReading)) {
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
  }
  control->Invalidate();
  control->RequestAlign();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  control->Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(control)) w->DestroyHandle();
  controls_.erase(it);
  control->parent_ = nullptr;
  if (mouseCapture_ == control) mouseCapture_ = nullptr;
  if (mouseOver_ == control) mouseOver_ = nullptr;
  if (control->Align() != alNone) Realign();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->IsWindowed() || !c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    if (c->BoundsRect().Contains(p)) return c;
  }
  return nullptr;
}

int TWinControl::TabOrder() const { return tabOrder_; }

void TWinControl::SetTabOrder(int v) {
  if (HasState(csReading) || !parent_) {
    tabOrder_ = v;  // put in place when the parent has been loaded
    return;
  }
  std::vector<TWinControl*> siblings;
  for (TControl* c : parent_->controls_) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w && w != this) siblings.push_back(w);
  }
  std::stable_sort(siblings.begin(), siblings.end(),
                   [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  int position = std::clamp(v, 0, static_cast<int>(siblings.size()));
  siblings.insert(siblings.begin() + position, this);
  for (std::size_t i = 0; i < siblings.size(); ++i) siblings[i]->tabOrder_ = static_cast<int>(i);
  parent_->UpdateTabOrder();
}

void TWinControl::SetTabStop(bool v) {
  if (v == tabStop_) return;
  tabStop_ = v;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  std::vector<TWinControl*> windowed;
  for (TControl* c : controls_) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) windowed.push_back(w);
  }
  std::stable_sort(windowed.begin(), windowed.end(),
                   [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  for (TWinControl* w : windowed) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const {
  HWND focus = GetFocus();
  return handle_ && focus && (focus == handle_ || IsChild(handle_, focus));
}

void TWinControl::SetFocus() {
  if (CanFocus()) ::SetFocus(Handle());
}

void TWinControl::DoEnter() {
  if (TCustomForm* form = ParentForm(); form && form != this) form->FocusChanged(this);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  UpdateBoundsFields(left, top, width, height);
  if (handle_) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Realign();
  RequestAlign();
}

void TWinControl::SetVisible(bool v) {
  if (v == visible_) return;
  TControl::SetVisible(v);
  if (handle_) ShowWindow(handle_, v ? SW_SHOWNA : SW_HIDE);
}

TRect TWinControl::ClientRect() const {
  if (handle_) {
    RECT r;
    GetClientRect(handle_, &r);
    return {r.left, r.top, r.right, r.bottom};
  }
  return {0, 0, width_, height_};
}

std::wstring TWinControl::GetText() const {
  if (!handle_) return text_;
  int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(handle_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

void TWinControl::SetText(const std::wstring& v) {
  text_ = v;
  if (handle_) SetWindowTextW(handle_, v.c_str());
  Perform(CM_TEXTCHANGED);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || realigning_ || HasState(csLoading)) return;
  std::vector<TAlignItem> items;
  std::vector<TControl*> aligned;
  for (TControl* c : controls_) {
    if (c->Align() == alNone) continue;
    items.push_back({c->Align(), c->BoundsRect(), c->Visible()});
    aligned.push_back(c);
  }
  if (aligned.empty()) return;
  TRect client = ClientRect();
  AdjustClientRect(client);
  AlignItems(client, items);
  realigning_ = true;
  for (std::size_t i = 0; i < aligned.size(); ++i) {
    const TRect& r = items[i].Bounds;
    aligned[i]->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  }
  realigning_ = false;
}

HBRUSH TWinControl::BrushHandle() {
  brush_.SetColor(color_);
  return brush_.Handle();
}

void TWinControl::ColorChanged() {
  brush_.SetColor(color_);
  TControl::ColorChanged();
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), TRUE);
  TControl::FontChanged();
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, enabled_);
  Invalidate();
}

void TWinControl::HintChanged() {
  if (!handle_) return;
  Application().RemoveHintTool(this);
  if (showHint_ && !hint_.empty()) Application().AddHintTool(this);
}

void TWinControl::ChangeScale(int M, int D) {
  DisableAlign();
  TControl::ChangeScale(M, D);
  for (TControl* c : controls_) c->ChangeScale(M, D);
  EnableAlign();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Tab orders read from the description become positions 0..n-1.
  std::vector<TWinControl*> windowed;
  for (TControl* c : controls_) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) windowed.push_back(w);
  }
  std::stable_sort(windowed.begin(), windowed.end(), [](TWinControl* a, TWinControl* b) {
    int x = a->tabOrder_ < 0 ? 1 << 30 : a->tabOrder_;
    int y = b->tabOrder_ < 0 ? 1 << 30 : b->tabOrder_;
    return x < y;
  });
  for (std::size_t i = 0; i < windowed.size(); ++i) windowed[i]->tabOrder_ = static_cast<int>(i);
  UpdateTabOrder();
  Realign();
}

std::vector<TComponent*> TWinControl::StoredChildren(const TComponent* root) const {
  std::vector<TComponent*> result;
  if (root == this) {
    for (int i = 0; i < ComponentCount(); ++i) {
      TComponent* component = Components(i);
      auto* c = dynamic_cast<TControl*>(component);
      if (!c && component && component->HasParent()) continue;  // stored inside another component
      if (!c || !c->Parent()) result.push_back(component);
    }
  }
  for (TControl* c : controls_) {
    if (c->Owner() == root) result.push_back(c);
  }
  return result;
}

bool TWinControl::HasWindowlessChildren() const {
  return std::any_of(controls_.begin(), controls_.end(), [](TControl* c) { return !c->IsWindowed(); });
}

void TWinControl::PaintControls(HDC dc) {
  RECT clip;
  GetClipBox(dc, &clip);
  for (TControl* c : controls_) {
    if (c->IsWindowed() || !c->Visible()) continue;
    RECT r{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &clip)) continue;
    TSavedDC saved(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + c->Left(), origin.y + c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::MouseForChildren(TMessage& m, bool& handled) {
  handled = false;
  if (m.Msg == WM_MOUSELEAVE) {
    if (mouseOver_) std::exchange(mouseOver_, nullptr)->Perform(CM_MOUSELEAVE);
    return;
  }
  if (m.Msg < WM_MOUSEFIRST || m.Msg > WM_MOUSELAST || m.Msg == WM_MOUSEWHEEL || m.Msg == 0x020E) return;
  TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* target = mouseCapture_ ? mouseCapture_ : ControlAtPos(p);
  if (m.Msg == WM_MOUSEMOVE && target != mouseOver_ && !mouseCapture_) {
    if (mouseOver_) mouseOver_->Perform(CM_MOUSELEAVE);
    mouseOver_ = target;
    if (target) {
      target->Perform(CM_MOUSEENTER);
      TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
      TrackMouseEvent(&tme);
    }
  }
  if (!target) return;
  bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN ||
              m.Msg == WM_LBUTTONDBLCLK;
  bool up = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
  if (down) {
    mouseCapture_ = target;
    SetCapture(handle_);
  }
  LPARAM local = MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(p.X - target->Left())),
                            static_cast<WORD>(static_cast<SHORT>(p.Y - target->Top())));
  m.Result = target->Perform(m.Msg, m.WParam, local);
  if (up) {
    mouseCapture_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  handled = true;
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SYSCHAR:
      // Alt plus a character goes to the form first (its menu bar's accelerators); a form that
      // takes it keeps the system's menu mode out.
      if (TCustomForm* form = ParentForm(); form && form->HandleAllocated() &&
                                            form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) {
        m.Result = 0;
        return;
      }
      break;
    case WM_PAINT:
      if (IsOwnClass(defWndProc_)) {
        if (m.WParam) {
          auto dc = reinterpret_cast<HDC>(m.WParam);
          PaintWindow(dc);
          PaintControls(dc);
        } else {
          TPaintDC dc(handle_);
          PaintWindow(dc.Get());
          PaintControls(dc.Get());
        }
        m.Result = 0;
        return;
      }
      if (HasWindowlessChildren()) {
        // A standard window paints itself first; its windowless children go over it.
        if (m.WParam) {
          DefaultHandler(m);
          PaintControls(reinterpret_cast<HDC>(m.WParam));
        } else {
          TPaintDC dc(handle_);
          TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0, 0};
          DefaultHandler(paint);
          PaintControls(dc.Get());
        }
        m.Result = 0;
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (IsOwnClass(defWndProc_)) {
        RECT r;
        GetClientRect(handle_, &r);
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, BrushHandle());
        m.Result = 1;
        return;
      }
      break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam));
      if (child && child != this) {
        m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        return;
      }
      break;
    }
    case CN_BASE + WM_CTLCOLORMSGBOX:
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORLISTBOX:
    case CN_BASE + WM_CTLCOLORBTN:
    case CN_BASE + WM_CTLCOLORDLG:
    case CN_BASE + WM_CTLCOLORSCROLLBAR:
    case CN_BASE + WM_CTLCOLORSTATIC: {
      auto dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ColorToRGB(font_->Color()));
      SetBkColor(dc, ColorToRGB(color_));
      m.Result = reinterpret_cast<LRESULT>(BrushHandle());
      return;
    }
    case WM_COMMAND:
      if (m.LParam) {
        TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam));
        if (child && child != this) {
          m.Result = child->Perform(CN_BASE + WM_COMMAND, m.WParam, m.LParam);
          return;
        }
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // A scroll-bar control's notices go to the control (a window's own bars send no handle).
      if (m.LParam) {
        TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam));
        if (child && child != this) {
          m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
          return;
        }
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(m.LParam);
      TWinControl* child = header ? FindControl(header->hwndFrom) : nullptr;
      if (child && child != this) {
        m.Result = child->Perform(CN_BASE + WM_NOTIFY, m.WParam, m.LParam);
        return;
      }
      break;
    }
    case WM_SETFOCUS: DoEnter(); break;
    case WM_DESTROY: Application().RemoveHintTool(this); break;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
      bool sized = !(pos->flags & SWP_NOSIZE) && (pos->cx != width_ || pos->cy != height_);
      if (!(pos->flags & SWP_NOMOVE)) {
        left_ = pos->x;
        top_ = pos->y;
      }
      if (!(pos->flags & SWP_NOSIZE)) {
        width_ = pos->cx;
        height_ = pos->cy;
      }
      DefaultHandler(m);
      if (sized) Realign();
      return;
    }
    default: {
      bool handled = false;
      MouseForChildren(m, handled);
      if (handled) return;
      break;
    }
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (handle_ && defWndProc_) {
    m.Result = CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
  }
}

}  // namespace varnelta
