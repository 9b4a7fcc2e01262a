// Port: reads folders of the tree under the root away from the window's
// thread and tells which of them change, for the find index.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/find/find_index.h"

namespace olb {

// What came in since it was last taken.
struct TreeNews {
  std::vector<FolderListing> listed;
  // Folders (full paths, no trailing backslash) whose direct entries changed.
  std::vector<std::string> changed;
  // Changes were missed (too many at once): every folder must be read again.
  bool lostTrack = false;
};

class FolderTreeSource {
 public:
  virtual ~FolderTreeSource() = default;

  // Watches the tree under `root` (full path, no trailing backslash) from
  // now on in place of any before; an empty root watches nothing. News of
  // the earlier root may still come and is the caller's to discard.
  virtual void Watch(std::string_view root) = 0;
  // Asks for the direct entries of the folder at `path`, read elsewhere.
  virtual void List(std::string path) = 0;
  // Takes what came in. The form gets kFindNewsMessage once while news waits.
  virtual TreeNews Take() = 0;
};

}  // namespace olb
