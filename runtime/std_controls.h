// The standard controls the program uses: push buttons, edits and memos, drop-down combo
// boxes (windowed, standard window classes subclassed at creation) and labels (windowless).
#pragma once

#include "runtime/bidi_mode.h"
#include "runtime/border_style.h"
#include "runtime/string_list.h"
#include "runtime/win_control.h"

namespace varnelta {

class TButtonControl : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TButtonControl(TComponent* owner);
};

class TButton : public TButtonControl {
  VARNELTA_CLASS()
 public:
  explicit TButton(TComponent* owner);
  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool default_ = false;
};

class TCustomEdit : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomEdit(TComponent* owner);
  void SelectAll();
  int SelStart() const;
  int SelLength() const;
  void CopyToClipboard();
  void Clear() { SetText(L""); }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  // bsSingle: the sunken client edge (WS_EX_CLIENTEDGE); bsNone: no border at all.
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  // Right-to-left modes read right to left; bdRightToLeft and bdRightToLeftNoAlign put the
  // vertical scroll bar on the left.
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  int maxLength_ = 0;  // 0: as long as the system allows
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::Single;
  TBiDiMode biDiMode_ = bdLeftToRight;
};

class TEdit : public TCustomEdit {
  VARNELTA_CLASS()
 public:
  using TCustomEdit::TCustomEdit;
};

enum TScrollStyle : int { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const TEnumType ScrollStyleType;

class TCustomMemo : public TCustomEdit {
  VARNELTA_CLASS()
 public:
  explicit TCustomMemo(TComponent* owner);
  // The text as lines (CR LF, CR or LF breaks); setting joins them with CR LF.
  std::vector<std::wstring> Lines() const;
  void SetLines(const std::vector<std::wstring>& lines);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool v) { wantTabs_ = v; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void Recreate();
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
  VARNELTA_CLASS()
 public:
  using TCustomMemo::TCustomMemo;
};

enum TComboBoxStyle : int { csDropDown, csSimple, csDropDownList };
extern const TEnumType ComboBoxStyleType;

class TCustomComboBox : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomComboBox(TComponent* owner);
  TStringList& Items() { return items_; }
  std::vector<std::wstring> ItemList() const { return items_.Items(); }
  void SetItemList(const std::vector<std::wstring>& items) { items_.Assign(items); }
  // The selected item, or -1 when the text field holds something that is no item.
  int ItemIndex() const;
  void SetItemIndex(int v);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int v);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle v) { style_ = v; }
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int v) { dropDownCount_ = v; }
  // As an edit's: right-to-left reading, and the drop-down button or list bar on the left.
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v);
  void SetBounds(int left, int top, int width, int height) override;
  void ChangeScale(int M, int D) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  void FillList();
  void ApplyBiDiToList();
  TStringList items_;
  int itemIndex_ = -1;
  int itemHeight_ = 16;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  TBiDiMode biDiMode_ = bdLeftToRight;
};

class TComboBox : public TCustomComboBox {
  VARNELTA_CLASS()
 public:
  using TCustomComboBox::TCustomComboBox;
};

enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };
extern const TEnumType AlignmentType;

class TCustomLabel : public TGraphicControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomLabel(TComponent* owner);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  void Loaded() override;

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;
  UINT TextFormat() const;
  void AdjustBounds();

 private:
  bool autoSize_ = true;
  bool transparent_ = false;
  bool wordWrap_ = false;
  TAlignment alignment_ = taLeftJustify;
};

class TLabel : public TCustomLabel {
  VARNELTA_CLASS()
 public:
  using TCustomLabel::TCustomLabel;
};

// Registers every class above with the form reader.
void RegisterStandardControls();

}  // namespace varnelta
