// Port: the parts of the bar form that the docking engine drives but does
// not own (layout, list, menu, message box, timer).
#pragma once

#include <string_view>

namespace olb {

class DockingHost {
 public:
  virtual ~DockingHost() = default;

  // Places the bar's parts for the current edge.
  virtual void LayoutBar() = 0;
  // Scrolls the item list to its first item.
  virtual void ScrollListToTop() = 0;
  // Clears the check mark of the AutoHide menu item.
  virtual void UncheckAutoHideMenuItem() = 0;
  // A modal OK message box owned by the application.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
  // Starts the one-shot reveal timer unless it is already running.
  virtual void StartRevealTimer() = 0;
};

}  // namespace olb
