// The single owner of an image list the program made (never one of the
// system's shared lists, which belong to the shell).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "win32/base/unique_handle.h"

namespace olb::win {

using ImageList = UniqueHandle<ClosedBy<HIMAGELIST, ImageList_Destroy>>;

}  // namespace olb::win
