#include "core/wizard/root_folder.h"

namespace olb {

std::string RootPathFor(std::string_view appDataFolder) {
  std::string path(appDataFolder);
  // A folder at a drive root already ends with its separator.
  if (path.empty() || path.back() != '\\') path += '\\';
  path += kRootFolderName;
  path += '\\';
  return path;
}

}  // namespace olb
