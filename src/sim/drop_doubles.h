// Stand-ins for the bar form and the process starter as a drop sees them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/dragdrop/bar_drop.h"

namespace olb::sim {

// Shortcuts known by their target; every start is recorded.
class RecordingProgramStarter : public ProgramStarter {
 public:
  std::string ShortcutTarget(const std::string& linkPath) override {
    const auto it = targets.find(linkPath);
    return it == targets.end() ? std::string() : it->second;
  }
  bool StartProgram(const std::string& program, const std::string& arguments) override {
    started.push_back({program, arguments});
    return true;
  }

  struct Start {
    std::string program, arguments;
    friend bool operator==(const Start&, const Start&) = default;
  };
  std::map<std::string, std::string> targets;  // shortcut path -> target
  std::vector<Start> started;
};

// A bar whose geometry the test sets; the item count comes from `count`.
class ScriptedDropHost : public DropHost {
 public:
  Point CursorPos() override { return cursor; }
  void ProcessMessages() override { ++pumps; }
  void ShowAutoHiddenBar() override { ++slideOuts; }
  DropGeometry Geometry(Point screen) override {
    DropGeometry g = geometry;
    g.pointer = {screen.x - windowOrigin.x, screen.y - windowOrigin.y};
    if (count) g.itemCount = count();
    return g;
  }
  void StoreDefaultPitch(int32_t pitch) override { geometry.pitch = pitch; }
  bool CtrlKeyDown() override { return ctrl; }
  void UpdateScrollStrips() override { ++stripUpdates; }

  Point cursor;
  Point windowOrigin;
  DropGeometry geometry;
  std::function<int32_t()> count;
  bool ctrl = false;
  int pumps = 0, slideOuts = 0, stripUpdates = 0;
};

}  // namespace olb::sim
