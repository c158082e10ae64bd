#include "gallery/gallery_form.h"

#include <commctrl.h>
#include <commdlg.h>

#include <stdexcept>
#include <string_view>
#include <utility>

#include "runtime/application.h"
#include "runtime/common_controls.h"
#include "gallery/text_colour.h"
#include "runtime/form_reader.h"
#include "runtime/graphics.h"
#include "runtime/utf.h"
#include "skin/data/win32/skin_manage.h"
#include "statusbar/win32/rz_controls.h"

namespace varnelta::gallery {

// The form a page's description is read into. It is never shown: its controls are moved onto
// a sheet of the gallery, and it owns them until the gallery closes. Every "...Click" handler
// a page names opens a message box, so that buttons on any page answer.
class TGalleryPage : public TForm {
  VARNELTA_CLASS()
 public:
  using TForm::TForm;
  TNotifyEvent FindMethod(std::string_view name) override {
    if (!IsClickHandler(name)) return {};
    const std::wstring text = L"\"" + Utf8ToWide(name).value_or(L"") + L"\" was clicked.";
    return {std::string(name), [text](TComponent*) {
              Application().MessageBox(text, L"Varnelta Gallery", MB_OK | MB_ICONINFORMATION);
            }};
  }
  static bool IsClickHandler(std::string_view name) {
    return name.size() > 5 && name.substr(name.size() - 5) == "Click";
  }
};

const TClassInfo& TGalleryPage::StaticClass() {
  static const TClassInfo info{"TGalleryPage", &TForm::StaticClass(), {}, {}};
  return info;
}

const TClassInfo& TGalleryForm::StaticClass() {
  static const TClassInfo info{"TGalleryForm", &TForm::StaticClass(), {}, {}};
  return info;
}

std::string_view ResourceText(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const char*>(data), SizeofResource(module, found)};
}

namespace {

template <class T>
T* Find(TComponent& form, const char* name) {
  auto* c = dynamic_cast<T*>(form.FindComponent(name));
  if (!c) throw std::runtime_error(std::string("the gallery's description has no ") + name);
  return c;
}

// "GALLERY_TEXT" for the page "Text".
std::wstring PageResourceName(const TPageName& page) {
  std::wstring name = L"GALLERY_";
  for (const char* c = page.Name; *c; ++c) name += static_cast<wchar_t>(*c >= 'a' && *c <= 'z' ? *c - 32 : *c);
  return name;
}

}  // namespace

TGalleryForm::TGalleryForm(TComponent* owner, std::vector<std::string> pageText) : TForm(owner) {
  RegisterStandardControls();
  RegisterStatusBarControls();
  RegisterCommonControls();
  RegisterSkinEngine();
  ReadFormResource(*this, L"TGALLERY");
  SkinData1 = Find<TSkinData>(*this, "SkinData1");
  MessageButton = Find<TButton>(*this, "MessageButton");
  SkinLabel = Find<TLabel>(*this, "SkinLabel");
  GalleryMenu = Find<TMainMenu>(*this, "GalleryMenu");
  PageMenu = Find<TMenuItem>(*this, "PageMenu");
  SkinPopup = Find<TPopupMenu>(*this, "SkinPopup");
  tabs_ = new TPageControl(this);
  tabs_->SetName("PageTabs");
  tabs_->SetParent(this);
  LayoutTabs();
  LoadPages(pageText);
  skins_ = std::make_unique<TGallerySkins>(*SkinData1, SkinData1->SkinStream(),
                                           ProgramFolder() + L"skins\\dark.skin");
  // The manager tells when a deferred skin action has been carried out.
  SkinData1->OnSkinChanged = {"", [this](TComponent*) {
                                if (HandleAllocated()) PostMessageW(handle_, kFollowSkinColoursMessage, 0, 0);
                              }};
  SkinChanged();
}

TGalleryForm::~TGalleryForm() {
  // The pages' controls go first, while the sheets they sit on still exist.
  pageForms_.clear();
}

void TGalleryForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WinClassName = kGalleryWindowClass;
}

TNotifyEvent TGalleryForm::FindMethod(std::string_view name) {
  if (name == "MessageButtonClick") {
    return {"MessageButtonClick", [this](TComponent* s) { MessageButtonClick(s); }};
  }
  static constexpr std::pair<std::string_view, UINT> kSkinItems[] = {
      {"StoredSkinClick", kCmdStoredSkin},
      {"DarkSkinClick", kCmdDarkSkin},
      {"OpenSkinClick", kCmdOpenSkin},
      {"NoSkinClick", kCmdNoSkin},
  };
  for (const auto& [handler, command] : kSkinItems) {
    if (name == handler) return {std::string(handler), [this, id = command](TComponent*) { Command(id); }};
  }
  return {};
}

void TGalleryForm::MessageButtonClick(TComponent*) {
  Application().MessageBox(L"This message box wears the gallery's skin.\r\nSwitch skins while it is open: it follows.",
                           L"Varnelta Gallery", MB_OK | MB_ICONINFORMATION);
}

void TGalleryForm::LoadPages(const std::vector<std::string>& pageText) {
  const auto& names = GalleryPageNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!pageText.empty()) {
      if (i < pageText.size() && !pageText[i].empty()) AddPage(names[i], pageText[i]);
      continue;
    }
    const std::string_view text = ResourceText(PageResourceName(names[i]).c_str());
    if (!text.empty()) AddPage(names[i], text);
  }
}

