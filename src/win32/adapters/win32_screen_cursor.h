// The application's screen cursor over user32: a shape that overrides the
// windows' own cursors while it is not the default.
#pragma once

#include "core/platform/screen_cursor.h"

namespace olb::win {

class Win32ScreenCursor : public ScreenCursor {
 public:
  CursorShape Get() override { return shape_; }
  // Shows the shape at once; the default gives the arrow back until the
  // window under the pointer sets its own.
  void Set(CursorShape shape) override;

 private:
  CursorShape shape_ = CursorShape::Default;
};

}  // namespace olb::win
