// A gallery page (a stored form description of resources/gallery) loaded through the form
// reader beside the skinned main window, shown and skinned by the skin manager.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "runtime/form.h"
#include "runtime/form_reader.h"
#include "tests/skin/controls/control_test_util.h"

namespace varnelta::testing {

// The object a lookup found; a missing one fails the test (as an exception) instead of being used.
template <class T>
T& Ref(T* object) {
  if (!object) throw std::runtime_error("the object looked for is missing");
  return *object;
}

inline std::string ReadGalleryPage(const char* name) {
  const std::filesystem::path path = std::filesystem::path(VARNELTA_GALLERY_DIR) / name;
  std::ifstream in(path, std::ios::binary);
  std::string text(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  return text;
}

class GalleryPageTest : public MainWindowTest {
 protected:
  void LoadPage(const char* name) {
    page = std::make_unique<TForm>(nullptr);
    ReadComponentText(*page, ReadGalleryPage(name));
    page->Show();
    ASSERT_TRUE(PumpUntil([&] {
      TWinSkinForm* frame = manager->FindFormSkinner(page->Handle());
      return frame && !frame->Controls().empty();
    }));
    PumpPending();
  }
  void TearDown() override {
    page.reset();
    PumpPending();
    MainWindowTest::TearDown();
  }
  TWinSkinForm* PageFrame() const { return manager->FindFormSkinner(page->Handle()); }
  template <class T>
  T* Find(const char* name) const {
    return dynamic_cast<T*>(page->FindComponent(name));
  }
  HWND HandleOf(const char* name) const {
    auto* control = dynamic_cast<TWinControl*>(page->FindComponent(name));
    return control ? control->Handle() : nullptr;
  }
  // The skinner the page's frame skinner gave the named control's window.
  template <class T>
  T* PageSkinner(const char* name) const {
    TWinSkinForm* frame = PageFrame();
    HWND window = HandleOf(name);
    if (!frame || !window) return nullptr;
    for (const auto& s : frame->Controls()) {
      if (s->Handle() == window) return dynamic_cast<T*>(s.get());
    }
    return nullptr;
  }
  std::unique_ptr<TForm> page;
};

// The first pixel of a picture's cell (1-based, `count` side by side) inside the square of
// `size` at its top left corner that is not the transparent colour, as (x, y) in the cell.
inline bool OpaqueCornerPixel(const TBitmap& picture, int count, int cell, int size, int& x, int& y) {
  const int w = picture.Width() / (count < 1 ? 1 : count);
  for (y = 0; y < size && y < picture.Height(); ++y) {
    for (x = 0; x < size && x < w; ++x) {
      if (picture.Colour((cell - 1) * w + x, y) != kTransparentColour) return true;
    }
  }
  return false;
}

}  // namespace varnelta::testing
