#include "sim/sim_bar_window.h"

#include "core/settings/dpi_scale.h"

namespace olb::sim {

SimBarWindow::SimBarWindow(const Rect& rect, Size frame) : rect_(rect), frame_(frame) {}

Rect SimBarWindow::ClientRectOnScreen() {
  return rect_.Inflated(-frame_.cx / 2, -frame_.cy / 2);
}

// WM_WINDOWPOSCHANGING, then WM_WINDOWPOSCHANGED, as Windows sends them
// synchronously for every move or size, the window's own or another's.
// Only a placement by someone else is ever declined: the engine's own are
// made while it says so.
void SimBarWindow::SetPosition(Rect rect, bool foreign) {
  // Every placement here moves and sizes (no SWP_NOMOVE or SWP_NOSIZE).
  const EventAnswer a = Send(event::PosChanging{{rect.left, rect.top}, true, true});
  if (a.keepPlace && foreign) return;
  if (a.position) rect = rect.MovedTo(a.position->x, a.position->y);
  rect_ = rect;
  Send(event::PosChanged{});
  const uint32_t dpi = monitorDpi ? monitorDpi(rect_) : dpi_;
  if (dpi == dpi_) return;
  const Rect suggested{rect_.left, rect_.top, rect_.left + ScaleForDpi(rect_.Width(), dpi_, dpi),
                       rect_.top + ScaleForDpi(rect_.Height(), dpi_, dpi)};
  dpi_ = dpi;
  Send(event::DpiChanged{dpi, suggested});
}

void SimBarWindow::Place(const Rect& rect, Placement how) {
  placements_.push_back({rect, how});
  SetPosition(rect, false);
}

void SimBarWindow::Foreign(const Rect& rect) {
  SetPosition(rect, true);
}

void SimBarWindow::HearShell(AppBarManager& shell, int id) {
  shell.AddTopLevelWindow(id);
  onPump = [this, &shell, id] {
    shell.DeliverPending(id, [this](const Notification& n) {
      Send(event::AppBarNotify{n.code, n.lParam});
    });
    shell.DeliverBroadcasts(id, [this](Broadcast b) {
      if (b == Broadcast::TaskbarCreated) {
        Send(event::ShellRestarted{});
      } else {
        Send(event::ScreenChanged{});
      }
    });
  };
}

void SimBarWindow::MoveBySystem(const Rect& rect) {
  Foreign(rect);
}

void SimBarWindow::SnapBySystem(const Rect& rect) {
  Foreign(rect);
}

void SimBarWindow::SetZOrder(ZOrder order) {
  switch (order) {
    case ZOrder::Topmost:
      zstate_ = ZState::Topmost;
      break;
    case ZOrder::NotTopmost:
      // Leaving the topmost band puts the window at the top of the normal
      // band; a window already at the bottom stays in the normal band.
      zstate_ = ZState::Normal;
      break;
    case ZOrder::Bottom:
      // HWND_BOTTOM also takes a topmost window out of the topmost band.
      zstate_ = ZState::Bottom;
      break;
  }
  Send(event::PosChanged{});
}

void SimBarWindow::PumpMessages() {
  ++pumps_;
  // Only what is queued now runs; messages posted meanwhile wait for the
  // next pump, as a single pass over the queue does.
  std::deque<std::function<void()>> now;
  now.swap(posted_);
  for (auto& message : now) message();
  if (onPump) onPump();
}

std::optional<Rect> SnapTarget(Point release, Size screen, const Rect& workArea) {
  const int32_t half = workArea.left + workArea.Width() / 2;
  if (release.y <= 0) return workArea;
  if (release.x <= 0) return Rect{workArea.left, workArea.top, half, workArea.bottom};
  if (release.x >= screen.cx - 1) return Rect{half, workArea.top, workArea.right, workArea.bottom};
  return std::nullopt;
}

}  // namespace olb::sim
