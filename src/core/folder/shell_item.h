// One record per child of the folder shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/owned_pidl.h"

namespace olb {

struct ShellItem {
  OwnedPidl AbsPidl;        // CurrentPidl followed by RelPidl; built by the first detail fill
  OwnedPidl RelPidl;        // exactly as the folder's enumerator returned it
  bool NeedsName = true;    // ItemName is asked for when the list first needs it
  bool NeedsInfo = true;    // icon, size and attributes: what every view shows
  bool NeedsReport = true;  // type and time: shown in report style only
  bool NeedsIcon = false;   // its real icon's lookup was dropped: ask again when shown
  std::string ItemName;     // display name in its folder: the caption
  std::string FileType;
  std::string Modified;        // local last-write time as text; empty when unknown
  uint64_t LastWriteTime = 0;  // as the find data gave it, for Modified
  int32_t IconIndex = 0;
  // Whole 64-bit size in units of 1000 bytes, never below 1 once filled.
  int64_t SizeKB = 0;
  uint32_t FileAttributes = 0;  // kFile* bits
};

// Item i of the list control is record i.
using ItemList = std::vector<std::unique_ptr<ShellItem>>;

}  // namespace olb
