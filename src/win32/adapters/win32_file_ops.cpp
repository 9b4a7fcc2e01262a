#include "win32/adapters/win32_file_ops.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/base/long_path.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// The core builds UTF-16 lists; on Windows char16_t and wchar_t are both
// 16-bit code units.
const wchar_t* Wide(const std::u16string& s) {
  return reinterpret_cast<const wchar_t*>(s.c_str());
}

DWORD AttributesOf(std::string_view path) {
  return GetFileAttributesW(KernelPath(path).c_str());
}

}  // namespace

int32_t Win32FileOps::Run(const ShellFileOperation& op) {
  SHFILEOPSTRUCTW s{};
  s.hwnd = nullptr;
  s.wFunc = static_cast<UINT>(op.function);
  s.pFrom = Wide(op.from);
  s.pTo = Wide(op.to);
  s.fFlags = op.flags;
  s.lpszProgressTitle = op.progressTitle ? Wide(*op.progressTitle) : nullptr;
  return SHFileOperationW(&s);
}

bool Win32FileOps::MakeDirectory(std::string_view path) {
  return CreateDirectoryW(KernelPath(path).c_str(), nullptr) != 0;
}

bool Win32FileOps::MoveExactly(std::string_view from, std::string_view to) {
  return MoveFileW(VerbatimPath(from).c_str(), VerbatimPath(to).c_str()) != 0;
}

bool Win32FileOps::DirectoryExists(std::string_view path) {
  const DWORD a = AttributesOf(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileOps::FileExists(std::string_view path) {
  const DWORD a = AttributesOf(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace olb::win