void TGalleryForm::AddPage(const TPageName& name, std::string_view text) {
  TGalleryPageInfo info;
  info.Name = name.Name;
  auto page = std::make_unique<TGalleryPage>(nullptr);
  try {
    TFormObject description = ParseFormText(text);
    description.ClassName = TGalleryPage::StaticClass().Name;
    info.Skipped = FilterPageDescription(description, TGalleryPage::StaticClass(),
                                         [](std::string_view handler) { return TGalleryPage::IsClickHandler(handler); });
    ReadComponent(*page, description);
  } catch (const std::exception&) {
    return;  // a page that cannot be read is left out like a missing one
  }
  info.Sheet = new TTabSheet(this);
  info.Sheet->SetName(std::string(name.Name) + "Sheet");
  info.Sheet->SetCaption(Utf8ToWide(name.Name).value_or(L"?"));
  info.Sheet->SetParent(tabs_);
  if (tabs_->ActivePageIndex() < 0) tabs_->SetActivePageIndex(0);
  info.Page = page.get();
  std::vector<TControl*> controls;
  for (int i = 0; i < page->ControlCount(); ++i) controls.push_back(page->Controls(i));
  for (TControl* control : controls) control->SetParent(info.Sheet);
  const UINT command = kCmdFirstPage + static_cast<UINT>(pages_.size());
  auto* item = new TMenuItem(this);
  item->SetName(std::string(name.Name) + "PageItem");
  item->SetCaption(Utf8ToWide(name.Name).value_or(L"?"));
  item->OnClick = {"", [this, command](TComponent*) { Command(command); }};
  PageMenu->Add(item);
  pages_.push_back(std::move(info));
  pageForms_.push_back(std::move(page));
}

bool TGalleryForm::ShowPage(std::string_view name) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (FindGalleryPage(pages_[i].Name) == FindGalleryPage(name) && FindGalleryPage(name) >= 0) {
      tabs_->SetActivePageIndex(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void TGalleryForm::LayoutTabs() {
  const TRect client = ClientRect();
  const int margin = MessageButton->Left();
  const int gap = client.Height() - MessageButton->Top() - MessageButton->Height();
  tabs_->SetBounds(margin, margin, client.Width() - 2 * margin,
                   MessageButton->Top() - gap - margin);
}

void TGalleryForm::Command(UINT id) {
  switch (id) {
    case kCmdStoredSkin: skins_->UseStored(); break;
    case kCmdDarkSkin: skins_->UseDark(); break;
    case kCmdOpenSkin: OpenSkinFile(); break;
    case kCmdNoSkin: skins_->Off(); break;
    default:
      if (id >= kCmdFirstPage && id < kCmdFirstPage + pages_.size()) tabs_->SetActivePageIndex(static_cast<int>(id - kCmdFirstPage));
      return;
  }
  SkinChanged();
}

void TGalleryForm::OpenSkinFile() {
  wchar_t path[MAX_PATH] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = handle_;
  dialog.lpstrFilter = L"Skin files (*.skin)\0*.skin\0All files\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&dialog)) skins_->UseFile(path);
}

void TGalleryForm::SkinChanged() {
  SetCaption(L"Varnelta Gallery - " + skins_->Description());
  SkinLabel->SetCaption(skins_->Description());
}

void TGalleryForm::FollowSkinColours() {
  const bool skinned = skins_->Skinned() && SkinData1->SkinLoaded();
  const TSkinElements& skin = SkinData1->Skin();
  const std::uint32_t light = skinned && skin.ColourPresent[kColourWindowText]
                                  ? ColorToRGB(skin.Colours[kColourWindowText])
                                  : 0xFFFFFF;
  // The pages show the skin's face like the window does, so that controls drawn transparent
  // over them sit on the colour their text is chosen for.
  for (const TGalleryPageInfo& page : pages_) {
    if (skinned) {
      page.Sheet->SetColor(skin.Colours[kColourButtonFace]);
    } else {
      page.Sheet->SetParentColor(true);
    }
  }
  const auto follow = [&](TControl& control) {
    // A control left in the face colour is painted in the skin's face.
    const std::uint32_t back = control.Color() == clBtnFace ? ColorToRGB(skin.Colours[kColourButtonFace])
                                                            : ColorToRGB(control.Color());
    const TColor wanted = skinned ? ReadableTextColour(back, light) : clWindowText;
    if (control.Font() && control.Font()->Color() != wanted) control.Font()->SetColor(wanted);
  };
  std::vector<TControl*> stack{this};
  while (!stack.empty()) {
    TControl* control = stack.back();
    stack.pop_back();
    follow(*control);
    if (auto* parent = dynamic_cast<TWinControl*>(control)) {
      for (int i = 0; i < parent->ControlCount(); ++i) stack.push_back(parent->Controls(i));
    }
  }
}

void TGalleryForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case kFollowSkinColoursMessage:
      FollowSkinColours();
      m.Result = 0;
      return;
    case WM_ACTIVATE:
      // The first activation is when the skin manager skins the window.
      if (LOWORD(m.WParam) != WA_INACTIVE && !activated_) {
        activated_ = true;
        PostMessageW(handle_, kFollowSkinColoursMessage, 0, 0);
      }
      break;
    default: break;
  }
  TForm::WndProc(m);
  if (m.Msg == WM_SIZE && tabs_) {
    const TRect client = ClientRect();
    const int gap = 8 * Screen().PixelsPerInch() / 96;
    MessageButton->SetTop(client.Height() - gap - MessageButton->Height());
    SkinLabel->SetTop(MessageButton->Top() + (MessageButton->Height() - SkinLabel->Height()) / 2);
    LayoutTabs();
  }
}

}  // namespace varnelta::gallery
