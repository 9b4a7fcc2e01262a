// Stand-ins for the bar form and the process starter as a drop sees them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <fstream>

#include "core/dragdrop/bar_drop.h"
#include "sim/linux/fs_file_ops.h"

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
  // A file holding the target stands for the shortcut.
  bool CreateShortcut(const std::string& linkPath, const std::string& target) override {
    const auto native = ResolveWindowsPath(linkPath);
    if (!native) return false;
    std::ofstream(*native) << target;
    targets[linkPath] = target;
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
  void UpdateScrollStrips() override { ++stripUpdates; }

  Point cursor;
  Point windowOrigin;
  DropGeometry geometry;
  std::function<int32_t()> count;
  int pumps = 0, slideOuts = 0, stripUpdates = 0;
};

}  // namespace olb::sim
