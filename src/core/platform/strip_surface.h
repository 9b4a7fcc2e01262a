// Port: the two scroll strips' drawing surfaces, their repeat timers and the
// pointer as the strips see it.
#pragma once

#include "core/platform/geometry.h"

namespace olb {

// Forward is `Image1` (bottom or right end, timer `ForwardRepeat`); Back is
// `Image2` (top or left end, timer `BackRepeat`).
enum class StripId { Forward, Back };

enum class StripLook {
  Blank,       // filled with the form's colour
  Arrow,       // the arrow in its normal fill
  HoverArrow,  // the arrow while the pointer is inside it
};

struct Triangle {
  Point a, b, c;
  friend bool operator==(const Triangle&, const Triangle&) = default;
};

class StripSurface {
 public:
  virtual ~StripSurface() = default;

  // Redraws the strip's off-screen bitmap and copies it to the strip.
  // `arrow` is in the strip's own pixels; unused for Blank.
  virtual void ShowStrip(StripId strip, StripLook look, const Triangle& arrow) = 0;

  // The pointer's current position in the bar form's client coordinates.
  virtual Point CursorInForm() = 0;

  // Stops the strip's 100 ms timer and starts it again, so that its next
  // tick comes a full period from now.
  virtual void RestartRepeatTimer(StripId strip) = 0;
  virtual void StopRepeatTimer(StripId strip) = 0;
};

}  // namespace olb
