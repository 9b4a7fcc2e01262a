// UTF-8 <-> UTF-16 for the values that cross a port in the platform's wide
// encoding (the shell's path lists). Malformed input never stops a
// conversion: each bad sequence becomes U+FFFD, as the platform's own
// converters do.
#pragma once

#include <string>
#include <string_view>

namespace olb {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace olb
