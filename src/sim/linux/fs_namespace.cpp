#include "sim/linux/fs_namespace.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <system_error>

#include "core/paths/path_text.h"
#include "sim/linux/wine_attributes.h"

namespace olb::sim {
namespace {

namespace fs = std::filesystem;

int CompareNoCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  size_t i = 0;
  // Names in one folder often share a long start: skip equal bytes eight at a time.
  for (uint64_t x = 0, y = 0; i + 8 <= n; i += 8) {
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x != y) break;
  }
  for (; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const auto x = static_cast<unsigned char>(LowerAscii(a[i]));
    const auto y = static_cast<unsigned char>(LowerAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsDirectory(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// The order of a folder's default column as a result code: the sign goes
// into the low word.
HResult OrderResult(int order) {
  return static_cast<HResult>(static_cast<uint16_t>(static_cast<int16_t>(order)));
}

// Looks `step` up in `dir` exactly, then without case (as Wine does).
std::optional<std::string> FindStep(const fs::path& dir, const std::string& step) {
  std::error_code ec;
  if (fs::exists(dir / step, ec)) return step;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (EqualNoCase(name, step)) return name;
  }
  return std::nullopt;
}

class FsEnumerator : public ShellEnumerator {
 public:
  FsEnumerator(FsNamespace& ns, FsElements children) : ns_(ns), children_(std::move(children)) {}

  HResult Next(OwnedPidl* item) override {
    *item = OwnedPidl();
    const FsFaults& f = ns_.faults();
    if (Failed(f.next) && given_ >= static_cast<size_t>(f.nextAfter)) return f.next;
    if (given_ >= children_.size()) return kResultFalse;
    *item = MakeFsPidl(ns_.allocator(), std::span(&children_[given_++], 1));
    return *item ? kResultOk : kResultOutOfMemory;
  }

 private:
  FsNamespace& ns_;
  FsElements children_;
  size_t given_ = 0;
};

class FsFolder : public ShellFolder {
 public:
  // `base` is the folder's absolute elements; empty for the desktop.
  FsFolder(FsNamespace& ns, FsElements base) : ns_(ns), base_(std::move(base)) {}

  const FsElements& base() const { return base_; }

  // The absolute elements of a list relative to this folder.
  std::optional<FsElements> Absolute(const uint8_t* pidl) {
    std::optional<FsElements> rel = ns_.Read(pidl);
    if (!rel) return std::nullopt;
    FsElements all = base_;
    all.insert(all.end(), rel->begin(), rel->end());
    if (!all.empty() && !LinuxPathOf(all)) return std::nullopt;
    return all;
  }

  HResult ParseDisplayName(std::string_view name, OwnedPidl* out) override {
    *out = OwnedPidl();
    if (Failed(ns_.faults().parse)) return ns_.faults().parse;
    fs::path target;
    if (base_.empty()) {
      std::optional<fs::path> linux = LinuxPathOfWindowsPath(name);
      if (!linux) return kResultInvalidArg;
      target = *linux;
    } else {
      target = *LinuxPathOf(base_);
      std::string rel(name);
      for (char& c : rel) c = c == '\\' ? '/' : c;
      if (rel.empty() || rel[0] == '/') return kResultInvalidArg;
      target /= rel;
    }
    FsElements elements{{FsKind::Drive, ""}};
    fs::path at = "/";
    for (const fs::path& part : target.relative_path()) {
      const std::string step = part.string();
      if (step.empty() || step == ".") continue;
      if (step == "..") return kResultInvalidArg;
      std::optional<std::string> found = FindStep(at, step);
      if (!found) return kResultFileNotFound;
      at /= *found;
      elements.push_back({IsDirectory(at) ? FsKind::Folder : FsKind::File, *found});
    }
    if (!base_.empty()) elements.erase(elements.begin(), elements.begin() + base_.size());
    *out = MakeFsPidl(ns_.allocator(), elements);
    return *out ? kResultOk : kResultOutOfMemory;
  }

  HResult BindToFolder(const uint8_t* pidl, std::shared_ptr<ShellFolder>* out) override {
    out->reset();
    if (Failed(ns_.faults().bind)) return ns_.faults().bind;
    std::optional<FsElements> all = Absolute(pidl);
    if (!all || all->size() == base_.size()) return kResultInvalidArg;
    if (!all->back().IsFolder()) return kResultNotADirectory;
    *out = std::make_shared<FsFolder>(ns_, std::move(*all));
    return kResultOk;
  }

  HResult EnumObjects(uint32_t flags, std::unique_ptr<ShellEnumerator>* out) override {
    out->reset();
    ++ns_.mutableCalls().enumerations;
    if (Failed(ns_.faults().enumerate)) return ns_.faults().enumerate;
    FsElements children;
    if (base_.empty()) {
      if (flags & kEnumFolders) children.push_back({FsKind::Drive, ""});
    } else {
      const fs::path dir = *LinuxPathOf(base_);
      const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(dir.c_str()), ::closedir);
      if (!listing) return IsDirectory(dir) ? kResultAccessDenied : kResultPathNotFound;
      // A read error ends the listing, as the end of the directory does.
      while (const dirent* entry = ::readdir(listing.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        // The entry's own type, as the directory read gave it: a stat only
        // for a link (whose target counts) or a file system that gives none.
        bool folder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
          struct stat st {};
          folder =
              ::fstatat(::dirfd(listing.get()), entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (!(flags & (folder ? kEnumFolders : kEnumNonFolders))) continue;
        if (!(flags & kEnumIncludeHidden) && (WineFileAttributes(dir / name) & kFileHidden)) {
          continue;
        }
        children.push_back({folder ? FsKind::Folder : FsKind::File, std::string(name)});
      }
    }
    *out = std::make_unique<FsEnumerator>(ns_, std::move(children));
    return kResultOk;
  }

  // Reads both lists in place, side by side: a sort asks this for every
  // pair it weighs. The first difference decides the order, but a list
  // with an element that is not one of ours is refused wherever it lies.
  HResult CompareIDs(int32_t, const uint8_t* a, const uint8_t* b) override {
    if (!a || !b) return kResultInvalidArg;
    const PidlBytes x = PidlBlock(ns_.allocator(), a), y = PidlBlock(ns_.allocator(), b);
    int order = 0;
    size_t i = 0, j = 0;
    for (;;) {
      const uint16_t cx = PidlElementSize(x, i), cy = PidlElementSize(y, j);
      if (!cx || !cy) {
        if (!IsFsPidl(x.subspan(i)) || !IsFsPidl(y.subspan(j))) return kResultInvalidArg;
        if (!order) order = cx == cy ? 0 : (cx ? 1 : -1);
        return OrderResult(order);
      }
      const std::optional<FsElementView> p = ReadFsElement(x, i, cx), q = ReadFsElement(y, j, cy);
      if (!p || !q) return kResultInvalidArg;
      if (!order) {
        order = p->IsFolder() == q->IsFolder() ? CompareNoCase(p->name, q->name)
                                               : (p->IsFolder() ? -1 : 1);
      }
      i += cx;
      j += cy;
    }
  }

  HResult GetDisplayNameOf(const uint8_t* pidl, uint32_t kind, std::string* name) override {
    name->clear();
    if (Failed(ns_.faults().displayName)) return ns_.faults().displayName;
    std::optional<FsElements> all = Absolute(pidl);
    if (!all) return kResultInvalidArg;
    if (all->empty()) return kResultOk;  // the desktop itself
    if (!(kind & kNameForParsing)) ++ns_.mutableCalls().itemNames;
    if (kind & kNameForParsing) {
      *name = WindowsPathOf(*all);
    } else if (all->back().kind == FsKind::Drive) {
      *name = "Z:";
    } else {
      *name = ns_.NormalName(all->back().name, all->back().IsFolder());
    }
    return kResultOk;
  }

  HResult GetAttributesOf(const uint8_t* pidl, uint32_t* mask) override {
    if (Failed(ns_.faults().attributes)) return ns_.faults().attributes;
    std::optional<FsElements> all = Absolute(pidl);
    if (!all || all->size() == base_.size()) return kResultInvalidArg;
    uint32_t has = kItemIsFileSystem;
    if (all->back().IsFolder()) has |= kItemIsFolder;
    if (WineFileAttributes(*LinuxPathOf(*all)) & kFileHidden) has |= kItemIsHidden;
    *mask &= has;
    return kResultOk;
  }

 private:
  FsNamespace& ns_;
  FsElements base_;
};

}  // namespace

std::optional<fs::path> LinuxPathOfWindowsPath(std::string_view path) {
  if (path.size() < 2 || LowerAscii(path[0]) != 'z' || path[1] != ':') return std::nullopt;
  std::string rest(path.substr(2));
  for (char& c : rest) c = c == '\\' ? '/' : c;
  if (!rest.empty() && rest[0] != '/') return std::nullopt;
  return fs::path("/") / fs::path(rest).relative_path();
}

FsNamespace::FsNamespace(ShellAllocator& allocator)
    : allocator_(allocator), known_{".bat", ".bmp", ".chm", ".com",  ".dll", ".doc",
                                    ".exe", ".gif", ".htm", ".html", ".ini", ".jpg",
                                    ".pdf", ".png", ".txt", ".zip"} {}

HResult FsNamespace::GetDesktopFolder(std::shared_ptr<ShellFolder>* out) {
  out->reset();
  if (Failed(faults_.desktop)) return faults_.desktop;
  *out = std::make_shared<FsFolder>(*this, FsElements{});
  return kResultOk;
}

std::optional<FsElements> FsNamespace::Read(const uint8_t* pidl) {
  if (!pidl) return std::nullopt;
  return ReadFsPidl(PidlBlock(allocator_, pidl));
}

std::string FsNamespace::NormalName(const std::string& name, bool isFolder) const {
  if (isFolder) return name;
  const std::string ext = PathExtension(name);
  const bool hidden = ext == ".lnk" || ext == ".url" || (hideKnown_ && known_.count(ext));
  // A name that is nothing but its extension keeps it.
  if (!hidden || ext.size() >= name.size()) return name;
  return name.substr(0, name.size() - ext.size());
}

std::string FsNamespace::TypeName(const uint8_t* absolutePidl) {
  ++calls_.typeNames;
  std::optional<FsElements> all = Read(absolutePidl);
  if (!all || all->empty()) return {};
  if (all->back().kind == FsKind::Drive) return "Local Disk";
  if (all->back().kind == FsKind::Folder) return "File folder";
  static const std::map<std::string, std::string> kTypes = {
      {".lnk", "Shortcut"},      {".url", "Internet Shortcut"},  {".exe", "Application"},
      {".txt", "Text Document"}, {".bat", "Windows Batch File"}, {".com", "MS-DOS Application"}};
  const std::string ext = PathExtension(all->back().name);
  if (auto it = kTypes.find(ext); it != kTypes.end()) return it->second;
  if (ext.size() <= 1) return "File";
  return UpperAsciiText(ext.substr(1)) + " File";
}

namespace {

int32_t IconOfKind(const std::string& name, bool folder) {
  if (folder) return 3;
  const std::string ext = PathExtension(name);
  if (ext == ".exe" || ext == ".com" || ext == ".bat") return 2;
  return 0;
}

}  // namespace

int32_t FsNamespace::SystemIconIndex(const uint8_t* absolutePidl, bool smallIcon) {
  ++calls_.iconIndexes;
  if (smallIcon) ++calls_.smallIconIndexes;
  std::optional<FsElements> all = Read(absolutePidl);
  if (!all || all->empty()) return 0;
  if (all->back().kind == FsKind::Drive) return 8;
  const std::string ext = PathExtension(all->back().name);
  if (ext == ".lnk" || ext == ".url") return 4;
  return IconOfKind(all->back().name, all->back().kind == FsKind::Folder);
}

int32_t FsNamespace::KindIconIndex(std::string_view fileName, uint32_t attributes, bool) {
  ++calls_.kindIcons;
  return IconOfKind(std::string(fileName), (attributes & kFileDirectory) != 0);
}

HResult FsNamespace::GetFindData(ShellFolder& folder, const uint8_t* relativePidl, FindData* out) {
  ++calls_.findData;
  *out = FindData{};
  if (Failed(faults_.findData)) return faults_.findData;
  auto* fsFolder = dynamic_cast<FsFolder*>(&folder);
  if (!fsFolder) return kResultInvalidArg;
  std::optional<FsElements> all = fsFolder->Absolute(relativePidl);
  if (!all || all->empty()) return kResultInvalidArg;
  const fs::path path = *LinuxPathOf(*all);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return kResultFileNotFound;
  // File times count 100 ns steps from 1601; Unix times count seconds from 1970.
  constexpr uint64_t kEpochDelta = 11644473600ull;
  auto fileTime = [](const timespec& t) {
    return (static_cast<uint64_t>(t.tv_sec) + kEpochDelta) * 10000000ull +
           static_cast<uint64_t>(t.tv_nsec) / 100;
  };
  out->attributes = WineFileAttributes(path);
  out->size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
  out->lastWriteTime = fileTime(st.st_mtim);
  out->lastAccessTime = fileTime(st.st_atim);
  out->creationTime = fileTime(st.st_ctim);
  out->fileName = all->back().name;
  return kResultOk;
}

std::string FsNamespace::MessageText(HResult result) {
  static const std::map<uint32_t, std::string> kTexts = {
      {0x80070002u, "The system cannot find the file specified."},
      {0x80070003u, "The system cannot find the path specified."},
      {0x80070005u, "Access is denied."},
      {0x8007000Eu, "Not enough storage is available to complete this operation."},
      {0x80070057u, "The parameter is incorrect."},
      {0x8007010Bu, "The directory name is invalid."},
      {0x80004005u, "Unspecified error"}};
  if (auto it = kTexts.find(static_cast<uint32_t>(result)); it != kTexts.end()) return it->second;
  char text[32];
  std::snprintf(text, sizeof text, "Error 0x%08X", static_cast<unsigned>(result));
  return text;
}

}  // namespace olb::sim
