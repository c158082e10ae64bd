// The window frame pictures of the skin: the frame pieces, the caption background and the
// title bar buttons.
#include <array>
#include <functional>

#include "tools/skingen/canvas.h"
#include "tools/skingen/pictures.h"
#include "tools/skingen/skin_picture_parts.h"
#include "tools/skingen/theme.h"

namespace varnelta::skingen {

using namespace theme;

namespace {

RoundBox WindowOutline(int w, int h) {
  return RoundBox{0, 0, static_cast<double>(w), static_cast<double>(h), kTopRadius, kTopRadius,
                  kBottomRadius, kBottomRadius};
}

// The title bar's colour on row y of an active or inactive frame.
Rgb TitleAt(bool active, double y) {
  const FramePalette& p = active ? kActiveFrame : kInactiveFrame;
  return Vertical(0, p.titleTop, kTitle - 1, p.titleBottom)(0, y);
}

}  // namespace

TBitmap DrawWindowFrame(int width, int height, bool active) {
  const FramePalette& p = active ? kActiveFrame : kInactiveFrame;
  Canvas c(width, height, kDesktop);
  const RoundBox outer = WindowOutline(width, height);
  c.Draw(InBox(outer), [&](double, double y) { return y < kTitle ? TitleAt(active, y) : p.body; });
  // A soft inner highlight along the top of the title bar, fading towards its bottom.
  const Shape highlight = Ring(outer.Inset(1), 1);
  c.Draw([&](double x, double y) { return y < kTitle - 2 && highlight(x, y); },
         [&](double, double y) { return Mix(p.highlight, TitleAt(active, y), y / kTitle); },
         active ? 0.9 : 0.6);
  c.Draw(Ring(outer, 1), p.outline);
  // The line around the client area, and the client area itself.
  c.FillRect(kSide - 1, kTitle - 1, width - 2 * kSide + 2, height - kTitle - kBottom + 2, p.innerLine);
  c.FillRect(kSide, kTitle, width - 2 * kSide, height - kTitle - kBottom, kFace);
  c.Cover(InBox(outer));
  return c.Finish();
}

FramePieces CutFrame() {
  const int w = kSide + kTopPieceWidth + kSide;
  const int h = kTitle + kSideMiddle + kBottom;
  FramePieces pieces;
  std::vector<TBitmap> left, right, top, bottom;
  for (bool active : {true, false}) {
    const TBitmap frame = DrawWindowFrame(w, h, active);
    left.push_back(frame.Copy(0, 0, kSide, h));
    right.push_back(frame.Copy(w - kSide, 0, kSide, h));
    top.push_back(frame.Copy(kSide, 0, kTopPieceWidth, kTitle));
    bottom.push_back(frame.Copy(kSide, h - kBottom, kTopPieceWidth, kBottom));
  }
  pieces.left = Strip(left);
  pieces.right = Strip(right);
  pieces.top = Strip(top, true);
  pieces.bottom = Strip(bottom, true);
  return pieces;
}

namespace {

// The title bar's pixels behind a caption button or the caption background, taken from the
// drawn frame so that they match it exactly.
TBitmap TitleStripBehind(bool active, int width, int top, int height) {
  const TBitmap frame = DrawWindowFrame(kSide + kTopPieceWidth + kSide, kTitle + kSideMiddle + kBottom, active);
  TBitmap out(width, height);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t pixel = frame.Pixel(kSide + kTopPieceWidth / 2, top + y);
    for (int x = 0; x < width; ++x) out.SetPixel(x, y, pixel);
  }
  return out;
}

Canvas CanvasFrom(const TBitmap& background) {
  Canvas c(background.Width(), background.Height());
  for (int y = 0; y < background.Height(); ++y)
    for (int x = 0; x < background.Width(); ++x) c.Set(x, y, PixelRgb(background, x, y));
  return c;
}

}  // namespace

