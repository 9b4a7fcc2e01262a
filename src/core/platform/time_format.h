// Port: local time and the user's date and time formats.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace olb {

// A broken-down time as the platform's SYSTEMTIME.
struct SystemTime {
  uint16_t year = 0;
  uint16_t month = 0;  // 1..12
  uint16_t dayOfWeek = 0;
  uint16_t day = 0;  // 1..31
  uint16_t hour = 0;
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t milliseconds = 0;
};

class TimeFormat {
 public:
  virtual ~TimeFormat() = default;

  // A UTC file time (100 ns units since 1601-01-01) as local time;
  // nullopt when either conversion fails.
  virtual std::optional<SystemTime> FileTimeToLocal(uint64_t fileTime) = 0;
  // The user's short date and long time formats applied to a valid time.
  virtual std::string ShortDate(const SystemTime& t) = 0;
  virtual std::string LongTime(const SystemTime& t) = 0;
};

}  // namespace olb
