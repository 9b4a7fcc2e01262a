// The docking events the bar window hears, after the window's default
// handling.
#include "core/docking/dock_geometry.h"
#include "core/docking/docking_engine.h"
#include "core/platform/window_codes.h"
#include "core/settings/placement.h"

namespace olb {

EventAnswer DockingEngine::OnEvent(const WindowEvent& event) {
  using Answer = EventAnswer;
  struct Visitor {
    DockingEngine& e;
    Answer operator()(const event::AppBarNotify& n) {
      e.OnAppBarNotify(n.code, n.lParam);
      return Answer::Handled();
    }
    Answer operator()(const event::ShellRestarted&) {
      e.OnShellRestarted();
      return Answer::Handled();
    }
    Answer operator()(const event::ScreenChanged&) {
      e.OnScreenChanged();
      return Answer::Handled();
    }
    Answer operator()(const event::DpiChanged& d) {
      e.OnDpiChanged(d.dpi, d.suggested);
      return Answer::Handled();
    }
    Answer operator()(const event::PosChanging& p) {
      Answer a = Answer::Handled();
      // The system snapping or maximising a docked bar: it keeps its place.
      if ((p.moves || p.sizes) && e.DeclinesPlacement()) {
        a.keepPlace = true;
      } else if (p.moves) {
        int32_t x = p.position.x, y = p.position.y;
        e.OnWindowPosChanging(x, y);
        a.position = Point{x, y};
      }
      return a;
    }
    Answer operator()(const event::PosChanged&) {
      e.OnWindowPosChanged();
      return Answer::Handled();
    }
    Answer operator()(const event::EnterSizeMove&) {
      e.OnEnterSizeMove();
      return Answer::Handled();
    }
    Answer operator()(const event::ExitSizeMove&) {
      e.OnExitSizeMove();
      return Answer::Handled();
    }
    Answer operator()(const event::Moving& m) {
      Answer a = Answer::Handled(1);
      Rect drag = m.drag;
      e.OnMoving(drag, m.pointer);
      a.drag = drag;
      return a;
    }
    Answer operator()(const event::Sizing& s) {
      Answer a = Answer::Handled(1);
      Rect drag = s.drag;
      e.OnSizing(s.side, drag);
      a.drag = drag;
      return a;
    }
    Answer operator()(const event::NcMouseMove&) {
      e.OnNcMouseMove();
      return Answer::Handled();
    }
    Answer operator()(const event::HitTest& h) {
      return Answer::Handled(e.OnNcHitTest(h.standard, h.screen));
    }
    // The bar's own events are the controller's.
    Answer operator()(const event::Activated&) { return {}; }
    Answer operator()(const event::Deactivated&) { return {}; }
    Answer operator()(const event::SystemCommand&) { return {}; }
    Answer operator()(const event::Timer&) { return {}; }
    Answer operator()(const event::DragOver&) { return {}; }
    Answer operator()(const event::DragLeft&) { return {}; }
  };
  return std::visit(Visitor{*this}, event);
}

void DockingEngine::OnAppBarNotify(uint32_t code, intptr_t lParam) {
  switch (static_cast<AppBarNotification>(code)) {
    case AppBarNotification::StateChange: {
      const uint32_t before = state_.TaskbarState;
      state_.TaskbarState = shell_.GetState();
      const uint32_t watched = kTaskbarAutoHide | kTaskbarAlwaysOnTop;
      TaskbarStateChanged((before ^ state_.TaskbarState) & watched, state_.TaskbarState);
      break;
    }
    case AppBarNotification::PosChanged:
      TaskbarPosChanged();
      break;
    case AppBarNotification::FullScreenApp: {
      // The shell tells every bar; a full-screen program on another monitor
      // leaves this one as it is.
      const bool open = lParam != 0 && ForegroundOnOwnMonitor();
      if (!state_.MenuActive) {
        FullScreenAppChanged(open);
      } else {
        // Re-applying the edge would disturb the open menu; remember the
        // state and settle it in MenuClosed.
        if (!fullScreenBeforeMenu_) fullScreenBeforeMenu_ = state_.FullScreenAppOpen;
        state_.FullScreenAppOpen = open;
      }
      break;
    }
    case AppBarNotification::WindowArrange:
      WindowArrange(lParam != 0);
      break;
  }
}

void DockingEngine::OnWindowPosChanging(int32_t& x, int32_t& y) {
  if (!state_.InApplyEdge) return;
  const int32_t pinned = state_.PinnedCoord;
  if (options_.Edge == Edge::Left || options_.Edge == Edge::Right) {
    if (x != pinned && x != 0) x = pinned;
  } else if (options_.Edge == Edge::Top || options_.Edge == Edge::Bottom) {
    if (y != pinned && y != 0) y = pinned;
  }
}

void DockingEngine::OnWindowPosChanged() {
  shell_.WindowPosChanged();
}

void DockingEngine::OnSizing(int side, Rect& drag) {
  drag = SnapSizingRect(drag, side, window_.FrameSize(), state_.SizeInc);
  ui_.LayoutBar();
}

void DockingEngine::OnEnterSizeMove() {
  state_.ProposedEdge = CurrentEdge();
  proposedMonitor_ = monitor_;
  state_.InSizeMove = true;
  moveStart_ = {options_.Edge, window_.WindowRect()};
  moveOutline_.reset();
}

void DockingEngine::OnMoving(Rect& drag, Point p) {
  const Edge proposal = ProposeEdge(p);
  if (proposal != state_.ProposedEdge) ui_.ScrollListToTop();
  if (state_.ProposedEdge != Edge::Float && proposal == Edge::Float) {
    // Leaving the docking zones: the outline takes the floating size,
    // centred under the pointer with its top at the pointer.
    const Rect floating = PlacedFloatRect();
    drag = floating.MovedTo(p.x - floating.Width() / 2, p.y);
  }
  state_.ProposedEdge = proposal;
  ComputeDockRect(proposal, drag);
  moveOutline_ = drag;
  EdgeChanged(true, proposal);
}

void DockingEngine::OnExitSizeMove() {
  // Without a matching WM_ENTERSIZEMOVE there is no proposal: stay put
  // rather than take "no edge" for unregistering.
  const Edge proposal = state_.ProposedEdge == Edge::None ? options_.Edge : state_.ProposedEdge;
  const std::optional<MonitorInfo> proposedMonitor = proposedMonitor_;
  proposedMonitor_.reset();
  state_.ProposedEdge = Edge::None;
  state_.InSizeMove = false;
  if (desktop_.EscapeKeyDown() && moveStart_.edge != Edge::None) {
    // Esc cancelled the loop: back to the edge and rectangle it began with;
    // nothing is stored.
    moveOutline_.reset();
    ApplyEdge(moveStart_.edge);
    if (moveStart_.edge == Edge::Float && window_.WindowRect() != moveStart_.rect) {
      PlaceWindow(moveStart_.rect, Placement::Plain);
    }
    return;
  }
  const Rect rc = window_.WindowRect();
  if (CurrentEdge() == proposal && IsDocked(proposal)) {
    ReadBackThickness(proposal, IsHorizontal(proposal) ? rc.Height() : rc.Width());
  }
  // A move ends where its last outline was. The window normally stands
  // there already; some window managers (Wine's) move it only to the
  // outline's position and keep its old size, which must not become the
  // floating size.
  const Rect floatPixels = moveOutline_.value_or(rc);
  if (proposal == Edge::Float) ReadBackFloatRect(floatPixels);
  moveOutline_.reset();
  // The monitor the move ended on is the bar's from now on: a docked bar's
  // is the one the pointer was on, a floating bar's the one it stands on.
  if (proposal == Edge::Float) {
    const std::vector<MonitorInfo> monitors = desktop_.Monitors();
    if (!monitors.empty()) monitor_ = monitors[MonitorOfRect(monitors, floatPixels)];
  } else if (proposedMonitor) {
    monitor_ = *proposedMonitor;
  }
  if (IsStorable(proposal)) wanted_ = MonitorPlace{monitor_.device, monitor_.area};
  ApplyEdge(proposal);
  SaveOptions();
}

void DockingEngine::OnNcMouseMove() {
  ui_.StartRevealTimer();
}

int DockingEngine::OnNcHitTest(int result, Point p) {
  if (result == hit::Client) {
    const bool swapped = desktop_.GetMetric(Metric::SwapButton) != 0;
    if (desktop_.ButtonDown(swapped ? MouseButton::Right : MouseButton::Left)) {
      result = hit::Caption;
    }
  }
  return DockedHitTest(CurrentEdge(), result, p, window_.ClientRectOnScreen(), state_.SizeInc);
}

bool DockingEngine::DeclinesPlacement() const {
  return IsDocked(options_.Edge) && !state_.Placing && !state_.InSizeMove && !state_.InApplyEdge;
}

}  // namespace olb