// The caption background: a soft rounded glow behind the window text; two frames stacked,
// active above inactive, each as high as the title bar.
TBitmap DrawCaptionBack() {
  const int w = kCaptionBackLeft + kCaptionBackMiddle + kCaptionBackRight;
  std::vector<TBitmap> frames;
  for (bool active : {true, false}) {
    Canvas c = CanvasFrom(TitleStripBehind(active, w, 0, kTitle));
    const RoundBox chip = Box(0.5, 6, w - 0.5, 24, 9);
    const Rgb behind = TitleAt(active, 15);
    // A glow rather than a box: no outline, so that it does not read as a text field.
    c.Draw(InBox(chip), Mix(behind, kWhite, active ? 0.5 : 0.3));
    c.Draw(Ring(chip, 1), Mix(behind, kWhite, active ? 0.3 : 0.15));
    c.Cover(InBox(chip));
    frames.push_back(c.Finish());
  }
  return Strip(frames, true);
}

namespace {

void DrawCaptionGlyph(Canvas& c, Glyph glyph, Rgb colour) {
  const double cx = kCaptionButtonWidth / 2.0;
  const double cy = kCaptionButtonHeight / 2.0;
  switch (glyph) {
    case Glyph::kClose:
      c.Draw(Segment(cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, 1.25), colour);
      c.Draw(Segment(cx - 4.5, cy + 4.5, cx + 4.5, cy - 4.5, 1.25), colour);
      break;
    case Glyph::kMaximise:
      c.Draw(Ring(Box(cx - 5, cy - 5, cx + 5, cy + 5, 1.5), 1), colour);
      break;
    case Glyph::kRestore: {
      const RoundBox front = Box(cx - 5, cy - 3, cx + 3, cy + 5, 1.5);
      const Shape back = Ring(Box(cx - 3, cy - 5, cx + 5, cy + 3, 1.5), 1);
      c.Draw([&](double x, double y) { return back(x, y) && !front.Inset(-1).Contains(x, y); },
             colour);
      c.Draw(Ring(front, 1), colour);
      break;
    }
    case Glyph::kMinimise:
      c.FillRect(static_cast<int>(cx) - 5, static_cast<int>(cy), 10, 1, colour);
      break;
  }
}

}  // namespace

// A title bar button: 1 normal, 2 pressed, 3 hot (mouse over), 4 disabled or inactive window.
// Frames 1 to 3 carry the active title bar behind them, so that a state change drawn straight
// onto the window replaces the previous look completely; frame 4 is shown on active and
// inactive title bars alike, so it is transparent around its glyph.
TBitmap DrawCaptionButton(Glyph glyph) {
  const int w = kCaptionButtonWidth;
  const int h = kCaptionButtonHeight;
  const bool close = glyph == Glyph::kClose;
  const Rgb glyphColour = Hex(0x2A3548);
  std::vector<TBitmap> frames;
  const TBitmap behind = TitleStripBehind(true, w, kCaptionButtonTop, h);
  for (int frame = 1; frame <= 3; ++frame) {
    Canvas c = CanvasFrom(behind);
    Rgb ink = glyphColour;
    if (frame != 1) {
      const Rgb fill = close ? (frame == 2 ? Hex(0xC4373D) : Hex(0xE5484D))
                             : (frame == 2 ? Hex(0xBCC8DB) : Hex(0xD3DCEA));
      c.Draw(InBox(Box(0, 0, w, h, 4)), fill);
      if (close) ink = kWhite;
    }
    DrawCaptionGlyph(c, glyph, ink);
    c.CoverAll();
    frames.push_back(c.Finish());
  }
  Canvas disabled(w, h, Mix(TitleAt(true, 15), TitleAt(false, 15), 0.5));
  const Rgb grey = Hex(0xA3ABB8);
  DrawCaptionGlyph(disabled, glyph, grey);
  // Only the glyph is opaque; its soft edge blends towards a colour between the active and
  // inactive title bars.
  Canvas mask(w, h);
  DrawCaptionGlyph(mask, glyph, kWhite);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgb m = mask.At(x, y);  // magenta where untouched, white where the glyph is
      if (m.g > 100) disabled.CoverRect(x, y, 1, 1);
    }
  frames.push_back(disabled.Finish());
  return Strip(frames);
}

}  // namespace varnelta::skingen
