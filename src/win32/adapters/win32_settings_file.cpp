#include "win32/adapters/win32_settings_file.h"

#include <windows.h>

#include "win32/base/long_path.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

std::optional<std::vector<uint8_t>> Win32SettingsFile::Load(size_t limit) {
  const FileHandle file(CreateFileW(KernelPath(path_).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes(limit);
  size_t filled = 0;
  while (filled < limit) {
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(limit - filled), &got,
                  nullptr))
      return std::nullopt;
    if (got == 0) break;
    filled += got;
  }
  bytes.resize(filled);
  return bytes;
}

bool Win32SettingsFile::Save(const std::vector<uint8_t>& bytes) {
  const std::wstring target = KernelPath(path_);
  const std::wstring temporary = KernelPath(path_ + ".new");
  {
    const FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get())) {
      return false;
    }
  }
  if (MoveFileExW(temporary.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace olb::win
