#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "temp_folder.h"
#include "win32/adapters/win32_settings_file.h"

namespace olb::win {
namespace {

TEST(Win32SettingsFile, ReplacesTheWholeFileAndReadsUpToTheLimit) {
  TempFolder folder;
  Win32SettingsFile file(folder.PathOf("Settings.dat"));
  EXPECT_FALSE(file.Load(49));  // no file yet

  const std::vector<uint8_t> first(48, 7), second{1, 2, 3};
  ASSERT_TRUE(file.Save(first));
  ASSERT_TRUE(file.Save(second));  // over an existing file
  EXPECT_EQ(file.Load(49), second);
  EXPECT_FALSE(folder.Exists("Settings.dat.new"));
  ASSERT_TRUE(file.Save(first));
  EXPECT_EQ(file.Load(2), (std::vector<uint8_t>{7, 7}));

  // A file held open by another program without sharing: the old content
  // stays.
  const HANDLE held = CreateFileW(folder.Native("Settings.dat").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(file.Save(second));
  CloseHandle(held);
  EXPECT_EQ(file.Load(49), first);
  EXPECT_FALSE(folder.Exists("Settings.dat.new"));
}

}  // namespace
}  // namespace olb::win
