// The font the bar's windows are designed with.
#pragma once

#include <windows.h>

#include <cwchar>

namespace olb::win {

// "MS Sans Serif", height -11, as the bar and its list were laid out for.
inline LOGFONTW FormFont() {
  LOGFONTW lf{};
  lf.lfHeight = -11;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::wcscpy(lf.lfFaceName, L"MS Sans Serif");
  return lf;
}

}  // namespace olb::win
