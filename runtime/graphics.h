// Graphics objects with published properties (font, brush, pen) that make their handle on
// demand, and the canvas that draws with them on a device context it does not own.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/persistent.h"
#include "runtime/types.h"
#include "runtime/win_handles.h"

namespace varnelta {

class TBitmap;

// Resolves system colour numbers; clNone and clDefault give black.
COLORREF ColorToRGB(TColor color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
extern const TEnumType FontStyleType;  // fsBold, fsItalic, fsUnderline, fsStrikeOut

// Shared by the graphics objects: a change callback and a lazily made handle.
class TGraphicsObject : public TPersistent {
  VARNELTA_CLASS()
 public:
  std::function<void()> OnChanging;  // before a handle is freed
  std::function<void()> OnChange;

 protected:
  void Changing();
  void Changed();
};

class TFont : public TGraphicsObject {
  VARNELTA_CLASS()
 public:
  int Charset() const { return charset_; }
  void SetCharset(int v);
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int v);
  std::wstring Name() const { return name_; }
  void SetName(const std::wstring& v);
  unsigned Style() const { return style_; }
  void SetStyle(unsigned v);

  void Assign(const TFont& other);
  bool SameAs(const TFont& other) const;
  HFONT Handle();

 private:
  int charset_ = DEFAULT_CHARSET;
  TColor color_ = clWindowText;
  int height_ = -11;
  std::wstring name_ = L"Tahoma";
  unsigned style_ = 0;
  TFontHandle handle_;
};

enum TBrushStyle : int { bsSolid, bsClear };
extern const TEnumType BrushStyleType;

class TBrush : public TGraphicsObject {
  VARNELTA_CLASS()
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle v);
  HBRUSH Handle();  // a stock null brush for bsClear

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TBrushHandle handle_;
};

enum TPenStyle : int { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
extern const TEnumType PenStyleType;

class TPen : public TGraphicsObject {
  VARNELTA_CLASS()
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle v);
  HPEN Handle();

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenHandle handle_;
};

// Draws on a device context owned by someone else (a paint DC, a memory DC). Font, brush and
// pen are selected when used and the context's own objects are put back when the handle is
// changed or the canvas is destroyed.
class TCanvas {
 public:
  TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas();

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc);

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(const TRect& r);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::wstring& text);
  // Text clipped to r, drawn at (x, y).
  void TextRect(const TRect& r, int x, int y, const std::wstring& text);
  int DrawText(const std::wstring& text, TRect& r, UINT format);
  SIZE TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
  // Copies a portable bitmap's pixels to (x, y).
  void Draw(int x, int y, const TBitmap& bitmap);

 private:
  void SelectFont();
  void SelectBrush();
  void SelectPen();
  void Deselect();

  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  HGDIOBJ oldFont_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
};

// A DIB section holding a copy of a portable bitmap (32 bits per pixel, top-down).
TBitmapHandle CreateBitmapHandle(const TBitmap& bitmap);

}  // namespace varnelta
