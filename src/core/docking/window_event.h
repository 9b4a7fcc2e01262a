// What the bar window hears, in the platform's neutral terms, and what the
// bar answers. The window procedure decodes a message into one event, hands
// it to the controller's OnEvent and carries out the answer; the simulated
// window hands its events to the same entry, so the tests take the path the
// program takes.
#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include "core/platform/geometry.h"

namespace olb {
namespace event {

// The shell's AppBar notification (the bar's registered callback message).
struct AppBarNotify {
  uint32_t code = 0;
  intptr_t lParam = 0;
};
// The shell started again ("TaskbarCreated").
struct ShellRestarted {};
// The display's size or a work area changed.
struct ScreenChanged {};
// The monitor's DPI changed; `suggested` is the system's rectangle for the
// window at that DPI. Only values the system could send are decoded.
struct DpiChanged {
  uint32_t dpi = 96;
  Rect suggested{};
};
// The window is about to move (`moves`) or size (`sizes`), after the default
// handling; `position` is where it goes.
struct PosChanging {
  Point position{};
  bool moves = false;
  bool sizes = false;
};
// The window moved, sized or changed its z-order.
struct PosChanged {};
// The system's move or size loop begins and ends.
struct EnterSizeMove {};
struct ExitSizeMove {};
// A step of the move loop: the outline `drag`, the pointer at `pointer`.
struct Moving {
  Rect drag{};
  Point pointer{};
};
// A step of the size loop on `side` (one of the sizing:: values).
struct Sizing {
  int side = 0;
  Rect drag{};
};
// The pointer moved over the window's frame.
struct NcMouseMove {};
// Which part of the window is at `screen`; `standard` is the default answer.
struct HitTest {
  int standard = 0;
  Point screen{};
};
// The window that had the activation before the bar.
enum class ActivatedFrom {
  Nothing,      // no window (or one already gone)
  Application,  // the program's hidden application window, owner of the bar
  OwnWindow,    // another window of the program (the wizard, a message box)
  Elsewhere,    // another program's window
};
// The bar became the active window.
struct Activated {
  ActivatedFrom from = ActivatedFrom::Nothing;
};
// The bar lost activation to the window `to` (classified as for Activated).
struct Deactivated {
  ActivatedFrom to = ActivatedFrom::Nothing;
};
// A command of the window's system menu (or a snap asking to maximise).
struct SystemCommand {
  uint32_t command = 0;
};
// One of the bar's window timers fired (the values of TimerId).
struct Timer {
  uint32_t id = 0;
};
// Files dragged over the window, the pointer at `inForm`; and the drag left
// the window or was dropped.
struct DragOver {
  Point inForm{};
};
struct DragLeft {};

}  // namespace event

using WindowEvent =
    std::variant<event::AppBarNotify, event::ShellRestarted, event::ScreenChanged,
                 event::DpiChanged, event::PosChanging, event::PosChanged, event::EnterSizeMove,
                 event::ExitSizeMove, event::Moving, event::Sizing, event::NcMouseMove,
                 event::HitTest, event::Activated, event::Deactivated, event::SystemCommand,
                 event::Timer, event::DragOver, event::DragLeft>;

// What the window does with an event. An event not handled gets the
// window's own default handling (if it has not had it already).
struct EventAnswer {
  bool handled = false;
  intptr_t result = 0;            // the message's result, when handled
  std::optional<Rect> drag;       // the outline to use instead (moving, sizing)
  std::optional<Point> position;  // where the window goes instead (pos changing)
  bool keepPlace = false;         // the window neither moves nor sizes

  static EventAnswer Handled(intptr_t result = 0) { return {true, result, {}, {}, false}; }
};

}  // namespace olb
