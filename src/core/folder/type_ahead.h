// Type-ahead in the item list: the characters typed without a pause select
// the first item whose name starts with them, spaces included; the same
// letter typed again steps through the items it starts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/folder/folder_model.h"

namespace olb {

// A pause this long (milliseconds) starts a new search.
inline constexpr uint32_t kTypeAheadPauseMs = 1000;

struct TypedResult {
  bool taken = false;            // false: the character is left to the control
  std::optional<int32_t> found;  // the item to select, if any
};

class TypeAhead {
 public:
  // One UTF-16 unit of a typed character at `timeMs` (the message's time,
  // which wraps), with `selected` the item selected now. Control characters
  // and a space that would start a search are not taken; half of a
  // surrogate pair is kept for the other.
  TypedResult OnChar(FolderModel& model, char16_t unit, uint32_t timeMs,
                     std::optional<int32_t> selected);
  // The text typed so far (UTF-8), which starts anew after this.
  std::string TakeTyped();

 private:
  std::u16string typed_;
  uint32_t lastTime_ = 0;
};

}  // namespace olb
