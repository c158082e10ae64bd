#include "runtime/graphics.h"

#include <cstring>

#include "runtime/bitmap.h"

namespace varnelta {

COLORREF ColorToRGB(TColor color) {
  if (color == clNone || color == clDefault) return RGB(0, 0, 0);
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

const TEnumType FontStyleType{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const TEnumType BrushStyleType{"TBrushStyle", {"bsSolid", "bsClear"}};
const TEnumType PenStyleType{"TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear"}};

const TClassInfo& TGraphicsObject::StaticClass() {
  static const TClassInfo info{"TGraphicsObject", &TPersistent::StaticClass(), {}, {}};
  return info;
}

void TGraphicsObject::Changing() {
  if (OnChanging) OnChanging();
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange();
}

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info{
      "TFont",
      &TGraphicsObject::StaticClass(),
      {IntProperty("Charset", &TFont::Charset, &TFont::SetCharset),
       ColorProperty(IntProperty("Color", &TFont::Color, &TFont::SetColor)), IntProperty("Height", &TFont::Height, &TFont::SetHeight),
       StrProperty("Name", &TFont::Name, &TFont::SetName),
       SetProperty("Style", FontStyleType, &TFont::Style, &TFont::SetStyle)},
      {}};
  return info;
}

void TFont::SetCharset(int v) {
  if (v == charset_) return;
  charset_ = v;
  Changing();
  handle_.Reset();
  Changed();
}
void TFont::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changed();
}
void TFont::SetHeight(int v) {
  if (v == height_) return;
  height_ = v;
  Changing();
  handle_.Reset();
  Changed();
}
void TFont::SetName(const std::wstring& v) {
  if (v == name_ || v.empty()) return;
  name_ = v.substr(0, LF_FACESIZE - 1);
  Changing();
  handle_.Reset();
  Changed();
}
void TFont::SetStyle(unsigned v) {
  if (v == style_) return;
  style_ = v;
  Changing();
  handle_.Reset();
  Changed();
}

bool TFont::SameAs(const TFont& o) const {
  return charset_ == o.charset_ && color_ == o.color_ && height_ == o.height_ && name_ == o.name_ &&
         style_ == o.style_;
}

void TFont::Assign(const TFont& o) {
  if (SameAs(o)) return;
  bool handleChanges = charset_ != o.charset_ || height_ != o.height_ || name_ != o.name_ || style_ != o.style_;
  charset_ = o.charset_;
  color_ = o.color_;
  height_ = o.height_;
  name_ = o.name_;
  style_ = o.style_;
  if (handleChanges) {
    Changing();
    handle_.Reset();
  }
  Changed();
}

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info{"TBrush",
                               &TGraphicsObject::StaticClass(),
                               {ColorProperty(IntProperty("Color", &TBrush::Color, &TBrush::SetColor)),
                                EnumProperty("Style", BrushStyleType, &TBrush::Style, &TBrush::SetStyle)},
                               {}};
  return info;
}

void TBrush::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changing();
  handle_.Reset();
  Changed();
}
void TBrush::SetStyle(TBrushStyle v) {
  if (v == style_) return;
  style_ = v;
  Changing();
  handle_.Reset();
  Changed();
}
HBRUSH TBrush::Handle() {
  if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
  return handle_.Get();
}

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info{"TPen",
                               &TGraphicsObject::StaticClass(),
                               {ColorProperty(IntProperty("Color", &TPen::Color, &TPen::SetColor)),
                                EnumProperty("Style", PenStyleType, &TPen::Style, &TPen::SetStyle),
                                IntProperty("Width", &TPen::Width, &TPen::SetWidth)},
                               {}};
  return info;
}

void TPen::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changing();
  handle_.Reset();
  Changed();
}
void TPen::SetWidth(int v) {
  if (v == width_ || v < 0) return;
  width_ = v;
  Changing();
  handle_.Reset();
  Changed();
}
void TPen::SetStyle(TPenStyle v) {
  if (v == style_) return;
  style_ = v;
  Changing();
  handle_.Reset();
  Changed();
}
HPEN TPen::Handle() {
  if (style_ == psClear) return static_cast<HPEN>(GetStockObject(NULL_PEN));
  if (!handle_) {
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    handle_.Reset(CreatePen(styles[style_], width_, ColorToRGB(color_)));
  }
  return handle_.Get();
}

