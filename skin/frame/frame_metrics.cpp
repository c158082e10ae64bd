#include "skin/frame/frame_metrics.h"

#include <algorithm>

#include "skin/frame/dpi_scale.h"

namespace varnelta::frame {

int UsableFrameCount(int frameCount) { return std::max(frameCount, 1); }

TFrameMetrics ComputeMetrics(const TSkinElements& skin, TBorderKind borderKind, int menuBarHeight,
                             int dpi) {
  if (borderKind == bkNone) return {};
  const auto perFrame = [](int length, const TDataSkinObject& piece) {
    return length / UsableFrameCount(piece.FrameCount);
  };
  TFrameMetrics m;
  m.Title = ScalePixel(perFrame(skin.BorderTop->Image.Height(), *skin.BorderTop), dpi);
  m.Left = ScalePixel(perFrame(skin.BorderLeft->Image.Width(), *skin.BorderLeft), dpi);
  m.Right = ScalePixel(perFrame(skin.BorderRight->Image.Width(), *skin.BorderRight), dpi);
  m.Bottom = ScalePixel(perFrame(skin.BorderBottom->Image.Height(), *skin.BorderBottom), dpi);
  m.MenuBar = std::max(menuBarHeight, 0);
  return m;
}

TRect NcCalcClientRect(const TRect& window, const TFrameMetrics& metrics) {
  TRect client;
  client.Left = std::min(window.Left + metrics.Left, window.Right);
  client.Top = std::min(window.Top + metrics.Title + metrics.MenuBar, window.Bottom);
  client.Right = std::max(window.Right - metrics.Right, client.Left);
  client.Bottom = std::max(window.Bottom - metrics.Bottom, client.Top);
  return client;
}

TSize FitClientSize(const TFitClientFacts& facts, const TFrameMetrics& metrics) {
  if (!facts.UseWindowClient && facts.HasForm) {
    const int height = facts.MdiChild ? facts.FormClient.Height
                                      : facts.FormClient.Height - metrics.MenuBar;
    return {facts.FormClient.Width, height};
  }
  return {facts.WindowClient.Width(), facts.WindowClient.Height()};
}

TSize FitWindowSize(TSize client, const TFrameMetrics& metrics) {
  return {client.Width + metrics.Left + metrics.Right,
          client.Height + metrics.Title + metrics.Bottom + metrics.MenuBar};
}

TDialogWidth FitDialogToCaption(int windowWidth, int textWidth, int textShift, int rightClip) {
  const int needed = textShift + textWidth + rightClip;
  if (windowWidth >= needed) return {windowWidth, 0};
  return {needed, (needed - windowWidth) / 2};
}

TPoint CentredTopLeft(const TRect& current, TSize size) {
  return {current.Left + (current.Width() - size.Width) / 2,
          current.Top + (current.Height() - size.Height) / 2};
}

}  // namespace varnelta::frame
