#include "win32/bar/title_painter.h"

#include <cwchar>

#include "win32/base/form_font.h"
#include "win32/base/gdi.h"
#include "win32/base/rect.h"
#include "win32/base/unicode.h"

namespace olb::win {

void PaintTitle(HDC dc, HINSTANCE resources, const TitlePlacement& p, std::string_view text) {
  LOGFONTW lf = FormFont();
  lf.lfEscapement = lf.lfOrientation = p.font.escapement;
  lf.lfOutPrecision = p.font.outPrecision;
  lf.lfHeight = p.font.height;
  lf.lfWeight = p.font.weight;
  lf.lfQuality = p.font.quality;
  const std::wstring face = Widen(p.font.face);
  std::wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  GdiObject font(CreateFontIndirectW(&lf));

  SetTextColor(dc, p.text.ColorRef());
  SetBkColor(dc, p.background.ColorRef());
  SetBkMode(dc, OPAQUE);

  // No bitmap (High Contrast): the strip is the text's background colour.
  if (p.bitmap.empty()) {
    const RECT all{p.target.left, p.target.top, p.target.right, p.target.bottom};
    GdiObject fill(CreateSolidBrush(p.background.ColorRef()));
    FillRect(dc, &all, static_cast<HBRUSH>(fill.get()));
  }
  const std::wstring name = Widen(p.bitmap);
  GdiObject bitmap(p.bitmap.empty() ? nullptr
                                    : LoadImageW(resources, name.c_str(), IMAGE_BITMAP, 0, 0,
                                                 LR_CREATEDIBSECTION));
  if (bitmap) {
    MemoryDc source(dc);
    SelectionScope keep(source.get(), bitmap.get());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, p.target.left, p.target.top, p.target.Width(), p.target.Height(), source.get(),
               0, 0, p.bitmapSize.cx, p.bitmapSize.cy, SRCCOPY);
  }

  if (!font) return;
  SelectionScope useFont(dc, font.get());
  const std::wstring wide = Widen(text);
  const RECT clip = ToRECT(p.target);
  ExtTextOutW(dc, p.origin.x, p.origin.y, ETO_CLIPPED, &clip, wide.c_str(),
              static_cast<UINT>(wide.size()), nullptr);
}

}  // namespace olb::win
