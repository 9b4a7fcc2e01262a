// The system's message text for a result code, as a ComError.
#pragma once

#include <windows.h>

#include <string>

#include "core/platform/com_error.h"

namespace olb::win {

std::string SystemMessage(HRESULT result);
[[noreturn]] void ThrowComError(HRESULT result);

}  // namespace olb::win
