// The single-instance rule with two real processes of the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/runtime/gui_test_util.h"

namespace varnelta {
namespace {

using testing::PumpUntil;

std::wstring ProgramPath() {
  std::string unixPath = VARNELTA_EXE;
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

struct Process {
  PROCESS_INFORMATION info{};
  bool Start() {
    std::wstring command = L"\"" + ProgramPath() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info);
  }
  bool Wait(DWORD ms) { return WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0; }
  DWORD ExitCode() {
    DWORD code = 999;
    GetExitCodeProcess(info.hProcess, &code);
    return code;
  }
  ~Process() {
    if (info.hProcess) {
      if (!Wait(0)) TerminateProcess(info.hProcess, 1);
      CloseHandle(info.hThread);
      CloseHandle(info.hProcess);
    }
  }
};

struct WindowSearch {
  DWORD process;
  const wchar_t* className;
  HWND found = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<WindowSearch*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == s->process && testing::ClassOf(w) == s->className && IsWindowVisible(w)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

HWND WindowOf(const Process& p, const wchar_t* className) {
  WindowSearch s{p.info.dwProcessId, className};
  EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindWindowW(L"Varnelta", nullptr), nullptr) << "a copy is running already";
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(PumpUntil([&] { return (main = WindowOf(first, L"Varnelta")) != nullptr; }, 20000));
    // Skinned and shaped (the frame fitted to the skin) before the test acts on it.
    ASSERT_TRUE(PumpUntil([&] {
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      const bool shaped = SendMessageW(main, 0x3523, 0, 0) == 1 && GetWindowRgn(main, region) != ERROR;
      DeleteObject(region);
      return shaped;
    }, 20000));
    // The main window itself stands on the taskbar with its caption.
    EXPECT_EQ(testing::TextOf(main), L"Varnelta V0.1 Bulid 09307");
    EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  }
  void TearDown() override {
    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.Wait(20000));
    EXPECT_EQ(first.ExitCode(), 0u);
  }

  // Starts a second copy, checks its message, and closes it; returns when it has ended.
  void SecondCopy(const std::function<void()>& whileMessageShows) {
    Process second;
    ASSERT_TRUE(second.Start());
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (box = WindowOf(second, L"#32770")) != nullptr; }, 20000));
    EXPECT_EQ(testing::MessageBoxText(box), L"程序已经在运行！ ");
    EXPECT_EQ(testing::TextOf(box), L"Varnelta");  // the executable's name rule
    EXPECT_EQ(WindowOf(second, L"Varnelta"), nullptr);  // the second copy made no main window
    whileMessageShows();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(second.Wait(20000));
    EXPECT_EQ(second.ExitCode(), 0u);
  }

  Process first;
  HWND main = nullptr;
};

TEST_F(SingleInstanceTest, SecondCopyRestoresTheMinimisedFirstAfterItsMessage) {
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(main) != FALSE; }));
  SecondCopy([&] { EXPECT_TRUE(IsIconic(main)) << "the first copy came forward before the message closed"; });
  // Restored to its normal state and size, and active.
  EXPECT_TRUE(PumpUntil(
      [&] {
        RECT client;
        GetClientRect(main, &client);
        return !IsIconic(main) && GetForegroundWindow() == main && client.right == 586 && client.bottom == 401;
      },
      10000));
}

TEST_F(SingleInstanceTest, SecondCopyBringsTheFirstToTheFront) {
  HWND other = CreateWindowExW(0, L"STATIC", L"in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other; }));
  SecondCopy([] {});
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == main; }, 10000));
  DestroyWindow(other);
}

}  // namespace
}  // namespace varnelta
