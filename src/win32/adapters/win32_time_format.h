// The time format port over kernel32's time conversions and the user's
// locale formats.
#pragma once

#include "core/platform/time_format.h"

namespace olb::win {

class Win32TimeFormat : public TimeFormat {
 public:
  std::optional<SystemTime> FileTimeToLocal(uint64_t fileTime) override;
  std::string ShortDate(const SystemTime& t) override;
  std::string LongTime(const SystemTime& t) override;
};

}  // namespace olb::win
