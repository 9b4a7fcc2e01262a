// A shortcut's stored target and arguments and dropped names from outside
// through the command-line builder, and registered commands through their
// cleaning. Whatever is started is the shortcut's own target, and the
// command line, read back by the usual rules, ends with exactly the dropped
// names; a batch file never gets a "%".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "core/commands/program_association.h"
#include "core/dragdrop/shortcut_launch.h"
#include "core/paths/path_text.h"
#include "fuzz_input.h"

namespace {

// The command line split as programs read it (the C runtime's rules).
std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
      size_t slashes = 0;
      while (i < line.size() && line[i] == '\\') ++slashes, ++i;
      if (i < line.size() && line[i] == '"') {
        arg.append(slashes / 2, '\\');
        if (slashes % 2) {
          arg.push_back('"');
        } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          arg.push_back('"');
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        arg.append(slashes, '\\');
        if (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t')))
          arg.push_back(line[i++]);
      }
    }
    args.push_back(arg);
  }
  return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  fuzz::Input in(data, size);
  const bool isFile = in.Byte() & 1;
  ShortcutLink link{std::string(in.Text()), std::string(in.Text()), std::string(in.Text())};
  FileList documents;
  while (!in.Empty() && documents.size() < 8) documents.emplace_back(in.Text());
  (void)CleanRegisteredCommand(link.target);

  const ShortcutLaunch plan = PlanShortcutLaunch("Tool", link, isFile, documents);
  const auto* start = std::get_if<ProgramStart>(&plan);
  if (!start) return 0;
  if (!isFile || start->program != link.target || start->directory != link.workingDirectory)
    std::abort();
  const std::vector<std::string> args = SplitCommandLine(start->commandLine);
  if (args.empty() || args[0] != link.target) std::abort();
  // The shortcut's own arguments are the user's and may hold anything; with
  // plain ones the dropped names come back exactly, at the end.
  const bool plain = link.arguments.find_first_of("\"\\") == std::string::npos;
  if (plain) {
    if (args.size() < 1 + documents.size()) std::abort();
    for (size_t k = 0; k < documents.size(); ++k)
      if (args[args.size() - documents.size() + k] != documents[k]) std::abort();
  }
  if (IsBatchExtension(PathExtension(link.target)))
    for (const std::string& d : documents)
      if (d.find('%') != std::string::npos) std::abort();
  return 0;
}
