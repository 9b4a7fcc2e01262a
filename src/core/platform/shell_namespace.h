// Port: the shell namespace as the folder view uses it.
//
// Identifier lists cross this port as blocks of the ShellAllocator: blocks
// handed in are borrowed, blocks handed out (OwnedPidl) belong to the caller.
// Every call that can fail answers an HResult so that the caller decides
// which failures are reported and which are ignored.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/platform/owned_pidl.h"
#include "core/platform/shell_result.h"

namespace olb {

// The file data the shell keeps for an item (the WIN32_FIND_DATA fields used).
// Times are UTC file times: 100 ns units since 1601-01-01; 0 means unknown.
struct FindData {
  uint32_t attributes = 0;  // kFile* bits
  uint64_t creationTime = 0;
  uint64_t lastAccessTime = 0;
  uint64_t lastWriteTime = 0;
  uint64_t size = 0;     // whole 64-bit size in bytes
  std::string fileName;  // the name on disk, extension included
};

// An enumeration in progress (IEnumIDList).
class ShellEnumerator {
 public:
  virtual ~ShellEnumerator() = default;
  // kResultOk with the next child's relative list; kResultFalse at the end;
  // a failure code when reading stops early.
  virtual HResult Next(OwnedPidl* item) = 0;
};

// One folder of the namespace (IShellFolder). Shared: the holder that bound it
// and the model that shows it may both keep it.
class ShellFolder {
 public:
  virtual ~ShellFolder() = default;

  // A display name relative to this folder (for the desktop: a full path) to
  // an identifier list relative to this folder.
  virtual HResult ParseDisplayName(std::string_view name, OwnedPidl* out) = 0;
  // The folder named by a list relative to this one.
  virtual HResult BindToFolder(const uint8_t* pidl, std::shared_ptr<ShellFolder>* out) = 0;
  // Starts listing the children; `flags` is a set of kEnum* bits.
  virtual HResult EnumObjects(uint32_t flags, std::unique_ptr<ShellEnumerator>* out) = 0;
  // Compares two relative lists in the folder's order for `column`: the low 16
  // bits of the result, read as a signed number, are negative, zero or positive.
  virtual HResult CompareIDs(int32_t column, const uint8_t* a, const uint8_t* b) = 0;
  // kNameNormal or kNameForParsing; the text is UTF-8.
  virtual HResult GetDisplayNameOf(const uint8_t* pidl, uint32_t kind, std::string* name) = 0;
  // Clears the bits of `*mask` (kItem*) that the item does not have.
  virtual HResult GetAttributesOf(const uint8_t* pidl, uint32_t* mask) = 0;
};

class ShellNamespace {
 public:
  virtual ~ShellNamespace() = default;

  // The namespace root; every path is parsed through it.
  virtual HResult GetDesktopFolder(std::shared_ptr<ShellFolder>* out) = 0;
  // The shell's type name of an item given by an absolute list; empty if unknown.
  virtual std::string TypeName(const uint8_t* absolutePidl) = 0;
  // Index of the item's icon in the system image lists (small or large).
  virtual int32_t SystemIconIndex(const uint8_t* absolutePidl, bool smallIcon) = 0;
  // The icon of an item's kind, from its file name's extension and its
  // attributes alone: no file is opened (a shortcut gets the generic icon of
  // its type, not its target's).
  virtual int32_t KindIconIndex(std::string_view fileName, uint32_t attributes, bool smallIcon) = 0;
  // The file data of a child of `folder`.
  virtual HResult GetFindData(ShellFolder& folder, const uint8_t* relativePidl, FindData* out) = 0;
  // The system's message text for a result code, as the error box shows it.
  virtual std::string MessageText(HResult result) = 0;
};

}  // namespace olb
