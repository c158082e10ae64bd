// Every windowed control of every stored gallery page gets a skinner; with VARNELTA_SHOT_DIR
// set, each skinned page is also written there as a picture to be looked at.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "skin/controls/skinner_registry.h"
#include "tests/skin/controls/gallery_page_test_util.h"

namespace varnelta {
namespace {

using testing::GalleryPageTest;
using testing::PumpPending;

class GalleryPagesTest : public GalleryPageTest {
 protected:
  void SetUp() override {
    GalleryPageTest::SetUp();
    std::vector<std::wstring> rows = form->SkinData1->Skin3rdRows();
    rows.push_back(L"TTabPictureControl=advpagecontrol");
    form->SkinData1->SetSkin3rdRows(rows);
  }
};

TEST_F(GalleryPagesTest, EveryWindowedControlOfEveryPageIsSkinned) {
  for (const char* name : {"choices.txt", "ranges.txt", "lists.txt", "others.txt"}) {
    LoadPage(name);
    std::vector<TWinControl*> controls;
    page->GetTabOrderList(controls);
    int checked = 0;
    for (TWinControl* control : controls) {
      const std::string className = control->ClassName();
      // The list view's skinner is another class's work; skip it when it is not registered.
      if (className == "TListView" && !CreateSkinner("TSkinListView")) continue;
      // The skinners' own windows (a picker's arrow, a media player's panel) are never skinned.
      if (control->Tag() == form->SkinData1->DisableTag()) continue;
      bool found = false;
      for (const auto& s : PageFrame()->Controls()) found = found || s->Handle() == control->HandleIfAllocated();
      EXPECT_TRUE(found) << name << ": " << control->Name() << " (" << className << ")";
      ++checked;
    }
    EXPECT_GT(checked, 5) << name;
    if (const char* dir = std::getenv("VARNELTA_SHOT_DIR")) {
      RedrawWindow(page->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN |
                                                         RDW_FRAME);
      PumpPending();
      const std::string file = std::string(dir) + "/" + std::string(name).substr(0, std::string(name).find('.')) + ".bmp";
      EXPECT_TRUE(testing::ScreenPixels(page->Handle()).SaveToFile(file)) << file;
    }
    page.reset();
    PumpPending();
  }
}

}  // namespace
}  // namespace varnelta
