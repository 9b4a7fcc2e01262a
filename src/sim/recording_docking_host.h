// The bar form's parts as the docking engine drives them, recorded.
#pragma once

#include <string>
#include <vector>

#include "core/platform/docking_host.h"

namespace olb::sim {

struct ShownMessage {
  std::string text;
  std::string caption;
};

class RecordingDockingHost : public DockingHost {
 public:
  void LayoutBar() override { ++layouts; }
  void ScrollListToTop() override { ++scrollsToTop; }
  void UncheckAutoHideMenuItem() override { autoHideChecked = false; }
  void ShowMessage(std::string_view text, std::string_view caption) override {
    messages.push_back({std::string(text), std::string(caption)});
  }
  void StartRevealTimer() override { revealTimerRunning = true; }

  int layouts = 0;
  int scrollsToTop = 0;
  bool autoHideChecked = true;  // the menu item's check mark
  bool revealTimerRunning = false;
  std::vector<ShownMessage> messages;
};

}  // namespace olb::sim
