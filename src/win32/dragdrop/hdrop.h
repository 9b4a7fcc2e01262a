// File-list blocks in global memory: read safely from a drop, made for a drag.
#pragma once

#include <windows.h>

#include <optional>

#include "core/dragdrop/drop_files.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

// The names of a file-list block, read within the block's own size (wide or
// 8-bit names); nullopt when it is not a well-formed block.
std::optional<FileList> ReadFileListBlock(HGLOBAL block);

// A new movable, shareable block with the names in UTF-16; empty on failure.
GlobalMemory NewFileListBlock(const FileList& files);

}  // namespace olb::win
