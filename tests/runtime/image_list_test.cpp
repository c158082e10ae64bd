// Image lists without windows: cells added from pictures, the transparent colour, the images
// handed to painters, sizes, and the list stored with a form beside the menu that uses it.
#include "runtime/image_list.h"

#include <gtest/gtest.h>

#include "runtime/form_reader.h"
#include "runtime/menus.h"

namespace varnelta {
namespace {

constexpr std::uint32_t kKey = 0x00C0C0C0;  // the pictures' background (bottom-left pixel)
constexpr std::uint32_t kRed = 0x00FF0000, kBlue = 0x000000FF;

// `cells` cells of w x h: cell i has a dot of `dots[i]` at (1, 1) on the key colour.
TBitmap Strip(int w, int h, std::vector<std::uint32_t> dots, std::uint32_t key = kKey) {
  TBitmap b(w * static_cast<int>(dots.size()), h);
  for (std::uint32_t& p : b.Pixels()) p = key;
  for (std::size_t i = 0; i < dots.size(); ++i) b.SetPixel(static_cast<int>(i) * w + 1, 1, dots[i]);
  return b;
}

TEST(ImageListTest, AddsWholeCellsAndAnswersTheFirstIndex) {
  TImageList list(nullptr);
  list.SetWidth(8);
  list.SetHeight(8);
  EXPECT_EQ(list.Add(Strip(8, 8, {kRed, kBlue})), 0);
  TBitmap ragged = Strip(8, 8, {kBlue, kRed, kRed});
  ragged = ragged.Copy(0, 0, 20, 8);  // two whole cells and a part of one
  EXPECT_EQ(list.Add(ragged), 2);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Bitmap().Width(), 32);
  EXPECT_EQ(list.Add(TBitmap(5, 8)), -1);  // narrower than one image
  EXPECT_EQ(list.Add(TBitmap()), -1);
  EXPECT_EQ(list.Count(), 4);
}

TEST(ImageListTest, ImagesShowTheirPixelsAndLeaveTheTransparentColourOut) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  list.Add(Strip(4, 4, {kRed, kBlue}));
  // A later picture with another background: its background is transparent too.
  list.Add(Strip(4, 4, {kTransparentPixel}, 0x00123456));
  EXPECT_EQ(list.TransparentColour(), kKey);
  const TBitmap first = list.Image(0), second = list.Image(1), third = list.Image(2);
  ASSERT_EQ(first.Width(), 4);
  EXPECT_EQ(OpaquePixel(first.Pixel(1, 1)), kRed);
  EXPECT_EQ(OpaquePixel(second.Pixel(1, 1)), kBlue);
  EXPECT_EQ(OpaquePixel(first.Pixel(0, 0)), kTransparentPixel);
  EXPECT_EQ(OpaquePixel(third.Pixel(0, 3)), kTransparentPixel);
  // A magenta pixel of an image itself stays visible, one step off the key.
  EXPECT_NE(OpaquePixel(third.Pixel(1, 1)), kTransparentPixel);
  EXPECT_TRUE(list.Image(3).Empty());
  EXPECT_TRUE(list.Image(-1).Empty());
}

TEST(ImageListTest, PicturesOfAnotherHeightAreCutOrPadded) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(6);
  list.Add(Strip(4, 3, {kRed}));   // padded with the transparent colour
  list.Add(Strip(4, 10, {kBlue})); // cut
  EXPECT_EQ(list.Bitmap().Height(), 6);
  EXPECT_EQ(OpaquePixel(list.Image(0).Pixel(2, 5)), kTransparentPixel);
  EXPECT_EQ(OpaquePixel(list.Image(1).Pixel(1, 1)), kBlue);
}

TEST(ImageListTest, ANewSizeEmptiesTheListAndBadSizesAreRefused) {
  TImageList list(nullptr);
  list.Add(Strip(16, 16, {kRed}));
  ASSERT_EQ(list.Count(), 1);
  list.SetHeight(0);
  list.SetWidth(-3);
  list.SetWidth(100000);
  EXPECT_EQ(list.Width(), 16);
  EXPECT_EQ(list.Count(), 1);
  list.SetWidth(20);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(list.Bitmap().Empty());
}

constexpr const char* kForm = R"(object Host: TComponent
  object MainMenu1: TMainMenu
    Images = Images1
    object Marks: TMenuItem
      Caption = 'Marks'
      ImageIndex = 1
    end
  end
  object Images1: TImageList
    Width = 12
    Height = 10
  end
end
)";

class ImageListFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterMenuClasses();
    RegisterImageList();
  }
};

TEST_F(ImageListFormTest, TheListIsStoredWithItsImagesAndTheMenuFindsIt) {
  TComponent host(nullptr);
  ReadComponentText(host, kForm);
  auto* list = dynamic_cast<TImageList*>(host.FindComponent("Images1"));
  auto* menu = dynamic_cast<TMainMenu*>(host.FindComponent("MainMenu1"));
  ASSERT_TRUE(list && menu);
  EXPECT_EQ(menu->Images(), list);
  EXPECT_EQ(menu->ImageWidth(), 12);
  ASSERT_EQ(list->Add(Strip(12, 10, {kRed, kBlue})), 0);

  const std::string written = WriteComponentText(host);
  EXPECT_NE(written.find("Bitmap.Data = {"), std::string::npos) << written;
  TComponent copy(nullptr);
  ReadComponentText(copy, written);
  auto* read = dynamic_cast<TImageList*>(copy.FindComponent("Images1"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Width(), 12);
  EXPECT_EQ(read->Height(), 10);
  EXPECT_EQ(read->Count(), 2);
  EXPECT_EQ(read->TransparentColour(), kKey);
  EXPECT_EQ(OpaquePixel(read->Image(1).Pixel(1, 1)), kBlue);
  const auto* readMenu = dynamic_cast<TMainMenu*>(copy.FindComponent("MainMenu1"));
  ASSERT_TRUE(readMenu);
  EXPECT_EQ(readMenu->Images(), read);
}

TEST_F(ImageListFormTest, AFreedListLeavesItsMenuWithoutImages) {
  TComponent host(nullptr);
  ReadComponentText(host, kForm);
  auto* menu = dynamic_cast<TMainMenu*>(host.FindComponent("MainMenu1"));
  ASSERT_TRUE(menu && menu->Images());
  delete menu->Images();
  EXPECT_EQ(menu->Images(), nullptr);
  EXPECT_EQ(menu->ImageWidth(), 0);
}

TEST_F(ImageListFormTest, AStoredPictureThatIsNoBitmapLeavesTheListEmpty) {
  std::string text = kForm;
  text.replace(text.find("    Height = 10\n"), 16, "    Height = 10\n    Bitmap.Data = {\n      424D0100}\n");
  TComponent host(nullptr);
  ReadComponentText(host, text);
  auto* list = dynamic_cast<TImageList*>(host.FindComponent("Images1"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->Count(), 0);
}

}  // namespace
}  // namespace varnelta
