#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cstring>

#include "core/folder/pidl.h"
#include "fs_fixture.h"

namespace olb {
namespace {

using testing::FsFixture;

TEST(DosAttrib, OnlyHexTextWithTheHiddenAndSystemBitsCounts) {
  const struct {
    const char* value;
    uint32_t bits;
  } cases[] = {{"0x2", kFileHidden},
               {"0x4", kFileSystem},
               {"0x6", kFileHidden | kFileSystem},
               {"0x21", 0},
               {"0x27", 6},
               {"0x", 0},
               {"2", 0},
               {"0X2", 0},
               {"junk", 0},
               {"0x4zz", kFileSystem},
               {"", 0},
               {"0xfffffffffff6", 6}};
  for (const auto& c : cases) EXPECT_EQ(sim::DosAttribBits(c.value), c.bits) << c.value;
}

class WineAttributesTest : public FsFixture {};

// The same fixture that Wine 8's "attrib" reports as: .dot A H, plain A,
// ro A R, x6 A S H, x21 A, junk A, a directory with 0x2 H.
TEST_F(WineAttributesTest, MatchWhatWineReportsForTheSameFiles) {
  auto withXattr = [](const std::filesystem::path& p, const char* v) {
    EXPECT_EQ(::setxattr(p.c_str(), sim::kDosAttribXattr, v, std::strlen(v), 0), 0) << p;
    return p;
  };
  const auto ro = File("ro");
  ::chmod(ro.c_str(), 0444);
  const struct {
    std::filesystem::path path;
    uint32_t attributes;
  } cases[] = {
      {File(".dot"), kFileArchive | kFileHidden},
      {File("plain"), kFileArchive},
      {ro, kFileArchive | kFileReadOnly},
      {withXattr(File("x6"), "0x6"), kFileArchive | kFileHidden | kFileSystem},
      {withXattr(File("x21"), "0x21"), kFileArchive},
      {withXattr(File("junk"), "junk"), kFileArchive},
      {withXattr(Dir("xh"), "0x2"), kFileDirectory | kFileHidden},
      {Dir("sub"), kFileDirectory},
      {root() / "missing", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sim::WineFileAttributes(c.path), c.attributes) << c.path;
  }
}

TEST_F(WineAttributesTest, WritesTheValueAsWineDoes) {
  const auto f = File("f");
  ASSERT_TRUE(sim::SetDosAttrib(f, kFileHidden | kFileReadOnly | kFileArchive));
  char value[16] = {};
  ASSERT_EQ(::getxattr(f.c_str(), sim::kDosAttribXattr, value, sizeof value), 3);
  EXPECT_STREQ(value, "0x2");
  ASSERT_TRUE(sim::SetDosAttrib(f, kFileArchive));
  EXPECT_LT(::getxattr(f.c_str(), sim::kDosAttribXattr, value, sizeof value), 0);
  EXPECT_TRUE(sim::SetDosAttrib(f, 0)) << "removing what is not there is fine";
}

TEST(FsNamespaceNames, ShortcutExtensionsAlwaysHiddenKnownOnesOnRequest) {
  sim::TrackingAllocator a;
  sim::FsNamespace ns(a);
  const struct {
    const char* name;
    bool folder;
    const char* shown;
    const char* shownHidingKnown;
  } cases[] = {
      {"Game.lnk", false, "Game", "Game"},
      {"Site.URL", false, "Site", "Site"},
      {"notes.txt", false, "notes.txt", "notes"},
      {"x.unknownext", false, "x.unknownext", "x.unknownext"},
      {"Tools.lnk", true, "Tools.lnk", "Tools.lnk"},
      {".lnk", false, ".lnk", ".lnk"},
      {".txt", false, ".txt", ".txt"},
      {"a.b.exe", false, "a.b.exe", "a.b"},
      {"noext", false, "noext", "noext"},
  };
  for (const auto& c : cases) EXPECT_EQ(ns.NormalName(c.name, c.folder), c.shown) << c.name;
  ns.HideKnownExtensions(true);
  for (const auto& c : cases) {
    EXPECT_EQ(ns.NormalName(c.name, c.folder), c.shownHidingKnown) << c.name;
  }
}

class FsNamespaceTest : public FsFixture {
 protected:
  FsNamespaceTest() { EXPECT_EQ(shell.GetDesktopFolder(&desktop), kResultOk); }

