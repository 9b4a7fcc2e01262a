// The shell folder and enumerator ports over IShellFolder and IEnumIDList.
#pragma once

#include <shlobj.h>

#include <memory>

#include "core/platform/shell_namespace.h"
#include "win32/base/com_ptr.h"

namespace olb::win {

class Win32ShellEnumerator : public ShellEnumerator {
 public:
  // `items` may be null: a folder that answered "nothing to list".
  Win32ShellEnumerator(ComPtr<IEnumIDList> items, ShellAllocator& allocator)
      : items_(std::move(items)), allocator_(allocator) {}
  HResult Next(OwnedPidl* item) override;

 private:
  ComPtr<IEnumIDList> items_;
  ShellAllocator& allocator_;
};

class Win32ShellFolder : public ShellFolder {
 public:
  // `owner` is the window the shell may show its own dialogs over.
  Win32ShellFolder(ComPtr<IShellFolder> folder, ShellAllocator& allocator, HWND owner)
      : folder_(std::move(folder)), allocator_(allocator), owner_(owner) {}

  HResult ParseDisplayName(std::string_view name, OwnedPidl* out) override;
  HResult BindToFolder(const uint8_t* pidl, std::shared_ptr<ShellFolder>* out) override;
  HResult EnumObjects(uint32_t flags, std::unique_ptr<ShellEnumerator>* out) override;
  HResult CompareIDs(int32_t column, const uint8_t* a, const uint8_t* b) override;
  HResult GetDisplayNameOf(const uint8_t* pidl, uint32_t kind, std::string* name) override;
  HResult GetAttributesOf(const uint8_t* pidl, uint32_t* mask) override;

  IShellFolder* get() const { return folder_.get(); }

 private:
  ComPtr<IShellFolder> folder_;
  ShellAllocator& allocator_;
  HWND owner_;
};

// The identifier-list pointer types of the shell, from the port's bytes.
inline PCUIDLIST_RELATIVE AsIdList(const uint8_t* pidl) {
  return reinterpret_cast<PCUIDLIST_RELATIVE>(pidl);
}

}  // namespace olb::win
