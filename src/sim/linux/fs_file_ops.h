// The shell's file operations over the real Linux file system, with paths in
// the Windows form the simulated namespace shows ("Z:\dir\name"). As the
// shell does:
//  - a move or copy onto an existing folder puts the source inside it; onto
//    an existing file it asks whether to replace it, as SHFileOperation does
//    on Windows unless FOF_NOCONFIRMATION is among the fFlags of its
//    SHFILEOPSTRUCT (Microsoft's documentation of that structure). Wine's
//    shell moves over such a file without asking; this model asks, so the
//    tests hold the bar to what Windows users see;
//  - a delete asks for confirmation, and with kFofAllowUndo sends the item
//    to the recycle bin (here a folder of the test's own) instead of
//    removing it;
//  - names are looked up exactly first, then without case, as Wine does, so
//    renaming "tools" to "Tools" renames rather than moving into itself;
//  - errors are shown unless kFofNoErrorUi; questions are never asked with
//    kFofNoConfirmation.
// Every question gets the `answer` the test scripted.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/file_ops.h"

namespace olb::sim {

// The shell's results as this model gives them (Wine's codes).
constexpr int32_t kShellOk = 0;
constexpr int32_t kShellAccessDenied = 5;          // ERROR_ACCESS_DENIED
constexpr int32_t kShellInvalidParameter = 87;     // ERROR_INVALID_PARAMETER
constexpr int32_t kShellAlreadyExists = 183;       // ERROR_ALREADY_EXISTS
constexpr int32_t kShellCancelled = 1223;          // ERROR_CANCELLED: the user said no
constexpr int32_t kShellSameFile = 0x71;           // DE_SAMEFILE
constexpr int32_t kShellDestinationInside = 0x76;  // DE_DESTSUBTREE
constexpr int32_t kShellInvalidFiles = 0x7C;       // DE_INVALIDFILES
constexpr int32_t kShellNoSuchSource = 0x402;      // the shell's "file not found"

enum class Answer { Yes, No, Cancel };

struct Confirmation {
  enum class Kind { Replace, Delete } kind;
  std::string path;  // the file asked about (Windows form)
};

// The paths of a list as the shell reads it from `list.c_str()`: names up to
// each NUL, ended by an empty name. A list that runs out first ends there.
std::vector<std::string> ReadPathList(const std::u16string& list);

// The Linux path of a Windows-form path with the existing part of it found
// as Wine finds it (exactly, else without case); nullopt off drive Z:. Each
// name loses its trailing dots and blanks as the Win32 path rules have it,
// unless `exact` (a verbatim path).
std::optional<std::filesystem::path> ResolveWindowsPath(std::string_view path, bool exact = false);

class FsFileOps : public FileOps {
 public:
  // Items deleted with undo go to `recycleBin`, which is created if needed.
  explicit FsFileOps(std::filesystem::path recycleBin);

  int32_t Run(const ShellFileOperation& operation) override;
  bool MakeDirectory(std::string_view path) override;
  bool MoveExactly(std::string_view from, std::string_view to) override;
  bool DirectoryExists(std::string_view path) override;
  bool FileExists(std::string_view path) override;
  // Writes a small file holding the target's path, as a stand-in link.

  Answer answer = Answer::Yes;                    // to every question
  std::vector<ShellFileOperation> operations;     // every Run, as received
  std::vector<Confirmation> confirmations;        // every question asked
  std::vector<int32_t> errorsShown;               // results shown in an error box
  std::vector<std::string> directoriesRequested;  // every MakeDirectory path

  const std::filesystem::path& recycleBin() const { return recycleBin_; }

 private:
  int32_t RunOne(int32_t function, uint16_t flags, const std::string& from, const std::string& to);
  int32_t Transfer(bool move, bool rename, uint16_t flags, const std::string& from,
                   const std::string& to);
  int32_t Delete(uint16_t flags, const std::string& path);
  // Asks unless the flags forbid it (then the answer is Yes).
  Answer Ask(uint16_t flags, Confirmation::Kind kind, const std::string& path);

  std::filesystem::path recycleBin_;
};

}  // namespace olb::sim
