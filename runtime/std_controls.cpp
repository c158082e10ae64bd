#include "runtime/std_controls.h"

#include <commctrl.h>

#include "runtime/class_registry.h"
#include "runtime/menus.h"

namespace varnelta {

const TEnumType ScrollStyleType{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
const TEnumType ComboBoxStyleType{"TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList"}};
const TEnumType AlignmentType{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};

template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}

namespace {
// Gives a live window new extended-style bits in place of the masked ones and has its frame
// (border, scroll bars) laid out and drawn again.
void ChangeExStyle(HWND window, DWORD mask, DWORD bits) {
  if (!window) return;
  const LONG_PTR old = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const LONG_PTR now = (old & ~static_cast<LONG_PTR>(mask)) | static_cast<LONG_PTR>(bits);
  if (now == old) return;
  SetWindowLongPtrW(window, GWL_EXSTYLE, now);
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window, nullptr, TRUE);
}
}  // namespace

// ---- buttons ----

const TClassInfo& TButtonControl::StaticClass() {
  static const TClassInfo info{"TButtonControl",
                               &TWinControl::StaticClass(),
                               {StrProperty("Caption", &TControl::Caption, &TControl::SetCaption)},
                               {}};
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  color_ = clBtnFace;
}

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info{"TButton",
                               &TButtonControl::StaticClass(),
                               {BoolProperty("Default", &TButton::Default, &TButton::SetDefault, false)},
                               Make<TButton>};
  return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.StdClassName = L"BUTTON";
  p.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    TButtonControl::WndProc(m);
    // The focused button is the one Enter presses, as in a dialog.
    if (default_ || Focused()) m.Result = (m.Result & ~static_cast<LRESULT>(DLGC_UNDEFPUSHBUTTON)) | DLGC_DEFPUSHBUTTON;
    return;
  }
  if (m.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) Click();
    m.Result = 0;
    return;
  }
  TButtonControl::WndProc(m);
}

// ---- edits and memos ----

const TClassInfo& TCustomEdit::StaticClass() {
  static const TClassInfo info{"TCustomEdit",
                               &TWinControl::StaticClass(),
                               {IntProperty("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0),
                                BoolProperty("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false),
                                EnumProperty("BorderStyle", BorderStyleType, &TCustomEdit::BorderStyle,
                                             &TCustomEdit::SetBorderStyle, 1),
                                EnumProperty("BiDiMode", BiDiModeType, &TCustomEdit::BiDiMode,
                                             &TCustomEdit::SetBiDiMode, bdLeftToRight),
                                StrProperty("Text", &TControl::Caption, &TControl::SetCaption)},
                               {}};
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  color_ = clWindow;
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.StdClassName = L"EDIT";
  p.Style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
  if (borderStyle_ == TBorderStyle::Single) p.ExStyle |= WS_EX_CLIENTEDGE;
  p.ExStyle |= BiDiStyleBits(biDiMode_, true);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
  if (v != TBorderStyle::None) v = TBorderStyle::Single;
  borderStyle_ = v;
  ChangeExStyle(handle_, WS_EX_CLIENTEDGE, v == TBorderStyle::Single ? WS_EX_CLIENTEDGE : 0);
}

void TCustomEdit::SetBiDiMode(TBiDiMode v) {
  if (v < bdLeftToRight || v > bdRightToLeftReadingOnly) v = bdLeftToRight;
  biDiMode_ = v;
  ChangeExStyle(handle_, kBiDiStyleMask, BiDiStyleBits(v, true));
}

void TCustomEdit::CreateHandleDone() {
  // 0 asks for the largest text the system allows, not the small default limit.
  SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetMaxLength(int v) {
  maxLength_ = v < 0 ? 0 : v;
  if (handle_) SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
  readOnly_ = v;
  if (handle_) SendMessageW(handle_, EM_SETREADONLY, v ? TRUE : FALSE, 0);
}

void TCustomEdit::SelectAll() {
  if (handle_) SendMessageW(handle_, EM_SETSEL, 0, -1);
}

int TCustomEdit::SelStart() const {
  DWORD start = 0;
  if (handle_) SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
  DWORD start = 0, end = 0;
  if (handle_) SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::CopyToClipboard() {
  if (handle_) SendMessageW(handle_, WM_COPY, 0, 0);
}

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info{"TEdit", &TCustomEdit::StaticClass(), {}, Make<TEdit>};
  return info;
}

const TClassInfo& TCustomMemo::StaticClass() {
  static const TClassInfo info{
      "TCustomMemo",
      &TCustomEdit::StaticClass(),
      {// A memo stores its Lines; Text is the same text and is not written twice.
       [] {
         TPropInfo text = StrProperty("Text", &TControl::Caption, &TControl::SetCaption);
         text.Stored = [](const TPersistent&) { return false; };
         return text;
       }(),
       ListProperty("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines),
       EnumProperty("ScrollBars", ScrollStyleType, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, ssNone),
       BoolProperty("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs, false),
       BoolProperty("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap, true)},
      {}};
  return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 185, 89); }

void TCustomMemo::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  p.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!wordWrap_ || scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.Style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.Style |= WS_HSCROLL;
}

std::vector<std::wstring> TCustomMemo::Lines() const {
  TStringList list;
  list.SetText(GetText());
  return list.Items();
}

void TCustomMemo::SetLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += L"\r\n";
    text += lines[i];
  }
  SetText(text);
}

void TCustomMemo::Recreate() {
  if (!handle_) return;
  std::wstring text = GetText();
  DestroyHandle();
  text_ = text;
  HandleNeeded();
}

void TCustomMemo::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  Recreate();
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
  if (v == scrollBars_) return;
  scrollBars_ = v;
  Recreate();
}

void TCustomMemo::WndProc(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    TCustomEdit::WndProc(m);
    // Tab moves the focus on unless the memo wants tabs (the memo wants every other key).
    const auto* msg = reinterpret_cast<const MSG*>(m.LParam);
    bool tabKey = msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) && msg->wParam == VK_TAB;
    if (!wantTabs_) {
      m.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
      if (tabKey) m.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    }
    return;
  }
  TCustomEdit::WndProc(m);
}

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info{"TMemo", &TCustomMemo::StaticClass(), {}, Make<TMemo>};
  return info;
}

