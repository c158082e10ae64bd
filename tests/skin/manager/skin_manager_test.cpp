// The skin manager under the window system: the main window's frame skinner made at its first
// activation, the control dispatch's decisions for its controls and for a message box, the
// windows it leaves alone, popup menu skinners, switching skinning off and on, child managers,
// and handles over many message boxes and menus.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/handle_count.h"
#include "skin/controls/skinner_registry.h"
#include "skin/data/skin_writer.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

using testing::MessageBoxCatcher;
using testing::PumpPending;
using testing::PumpUntil;

std::array<long, static_cast<std::size_t>(THandleKind::Count)> Counts() {
  std::array<long, static_cast<std::size_t>(THandleKind::Count)> counts{};
  for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = HandleCounter::Live(static_cast<THandleKind>(i));
  return counts;
}

// No kind of handle grew (a timer of the window's own, such as a hint's, may have ended).
void ExpectNoGrowth(const std::array<long, static_cast<std::size_t>(THandleKind::Count)>& before) {
  const auto after = Counts();
  for (std::size_t i = 0; i < after.size(); ++i) EXPECT_LE(after[i], before[i]) << kHandleKindNames[i];
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class SkinManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Application().SetMainFormOnTaskBar(true);
    form = std::make_unique<TForm1>(nullptr);
    manager = TSkinManage::Current();
    ASSERT_NE(manager, nullptr);
    manager->SetDispatchObserver([this](const TDispatchRecord& r) { records.push_back(r); });
  }
  void TearDown() override {
    if (manager) manager->SetDispatchObserver({});
    form.reset();
    PumpPending();
  }
  void ShowAndWaitForSkin() {
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) && !records.empty(); }));
    PumpPending();
  }
  // The decision the dispatch last made for a runtime control.
  const TDispatchRecord* Decision(const std::string& name) const {
    const TDispatchRecord* found = nullptr;
    for (const auto& r : records) {
      if (r.ControlName == name) found = &r;
    }
    return found;
  }
  std::unique_ptr<TForm1> form;
  TSkinManage* manager = nullptr;
  std::vector<TDispatchRecord> records;
};

TEST_F(SkinManagerTest, MainWindowIsSkinnedAtItsFirstActivationWithTheDispatchDecisions) {
  // Loaded made the manager and the hook, scheduled nothing and skinned nothing yet.
  EXPECT_TRUE(form->SkinData1->SkinLoaded());
  EXPECT_TRUE(form->SkinData1->Active());
  EXPECT_TRUE(manager->HookInstalled());
  EXPECT_EQ(HandleCounter::Live(THandleKind::Hook), 1);
  EXPECT_FALSE(manager->TimerRunning());
  EXPECT_TRUE(manager->On());
  EXPECT_EQ(manager->FindFormSkinner(form->Handle()), nullptr);
  EXPECT_EQ(SendMessageW(form->Handle(), 0x3523, 0, 0), 0);

  ShowAndWaitForSkin();
  EXPECT_EQ(manager->Started(), 1);
  EXPECT_EQ(SendMessageW(form->Handle(), 0x3523, 0, 0), 1);
  const std::map<std::string, std::string> expected{
      {"Button1", "TSkinButton"}, {"Button2", "TSkinButton"},     {"Memo1", "TSkinScrollbar"},
      {"Memo2", "TSkinScrollbar"}, {"ComboBox1", "TSkinComBox"}, {"RzStatusBar1", "TSkinBox"},
      {"Label1", ""},              {"Label2", ""},                {"Label3", ""},
      {"RzStatusPane1", ""},       {"RzClockStatus1", ""}};
  for (const auto& [name, skinner] : expected) {
    const TDispatchRecord* r = Decision(name);
    ASSERT_NE(r, nullptr) << name;
    EXPECT_EQ(r->Skinner, skinner) << name << " by " << r->Rule;
  }
  const TDispatchRecord* statusBar = Decision("RzStatusBar1");
  ASSERT_NE(statusBar, nullptr);
  EXPECT_EQ(statusBar->Rule, "rule 32");
  // The status bar's panes are decided before the bar itself.
  std::size_t pane = 0, bar = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].ControlName == "RzMarqueeStatus1" && !pane) pane = i + 1;
    if (records[i].ControlName == "RzStatusBar1") bar = i + 1;
  }
  EXPECT_LT(pane, bar);
  // The skinners were made and answer the probe; the panel's only recolours and hooks nothing.
  for (TWinControl* c : std::initializer_list<TWinControl*>{form->Button1, form->Memo2, form->ComboBox1}) {
    EXPECT_EQ(SendMessageW(c->Handle(), 0x3523, 0, 0), 1) << c->Name();
  }
  auto* statusBarControl = dynamic_cast<TWinControl*>(form->FindComponent("RzStatusBar1"));
  ASSERT_NE(statusBarControl, nullptr);
  EXPECT_EQ(SendMessageW(statusBarControl->Handle(), 0x3523, 0, 0), 0);
  EXPECT_EQ(manager->FindFormSkinner(form->Handle())->Controls().size(), 6u);
  EXPECT_EQ(manager->FormSkinnerCount(), 1u);
}

