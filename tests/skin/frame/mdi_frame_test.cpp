// An MDI frame window under the skin: its MDI client keeps no scroll bars of its own while the
// frame is skinned, follows the frame's activation, keeps the skin's menu switch off while
// children exist, and tells the skin manager when no maximised child is shown any more.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/form1.h"
#include "runtime/application.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"
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
                               500, 360, nullptr, nullptr, instance, nullptr);
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
