// Timer identifiers, command identifiers and private messages of the bar.
#pragma once

#include <windows.h>

namespace olb::win {

enum class TimerId : UINT_PTR { Timer1 = 1, Timer2, TimerUp, TimerBottom };

inline constexpr UINT kTimer1Ms = 400;  // auto-hide: slide back when the pointer left
inline constexpr UINT kTimer2Ms = 400;  // auto-hide: slide out when the pointer stays

}  // namespace olb::win
