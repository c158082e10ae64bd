#include "statusbar/win32/visual_styles.h"

#include <cstring>

namespace varnelta::statusbar {
namespace {

// The status bar class's parts in the visual style.
constexpr int kPartBackground = 0;
constexpr int kPartPane = 1;
constexpr int kPartGripper = 3;

using IsThemeActiveFn = BOOL(WINAPI*)();
using IsAppThemedFn = BOOL(WINAPI*)();
using OpenThemeDataFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFn = HRESULT(WINAPI*)(HANDLE);
using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
using DrawThemeTextFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, LPCWSTR, int, DWORD, DWORD,
                                         const RECT*);

// Entry points looked up by name: the library is absent on older systems.
template <class F>
F Lookup(HMODULE module, const char* name) {
  FARPROC proc = GetProcAddress(module, name);
  F result = nullptr;
  static_assert(sizeof(result) == sizeof(proc));
  std::memcpy(&result, &proc, sizeof(result));
  return result;
}

class SystemStyles final : public IVisualStyles {
 public:
  ~SystemStyles() override {
    CloseTheme();
    if (module_) FreeLibrary(module_);
  }

  bool LibraryAvailable() override { return Load(); }

  bool Active() override {
    if (!Load() || !isThemeActive_ || !isAppThemed_) return false;
    return isThemeActive_() && isAppThemed_();
  }

  bool DrawStatusBackground(HDC dc, const RECT& rect) override {
    return DrawPart(dc, kPartBackground, rect);
  }
  bool DrawStatusPane(HDC dc, const RECT& rect) override { return DrawPart(dc, kPartPane, rect); }
  bool DrawGripper(HDC dc, const RECT& rect) override { return DrawPart(dc, kPartGripper, rect); }

  bool DrawStatusText(HDC dc, const std::wstring& text, const RECT& rect) override {
    HANDLE theme = Theme();
    if (!theme || !drawText_) return false;
    return SUCCEEDED(drawText_(theme, dc, kPartBackground, 0, text.c_str(),
                               static_cast<int>(text.size()),
                               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, 0, &rect));
  }

  void ThemeChanged() override { CloseTheme(); }

 private:
  bool Load() {
    if (!tried_) {
      tried_ = true;
      module_ = LoadLibraryW(L"uxtheme.dll");
      if (module_) {
        isThemeActive_ = Lookup<IsThemeActiveFn>(module_, "IsThemeActive");
        isAppThemed_ = Lookup<IsAppThemedFn>(module_, "IsAppThemed");
        openTheme_ = Lookup<OpenThemeDataFn>(module_, "OpenThemeData");
        closeTheme_ = Lookup<CloseThemeDataFn>(module_, "CloseThemeData");
        drawBackground_ = Lookup<DrawThemeBackgroundFn>(module_, "DrawThemeBackground");
        drawText_ = Lookup<DrawThemeTextFn>(module_, "DrawThemeText");
      }
    }
    return module_ && openTheme_ && closeTheme_ && drawBackground_;
  }

  HANDLE Theme() {
    if (!Active() || !openTheme_) return nullptr;
    if (!theme_) theme_ = openTheme_(nullptr, L"Status");
    return theme_;
  }

  void CloseTheme() {
    if (theme_ && closeTheme_) closeTheme_(theme_);
    theme_ = nullptr;
  }

  bool DrawPart(HDC dc, int part, const RECT& rect) {
    HANDLE theme = Theme();
    if (!theme || !drawBackground_) return false;
    return SUCCEEDED(drawBackground_(theme, dc, part, 0, &rect, nullptr));
  }

  bool tried_ = false;
  HMODULE module_ = nullptr;
  HANDLE theme_ = nullptr;
  IsThemeActiveFn isThemeActive_ = nullptr;
  IsAppThemedFn isAppThemed_ = nullptr;
  OpenThemeDataFn openTheme_ = nullptr;
  CloseThemeDataFn closeTheme_ = nullptr;
  DrawThemeBackgroundFn drawBackground_ = nullptr;
  DrawThemeTextFn drawText_ = nullptr;
};

IVisualStyles* g_override = nullptr;

}  // namespace

IVisualStyles& SystemVisualStyles() {
  static SystemStyles styles;
  return styles;
}

IVisualStyles& VisualStyles() { return g_override ? *g_override : SystemVisualStyles(); }

TScopedVisualStyles::TScopedVisualStyles(IVisualStyles& styles) : previous_(g_override) {
  g_override = &styles;
}

TScopedVisualStyles::~TScopedVisualStyles() { g_override = previous_; }

}  // namespace varnelta::statusbar
