// The launcher port over ShellExecuteW.
#pragma once

#include <windows.h>

#include "core/platform/launcher.h"

namespace olb::win {

class Win32Launcher : public Launcher {
 public:
  // `appWindow` owns the launches that ask for an owner.
  explicit Win32Launcher(HWND appWindow) : appWindow_(appWindow) {}
  intptr_t ShellOpen(const ShellOpenRequest& request) override;

 private:
  HWND appWindow_;
};

}  // namespace olb::win
