// Shared pieces of the control skinner tests under Wine: the main window with its skin, the
// skinner serving a window, and the pixels a window paints into a DIB section.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/dib_section.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "tests/runtime/gui_test_util.h"

namespace varnelta::testing {

// What a window paints for WM_PAINT with a DC in WParam (skinned or native), read back.
inline TBitmap PaintedPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  TDibSection section(r.right - r.left, r.bottom - r.top);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, section.Handle());
  SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  return section.ToBitmap();
}

// The pixels of `r` (inside `pixels`) that are not `colour`.
inline int PixelsOtherThan(const TBitmap& pixels, const RECT& r, TColor colour) {
  int other = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) other += pixels.Colour(x, y) != colour;
  }
  return other;
}

// What the screen shows of a window (its window DC), read back.
inline TBitmap ScreenPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  TDibSection section(r.right - r.left, r.bottom - r.top);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, section.Handle());
  HDC screen = GetWindowDC(window);
  BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, screen, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);
  SelectObject(dc, old);
  DeleteDC(dc);
  return section.ToBitmap();
}

// The main window shown and skinned.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = std::make_unique<TForm1>(nullptr);
    manager = TSkinManage::Current();
    ASSERT_NE(manager, nullptr);
    form->Show();
    ASSERT_TRUE(PumpUntil([&] {
      TWinSkinForm* frame = manager->FindFormSkinner(form->Handle());
      return frame && !frame->Controls().empty();
    }));
    PumpPending();
  }
  void TearDown() override {
    form.reset();
    PumpPending();
  }
  TWinSkinForm* Frame() const { return manager->FindFormSkinner(form->Handle()); }
  template <class T>
  T* SkinnerOf(HWND window) const {
    TWinSkinForm* frame = Frame();
    if (!frame) return nullptr;
    for (const auto& s : frame->Controls()) {
      if (s->Handle() == window) return dynamic_cast<T*>(s.get());
    }
    return nullptr;
  }
  const TSkinElements& Skin() const { return form->SkinData1->Skin(); }
  std::unique_ptr<TForm1> form;
  TSkinManage* manager = nullptr;
};

}  // namespace varnelta::testing
