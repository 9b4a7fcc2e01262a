#include "win32/adapters/win32_time_format.h"

#include <windows.h>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

SYSTEMTIME ToSystem(const SystemTime& t) {
  return {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds};
}

}  // namespace

std::optional<SystemTime> Win32TimeFormat::FileTimeToLocal(uint64_t fileTime) {
  const FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
  FILETIME local{};
  SYSTEMTIME st{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) {
    return std::nullopt;
  }
  return SystemTime{st.wYear, st.wMonth,  st.wDayOfWeek, st.wDay,
                    st.wHour, st.wMinute, st.wSecond,    st.wMilliseconds};
}

std::string Win32TimeFormat::ShortDate(const SystemTime& t) {
  const SYSTEMTIME st = ToSystem(t);
  wchar_t text[128] = {};
  if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, 128)) return {};
  return Narrow(text);
}

std::string Win32TimeFormat::LongTime(const SystemTime& t) {
  const SYSTEMTIME st = ToSystem(t);
  wchar_t text[128] = {};
  if (!GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, 128)) return {};
  return Narrow(text);
}

}  // namespace olb::win
