// Port: one small file of bytes, where a portable copy keeps its settings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace olb {

class SettingsFile {
 public:
  virtual ~SettingsFile() = default;

  // At most `limit` bytes from the start of the file; nullopt when it does
  // not exist or cannot be read.
  virtual std::optional<std::vector<uint8_t>> Load(size_t limit) = 0;

  // Replaces the whole file with `bytes`, so that a reader sees either the
  // old content or the new one, never a mix. False when it could not.
  virtual bool Save(const std::vector<uint8_t>& bytes) = 0;
};

}  // namespace olb
