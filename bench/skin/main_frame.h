// The main window's skinned frame for figures: the four frame edge pictures of the program's
// own skin sources with the keys of its description, the window's size around the 586 x 401
// client, and the pieces rendered as the frame paints them (frame 1, the active window). Shared
// by the native benchmark and the timing program under Wine.
#pragma once

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "runtime/types.h"
#include "skin/data/pixel_draw.h"
#include "skin/data/skin_ini.h"
#include "skin/frame/dpi_scale.h"
#include "skin/frame/region_rects.h"

namespace varnelta::bench {

struct TFramePiece {
  TBitmap Image;
  TRect Margins;
  int FrameCount = 1;
  bool Trans = false;
  bool Tile = false;     // the middle is tiled (the description's Stretch key is not 1)
  bool Vertical = false; // frames stacked: the top and bottom pieces
};

struct TMainFrame {
  // Left, right, top, bottom.
  std::array<TFramePiece, 4> Pieces;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width = 0, Height = 0;
  bool Loaded = false;

  std::array<TRect, 4> PieceRects() const {
    return {TRect{0, 0, Left, Height}, TRect{Width - Right, 0, Width, Height},
            TRect{Left, 0, Width - Right, Top}, TRect{Left, Height - Bottom, Width - Right, Height}};
  }
  TRect Client() const { return {Left, Top, Width - Right, Height - Bottom}; }
};

// Reads the skin sources in `folder`; at another DPI every picture and margin is scaled first.
inline TMainFrame LoadMainFrame(const std::string& folder, int dpi = 96) {
  TMainFrame frame;
  std::ifstream file(folder + "/varnelta.ini", std::ios::binary);
  const std::vector<std::uint8_t> text(std::istreambuf_iterator<char>(file), {});
  TQuickIni ini;
  ini.LoadFromStream(&text);
  const char* names[] = {"Left", "Right", "Top", "Bottom"};
  for (int i = 0; i < 4; ++i) {
    TFramePiece& p = frame.Pieces[static_cast<std::size_t>(i)];
    const std::string name = names[i];
    p.Vertical = i >= 2;
    p.FrameCount = ini.ReadInteger("Personality", name + "Frame", 1);
    p.Trans = ini.ReadInteger("Personality", name + "Trans", 1) == 1;
    p.Tile = ini.ReadInteger("Personality", name + "Stretch", 1) != 1;
    const int first = ini.ReadInteger("Personality", name + "TopHeight", 0);
    const int second = ini.ReadInteger("Personality", name + "BotHeight", 0);
    p.Margins = ScalePixels(p.Vertical ? TRect{first, 0, second, 0} : TRect{0, first, 0, second}, dpi);
    TBitmap image;
    if (!image.LoadFromFile(folder + "/" + ini.ReadString("Personality", name, ""))) return frame;
    p.Image = ScaleFrameStrip(image, p.FrameCount, p.Vertical, dpi);
  }
  const auto cell = [&](int i) {
    const TFramePiece& p = frame.Pieces[static_cast<std::size_t>(i)];
    return FrameCell(p.Image, p.FrameCount, 1, p.Vertical);
  };
  frame.Left = cell(0).Width();
  frame.Right = cell(1).Width();
  frame.Top = cell(2).Height();
  frame.Bottom = cell(3).Height();
  frame.Width = ScalePixel(586, dpi) + frame.Left + frame.Right;
  frame.Height = ScalePixel(401, dpi) + frame.Top + frame.Bottom;
  frame.Loaded = true;
  return frame;
}

// The four pieces at the window's size, frame 1.
inline std::array<TBitmap, 4> RenderPieces(const TMainFrame& frame) {
  std::array<TBitmap, 4> out;
  const auto rects = frame.PieceRects();
  for (std::size_t i = 0; i < 4; ++i) {
    const TFramePiece& p = frame.Pieces[i];
    out[i] = BuildSlicedBitmap(rects[i].Width(), rects[i].Height(), p.Image, p.Margins, p.Vertical,
                               p.Tile, p.FrameCount, 1);
  }
  return out;
}

// The region's rectangles: the client and each piece, from its pixels where its Trans is set.
inline std::vector<TRect> RegionRects(const TMainFrame& frame, const std::array<TBitmap, 4>& pieces) {
  const auto rects = frame.PieceRects();
  std::array<TRegionPart, 4> parts;
  for (std::size_t i = 0; i < 4; ++i)
    parts[i] = {rects[i], frame.Pieces[i].Trans ? &pieces[i] : nullptr};
  return CollectRegionRects(frame.Client(), parts);
}

}  // namespace varnelta::bench
