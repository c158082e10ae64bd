// An MDI frame window under the skin: its MDI client keeps no scroll bars of its own while the
// frame is skinned, follows the frame's activation, keeps the skin's menu switch off while
// children exist, and tells the skin manager when no maximised child is shown any more.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/dib_section.h"
#include "runtime/win_handles.h"
#include "skin/data/skin_types.h"
#include "skin/data/skin_writer.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

using testing::PumpPending;
using testing::PumpUntil;

HWND g_client = nullptr;

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(window, g_client, msg, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(window, msg, wParam, lParam);
}

// Counts the activation messages the client receives and their lParam.
int g_clientActivations = 0;
LPARAM g_lastActivationParam = -1;
LRESULT CALLBACK ClientSpy(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == WM_NCACTIVATE) {
    ++g_clientActivations;
    g_lastActivationParam = lParam;
  }
  return DefSubclassProc(window, msg, wParam, lParam);
}

class MdiFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    manager = TSkinManage::Current();
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(form->Handle());
      return f && f->HasRegion();
    }));
    BeforeFrame();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.lpszClassName = L"VarneltaMdiFrameTest";
    frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&frameClass);
    WNDCLASSW childClass = frameClass;
    childClass.lpfnWndProc = ChildProc;
    childClass.lpszClassName = L"VarneltaMdiChildTest";
    RegisterClassW(&childClass);
    mdiFrame = CreateWindowExW(0, L"VarneltaMdiFrameTest", L"MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40,
                               500, 360, nullptr, FrameMenu(), instance, nullptr);
    CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
    g_client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                               0, 0, 0, 0, mdiFrame, nullptr, instance, &ccs);
    ShowWindow(mdiFrame, SW_SHOW);
    SetForegroundWindow(mdiFrame);
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(mdiFrame);
      return f && f->State() == fsRunning;
    }));
  }
  // Runs before the MDI frame is made; the frame's menu bar (none by default).
  virtual void BeforeFrame() {}
  virtual HMENU FrameMenu() { return nullptr; }
  void TearDown() override {
    if (IsWindow(mdiFrame)) DestroyWindow(mdiFrame);
    g_client = nullptr;
    form.reset();
    PumpPending();
  }
  HWND CreateChild(DWORD style = 0) {
    MDICREATESTRUCTW create{L"VarneltaMdiChildTest", L"Child", GetModuleHandleW(nullptr), CW_USEDEFAULT, CW_USEDEFAULT,
                           200, 150, style, 0};
    return reinterpret_cast<HWND>(SendMessageW(g_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  }
  LONG_PTR ClientScrollStyle() const { return GetWindowLongPtrW(g_client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); }
  void RecalculateClient() const {
    SetWindowPos(g_client, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  }

  std::unique_ptr<TForm1> form;
  TSkinManage* manager = nullptr;
  HWND mdiFrame = nullptr;
};

TEST_F(MdiFrameTest, ClientScrollBarsStayOutWhileSkinnedAndComeBackAfter) {
  SetWindowLongPtrW(g_client, GWL_STYLE, GetWindowLongPtrW(g_client, GWL_STYLE) | WS_HSCROLL | WS_VSCROLL);
  RecalculateClient();
  EXPECT_EQ(ClientScrollStyle(), 0);

  form->SkinData1->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(mdiFrame) == nullptr; }));
  SetWindowLongPtrW(g_client, GWL_STYLE, GetWindowLongPtrW(g_client, GWL_STYLE) | WS_HSCROLL | WS_VSCROLL);
  RecalculateClient();
  EXPECT_EQ(ClientScrollStyle(), WS_HSCROLL | WS_VSCROLL);  // the client's hook went with the skin
  form->SkinData1->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] {
    const TWinSkinForm* f = manager->FindFormSkinner(form->Handle());
    return f && f->HasRegion();
  }));
}

