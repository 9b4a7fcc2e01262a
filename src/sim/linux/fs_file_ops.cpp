#include "sim/linux/fs_file_ops.h"

#include <fstream>
#include <system_error>

#include "core/paths/path_text.h"
#include "core/platform/utf16.h"
#include "sim/linux/fs_namespace.h"

namespace olb::sim {
namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

bool IsDir(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// Whether `inner` is `outer` or lies below it.
bool IsWithin(const fs::path& inner, const fs::path& outer) {
  const fs::path rel = inner.lexically_normal().lexically_relative(outer.lexically_normal());
  return !rel.empty() && *rel.begin() != "..";
}

// A name in the recycle bin that no earlier deletion took.
fs::path FreeBinName(const fs::path& bin, const std::string& name) {
  fs::path candidate = bin / name;
  for (int n = 2; Exists(candidate); ++n) candidate = bin / (name + " (" + std::to_string(n) + ")");
  return candidate;
}

std::string FileName(const std::string& windowsPath) {
  const size_t slash = windowsPath.find_last_of("\\/");
  return slash == std::string::npos ? windowsPath : windowsPath.substr(slash + 1);
}

}  // namespace

std::vector<std::string> ReadPathList(const std::u16string& list) {
  std::vector<std::string> paths;
  const std::u16string_view all(list.c_str(), list.size() + 1);  // the terminator is read too
  size_t at = 0;
  while (at < all.size()) {
    const size_t end = std::min(all.find(u'\0', at), all.size());
    if (end == at) break;  // the empty name ends the list
    paths.push_back(Utf16ToUtf8(all.substr(at, end - at)));
    at = end + 1;
  }
  return paths;
}

std::optional<fs::path> ResolveWindowsPath(std::string_view path, bool exact) {
  std::optional<fs::path> linux = LinuxPathOfWindowsPath(path);
  if (!linux) return std::nullopt;
  fs::path at = "/";
  for (const fs::path& part : linux->relative_path()) {
    std::string step = part.string();
    // The Win32 path rules drop a name's trailing dots and blanks.
    if (!exact && step.find_first_not_of('.') != std::string::npos) {
      while (!step.empty() && (step.back() == '.' || step.back() == ' ')) step.pop_back();
    }
    if (step.empty() || step == ".") continue;
    if (!Exists(at / step)) {
      std::error_code ec;
      for (fs::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (EqualNoCase(name, step)) {
          step = name;
          break;
        }
      }
    }
    at /= step;
  }
  return at;
}

FsFileOps::FsFileOps(fs::path recycleBin) : recycleBin_(std::move(recycleBin)) {
  std::error_code ec;
  fs::create_directories(recycleBin_, ec);
}

int32_t FsFileOps::Run(const ShellFileOperation& op) {
  operations.push_back(op);
  const std::vector<std::string> from = ReadPathList(op.from);
  const std::vector<std::string> to = ReadPathList(op.to);
  int32_t result = from.empty() ? kShellInvalidFiles : kShellOk;
  for (size_t i = 0; i < from.size() && result == kShellOk; ++i) {
    result = RunOne(op.function, op.flags, from[i], to.empty() ? std::string() : to.front());
  }
  if (result != kShellOk && result != kShellCancelled && !(op.flags & kFofNoErrorUi)) {
    errorsShown.push_back(result);
  }
  return result;
}

int32_t FsFileOps::RunOne(int32_t function, uint16_t flags, const std::string& from,
                          const std::string& to) {
  switch (function) {
    case kFoMove:
      return Transfer(true, false, flags, from, to);
    case kFoCopy:
      return Transfer(false, false, flags, from, to);
    case kFoRename:
      return Transfer(true, true, flags, from, to);
    case kFoDelete:
      return Delete(flags, from);
    default:
      return kShellInvalidParameter;
  }
}

int32_t FsFileOps::Transfer(bool move, bool rename, uint16_t flags, const std::string& from,
                            const std::string& to) {
  const std::optional<fs::path> source = ResolveWindowsPath(from);
  if (!source || !Exists(*source)) return kShellNoSuchSource;
  std::optional<fs::path> target = ResolveWindowsPath(to);
  if (to.empty() || !target) return kShellInvalidFiles;
  std::error_code ec;
  if (Exists(*target) && fs::equivalent(*source, *target, ec)) {
    // Only the letter case differs: the item is renamed as typed.
    const std::string typed = FileName(to);
    if (!move || typed == source->filename().string()) return kShellSameFile;
    target = source->parent_path() / typed;
  } else if (!rename && IsDir(*target)) {
    *target /= source->filename();  // onto a folder: into it
  }
  if (IsDir(*source) && IsWithin(*target, *source)) return kShellDestinationInside;
  if (!IsDir(target->parent_path())) return kShellInvalidFiles;
  if (Exists(*target) && !fs::equivalent(*source, *target, ec)) {
    if (rename) return kShellAlreadyExists;
    const Answer said = Ask(flags, Confirmation::Kind::Replace, to);
    if (said == Answer::No) return kShellOk;  // this file is skipped
    if (said == Answer::Cancel) return kShellCancelled;
    fs::remove_all(*target, ec);
  }
  if (move) {
    fs::rename(*source, *target, ec);
  } else {
    fs::copy(*source, *target, fs::copy_options::recursive, ec);
  }
  return ec ? kShellAccessDenied : kShellOk;
}

int32_t FsFileOps::Delete(uint16_t flags, const std::string& path) {
  const std::optional<fs::path> source = ResolveWindowsPath(path);
  if (!source || !Exists(*source) || source->relative_path().empty()) return kShellNoSuchSource;
  if (Ask(flags, Confirmation::Kind::Delete, path) != Answer::Yes) return kShellCancelled;
  std::error_code ec;
  if (flags & kFofAllowUndo) {
    fs::rename(*source, FreeBinName(recycleBin_, source->filename().string()), ec);
  } else {
    fs::remove_all(*source, ec);
  }
  return ec ? kShellAccessDenied : kShellOk;
}

Answer FsFileOps::Ask(uint16_t flags, Confirmation::Kind kind, const std::string& path) {
  if (flags & kFofNoConfirmation) return Answer::Yes;
  confirmations.push_back({kind, path});
  return answer;
}

bool FsFileOps::MakeDirectory(std::string_view path) {
  directoriesRequested.emplace_back(path);
  const std::optional<fs::path> target = ResolveWindowsPath(path);
  if (!target || !IsDir(target->parent_path())) return false;
  std::error_code ec;
  return fs::create_directory(*target, ec) && !ec;
}

bool FsFileOps::MoveExactly(std::string_view from, std::string_view to) {
  const std::optional<fs::path> source = ResolveWindowsPath(from, true);
  const std::optional<fs::path> target = ResolveWindowsPath(to, true);
  if (!source || !target || !Exists(*source) || Exists(*target)) return false;
  std::error_code ec;
  fs::rename(*source, *target, ec);
  return !ec;
}

bool FsFileOps::DirectoryExists(std::string_view path) {
  const std::optional<fs::path> target = ResolveWindowsPath(path);
  return target && IsDir(*target);
}

bool FsFileOps::FileExists(std::string_view path) {
  const std::optional<fs::path> target = ResolveWindowsPath(path);
  std::error_code ec;
  return target && fs::is_regular_file(*target, ec);
}

}  // namespace olb::sim
