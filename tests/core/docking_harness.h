// A bar window whose events go to the docking engine's entry, as the
// controller hands them on, on a simulated desktop shared by any number of
// bars.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "core/docking/docking_engine.h"
#include "core/settings/bar_options.h"
#include "core/settings/options_store.h"
#include "sim/app_bar_manager.h"
#include "sim/memory_registry.h"
#include "sim/recording_docking_host.h"
#include "sim/sim_bar_window.h"
#include "sim/sim_desktop.h"

namespace olb::testing {

// The bar form's designed rectangle.
inline constexpr Rect kDesignedRect{277, 204, 377, 549};

struct DockWorld {
  sim::AppBarManager shell;  // 1024 x 768, no taskbar until placed
  sim::SimDesktop desktop{shell};
};

inline BarOptions Record(Edge edge, uint32_t autoHide, uint32_t alwaysOnTop,
                         std::array<uint32_t, 4> dockSize = {100, 100, 100, 100},
                         Rect floatRect = {300, 200, 400, 600}) {
  BarOptions o;
  o.Edge = edge;
  o.AutoHide = autoHide;
  o.AlwaysOnTop = alwaysOnTop;
  o.DockSize = dockSize;
  o.FloatRect = floatRect;
  return o;
}

class TestBar {
 public:
  TestBar(DockWorld& world, int id, const Rect& rect = kDesignedRect)
      : world_(world),
        connection(world.shell, id),
        window(rect),
        engine(options, connection, window, ui, world.desktop, registry) {
    window.handler = [this](const WindowEvent& e) { return engine.OnEvent(e); };
    window.HearShell(world.shell, id);
  }

  // The creation handler's order: register, then load (and apply) the record.
  void Start(const std::optional<BarOptions>& stored) {
    if (stored) WriteOptions(registry, *stored);
    engine.Register();
    engine.LoadOptions();
  }

  // The record on disk, if a whole one was written.
  std::optional<BarOptions> Saved() {
    const auto value = registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName);
    if (!value || value->data.size() != kBarOptionsBytes) return std::nullopt;
    BarOptionsBytes bytes{};
    std::copy(value->data.begin(), value->data.end(), bytes.begin());
    return DecodeOptions(bytes);
  }

  std::vector<sim::AppBarMessage> Sent() const {
    return world_.shell.MessagesOf(connection.window());
  }

  Rect rect() { return window.WindowRect(); }
  sim::SimDesktop& desktop() { return world_.desktop; }

 private:
  DockWorld& world_;

 public:
  BarOptions options = InitialOptions();
  sim::ShellConnection connection;
  sim::SimBarWindow window;
  sim::RecordingDockingHost ui;
  sim::MemoryRegistry registry;
  DockingEngine engine;
};

// One bar on a 1024 x 768 screen whose taskbar, 30 pixels high, sits at the
// bottom: the world most docking tests start from.
class BarAboveTaskbar : public ::testing::Test {
 protected:
  BarAboveTaskbar() { world.shell.PlaceTaskbar(Edge::Bottom, 30); }
  DockWorld world;
  TestBar bar{world, 1};
};

// How the window follows the drag rectangle during a move loop.
enum class Follow {
  Whole,         // position and size (Windows with full-window drag)
  PositionOnly,  // position only, keeping the window's size (Wine)
};

// How the move loop ends.
enum class Release {
  Button,        // the button is let go
  Escape,        // Esc: the system puts the window back where the loop began
  ButtonSnapped  // the button is let go and the system snaps the window
};

// The system's move loop: each pointer step moves the last drag rectangle
// (as WM_MOVING left it) by the pointer's travel, and the window follows.
inline void DragAlong(TestBar& bar, Point from, const std::vector<Point>& path,
                      Follow follow = Follow::Whole, Release release = Release::Button) {
  const Rect origin = bar.rect();
  Rect drag = origin;
  bar.window.Send(event::EnterSizeMove{});
  for (Point p : path) {
    drag = drag.MovedTo(drag.left + p.x - from.x, drag.top + p.y - from.y);
    from = p;
    drag = bar.window.Send(event::Moving{drag, p}).drag.value_or(drag);
    const Rect now = bar.rect();
    bar.window.MoveBySystem(follow == Follow::Whole ? drag : now.MovedTo(drag.left, drag.top));
  }
  // WM_EXITSIZEMOVE comes first; the restore after Esc, or the snap, follow.
  sim::SimDesktop& desktop = bar.desktop();
  desktop.SetEscape(release == Release::Escape);
  bar.window.Send(event::ExitSizeMove{});
  desktop.SetEscape(false);
  if (release == Release::Escape) bar.window.MoveBySystem(origin);
  if (release == Release::ButtonSnapped && !path.empty()) {
    const auto snap = sim::SnapTarget(path.back(), desktop.ScreenSize(), desktop.WorkArea());
    if (snap) bar.window.SnapBySystem(*snap);
  }
}

}  // namespace olb::testing
