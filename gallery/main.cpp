// varnelta-gallery: shows every control kind the skin engine skins, on pages read from stored
// form descriptions, with the stored skin, the dark skin or any skin file.
//
//   varnelta-gallery [SKINFILE] [--page NAME] [--sheet OUT.bmp] [--bench]
//
// A missing or damaged SKINFILE leaves the gallery unskinned (its caption says why); the exit
// code is 0 all the same. --sheet writes a contact sheet of every control in four states and
// ends; --bench prints timing figures and ends.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "gallery/gallery_args.h"
#include "gallery/gallery_capture.h"
#include "gallery/gallery_form.h"
#include "runtime/application.h"
#include "runtime/utf.h"
#include "skin/data/skin_host.h"

namespace {

using namespace varnelta;
using namespace varnelta::gallery;

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

void PrintError(const std::wstring& text) {
  const std::string bytes = WideToUtf8(text) + "\n";
  std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  std::fflush(stderr);
}

std::vector<std::wstring> Arguments() {
  int count = 0;
  wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) args.emplace_back(list[i]);
  LocalFree(list);
  return args;
}

int Run() {
  std::wstring error;
  const auto args = ParseGalleryArgs(Arguments(), error);
  if (!args) {
    PrintError(error + L"\n" + kGalleryUsage);
    return 2;
  }
  TApplication& app = Application();
  app.Initialize();
  app.SetMainFormOnTaskBar(true);
  app.SetTitle(L"Varnelta Gallery");
  auto* form = app.CreateForm<TGalleryForm>();
  form->StartSkin(args->SkinFile);
  if (!args->Page.empty() && !form->ShowPage(WideToUtf8(args->Page))) {
    PrintError(L"no page " + args->Page);
  }
  int status = 0;
  if (!args->Sheet.empty() || args->Bench) {
    form->SetVisible(true);
    SetForegroundWindow(form->Handle());
    WaitForSkin(*form);
    Print("caption: " + WideToUtf8(form->GetText()) + "\n");
    std::string pages;
    for (const auto& page : form->Pages()) pages += " " + page.Name;
    Print("pages:" + pages + "\n");
    for (const auto& page : form->Pages()) {
      if (page.Skipped.SkippedObjects.empty()) continue;
      std::string skipped;
      for (const std::string& object : page.Skipped.SkippedObjects) skipped += " " + object + ";";
      Print("skipped on " + page.Name + ":" + skipped + "\n");
    }
    if (args->Bench) Print(BenchReport(*form));
    if (!args->Sheet.empty()) {
      TSheetReport report;
      if (WriteContactSheet(*form, args->Sheet, error, &report)) {
        for (const TSheetFile& sheet : report.Files) {
          Print("sheet: " + WideToUtf8(sheet.Path) + " " + std::to_string(sheet.Size.X) + "x" +
                std::to_string(sheet.Size.Y) + "\n");
        }
        for (const std::string& empty : report.Empty) Print("nothing to capture: " + empty + "\n");
      } else {
        PrintError(error);
        status = 1;
      }
    }
  } else {
    app.Run();
  }
  app.DestroyForms();
  // The skin manager outlives every skin component.
  DestroySkinManager();
  return status;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    return Run();
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), "Varnelta Gallery", MB_OK | MB_ICONERROR);
    return 1;
  }
}