TEST_F(MdiFrameTest, ActivationReachesTheClient) {
  ASSERT_TRUE(SetWindowSubclass(g_client, ClientSpy, 1, 0));
  g_clientActivations = 0;
  SendMessageW(mdiFrame, WM_NCACTIVATE, FALSE, 0x1234);
  EXPECT_EQ(g_clientActivations, 1);
  EXPECT_EQ(g_lastActivationParam, 0);
  EXPECT_FALSE(manager->FindFormSkinner(mdiFrame)->Active());
  RemoveWindowSubclass(g_client, ClientSpy, 1);
}

TEST_F(MdiFrameTest, ChildrenSwitchMenuUpdatingOffUntilNoneIsLeft) {
  ASSERT_TRUE(form->SkinData1->MenuUpdate());
  const HWND first = CreateChild();
  const HWND second = CreateChild();
  ASSERT_TRUE(first && second);
  EXPECT_FALSE(form->SkinData1->MenuUpdate());
  SendMessageW(g_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(second), 0);
  EXPECT_FALSE(form->SkinData1->MenuUpdate());  // one child is still active
  SendMessageW(g_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(first), 0);
  EXPECT_TRUE(form->SkinData1->MenuUpdate());
}

TEST_F(MdiFrameTest, TilingCascadingAndClosingEndTheMaximisedChildState) {
  const HWND child = CreateChild(WS_MAXIMIZE);
  ASSERT_TRUE(child);
  manager->SetMDIChildMaximised(true);
  SendMessageW(g_client, WM_MDITILE, MDITILE_VERTICAL, 0);
  EXPECT_FALSE(manager->MDIChildMaximised());
  manager->SetMDIChildMaximised(true);
  SendMessageW(g_client, WM_MDICASCADE, 0, 0);
  EXPECT_FALSE(manager->MDIChildMaximised());
  SendMessageW(g_client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  manager->SetMDIChildMaximised(true);
  SendMessageW(g_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_FALSE(manager->MDIChildMaximised());
  // The changed-child message is the frame's own: answered and not passed to the client.
  EXPECT_EQ(SendMessageW(g_client, 0x3516, reinterpret_cast<WPARAM>(mdiFrame), 0), 0);
}

}  // namespace
}  // namespace varnelta

