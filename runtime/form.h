// Forms and the screen. A form is a top-level window with a border style and border icons,
// a start position, a client size, a handler table for private message numbers, and focus
// memory (the control that had the focus gets it back when the form is activated again).
// Forms are laid out for PixelsPerInch (96) and scaled to the screen's DPI when loaded.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "runtime/win_control.h"

namespace varnelta {

enum TFormBorderStyle : int { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
extern const TEnumType FormBorderStyleType;
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
extern const TEnumType BorderIconType;
enum TPosition : int { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter };
extern const TEnumType PositionType;

class TMainMenu;

class TCustomForm : public TWinControl {
  VARNELTA_CLASS()
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v) { borderStyle_ = v; }
  unsigned BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(unsigned v) { borderIcons_ = v; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }
  int ClientWidthValue() const { return ClientRect().Width(); }
  void SetClientWidth(int v);
  int ClientHeightValue() const { return ClientRect().Height(); }
  void SetClientHeight(int v);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int v) { pixelsPerInch_ = v > 0 ? v : 96; }
  bool Scaled() const { return scaled_; }
  void SetScaled(bool v) { scaled_ = v; }

  TRect ClientRect() const override;
  void SetVisible(bool v) override;
  // Scales the whole form from D to M dots per inch.
  void ScaleBy(int M, int D);

  // The form's menu bar; the window shows it from creation on and follows its changes.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  void Notification(TComponent* component) override;

  // A handler for one message number; it runs instead of the form's own handling.
  void SetMessageHandler(UINT msg, std::function<void(TMessage&)> handler);

  // The control that has (or last had) the focus inside the form.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  void FocusChanged(TWinControl* control) { activeControl_ = control; }
  void ControlDestroyed(TControl* control);
  // Closes the form: the application's main form ends the message loop, others hide.
  void Close();

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  TWinControl* FocusTarget() const;
  void PlaceOnScreen();
  TFormBorderStyle borderStyle_ = bsSizeable;
  unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int pixelsPerInch_ = 96;
  bool scaled_ = true;
  bool placed_ = false;
  TWinControl* activeControl_ = nullptr;
  std::map<UINT, std::function<void(TMessage&)>> handlers_;
  void MenuChanged();
  TMainMenu* menu_ = nullptr;
  TIconHandle bigIcon_;
  TIconHandle smallIcon_;
};

class TForm : public TCustomForm {
  VARNELTA_CLASS()
 public:
  using TCustomForm::TCustomForm;
};

// Reads a form's stored description from the program's RCDATA resource of that name.
void ReadFormResource(TCustomForm& form, const wchar_t* resourceName);

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
  // The screen's dots per inch, read once at start.
  int PixelsPerInch() const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  TCustomForm* ActiveForm() const;
  // Told at the start of every form's destruction, while its window still exists.
  std::function<void(TCustomForm*)> OnFormDestroying;

 private:
  friend class TCustomForm;
  std::vector<TCustomForm*> forms_;
};

TScreen& Screen();

}  // namespace varnelta
