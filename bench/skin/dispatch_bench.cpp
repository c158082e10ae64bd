// Control dispatch figures: the decision for each control of the main window (buttons, memos,
// combo box, labels, status bar and panes) with an extra class map of 118 rows, none of which
// names them, so every decision scans the whole map before the built-in rules run.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "skin/data/control_dispatch.h"

namespace {

using namespace varnelta;

std::vector<std::wstring> ExtraRows() {
  const wchar_t* prefixes[] = {L"TLMD", L"Tcx", L"TRz", L"TWW", L"TOVC"};
  std::vector<std::wstring> rows;
  for (int i = 0; i < 118; ++i) {
    rows.push_back(std::wstring(prefixes[i % 5]) + L"Control" + std::to_wstring(i) + L"=combobox");
  }
  return rows;
}

std::vector<TControlFacts> MainWindowControls() {
  const TControlKinds windowed = KindBit(ckWindowed);
  std::vector<TControlFacts> controls;
  const auto add = [&](const char* cls, TControlKinds kinds, std::uint32_t style) {
    TControlFacts f;
    f.ClassName = cls;
    f.Kinds = kinds;
    f.WindowStyle = style;
    f.LargerThanClient = true;
    controls.push_back(f);
  };
  add("TButton", windowed | KindBit(ckPushButton), 0);
  add("TButton", windowed | KindBit(ckPushButton), 0);
  add("TMemo", windowed | KindBit(ckEdit) | KindBit(ckMemo), kStyleVScroll);
  add("TMemo", windowed | KindBit(ckEdit) | KindBit(ckMemo), kStyleVScroll);
  add("TComboBox", windowed | KindBit(ckComboBox), 0);
  for (int i = 0; i < 4; ++i) add("TLabel", 0, 0);
  add("TRzStatusBar", windowed | KindBit(ckPanel), 0);
  for (int i = 0; i < 3; ++i) add("TRzStatusPane", 0, 0);
  return controls;
}

void DispatchMainWindow(benchmark::State& state) {
  const std::vector<std::wstring> rows = ExtraRows();
  const std::vector<TControlFacts> controls = MainWindowControls();
  TDispatchSwitches switches;
  switches.Skin3rd = rows;
  for (auto _ : state) {
    for (const TControlFacts& control : controls) {
      TControlDecision decision = DecideControl(control, switches);
      benchmark::DoNotOptimize(decision);
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * controls.size()));
}
BENCHMARK(DispatchMainWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
