// The gallery's window: the runtime's page control whose pages are read from stored form descriptions, a
// button that opens a message box, a menu bar to switch skins, and the skin component that
// skins it all. Registers under its own window class, so several copies may run beside each
// other and beside the main program.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gallery/page_description.h"
#include "gallery/skin_switch.h"
#include "runtime/form.h"
#include "runtime/menus.h"
#include "runtime/std_controls.h"
#include "runtime/tab_controls.h"
#include "skin/data/skin_data.h"

namespace varnelta::gallery {

inline constexpr const wchar_t* kGalleryWindowClass = L"VarneltaGallery";

// The gallery's commands: what its menu items do (Command runs one as a click on its item would).
enum : UINT {
  kCmdStoredSkin = 101,
  kCmdDarkSkin = 102,
  kCmdOpenSkin = 103,
  kCmdNoSkin = 104,
  kCmdFirstPage = 201,  // one per page
};

// A page as read: the hidden form its description was read into (it owns the controls), and the
// sheet they were moved onto.
class TGalleryPage;
struct TGalleryPageInfo {
  std::string Name;
  TTabSheet* Sheet = nullptr;
  TForm* Page = nullptr;
  TPageFilterReport Skipped;
};

class TGalleryForm : public TForm {
  VARNELTA_CLASS()
 public:
  // `pageText` replaces the page descriptions built into the program (tests); pages without
  // text are skipped.
  explicit TGalleryForm(TComponent* owner, std::vector<std::string> pageText = {});
  ~TGalleryForm() override;

  TSkinData* SkinData1 = nullptr;
  TButton* MessageButton = nullptr;
  TLabel* SkinLabel = nullptr;
  TMainMenu* GalleryMenu = nullptr;
  TMenuItem* PageMenu = nullptr;  // one item per page, added as the pages are read
  TPopupMenu* SkinPopup = nullptr;

  TPageControl& Tabs() { return *tabs_; }
  const std::vector<TGalleryPageInfo>& Pages() const { return pages_; }
  TGallerySkins& Skins() { return *skins_; }
  // The first skin choice (see TGallerySkins::Start), shown in the caption.
  void StartSkin(const std::wstring& file) {
    skins_->Start(file);
    SkinChanged();
  }
  // Shows the page of that name; false when there is none.
  bool ShowPage(std::string_view name);
  // Runs a command as if its menu item were chosen.
  void Command(UINT id);
  // The caption and label follow the current skin choice.
  void SkinChanged();
  // Every control's text takes the colour that reads on its background (see text_colour.h).
  void FollowSkinColours();

  void MessageButtonClick(TComponent* Sender);
  TNotifyEvent FindMethod(std::string_view name) override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void LoadPages(const std::vector<std::string>& pageText);
  void AddPage(const TPageName& name, std::string_view text);
  void OpenSkinFile();
  void LayoutTabs();

  TPageControl* tabs_ = nullptr;
  std::vector<TGalleryPageInfo> pages_;
  std::vector<std::unique_ptr<TGalleryPage>> pageForms_;
  std::unique_ptr<TGallerySkins> skins_;
  bool activated_ = false;
};

// Posted to the gallery window once a skin change has been carried out.
inline constexpr UINT kFollowSkinColoursMessage = WM_APP + 0x31;

// The text of a description built into the program as an RCDATA resource; empty when absent.
std::string_view ResourceText(const wchar_t* name);

}  // namespace varnelta::gallery
