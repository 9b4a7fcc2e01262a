// Real directories for the folder-view tests, under the test's working
// directory in the build tree (a tmpfs /tmp may lack user extended attributes).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/folder/folder_model.h"
#include "sim/linux/fs_namespace.h"
#include "sim/marking_list.h"
#include "sim/tracking_allocator.h"
#include "sim/view_doubles.h"
#include "sim/linux/wine_attributes.h"

namespace olb::testing {

class FsFixture : public ::testing::Test {
 protected:
  FsFixture() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::filesystem::current_path() / "fixtures" /
            (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }
  ~FsFixture() override { std::filesystem::remove_all(root_); }

  std::filesystem::path Dir(const std::string& rel) {
    std::filesystem::create_directories(root_ / rel);
    return root_ / rel;
  }
  std::filesystem::path File(const std::string& rel, uintmax_t size = 0) {
    const auto path = root_ / rel;
    std::ofstream(path).close();
    std::filesystem::resize_file(path, size);  // sparse beyond what is written
    return path;
  }
  // The Windows form of a fixture path, as the namespace shows it.
  std::string Win(const std::string& rel = "") const {
    std::string text = "Z:" + (rel.empty() ? root_ : root_ / rel).string();
    for (char& c : text) c = c == '/' ? '\\' : c;
    return text;
  }
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

// A folder model over the simulated namespace, with every double at hand.
class ModelFixture : public FsFixture {
 protected:
  ModelFixture() { model.InitFolderView(); }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int32_t i = 0; i < model.ItemCount(); ++i) names.push_back(model.NamedItem(i)->ItemName);
    return names;
  }
  int32_t IndexOf(const std::string& name) {
    for (int32_t i = 0; i < model.ItemCount(); ++i) {
      if (model.NamedItem(i)->ItemName == name) return i;
    }
    return -1;
  }
  ShellItem& Filled(const std::string& name) {
    const int32_t i = IndexOf(name);
    EXPECT_GE(i, 0) << name;
    model.FillItemDetails(i, i);
    return *model.GetItem(i);
  }

  sim::TrackingAllocator allocator;
  sim::FsNamespace shell{allocator};
  sim::MarkingList list;
  sim::Cursor cursor;
  sim::FixedZoneTimeFormat time;
  FolderPaths paths;
  FolderModel model{{shell, allocator, list, cursor, time}, paths};
};

}  // namespace olb::testing
