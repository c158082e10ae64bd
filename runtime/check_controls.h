// Check boxes, radio buttons and radio groups: standard "BUTTON" windows subclassed at creation
// (the group is a container of the runtime's own class holding one radio button per item).
#pragma once

#include "runtime/custom_control.h"
#include "runtime/std_controls.h"

namespace varnelta {

enum TCheckBoxState : int { cbUnchecked, cbChecked, cbGrayed };
extern const TEnumType CheckBoxStateType;

class TCustomCheckBox : public TButtonControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomCheckBox(TComponent* owner);
  // The window's check state once it exists, else the stored one.
  TCheckBoxState State() const;
  void SetState(TCheckBoxState v);
  bool Checked() const { return State() == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  // taLeftJustify puts the text left of the box.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  VARNELTA_CLASS()
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TButtonControl {
  VARNELTA_CLASS()
 public:
  explicit TRadioButton(TComponent* owner);
  bool Checked() const;
  void SetChecked(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};

// A framed group of radio buttons, one per item, laid out in `Columns` columns. The buttons are
// children the group makes and frees itself; they are not stored with the form.
class TCustomRadioGroup : public TCustomControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomRadioGroup(TComponent* owner);
  std::vector<std::wstring> Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int v);
  int Columns() const { return columns_; }
  void SetColumns(int v);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  void SetBounds(int left, int top, int width, int height) override;
  // The group scales itself and lays its buttons out again from the scaled size; the buttons
  // are not scaled a second time as children.
  void ChangeScale(int M, int D) override;
  void Loaded() override;
  std::vector<TComponent*> StoredChildren(const TComponent* root) const override;

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }
  // A layout length given for 96 dots per inch, at the group's present scale.
  int Scaled(int v) const;
  void EnabledChanged() override;

 private:
  void MakeButtons();
  void ArrangeButtons();
  std::vector<std::wstring> items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  int scaleM_ = 1, scaleD_ = 1;  // the scale the group was given since it was made
};

class TRadioGroup : public TCustomRadioGroup {
  VARNELTA_CLASS()
 public:
  using TCustomRadioGroup::TCustomRadioGroup;
};

void RegisterCheckControls();

}  // namespace varnelta
