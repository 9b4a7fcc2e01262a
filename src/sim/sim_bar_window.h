// A simulated top-level bar window: its rectangle, z-order and caption, the
// placements made, and a message queue that runs when messages are pumped.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "core/platform/bar_window.h"

namespace olb::sim {

enum class ZState { Normal, Topmost, Bottom };

struct PlacementRecord {
  Rect rect;
  Placement how;
};

class SimBarWindow : public BarWindowOps {
 public:
  // `frame` is the total non-client width and height; the client area is
  // centred inside the window.
  explicit SimBarWindow(const Rect& rect, Size frame = {8, 8});

  Rect WindowRect() override { return rect_; }
  bool IsVisible() override { return visible_; }
  void WaitForNextFrame() override { ++frameWaits_; }
  Rect ClientRectOnScreen() override;
  void Place(const Rect& rect, Placement how) override;
  void SetZOrder(ZOrder order) override;
  void RemoveCaption() override { hasCaption_ = false; }
  Size FrameSize() override { return frame_; }
  void PumpMessages() override;

  // The window procedure's side, as Windows calls it synchronously:
  // WM_WINDOWPOSCHANGING may change the position, WM_WINDOWPOSCHANGED follows.
  std::function<void(int32_t& x, int32_t& y)> onPosChanging;
  std::function<void()> onPosChanged;
  // Delivers the messages other parties queued for the window (the shell's
  // notifications); runs after the window's own posted messages.
  std::function<void()> onPump;

  // A message for the window, run at the next pump.
  void Post(std::function<void()> message) { posted_.push_back(std::move(message)); }
  // A move by someone else (the system's move loop, another program).
  void MoveBySystem(const Rect& rect);

  ZState zstate() const { return zstate_; }
  bool hasCaption() const { return hasCaption_; }
  const std::vector<PlacementRecord>& placements() const { return placements_; }
  void ClearPlacements() { placements_.clear(); }
  int pumpCount() const { return pumps_; }
  void SetVisible(bool visible) { visible_ = visible; }
  int frameWaits() const { return frameWaits_; }

 private:
  void SetPosition(Rect rect);

  Rect rect_;
  Size frame_;
  ZState zstate_ = ZState::Normal;
  bool hasCaption_ = true;
  std::vector<PlacementRecord> placements_;
  std::deque<std::function<void()>> posted_;
  int pumps_ = 0;
  bool visible_ = true;
  int frameWaits_ = 0;
};

}  // namespace olb::sim
