// The folder tree source for tests: folders asked for are read through the
// namespace given when the test delivers them, and changes are what the
// test reports, as the watcher would.
#pragma once

#include <string>
#include <vector>

#include "core/find/folder_listing.h"
#include "core/platform/folder_tree_source.h"

namespace olb::sim {

class QueuedTreeSource : public FolderTreeSource {
 public:
  explicit QueuedTreeSource(ShellNamespace& shell) : shell_(shell) {}

  void Watch(std::string_view root) override { watched = std::string(root); }
  void List(std::string path) override { asked_.push_back(std::move(path)); }
  TreeNews Take() override { return std::exchange(news_, {}); }

  // Reads every folder asked for so far into the news.
  void Deliver() {
    for (const std::string& path : std::exchange(asked_, {})) {
      news_.listed.push_back(ListFolder(shell_, path));
    }
  }
  void Changed(std::string path) { news_.changed.push_back(std::move(path)); }
  size_t asked() const { return asked_.size(); }

  std::string watched;

 private:
  ShellNamespace& shell_;
  std::vector<std::string> asked_;
  TreeNews news_;
};

}  // namespace olb::sim
