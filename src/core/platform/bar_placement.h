// Port: the bar's top-level window as the docking engine sees it.
#pragma once

#include <cstdint>

#include "core/platform/geometry.h"

namespace olb {

// Z-order placements the engine asks for (HWND_TOPMOST, HWND_NOTOPMOST,
// HWND_BOTTOM, each without moving, sizing or activating the window).
enum class ZOrder { Topmost, NotTopmost, Bottom };

// How a placement is done.
enum class Placement {
  Plain,  // move and size only, keeping the z-order and activation
  Frame,  // a slide frame: also recompute the frame and repaint at once
};

class BarPlacement {
 public:
  virtual ~BarPlacement() = default;

  // The window's outer rectangle in screen pixels.
  virtual Rect WindowRect() = 0;
  // Whether the window is shown (a slide of a hidden one would be seen by nobody).
  virtual bool IsVisible() = 0;
  // The client area in screen pixels.
  virtual Rect ClientRectOnScreen() = 0;
  // Moves and sizes the window. The platform reports the change back through
  // the engine's OnWindowPosChanging and OnWindowPosChanged.
  virtual void Place(const Rect& rect, Placement how) = 0;
  virtual void SetZOrder(ZOrder order) = 0;
  // Removes the caption bar for good, keeping a sizing border, and makes the
  // frame be recomputed.
  virtual void RemoveCaption() = 0;
  // Total width and height of the non-client frame for the window's style.
  virtual Size FrameSize() = 0;
  // The DPI of the monitor the window is on (96 at 100%).
  virtual uint32_t Dpi() { return 96; }
  // Returns when the next animation frame is due: after the next vertical
  // refresh or 10 ms, whichever the platform can tell.
  virtual void WaitForNextFrame() = 0;
  // Lets pending window, timer and shell messages run once, then returns.
  // Handlers may call back into the engine from inside.
  virtual void PumpMessages() = 0;
};

}  // namespace olb
