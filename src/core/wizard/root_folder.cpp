#include "core/wizard/root_folder.h"

#include "core/paths/path_text.h"

namespace olb {

std::string RootPathFor(std::string_view appDataFolder) {
  // A folder at a drive root already ends with its separator.
  std::string path = FolderPrefix(appDataFolder);
  path += kRootFolderName;
  path += '\\';
  return path;
}

}  // namespace olb
