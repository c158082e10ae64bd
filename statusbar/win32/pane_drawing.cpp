#include "statusbar/win32/pane_drawing.h"

#include "statusbar/win32/draw_border.h"

namespace varnelta::statusbar {
namespace {

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  // An opaque empty text run fills without creating a brush.
  const COLORREF previous = SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

}  // namespace

void DrawTextLine(HDC dc, const std::wstring& text, HFONT font, COLORREF color, POINT origin,
                  const RECT& clip) {
  if (!dc || text.empty()) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  TSelection selected(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  RECT r{origin.x, origin.y, origin.x + 0x7FFF, origin.y + 0x7FFF};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP | DT_LEFT | DT_TOP);
  RestoreDC(dc, saved);
}

TScreenDC::TScreenDC() : dc_(GetDC(nullptr)) {
  if (dc_) HandleCounter::Acquired(THandleKind::DC);
}

TScreenDC::~TScreenDC() {
  if (dc_) {
    ReleaseDC(nullptr, dc_);
    HandleCounter::Released(THandleKind::DC);
  }
}

int TextHeightPp(HFONT font) {
  TScreenDC screen;
  if (!screen.Get()) return 0;
  TSelection selected(screen.Get(), font);
  SIZE size{0, 0};
  GetTextExtentPoint32W(screen.Get(), L"Pp", 2, &size);
  return size.cy;
}

int CaptionWidth(HFONT font, const std::wstring& text) {
  if (text.empty()) return 0;
  TScreenDC screen;
  if (!screen.Get()) return 0;
  TSelection selected(screen.Get(), font);
  RECT r{0, 0, 0, 0};
  DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
  return r.right - r.left;
}

bool TBarBackgroundImage::Prepare(const TBarBackground& background, IVisualStyles& styles) {
  const bool themed = background.BackgroundKind == TBarBackground::Kind::Themed;
  // A themed background is rendered again when the styles' answer changes.
  if (image_ && key_ == background && themedKey_ == (themed && styles.Active())) return true;
  image_.reset();
  if (background.BarWidth <= 0 || background.BarHeight <= 0) return false;
  auto image = std::make_unique<TDibImage>(background.BarWidth, background.BarHeight);
  if (!image->Valid()) return false;
  const RECT whole{0, 0, background.BarWidth, background.BarHeight};
  FillSolid(image->DC(), whole, background.Color);
  if (themed) {
    styles.DrawStatusBackground(image->DC(), whole);
  } else if (background.BackgroundKind == TBarBackground::Kind::Gradient) {
    DrawGradient(image->DC(), ToRECT(background.GradientRect), background.Gradient.Start,
                 background.Gradient.Stop, background.Direction);
  }
  image_ = std::move(image);
  key_ = background;
  themedKey_ = themed && styles.Active();
  return true;
}

void TBarBackgroundImage::CopyPart(HDC dc, const RECT& target, POINT sourceInBar,
                                   const TBarBackground& background, IVisualStyles& styles) {
  if (!dc || target.right <= target.left || target.bottom <= target.top) return;
  if (!Prepare(background, styles)) return;
  BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
         image_->DC(), sourceInBar.x, sourceInBar.y, SRCCOPY);
}

void DrawPaneCaption(HDC dc, const TCaptionDraw& caption, TBarBackgroundImage& barImage,
                     const TBarBackground& barBackground, IVisualStyles& styles) {
  if (!dc || caption.Interior.right <= caption.Interior.left ||
      caption.Interior.bottom <= caption.Interior.top) {
    return;
  }
  switch (caption.Background) {
    case TCaptionBackground::ThemedBar:
      barImage.CopyPart(dc, caption.Interior, caption.InteriorInBar, barBackground, styles);
      break;
    case TCaptionBackground::Fill:
      FillSolid(dc, caption.Interior, caption.FillColor);
      break;
    case TCaptionBackground::None:
      break;
  }
  DrawTextLine(dc, caption.Text, caption.Font, caption.TextColor, caption.Origin, caption.Interior);
}

void TMarqueeSurface::Draw(HDC paneDC, const Frame& frame, TBarBackgroundImage& barImage,
                           const TBarBackground& barBackground, IVisualStyles& styles) {
  if (!paneDC || frame.ImageSize.cx <= 0 || frame.ImageSize.cy <= 0) return;
  if (!image_ || image_->Width() != frame.ImageSize.cx || image_->Height() != frame.ImageSize.cy) {
    image_.reset();
    auto image = std::make_unique<TDibImage>(frame.ImageSize.cx, frame.ImageSize.cy);
    if (!image->Valid()) return;
    image_ = std::move(image);
  }
  const RECT whole{0, 0, frame.ImageSize.cx, frame.ImageSize.cy};
  if (frame.FromBar) {
    barImage.CopyPart(image_->DC(), whole, frame.ImageInBar, barBackground, styles);
  } else {
    FillSolid(image_->DC(), whole, frame.FillColor);
  }
  DrawTextLine(image_->DC(), frame.Text, frame.Font, frame.TextColor, frame.TextOrigin, whole);
  BitBlt(paneDC, frame.ImageOrigin.x, frame.ImageOrigin.y, frame.ImageSize.cx, frame.ImageSize.cy,
         image_->DC(), 0, 0, SRCCOPY);
}

void SetSizeGripCursor() { SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE)); }

void StartSizingFromGrip(HWND form) {
  if (!form) return;
  ReleaseCapture();
  SendMessageW(form, WM_SYSCOMMAND, kSizeFromBottomRight, 0);
}

}  // namespace varnelta::statusbar
