// Port: the screen, the clock and the input state as the docking engine reads them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/geometry.h"

namespace olb {

// The system metrics the engine reads (GetSystemMetrics indices in the adapter).
enum class Metric {
  VScrollWidth,   // SM_CXVSCROLL
  HScrollHeight,  // SM_CYHSCROLL
  BorderWidth,    // SM_CXBORDER
  BorderHeight,   // SM_CYBORDER
  SwapButton,     // SM_SWAPBUTTON: non-zero when the primary button is the right one
};

enum class MouseButton { Left, Right };

// One display monitor as GetMonitorInfo describes it, in virtual-screen
// pixels (a monitor left of or above the primary one has negative
// coordinates; the primary one starts at 0,0).
struct MonitorInfo {
  std::string device;  // the display device's name, such as "\\.\DISPLAY2"; UTF-8
  Rect area;           // the monitor's rectangle
  Rect work;           // its work area: the rectangle less the strips reserved on it
  bool primary = false;
  friend bool operator==(const MonitorInfo&, const MonitorInfo&) = default;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The primary display's size in pixels.
  virtual Size ScreenSize() = 0;
  // The bounding rectangle of all monitors.
  virtual Rect VirtualScreen() = 0;
  // The primary display's work area (the screen less the reserved strips).
  virtual Rect WorkArea() = 0;
  // Every monitor, in the system's enumeration order; never empty.
  virtual std::vector<MonitorInfo> Monitors() = 0;
  // The foreground window's rectangle; empty when there is none.
  virtual Rect ForegroundRect() = 0;
  virtual int32_t GetMetric(Metric metric) = 0;
  // Milliseconds since start-up; wraps around after about 49.7 days.
  virtual uint32_t TickCount() = 0;
  // Whether Ctrl is down for the message being handled (GetKeyState).
  virtual bool CtrlKeyDown() = 0;
  // Whether Esc is down for the message being handled (GetKeyState): the
  // system's move loop ends on Esc, which cancels the move.
  virtual bool EscapeKeyDown() = 0;
  // Whether the physical button is down now (GetAsyncKeyState).
  virtual bool ButtonDown(MouseButton button) = 0;
  // The pointer position of the message being handled, in screen pixels.
  virtual Point MessagePos() = 0;
};

}  // namespace olb
