#include "win32/bar/visible_frame.h"

namespace olb::win {
namespace {

using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
constexpr DWORD kExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

// Loaded at run time: the program also runs where there is no DWM.
GetAttribute DwmAttribute() {
  static const GetAttribute get = [] {
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    return dwm ? reinterpret_cast<GetAttribute>(
                     reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")))
               : nullptr;
  }();
  return get;
}

}  // namespace

RECT VisibleFrame(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT frame{};
  const GetAttribute get = DwmAttribute();
  // Bounds that do not lie inside the window rectangle are not trusted (a
  // hidden or not yet composed window).
  if (get && SUCCEEDED(get(window, kExtendedFrameBounds, &frame, sizeof(frame))) &&
      frame.left >= outer.left && frame.top >= outer.top && frame.right <= outer.right &&
      frame.bottom <= outer.bottom && frame.right > frame.left && frame.bottom > frame.top) {
    return frame;
  }
  return outer;
}

RECT OuterFromVisible(HWND window, const RECT& visible) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const RECT frame = VisibleFrame(window);
  return {visible.left - (frame.left - outer.left), visible.top - (frame.top - outer.top),
          visible.right + (outer.right - frame.right),
          visible.bottom + (outer.bottom - frame.bottom)};
}

}  // namespace olb::win