TEST_F(SkinManagerTest, MessageBoxIsSkinnedOnceWithItsButton) {
  ShowAndWaitForSkin();
  records.clear();
  {
    MessageBoxCatcher catcher;
    SendMessageW(form->Button1->Handle(), BM_CLICK, 0, 0);  // empty memo: the box
    EXPECT_TRUE(catcher.seen);
    EXPECT_EQ(catcher.caption, L"提示");
  }
  int buttons = 0, statics = 0;
  for (const auto& r : records) {
    if (r.ClassName == L"Button") {
      ++buttons;
      EXPECT_EQ(r.Skinner, "TSkinButton");
      EXPECT_TRUE(r.Created);
    }
    if (r.ClassName == L"Static") {
      ++statics;
      EXPECT_EQ(r.Skinner, "");
    }
  }
  EXPECT_EQ(buttons, 1);
  EXPECT_GE(statics, 1);
  PumpPending();
  manager->SkinWindow(form->Handle());  // purges the box's released skinner
  EXPECT_EQ(manager->FormSkinnerCount(), 1u);
}

TEST_F(SkinManagerTest, WindowsLeftAlone) {
  ShowAndWaitForSkin();
  // A form with Tag 99, whatever the DisableTag.
  form->SkinData1->SetDisableTag(5);
  TForm tagged(nullptr);
  tagged.SetTag(99);
  tagged.SetBounds(10, 10, 200, 100);
  tagged.Show();
  PumpPending();
  EXPECT_EQ(manager->FindFormSkinner(tagged.Handle()), nullptr);
  // A veto from OnFormSkin, then a form it lets through.
  form->SkinData1->OnFormSkin = [](TComponent*, const std::wstring&, bool& DoSkin) { DoSkin = false; };
  TForm vetoed(nullptr);
  vetoed.SetBounds(20, 20, 200, 100);
  vetoed.Show();
  PumpPending();
  EXPECT_EQ(manager->FindFormSkinner(vetoed.Handle()), nullptr);
  form->SkinData1->OnFormSkin = nullptr;
  TForm plain(nullptr);
  plain.SetBounds(30, 30, 200, 100);
  plain.Show();
  PumpPending();
  EXPECT_NE(manager->FindFormSkinner(plain.Handle()), nullptr);

  // A zero-size window and a preview window of our own instance.
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TPrintPreviewWindow";
  RegisterClassW(&wc);
  HWND preview = CreateWindowExW(0, L"TPrintPreviewWindow", L"p", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, wc.hInstance, nullptr);
  HWND zero = CreateWindowExW(0, L"TPrintPreviewWindow", L"z", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, nullptr,
                              nullptr, wc.hInstance, nullptr);
  form->SkinData1->SetOptions(form->SkinData1->Options() & ~SkinBit(xoPreview));
  EXPECT_FALSE(manager->SkinWindow(preview));
  EXPECT_FALSE(manager->SkinWindow(zero));
  DestroyWindow(preview);
  DestroyWindow(zero);

  // A template dialog that asks to come to the foreground.
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } dialog{};
  dialog.t.style = WS_POPUP | WS_CAPTION | DS_SETFOREGROUND;
  dialog.t.cx = 100;
  dialog.t.cy = 50;
  HWND box = CreateDialogIndirectW(GetModuleHandleW(nullptr), &dialog.t, nullptr, &PlainDialog);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(manager->SkinWindow(box));
  DestroyWindow(box);
}

