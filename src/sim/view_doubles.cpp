#include "sim/view_doubles.h"

#include <algorithm>
#include <cstdio>

namespace olb::sim {

std::vector<int32_t> ListControl::SelectedIndexes() {
  std::vector<int32_t> rows = alsoSelected;
  if (selected) rows.push_back(*selected);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::erase_if(rows, [this](int32_t row) { return row < 0 || row >= itemCount; });
  return rows;
}

namespace {

// Days since 1601-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(int64_t days, SystemTime& t) {
  // Shift to days since 0000-03-01, the start of a 400-year era.
  const int64_t z = days + 584694;
  const int64_t era = z / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  t.year = static_cast<uint16_t>(year);
  t.month = static_cast<uint16_t>(month);
  t.day = static_cast<uint16_t>(day);
  t.dayOfWeek = static_cast<uint16_t>((days + 1) % 7);  // 1601-01-01 was a Monday
}

}  // namespace

std::optional<SystemTime> FixedZoneTimeFormat::FileTimeToLocal(uint64_t fileTime) {
  constexpr int64_t kTicksPerMinute = 600000000;
  const int64_t shift = static_cast<int64_t>(offsetMinutes_) * kTicksPerMinute;
  // FileTimeToSystemTime refuses values with the top bit set.
  if (fileTime >= (1ull << 63)) return std::nullopt;
  const int64_t local = static_cast<int64_t>(fileTime) + shift;
  if (local < 0) return std::nullopt;
  constexpr int64_t kTicksPerMs = 10000;
  const int64_t ms = local / kTicksPerMs;
  const int64_t days = ms / 86400000;
  int64_t rest = ms % 86400000;
  SystemTime t;
  CivilFromDays(days, t);
  t.hour = static_cast<uint16_t>(rest / 3600000);
  rest %= 3600000;
  t.minute = static_cast<uint16_t>(rest / 60000);
  rest %= 60000;
  t.second = static_cast<uint16_t>(rest / 1000);
  t.milliseconds = static_cast<uint16_t>(rest % 1000);
  return t;
}

std::string FixedZoneTimeFormat::ShortDate(const SystemTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%u/%u/%04u", t.month, t.day, t.year);
  return text;
}

std::string FixedZoneTimeFormat::LongTime(const SystemTime& t) {
  const unsigned hour12 = t.hour % 12 == 0 ? 12u : t.hour % 12u;
  char text[32];
  std::snprintf(text, sizeof text, "%u:%02u:%02u %s", hour12, t.minute, t.second,
                t.hour < 12 ? "AM" : "PM");
  return text;
}

}  // namespace olb::sim
