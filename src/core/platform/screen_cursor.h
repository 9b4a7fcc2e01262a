// Port: the application's screen cursor (shown while a folder is read).
#pragma once

#include <cstdint>

namespace olb {

enum class CursorShape : int32_t { Default = 0, HourGlass = -11 };

class ScreenCursor {
 public:
  virtual ~ScreenCursor() = default;
  virtual CursorShape Get() = 0;
  virtual void Set(CursorShape shape) = 0;
};

}  // namespace olb
