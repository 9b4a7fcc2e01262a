// Port: tells the bar when the direct entries of the folder it shows change
// from outside (another program, a download, a file manager).
#pragma once

#include <string_view>

namespace olb {

class FolderWatcher {
 public:
  virtual ~FolderWatcher() = default;

  // Watches the direct entries of `path` from now on, in place of the folder
  // watched before; an empty path watches nothing. Changes reach the bar as
  // a message to its form (the controller's OnFolderChanged). False when
  // they cannot be delivered that way and must be polled with Poll instead.
  virtual bool Watch(std::string_view path) = 0;
  // For a watch that cannot deliver: true once after one or more changes
  // since the last call.
  virtual bool Poll() = 0;
};

}  // namespace olb
