// How an item's details look in the list: pure rules on values.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/time_format.h"

namespace olb {

// Bytes to the size column's unit: whole 64-bit size / 1000, at least 1.
int64_t SizeKBFromBytes(uint64_t bytes);

// "%dKB".
std::string SizeText(int64_t sizeKB);

// "R", "H", "S", "A" in that order for read-only, hidden, system, archive.
std::string AttributeLetters(uint32_t attributes);

enum class ItemColor {
  ListFont,   // the list's own font colour
  Highlight,  // COLOR_HIGHLIGHT
  GrayText,   // COLOR_GRAYTEXT
};

// Read-only, then hidden, then system: a later match wins.
ItemColor ItemTextColor(uint32_t attributes);

// The last-write time as text: empty for 0, for a failed conversion and for a
// time the date-time value cannot hold; the date alone at exactly midnight.
std::string ModifiedText(TimeFormat& format, uint64_t lastWriteTime);

// Type-ahead: the first index from `start` to the end, then (with `wrap`)
// from 0 to the one before `start`, whose name starts with `text`. Only
// indexes in [0, count) are visited, each at most once, whatever `start` is.
std::optional<int32_t> FindByPrefix(int32_t count,
                                    const std::function<std::string_view(int32_t)>& nameAt,
                                    std::string_view text, int32_t start, bool wrap);

// What the control asks for in a find request.
enum class FindKind { Data, PartialString, ExactString, Nearest };

// The kind of a list-view find request from its LVFI_* flags.
FindKind FindKindFromFlags(uint32_t flags);

// Whether a cache hint for [from, to] lies wholly inside [0, count).
bool CacheHintInRange(int32_t from, int32_t to, int32_t count);

}  // namespace olb
