// The bar window as the docking engine sees it, over its HWND.
#pragma once

#include <windows.h>

#include "core/platform/bar_placement.h"

namespace olb::win {

class HwndBarOps : public BarPlacement {
 public:
  explicit HwndBarOps(HWND bar) : bar_(bar) {}

  Rect WindowRect() override;
  bool IsVisible() override { return IsWindowVisible(bar_) != FALSE; }
  void WaitForNextFrame() override;
  Rect ClientRectOnScreen() override;
  void Place(const Rect& rect, Placement how) override;
  void SetZOrder(ZOrder order) override;
  void RemoveCaption() override;
  Size FrameSize() override;
  uint32_t Dpi() override;
  void PumpMessages() override;

 private:
  HWND bar_;
};

}  // namespace olb::win
