// Shell name strings from outside bytes: text at an offset inside an
// identifier list (a STRRET answer of kind offset) is read no further than
// the list's block, and wide names from the shell survive the trip to UTF-8
// and back (the same text, once any bad sequence is replaced).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/platform/utf16.h"
#include "core/folder/pidl.h"
#include "fuzz_input.h"
#include "sim/tracking_allocator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  if (size < 2) return 0;
  sim::TrackingAllocator allocator;
  const size_t offset = static_cast<size_t>(data[0]) << 8 | data[1];
  const size_t bytes = size - 2;
  {
    auto* block = static_cast<uint8_t*>(allocator.Alloc(bytes));
    if (bytes) std::memcpy(block, data + 2, bytes);
    const std::string text = TextInPidl(PidlBlock(allocator, block), offset);
    if (text.size() > bytes || text.find('\0') != std::string::npos) std::abort();
    allocator.Free(block);
  }

  // The same bytes as a wide name (STRRET_WSTR) and as UTF-8 text.
  std::u16string wide(bytes / 2, u'\0');
  std::memcpy(wide.data(), data + 2, wide.size() * 2);
  const std::string utf8 = Utf16ToUtf8(wide);
  if (Utf16ToUtf8(Utf8ToUtf16(utf8)) != utf8) std::abort();
  const std::string_view raw(reinterpret_cast<const char*>(data + 2), bytes);
  const std::u16string back = Utf8ToUtf16(raw);
  if (Utf8ToUtf16(Utf16ToUtf8(back)) != back) std::abort();
  return allocator.liveBlocks() == 0 ? 0 : (std::abort(), 0);
}
