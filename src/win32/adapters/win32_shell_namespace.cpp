#include "win32/adapters/win32_shell_namespace.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cwchar>

#include "win32/adapters/win32_shell_folder.h"
#include "win32/base/system_error.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

uint64_t FileTimeValue(const FILETIME& t) {
  return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime;
}

// SHGetFileInfo takes an identifier list in place of a path with SHGFI_PIDL.
LPCWSTR PidlAsPath(const uint8_t* pidl) {
  return reinterpret_cast<LPCWSTR>(pidl);
}

}  // namespace

HResult Win32ShellNamespace::GetDesktopFolder(std::shared_ptr<ShellFolder>* out) {
  out->reset();
  ComPtr<IShellFolder> desktop;
  const HRESULT hr = SHGetDesktopFolder(desktop.Put());
  if (FAILED(hr)) return hr;
  if (!desktop) return E_FAIL;
  *out = std::make_shared<Win32ShellFolder>(std::move(desktop), allocator_, owner_);
  return hr;
}

std::string Win32ShellNamespace::TypeName(const uint8_t* absolutePidl) {
  if (!absolutePidl) return {};
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(PidlAsPath(absolutePidl), 0, &info, sizeof info,
                      SHGFI_PIDL | SHGFI_TYPENAME)) {
    return {};
  }
  return Narrow({info.szTypeName, wcsnlen(info.szTypeName, std::size(info.szTypeName))});
}

int32_t ShellIconIndex(const uint8_t* absolutePidl, bool smallIcon) {
  if (!absolutePidl) return 0;
  SHFILEINFOW info{};
  UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX;
  if (smallIcon) flags |= SHGFI_SMALLICON;
  // Only the index is kept; the returned image list is the shell's own.
  if (!SHGetFileInfoW(PidlAsPath(absolutePidl), 0, &info, sizeof info, flags)) return 0;
  return info.iIcon;
}

int32_t ShellIconIndexOfPath(const std::wstring& path, bool smallIcon) {
  // Through the item's identifier list, as the item list asks: a
  // shortcut's icon is its target's.
  PIDLIST_ABSOLUTE pidl = nullptr;
  if (path.empty() || FAILED(SHParseDisplayName(path.c_str(), nullptr, &pidl, 0, nullptr)) ||
      !pidl) {
    return 0;
  }
  const int32_t icon = ShellIconIndex(reinterpret_cast<const uint8_t*>(pidl), smallIcon);
  CoTaskMemFree(pidl);
  return icon;
}

HIMAGELIST SystemImageList(bool smallIcon) {
  SHFILEINFOW info{};
  UINT flags = SHGFI_SYSICONINDEX;
  if (smallIcon) flags |= SHGFI_SMALLICON;
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, flags));
}

int32_t Win32ShellNamespace::SystemIconIndex(const uint8_t* absolutePidl, bool smallIcon) {
  return ShellIconIndex(absolutePidl, smallIcon);
}

int32_t Win32ShellNamespace::KindIconIndex(std::string_view fileName, uint32_t attributes,
                                           bool smallIcon) {
  // With SHGFI_USEFILEATTRIBUTES the shell reads the name's extension and
  // the attributes given; it does not look at the file.
  const std::wstring name = fileName.empty() ? std::wstring(L"x") : Widen(fileName);
  SHFILEINFOW info{};
  UINT flags = SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX;
  if (smallIcon) flags |= SHGFI_SMALLICON;
  const DWORD attrs = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
  if (!SHGetFileInfoW(name.c_str(), attrs, &info, sizeof info, flags)) return 0;
  return info.iIcon;
}

HResult Win32ShellNamespace::GetFindData(ShellFolder& folder, const uint8_t* relativePidl,
                                         FindData* out) {
  *out = FindData{};
  auto* shellFolder = dynamic_cast<Win32ShellFolder*>(&folder);
  if (!shellFolder || !relativePidl) return E_INVALIDARG;
  WIN32_FIND_DATAW data{};
  const HRESULT hr =
      SHGetDataFromIDListW(shellFolder->get(), reinterpret_cast<PCUITEMID_CHILD>(relativePidl),
                           SHGDFIL_FINDDATA, &data, sizeof data);
  if (FAILED(hr)) return hr;
  out->attributes = data.dwFileAttributes;
  out->creationTime = FileTimeValue(data.ftCreationTime);
  out->lastAccessTime = FileTimeValue(data.ftLastAccessTime);
  out->lastWriteTime = FileTimeValue(data.ftLastWriteTime);
  out->size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  out->fileName = Narrow({data.cFileName, wcsnlen(data.cFileName, std::size(data.cFileName))});
  return hr;
}

std::string Win32ShellNamespace::MessageText(HResult result) {
  return SystemMessage(result);
}

}  // namespace olb::win
