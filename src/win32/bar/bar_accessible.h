// What the bar window tells screen readers (its client's accessible object,
// answered through WM_GETOBJECT): the title strip, the Up button and the
// scroll strips as simple children 1 to 4 with names, roles and states, then
// the item list as child 5, which answers for itself. Everything
// else (the client's own place, its parent, navigation) is the system's
// standard object's answer. oleacc is loaded on the first request, so a bar
// nobody reads from never loads it.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <vector>

#include "core/layout/accessible_parts.h"

namespace olb::win {

class BarAccessible;

class BarAccessibility {
 public:
  // `parts` gives the parts as they are now; `list` is the child window
  // reported after them.
  BarAccessibility(HWND bar, HWND list, std::function<std::vector<AccessiblePart>()> parts);
  ~BarAccessibility();
  BarAccessibility(const BarAccessibility&) = delete;
  BarAccessibility& operator=(const BarAccessibility&) = delete;

  // The answer to WM_GETOBJECT; false: leave the message to the system.
  bool Answer(WPARAM wp, LPARAM lp, LRESULT& result);
  // The title's name changed (another folder is shown).
  void TitleChanged();

 private:
  friend class BarAccessible;
  HWND bar_, list_;
  std::function<std::vector<AccessiblePart>()> parts_;
  BarAccessible* object_ = nullptr;  // holds a reference while the window lives
};

}  // namespace olb::win
