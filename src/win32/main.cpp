// Program entry: one copy per session, no taskbar button, the bar form, then
// the message loop.
#include <windows.h>
#include <ole2.h>

#include <exception>

#include "win32/adapters/win32_registry.h"
#include "win32/app/application.h"
#include "win32/base/error_box.h"
#include "win32/app/single_instance.h"
#include "win32/app/startup.h"
#include "win32/bar/bar_window.h"
#include "win32/wizard/setup_window.h"

namespace {

// OLE is initialised once for the user-interface thread, for the program's life.
struct OleSession {
  OleSession() { OleInitialize(nullptr); }
  ~OleSession() { OleUninitialize(); }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace olb::win;
  OleSession ole;
  const UINT appBarNotify = RegisterWindowMessageW(L"AppBarNotify");

  if (ActivatePrevInstance(kBarClassName, L"")) return 0;
  const InstanceClaim claim;
  if (!claim.first()) {
    ActivateClaimingInstance(kBarClassName, L"");
    return 0;
  }

  try {
    Application app(instance);
    app.SetTitle(kAppTitle);
    Win32Registry registry;
    BarWindow bar(app, registry, appBarNotify);
    app.SetMainForm(bar.hwnd());
    TForm6 form6(instance, app.handle());
    bar.showAboutPage = [&form6] { form6.ShowAboutPage(); };
    FinishStartup(bar, form6, app.handle());
    app.Run();
  } catch (const std::exception& e) {
    ShowException(e);
  }
  return 0;
}
