#include "core/folder/item_presentation.h"

#include "core/paths/path_text.h"
#include "core/platform/shell_result.h"

namespace olb {

int64_t SizeKBFromBytes(uint64_t bytes) {
  const uint64_t kb = bytes / 1000;
  return kb == 0 ? 1 : static_cast<int64_t>(kb);
}

std::string SizeText(int64_t sizeKB) {
  return std::to_string(sizeKB) + "KB";
}

std::string AttributeLetters(uint32_t attributes) {
  std::string letters;
  if (attributes & kFileReadOnly) letters += 'R';
  if (attributes & kFileHidden) letters += 'H';
  if (attributes & kFileSystem) letters += 'S';
  if (attributes & kFileArchive) letters += 'A';
  return letters;
}

ItemColor ItemTextColor(uint32_t attributes) {
  ItemColor color = ItemColor::ListFont;
  if (attributes & kFileReadOnly) color = ItemColor::Highlight;
  if (attributes & kFileHidden) color = ItemColor::GrayText;
  if (attributes & kFileSystem) color = ItemColor::Highlight;
  return color;
}

namespace {

bool IsLeapYear(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// The runtime's date-time value holds years 1 to 9999 and real calendar days.
bool IsRepresentable(const SystemTime& t) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12) return false;
  const int days = kDays[t.month - 1] + (t.month == 2 && IsLeapYear(t.year) ? 1 : 0);
  return t.day >= 1 && t.day <= days && t.hour < 24 && t.minute < 60 && t.second < 60 &&
         t.milliseconds < 1000;
}

}  // namespace

std::string ModifiedText(TimeFormat& format, uint64_t lastWriteTime) {
  if (lastWriteTime == 0) return {};
  const std::optional<SystemTime> local = format.FileTimeToLocal(lastWriteTime);
  if (!local || !IsRepresentable(*local)) return {};
  std::string text = format.ShortDate(*local);
  const bool midnight =
      local->hour == 0 && local->minute == 0 && local->second == 0 && local->milliseconds == 0;
  if (!midnight) {
    text += ' ';
    text += format.LongTime(*local);
  }
  return text;
}

std::optional<int32_t> FindByPrefix(int32_t count,
                                    const std::function<std::string_view(int32_t)>& nameAt,
                                    std::string_view text, int32_t start, bool wrap) {
  if (count <= 0) return std::nullopt;
  const int32_t first = start < 0 ? 0 : start;
  for (int32_t i = first; i < count; ++i) {
    if (StartsWithNoCase(nameAt(i), text)) return i;
  }
  if (!wrap) return std::nullopt;
  const int32_t wrapEnd = first < count ? first : count;
  for (int32_t i = 0; i < wrapEnd; ++i) {
    if (StartsWithNoCase(nameAt(i), text)) return i;
  }
  return std::nullopt;
}

FindKind FindKindFromFlags(uint32_t flags) {
  constexpr uint32_t kParam = 0x0001, kString = 0x0002, kPartial = 0x0008, kNearest = 0x0040;
  if (flags & kParam) return FindKind::Data;
  if (flags & kPartial) return FindKind::PartialString;
  if (flags & kString) return FindKind::ExactString;
  if (flags & kNearest) return FindKind::Nearest;
  return FindKind::ExactString;
}

bool CacheHintInRange(int32_t from, int32_t to, int32_t count) {
  return from >= 0 && to >= 0 && from < count && to < count;
}

}  // namespace olb
