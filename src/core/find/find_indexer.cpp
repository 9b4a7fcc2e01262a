#include "core/find/find_indexer.h"

namespace olb {

void FindIndexer::Start(std::string_view root) {
  while (root.size() > 3 && (root.back() == '\\' || root.back() == '/')) root.remove_suffix(1);
  if (root == root_ || root.empty()) return;
  root_ = std::string(root);
  index_.Clear();
  pending_.clear();
  again_.clear();
  source_.Watch(root_);
  Ask("");
}

bool FindIndexer::Relative(std::string_view path, std::string& category) const {
  if (root_.empty() || !path.starts_with(root_)) return false;
  path.remove_prefix(root_.size());
  if (path.empty()) {
    category.clear();
    return true;
  }
  if (path.front() != '\\') return false;
  category = std::string(path.substr(1));
  return !category.empty();
}

std::string FindIndexer::FullPath(const std::string& category) const {
  return category.empty() ? root_ : root_ + '\\' + category;
}

void FindIndexer::Ask(const std::string& category) {
  if (!pending_.insert(category).second) {
    // The read in flight may have started before the change.
    again_.insert(category);
    return;
  }
  source_.List(FullPath(category));
}

void FindIndexer::OnNews() {
  TreeNews news = source_.Take();
  std::string category;
  for (const FolderListing& listing : news.listed) {
    // A listing of an earlier root, or of a folder not asked for (any more).
    if (!Relative(listing.path, category) || pending_.erase(category) == 0) continue;
    if (!listing.ok) {
      index_.DropFolder(category);
    } else {
      // A folder whose parent was dropped while it was read stays out.
      const size_t slash = category.rfind('\\');
      const std::string parent = slash == std::string::npos ? "" : category.substr(0, slash);
      if (!category.empty() && !index_.HasFolder(parent)) continue;
      for (const std::string& child : index_.PutFolder(category, listing.entries, fold_)) {
        Ask(child);
      }
    }
    if (again_.erase(category) != 0) Ask(category);
  }
  if (news.lostTrack) {
    index_.Clear();
    Ask("");
    return;
  }
  for (const std::string& path : news.changed) {
    // Only folders the index holds: a new folder is read when its parent
    // shows it.
    if (Relative(path, category) && (index_.HasFolder(category) || pending_.count(category))) {
      Ask(category);
    }
  }
}

}  // namespace olb
