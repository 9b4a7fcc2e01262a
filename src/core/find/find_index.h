// The names of every item under the root folder, grouped by the folder they
// are in, for finding items by part of their name. Names are kept folded
// (letter case and accents do not count) next to their captions.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/text_case.h"

namespace olb {

// One direct entry of a folder as the shell lists it.
struct ListedEntry {
  std::string name;      // the caption the bar shows
  std::string fileName;  // the name on disk, extension included
  bool isFolder = false;
};

// A folder's direct entries in the folder's own order; `ok` is false when the
// folder could not be listed (gone, or refused by the shell).
struct FolderListing {
  std::string path;  // full path, no trailing backslash
  bool ok = false;
  std::vector<ListedEntry> entries;
};

// An item found: its caption, the category it is in (the folder relative to
// the root, "" for the root itself) and its full path.
struct FindHit {
  std::string name;
  std::string category;
  std::string path;
  bool isFolder = false;
};

// What the index may hold at most, names and records together: about
// 150,000 items of usual names, three times the largest tree measured.
inline constexpr size_t kFindIndexBytes = 24u << 20;
// Folders deeper than this below the root are not indexed (a link that
// loops back up stops here).
inline constexpr size_t kFindIndexDepth = 32;

class FindIndex {
 public:
  explicit FindIndex(size_t maxBytes = kFindIndexBytes) : maxBytes_(maxBytes) {}

  // Replaces the entries of the folder `category` (relative to the root)
  // with `entries`; child folders no longer among them are dropped with
  // everything under them. Entries past the memory bound are left out.
  // Gives the child folders (relative) the index did not hold before, to be
  // listed in turn.
  std::vector<std::string> PutFolder(const std::string& category,
                                     const std::vector<ListedEntry>& entries, TextCase& fold);
  // Drops the folder `category` and everything under it.
  void DropFolder(const std::string& category);
  bool HasFolder(const std::string& category) const { return folders_.count(category) != 0; }
  void Clear();

  // The items whose folded name contains the folded `text`, best first:
  // those where it starts a word before those where it is inside one, then
  // the root's before the categories' (in name order), then each folder's
  // own order. At most `limit`; `root` (no trailing backslash) makes the
  // paths.
  std::vector<FindHit> Query(std::string_view text, TextCase& fold, std::string_view root,
                             size_t limit) const;

  size_t bytes() const { return bytes_; }
  size_t itemCount() const { return items_; }
  // Whether entries were left out for the memory bound.
  bool full() const { return full_; }

 private:
  struct Entry {
    std::string name;
    std::string fileName;
    std::string folded;
    bool isFolder = false;
  };
  struct Folder {
    std::vector<Entry> entries;
    size_t bytes = 0;
  };
  static size_t CostOf(const Entry& e) {
    return sizeof(Entry) + e.name.size() + e.fileName.size() + e.folded.size();
  }
  void Forget(std::map<std::string, Folder>::iterator at);

  size_t maxBytes_;
  size_t bytes_ = 0;
  size_t items_ = 0;
  bool full_ = false;
  // Keyed by the path relative to the root: the root ("") first, then the
  // categories, each followed by its own subfolders.
  std::map<std::string, Folder> folders_;
};

}  // namespace olb
