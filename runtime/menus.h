// Menus: a tree of menu items under a main menu (a form's menu bar) or a popup menu. The tree,
// the stored properties, commands, shortcut texts and accelerators are portable; the window
// layer (menu_handles.h) builds the system menus from the tree and routes their commands back.
//
// Items are components of the form (stored nested inside their menu or parent item); the menu
// owns its root item, whose children are the top-level items. Any change of an item reaches
// its menu's OnChange, where the window layer rebuilds the handles and tells the form.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/bidi_mode.h"
#include "runtime/component.h"
#include "runtime/types.h"

namespace varnelta {

// A shortcut: a virtual key code with modifier bits.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// "Ctrl+Shift+S", "F5", "Del"... ; empty for 0 or an unnamed key.
std::wstring ShortCutToText(TShortCut shortcut);
// The inverse of ShortCutToText (letter case ignored); 0 when not understood.
TShortCut TextToShortCut(std::wstring_view text);

// The accelerator of a caption: the character after a single "&" ("&&" is a literal "&"),
// upper-cased for ASCII letters; 0 when the caption has none.
wchar_t AccelChar(std::wstring_view caption);
// The key is the caption's accelerator (letter case ignored).
bool IsAccel(wchar_t key, std::wstring_view caption);
// The caption without its "&" marks ("&&" gives "&").
std::wstring StripHotkey(std::wstring_view caption);

class TMenu;
class TMenuItem;

// Owner-draw events: `dc` is the window layer's device context, `r` the item's rectangle.
using TMenuDrawItemEvent = std::function<void(TMenuItem& item, void* dc, const TRect& r, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(TMenuItem& item, void* dc, int& width, int& height)>;

class TMenuItem : public TComponent {
  VARNELTA_CLASS()
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  int ShortCut() const { return shortCut_; }
  void SetShortCut(int v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  // A separator's caption is "-".
  bool IsLine() const { return caption_ == L"-"; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }
  // The menu the item belongs to (through its parents), or none.
  TMenu* GetParentMenu() const;
  // The item of this subtree (this one included) with that command, or none.
  TMenuItem* FindByCommand(unsigned command);
  // The item of this subtree whose window-layer handle is `handle`, or none.
  TMenuItem* FindByHandle(const void* handle);

  // The item's command identifier: unique in the process, given at creation.
  unsigned Command() const { return command_; }
  // The window layer's handle of the item's drop-down (a system menu); none without children.
  void* Handle() const { return handle_; }
  void SetHandle(void* handle) { handle_ = handle; }

  TNotifyEvent OnClick;
  // Runs before the item is shown or looked up, so its state can follow the program's.
  TNotifyEvent OnUpdate;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;
  virtual void Click();
  void Update() { OnUpdate(this); }

  std::vector<TComponent*> StoredChildren(const TComponent* root) const override;
  void SetParentComponent(TComponent* parent) override;
  bool HasParent() const override { return parent_ != nullptr; }

 private:
  friend class TMenu;
  void Changed();
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  std::vector<TMenuItem*> items_;
  std::wstring caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool default_ = false;
  int shortCut_ = 0;
  int imageIndex_ = -1;
  unsigned command_ = 0;
  void* handle_ = nullptr;
};


class TMenu : public TComponent {
  VARNELTA_CLASS()
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item: its children are the menu's top-level items.
  TMenuItem* Items() const { return items_; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool v);
  // An image list (any component with "Width"); none draws no images.
  TComponent* Images() const { return images_; }
  void SetImages(TComponent* v);
  // The glyph width of the image list, 0 without one.
  int ImageWidth() const;
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v);
  bool IsRightToLeft() const { return biDiMode_ != bdLeftToRight; }

  TMenuItem* FindItem(unsigned command) const { return items_->FindByCommand(command); }
  TMenuItem* FindItemByHandle(const void* handle) const { return items_->FindByHandle(handle); }
  // The window layer's handle of the whole menu.
  void* Handle() const { return items_->Handle(); }
  // Runs the item's Click when `command` is one of this menu's; false otherwise.
  bool DispatchCommand(unsigned command);

  // How the window layer frees a menu's handles (installed by it; run when a menu is freed).
  static std::function<void(TMenu&)>& HandleFreer();

  // Told after any change of the menu or its items (not while the form is being read).
  std::function<void(TMenu&)> OnChange;
  void Changed();
  void Loaded() override;
  std::vector<TComponent*> StoredChildren(const TComponent* root) const override;
  void Notification(TComponent* component) override;

 private:
  TMenuItem* items_;
  bool ownerDraw_ = false;
  TComponent* images_ = nullptr;
  TBiDiMode biDiMode_ = bdLeftToRight;
};

class TMainMenu : public TMenu {
  VARNELTA_CLASS()
 public:
  using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
  VARNELTA_CLASS()
 public:
  using TMenu::TMenu;
  // Where the menu was last asked to show, in screen coordinates.
  TPoint PopupPoint() const { return popupPoint_; }
  // Shows the menu at the screen point (the window layer's handler; the point is kept).
  void Popup(int x, int y);
  // The component the menu was shown for (the control right-clicked), or none.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* c) { popupComponent_ = c; }
  // The window layer installs how a popup menu is shown.
  static std::function<void(TPopupMenu&, int x, int y)>& PopupHandler();

 private:
  TPoint popupPoint_;
  TComponent* popupComponent_ = nullptr;
};

// Registers the menu classes with the form reader.
void RegisterMenuClasses();

}  // namespace varnelta
