// Port: the shell's file operation and the few direct directory calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace olb {

// Operation codes, passed to the shell unchanged (FO_*).
constexpr int32_t kFoMove = 1;
constexpr int32_t kFoCopy = 2;
constexpr int32_t kFoDelete = 3;
constexpr int32_t kFoRename = 4;

// Bits of the shell's 16-bit flags word (FOF_*).
constexpr uint16_t kFofNoConfirmation = 0x0010;
constexpr uint16_t kFofAllowUndo = 0x0040;
constexpr uint16_t kFofNoErrorUi = 0x0400;

// One shell file operation as the core built it, ready for SHFileOperationW.
//
// `from` and `to` are path lists in UTF-16: each holds its one path followed
// by two NUL code units. The adapter passes `c_str()`, whose own terminator
// is a third NUL, so the shell reads the path, the NUL that ends it and the
// NUL that ends the list, with one spare; an empty path is three NULs in all.
struct ShellFileOperation {
  int32_t function = 0;  // wFunc: one of kFo*, or whatever the caller gave
  std::u16string from;   // pFrom
  std::u16string to;     // pTo
  uint16_t flags = 0;    // fFlags
  // lpszProgressTitle: absent is a null pointer.
  std::optional<std::u16string> progressTitle;

  friend bool operator==(const ShellFileOperation&, const ShellFileOperation&) = default;
};

class FileOps {
 public:
  virtual ~FileOps() = default;

  // Runs the operation with no owner window; blocks until it has ended,
  // including any confirmation the shell asks. The shell's result: 0 is
  // success, anything else a failure or a refusal.
  virtual int32_t Run(const ShellFileOperation& operation) = 0;

  // Creates one directory (CreateDirectoryW without security attributes; the
  // name avoids the platform header's CreateDirectory macro);
  // false when it exists already or cannot be made.
  virtual bool MakeDirectory(std::string_view path) = 0;
  // Renames one item in its folder under exact name rules (no stripping of
  // trailing dots or blanks, no device names; MoveFileW on verbatim paths),
  // never replacing anything; false when it could not.
  virtual bool MoveExactly(std::string_view from, std::string_view to) = 0;
  // Whether `path` names an existing directory.
  virtual bool DirectoryExists(std::string_view path) = 0;
  // Whether `path` names an existing file (not a directory).
  virtual bool FileExists(std::string_view path) = 0;
};

}  // namespace olb
