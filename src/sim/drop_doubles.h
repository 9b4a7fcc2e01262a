// Stand-ins for the bar form and the process starter as a drop sees them.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <fstream>

#include "core/dragdrop/bar_drop.h"
#include "sim/linux/fs_file_ops.h"

namespace olb::sim {

// Shortcuts known by their target; every start is recorded.
class RecordingProgramStarter : public ProgramStarter {
 public:
  std::optional<ShortcutLink> ReadShortcut(const std::string& linkPath) override {
    const auto it = links.find(linkPath);
    if (it == links.end()) return std::nullopt;
    return it->second;
  }
  std::string StartProgram(const ProgramStart& start) override {
    started.push_back(start);
    return failure;
  }
  // A file holding the target stands for the shortcut.
  bool CreateShortcut(const std::string& linkPath, const std::string& target) override {
    const auto native = ResolveWindowsPath(linkPath);
    if (!native) return false;
    std::ofstream(*native) << target;
    links[linkPath] = {target, "", target.substr(0, target.find_last_of('\\'))};
    return true;
  }

  std::map<std::string, ShortcutLink> links;  // shortcut path -> contents
  std::vector<ProgramStart> started;
  std::string failure;  // what every start answers
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
  void ShowError(const std::string& message) override { errors.push_back(message); }

  Point cursor;
  Point windowOrigin;
  DropGeometry geometry;
  std::function<int32_t()> count;
  int pumps = 0, slideOuts = 0, stripUpdates = 0;
  std::vector<std::string> errors;
};

}  // namespace olb::sim
