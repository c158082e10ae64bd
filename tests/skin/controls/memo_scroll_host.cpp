// The main window for memo_scroll_input_test.sh: Memo1 with a vertical scroll bar and 100 lines,
// skinned. Writes "bar LEFT TOP RIGHT BOTTOM THUMBTOP THUMBBOTTOM" (screen coordinates of the
// native bar under the overlay) once the overlay is in place, then "line N" each time the first
// visible line of Memo1 changes, with the thumb's screen rows then ("line N TOP BOTTOM"), until the
// given number of seconds has passed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/form1.h"
#include "runtime/application.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"

namespace {

using namespace varnelta;

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 30;
  Application().Initialize();
  TForm1 form(nullptr);
  form.Memo1->SetScrollBars(ssVertical);
  std::vector<std::wstring> lines;
  for (int i = 1; i <= 100; ++i) lines.push_back(L"line " + std::to_wstring(i));
  form.Memo1->SetLines(lines);
  form.Show();
  HWND memo = form.Memo1->Handle();
  TSkinScrollbar* skinner = nullptr;
  for (int i = 0; i < 500 && !(skinner && skinner->VertBar() && skinner->VertBar()->Visible()); ++i) {
    Pump();
    Sleep(10);
    if (TWinSkinForm* frame = TSkinManage::Current()->FindFormSkinner(form.Handle())) {
      for (const auto& s : frame->Controls()) {
        if (s->Handle() == memo) skinner = dynamic_cast<TSkinScrollbar*>(s.get());
      }
    }
  }
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!skinner || !GetScrollBarInfo(memo, OBJID_VSCROLL, &info)) {
    std::printf("no skinned bar\n");
    return 1;
  }
  std::printf("bar %ld %ld %ld %ld %d %d\n", info.rcScrollBar.left, info.rcScrollBar.top, info.rcScrollBar.right,
              info.rcScrollBar.bottom, info.xyThumbTop, info.xyThumbBottom);
  std::fflush(stdout);
  LRESULT shown = SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < seconds * 1000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Pump();
    const LRESULT now = SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0);
    if (now != shown) {
      shown = now;
      GetScrollBarInfo(memo, OBJID_VSCROLL, &info);
      std::printf("line %ld %ld %ld\n", static_cast<long>(now), info.rcScrollBar.top + info.xyThumbTop,
                  info.rcScrollBar.top + info.xyThumbBottom);
      std::fflush(stdout);
    }
  }
  return 0;
}
