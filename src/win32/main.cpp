// Program entry: one copy per session, no taskbar button, the bar form, then
// the message loop.
#include <windows.h>
#include <ole2.h>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/settings/portable_registry.h"
#include "win32/adapters/win32_registry.h"
#include "win32/adapters/win32_settings_file.h"
#include "win32/app/application.h"
#include "win32/base/error_box.h"
#include "win32/app/single_instance.h"
#include "win32/app/startup.h"
#include "win32/bar/bar_window.h"
#include "win32/wizard/settings_window.h"
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
  // A second copy only hands over to the first: it needs nothing else. The
  // mutex alone decides which copy is first, never a window that another
  // program may have made with the bar's class name.
  const InstanceClaim claim;
  if (!claim.first()) {
    if (!ActivateClaimingInstance(kBarClassName, L"")) {
      MessageBoxW(nullptr, kCopyNotAnsweringText, kAppTitle, MB_OK | MB_ICONINFORMATION);
    }
    return 0;
  }
  OleSession ole;
  const UINT appBarNotify = RegisterWindowMessageW(L"AppBarNotify");

  try {
    Application app(instance);
    app.SetTitle(kAppTitle);
    // A portable copy keeps its settings in a file beside itself.
    const std::optional<std::string> portableFolder = PortableFolder();
    Win32Registry systemRegistry;
    Win32SettingsFile settingsFile(
        portableFolder ? *portableFolder + '\\' + std::string(olb::kPortableSettingsFile) : "");
    olb::PortableRegistry portableRegistry(systemRegistry, settingsFile);
    olb::Registry& registry =
        portableFolder ? static_cast<olb::Registry&>(portableRegistry) : systemRegistry;
    BarWindow bar(instance, app.handle(), registry, appBarNotify);
    app.SetMainForm(bar.hwnd());
    // The settings window is made when first needed (a first start, About),
    // not for the first paint.
    std::unique_ptr<SetupWindow> settingsForm;
    const std::function<SetupWindow&()> setupWindow = [&]() -> SetupWindow& {
      if (!settingsForm) settingsForm = std::make_unique<SetupWindow>(instance, app.handle());
      return *settingsForm;
    };
    bar.showAboutPage = [&setupWindow] { setupWindow().ShowAboutPage(); };
    std::unique_ptr<SettingsWindow> settingsWindow;
    bar.showSettings = [&] {
      if (!settingsWindow)
        settingsWindow = std::make_unique<SettingsWindow>(instance, app.handle());
      settingsWindow->Show(bar.controller());
    };
    // A close from outside is not held up by a window that only informs
    // or asks for settings.
    bar.closeAboutPage = [&settingsForm, &settingsWindow] {
      if (settingsForm) settingsForm->Cancel();
      if (settingsWindow) settingsWindow->Cancel();
    };
    FinishStartup(bar, setupWindow, app.handle(), portableFolder);
    app.Run();
  } catch (const std::exception& e) {
    ShowException(e);
  }
  return 0;
}
