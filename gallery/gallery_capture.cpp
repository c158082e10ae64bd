#include "gallery/gallery_capture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "gallery/sheet_layout.h"
#include "runtime/dib_section.h"
#include "runtime/handle_count.h"
#include "runtime/utf.h"
#include "skin/controls/skin_control.h"
#include "skin/data/win32/skin_manage.h"
#include "skin/frame/win_skin_form.h"

namespace varnelta::gallery {

namespace {

double Now() {
  LARGE_INTEGER frequency{}, counter{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Collect(TWinControl& parent, const std::string& page, int index, std::vector<TGalleryControl>& out) {
  std::vector<TWinControl*> list;
  parent.GetTabOrderList(list);
  // Hidden ones (the pages behind another page of a page control) show nothing to capture.
  for (TWinControl* control : list) {
    bool shown = true;
    for (TControl* c = control; c && c != &parent; c = c->Parent()) shown = shown && c->Visible();
    if (shown) out.push_back({page, index, control});
  }
}

void ShowPageOf(TGalleryForm& form, const TGalleryControl& entry) {
  if (entry.PageIndex >= 0 && form.Tabs().ActivePageIndex() != entry.PageIndex) {
    form.Tabs().SetActivePageIndex(entry.PageIndex);
    PumpFor(30);
  }
}

LPARAM ClientPoint(int x, int y) {
  return static_cast<LPARAM>(static_cast<std::uint16_t>(x)) |
         (static_cast<LPARAM>(static_cast<std::uint16_t>(y)) << 16);
}

// The cursor leaves every control: over the window's own label, then off the window.
void MouseAway(TGalleryForm& form) {
  RECT r;
  GetWindowRect(form.Handle(), &r);
  SetCursorPos(r.right + 40, r.bottom + 40);
  PumpFor(10);
}

void Capture(HWND window, HDC target, const TRect& cell) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(15);
  HDC source = GetWindowDC(window);
  BitBlt(target, cell.Left, cell.Top, cell.Width(), cell.Height(), source, 0, 0, SRCCOPY);
  ReleaseDC(window, source);
}

void Text(HDC dc, const TRect& at, const std::wstring& text, UINT flags = DT_LEFT) {
  RECT r{at.Left, at.Top, at.Right, at.Bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// A press on some controls (scroll bars, a size grip, a menu button's menu) runs a modal loop
// that waits for the button to come up. A thread timer, which such loops still dispatch, takes
// the pressed picture from inside the loop and then lets the button go.
struct TPressInLoop {
  HWND Window = nullptr;
  HDC Target = nullptr;
  TRect Cell{};
  bool Captured = false;
};
TPressInLoop g_press;

void CALLBACK EndPressLoop(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!g_press.Captured) {
    Capture(g_press.Window, g_press.Target, g_press.Cell);
    g_press.Captured = true;
  }
  EndMenu();
  PostMessageW(g_press.Window, WM_LBUTTONUP, 0, ClientPoint(-30000, -30000));
}

}  // namespace

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (GetTickCount() - start >= ms) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

bool WaitForSkin(TGalleryForm& form, DWORD limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpFor(10);
    TSkinManage* manager = TSkinManage::Current();
    const bool framed = manager && manager->FindFormSkinner(form.Handle()) != nullptr;
    const bool settled = !manager || !manager->TimerRunning();
    if (settled && framed == form.Skins().Skinned()) {
      PumpFor(50);
      return true;
    }
    if (GetTickCount() - start > limitMs) return false;
  }
}

std::vector<TGalleryControl> GalleryControls(TGalleryForm& form) {
  std::vector<TGalleryControl> out;
  for (std::size_t i = 0; i < form.Pages().size(); ++i) {
    Collect(*form.Pages()[i].Sheet, form.Pages()[i].Name, static_cast<int>(i), out);
  }
  out.push_back({"Window", -1, form.MessageButton});
  return out;
}

namespace {

// The path of sheet `index` of a contact sheet: the given path for the first, then "-2", "-3"
// ... before the extension.
std::wstring SheetPath(const std::wstring& path, std::size_t index) {
  if (index == 0) return path;
  const std::size_t slash = path.find_last_of(L"\\/");
  std::size_t dot = path.find_last_of(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) dot = path.size();
  return path.substr(0, dot) + L"-" + std::to_wstring(index + 1) + path.substr(dot);
}

bool WriteBitmapFile(const TDibSection& sheet, const std::wstring& path, std::wstring& error) {
  TBitmap picture = sheet.ToBitmap();
  picture.MakeOpaque();
  const std::vector<std::uint8_t> bytes = picture.SaveToBytes();
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool ok = file != INVALID_HANDLE_VALUE &&
                  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (!ok) error = L"cannot write " + path;
  return ok;
}

// Visits the controls [from, to) in their four states and draws them onto one sheet.
bool WriteSheet(TGalleryForm& form, const std::vector<TGalleryControl>& controls, const std::vector<TPoint>& sizes,
                std::size_t from, std::size_t to, const TSheetMetrics& metrics, const std::wstring& title,
                const std::wstring& path, std::wstring& error, TPoint& size) {
  const std::vector<TPoint> mine(sizes.begin() + static_cast<std::ptrdiff_t>(from),
                                 sizes.begin() + static_cast<std::ptrdiff_t>(to));
  const TSheetLayout layout = LayOutSheet(mine, metrics);
  TDibSection sheet(layout.Width, layout.Height);
  if (sheet.Empty()) {
    error = L"the sheet is too large";
    return false;
  }
  const int dpi = Screen().PixelsPerInch();
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, sheet.Handle());
  HFONT font = CreateFontW(-MulDiv(12, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HGDIOBJ oldFont = SelectObject(dc, font);
  RECT all{0, 0, layout.Width, layout.Height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  Text(dc, layout.Title, title);
  for (std::size_t s = 0; s < kSheetStates.size(); ++s) {
    Text(dc, layout.StateHeaders[s], Utf8ToWide(kSheetStates[s]).value_or(L""), DT_CENTER);
  }

  for (std::size_t row = 0; row < mine.size(); ++row) {
    const std::size_t i = from + row;
    const TGalleryControl& entry = controls[i];
    ShowPageOf(form, entry);
    TWinControl& control = *entry.Control;
    HWND window = control.Handle();
    const std::wstring label = Utf8ToWide(entry.Page + ": " + control.Name() + " (" + control.ClassName() + ")").value_or(L"?");
    Text(dc, layout.Labels[row], label);
    const auto& cells = layout.Cells[row];
    RECT bounds;
    GetWindowRect(window, &bounds);
    // Points inside the control: its client centre.
    RECT client;
    GetClientRect(window, &client);
    const int cx = client.right / 2;
    const int cy = client.bottom / 2;
    POINT screen{cx, cy};
    ClientToScreen(window, &screen);

    if (std::getenv("VARNELTA_GALLERY_TRACE")) std::fprintf(stderr, "%s\n", control.Name().c_str());
    // Normal.
    MouseAway(form);
    Capture(window, dc, cells[0]);
    // Hot: the cursor over it and a mouse move.
    SetCursorPos(screen.x, screen.y);
    SendMessageW(window, WM_MOUSEMOVE, 0, ClientPoint(cx, cy));
    PumpFor(20);
    Capture(window, dc, cells[1]);
    // Pressed: the left button held down on it. The press must not end in a click (a message
    // box would wait for the user), so the control's click event is set aside meanwhile.
    const TNotifyEvent onClick = control.OnClick;
    control.OnClick = {};
    g_press = {window, dc, cells[2], false};
    const UINT_PTR pressTimer = SetTimer(nullptr, 0, 150, &EndPressLoop);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(cx, cy));
    PumpFor(20);
    KillTimer(nullptr, pressTimer);
    if (!g_press.Captured) Capture(window, dc, cells[2]);
    // Let go: capture taken away first, then the button released far outside; whatever the
    // press opened is closed.
    if (GetCapture()) ReleaseCapture();
    SendMessageW(window, WM_CANCELMODE, 0, 0);
    SendMessageW(window, WM_LBUTTONUP, 0, ClientPoint(-30000, -30000));
    SendMessageW(window, CB_SHOWDROPDOWN, FALSE, 0);
    PumpFor(10);
    control.OnClick = onClick;
    MouseAway(form);
    // Disabled.
    const bool enabled = control.Enabled();
    control.SetEnabled(false);
    PumpFor(20);
    Capture(window, dc, cells[3]);
    control.SetEnabled(enabled);
    PumpFor(10);
  }
  GdiFlush();
  size = {layout.Width, layout.Height};
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  return WriteBitmapFile(sheet, path, error);
}

}  // namespace

bool WriteContactSheet(TGalleryForm& form, const std::wstring& path, std::wstring& error,
                       TSheetReport* report) {
  const std::vector<TGalleryControl> controls = GalleryControls(form);
  std::vector<TPoint> sizes;
  for (const TGalleryControl& entry : controls) {
    // A page that was never shown has no size yet, nor have the controls aligned to it.
    ShowPageOf(form, entry);
    RECT r;
    GetWindowRect(entry.Control->Handle(), &r);
    sizes.push_back({r.right - r.left, r.bottom - r.top});
    if (report && (r.right <= r.left || r.bottom <= r.top)) {
      report->Empty.push_back(entry.Page + ": " + entry.Control->Name());
    }
  }
  const int dpi = Screen().PixelsPerInch();
  TSheetMetrics metrics;
  metrics.LabelWidth = MulDiv(metrics.LabelWidth, dpi, 96);
  metrics.LineHeight = MulDiv(metrics.LineHeight, dpi, 96);
  metrics.MaxCellWidth = MulDiv(metrics.MaxCellWidth, dpi, 96);
  metrics.MaxCellHeight = MulDiv(metrics.MaxCellHeight, dpi, 96);
  // At high DPI the controls may need more pixels than one bitmap may have: then they go on
  // as many sheets as it takes, in order.
  std::vector<std::size_t> starts = SplitSheets(sizes, metrics, TBitmap::kMaxPixels);
  starts.push_back(controls.size());
  const std::size_t count = starts.size() - 1;
  std::wstring title = L"Varnelta Gallery - " + form.Skins().Description() + L" - " + std::to_wstring(dpi) + L" DPI";
  for (std::size_t k = 0; k < count; ++k) {
    const std::wstring part = count > 1 ? L" - " + std::to_wstring(k + 1) + L" of " + std::to_wstring(count) : L"";
    TSheetFile file{SheetPath(path, k), {}};
    if (!WriteSheet(form, controls, sizes, starts[k], starts[k + 1], metrics, title + part, file.Path, error,
                    file.Size)) {
      return false;
    }
    if (report) report->Files.push_back(file);
  }
  return true;
}

std::string BenchReport(TGalleryForm& form) {
  std::string out;
  char line[256];
  TSkinManage* manager = TSkinManage::Current();
  HWND window = form.Handle();
  const int rounds = 5;

  // Skinning the window: the deferred skin-all action run at once, after switching off.
  std::vector<double> skinTimes;
  if (manager && form.Skins().Skinned()) {
    for (int i = 0; i < rounds; ++i) {
      form.Command(kCmdNoSkin);
      WaitForSkin(form);
      form.Skins().UseStored();
      form.SkinChanged();
      const bool before = manager->FindFormSkinner(window) != nullptr;
      const double t0 = Now();
      manager->RunPendingAction();
      const double t1 = Now();
      // Only a run that skinned the window counts.
      if (!before && manager->FindFormSkinner(window) != nullptr) skinTimes.push_back(t1 - t0);
      WaitForSkin(form);
    }
    TWinSkinForm* frame = manager->FindFormSkinner(window);
    std::snprintf(line, sizeof line, "skin window: %.2f ms median of %zu (%zu control skinners)\n", Median(skinTimes),
                  skinTimes.size(), frame ? frame->Controls().size() : std::size_t{0});
    out += line;
  } else {
    out += "skin window: unskinned\n";
  }

  // A full repaint of each page, and the handles alive with it shown.
  const auto controls = GalleryControls(form);
  for (std::size_t page = 0; page < form.Pages().size(); ++page) {
    form.Tabs().SetActivePageIndex(static_cast<int>(page));
    PumpFor(30);
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
      const double t0 = Now();
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      times.push_back(Now() - t0);
    }
    std::size_t windows = 0;
    for (const auto& entry : controls) windows += entry.PageIndex == static_cast<int>(page);
    std::snprintf(line, sizeof line, "repaint %s: %.2f ms median of %d (%zu controls)\n", form.Pages()[page].Name.c_str(),
                  Median(times), rounds, windows);
    out += line;
    out += "handles ";
    out += form.Pages()[page].Name;
    out += ':';
    for (int kind = 0; kind < static_cast<int>(THandleKind::Count); ++kind) {
      std::snprintf(line, sizeof line, " %s=%ld", kHandleKindNames[kind],
                    HandleCounter::Live(static_cast<THandleKind>(kind)));
      out += line;
    }
    out += '\n';
  }

  // The median paint of each skinner kind, every skinner painted on its own page.
  if (TWinSkinForm* frame = manager ? manager->FindFormSkinner(window) : nullptr) {
    std::map<std::string, std::vector<double>> byKind;
    for (const auto& entry : controls) {
      HWND handle = entry.Control->HandleIfAllocated();
      for (const auto& skinner : frame->Controls()) {
        if (skinner->Handle() != handle) continue;
        ShowPageOf(form, entry);
        for (int i = 0; i < rounds; ++i) {
          const double t0 = Now();
          RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
          byKind[skinner->SkinnerName()].push_back(Now() - t0);
        }
      }
    }
    for (const auto& [kind, times] : byKind) {
      std::snprintf(line, sizeof line, "paint %s: %.3f ms median of %zu\n", kind.c_str(), Median(times), times.size());
      out += line;
    }
  }
  return out;
}

}  // namespace varnelta::gallery
