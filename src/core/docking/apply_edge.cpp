// ApplyEdge: makes an edge, floating, or unregistration effective.
#include "core/docking/docking_engine.h"
#include "core/settings/placement.h"

namespace olb {

void DockingEngine::ApplyEdge(Edge edge) {
  if (state_.Unregistered) return;
  const Edge autoHideEdge = FindAutoHideEdge();
  if (autoHideEdge != Edge::None) shell_.SetAutoHideBar(autoHideEdge, false, autoHideMonitor_);
  options_.Edge = edge;

  if (edge == Edge::Float) {
    // A floating bar gives its strip back the documented way: an empty
    // rectangle on a real edge (the shell defines no "floating" edge).
    Rect none{};
    shell_.SetPos(Edge::Left, none);
    PlaceWindow(PlacedFloatRect(), Placement::Plain);
  } else if (edge == Edge::None) {
    shell_.Remove();
  } else {
    DockTo(edge);
    // The bar was closed while messages ran: nothing of it is left to place.
    if (state_.Unregistered) return;
  }

  ApplyZOrder();
  shell_.Activate();
  EdgeChanged(false, edge);
  ui_.LayoutBar();
  // A display change heard while the edge was applied is followed now that
  // the bar is placed (by the outermost ApplyEdge). The work-area change
  // its own reservation brings leaves the monitor as it was: nothing more
  // is asked of the shell for it.
  if (screenChangeHeld_ && !state_.InApplyEdge) {
    screenChangeHeld_ = false;
    const MonitorInfo placedOn = monitor_;
    FollowMonitors();
    if (!IsDocked(options_.Edge) || monitor_.device != placedOn.device ||
        monitor_.area != placedOn.area) {
      OnScreenChanged();
    }
  }
}

void DockingEngine::DockTo(Edge edge) {
  if (options_.AutoHide != 0) {
    if (shell_.SetAutoHideBar(CurrentEdge(), true, CurrentMonitor().area)) {
      autoHideMonitor_ = CurrentMonitor().area;
    } else {
      options_.AutoHide = 0;
      ui_.UncheckAutoHideMenuItem();
      AutoHideRefused();
    }
  }
  Rect rc;
  ComputeDockRect(CurrentEdge(), rc);

  // Only an always-on-top bar that does not hide reserves its strip; the
  // others tell the shell they reserve nothing.
  if (options_.AutoHide == 0 && options_.AlwaysOnTop != 0) {
    shell_.SetPos(edge, rc);
  } else {
    Rect none{};
    shell_.SetPos(Edge::Left, none);
  }

  if (options_.AutoHide == 0) {
    // Messages run here may move the window (the shell re-arranging bars, the
    // toolkit restoring a size); keep it on its edge meanwhile. The previous
    // values come back afterwards in case this ApplyEdge runs inside another.
    const bool outerInApply = state_.InApplyEdge;
    const int32_t outerPinned = state_.PinnedCoord;
    state_.PinnedCoord = IsHorizontal(edge) ? rc.top : rc.left;
    state_.InApplyEdge = true;
    window_.PumpMessages();
    state_.InApplyEdge = outerInApply;
    state_.PinnedCoord = outerPinned;
    if (state_.Unregistered) return;
  }

  AutoHideRect(state_.AutoHideShown, rc);
  SlideTo(rc);
}

void DockingEngine::ApplyZOrder() {
  // An auto-hidden bar reserves nothing, so a maximised window would cover
  // its strip for good: like the shell's own auto-hidden taskbar it stays
  // topmost, except while a full-screen program runs on its monitor.
  if (IsDocked(options_.Edge) && options_.AutoHide != 0 && !state_.FullScreenAppOpen) {
    window_.SetZOrder(ZOrder::Topmost);
  } else if (options_.AlwaysOnTop == 0) {
    window_.SetZOrder(ZOrder::NotTopmost);
  } else if (!state_.FullScreenAppOpen) {
    window_.SetZOrder(ZOrder::Topmost);
  } else {
    window_.SetZOrder(ZOrder::Bottom);
  }
}

Rect DockingEngine::TargetRect(Edge edge) {
  Rect rc = window_.WindowRect();
  ComputeDockRect(edge, rc);
  AutoHideRect(state_.AutoHideShown, rc);
  return rc;
}

void DockingEngine::OnShellRestarted() {
  // A bar being closed (or not yet registered) stays out of the new shell.
  if (options_.Edge == Edge::None) return;
  ReapplyEdge(true);
}

// ApplyEdge lets messages run, and any program can post the shell's notices:
// a notice arriving while one is handled only marks the work as wanted once
// more, and the outer call does it after its own round. However many arrive,
// the stack never grows past one round and each round drains what waits.
void DockingEngine::ReapplyEdge(bool registerAgain) {
  reapply_.registerAgain |= registerAgain;
  reapply_.wanted = true;
  if (reapply_.running) return;
  reapply_.running = true;
  // Whatever ends the rounds (an exception included), later notices are heard.
  struct Done {
    Reapply& r;
    ~Done() { r = {}; }
  } done{reapply_};
  while (reapply_.wanted && !state_.Unregistered) {
    const bool again = reapply_.registerAgain;
    reapply_.wanted = reapply_.registerAgain = false;
    if (again) {
      shell_.New();
      state_.TaskbarState = shell_.GetState();
    }
    ApplyEdge(CurrentEdge());
  }
}

void DockingEngine::OnScreenChanged() {
  // A move in progress applies its edge when it ends.
  if (options_.Edge == Edge::None || state_.InSizeMove) return;
  // ApplyEdge lets messages run: a change heard meanwhile (its own
  // reservation's, or the display's, which the shell's restart may bring
  // along) waits until the bar is placed, and is looked at once then.
  if (state_.InApplyEdge) {
    screenChangeHeld_ = true;
    return;
  }
  // A monitor added, removed or resized: a docked bar goes back to the
  // remembered monitor when it is there again, else to the primary one.
  FollowMonitors();
  const Rect now = window_.WindowRect();
  if (options_.Edge == Edge::Float) {
    // A floating bar stays where the user put it while it can be reached.
    BarOptions here = options_;
    here.FloatRect = now;
    const Rect reachable = PlaceableOptions(here, defaultFloat_, FloatAreas(now)).FloatRect;
    if (reachable != now) PlaceWindow(reachable, Placement::Plain);
    return;
  }
  if (TargetRect(options_.Edge) == now) return;
  ApplyEdge(options_.Edge);
}

// The form's hooks. A derived form may add to them.

void DockingEngine::EdgeChanged(bool /*proposed*/, Edge /*edge*/) {
  HideCaption();
}

void DockingEngine::AutoHideRefused() {
  ui_.ShowMessage(kAutoHideRefusedText, kBarCaption);
}

void DockingEngine::FullScreenAppChanged(bool open) {
  state_.FullScreenAppOpen = open;
  ReapplyEdge(false);
}

void DockingEngine::TaskbarPosChanged() {
  if (CurrentEdge() != Edge::Float && options_.AutoHide == 0) ReapplyEdge(false);
}

void DockingEngine::TaskbarStateChanged(uint32_t /*changed*/, uint32_t /*state*/) {}

void DockingEngine::WindowArrange(bool /*beginning*/) {}

}  // namespace olb
