// A page of the skin gallery (a stored form description under resources/gallery) read through
// the form reader, shown beside the skinned main window and skinned by the same manager.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "runtime/form.h"
#include "runtime/form_reader.h"
#include "tests/skin/controls/control_test_util.h"

namespace varnelta::testing {

inline std::string ReadGalleryFile(const std::string& name) {
  std::ifstream in(std::string(VARNELTA_GALLERY_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The pixels of a windowless control painted alone (through its message handler, as its parent
// paints it).
inline TBitmap GraphicPixels(TControl& control) {
  TDibSection section(control.Width(), control.Height());
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, section.Handle());
  control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  return section.ToBitmap();
}

class GalleryPageTest : public MainWindowTest {
 protected:
  void OpenPage(const std::string& file) {
    const std::string text = ReadGalleryFile(file);
    ASSERT_FALSE(text.empty()) << file;
    page = std::make_unique<TForm>(nullptr);
    ReadComponentText(*page, text);
    page->Show();
    if (!manager->FindFormSkinner(page->Handle())) manager->SkinWindow(page->Handle());
    ASSERT_TRUE(PumpUntil([&] {
      TWinSkinForm* frame = PageFrame();
      return frame && !frame->Controls().empty();
    }));
    PumpPending();
  }
  void TearDown() override {
    page.reset();
    PumpPending();
    MainWindowTest::TearDown();
  }
  TWinSkinForm* PageFrame() const { return page ? manager->FindFormSkinner(page->Handle()) : nullptr; }
  template <class T>
  T* Find(const char* name) const {
    return dynamic_cast<T*>(page->FindComponent(name));
  }
  // The skinner serving a control of the page, of class T.
  template <class T>
  T* SkinnerFor(const TControl* control) const {
    TWinSkinForm* frame = PageFrame();
    if (!frame || !control) return nullptr;
    for (const auto& s : frame->Controls()) {
      if (s->Control() == control) return dynamic_cast<T*>(s.get());
    }
    return nullptr;
  }
  // The same, failing the test when there is none.
  template <class T>
  T& Skinner(const TControl* control) const {
    T* s = SkinnerFor<T>(control);
    if (!s) throw std::runtime_error("the control has no skinner of that class");
    return *s;
  }
  template <class T>
  T& Control(const char* name) const {
    T* c = Find<T>(name);
    if (!c) throw std::runtime_error(std::string("no control ") + name);
    return *c;
  }
  std::unique_ptr<TForm> page;
};

}  // namespace varnelta::testing
