// TKrFileDropSource: runs an OLE drag that offers its `Files` as a shell
// file list (CF_HDROP), for the copy and move the target chooses.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "core/dragdrop/drop_effects.h"
#include "core/dragdrop/drop_files.h"
#include "win32/base/com_ptr.h"

namespace olb::win {

class TKrFileDropSource {
 public:
  // The bar starts its drags itself, from the list's mouse handlers.
  HWND DragControl = nullptr;
  TDropEffects DropEffects{TDropEffect::deNone};
  FileList Files;

  // Runs the drag until the drop or the cancel. `effects` is what the
  // target reported.
  TDropResult DragDrop(TDropEffects& effects);
};

// The data object of a drag: a copy of the paths, served as new file-list
// blocks; owned by whoever holds its references.
ComPtr<IDataObject> NewFileDataObject(const FileList& files);

}  // namespace olb::win
