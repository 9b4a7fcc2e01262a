// A shell namespace over the real Linux file system that answers like the
// Windows shell's file-system folders, with paths shown the way Wine maps
// them (drive Z: is the Linux root):
//  - the desktop parses "Z:\dir\name" (either slash; letter case is tried
//    exactly first, then without case, as Wine looks names up);
//  - folders come before files, and names compare without case;
//  - a shortcut's extension (.lnk, .url) never shows in a normal name, and
//    HideKnownExtensions hides every known one as Windows does by default;
//  - file data and hidden/system attributes follow Wine's rules for Linux files.
// Fault hooks make parse, bind, enumeration and file data fail on demand.
#pragma once

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "core/platform/shell_namespace.h"
#include "sim/linux/fs_pidl.h"

namespace olb::sim {

struct FsFaults {
  HResult desktop = kResultOk;    // GetDesktopFolder
  HResult parse = kResultOk;      // ParseDisplayName
  HResult bind = kResultOk;       // BindToFolder
  HResult enumerate = kResultOk;  // EnumObjects
  HResult next = kResultOk;       // Next, once `nextAfter` items have come
  int nextAfter = 0;
  HResult findData = kResultOk;     // GetFindData
  HResult attributes = kResultOk;   // GetAttributesOf (leaves the mask alone)
  HResult displayName = kResultOk;  // GetDisplayNameOf
};

struct FsCallCounts {
  int enumerations = 0;
  int typeNames = 0;
  int iconIndexes = 0;
  int kindIcons = 0;
  int smallIconIndexes = 0;  // of iconIndexes, those asked for the small list
  int findData = 0;
  int itemNames = 0;  // display names asked for in a folder (not for parsing)
};

class FsNamespace : public ShellNamespace {
 public:
  explicit FsNamespace(ShellAllocator& allocator);

  HResult GetDesktopFolder(std::shared_ptr<ShellFolder>* out) override;
  std::string TypeName(const uint8_t* absolutePidl) override;
  // A shortcut (.lnk, .url) gets its target's icon with the arrow, 4; its
  // kind icon is the generic file's, 0.
  int32_t SystemIconIndex(const uint8_t* absolutePidl, bool smallIcon) override;
  int32_t KindIconIndex(std::string_view fileName, uint32_t attributes, bool smallIcon) override;
  HResult GetFindData(ShellFolder& folder, const uint8_t* relativePidl, FindData* out) override;
  std::string MessageText(HResult result) override;

  // Windows' default "hide extensions of known file types".
  void HideKnownExtensions(bool hide) { hideKnown_ = hide; }
  void SetKnownExtensions(std::set<std::string> lowerExtensions) {
    known_ = std::move(lowerExtensions);
  }
  // The normal display name of a child named `name` on disk.
  std::string NormalName(const std::string& name, bool isFolder) const;

  FsFaults& faults() { return faults_; }
  const FsCallCounts& calls() const { return calls_; }
  FsCallCounts& mutableCalls() { return calls_; }
  ShellAllocator& allocator() { return allocator_; }

  // Elements of a list from this namespace's allocator; nullopt if foreign.
  std::optional<FsElements> Read(const uint8_t* pidl);

 private:
  ShellAllocator& allocator_;
  FsFaults faults_;
  FsCallCounts calls_;
  bool hideKnown_ = false;
  std::set<std::string> known_;
};

// The Linux path of a Windows-form path ("Z:\a\b", "z:/a/b"); nullopt for
// anything not on drive Z:.
std::optional<std::filesystem::path> LinuxPathOfWindowsPath(std::string_view path);

}  // namespace olb::sim
