// Timing program (run by hand under Wine, not a test): the median paint (RedrawWindow with an
// immediate update) of each skinned control of the gallery's stored pages, grouped by skinner
// class, skinned and with the skinner switched off, and of the skinned scroll bar overlays
// (windows of their own, painted apart from the control they cover). The first argument is the folder of the
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
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form1.h"
#include "gallery/page_description.h"
#include "runtime/application.h"
#include "runtime/form.h"
#include "runtime/form_reader.h"
#include "runtime/form_text.h"
#include "skin/controls/skin_sc_control.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_scrollbar_h.h"
#include "skin/controls/w_scrollbar.h"
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

// The visible scroll bar overlays a skinner keeps over its control.
std::vector<HWND> Overlays(TSkinControl& skinner) {
  std::vector<TWScrollbar*> bars;
  if (auto* s = dynamic_cast<TSkinScrollbar*>(&skinner)) bars = {s->HorzBar(), s->VertBar()};
  if (auto* s = dynamic_cast<TSkinScrollbarH*>(&skinner)) bars = {s->HorzBar(), s->VertBar()};
  if (auto* s = dynamic_cast<TSkinScControl*>(&skinner)) bars = {s->Bar()};
  std::vector<HWND> windows;
  for (TWScrollbar* bar : bars) {
    if (bar && bar->Visible() && bar->Handle()) windows.push_back(bar->Handle());
  }
  return windows;
}

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
    std::vector<double> skinned, native, overlay;
  };
  std::map<std::string, Figures> byKind;
  for (const char* name : {"choices.txt", "text.txt", "ranges.txt", "lists.txt", "panels.txt", "others.txt"}) {
    const std::filesystem::path path = std::filesystem::path(argv[1]) / name;
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    auto page = std::make_unique<TForm>(nullptr);
    try {
      // As the gallery reads its pages: without what this runtime does not know.
      TFormObject description = ParseFormText(text);
      gallery::FilterPageDescription(description, TForm::StaticClass(), [](std::string_view) { return false; });
      ReadComponent(*page, description);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s: %s\n", name, e.what());
      continue;
    }
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
      for (HWND overlay : Overlays(*skinner)) f.overlay.push_back(MedianMicroseconds(runs, [&] { Paint(overlay); }));
      SendMessageW(window, 0x3506, 0, 0);  // the skinner switched off
      f.native.push_back(MedianMicroseconds(runs, [&] { Paint(window); }));
      SendMessageW(window, 0x3506, 1, 0);
    }
    page.reset();
    Pump();
  }
  std::printf("%-18s %8s %12s %12s %12s\n", "skinner", "controls", "skinned us", "native us", "overlay us");
  for (auto& [kind, f] : byKind) {
    auto median = [](std::vector<double> v) {
      if (v.empty()) return 0.0;
      std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
      return v[v.size() / 2];
    };
    std::printf("%-18s %8zu %12.0f %12.0f %12.0f\n", kind.c_str(), f.skinned.size(), median(f.skinned), median(f.native),
                median(f.overlay));
  }
  return 0;
}
