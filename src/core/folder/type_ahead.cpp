#include "core/folder/type_ahead.h"

#include <algorithm>
#include <utility>

#include "core/folder/list_answers.h"
#include "core/platform/utf16.h"

namespace olb {

TypedResult TypeAhead::OnChar(FolderModel& model, char16_t unit, uint32_t timeMs,
                              std::optional<int32_t> selected) {
  if (unit < 0x20 || unit == 0x7F) return {};
  // Unsigned difference: right across the wrap of the message clock.
  if (timeMs - lastTime_ >= kTypeAheadPauseMs) typed_.clear();
  if (typed_.empty() && unit == u' ') return {};
  lastTime_ = timeMs;
  typed_ += unit;
  // The first half of a pair: the search waits for the second.
  if (unit >= 0xD800 && unit <= 0xDBFF) return {true, std::nullopt};

  const int32_t current = selected.value_or(-1);
  // One character, or the same one again and again: the next item it starts.
  // More: the selected item while it still matches, else the next that does.
  const bool repeated =
      std::all_of(typed_.begin(), typed_.end(), [this](char16_t c) { return c == typed_.front(); });
  std::u16string text = typed_;
  int32_t start = current;
  if (repeated) {
    text.resize(1);
    start = current + 1;
  }
  if (start < 0 || start >= model.ItemCount()) start = 0;
  return {true, FindItem(model, FindKind::PartialString, Utf16ToUtf8(text), start, true)};
}

std::string TypeAhead::TakeTyped() {
  return Utf16ToUtf8(std::exchange(typed_, {}));
}

}  // namespace olb
