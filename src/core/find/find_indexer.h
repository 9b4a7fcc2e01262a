// Builds the find index of the tree under the root folder from the folder
// tree source's listings and keeps it current with the changes the source
// sees: a folder changed is read again, a folder gone is dropped with
// everything under it, a folder new is read in turn. The window's thread
// only merges what was read elsewhere, so it never waits on the disk.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/find/find_index.h"
#include "core/platform/folder_tree_source.h"
#include "core/platform/text_case.h"

namespace olb {

class FindIndexer {
 public:
  FindIndexer(FolderTreeSource& source, TextCase& fold, size_t maxBytes = kFindIndexBytes)
      : source_(source), fold_(fold), index_(maxBytes) {}

  // Indexes the tree under `root` (a trailing backslash is dropped) unless
  // it is the one indexed already.
  void Start(std::string_view root);
  // The source's message: takes in what it read and what changed.
  void OnNews();
  std::vector<FindHit> Query(std::string_view text, size_t limit) const {
    return index_.Query(text, fold_, root_, limit);
  }
  // Folders asked for and not read yet.
  bool building() const { return !pending_.empty(); }
  const std::string& root() const { return root_; }
  const FindIndex& index() const { return index_; }

 private:
  // The folder's path relative to the root; false when it is not under it.
  bool Relative(std::string_view path, std::string& category) const;
  std::string FullPath(const std::string& category) const;
  void Ask(const std::string& category);

  FolderTreeSource& source_;
  TextCase& fold_;
  FindIndex index_;
  std::string root_;
  std::set<std::string> pending_;  // asked for, not read yet
  std::set<std::string> again_;    // changed while asked for: read once more
};

}  // namespace olb
