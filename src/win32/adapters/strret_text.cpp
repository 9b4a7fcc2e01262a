#include "win32/adapters/strret_text.h"

#include <cstring>

#include "core/folder/pidl.h"
#include "win32/base/unicode.h"

namespace olb::win {

std::string TakeStrRetText(STRRET& value, const void* pidl, ShellAllocator& allocator) {
  switch (value.uType) {
    case STRRET_WSTR: {
      wchar_t* wide = value.pOleStr;
      value.pOleStr = nullptr;
      std::string text = wide ? Narrow(wide) : std::string();
      allocator.Free(wide);
      return text;
    }
    case STRRET_OFFSET: {
      const std::string ansi =
          TextInPidl(PidlBlock(allocator, static_cast<const uint8_t*>(pidl)), value.uOffset);
      return AnsiToUtf8(ansi);
    }
    case STRRET_CSTR: {
      const size_t length = strnlen(value.cStr, sizeof value.cStr);
      return AnsiToUtf8(std::string_view(value.cStr, length));
    }
    default:
      return {};
  }
}

}  // namespace olb::win
