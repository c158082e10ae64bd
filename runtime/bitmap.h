// TBitmap: a portable picture held as 32-bit pixels, with a Windows bitmap (.bmp) file reader
// and writer. Plain C++: the skin parse, the picture utilities and the drawing code share it on
// every platform; on Windows the painters hand its pixels to the system.
//
// Pixel layout: rows run top to bottom, each row Width() pixels from left to right with no
// padding. A pixel is a std::uint32_t of value 0xAARRGGBB, so in memory (little-endian) its bytes
// are blue, green, red, alpha: exactly the layout of a top-down 32-bit Windows DIB. The alpha byte
// is kept as read from a 32-bit file and is 0 otherwise; nothing here blends with it.
//
// Colours elsewhere in the system are 0x00BBGGRR values (a Windows COLORREF; the high byte marks
// system colours). PixelFromColour and ColourFromPixel convert between the two conventions. Pure
// magenta (colour 0xFF00FF, pixel 0x00FF00FF) is the transparent colour of every skin picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace varnelta {

// The transparent colour of skin pictures, as a colour and as a pixel.
inline constexpr std::uint32_t kTransparentColour = 0x00FF00FF;
inline constexpr std::uint32_t kTransparentPixel = 0x00FF00FF;

// 0x00BBGGRR colour (the high byte is ignored) to a pixel 0x00RRGGBB.
constexpr std::uint32_t PixelFromColour(std::uint32_t colour) {
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

// Pixel 0xAARRGGBB (alpha ignored) to a colour 0x00BBGGRR.
constexpr std::uint32_t ColourFromPixel(std::uint32_t pixel) {
  return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

// A pixel with its alpha byte cleared: what a 24-bit picture holds.
constexpr std::uint32_t OpaquePixel(std::uint32_t pixel) { return pixel & 0x00FFFFFFu; }

class TBitmap {
 public:
  // The largest picture the reader accepts and SetSize allocates: each side at most
  // kMaxSide pixels and at most kMaxPixels pixels in all (64 MiB of pixels).
  static constexpr int kMaxSide = 32768;
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;

  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // New size; every pixel becomes 0 (black). A size of 0 (or less) in either direction, or one
  // beyond the limits above, leaves an empty picture. Returns whether the picture is non-empty.
  bool SetSize(int width, int height);
  void Clear() { SetSize(0, 0); }

  // Raw pixels (0xAARRGGBB). Out-of-range reads give 0; out-of-range writes are ignored.
  std::uint32_t Pixel(int x, int y) const {
    return Contains(x, y) ? pixels_[Index(x, y)] : 0;
  }
  void SetPixel(int x, int y, std::uint32_t pixel) {
    if (Contains(x, y)) pixels_[Index(x, y)] = pixel;
  }
  // Colours (0x00BBGGRR) of pixels.
  std::uint32_t Colour(int x, int y) const { return ColourFromPixel(Pixel(x, y)); }
  void SetColour(int x, int y, std::uint32_t colour) { SetPixel(x, y, PixelFromColour(colour)); }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Row y (0 = top), Width() pixels; y must be in range.
  std::uint32_t* Row(int y) { return pixels_.data() + Index(0, y); }
  const std::uint32_t* Row(int y) const { return pixels_.data() + Index(0, y); }
  // All pixels, rows top to bottom.
  std::span<std::uint32_t> Pixels() { return pixels_; }
  std::span<const std::uint32_t> Pixels() const { return pixels_; }

  // Fills the whole picture, or the part of a rectangle inside it, with a colour (0x00BBGGRR).
  void Fill(std::uint32_t colour);
  void FillRect(int x, int y, int width, int height, std::uint32_t colour);

  // Copies the rectangle (sx, sy, width, height) of source to (dx, dy) of this picture, clipped
  // to both pictures. Source may be this picture as long as the rectangles do not overlap.
  void CopyRect(int dx, int dy, const TBitmap& source, int sx, int sy, int width, int height);
  // Same, skipping source pixels of the transparent colour (magenta).
  void CopyRectTransparent(int dx, int dy, const TBitmap& source, int sx, int sy, int width,
                           int height);
  // The rectangle (x, y, width, height) clipped to this picture, as a new picture.
  TBitmap Copy(int x, int y, int width, int height) const;

  // Clears every alpha byte (what a conversion to 24 bits per pixel does).
  void MakeOpaque();

  // The Windows bitmap file (24 bits per pixel, bottom-up rows); an empty picture gives an
  // empty result.
  std::vector<std::uint8_t> SaveToBytes() const;
  bool SaveToFile(const std::string& path) const;

  // Reads a Windows bitmap file (with its 14-byte file header) or a packed device-independent
  // bitmap (an information header, colour table and pixels, as a bitmap resource holds it).
  // Reads 1, 4, 8, 16, 24 and 32 bits per pixel, colour tables, bottom-up and top-down rows,
  // 8- and 4-bit run-length compression and bit-field masks. Anything malformed, truncated,
  // inconsistent or beyond the size limits gives an empty picture and false; nothing is read
  // outside the given bytes.
  // `maxPixels` lowers the pixel limit for this read (a picture with more pixels is refused
  // before anything is allocated).
  bool LoadFromBytes(std::span<const std::uint8_t> bytes, std::int64_t maxPixels = kMaxPixels);
  bool LoadFromDib(std::span<const std::uint8_t> bytes, std::int64_t maxPixels = kMaxPixels);
  bool LoadFromFile(const std::string& path);
  static TBitmap FromBytes(std::span<const std::uint8_t> bytes) {
    TBitmap b;
    b.LoadFromBytes(bytes);
    return b;
  }

  friend bool operator==(const TBitmap&, const TBitmap&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  // Reads an information header and what follows; pixel_offset is where the pixels start
  // measured from the start of `bytes`, or 0 when they follow the colour table directly.
  bool ReadDib(std::span<const std::uint8_t> bytes, std::size_t info_offset,
               std::size_t pixel_offset, std::int64_t max_pixels);

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace varnelta
