// A real bar window in the test process, over a memory registry.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "core/settings/options_store.h"
#include "sim/memory_registry.h"
#include "win32/app/application.h"
#include "win32/bar/bar_window.h"

namespace olb::win {

inline RECT WindowRectOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

inline std::wstring ClassOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

class BarTest : public ::testing::Test {
 protected:
  Application app{GetModuleHandleW(nullptr)};
  sim::MemoryRegistry registry;
  const UINT notify = RegisterWindowMessageW(L"AppBarNotify");
  std::unique_ptr<BarWindow> bar;

  void Store(const BarOptions& o) { WriteOptions(registry, o); }

  // A stored docked record: no auto-hide, so nothing slides out of sight.
  static BarOptions Docked(Edge edge, bool alwaysOnTop = false) {
    BarOptions o = DefaultOptions({100, 100, 200, 400});
    o.Edge = edge;
    o.AutoHide = 0;
    o.AlwaysOnTop = alwaysOnTop ? 1 : 0;
    o.DockSize = {80, 60, 90, 70};
    return o;
  }

  BarWindow& Start() {
    // A bar destroyed earlier in the test left its quit message behind; it
    // would stop every later pump at once.
    bar.reset();
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    bar = std::make_unique<BarWindow>(app.instance(), app.handle(), registry, notify);
    return *bar;
  }

  BarOptions Saved() { return ReadOptions(registry, InitialOptions(), {}).live; }

  // Makes the pointer position of the next handled message (GetMessagePos)
  // be (x, y): a posted message carries the cursor position of its posting.
  static void SetMessagePos(int x, int y) {
    SetCursorPos(x, y);
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_NULL, WM_NULL, PM_REMOVE)) {
    }
  }

  // Lets the window's pending messages (paint, the slide's last step) run.
  static void Pump() { olb::win::ProcessMessages(); }
};

}  // namespace olb::win
