// A simulated top-level bar window: its rectangle, z-order and caption, the
// placements made, and a message queue that runs when messages are pumped.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "core/docking/window_event.h"
#include "core/platform/bar_placement.h"
#include "sim/app_bar_manager.h"

namespace olb::sim {

enum class ZState { Normal, Topmost, Bottom };

struct PlacementRecord {
  Rect rect;
  Placement how;
};

class SimBarWindow : public BarPlacement {
 public:
  // `frame` is the total non-client width and height; the client area is
  // centred inside the window.
  explicit SimBarWindow(const Rect& rect, Size frame = {8, 8});

  // The visible frame; the port's rectangles are visible frames.
  Rect WindowRect() override { return rect_; }
  bool IsVisible() override { return visible_; }
  void WaitForNextFrame() override { ++frameWaits_; }
  Rect ClientRectOnScreen() override;
  void Place(const Rect& rect, Placement how) override;
  void SetZOrder(ZOrder order) override;
  void RemoveCaption() override { hasCaption_ = false; }
  Size FrameSize() override { return frame_; }
  uint32_t Dpi() override { return dpi_; }
  // The monitor's DPI: 144 at 150%, 192 at 200%.
  void SetDpi(uint32_t dpi) { dpi_ = dpi; }
  void PumpMessages() override;

  // The window procedure: every event the window hears goes to it (the
  // controller's OnEvent, or the docking engine's for a bare engine).
  std::function<EventAnswer(const WindowEvent&)> handler;
  // Hands `event` to the handler, as the window procedure does.
  EventAnswer Send(const WindowEvent& event) { return handler ? handler(event) : EventAnswer{}; }
  // The window hears the shell's messages for window `id`: each pump
  // delivers its AppBar notifications and the system's broadcasts (shell
  // restarted, display or work area changed) as events.
  void HearShell(AppBarManager& shell, int id);
  // Runs after the window's own posted messages at each pump; HearShell
  // sets it to deliver the shell's messages.
  std::function<void()> onPump;

  // Per-monitor DPI awareness: once a move leaves the window mostly on a
  // monitor whose DPI (`monitorDpi` of its new rectangle) differs from its
  // own, the window takes that DPI and hears WM_DPICHANGED with the new DPI
  // and the system's suggested rectangle, "the size and position of the
  // current window scaled for the new DPI": here its top-left corner kept
  // and its size scaled. Unset, the window keeps the DPI given by SetDpi.
  std::function<uint32_t(const Rect&)> monitorDpi;

  // A message for the window, run at the next pump.
  void Post(std::function<void()> message) { posted_.push_back(std::move(message)); }
  // A move by someone else (the system's move loop, another program).
  void MoveBySystem(const Rect& rect);
  // The system's snap of a window the user dragged to a screen edge.
  void SnapBySystem(const Rect& rect);

  // Windows 10 and later draw a sizeable window's resize border invisibly
  // outside its visible frame: GetWindowRect reports the frame grown by
  // these insets (left, top, right, bottom), DwmGetWindowAttribute with
  // DWMWA_EXTENDED_FRAME_BOUNDS the visible frame itself.
  void SetInvisibleBorders(const Rect& insets) { invisible_ = insets; }
  // What GetWindowRect reports.
  Rect OuterRect() const {
    return {rect_.left - invisible_.left, rect_.top - invisible_.top,
            rect_.right + invisible_.right, rect_.bottom + invisible_.bottom};
  }

  ZState zstate() const { return zstate_; }
  bool hasCaption() const { return hasCaption_; }
  const std::vector<PlacementRecord>& placements() const { return placements_; }
  void ClearPlacements() { placements_.clear(); }
  int pumpCount() const { return pumps_; }
  void SetVisible(bool visible) { visible_ = visible; }
  int frameWaits() const { return frameWaits_; }

 private:
  void SetPosition(Rect rect, bool foreign);
  void Foreign(const Rect& rect);

  Rect rect_;
  Size frame_;
  Rect invisible_{};
  uint32_t dpi_ = 96;
  ZState zstate_ = ZState::Normal;
  bool hasCaption_ = true;
  std::vector<PlacementRecord> placements_;
  std::deque<std::function<void()>> posted_;
  int pumps_ = 0;
  bool visible_ = true;
  int frameWaits_ = 0;
};

// Windows' snap: a window dragged by its caption until the pointer touches
// the left or right screen edge is sized to that half of the work area, one
// dragged to the top edge is maximised to the work area. `release` is where
// the pointer let go; no snap elsewhere.
std::optional<Rect> SnapTarget(Point release, Size screen, const Rect& workArea);

}  // namespace olb::sim
