#include "win32/adapters/win32_shell_folder.h"

#include "win32/adapters/strret_text.h"
#include "win32/base/unicode.h"

namespace olb::win {

HResult Win32ShellEnumerator::Next(OwnedPidl* item) {
  *item = OwnedPidl();
  if (!items_) return S_FALSE;
  LPITEMIDLIST pidl = nullptr;
  ULONG fetched = 0;
  const HRESULT hr = items_->Next(1, &pidl, &fetched);
  if (pidl) *item = OwnedPidl(allocator_, reinterpret_cast<uint8_t*>(pidl));
  // An enumerator that says S_OK but hands nothing over has nothing more.
  if (hr == S_OK && fetched == 0) return S_FALSE;
  return hr;
}

HResult Win32ShellFolder::ParseDisplayName(std::string_view name, OwnedPidl* out) {
  *out = OwnedPidl();
  // The shell may write into the name it is given: pass a copy.
  std::wstring wide = Widen(name);
  ULONG eaten = 0;
  ULONG attributes = 0;
  LPITEMIDLIST pidl = nullptr;
  const HRESULT hr =
      folder_->ParseDisplayName(owner_, nullptr, wide.data(), &eaten, &pidl, &attributes);
  if (pidl) *out = OwnedPidl(allocator_, reinterpret_cast<uint8_t*>(pidl));
  if (SUCCEEDED(hr) && !pidl) return E_FAIL;
  return hr;
}

HResult Win32ShellFolder::BindToFolder(const uint8_t* pidl, std::shared_ptr<ShellFolder>* out) {
  out->reset();
  ComPtr<IShellFolder> child;
  const HRESULT hr =
      folder_->BindToObject(AsIdList(pidl), nullptr, IID_IShellFolder, child.PutVoid());
  if (FAILED(hr)) return hr;
  if (!child) return E_FAIL;
  *out = std::make_shared<Win32ShellFolder>(std::move(child), allocator_, owner_);
  return hr;
}

HResult Win32ShellFolder::EnumObjects(uint32_t flags, std::unique_ptr<ShellEnumerator>* out) {
  out->reset();
  ComPtr<IEnumIDList> items;
  const HRESULT hr = folder_->EnumObjects(owner_, flags, items.Put());
  if (FAILED(hr)) return hr;
  // S_FALSE without an enumerator: the folder has nothing to list.
  *out = std::make_unique<Win32ShellEnumerator>(std::move(items), allocator_);
  return hr;
}

HResult Win32ShellFolder::CompareIDs(int32_t column, const uint8_t* a, const uint8_t* b) {
  return folder_->CompareIDs(static_cast<LPARAM>(column), AsIdList(a), AsIdList(b));
}

HResult Win32ShellFolder::GetDisplayNameOf(const uint8_t* pidl, uint32_t kind, std::string* name) {
  name->clear();
  STRRET value{};
  const HRESULT hr =
      folder_->GetDisplayNameOf(reinterpret_cast<PCUITEMID_CHILD>(pidl), kind, &value);
  if (FAILED(hr)) return hr;
  *name = TakeStrRetText(value, pidl, allocator_);
  return hr;
}

HResult Win32ShellFolder::GetAttributesOf(const uint8_t* pidl, uint32_t* mask) {
  SFGAOF attributes = *mask;
  PCUITEMID_CHILD items[1] = {reinterpret_cast<PCUITEMID_CHILD>(pidl)};
  const HRESULT hr = folder_->GetAttributesOf(1, items, &attributes);
  // A refused question leaves the mask as it was asked.
  if (SUCCEEDED(hr)) *mask = attributes;
  return hr;
}

}  // namespace olb::win
