// Draws the element pictures of Varnelta's skin.
//
// Frame counts and cell sizes follow what each painter expects of its element: frames side by
// side unless noted, numbered from 1. Pictures with soft outlines are drawn over the colour
// they will sit on and have magenta wherever the outline leaves the cell.
#include <array>
#include <functional>

#include "tools/skingen/canvas.h"
#include "tools/skingen/pictures.h"
#include "tools/skingen/skin_picture_parts.h"
#include "tools/skingen/theme.h"

namespace varnelta::skingen {

using namespace theme;

Rgb PixelRgb(const TBitmap& b, int x, int y) { return Hex(b.Pixel(x, y) & 0xFFFFFF); }

// Lays `frames` same-sized pictures side by side, or stacked when `vertical`.
TBitmap Strip(const std::vector<TBitmap>& frames, bool vertical) {
  const int w = frames.front().Width();
  const int h = frames.front().Height();
  const int n = static_cast<int>(frames.size());
  TBitmap out(vertical ? w : w * n, vertical ? h * n : h);
  for (int i = 0; i < n; ++i) Blit(out, frames[static_cast<std::size_t>(i)], vertical ? 0 : i * w, vertical ? i * h : 0);
  return out;
}


std::vector<SkinPicture> DrawSkinPictures() {
  FramePieces frame = CutFrame();
  std::vector<SkinPicture> out;
  const auto add = [&out](std::string file, TBitmap bitmap) {
    out.push_back(SkinPicture{std::move(file), std::move(bitmap)});
  };
  add("frameleft.bmp", std::move(frame.left));
  add("frameright.bmp", std::move(frame.right));
  add("frametop.bmp", std::move(frame.top));
  add("framebottom.bmp", std::move(frame.bottom));
  add("captionback.bmp", DrawCaptionBack());
  add("titleclose.bmp", DrawCaptionButton(Glyph::kClose));
  add("titlemaximise.bmp", DrawCaptionButton(Glyph::kMaximise));
  add("titlerestore.bmp", DrawCaptionButton(Glyph::kRestore));
  add("titleminimise.bmp", DrawCaptionButton(Glyph::kMinimise));
  add("button.bmp", DrawPushButton());
  add("checkbox.bmp", DrawCheckBox());
  add("radiobutton.bmp", DrawRadioButton());
  add("combobutton.bmp", DrawComboButton());
  add("extraimages.bmp", DrawExtraImages());
  add("scrollbar.bmp", DrawScrollbarParts());
  add("scrollhorz.bmp", DrawScrollTrack(false));
  add("scrollvert.bmp", DrawScrollTrack(true));
  add("scrollthumbhorz.bmp", DrawScrollThumb(false));
  add("scrollthumbvert.bmp", DrawScrollThumb(true));
  add("statusbaredges.bmp", DrawStatusBarEdges());
  add("menuitem.bmp", DrawMenuItem());
  add("menubackground.bmp", DrawMenuBackground());
  add("menubar.bmp", DrawMenuBar());
  add("progress.bmp", DrawProgress());
  add("progresschunk.bmp", DrawProgressChunk());
  add("tabs.bmp", DrawTabs());
  add("tabpane.bmp", DrawTabPane());
  add("headerbar.bmp", DrawHeaderbar());
  add("trackthumbhorz.bmp", DrawTrackThumb(false));
  add("trackthumbvert.bmp", DrawTrackThumb(true));
  add("updownhorz.bmp", DrawUpDown(true));
  add("updownhorzglyphs.bmp", DrawUpDownGlyphs(true));
  add("updownvert.bmp", DrawUpDown(false));
  add("updownvertglyphs.bmp", DrawUpDownGlyphs(false));
  return out;
}

}  // namespace varnelta::skingen
