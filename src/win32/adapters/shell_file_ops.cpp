#include "win32/adapters/shell_file_ops.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "core/view/launch_rules.h"
#include "win32/base/com_ptr.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// The core builds UTF-16 lists; on Windows char16_t and wchar_t are both
// 16-bit code units.
const wchar_t* Wide(const std::u16string& s) {
  return reinterpret_cast<const wchar_t*>(s.c_str());
}

DWORD AttributesOf(std::string_view path) {
  return GetFileAttributesW(Widen(path).c_str());
}

}  // namespace

int32_t ShellFileOps::Run(const ShellFileOperation& op) {
  SHFILEOPSTRUCTW s{};
  s.hwnd = nullptr;
  s.wFunc = static_cast<UINT>(op.function);
  s.pFrom = Wide(op.from);
  s.pTo = Wide(op.to);
  s.fFlags = op.flags;
  s.lpszProgressTitle = op.progressTitle ? Wide(*op.progressTitle) : nullptr;
  return SHFileOperationW(&s);
}

bool ShellFileOps::MakeDirectory(std::string_view path) {
  return CreateDirectoryW(Widen(path).c_str(), nullptr) != 0;
}

bool ShellFileOps::DirectoryExists(std::string_view path) {
  const DWORD a = AttributesOf(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool ShellFileOps::FileExists(std::string_view path) {
  const DWORD a = AttributesOf(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool ShellFileOps::MakeShortcut(std::string_view linkPath, std::string_view target) {
  if (AttributesOf(linkPath) != INVALID_FILE_ATTRIBUTES) return false;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link.PutVoid()))) {
    return false;
  }
  if (FAILED(link->SetPath(Widen(target).c_str()))) return false;
  link->SetWorkingDirectory(Widen(PathFolder(target)).c_str());
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return false;
  return SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE));
}

}  // namespace olb::win
