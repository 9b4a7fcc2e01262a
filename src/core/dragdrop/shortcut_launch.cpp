#include "core/dragdrop/shortcut_launch.h"

#include "core/paths/path_text.h"

namespace olb {
namespace {

bool HasQuoteOrControl(std::string_view text) {
  for (char c : text) {
    if (c == '"' || (static_cast<unsigned char>(c) < ' ')) return true;
  }
  return false;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

LaunchRefused Refuse(std::string_view shortcutName, const std::string& why) {
  return {Quoted(shortcutName) + " cannot start its program: " + why};
}

}  // namespace

bool IsProgramExtension(const std::string& lowerExtension) {
  return lowerExtension == ".exe" || lowerExtension == ".com" || IsBatchExtension(lowerExtension);
}

bool IsBatchExtension(const std::string& lowerExtension) {
  return lowerExtension == ".bat" || lowerExtension == ".cmd";
}

std::string QuoteArgument(std::string_view text) {
  size_t slashes = 0;
  while (slashes < text.size() && text[text.size() - 1 - slashes] == '\\') ++slashes;
  std::string quoted(1, '"');
  quoted.append(text).append(slashes, '\\').push_back('"');
  return quoted;
}

std::string TrimArguments(const std::string& text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

ShortcutLaunch PlanShortcutLaunch(std::string_view shortcutName, const ShortcutLink& link,
                                  bool targetIsFile, const FileList& documents) {
  const std::string& target = link.target;
  // A quote would end the program's name early on the command line; a
  // crafted shortcut uses that to smuggle in a command.
  if (target.empty() || HasQuoteOrControl(target)) {
    return Refuse(
        shortcutName,
        std::string("its target ").append(Quoted(target)).append(" is not a valid file name."));
  }
  const std::string extension = PathExtension(target);
  if (!IsProgramExtension(extension)) return LaunchIgnored{};
  if (!targetIsFile) return Refuse(shortcutName, Quoted(target) + " does not exist.");
  const bool batch = IsBatchExtension(extension);
  if (batch && target.find('%') != std::string::npos) {
    return Refuse(shortcutName,
                  std::string("the batch file ")
                      .append(Quoted(target))
                      .append(" would read the \"%\" in its own name as a variable."));
  }
  std::string arguments = link.arguments;
  for (const std::string& document : documents) {
    if (HasQuoteOrControl(document)) {
      return Refuse(shortcutName, Quoted(document) + " is not a valid file name.");
    }
    // The command interpreter expands %NAME% even inside quotes, and no
    // escape survives its parsing in every position: such names are not
    // handed to a batch file at all.
    if (batch && document.find('%') != std::string::npos) {
      return Refuse(shortcutName, std::string("the batch file would read the \"%\" in ")
                                      .append(Quoted(document))
                                      .append(" as a variable."));
    }
    arguments.append(1, ' ').append(QuoteArgument(document));
  }
  arguments = TrimArguments(arguments);
  std::string commandLine = QuoteArgument(target);
  if (!arguments.empty()) commandLine.append(1, ' ').append(arguments);
  return ProgramStart{target, commandLine, link.workingDirectory};
}

}  // namespace olb
