#include <gtest/gtest.h>
#include <windows.h>

#include "core/settings/options_store.h"
#include "win32/adapters/win32_registry.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

constexpr char kTestKey[] = "Software\\Vantrel Software\\Ovel Launch Bar Tests";

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kTestKey).c_str()); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kTestKey).c_str()); }
  Win32Registry reg;
};

TEST_F(Win32RegistryTest, MissingKeyOrValueReadsAsAbsent) {
  EXPECT_FALSE(reg.Read(RegistryRoot::CurrentUser, kTestKey, "Options"));
  ASSERT_TRUE(reg.Write(RegistryRoot::CurrentUser, kTestKey, "Other", {REG_BINARY, {1}}));
  EXPECT_FALSE(reg.Read(RegistryRoot::CurrentUser, kTestKey, "Options"));
}

TEST_F(Win32RegistryTest, CreatesKeyAndRoundTripsBinaryOfAnyLength) {
  for (size_t length : {0u, 1u, 48u, 49u, 5000u}) {
    std::vector<uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    ASSERT_TRUE(reg.Write(RegistryRoot::CurrentUser, kTestKey, "Blob", {REG_BINARY, bytes}));
    auto got = reg.Read(RegistryRoot::CurrentUser, kTestKey, "Blob");
    ASSERT_TRUE(got);
    EXPECT_EQ(got->type, static_cast<uint32_t>(REG_BINARY));
    EXPECT_EQ(got->data, bytes) << length;
  }
}

TEST_F(Win32RegistryTest, StringsAreUtf8InsideAndWideInTheRegistry) {
  const std::string text = "C:\\Programme\\\xD0\x91\xD0\xB0\xD1\x80 \xF0\x9F\x9A\x80.exe";
  ASSERT_TRUE(reg.Write(RegistryRoot::CurrentUser, kTestKey, "Name \xC3\xA9",
                        {REG_SZ, {text.begin(), text.end()}}));
  wchar_t raw[128] = {};
  DWORD size = sizeof raw;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, Widen(kTestKey).c_str(), L"Name \u00e9", RRF_RT_REG_SZ,
                         nullptr, raw, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(raw), Widen(text));
  auto got = reg.Read(RegistryRoot::CurrentUser, kTestKey, "NAME \xC3\xA9");
  ASSERT_TRUE(got);
  EXPECT_EQ(std::string(got->data.begin(), got->data.end()), text);
}

TEST(OptionsInRegistry, WritesFortyEightBytesUnderTheBarsKey) {
  Win32Registry reg;
  BarOptions live = DefaultOptions({1, 2, 3, 4});
  live.Edge = Edge::Bottom;
  ASSERT_TRUE(WriteOptions(reg, live));

  BYTE raw[64] = {};
  DWORD size = sizeof raw, type = 0;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vantrel Software\\Ovel Launch Bar",
                         L"Options", RRF_RT_ANY, &type, raw, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(size, 48u);
  EXPECT_EQ(raw[0], 48);
  EXPECT_EQ(raw[4], 3);
  EXPECT_EQ(ReadOptions(reg, InitialOptions(), {}).live, live);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vantrel Software\\Ovel Launch Bar", L"Options");
}

}  // namespace
}  // namespace olb::win
