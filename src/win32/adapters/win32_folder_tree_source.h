// The folder tree source on a worker thread: it reads the folders asked for
// through the shell and watches the whole tree under the root for names
// made, renamed and deleted (ReadDirectoryChangesW over the subtree).
#pragma once

#include <windows.h>

#include <memory>

#include "core/platform/folder_tree_source.h"

namespace olb::win {

class Win32FolderTreeSource : public FolderTreeSource {
 public:
  // `message` goes to `notify` once while news waits.
  Win32FolderTreeSource(HWND notify, UINT message);
  ~Win32FolderTreeSource() override;
  Win32FolderTreeSource(const Win32FolderTreeSource&) = delete;
  Win32FolderTreeSource& operator=(const Win32FolderTreeSource&) = delete;

  void Watch(std::string_view root) override;
  void List(std::string path) override;
  TreeNews Take() override;

  struct Shared;

 private:
  void Wake();
  std::shared_ptr<Shared> shared_;
};

}  // namespace olb::win