  std::shared_ptr<ShellFolder> Bind(const std::string& rel) {
    OwnedPidl pidl;
    EXPECT_EQ(desktop->ParseDisplayName(Win(rel), &pidl), kResultOk) << rel;
    std::shared_ptr<ShellFolder> folder;
    EXPECT_EQ(desktop->BindToFolder(pidl.get(), &folder), kResultOk) << rel;
    return folder;
  }
  std::vector<std::string> List(ShellFolder& folder, uint32_t flags) {
    std::unique_ptr<ShellEnumerator> e;
    EXPECT_EQ(folder.EnumObjects(flags, &e), kResultOk);
    std::vector<std::string> names;
    OwnedPidl item;
    while (e->Next(&item) == kResultOk) {
      std::string name;
      folder.GetDisplayNameOf(item.get(), kNameNormal, &name);
      names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  sim::TrackingAllocator allocator;
  sim::FsNamespace shell{allocator};
  std::shared_ptr<ShellFolder> desktop;
};

TEST_F(FsNamespaceTest, EnumerationHonoursTheThreeFlags) {
  Dir("d");
  Dir(".hd");
  File("f");
  File(".hf");
  std::filesystem::create_directory_symlink(root() / "d", root() / "ld");  // a folder by its target
  auto folder = Bind("");
  EXPECT_EQ(List(*folder, kEnumFolders), (std::vector<std::string>{"d", "ld"}));
  EXPECT_EQ(List(*folder, kEnumNonFolders), (std::vector<std::string>{"f"}));
  EXPECT_EQ(List(*folder, kEnumFolders | kEnumIncludeHidden),
            (std::vector<std::string>{".hd", "d", "ld"}));
  EXPECT_EQ(List(*folder, kEnumFolders | kEnumNonFolders | kEnumIncludeHidden),
            (std::vector<std::string>{".hd", ".hf", "d", "f", "ld"}));
  EXPECT_EQ(List(*desktop, kEnumFolders), (std::vector<std::string>{"Z:"}));
}

TEST_F(FsNamespaceTest, ParseRefusesWhatIsNotAPathOnZ) {
  File("f");
  for (const std::string& bad : {std::string("C:\\x"), std::string("relative"), std::string(""),
                                 Win("f\\..\\f"), Win("nothing")}) {
    OwnedPidl pidl;
    EXPECT_TRUE(Failed(desktop->ParseDisplayName(bad, &pidl))) << bad;
    EXPECT_FALSE(pidl) << bad;
  }
  OwnedPidl root;
  ASSERT_EQ(desktop->ParseDisplayName("z:/", &root), kResultOk);
  EXPECT_EQ(PidlElementCount(PidlBlock(allocator, root.get())), 1u);
  std::string name;
  desktop->GetDisplayNameOf(root.get(), kNameForParsing, &name);
  EXPECT_EQ(name, "Z:\\");
}

TEST_F(FsNamespaceTest, ForeignOrMalformedListsAreRefused) {
  auto folder = Bind("");
  std::vector<std::vector<uint8_t>> bad = {
      {4, 0, 'Q', 0, 0, 0},            // unknown kind
      {5, 0, 'F', 'a', 'b', 0, 0},     // no name terminator
      {6, 0, 'F', '.', '.', 0, 0, 0},  // a step up
      {5, 0, 'F', '/', 0, 0, 0},       // not a single step
      // a slash, then no terminator, past a name's first eight bytes
      {16, 0, 'F', 'l', 'o', 'n', 'g', 'e', 'r', 'n', 'a', 'm', 'e', '/', 'x', 0, 0, 0},
      {13, 0, 'F', 'n', 'o', 't', 'e', 'r', 'm', 'i', 'n', 'a', 't', 0, 0},
      {4, 0, 'R', 0, 0, 0},  // a drive below a folder
  };
  for (const auto& bytes : bad) {
    OwnedPidl pidl = AllocPidl(allocator, bytes.size());
    std::memcpy(pidl.get(), bytes.data(), bytes.size());
    uint32_t mask = kItemIsFolder;
    std::string name = "x";
    std::shared_ptr<ShellFolder> child;
    EXPECT_TRUE(Failed(folder->GetAttributesOf(pidl.get(), &mask)));
    EXPECT_TRUE(Failed(folder->GetDisplayNameOf(pidl.get(), kNameNormal, &name)));
    EXPECT_TRUE(Failed(folder->BindToFolder(pidl.get(), &child)));
    EXPECT_EQ(name, "");
  }
  uint8_t stack[8] = {4, 0, 'F', 0, 0, 0};  // not from the allocator: size 0
  std::string name;
  EXPECT_EQ(folder->GetDisplayNameOf(stack, kNameNormal, &name), kResultOk);
  EXPECT_EQ(name, root().filename().string()) << "read as the empty list: the folder itself";
}

TEST_F(FsNamespaceTest, CompareOrdersFoldersFirstThenNamesWithoutCase) {
  Dir("b/inner");
  File("A");
  File("c");
  auto folder = Bind("");
  auto rel = [&](const std::string& name) {
    OwnedPidl p;
    EXPECT_EQ(folder->ParseDisplayName(name, &p), kResultOk) << name;
    return p;
  };
  const OwnedPidl a = rel("A"), b = rel("b"), c = rel("c"), inner = rel("b\\inner");
  auto order = [&](const OwnedPidl& x, const OwnedPidl& y) {
    return static_cast<int16_t>(folder->CompareIDs(0, x.get(), y.get()) & 0xFFFF);
  };
  EXPECT_LT(order(b, a), 0) << "folder before file";
  EXPECT_GT(order(c, a), 0);
  EXPECT_LT(order(a, c), 0);
  EXPECT_EQ(order(a, a), 0);
  EXPECT_LT(order(b, inner), 0) << "a parent before its child";
  // An element not of ours is refused wherever it lies, even past the first difference.
  for (const std::vector<uint8_t>& bytes :
       {std::vector<uint8_t>{4, 0, 'Q', 0, 0, 0}, {5, 0, 'F', 'A', 0, 4, 0, 'Q', 0, 0, 0}}) {
    OwnedPidl bad = AllocPidl(allocator, bytes.size());
    std::memcpy(bad.get(), bytes.data(), bytes.size());
    EXPECT_EQ(folder->CompareIDs(0, bad.get(), c.get()), kResultInvalidArg);
    EXPECT_EQ(folder->CompareIDs(0, c.get(), bad.get()), kResultInvalidArg);
  }
}

}  // namespace
}  // namespace olb
