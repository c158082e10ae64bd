// TImageList: a list of images of one size (Width x Height), kept as one picture with the images
// side by side, stored with the form as a Windows bitmap file under "Bitmap.Data". Images are
// added from the runtime's bitmaps (a picture Width-wide cells, side by side) or, on Windows,
// from a bitmap resource of the program. The colour of the bottom-left pixel of the first added
// (or the stored) picture is the list's transparent colour, left out when an image is drawn.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/bitmap.h"
#include "runtime/component.h"
#include "runtime/filer.h"

namespace varnelta {

class TImageList : public TComponent {
  VARNELTA_CLASS()
 public:
  explicit TImageList(TComponent* owner);

  // The size of every image; changing it empties the list (the stored picture no longer fits).
  int Width() const { return width_; }
  void SetWidth(int v);
  int Height() const { return height_; }
  void SetHeight(int v);
  int Count() const { return width_ > 0 ? bitmap_.Width() / width_ : 0; }

  // Adds every whole Width-wide cell of `picture` (cut or padded to Height with the transparent
  // colour); answers the index of the first image added, or -1 when none fits.
  int Add(const TBitmap& picture);
  // Adds the cells of the program's bitmap resource `name` (Windows only); -1 when it is missing.
  int AddResource(const wchar_t* name);
  void Clear();

  // All images side by side, Count() x Width wide and Height high.
  const TBitmap& Bitmap() const { return bitmap_; }
  // The transparent colour (0xRRGGBB); meaningful once an image was added.
  std::uint32_t TransparentColour() const { return transparent_; }
  // Image `index` with its transparent pixels turned into magenta (the drawing key); empty
  // when the index is out of range.
  TBitmap Image(int index) const;

  void DefineProperties(TFiler& filer) override;

 private:
  int width_ = 16;
  int height_ = 16;
  TBitmap bitmap_;
  std::uint32_t transparent_ = 0xFFFFFF;
};

// Registers the image list with the form reader.
void RegisterImageList();

}  // namespace varnelta
