// Timing program (run by hand under Wine, not a test): one paint of a bit button and of a speed
// button of the gallery's buttons page, skinned and native (skinning switched off on the
// control). Prints the medians; the optional argument is the number of runs (1000). A second
// argument, a number of seconds, keeps both windows on the screen that long afterwards (to look
// at them and take screenshots).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/bit_btn.h"
#include "runtime/form_reader.h"
#include "runtime/speed_button.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"

namespace {

using namespace varnelta;

double MedianMicroseconds(int runs, const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart));
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<std::size_t>(runs / 2)];
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool Skinned(HWND window) {
  TWinSkinForm* frame = TSkinManage::Current()->FindFormSkinner(window);
  return frame && !frame->Controls().empty();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  Application().Initialize();
  TForm1 main(nullptr);
  main.Show();
  std::ifstream in(VARNELTA_GALLERY_DIR "/buttons.txt", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  TForm page(nullptr);
  ReadComponentText(page, text.str());
  page.Show();
  for (int i = 0; i < 500 && !(Skinned(main.Handle()) && Skinned(page.Handle())); ++i) {
    Pump();
    if (i == 50 && !Skinned(page.Handle())) TSkinManage::Current()->SkinWindow(page.Handle());
    Sleep(10);
  }
  Pump();
  auto* bit = dynamic_cast<TBitBtn*>(page.FindComponent("BitLeft"));
  auto* speed = dynamic_cast<TSpeedButton*>(page.FindComponent("SpeedRaised"));
  if (!bit || !speed) {
    std::printf("the buttons page is missing its buttons\n");
    return 1;
  }
  const auto bitPaint = [&] { RedrawWindow(bit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  const RECT area{speed->Left(), speed->Top(), speed->Left() + speed->Width(), speed->Top() + speed->Height()};
  const auto speedPaint = [&] { RedrawWindow(page.Handle(), &area, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  const double bitSkinned = MedianMicroseconds(runs, bitPaint);
  const double speedSkinned = MedianMicroseconds(runs, speedPaint);
  bit->Perform(0x3506, 0);
  speed->Perform(0x3506, 0);
  const double bitNative = MedianMicroseconds(runs, bitPaint);
  const double speedNative = MedianMicroseconds(runs, speedPaint);
  std::printf("paint bit button    skinned %8.1f us   native %8.1f us\n", bitSkinned, bitNative);
  std::printf("paint speed button  skinned %8.1f us   native %8.1f us\n", speedSkinned, speedNative);
  std::fflush(stdout);
  bit->Perform(0x3506, 1);
  speed->Perform(0x3506, 1);
  const DWORD hold = argc > 2 ? static_cast<DWORD>(std::max(0, std::atoi(argv[2]))) * 1000 : 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < hold) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Pump();
  }
  return 0;
}
