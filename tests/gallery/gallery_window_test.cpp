// The gallery window under Wine with real windows and messages: its pages come from the stored
// descriptions built into it, a missing or damaged skin file leaves it unskinned and says so,
// an open message box follows a skin switch, and 100 switches leave the handle counts flat.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "gallery/gallery_capture.h"
#include "gallery/gallery_form.h"
#include "runtime/application.h"
#include "runtime/handle_count.h"
#include "skin/data/skin_host.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta::gallery {
namespace {

using Counts = std::array<long, static_cast<std::size_t>(THandleKind::Count)>;

Counts LiveHandles() {
  Counts counts{};
  for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = HandleCounter::Live(static_cast<THandleKind>(i));
  return counts;
}

// The live handles once the whole window has painted: paint buffers are made while painting.
Counts SettledHandles(TGalleryForm& form) {
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  testing::PumpPending();
  return LiveHandles();
}

bool Framed(TGalleryForm& form) {
  TSkinManage* manager = TSkinManage::Current();
  return manager && manager->FindFormSkinner(form.Handle()) != nullptr;
}

class GalleryWindow : public ::testing::Test {
 protected:
  void Open(const std::wstring& skinFile = {}) {
    Application().Initialize();
    form = std::make_unique<TGalleryForm>(nullptr);
    form->StartSkin(skinFile);
    form->SetVisible(true);
    SetForegroundWindow(form->Handle());
    ASSERT_TRUE(WaitForSkin(*form));
  }
  void TearDown() override {
    form.reset();
    testing::PumpPending();
    DestroySkinManager();
  }
  std::wstring Caption() { return form->GetText(); }

  std::unique_ptr<TGalleryForm> form;
};

TEST_F(GalleryWindow, PagesAreReadFromTheBuiltInDescriptionsAndMovedOntoSheets) {
  Open();
  EXPECT_TRUE(Framed(*form));
  EXPECT_EQ(Caption(), L"Varnelta Gallery - stored skin");
  ASSERT_FALSE(form->Pages().empty());
  bool textPage = false;
  for (const TGalleryPageInfo& page : form->Pages()) {
    SCOPED_TRACE(page.Name);
    EXPECT_GE(FindGalleryPage(page.Name), 0);
    EXPECT_GT(page.Sheet->ControlCount(), 0);
    if (page.Name != "Text") continue;
    textPage = true;
    auto* edit = dynamic_cast<TControl*>(page.Page->FindComponent("EditBorder"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Parent(), page.Sheet);
    auto* disabled = dynamic_cast<TControl*>(page.Page->FindComponent("EditBorderOff"));
    ASSERT_NE(disabled, nullptr);
    EXPECT_FALSE(disabled->Enabled());
  }
  EXPECT_TRUE(textPage);
  EXPECT_TRUE(form->ShowPage("text"));
  EXPECT_EQ(form->Pages()[static_cast<std::size_t>(form->Tabs().ActivePageIndex())].Name, "Text");
  EXPECT_FALSE(form->ShowPage("Nowhere"));
}

TEST_F(GalleryWindow, MissingAndDamagedFilesLeaveItUnskinnedAndSaySo) {
  {
    std::ofstream damaged("damaged.skin", std::ios::binary);
    damaged << "\x10\x27\x00\x00 this is not a skin archive";
  }
  struct Case {
    const wchar_t* file;
    const wchar_t* caption;
  };
  for (const Case& c : {Case{L"missing.skin", L"Varnelta Gallery - unskinned: missing.skin: no such file"},
                        Case{L"damaged.skin", L"Varnelta Gallery - unskinned: damaged.skin: not a skin archive, or a damaged one"}}) {
    SCOPED_TRACE(c.file);
    Open(c.file);
    EXPECT_EQ(Caption(), c.caption);
    EXPECT_FALSE(Framed(*form));
    EXPECT_FALSE(form->Skins().Skinned());
    // A working skin afterwards skins it.
    form->Command(kCmdStoredSkin);
    ASSERT_TRUE(WaitForSkin(*form));
    EXPECT_TRUE(Framed(*form));
    TearDown();
  }
  DeleteFileW(L"damaged.skin");
}

// The menu bar is the runtime's menu, read from the gallery's description and skinned by the
// engine; its items do what the commands do, reached through the window's own WM_COMMAND.
TEST_F(GalleryWindow, TheMenuBarIsTheRuntimesMenuAndItsItemsSwitchSkinsAndPages) {
  Open();
  ASSERT_NE(form->GalleryMenu, nullptr);
  EXPECT_EQ(form->Menu(), form->GalleryMenu);
  TMenuItem* items = form->GalleryMenu->Items();
  ASSERT_EQ(items->Count(), 2);
  EXPECT_EQ(items->Items(0)->Caption(), L"&Skin");
  EXPECT_EQ(items->Items(1), form->PageMenu);
  std::vector<std::wstring> captions;
  for (int i = 0; i < items->Items(0)->Count(); ++i) captions.push_back(items->Items(0)->Items(i)->Caption());
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"&Stored skin", L"&Dark skin", L"&Open skin file...", L"-", L"&No skin"}));
  ASSERT_EQ(form->PageMenu->Count(), static_cast<int>(form->Pages().size()));
  // The engine paints the bar from the runtime's menu.
  TSkinManage* manager = TSkinManage::Current();
  TWinSkinForm* frame = manager ? manager->FindFormSkinner(form->Handle()) : nullptr;
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(frame->SkinMenu(), nullptr);
  EXPECT_EQ(frame->SkinMenu()->Menu(), form->GalleryMenu);
  EXPECT_FALSE(frame->SkinMenu()->Items().empty());

  const auto choose = [&](const char* name) {
    auto* item = dynamic_cast<TMenuItem*>(form->FindComponent(name));
    if (!item) return false;
    SendMessageW(form->Handle(), WM_COMMAND, item->Command(), 0);
    return WaitForSkin(*form);
  };
  ASSERT_TRUE(choose("NoSkinItem"));
  EXPECT_FALSE(Framed(*form));
  EXPECT_EQ(Caption(), L"Varnelta Gallery - unskinned: switched off");
  ASSERT_TRUE(choose("StoredSkinItem"));
  EXPECT_TRUE(Framed(*form));
  EXPECT_EQ(Caption(), L"Varnelta Gallery - stored skin");
  // The popup menu offers the same choices.
  ASSERT_NE(form->SkinPopup, nullptr);
  EXPECT_EQ(form->PopupMenu(), form->SkinPopup);
  ASSERT_TRUE(choose("PopupNoSkinItem"));
  EXPECT_FALSE(Framed(*form));
  ASSERT_TRUE(choose("PopupStoredSkinItem"));
  EXPECT_TRUE(Framed(*form));
  // A page item shows its page.
  const int last = form->PageMenu->Count() - 1;
  SendMessageW(form->Handle(), WM_COMMAND, form->PageMenu->Items(last)->Command(), 0);
  EXPECT_EQ(form->Tabs().ActivePageIndex(), last);
  SendMessageW(form->Handle(), WM_COMMAND, form->PageMenu->Items(0)->Command(), 0);
  EXPECT_EQ(form->Tabs().ActivePageIndex(), 0);
}