namespace varnelta {
namespace {

// Button i (0 minimise, 1 restore, 2 close) of the test's MDI controls picture, frame k (1 to 4).
std::uint32_t ControlPixel(int i, int k) {
  return static_cast<std::uint32_t>((40 + 60 * i) << 16 | (30 + 50 * k) << 8 | (200 - 60 * i));
}

// The program's skin with an [MDICONTROLS] picture: three buttons of four 12 x 12 frames.
std::wstring SkinWithMdiControls() {
  std::vector<TSkinEntry> entries;
  for (const auto& file : std::filesystem::directory_iterator(VARNELTA_SKIN_SOURCE_DIR)) {
    std::ifstream in(file.path(), std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string name = file.path().filename().string();
    if (name == "varnelta.ini") {
      const std::string section = "\r\n[MDICONTROLS]\r\nImage=mdicontrols.bmp\r\n";
      bytes.insert(bytes.end(), section.begin(), section.end());
    }
    entries.push_back({name, std::move(bytes)});
  }
  TBitmap picture(144, 12);
  for (int i = 0; i < 3; ++i) {
    for (int k = 1; k <= 4; ++k) picture.FillRect(48 * i + 12 * (k - 1), 0, 12, 12, ColourFromPixel(ControlPixel(i, k)));
  }
  entries.push_back({"mdicontrols.bmp", picture.SaveToBytes()});
  const auto stream = CompressSkinStream(BuildSkinArchive(40000, entries));
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"mdi-controls.skin";
  std::ofstream(std::filesystem::path(path), std::ios::binary)
      .write(reinterpret_cast<const char*>(stream.data()), static_cast<std::streamsize>(stream.size()));
  return path;
}

// Runs `step` from a timer inside whatever modal loop runs, until it answers true.
std::function<bool()> g_step;
void CALLBACK StepTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_step && g_step()) g_step = nullptr;
}

BOOL CALLBACK FindMenuWindow(HWND w, LPARAM p) {
  wchar_t name[16] = {};
  GetClassNameW(w, name, 16);
  if (std::wstring(name) == L"#32768" && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(p) = w;
    return FALSE;
  }
  return TRUE;
}

// An MDI frame with a menu bar under a skin that has the MDI child buttons.
class MdiBarTest : public MdiFrameTest {
 protected:
  void BeforeFrame() override {
    form->SkinData1->SetSkinFile(SkinWithMdiControls());
    form->SkinData1->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) == nullptr; }));
    form->SkinData1->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(form->Handle());
      return f && f->State() == fsRunning;
    }));
  }
  HMENU FrameMenu() override {
    HMENU bar = CreateMenu();
    for (const wchar_t* caption : {L"&File", L"&Window"}) {
      HMENU drop = CreatePopupMenu();
      AppendMenuW(drop, MF_STRING, 100, L"&Tile");
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(drop), caption);
    }
    return bar;
  }
  TWinSkinForm& Frame() { return *manager->FindFormSkinner(mdiFrame); }
  TWinSkinMenu& Bar() { return *Frame().SkinMenu(); }
  // The title button indexes of the bar's buttons (minimise, restore, close).
  std::vector<std::size_t> BarButtons() {
    std::vector<std::size_t> found;
    const auto& buttons = form->SkinData1->Skin().SysButtons;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i]->Visibility == 100) found.push_back(i);
    }
    return found;
  }
  const frame::TNcObject& Object(std::size_t index) { return Frame().SysButtonObjects().Objects()[index]; }
  // The screen point in the middle of a title button.
  LPARAM Centre(std::size_t index) {
    RECT window{};
    GetWindowRect(mdiFrame, &window);
    const TRect& b = Object(index).Bounds;
    return MAKELPARAM(window.left + (b.Left + b.Right) / 2, window.top + (b.Top + b.Bottom) / 2);
  }
  // The screen shows `want` at `point` (what a window draws reaches the screen a moment later).
  bool Shows(LPARAM point, std::uint32_t want) {
    return PumpUntil([&] { return ScreenPixelAt(point) == want; }, 1000);
  }
  std::uint32_t ScreenPixelAt(LPARAM point) {
    TWindowDC screen(nullptr);
    return PixelFromColour(GetPixel(screen.Get(), static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point)))) & 0xFFFFFF;
  }
  HWND MaximisedChild() {
    const HWND child = CreateChild(WS_MAXIMIZE);
    EXPECT_TRUE(child && IsZoomed(child));
    EXPECT_TRUE(PumpUntil([&] { return Bar().MdiChild() == child; }));
    return child;
  }
  void Click(LPARAM point) {
    SendMessageW(mdiFrame, WM_NCLBUTTONDOWN, HTMENU, point);
    SendMessageW(mdiFrame, WM_NCLBUTTONUP, HTMENU, point);
  }
};

