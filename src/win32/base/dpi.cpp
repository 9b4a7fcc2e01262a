#include "win32/base/dpi.h"

#include "core/settings/dpi_scale.h"
#include "win32/base/gdi.h"
#include "win32/base/readable_memory.h"
#include "win32/base/rect.h"

namespace olb::win {
namespace {

// Loaded at run time: older systems lack these.
template <typename Function>
Function User32(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using GetDpi = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

UINT WindowDpi(HWND window) {
  static const GetDpi get = User32<GetDpi>("GetDpiForWindow");
  if (get && window) {
    const UINT dpi = get(window);
    if (dpi != 0) return dpi;
  }
  const WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

int ScaleToDpi(int value, UINT dpi) {
  return ScaleForDpi(value, kDesignDpi, dpi);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
  static const AdjustForDpi adjust = User32<AdjustForDpi>("AdjustWindowRectExForDpi");
  if (!adjust || !adjust(&rect, style, FALSE, exStyle, dpi)) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
}

std::optional<DpiChange> ReadDpiChanged(WPARAM wp, LPARAM lp) {
  const auto* at = reinterpret_cast<const RECT*>(lp);
  std::optional<Rect> suggested;
  if (IsReadable(at, sizeof(RECT))) suggested = ToRect(*at);
  return CheckedDpiChange(static_cast<uint32_t>(wp), suggested);
}

}  // namespace olb::win
