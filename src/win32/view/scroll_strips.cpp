#include "win32/view/scroll_strips.h"

#include "core/bar/ids.h"
#include "core/layout/accessible_parts.h"
#include "core/layout/arrow.h"
#include "win32/base/high_contrast.h"

namespace olb::win {
namespace {

GdiObject Make24BitBitmap(Size size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return GdiObject(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

}  // namespace

UINT_PTR ScrollStrips::TimerOf(StripId strip) {
  return static_cast<UINT_PTR>(RepeatTimerOf(strip));
}

Rect ScrollStrips::RectOf(StripId s) const {
  if (!layout_) return {};
  return s == StripId::Forward ? layout_->forwardStrip : layout_->backStrip;
}

HBITMAP ScrollStrips::BitmapFor(StripId s) {
  Strip& strip = strip_[Index(s)];
  const Rect r = RectOf(s);
  const Size size{std::max(r.Width(), 1), std::max(r.Height(), 1)};
  if (!strip.bitmap || !(strip.size == size)) {
    strip.bitmap = Make24BitBitmap(size);
    strip.size = size;
  }
  return static_cast<HBITMAP>(strip.bitmap.get());
}

void ScrollStrips::ShowStrip(StripId s, StripLook look, const Triangle& arrow) {
  // A strip with an arrow is available, a blank one is not: readers hear of
  // the change.
  const bool wasAvailable = strip_[Index(s)].look != StripLook::Blank;
  strip_[Index(s)].look = look;
  if (wasAvailable != (look != StripLook::Blank)) {
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, form_, OBJID_CLIENT,
                   s == StripId::Back ? kBackStripChild : kForwardStripChild);
  }
  HBITMAP bitmap = BitmapFor(s);
  if (!bitmap) return;
  const Size size = strip_[Index(s)].size;
  {
    WindowDc screen(nullptr);
    MemoryDc dc(screen.get());
    SelectionScope useBitmap(dc.get(), bitmap);
    // One pixel beyond the strip, as the form's canvas fills it.
    const RECT all{0, 0, size.cx + 1, size.cy + 1};
    const StripColors colors = StripColorsFor(look, HighContrastOn());
    GdiObject face(CreateSolidBrush(PartRgb(colors.face).ColorRef()));
    FillRect(dc.get(), &all, static_cast<HBRUSH>(face.get()));
    if (look != StripLook::Blank) {
      GdiObject pen(CreatePen(PS_SOLID, 1, PartRgb(colors.outline).ColorRef()));
      GdiObject brush(CreateSolidBrush(PartRgb(colors.fill).ColorRef()));
      SelectionScope usePen(dc.get(), pen.get());
      SelectionScope useBrush(dc.get(), brush.get());
      const POINT points[3] = {
          {arrow.a.x, arrow.a.y}, {arrow.b.x, arrow.b.y}, {arrow.c.x, arrow.c.y}};
      Polygon(dc.get(), points, 3);
    }
  }
  WindowDc form(form_);
  CopyToForm(s, form.get());
}

void ScrollStrips::CopyToForm(StripId s, HDC formDc) {
  const Strip& strip = strip_[Index(s)];
  if (!strip.bitmap) return;
  const Rect r = RectOf(s);
  WindowDc screen(nullptr);
  MemoryDc dc(screen.get());
  SelectionScope useBitmap(dc.get(), strip.bitmap.get());
  BitBlt(formDc, r.left, r.top, std::min(r.Width(), strip.size.cx),
         std::min(r.Height(), strip.size.cy), dc.get(), 0, 0, SRCCOPY);
}

void ScrollStrips::Paint(HDC formDc) {
  CopyToForm(StripId::Forward, formDc);
  CopyToForm(StripId::Back, formDc);
}

std::optional<StripId> ScrollStrips::StripAt(Point inForm) const {
  if (!layout_) return std::nullopt;
  return olb::StripAt(*layout_, inForm);
}

Point ScrollStrips::CursorInForm() {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(form_, &p);
  return {p.x, p.y};
}

void ScrollStrips::RestartRepeatTimer(StripId s) {
  KillTimer(form_, TimerOf(s));
  SetTimer(form_, TimerOf(s), TimerInterval(static_cast<TimerId>(TimerOf(s))), nullptr);
}

void ScrollStrips::StopRepeatTimer(StripId s) {
  KillTimer(form_, TimerOf(s));
}

}  // namespace olb::win