TCanvas::TCanvas() {
  // A changed object is selected again at its next use.
  // A handle about to be freed is taken out of the context first.
  auto restore = [this](HGDIOBJ& old) {
    if (dc_ && old) SelectObject(dc_, old);
    old = nullptr;
  };
  font_.OnChanging = [this, restore] { restore(oldFont_); };
  brush_.OnChanging = [this, restore] { restore(oldBrush_); };
  pen_.OnChanging = [this, restore] { restore(oldPen_); };
}

TCanvas::~TCanvas() { Deselect(); }

void TCanvas::Deselect() {
  if (!dc_) return;
  if (oldFont_) SelectObject(dc_, oldFont_);
  if (oldBrush_) SelectObject(dc_, oldBrush_);
  if (oldPen_) SelectObject(dc_, oldPen_);
  oldFont_ = oldBrush_ = oldPen_ = nullptr;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  Deselect();
  dc_ = dc;
}

void TCanvas::SelectFont() {
  HGDIOBJ previous = SelectObject(dc_, font_.Handle());
  if (!oldFont_) oldFont_ = previous;
  SetTextColor(dc_, ColorToRGB(font_.Color()));
}
void TCanvas::SelectBrush() {
  HGDIOBJ previous = SelectObject(dc_, brush_.Handle());
  if (!oldBrush_) oldBrush_ = previous;
  SetBkColor(dc_, ColorToRGB(brush_.Color()));
  SetBkMode(dc_, brush_.Style() == bsClear ? TRANSPARENT : OPAQUE);
}
void TCanvas::SelectPen() {
  HGDIOBJ previous = SelectObject(dc_, pen_.Handle());
  if (!oldPen_) oldPen_ = previous;
}

void TCanvas::FillRect(const TRect& r) {
  if (!dc_ || brush_.Style() == bsClear) return;
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::FillRect(dc_, &rc, brush_.Handle());
}
void TCanvas::FrameRect(const TRect& r) {
  if (!dc_) return;
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::FrameRect(dc_, &rc, brush_.Handle());
}
void TCanvas::Rectangle(const TRect& r) {
  if (!dc_) return;
  SelectBrush();
  SelectPen();
  ::Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
}
void TCanvas::MoveTo(int x, int y) {
  if (dc_) MoveToEx(dc_, x, y, nullptr);
}
void TCanvas::LineTo(int x, int y) {
  if (!dc_) return;
  SelectPen();
  ::LineTo(dc_, x, y);
}
void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  if (!dc_) return;
  SelectFont();
  SelectBrush();
  ::TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}
void TCanvas::TextRect(const TRect& r, int x, int y, const std::wstring& text) {
  if (!dc_) return;
  SelectFont();
  SelectBrush();
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  UINT options = ETO_CLIPPED | (brush_.Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutW(dc_, x, y, options, &rc, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}
int TCanvas::DrawText(const std::wstring& text, TRect& r, UINT format) {
  if (!dc_) return 0;
  SelectFont();
  SelectBrush();
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  int height = ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rc, format);
  r = {rc.left, rc.top, rc.right, rc.bottom};
  return height;
}
SIZE TCanvas::TextExtent(const std::wstring& text) {
  SIZE size{0, 0};
  if (!dc_) return size;
  SelectFont();
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

namespace {
BITMAPINFO TopDownInfo(const TBitmap& bitmap) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = bitmap.Width();
  bi.bmiHeader.biHeight = -bitmap.Height();
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}
}  // namespace

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  BITMAPINFO bi = TopDownInfo(bitmap);
  SetDIBitsToDevice(dc_, x, y, static_cast<DWORD>(bitmap.Width()), static_cast<DWORD>(bitmap.Height()), 0, 0, 0,
                    static_cast<UINT>(bitmap.Height()), bitmap.Pixels().data(), &bi, DIB_RGB_COLORS);
}

TBitmapHandle CreateBitmapHandle(const TBitmap& bitmap) {
  if (bitmap.Empty()) return {};
  BITMAPINFO bi = TopDownInfo(bitmap);
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!handle) return {};
  std::memcpy(bits, bitmap.Pixels().data(), bitmap.Pixels().size_bytes());
  GdiFlush();
  return TBitmapHandle(handle);
}

}  // namespace varnelta