// Looks at the popup skinner list from a timer inside a menu's own loop, then ends the menu.
TSkinManage* g_watched = nullptr;
std::size_t g_seenOpen = 0;
void CALLBACK WatchOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (g_watched->PopupSkinnerCount() > 0) {
    g_seenOpen = g_watched->PopupSkinnerCount();
    EndMenu();
  }
}

TEST_F(SkinManagerTest, ContextMenuGetsAPopupSkinnerReleasedWhenItCloses) {
  ShowAndWaitForSkin();
  const auto before = Counts();
  g_watched = manager;
  for (int round = 0; round < 100; ++round) {
    g_seenOpen = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, &WatchOpenMenu);
    RECT r;
    GetWindowRect(form->Memo1->Handle(), &r);
    SendMessageW(form->Memo1->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Memo1->Handle()),
                 MAKELPARAM(r.left + 20, r.top + 20));
    KillTimer(nullptr, timer);
    PumpPending();
    ASSERT_EQ(g_seenOpen, 1u) << "round " << round;
    ASSERT_EQ(manager->PopupSkinnerCount(), 0u);
  }
  EXPECT_EQ(manager->MenuKind(), 0);
  EXPECT_FALSE(manager->MenusOpen());
  ExpectNoGrowth(before);
}

TEST_F(SkinManagerTest, ActiveOffUnskinsAfterTheDelayAndOnSkinsAgain) {
  ShowAndWaitForSkin();
  form->SkinData1->SetActive(false);
  EXPECT_TRUE(manager->TimerRunning());
  EXPECT_NE(manager->FindFormSkinner(form->Handle()), nullptr);  // nothing before the delay
  ASSERT_TRUE(PumpUntil([&] { return manager->FormSkinnerCount() == 0; }));
  EXPECT_EQ(SendMessageW(form->Button1->Handle(), 0x3523, 0, 0), 0);
  EXPECT_FALSE(manager->TimerRunning());
  records.clear();
  form->SkinData1->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) && Decision("Button1"); }));
  EXPECT_EQ(SendMessageW(form->Button1->Handle(), 0x3523, 0, 0), 1);

  // A refresh keeps the frame skinner; a missing skin file leaves no skin loaded.
  int changed = 0;
  form->SkinData1->OnSkinChanged = {"Changed", [&](TComponent*) { ++changed; }};
  form->SkinData1->UpdateSkin();
  ASSERT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_NE(manager->FindFormSkinner(form->Handle()), nullptr);
  form->SkinData1->SetSkinFile(L"Z:\\no\\such\\file.skin");
  EXPECT_FALSE(form->SkinData1->SkinLoaded());
}

TEST_F(SkinManagerTest, ChildManagerSharesTheListsWhileAttached) {
  ShowAndWaitForSkin();
  TSkinManage child(true, reinterpret_cast<HINSTANCE>(0x1234));
  manager->AttachChild(child);
  EXPECT_EQ(child.FormSkinnerCount(), manager->FormSkinnerCount());
  EXPECT_TRUE(child.On());
  EXPECT_EQ(child.Started(), 1);
  EXPECT_EQ(child.MainComponent(), form->SkinData1);
  manager->DetachChild(child);
  EXPECT_FALSE(child.On());
  EXPECT_EQ(child.Started(), 4);
  EXPECT_EQ(child.FormSkinnerCount(), 0u);
  EXPECT_EQ(manager->FormSkinnerCount(), 1u);
}

