// The two scroll strips (Image1 forward, Image2 back): painted regions of the
// bar form, each drawn through its own off-screen 24-bit bitmap, with the
// repeat timers ForwardRepeat and BackRepeat running on the form's window.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "core/platform/strip_surface.h"
#include "core/layout/bar_layout.h"
#include "win32/base/gdi.h"

namespace olb::win {

class ScrollStrips : public StripSurface {
 public:
  explicit ScrollStrips(HWND form) : form_(form) {}

  // Where the strips are now; read on every drawing.
  void SetLayout(const BarLayout* layout) { layout_ = layout; }

  void ShowStrip(StripId strip, StripLook look, const Triangle& arrow) override;
  Point CursorInForm() override;
  void RestartRepeatTimer(StripId strip) override;
  void StopRepeatTimer(StripId strip) override;

  // Copies both bitmaps to the form (its WM_PAINT).
  void Paint(HDC formDc);
  // The strip under a point of the form's client area.
  std::optional<StripId> StripAt(Point inForm) const;
  // The look each strip was last drawn with.
  StripLook look(StripId strip) const { return strip_[Index(strip)].look; }

  static UINT_PTR TimerOf(StripId strip);

 private:
  struct Strip {
    GdiObject bitmap;
    Size size;
    StripLook look = StripLook::Blank;
  };
  static size_t Index(StripId s) { return s == StripId::Forward ? 0 : 1; }
  Rect RectOf(StripId s) const;
  // The strip's bitmap at the strip's current size (made anew when it changed).
  HBITMAP BitmapFor(StripId s);
  void CopyToForm(StripId s, HDC formDc);

  HWND form_;
  const BarLayout* layout_ = nullptr;
  std::array<Strip, 2> strip_;
};

}  // namespace olb::win
