// The folder tree source: a worker thread, started while folders wait to be
// read, reads them through the shell; the program's waiting thread watches
// the whole tree under the root for names made, renamed and deleted
// (ReadDirectoryChangesW over the subtree). The waiting thread only collects
// the names, so the shown folder's changes it also waits on stay prompt.
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
  class TreeWatch;
  std::shared_ptr<Shared> shared_;
  std::unique_ptr<TreeWatch> watch_;
};

}  // namespace olb::win
