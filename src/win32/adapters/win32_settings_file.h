// The settings file port over kernel32: a whole-file replace through a
// temporary file beside it, so a stick pulled out mid-write leaves the old
// settings.
#pragma once

#include <string>

#include "core/platform/settings_file.h"

namespace olb::win {

class Win32SettingsFile : public SettingsFile {
 public:
  explicit Win32SettingsFile(std::string path) : path_(std::move(path)) {}

  std::optional<std::vector<uint8_t>> Load(size_t limit) override;
  bool Save(const std::vector<uint8_t>& bytes) override;

 private:
  std::string path_;  // UTF-8
};

}  // namespace olb::win
