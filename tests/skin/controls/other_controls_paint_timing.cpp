// Timing program (run by hand under Wine, not a test): the median paint (RedrawWindow with an
// immediate update) of each skinned control of the gallery's stored pages, grouped by skinner
// class, skinned and with the skinner switched off. The first argument is the folder of the
// pages, the optional second the number of runs (200).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "runtime/application.h"
#include "runtime/form.h"
#include "runtime/form_reader.h"
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

void Paint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME); }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: other_controls_paint_timing PAGES-FOLDER [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
  Application().Initialize();
  TForm1 main(nullptr);
  std::vector<std::wstring> rows = main.SkinData1->Skin3rdRows();
  rows.push_back(L"TTabPictureControl=advpagecontrol");
  main.SkinData1->SetSkin3rdRows(rows);
  main.Show();
  struct Figures {
    std::vector<double> skinned, native;
  };
  std::map<std::string, Figures> byKind;
  for (const char* name : {"choices.txt", "ranges.txt", "lists.txt", "others.txt"}) {
    const std::filesystem::path path = std::filesystem::path(argv[1]) / name;
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    auto page = std::make_unique<TForm>(nullptr);
    ReadComponentText(*page, text);
    page->Show();
    TWinSkinForm* frame = nullptr;
    for (int i = 0; i < 500 && !(frame && !frame->Controls().empty()); ++i) {
      Pump();
      frame = TSkinManage::Current()->FindFormSkinner(page->Handle());
      Sleep(10);
    }
    Pump();
    if (!frame) continue;
    for (const auto& skinner : frame->Controls()) {
      HWND window = skinner->Handle();
      if (!window || !IsWindowVisible(window)) continue;
      Figures& f = byKind[skinner->SkinnerName()];
      f.skinned.push_back(MedianMicroseconds(runs, [&] { Paint(window); }));
      SendMessageW(window, 0x3506, 0, 0);  // the skinner switched off
      f.native.push_back(MedianMicroseconds(runs, [&] { Paint(window); }));
      SendMessageW(window, 0x3506, 1, 0);
    }
    page.reset();
    Pump();
  }
  std::printf("%-18s %8s %12s %12s\n", "skinner", "controls", "skinned us", "native us");
  for (auto& [kind, f] : byKind) {
    auto median = [](std::vector<double> v) {
      std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
      return v[v.size() / 2];
    };
    std::printf("%-18s %8zu %12.0f %12.0f\n", kind.c_str(), f.skinned.size(), median(f.skinned), median(f.native));
  }
  return 0;
}
