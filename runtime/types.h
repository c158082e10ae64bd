// Basic value types shared by the runtime and everything built on it: points, rectangles,
// colours, alignment and the message record every control's message handler receives.
#pragma once

#include <cstdint>

namespace varnelta {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// 0x00BBGGRR for an explicit colour, 0xFF0000nn for system colour number nn, clNone for none.
using TColor = std::uint32_t;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clSystemColor = 0xFF000000;
inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == clSystemColor; }

enum TAlign : int { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The record passed through a control's message handler; Result is what the window answers.
struct TMessage {
  std::uint32_t Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

// The runtime's own control messages (component and notification bases).
inline constexpr std::uint32_t CM_BASE = 0xB000;
inline constexpr std::uint32_t CM_DIALOGCHAR = CM_BASE + 0x06;
inline constexpr std::uint32_t CM_ENABLEDCHANGED = CM_BASE + 0x0C;
inline constexpr std::uint32_t CM_MENUCHANGED = CM_BASE + 0x31;
inline constexpr std::uint32_t CM_COLORCHANGED = CM_BASE + 0x0E;
inline constexpr std::uint32_t CM_FONTCHANGED = CM_BASE + 0x0F;
inline constexpr std::uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 0x10;
inline constexpr std::uint32_t CM_PARENTFONTCHANGED = CM_BASE + 0x11;
inline constexpr std::uint32_t CM_TEXTCHANGED = CM_BASE + 0x12;
inline constexpr std::uint32_t CM_VISIBLECHANGED = CM_BASE + 0x16;
inline constexpr std::uint32_t CM_MOUSEENTER = CM_BASE + 0x13;
inline constexpr std::uint32_t CM_MOUSELEAVE = CM_BASE + 0x14;
inline constexpr std::uint32_t CN_BASE = 0xBC00;

}  // namespace varnelta
