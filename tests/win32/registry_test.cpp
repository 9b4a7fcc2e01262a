#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "core/settings/options_store.h"
#include "core/wizard/autoload.h"
#include "win32/adapters/win32_registry.h"
#include "win32/base/module_path.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// A key of the test's own under the current user, standing in for the
// user's root: every write of a test lands below it, never in the user's
// real "Options" or Run values. Removed with everything in it.
class ScratchKey {
 public:
  ScratchKey() {
    path_ = L"Software\\Vantrel Software\\Ovel Launch Bar Tests\\" +
            std::to_wstring(GetCurrentProcessId());
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
  }
  ~ScratchKey() {
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  }
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;
  HKEY get() const { return key_; }

 private:
  std::wstring path_;
  HKEY key_ = nullptr;
};

struct RawValue {
  DWORD type = 0;
  std::vector<BYTE> bytes;
  friend bool operator==(const RawValue&, const RawValue&) = default;
};

// A value exactly as stored, or nullopt when it is absent.
std::optional<RawValue> Raw(HKEY root, const wchar_t* key, const wchar_t* name) {
  DWORD type = 0, size = 0;
  if (RegGetValueW(root, key, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  RawValue v{type, std::vector<BYTE>(size)};
  if (RegGetValueW(root, key, name, RRF_RT_ANY | RRF_NOEXPAND, &type, v.bytes.data(), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  v.bytes.resize(size);
  return v;
}

constexpr wchar_t kOptionsKeyW[] = L"Software\\Vantrel Software\\Ovel Launch Bar";
constexpr wchar_t kRunKeyW[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The user's real values, as they were.
struct RealValues {
  std::optional<RawValue> options = Raw(HKEY_CURRENT_USER, kOptionsKeyW, L"Options");
  std::optional<RawValue> run = Raw(HKEY_CURRENT_USER, kRunKeyW, L"Ovel Launch Bar");
  friend bool operator==(const RealValues&, const RealValues&) = default;
};

// Over the whole run of the Windows tests: the real values end as they began.
class RealValuesStay : public ::testing::Environment {
 public:
  void SetUp() override { before_ = RealValues{}; }
  void TearDown() override {
    EXPECT_TRUE(RealValues{} == before_) << "a test changed the user's real Options or Run value";
  }

 private:
  RealValues before_;
};
[[maybe_unused]] auto* const kRealValuesStay =
    ::testing::AddGlobalTestEnvironment(new RealValuesStay);

class Win32RegistryTest : public ::testing::Test {
 protected:
  ScratchKey scratch;
  Win32Registry reg{scratch.get()};
  const RealValues real;
  static constexpr char kKey[] = "Software\\Vantrel Software\\Ovel Launch Bar";

  void TearDown() override {
    // Byte for byte, present or absent, the user's values are as they were.
    EXPECT_TRUE(RealValues{} == real);
  }
};

TEST_F(Win32RegistryTest, MissingKeyOrValueReadsAsAbsent) {
  EXPECT_FALSE(reg.Read(RegistryRoot::CurrentUser, kKey, "Options"));
  ASSERT_TRUE(reg.Write(RegistryRoot::CurrentUser, kKey, "Other", {REG_BINARY, {1}}));
  EXPECT_FALSE(reg.Read(RegistryRoot::CurrentUser, kKey, "Options"));
}

TEST_F(Win32RegistryTest, CreatesKeyAndRoundTripsBinaryOfAnyLength) {
  for (size_t length : {0u, 1u, 48u, 49u, 5000u}) {
    std::vector<uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    ASSERT_TRUE(reg.Write(RegistryRoot::CurrentUser, kKey, "Blob", {REG_BINARY, bytes}));
    auto got = reg.Read(RegistryRoot::CurrentUser, kKey, "Blob");
    ASSERT_TRUE(got);
    EXPECT_EQ(got->type, static_cast<uint32_t>(REG_BINARY));
    EXPECT_EQ(got->data, bytes) << length;
  }
  EXPECT_TRUE(reg.DeleteValue(RegistryRoot::CurrentUser, kKey, "Blob"));
  EXPECT_FALSE(reg.Read(RegistryRoot::CurrentUser, kKey, "Blob"));
  EXPECT_TRUE(reg.DeleteValue(RegistryRoot::CurrentUser, kKey, "Blob"));  // gone is gone
}

TEST_F(Win32RegistryTest, StringsAreUtf8InsideAndWideInTheRegistry) {
  const std::string text = "C:\\Programme\\\xD0\x91\xD0\xB0\xD1\x80 \xF0\x9F\x9A\x80.exe";
  ASSERT_TRUE(reg.Write(RegistryRoot::CurrentUser, kKey, "Name \xC3\xA9",
                        {REG_SZ, {text.begin(), text.end()}}));
  wchar_t raw[128] = {};
  DWORD size = sizeof raw;
  ASSERT_EQ(
      RegGetValueW(scratch.get(), kOptionsKeyW, L"Name \u00e9", RRF_RT_REG_SZ, nullptr, raw, &size),
      ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(raw), Widen(text));
  auto got = reg.Read(RegistryRoot::CurrentUser, kKey, "NAME \xC3\xA9");
  ASSERT_TRUE(got);
  EXPECT_EQ(std::string(got->data.begin(), got->data.end()), text);
}

TEST_F(Win32RegistryTest, TheRecordIsFortyEightBytesUnderTheBarsKey) {
  BarOptions live = DefaultOptions({1, 2, 3, 4});
  live.Edge = Edge::Bottom;
  ASSERT_TRUE(WriteOptions(reg, live));
  const auto raw = Raw(scratch.get(), kOptionsKeyW, L"Options");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->type, static_cast<DWORD>(REG_BINARY));
  ASSERT_EQ(raw->bytes.size(), 48u);
  EXPECT_EQ(raw->bytes[0], 48);
  EXPECT_EQ(raw->bytes[4], 3);
  EXPECT_EQ(ReadOptions(reg, InitialOptions(), {}).live, live);
}

TEST_F(Win32RegistryTest, TheRunValueIsTheQuotedPathAsRegSzAndAutoloadTogglesIt) {
  const std::string exe = ExecutablePath();
  // A Run key that does not exist is not made.
  EXPECT_THROW(WriteAutoloadValue(reg, exe), std::runtime_error);
  EXPECT_FALSE(reg.Read(RegistryRoot::CurrentUser, kRunKey, kRunValueName));

  HKEY run = nullptr;
  RegCreateKeyExW(scratch.get(), kRunKeyW, 0, nullptr, 0, KEY_READ, nullptr, &run, nullptr);
  RegCloseKey(run);
  ToggleAutoload(reg, exe);
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  const std::wstring quoted = L"\"" + std::wstring(module) + L"\"";
  const auto raw = Raw(scratch.get(), kRunKeyW, L"Ovel Launch Bar");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
  ASSERT_EQ(raw->bytes.size(), (quoted.size() + 1) * sizeof(wchar_t));  // with its NUL
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(raw->bytes.data())), quoted);
  EXPECT_TRUE(AutoloadIsOn(reg, exe));

  ToggleAutoload(reg, exe);
  EXPECT_FALSE(Raw(scratch.get(), kRunKeyW, L"Ovel Launch Bar"));
  EXPECT_FALSE(AutoloadIsOn(reg, exe));
}

}  // namespace
}  // namespace olb::win
