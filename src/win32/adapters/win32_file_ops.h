// The file-operations port over SHFileOperationW and kernel32.
#pragma once

#include "core/platform/file_ops.h"

namespace olb::win {

class Win32FileOps : public FileOps {
 public:
  int32_t Run(const ShellFileOperation& operation) override;
  bool MakeDirectory(std::string_view path) override;
  bool MoveExactly(std::string_view from, std::string_view to) override;
  bool DirectoryExists(std::string_view path) override;
  bool FileExists(std::string_view path) override;
};

}  // namespace olb::win