TEST_F(MdiBarTest, AMaximisedChildShowsItsSystemMenuAndButtonsInTheBar) {
  ASSERT_EQ(Bar().Items().size(), 2u);
  const HWND child = MaximisedChild();
  ASSERT_EQ(Bar().Items().size(), 3u);
  EXPECT_TRUE(Bar().Items()[0].FIcon);
  EXPECT_EQ(Bar().Items()[0].FSubMenu, GetSystemMenu(child, FALSE));
  EXPECT_EQ(Bar().Items()[1].FCaption, L"&File");
  EXPECT_TRUE(manager->MDIChildMaximised());
  const std::vector<std::size_t> buttons = BarButtons();
  ASSERT_EQ(buttons.size(), 3u);
  const frame::TFrameMetrics& m = Frame().Metrics();
  RECT window{};
  GetWindowRect(mdiFrame, &window);
  for (int i = 0; i < 3; ++i) {
    const frame::TNcObject& o = Object(buttons[static_cast<std::size_t>(i)]);
    ASSERT_TRUE(o.Visible) << i;
    EXPECT_GE(o.Bounds.Top, m.Title) << i;
    EXPECT_LE(o.Bounds.Bottom, m.Title + m.MenuBar) << i;
    EXPECT_GT(o.Bounds.Left, Bar().Items().back().Bounds.Right) << i;  // right of the last item
    const LPARAM centre = Centre(buttons[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(Shows(centre, ControlPixel(i, 1))) << i << ": " << std::hex << ScreenPixelAt(centre);
  }
  if (const char* folder = std::getenv("VARNELTA_MENU_SHOTS")) {  // a picture to look at, on request
    TDibSection dib(window.right - window.left, window.bottom - window.top);
    TMemoryDC dc(nullptr);
    TSelectObject keep(dc.Get(), dib.Handle());
    TWindowDC screen(nullptr);
    BitBlt(dc.Get(), 0, 0, dib.Width(), dib.Height(), screen.Get(), window.left, window.top, SRCCOPY);
    GdiFlush();
    dib.ToBitmap().SaveToFile(std::string(folder) + "/mdi_bar.bmp");
  }
  // Hot: the fourth frame.
  SendMessageW(mdiFrame, WM_NCMOUSEMOVE, HTMENU, Centre(buttons[2]));
  EXPECT_TRUE(Shows(Centre(buttons[2]), ControlPixel(2, 4))) << std::hex << ScreenPixelAt(Centre(buttons[2]));
  // Restore acts on the child; then the bar is plain again.
  Click(Centre(buttons[1]));
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(child) && Bar().MdiChild() == nullptr; }));
  EXPECT_EQ(Bar().Items().size(), 2u);
  EXPECT_FALSE(Object(buttons[0]).Visible);
  EXPECT_FALSE(manager->MDIChildMaximised());
}

TEST_F(MdiBarTest, TheBarFollowsClosingAndANewFrameMenu) {
  HWND child = MaximisedChild();
  Click(Centre(BarButtons()[2]));  // close
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(child) && Bar().MdiChild() == nullptr; }));
  EXPECT_EQ(Bar().Items().size(), 2u);

  child = MaximisedChild();
  HMENU next = CreateMenu();
  AppendMenuW(next, MF_STRING, 200, L"&Alpha");
  AppendMenuW(next, MF_STRING, 201, L"&Beta");
  AppendMenuW(next, MF_STRING, 202, L"&Gamma");
  SendMessageW(g_client, WM_MDISETMENU, reinterpret_cast<WPARAM>(next), 0);
  EXPECT_EQ(GetMenu(mdiFrame), nullptr);
  EXPECT_EQ(GetMenuItemCount(next), 3);  // the system's additions for the child are not kept in it
  ASSERT_EQ(Bar().Items().size(), 4u);
  EXPECT_TRUE(Bar().Items()[0].FIcon);
  EXPECT_EQ(Bar().Items()[1].FCaption, L"&Alpha");
  EXPECT_EQ(Bar().Items()[3].FCaption, L"&Gamma");
}

TEST_F(MdiBarTest, TheChildsSystemMenuOpensFromTheBarAndActsOnTheChild) {
  const HWND child = MaximisedChild();
  RECT window{};
  GetWindowRect(mdiFrame, &window);
  const TRect cell = Bar().Items()[0].Bounds;
  int ticks = 0;
  bool opened = false;
  g_step = [&] {
    HWND menu = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&menu));
    if (!menu) return ++ticks > 100;
    opened = true;
    if (++ticks < 4) return false;
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);  // the first item, selected at the start: Restore
    return true;
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 60, StepTimer);
  SendMessageW(mdiFrame, kMsgMenuBarClick, 0, MAKELPARAM(window.left + cell.Left + 2, window.top + cell.Top + 2));
  KillTimer(nullptr, timer);
  g_step = nullptr;
  EXPECT_TRUE(opened);
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(child) && IsWindow(mdiFrame); }));
}

}  // namespace
}  // namespace varnelta
