// UTF-8 inside, UTF-16 at the Windows API: the only place that converts.
#pragma once

#include <string>
#include <string_view>

namespace olb::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace olb::win
