// Whether a pointer that came with a window message can be read: a message
// posted by another program carries any number it likes.
#pragma once

#include <cstddef>

namespace olb::win {

// True when all `size` bytes from `at` are committed, readable memory of
// this process.
bool IsReadable(const void* at, size_t size);

}  // namespace olb::win
