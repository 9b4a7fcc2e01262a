#include "core/commands/file_operation.h"

#include "core/platform/utf16.h"

namespace olb {

std::u16string PathList(std::string_view path) {
  std::u16string list = Utf8ToUtf16(path);
  list.append(2, u'\0');
  return list;
}

std::optional<std::u16string> ProgressTitle(int32_t operation) {
  switch (operation) {
    case kFoMove:
      return u"Moving...";
    case kFoCopy:
      return u"Copying...";
    case kFoDelete:
      return u"Deleting...";
    case kFoRename:
      return u"Renaming...";
    default:
      return std::nullopt;
  }
}

ShellFileOperation BuildFileOperation(std::string_view from, std::string_view to, int32_t operation,
                                      int32_t flags) {
  ShellFileOperation op;
  op.function = operation;
  op.from = PathList(from);
  op.to = PathList(to);
  op.flags = FlagsWord(flags);
  op.progressTitle = ProgressTitle(operation);
  return op;
}

bool FileOperation(FileOps& ops, const std::string& from, const std::string& to, int32_t operation,
                   int32_t flags) {
  if (from.find('\0') != std::string::npos || to.find('\0') != std::string::npos) return false;
  return ops.Run(BuildFileOperation(from, to, operation, flags)) == 0;
}

bool IsDeleteGuarded(std::string_view path) {
  return path.empty() || path == "Control Panel" || path == "Recycle Bin" ||
         path.find("nethood") != std::string_view::npos;
}

void DeleteSH(FileOps& ops, const std::string& path) {
  if (IsDeleteGuarded(path)) return;
  FileOperation(ops, path, "", kFoDelete, kFofAllowUndo);
}

void DeleteAllSH(FileOps& ops, const std::vector<std::string>& paths) {
  ShellFileOperation op = BuildFileOperation("", "", kFoDelete, kFofAllowUndo);
  op.from.clear();
  for (const std::string& path : paths) {
    if (IsDeleteGuarded(path) || path.find('\0') != std::string::npos) continue;
    op.from += Utf8ToUtf16(path);
    op.from += u'\0';
  }
  if (op.from.empty()) return;
  op.from += u'\0';
  ops.Run(op);
}

}  // namespace olb
