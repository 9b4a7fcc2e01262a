#include <gtest/gtest.h>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

TEST(Unicode, RoundTripsEveryPlaneAndEmpty) {
  for (std::string s :
       {std::string(), std::string("plain"), std::string("\xC3\xA9t\xC3\xA9"),
        std::string("\xE6\x97\xA5\xE6\x9C\xAC"), std::string("\xF0\x9F\x9A\x80 x")}) {
    EXPECT_EQ(Narrow(Widen(s)), s);
  }
  EXPECT_EQ(Widen("\xF0\x9F\x9A\x80"), std::wstring(L"\xD83D\xDE80")) << "a surrogate pair";
}

TEST(Unicode, InvalidUtf8BecomesReplacementNotTruncation) {
  const std::wstring w = Widen(
      "a\xFF"
      "b");
  ASSERT_EQ(w.size(), 3u);
  EXPECT_EQ(w[0], L'a');
  EXPECT_EQ(w[2], L'b');
}

}  // namespace
}  // namespace olb::win
