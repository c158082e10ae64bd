// GDI pieces of the panes: text measuring, the caption, the bar's background behind a pane,
// the marquee's off-screen frame, and the size grip's cursor and sizing command.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "statusbar/color_scheme.h"
#include "statusbar/geometry.h"
#include "statusbar/gradient.h"
#include "statusbar/status_pane.h"
#include "statusbar/win32/gdi_objects.h"
#include "statusbar/win32/visual_styles.h"

namespace varnelta::statusbar {

// A DC of the whole screen from GetDC, released with ReleaseDC.
class TScreenDC {
 public:
  TScreenDC();
  TScreenDC(const TScreenDC&) = delete;
  TScreenDC& operator=(const TScreenDC&) = delete;
  ~TScreenDC();
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// The height of "Pp" and the width of a caption (tabs expanded, no prefix characters) in
// `font` on a screen DC; null means the system font.
int TextHeightPp(HFONT font);
int CaptionWidth(HFONT font, const std::wstring& text);

// One line of text at `origin` (its top-left corner), clipped to `clip`, transparent
// background, tabs expanded, no prefix characters.
void DrawTextLine(HDC dc, const std::wstring& text, HFONT font, COLORREF color, POINT origin,
                  const RECT& clip);

// The bar's background as a pane sees it behind itself.
struct TBarBackground {
  enum class Kind { Themed, Solid, Gradient };
  Kind BackgroundKind = Kind::Solid;
  int BarWidth = 0;
  int BarHeight = 0;
  COLORREF Color = 0;     // Solid, and around the gradient's rectangle
  TRect GradientRect;     // where the bar draws its gradient, in bar coordinates
  TGradientPair Gradient{0, 0};
  TGradientDirection Direction = gdHorizontalEnd;
  friend bool operator==(const TBarBackground&, const TBarBackground&) = default;
};

// The bar's background rendered into an image of the bar's size, kept until the background
// changes; copies of parts of it go behind pane captions and marquee frames.
class TBarBackgroundImage {
 public:
  // Copies the part of the background at `sourceInBar` to `target` (same size) on `dc`.
  void CopyPart(HDC dc, const RECT& target, POINT sourceInBar, const TBarBackground& background,
                IVisualStyles& styles);

 private:
  bool Prepare(const TBarBackground& background, IVisualStyles& styles);
  std::unique_ptr<TDibImage> image_;
  TBarBackground key_;
  bool themedKey_ = false;
};

struct TCaptionDraw {
  std::wstring Text;
  HFONT Font = nullptr;
  COLORREF TextColor = 0;
  POINT Origin{0, 0};
  RECT Interior{0, 0, 0, 0};      // the caption is clipped to it
  TCaptionBackground Background = TCaptionBackground::None;
  COLORREF FillColor = 0;         // for Fill
  POINT InteriorInBar{0, 0};      // for ThemedBar: where the interior lies on the bar
};

// One line of caption text at Origin, clipped to Interior, over the chosen background.
void DrawPaneCaption(HDC dc, const TCaptionDraw& caption, TBarBackgroundImage& barImage,
                     const TBarBackground& barBackground, IVisualStyles& styles);

// The marquee's off-screen image of its interior: each frame is drawn into it and copied to
// the pane in one operation, so only the interior is redrawn.
class TMarqueeSurface {
 public:
  struct Frame {
    std::wstring Text;
    HFONT Font = nullptr;
    COLORREF TextColor = 0;
    SIZE ImageSize{0, 0};          // the interior's size
    POINT TextOrigin{0, 0};        // in the image
    POINT ImageOrigin{0, 0};       // on the pane
    // Background: the bar's (themed, or a transparent pane on a status bar), or FillColor.
    bool FromBar = false;
    POINT ImageInBar{0, 0};
    COLORREF FillColor = 0;
  };
  void Draw(HDC paneDC, const Frame& frame, TBarBackgroundImage& barImage,
            const TBarBackground& barBackground, IVisualStyles& styles);
  // Whether an image exists (it is made on the first frame and resized with the interior).
  bool HasImage() const { return image_ != nullptr; }

 private:
  std::unique_ptr<TDibImage> image_;
};

// The size grip: the diagonal sizing cursor over the active area, and the command that lets
// the form be sized from its bottom-right corner (sent after releasing the mouse capture).
constexpr WPARAM kSizeFromBottomRight = SC_SIZE | 8;  // WMSZ_BOTTOMRIGHT
void SetSizeGripCursor();
void StartSizingFromGrip(HWND form);

}  // namespace varnelta::statusbar
