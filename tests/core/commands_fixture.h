// The item commands over real folders: the simulated namespace shows the
// fixture's "bar" folder, the shell's file operations act on it, and deleted
// items go to the fixture's own "RecycleBin".
#pragma once

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "core/commands/item_commands.h"
#include "fs_fixture.h"
#include "sim/command_doubles.h"
#include "sim/drop_doubles.h"
#include "sim/linux/fs_file_ops.h"
#include "sim/marking_list.h"

namespace olb::testing {

class CommandsFixture : public FsFixture {
 protected:
  CommandsFixture() {
    Dir("bar");
    model.InitFolderView();
  }

  void Show() { model.OpenFolderByPath(Win("bar")); }
  std::filesystem::path Bar(const std::string& rel = "") const { return root() / "bar" / rel; }
  bool OnDisk(const std::string& rel) const { return std::filesystem::exists(Bar(rel)); }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int32_t i = 0; i < model.ItemCount(); ++i) names.push_back(model.NamedItem(i)->ItemName);
    return names;
  }
  int32_t Row(const std::string& caption) {
    for (int32_t i = 0; i < model.ItemCount(); ++i) {
      if (model.NamedItem(i)->ItemName == caption) return i;
    }
    ADD_FAILURE() << "no row " << caption;
    return -1;
  }
  void Write(const std::string& rel, const std::string& content) {
    std::ofstream(root() / rel, std::ios::binary) << content;
  }
  std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The names in the bar folder on disk, sorted.
  std::vector<std::string> DiskNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Bar())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  int Enumerations() const { return shell.calls().enumerations; }

  sim::TrackingAllocator allocator;
  sim::FsNamespace shell{allocator};
  sim::MarkingList list;
  sim::Cursor cursor;
  sim::FixedZoneTimeFormat time;
  FolderPaths paths;
  FolderModel model{{shell, allocator, list, cursor, time}, paths};
  sim::FsFileOps files{root() / "RecycleBin"};
  sim::ScriptedChooser chooser;
  sim::RecordingLauncher launcher;
  sim::RecordingProgramStarter programs;
  sim::RecordingCommandHost host;
  ItemCommands commands{model, {files, chooser, launcher, list, programs, host}};
};

}  // namespace olb::testing
