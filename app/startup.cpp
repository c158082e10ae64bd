#include "app/startup.h"

#include <windows.h>

#include "app/form1.h"
#include "runtime/application.h"
#include "skin/data/skin_host.h"

namespace varnelta {

int RunProgram() {
  TApplication& app = Application();
  if (HWND running = FindWindowW(kMainWindowClass, nullptr)) {
    // No window of this copy exists: the box has no owner; its caption is the default title.
    MessageBoxW(nullptr, L"程序已经在运行！ ", TApplication::DefaultTitle().c_str(), MB_OK);
    PostMessageW(running, kBringToFrontMessage, 0, 0);
    return 0;
  }
  app.Initialize();
  app.SetMainFormOnTaskBar(true);
  app.SetTitle(L"Varnelta");
  app.CreateForm<TForm1>();
  app.Run();
  app.DestroyForms();
  // The skin manager outlives every skin component.
  DestroySkinManager();
  return 0;
}

}  // namespace varnelta
