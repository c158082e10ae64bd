// Flicker probe (run by hand under Wine with screenshots taken meanwhile, not a test): the main
// window skinned, then 100 caption changes and 100 hover changes over the close button, each
// given ~40 ms on screen. Prints the title bar's screen rectangle and the system's caption
// colours first, so a screenshot burst can be searched for any frame the system painted.
//   frame_flicker_probe [CHANGES]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/form1.h"
#include "runtime/application.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"

namespace {

void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(2);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace varnelta;
  const int changes = argc > 1 ? _wtoi(argv[1]) : 100;
  Application().Initialize();
  auto form = std::make_unique<TForm1>(nullptr);
  form->Show();
  TSkinManage* manager = TSkinManage::Current();
  const TWinSkinForm* frame = nullptr;
  for (int i = 0; i < 500 && !(frame && frame->HasRegion()); ++i) {
    PumpFor(10);
    frame = manager ? manager->FindFormSkinner(form->Handle()) : nullptr;
  }
  if (!frame) return 1;
  SetForegroundWindow(form->Handle());
  PumpFor(300);
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  std::printf("title %ld %ld %ld %d\n", r.left, r.top, r.right - r.left, frame->Metrics().Title);
  std::printf("system %06lx %06lx %06lx %06lx\n", GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_GRADIENTACTIVECAPTION),
              GetSysColor(COLOR_INACTIVECAPTION), GetSysColor(COLOR_GRADIENTINACTIVECAPTION));
  std::fflush(stdout);
  PumpFor(1000);  // the screenshots start
  // The close button: the rightmost visible title button.
  POINT close{0, 0};
  for (const auto& object : frame->SysButtonObjects().Objects()) {
    if (object.Visible && object.Bounds.Right > close.x) {
      close = {(object.Bounds.Left + object.Bounds.Right) / 2, (object.Bounds.Top + object.Bounds.Bottom) / 2};
    }
  }
  for (int i = 0; i < changes; ++i) {
    const std::wstring caption = (i % 2) ? L"转换 迅雷链接 — Varnelta " + std::to_wstring(i) : L"Varnelta " + std::to_wstring(i);
    SetWindowTextW(form->Handle(), caption.c_str());
    PumpFor(40);
    const POINT at = (i % 2) ? close : POINT{close.x - 200, close.y};
    SendMessageW(form->Handle(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(r.left + at.x, r.top + at.y));
    PumpFor(40);
  }
  std::printf("done\n");
  form.reset();
  DestroySkinManager();
  return 0;
}