// The message box is open (its own modal loop runs): the test switches skinning off from a
// timer inside that loop, waits for the box to lose its skin, and closes it.
struct BoxWatch {
  TGalleryForm* form = nullptr;
  HWND box = nullptr;
  bool skinnedAtFirst = false;
  bool followedOff = false;
  DWORD started = 0;
};
BoxWatch* watch = nullptr;

void CALLBACK WatchBox(HWND, UINT, UINT_PTR, DWORD) {
  TSkinManage* manager = TSkinManage::Current();
  if (!watch->box) {
    watch->box = testing::FindThreadDialog(GetCurrentThreadId());
    if (!watch->box) return;
    watch->started = GetTickCount();
    watch->skinnedAtFirst = manager && manager->FindFormSkinner(watch->box);
    watch->form->Command(kCmdNoSkin);
    return;
  }
  const bool framed = manager && manager->FindFormSkinner(watch->box);
  if (!framed) watch->followedOff = true;
  if (watch->followedOff || GetTickCount() - watch->started > 4000) {
    PostMessageW(watch->box, WM_COMMAND, IDOK, 0);
  }
}

TEST_F(GalleryWindow, AnOpenMessageBoxFollowsASkinSwitch) {
  Open();
  BoxWatch state;
  state.form = form.get();
  watch = &state;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchBox);
  form->MessageButtonClick(nullptr);
  KillTimer(nullptr, timer);
  watch = nullptr;
  ASSERT_NE(state.box, nullptr);
  EXPECT_TRUE(state.skinnedAtFirst);
  EXPECT_TRUE(state.followedOff);
}

TEST_F(GalleryWindow, HundredSwitchesLeaveTheHandleCountsFlat) {
  Open();
  const std::array<UINT, 4> cycle{kCmdDarkSkin, kCmdNoSkin, kCmdStoredSkin, kCmdNoSkin};
  // One round first: the first switch makes the stored skin's file and the first off/on pair
  // creates what stays for the program's life.
  for (UINT command : cycle) {
    form->Command(command);
    ASSERT_TRUE(WaitForSkin(*form));
  }
  form->Command(kCmdStoredSkin);
  ASSERT_TRUE(WaitForSkin(*form));
  const Counts before = SettledHandles(*form);
  for (int i = 0; i < 100; ++i) {
    const UINT command = cycle[static_cast<std::size_t>(i) % cycle.size()];
    form->Command(command);
    ASSERT_TRUE(WaitForSkin(*form)) << i;
    // The native look comes back every time skinning is off, the frame every time it is on.
    EXPECT_EQ(Framed(*form), command != kCmdNoSkin) << i;
  }
  form->Command(kCmdStoredSkin);
  ASSERT_TRUE(WaitForSkin(*form));
  const Counts after = SettledHandles(*form);
  for (std::size_t kind = 0; kind < before.size(); ++kind) {
    EXPECT_LE(after[kind], before[kind]) << kHandleKindNames[kind];
  }
  EXPECT_EQ(Caption(), L"Varnelta Gallery - stored skin");
}

}  // namespace
}  // namespace varnelta::gallery
