// The fixture of the skinned menu tests: the skinned main window and the stored test form with
// its menu bar, a driver that runs steps from a timer inside a modal menu loop, and pixel reads.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <filesystem>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/form_reader.h"
#include "runtime/handle_count.h"
#include "runtime/image_list.h"
#include "runtime/menu_handles.h"
#include "runtime/menus.h"
#include "skin/data/skin_types.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/frame_menus.h"
#include "skin/frame/menu_item_painter.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"
#include "skin/frame/win_skin_popmenu.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta::testing_menus {

using ::varnelta::testing::PumpPending;
using ::varnelta::testing::PumpUntil;

inline std::string ReadText(const char* name) {
  std::ifstream in(std::filesystem::path(VARNELTA_GALLERY_DIR) / name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs `step` from a timer inside whatever modal loop is running, until it answers true.
class TLoopDriver {
 public:
  explicit TLoopDriver(std::function<bool()> step) : step_(std::move(step)) {
    Current() = this;
    timer_ = SetTimer(nullptr, 0, 60, &TLoopDriver::Tick);
  }
  ~TLoopDriver() {
    if (timer_) KillTimer(nullptr, timer_);
    Current() = nullptr;
  }
  TLoopDriver(const TLoopDriver&) = delete;
  TLoopDriver& operator=(const TLoopDriver&) = delete;

 private:
  static TLoopDriver*& Current() {
    static TLoopDriver* current = nullptr;
    return current;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TLoopDriver* d = Current();
    if (!d || d->done_) return;
    d->done_ = d->step_() || ++d->ticks_ > 200;
  }
  std::function<bool()> step_;
  UINT_PTR timer_ = 0;
  int ticks_ = 0;
  bool done_ = false;
};

inline BOOL CALLBACK FindVisibleMenuWindow(HWND w, LPARAM p) {
  if (::varnelta::testing::ClassOf(w) == L"#32768" && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(p) = w;
    return FALSE;
  }
  return TRUE;
}

inline HWND VisibleMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindVisibleMenuWindow, reinterpret_cast<LPARAM>(&found));
  if (!found) found = FindWindowW(L"#32768", nullptr);
  return found && IsWindowVisible(found) ? found : nullptr;
}

inline int Hilited(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
  }
  return -1;
}

inline void Key(HWND window, WPARAM key) { PostMessageW(window, WM_KEYDOWN, key, 0); }

// Every pixel of a window as WM_PRINT gives it.
inline TBitmap PrintWindowPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  TDibSection dib(r.right - r.left, r.bottom - r.top);
  TMemoryDC dc(nullptr);
  TSelectObject keep(dc.Get(), dib.Handle());
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc.Get()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  return dib.ToBitmap();
}

// What the screen shows of a rectangle of it.
inline TBitmap ScreenPixels(const RECT& r) {
  TDibSection dib(r.right - r.left, r.bottom - r.top);
  TMemoryDC dc(nullptr);
  TSelectObject keep(dc.Get(), dib.Handle());
  TWindowDC screen(nullptr);
  BitBlt(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top, screen.Get(), r.left, r.top, SRCCOPY);
  GdiFlush();
  return dib.ToBitmap();
}

// What the screen shows of a window.
inline TBitmap ScreenPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return ScreenPixels(r);
}

class MenuSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    main = std::make_unique<TForm1>(nullptr);
    main->Show();
    manager = TSkinManage::Current();
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(main->Handle());
      return f && f->State() == fsRunning;
    }));
    OpenPage(PageFile());
  }
  // The stored test form the tests open.
  virtual const char* PageFile() const { return "menus.txt"; }
  void OpenPage(const char* file) {
    page = std::make_unique<TForm>(nullptr);
    ReadComponentText(*page, ReadText(file));
    page->Show();
    SetForegroundWindow(page->Handle());
    ASSERT_TRUE(PumpUntil([&] {
      const TWinSkinForm* f = manager->FindFormSkinner(page->Handle());
      return f && f->State() == fsRunning && f->SkinMenu();
    }));
    frame = manager->FindFormSkinner(page->Handle());
    PumpPending();
  }
  void TearDown() override {
    page.reset();
    main.reset();
    PumpPending();
  }
  template <class T = TMenuItem>
  T& Find(const char* name) {
    auto* found = dynamic_cast<T*>(page->FindComponent(name));
    if (!found) throw std::runtime_error(std::string("the test form has no ") + name);
    return *found;
  }
  TMenuItem& Item(const char* name) { return Find(name); }
  TWinSkinMenu& Bar() { return *frame->SkinMenu(); }
  // Opens bar item `index` by the 0x3518 message at its cell, while `step` runs in the loop.
  void OpenByMessage(std::size_t index, std::function<bool()> step) {
    RECT window{};
    GetWindowRect(page->Handle(), &window);
    const TRect cell = Bar().Items()[index].Bounds;
    TLoopDriver driver(std::move(step));
    SendMessageW(page->Handle(), kMsgMenuBarClick, 0,
                 MAKELPARAM(window.left + cell.Left + 2, window.top + cell.Top + 2));
  }

  std::unique_ptr<TForm1> main;
  std::unique_ptr<TForm> page;
  TSkinManage* manager = nullptr;
  TWinSkinForm* frame = nullptr;
};

class MenuSkinRtlTest : public MenuSkinTest {
 protected:
  const char* PageFile() const override { return "menus_rtl.txt"; }
};

}  // namespace varnelta::testing_menus
