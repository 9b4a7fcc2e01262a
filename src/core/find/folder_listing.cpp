#include "core/find/folder_listing.h"

#include <algorithm>

#include "core/folder/folder_model.h"

namespace olb {

FolderListing ListFolder(ShellNamespace& shell, std::string_view path) {
  FolderListing listing{std::string(path), false, {}};
  std::shared_ptr<ShellFolder> desktop, folder;
  OwnedPidl absolute;
  std::unique_ptr<ShellEnumerator> children;
  // A drive's root keeps its backslash: "C:" alone names the drive's
  // current folder.
  const std::string parsed =
      path.size() == 2 && path[1] == ':' ? listing.path + '\\' : listing.path;
  if (Failed(shell.GetDesktopFolder(&desktop)) || !desktop ||
      Failed(desktop->ParseDisplayName(parsed, &absolute)) || !absolute ||
      Failed(desktop->BindToFolder(absolute.get(), &folder)) || !folder ||
      Failed(folder->EnumObjects(kEnumEverything, &children)) || !children) {
    return listing;
  }
  std::vector<OwnedPidl> items;
  OwnedPidl relative;
  while (children->Next(&relative) == kResultOk) {
    if (relative) items.push_back(std::move(relative));
  }
  std::stable_sort(items.begin(), items.end(), [&folder](const OwnedPidl& a, const OwnedPidl& b) {
    return OrderFromCompareResult(folder->CompareIDs(0, a.get(), b.get())) < 0;
  });
  listing.entries.reserve(items.size());
  for (const OwnedPidl& item : items) {
    ListedEntry entry;
    std::string parse;
    if (Failed(folder->GetDisplayNameOf(item.get(), kNameNormal, &entry.name)) ||
        Failed(folder->GetDisplayNameOf(item.get(), kNameForParsing, &parse))) {
      continue;
    }
    const size_t slash = parse.find_last_of("\\/");
    entry.fileName = slash == std::string::npos ? parse : parse.substr(slash + 1);
    if (entry.fileName.empty()) continue;
    uint32_t mask = kItemIsFolder;
    folder->GetAttributesOf(item.get(), &mask);
    entry.isFolder = (mask & kItemIsFolder) != 0;
    listing.entries.push_back(std::move(entry));
  }
  listing.ok = true;
  return listing;
}

}  // namespace olb
