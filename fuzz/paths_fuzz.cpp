// Typed names and paths from outside: the rename path builders, the path
// splitting rules, and the checks on typed names.
// A name the checks accept never makes a rename leave its folder, in UTF-8
// and after the trip through the shell's wide encoding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/commands/item_names.h"
#include "core/commands/item_paths.h"
#include "core/paths/path_text.h"
#include "core/platform/utf16.h"
#include "fuzz_input.h"

namespace {

bool Inside(const std::string& path, const std::string& prefix) {
  return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
         path.find('\\', prefix.size()) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  fuzz::Input in(data, size);
  const std::string current(in.Text());
  const std::string caption(in.Text());
  const std::string full(in.Text());
  const std::string typed(in.Rest());

  const std::string prefix = FolderPrefix(current);
  if (prefix.empty() || prefix.back() != '\\') std::abort();
  const std::string name = FileNamePart(full);
  if (name.find('\\') != std::string::npos || name.size() > full.size()) std::abort();
  const std::string dropped = LeafName(full);
  if (dropped.find_first_of("\\:") != std::string::npos) std::abort();
  const std::string extension = PathExtension(full);
  if (!extension.empty() && extension.front() != '.') std::abort();
  (void)NamesItemExactly(name);

  const RenameMove folder = FolderRenameMove(prefix, caption, typed);
  const RenameMove file = FileRenameMove(prefix, caption, full, typed);
  if (TypedNameProblem(typed)) return 0;
  // An accepted name stays in the folder, in both encodings (the prefix
  // ends with a backslash, so it converts alone as it does in the path).
  const std::string widePrefix = Utf16ToUtf8(Utf8ToUtf16(prefix));
  for (const RenameMove& move : {folder, file}) {
    if (!Inside(move.to, prefix)) std::abort();
    if (!Inside(Utf16ToUtf8(Utf8ToUtf16(move.to)), widePrefix)) std::abort();
  }
  const std::u16string typedWide = Utf8ToUtf16(typed);
  if (TypedNameProblem(Utf16ToUtf8(typedWide))) std::abort();
  return 0;
}
