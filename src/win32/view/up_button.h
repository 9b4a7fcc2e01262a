// Panel1 with tlbtnUpOneLevel: a small panel child of the bar form holding
// the flat Up button, whose glyph has an enabled and a disabled image.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "core/platform/geometry.h"
#include "win32/base/image_list.h"
#include "win32/base/tooltip.h"
#include "win32/base/window.h"

namespace olb::win {

// The glyph resource: two 22 x 22 images side by side, enabled then
// disabled; the bottom-left pixel's colour is transparent.
inline constexpr wchar_t kUpGlyphResource[] = L"UPGLYPH";
inline constexpr int kUpGlyphSize = 22;  // at 96 DPI; drawn at the bar's DPI

class UpButtonPanel : public BaseWindow<UpButtonPanel> {
 public:
  UpButtonPanel(HWND form, HINSTANCE instance, std::function<void()> onClick);
  ~UpButtonPanel();

  // `panel` in the form's client coordinates, `button` in the panel's.
  void Place(const Rect& panel, const Rect& button);
  void SetEnabled(bool enabled);
  bool enabled() const { return IsWindowEnabled(button_) != FALSE; }
  HWND button() const { return button_; }
  HWND tooltip() const { return tooltip_ ? tooltip_->hwnd() : nullptr; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  void DrawButton(const DRAWITEMSTRUCT& item);

  HWND button_ = nullptr;
  std::optional<Tooltip> tooltip_;
  ImageList glyphs_;
  std::function<void()> onClick_;
};

}  // namespace olb::win
