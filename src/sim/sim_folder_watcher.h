// The folder watcher as the bar sees it: what it was asked to watch, and
// changes a test makes happen.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/platform/folder_watcher.h"

namespace olb::sim {

class SimFolderWatcher : public FolderWatcher {
 public:
  bool Watch(std::string_view path) override {
    watched = path;
    ++watches;
    return delivers;
  }
  bool Poll() override { return std::exchange(changed, false); }

  std::string watched;
  int watches = 0;
  bool delivers = true;  // false: the bar must poll
  bool changed = false;  // what the next Poll reports
};

}  // namespace olb::sim
