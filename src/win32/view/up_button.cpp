#include "win32/view/up_button.h"

#include <stdexcept>

#include "win32/base/dpi.h"
#include "win32/base/gdi.h"
#include "win32/base/high_contrast.h"
#include "win32/base/window.h"

namespace olb::win {
namespace {

constexpr wchar_t kPanelClass[] = L"TPanel";
constexpr int kButtonId = 1;

// The glyph's two images at `size` pixels square, masked by the colour of
// the bitmap's bottom-left pixel. At another size than the design's the
// bitmap is stretched pixel for pixel (no blending): its edges stay sharp
// and the transparent colour stays exact.
ImageList LoadGlyphs(HINSTANCE instance, int size) {
  GdiObject bitmap(LoadImageW(instance, kUpGlyphResource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap || size <= 0) return {};
  ImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 0));
  if (!list) return {};
  WindowDc screen(nullptr);
  MemoryDc source(screen.get());
  SelectionScope useSource(source.get(), bitmap.get());
  BITMAP info{};
  GetObjectW(bitmap.get(), sizeof info, &info);
  const COLORREF transparent = GetPixel(source.get(), 0, info.bmHeight - 1);
  GdiObject scaled(CreateCompatibleBitmap(screen.get(), 2 * size, size));
  if (!scaled) return {};
  {
    MemoryDc target(screen.get());
    SelectionScope useTarget(target.get(), scaled.get());
    SetStretchBltMode(target.get(), COLORONCOLOR);
    StretchBlt(target.get(), 0, 0, 2 * size, size, source.get(), 0, 0, 2 * kUpGlyphSize,
               kUpGlyphSize, SRCCOPY);
  }
  ImageList_AddMasked(list.get(), static_cast<HBITMAP>(scaled.get()), transparent);
  return list;
}

}  // namespace

UpButtonPanel::UpButtonPanel(HWND form, HINSTANCE instance, std::function<void()> onClick)
    : onClick_(std::move(onClick)) {
  RegisterWindowClass(instance, {kPanelClass, WndProc, 0, false, true});  // a plain panel
  CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 20, 30, form,
                  nullptr, instance, this);
  if (!hwnd_) throw std::runtime_error("Cannot create the Up button panel");
  button_ = CreateWindowExW(0, L"BUTTON", L"Up", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 25, 30,
                            hwnd_, reinterpret_cast<HMENU>(kButtonId), instance, nullptr);

  tooltip_.emplace(form, hwnd_, button_, L"Up");
}

UpButtonPanel::~UpButtonPanel() {
  tooltip_.reset();
  if (hwnd_) DestroyWindow(hwnd_);
}

void UpButtonPanel::Place(const Rect& panel, const Rect& button) {
  MoveWindow(hwnd_, panel.left, panel.top, panel.Width(), panel.Height(), TRUE);
  MoveWindow(button_, button.left, button.top, button.Width(), button.Height(), TRUE);
}

void UpButtonPanel::SetEnabled(bool enabled) {
  EnableWindow(button_, enabled ? TRUE : FALSE);
}

void UpButtonPanel::DrawButton(const DRAWITEMSTRUCT& item) {
  const RECT r = item.rcItem;
  FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  // A flat button: an edge shows only while it is pressed.
  if (pressed) {
    RECT edge = r;
    DrawEdge(item.hDC, &edge, BDR_SUNKENOUTER, BF_RECT);
  }
  // The glyph is made for the DPI the bar is shown at now.
  const int size = ScaleToDpi(kUpGlyphSize, WindowDpi(item.hwndItem));
  int made = 0;
  if (glyphs_) ImageList_GetIconSize(glyphs_.get(), &made, &made);
  if (made != size) {
    glyphs_ =
        LoadGlyphs(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)), size);
  }
  if (!glyphs_) return;
  const int shift = pressed ? 1 : 0;
  const int x = r.left + (r.right - r.left - size) / 2 + shift;
  const int y = r.top + (r.bottom - r.top - size) / 2 + shift;
  if (const std::optional<SystemColor> tint = UpGlyphTint(!disabled, HighContrastOn())) {
    // The glyph's shape alone, in the system's colour.
    const IconHandle icon(ImageList_GetIcon(glyphs_.get(), 0, ILD_NORMAL));
    DrawStateW(item.hDC, GetSysColorBrush(static_cast<int>(*tint)), nullptr,
               reinterpret_cast<LPARAM>(icon.get()), 0, x, y, size, size, DST_ICON | DSS_MONO);
    return;
  }
  ImageList_Draw(glyphs_.get(), disabled ? 1 : 0, item.hDC, x, y, ILD_TRANSPARENT);
}

LRESULT UpButtonPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (item.hwndItem != button_) break;
      DrawButton(item);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == kButtonId && HIWORD(wp) == BN_CLICKED && onClick_) onClick_();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace olb::win