TEST_F(SkinManagerTest, HundredMessageBoxesLeaveTheListsAndHandlesAsTheyWere) {
  ShowAndWaitForSkin();
  const auto before = Counts();
  for (int i = 0; i < 100; ++i) {
    MessageBoxCatcher catcher;
    SendMessageW(form->Button2->Handle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(catcher.seen) << i;
  }
  PumpPending();
  manager->SkinWindow(form->Handle());  // purges what the boxes left
  EXPECT_EQ(manager->FormSkinnerCount(), 1u);
  ExpectNoGrowth(before);
}

}  // namespace
}  // namespace varnelta

namespace varnelta {
namespace {

std::string StoredDescription() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, L"TFORM1", MAKEINTRESOURCEW(10));
  return std::string(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                     SizeofResource(module, resource));
}

// The description with its "SkinStream" holding `bytes` (count included).
std::string WithStream(const std::string& description, const std::vector<std::uint8_t>& bytes) {
  const std::size_t start = description.find("SkinStream = {");
  const std::size_t end = description.find('}', start);
  static const char* digits = "0123456789ABCDEF";
  std::string hex = "SkinStream = {";
  for (std::uint8_t b : bytes) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return description.substr(0, start) + hex + description.substr(end);
}

std::vector<std::uint8_t> Counted(const std::vector<std::uint8_t>& stream, std::uint32_t count) {
  std::vector<std::uint8_t> out;
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(count >> (8 * i)));
  for (std::uint8_t b : stream) out.push_back(b);
  return out;
}

TEST(DamagedSkinTest, MainWindowWorksUnskinnedAndConverts) {
  Application().Initialize();
  // The stored stream, read back out of the stored description.
  const std::string stored = StoredDescription();
  std::vector<std::uint8_t> skin;
  {
    TForm1 probe(nullptr);
    skin = probe.SkinData1->SkinStream();
  }
  ASSERT_GT(skin.size(), 1000u);
  auto flipped = skin;
  for (std::size_t i = 16; i < flipped.size(); i += 5) flipped[i] ^= 0xA5;
  const std::string ini = "[Colours]\n";
  auto archive = BuildSkinArchive(40000, {{"s.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())}});
  archive[0] = 0x11;
  const auto unknown = CompressSkinStream(archive);
  struct Case {
    const char* name;
    std::vector<std::uint8_t> stream;
    bool message;
  };
  const Case cases[] = {
      {"empty", Counted({}, 0), false},
      {"count above the bytes", Counted(skin, static_cast<std::uint32_t>(skin.size()) + 10), false},
      {"flipped bytes", Counted(flipped, static_cast<std::uint32_t>(flipped.size())), false},
      {"unknown format", Counted(unknown, static_cast<std::uint32_t>(unknown.size())), true},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TForm1> form;
    {
      MessageBoxCatcher catcher;
      form = std::make_unique<TForm1>(nullptr, WithStream(stored, c.stream));
      PumpUntil([&] { return catcher.seen; }, c.message ? 5000 : 0);
      EXPECT_EQ(catcher.seen, c.message) << c.name;
      if (c.message) {
        EXPECT_EQ(catcher.text, L"This is Older Skin File\rPlease update to new version !");
      }
    }
    EXPECT_FALSE(form->SkinData1->Active()) << c.name;
    form->Show();
    PumpPending();
    TSkinManage* manager = TSkinManage::Current();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->FindFormSkinner(form->Handle()), nullptr) << c.name;
    EXPECT_EQ(SendMessageW(form->Handle(), 0x3523, 0, 0), 0) << c.name;
    form->Memo2->SetText(L"http://example.com/a.zip");
    SendMessageW(form->Button2->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->Memo1->GetText(), L"thunder://QUFodHRwOi8vZXhhbXBsZS5jb20vYS56aXBaWg==") << c.name;
    form->Memo2->SetText(L"");
    SendMessageW(form->Button1->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->Memo2->GetText(), L"http://example.com/a.zip") << c.name;
    form.reset();
    PumpPending();
  }
}

}  // namespace
}  // namespace varnelta
