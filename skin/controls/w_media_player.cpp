#include "skin/controls/w_media_player.h"

#include <windowsx.h>

#include "runtime/property.h"
#include "skin/frame/win32/draw_transparent.h"

namespace varnelta {

namespace {
const wchar_t* const kButtonNames[kMediaButtonCount] = {L"MPPLAY", L"MPPAUSE", L"MPSTOP",   L"MPNEXT", L"MPPREV",
                                                        L"MPSTEP", L"MPBACK",  L"MPRECORD", L"MPEJECT"};
}

const TClassInfo& TWMediaPlayer::StaticClass() {
  static const TClassInfo info{"TWMediaPlayer", &TCustomPanel::StaticClass(), {}, {}};
  return info;
}

TWMediaPlayer::TWMediaPlayer(TComponent* owner, TControl* player, TSkinData* skin)
    : TCustomPanel(owner), player_(player), skin_(skin) {
  tabStop_ = false;
  parentColor_ = false;
  // Never skinned itself.
  if (skin) SetTag(static_cast<std::intptr_t>(skin->DisableTag()));
}

std::wstring TWMediaPlayer::ResourceName(const wchar_t* prefix, int index) {
  if (index < 0 || index >= kMediaButtonCount) return {};
  wchar_t name[32]{};
  swprintf(name, 32, L"%ls_%ls", prefix, kButtonNames[index]);
  return name;
}

int TWMediaPlayer::Mask(const char* name) const {
  const std::optional<std::int64_t> value = player_ ? GetOrdProp(player_, name) : std::nullopt;
  return value ? static_cast<int>(*value) : 0x1FF;
}

int TWMediaPlayer::VisibleCount() const {
  int count = 0;
  const int visible = Mask("VisibleButtons");
  for (int i = 0; i < kMediaButtonCount; ++i) count += (visible >> i) & 1;
  return count;
}

std::wstring TWMediaPlayer::PrefixOf(int index) const {
  if (!(Mask("VisibleButtons") & (1 << index))) return {};
  const bool enabled = (!player_ || player_->Enabled()) && (Mask("EnabledButtons") & (1 << index));
  if (!enabled) return L"DI";
  return (Mask("ColoredButtons") & (1 << index)) ? L"CL" : L"EN";
}

int TWMediaPlayer::ButtonAt(int x) const {
  if (FButtonWidth <= 0 || x < 0) return -1;
  const int slot = x / FButtonWidth;
  const int visible = Mask("VisibleButtons");
  for (int i = 0, n = 0; i < kMediaButtonCount; ++i) {
    if (!(visible & (1 << i))) continue;
    if (n++ == slot) return i;
  }
  return -1;
}

void TWMediaPlayer::Paint() {
  TCanvas& canvas = Canvas();
  HDC dc = canvas.Handle();
  const TRect client = ClientRect();
  const TColor face = skin_ ? skin_->Skin().Colours[kColourButtonFace] : clBtnFace;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(face));
  RECT all{client.Left, client.Top, client.Right, client.Bottom};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  const int count = VisibleCount();
  FButtonWidth = count > 0 ? client.Width() / count : 0;
  if (count == 0) return;
  for (int i = 0, slot = 0; i < kMediaButtonCount; ++i) {
    const std::wstring prefix = PrefixOf(i);
    if (prefix.empty()) continue;
    RECT cell{slot * FButtonWidth, 0, (slot + 1) * FButtonWidth, client.Height()};
    ++slot;
    DrawEdge(dc, &cell, i == FDownButton ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    HBITMAP picture = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), ResourceName(prefix.c_str(), i).c_str(), IMAGE_BITMAP, 0, 0, 0));
    if (!picture) continue;
    BITMAP info{};
    GetObjectW(picture, sizeof(info), &info);
    const int x = (cell.left + cell.right - info.bmWidth) / 2 + (i == FDownButton ? 1 : 0);
    const int y = (cell.top + cell.bottom - info.bmHeight) / 2 + (i == FDownButton ? 1 : 0);
    // The glyphs stand on magenta, the transparent colour of the program's pictures.
    gdi::DrawTransparent(dc, {x, y, x + info.bmWidth, y + info.bmHeight}, picture, 0xFF00FF);
    DeleteObject(picture);
  }
}

void TWMediaPlayer::WndProc(TMessage& m) {
  auto* player = dynamic_cast<TWinControl*>(player_);
  HWND target = player ? player->HandleIfAllocated() : nullptr;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FPressedButton = ButtonAt(GET_X_LPARAM(m.LParam));
      FDownButton = FPressedButton;
      if (target) SendMessageW(target, m.Msg, m.WParam, m.LParam);
      Invalidate();
      m.Result = 0;
      return;
    case WM_LBUTTONUP: {
      const int over = ButtonAt(GET_X_LPARAM(m.LParam));
      if (target && over >= 0 && over == FPressedButton) SendMessageW(target, m.Msg, m.WParam, m.LParam);
      FPressedButton = -1;
      FDownButton = -1;
      Invalidate();
      m.Result = 0;
      return;
    }
    default: break;
  }
  TCustomPanel::WndProc(m);
}

}  // namespace varnelta
