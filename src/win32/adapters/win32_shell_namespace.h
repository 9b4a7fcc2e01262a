// The shell namespace port over the desktop folder, SHGetFileInfo and
// SHGetDataFromIDList.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/platform/shell_namespace.h"

namespace olb::win {

// The item's index in the system image lists, from SHGetFileInfo (0 when it
// gives none). May be called from any thread that has initialised COM.
int32_t ShellIconIndex(const uint8_t* absolutePidl, bool smallIcon);
// The same for a file-system path.
int32_t ShellIconIndexOfPath(const std::wstring& path, bool smallIcon);
// The system image list of small or large icons, shared and kept by the
// shell (never destroyed by the program).
HIMAGELIST SystemImageList(bool smallIcon);

class Win32ShellNamespace : public ShellNamespace {
 public:
  // `owner`: the window the shell may show its own dialogs over.
  Win32ShellNamespace(ShellAllocator& allocator, HWND owner)
      : allocator_(allocator), owner_(owner) {}

  HResult GetDesktopFolder(std::shared_ptr<ShellFolder>* out) override;
  std::string TypeName(const uint8_t* absolutePidl) override;
  int32_t SystemIconIndex(const uint8_t* absolutePidl, bool smallIcon) override;
  int32_t KindIconIndex(std::string_view fileName, uint32_t attributes, bool smallIcon) override;
  // `folder` must come from this namespace; any other gives E_INVALIDARG.
  HResult GetFindData(ShellFolder& folder, const uint8_t* relativePidl, FindData* out) override;
  std::string MessageText(HResult result) override;

 private:
  ShellAllocator& allocator_;
  HWND owner_;
};

}  // namespace olb::win
