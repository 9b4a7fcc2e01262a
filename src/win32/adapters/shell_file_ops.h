// The file-operations port over SHFileOperationW and kernel32.
#pragma once

#include "core/platform/file_ops.h"

namespace olb::win {

class ShellFileOps : public FileOps {
 public:
  int32_t Run(const ShellFileOperation& operation) override;
  bool MakeDirectory(std::string_view path) override;
  bool DirectoryExists(std::string_view path) override;
  bool FileExists(std::string_view path) override;
  bool MakeShortcut(std::string_view linkPath, std::string_view target) override;
};

}  // namespace olb::win