// ---- combo boxes ----

const TClassInfo& TCustomComboBox::StaticClass() {
  static const TClassInfo info{
      "TCustomComboBox",
      &TWinControl::StaticClass(),
      {EnumProperty("Style", ComboBoxStyleType, &TCustomComboBox::Style, &TCustomComboBox::SetStyle, csDropDown),
       IntProperty("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount, 8),
       IntProperty("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight),
       ListProperty("Items", &TCustomComboBox::ItemList, &TCustomComboBox::SetItemList),
       IntProperty("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex, -1),
       StrProperty("Text", &TControl::Caption, &TControl::SetCaption),
       EnumProperty("BiDiMode", BiDiModeType, &TCustomComboBox::BiDiMode, &TCustomComboBox::SetBiDiMode,
                    bdLeftToRight),
       EventProperty("OnChange", &TCustomComboBox::OnChange)},
      {}};
  return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  color_ = clWindow;
  SetBounds(0, 0, 145, 21);
  items_.OnChange = [this] {
    if (handle_) FillList();
  };
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.StdClassName = L"COMBOBOX";
  static const DWORD styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  p.Style |= styles[style_] | WS_VSCROLL | CBS_AUTOHSCROLL;
  p.ExStyle |= BiDiStyleBits(biDiMode_, true);
  // The window's height includes the drop-down list.
  if (style_ != csSimple) p.Height = height_ + dropDownCount_ * itemHeight_ + 2;
}

void TCustomComboBox::SetBiDiMode(TBiDiMode v) {
  if (v < bdLeftToRight || v > bdRightToLeftReadingOnly) v = bdLeftToRight;
  biDiMode_ = v;
  ChangeExStyle(handle_, kBiDiStyleMask, BiDiStyleBits(v, true));
  ApplyBiDiToList();
}

void TCustomComboBox::ApplyBiDiToList() {
  if (!handle_) return;
  // The box's list does not take the reading order from the box: it is given it, so that its
  // scroll bar sits on the same side as the box's button.
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(handle_, &info) && info.hwndList) {
    ChangeExStyle(info.hwndList, kBiDiStyleMask, BiDiStyleBits(biDiMode_, true));
  }
}

void TCustomComboBox::FillList() {
  SendMessageW(handle_, CB_RESETCONTENT, 0, 0);
  for (const auto& item : items_.Items()) SendMessageW(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TCustomComboBox::CreateHandleDone() {
  FillList();
  if (biDiMode_ != bdLeftToRight) ApplyBiDiToList();
  // The closed box is as high as stored; list rows are ItemHeight high.
  if (style_ != csSimple) {
    SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height_ - 6);
    SendMessageW(handle_, CB_SETITEMHEIGHT, 0, itemHeight_);
  }
  if (itemIndex_ >= 0) {
    SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  } else if (!text_.empty()) {
    SetWindowTextW(handle_, text_.c_str());
  }
  RECT r;
  GetWindowRect(handle_, &r);
  height_ = r.bottom - r.top;
}

int TCustomComboBox::ItemIndex() const {
  if (!handle_) return itemIndex_;
  return static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int v) {
  if (HasState(csLoading)) {
    itemIndex_ = v;  // the items may come later in the description; checked in Loaded
    return;
  }
  if (v < -1 || v >= items_.Count()) v = -1;
  itemIndex_ = v;
  if (handle_) SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(v), 0);
  if (v >= 0) text_ = items_[v];
}

void TCustomComboBox::SetItemHeight(int v) {
  if (v <= 0) return;
  itemHeight_ = v;
  if (handle_) SendMessageW(handle_, CB_SETITEMHEIGHT, 0, v);
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
  if (!handle_ || style_ == csSimple) {
    TWinControl::SetBounds(left, top, width, height);
    return;
  }
  // The window's height sets the drop-down list; the closed box keeps its own height.
  UpdateBoundsFields(left, top, width, height);
  SetWindowPos(handle_, nullptr, left, top, width, height + dropDownCount_ * itemHeight_ + 2,
               SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r;
  GetWindowRect(handle_, &r);
  height_ = r.bottom - r.top;
  RequestAlign();
}

void TCustomComboBox::Loaded() {
  TWinControl::Loaded();
  SetItemIndex(itemIndex_);
}

void TCustomComboBox::ChangeScale(int M, int D) {
  itemHeight_ = MulDiv(itemHeight_, M, D);
  TWinControl::ChangeScale(M, D);
}

void TCustomComboBox::WndProc(TMessage& m) {
  if (m.Msg == CN_BASE + WM_COMMAND) {
    WORD code = HIWORD(m.WParam);
    if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) OnChange(this);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info{"TComboBox", &TCustomComboBox::StaticClass(), {}, Make<TComboBox>};
  return info;
}

// ---- labels ----

const TClassInfo& TCustomLabel::StaticClass() {
  static const TClassInfo info{
      "TCustomLabel",
      &TGraphicControl::StaticClass(),
      {EnumProperty("Alignment", AlignmentType, &TCustomLabel::Alignment, &TCustomLabel::SetAlignment, taLeftJustify),
       BoolProperty("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true),
       StrProperty("Caption", &TControl::Caption, &TControl::SetCaption),
       BoolProperty("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent, false),
       BoolProperty("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false)},
      {}};
  return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  parentColor_ = true;
  SetBounds(0, 0, 65, 17);
}

UINT TCustomLabel::TextFormat() const {
  static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  return DT_EXPANDTABS | alignments[alignment_] | (wordWrap_ ? DT_WORDBREAK : 0);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(r);
  }
  canvas.Brush().SetStyle(bsClear);
  std::wstring text = GetText();
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(text, r, TextFormat());
  canvas.Brush().SetStyle(bsSolid);
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || HasState(csReading | csLoading)) return;
  TWindowDC screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  canvas.Font().Assign(*Font());
  std::wstring text = GetText();
  if (text.empty()) text = L" ";
  TRect r{0, 0, wordWrap_ ? Width() : 0, 0};
  canvas.DrawText(text, r, TextFormat() | DT_CALCRECT);
  canvas.SetHandle(nullptr);
  int left = Left();
  if (alignment_ == taRightJustify) left = Left() + Width() - r.Width();
  SetBounds(left, Top(), r.Width(), r.Height());
}

void TCustomLabel::SetAutoSize(bool v) {
  if (v == autoSize_) return;
  autoSize_ = v;
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool v) {
  if (v == transparent_) return;
  transparent_ = v;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  Invalidate();
}

void TCustomLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info{"TLabel", &TCustomLabel::StaticClass(), {}, Make<TLabel>};
  return info;
}

void RegisterStandardControls() {
  RegisterComponentClass(TButton::StaticClass());
  RegisterComponentClass(TEdit::StaticClass());
  RegisterComponentClass(TMemo::StaticClass());
  RegisterComponentClass(TComboBox::StaticClass());
  RegisterComponentClass(TLabel::StaticClass());
  RegisterMenuClasses();
}

}  // namespace varnelta
