#include "core/find/find_index.h"

#include <algorithm>

namespace olb {
namespace {

constexpr char kSeparator = '\\';

std::string ChildOf(const std::string& category, const std::string& fileName) {
  return category.empty() ? fileName : category + kSeparator + fileName;
}

size_t DepthOf(const std::string& category) {
  if (category.empty()) return 0;
  return 1 + static_cast<size_t>(std::count(category.begin(), category.end(), kSeparator));
}

// Whether `at` in folded text starts a word: the text's start, or after a
// character that is neither a letter nor a digit (a byte of a character
// beyond ASCII counts as a letter).
bool StartsWord(std::string_view text, size_t at) {
  if (at == 0) return true;
  const auto before = static_cast<unsigned char>(text[at - 1]);
  if (before >= 0x80) return false;
  return !((before >= 'a' && before <= 'z') || (before >= 'A' && before <= 'Z') ||
           (before >= '0' && before <= '9'));
}

}  // namespace

std::vector<std::string> FindIndex::PutFolder(const std::string& category,
                                              const std::vector<ListedEntry>& entries,
                                              TextCase& fold) {
  auto at = folders_.find(category);
  if (at == folders_.end()) {
    at = folders_.emplace(category, Folder{}).first;
  } else {
    bytes_ -= at->second.bytes;
    items_ -= at->second.entries.size();
    at->second = Folder{};
  }
  // Subfolders that went away take everything under them along.
  const std::string prefix = category.empty() ? "" : category + kSeparator;
  std::vector<std::string> gone;
  // Paths under the folder sort together, though not right after it ("A 2"
  // comes between "A" and "A\\B").
  for (auto sub = folders_.lower_bound(prefix);
       sub != folders_.end() && sub->first.starts_with(prefix); ++sub) {
    const std::string_view rest = std::string_view(sub->first).substr(prefix.size());
    if (rest.empty() || rest.find(kSeparator) != std::string_view::npos) continue;
    const bool listed = std::any_of(entries.begin(), entries.end(), [&](const ListedEntry& e) {
      return e.isFolder && e.fileName == rest;
    });
    if (!listed) gone.push_back(sub->first);
  }
  for (const std::string& g : gone) DropFolder(g);

  Folder& folder = folders_.find(category)->second;
  std::vector<std::string> fresh;
  for (const ListedEntry& e : entries) {
    Entry entry{e.name, e.fileName, fold.Fold(e.name), e.isFolder};
    const size_t cost = CostOf(entry);
    if (bytes_ + cost > maxBytes_) {
      full_ = true;
      break;
    }
    bytes_ += cost;
    folder.bytes += cost;
    if (e.isFolder && DepthOf(category) < kFindIndexDepth) {
      std::string child = ChildOf(category, e.fileName);
      if (!HasFolder(child)) fresh.push_back(std::move(child));
    }
    folder.entries.push_back(std::move(entry));
  }
  items_ += folder.entries.size();
  return fresh;
}

void FindIndex::Forget(std::map<std::string, Folder>::iterator at) {
  bytes_ -= at->second.bytes;
  items_ -= at->second.entries.size();
  folders_.erase(at);
}

void FindIndex::DropFolder(const std::string& category) {
  auto at = folders_.find(category);
  if (at == folders_.end()) return;
  const std::string prefix = category + kSeparator;
  Forget(at);
  auto next = folders_.lower_bound(prefix);
  while (next != folders_.end() && next->first.starts_with(prefix)) Forget(next++);
  // Room came free: what was left out may fit when listed again.
  full_ = false;
}

void FindIndex::Clear() {
  folders_.clear();
  bytes_ = 0;
  items_ = 0;
  full_ = false;
}

std::vector<FindHit> FindIndex::Query(std::string_view text, TextCase& fold, std::string_view root,
                                      size_t limit) const {
  const std::string key = fold.Fold(text);
  std::vector<FindHit> hits;
  if (key.empty() || limit == 0) return hits;
  struct Found {
    const std::string* category;
    const Entry* entry;
  };
  std::vector<Found> starts, inside;
  for (const auto& [category, folder] : folders_) {
    for (const Entry& e : folder.entries) {
      const std::string_view name = e.folded;
      size_t at = name.find(key);
      if (at == std::string_view::npos) continue;
      bool wordStart = false;
      for (; at != std::string_view::npos; at = name.find(key, at + 1)) {
        if (StartsWord(name, at)) {
          wordStart = true;
          break;
        }
      }
      if (wordStart) {
        starts.push_back({&category, &e});
        // The rest could only rank below what is found already.
        if (starts.size() == limit) break;
      } else if (inside.size() < limit) {
        inside.push_back({&category, &e});
      }
    }
    if (starts.size() == limit) break;
  }
  for (const std::vector<Found>* group : {&starts, &inside}) {
    for (const Found& f : *group) {
      if (hits.size() == limit) return hits;
      std::string path(root);
      if (!f.category->empty()) path += kSeparator + *f.category;
      path += kSeparator + f.entry->fileName;
      hits.push_back({f.entry->name, *f.category, std::move(path), f.entry->isFolder});
    }
  }
  return hits;
}

}  // namespace olb
