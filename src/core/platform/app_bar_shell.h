// Port: the shell's application desktop toolbar (AppBar) protocol for one bar.
#pragma once

#include <cstdint>

#include "core/platform/edge.h"
#include "core/platform/geometry.h"

namespace olb {

// Notification codes the shell posts to a registered bar (the callback
// message's wParam); the values are the shell's ABN_* constants.
enum class AppBarNotification : uint32_t {
  StateChange = 0,    // the taskbar's auto-hide or always-on-top state changed
  PosChanged = 1,     // reserved areas changed: re-dock
  FullScreenApp = 2,  // lParam != 0: a full-screen application opened
  WindowArrange = 3,  // lParam != 0: the shell begins tiling or cascading
};

// Taskbar state bits returned by GetState (the shell's ABS_* values).
inline constexpr uint32_t kTaskbarAutoHide = 1;
inline constexpr uint32_t kTaskbarAlwaysOnTop = 2;

// Who the shell has registered as the auto-hide bar of an edge.
enum class AutoHideOwner { None, ThisBar, OtherWindow };

// One method per AppBar message, always on behalf of the bar's own window
// and its callback message (the adapter supplies both). Return values are
// the shell's; the engine ignores most of them, as the shell's answers to
// these calls carry no failure that the bar could act on.
class AppBarShell {
 public:
  virtual ~AppBarShell() = default;

  // ABM_NEW: registers the bar so that it receives notifications.
  virtual bool New() = 0;
  // ABM_REMOVE: unregisters the bar and gives its reserved area back.
  virtual bool Remove() = 0;
  // ABM_QUERYPOS: shrinks `rc` to the space free on `edge`.
  virtual bool QueryPos(Edge edge, Rect& rc) = 0;
  // ABM_SETPOS: reserves `rc` (possibly shrunk first) on `edge`. An empty
  // rectangle reserves nothing; the engine passes Edge::Float for a floating
  // bar, which is not a shell edge.
  virtual bool SetPos(Edge edge, Rect& rc) = 0;
  // ABM_GETSTATE: the taskbar state bits (kTaskbarAutoHide, kTaskbarAlwaysOnTop).
  virtual uint32_t GetState() = 0;
  // ABM_ACTIVATE: tells the shell the bar was activated.
  virtual bool Activate() = 0;
  // ABM_GETAUTOHIDEBAR(EX) for one docked edge of the monitor whose
  // rectangle is `monitor`: the shell keeps one auto-hide bar per edge of
  // each monitor.
  virtual AutoHideOwner GetAutoHideBar(Edge edge, const Rect& monitor) = 0;
  // ABM_SETAUTOHIDEBAR(EX): registers (true) or unregisters (false) the bar
  // as the auto-hide bar of that edge of `monitor`. False when the edge
  // already has another one.
  virtual bool SetAutoHideBar(Edge edge, bool autoHide, const Rect& monitor) = 0;
  // ABM_WINDOWPOSCHANGED: the bar's window moved or changed its z-order.
  virtual void WindowPosChanged() = 0;
};

}  // namespace olb
