#include "core/folder/launch_rules.h"

#include <array>

namespace olb {

std::string PathExtension(std::string_view path) {
  const size_t at = path.find_last_of(".\\:");
  if (at == std::string_view::npos || path[at] != '.') return {};
  std::string ext(path.substr(at));
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return ext;
}

std::string PathFolder(std::string_view path) {
  size_t at = path.find_last_of("\\:");
  if (at == std::string_view::npos) return {};
  // Drop the separator unless the character before it is itself one, so
  // that "C:\x" keeps "C:\" and "C:\a\x" gives "C:\a".
  if (at > 0 && path[at] == '\\' && path[at - 1] != '\\' && path[at - 1] != ':') {
    return std::string(path.substr(0, at));
  }
  return std::string(path.substr(0, at + 1));
}

bool InLaunchSet(std::string_view lowerExtension) {
  static constexpr std::array<std::string_view, 5> kLaunchSet = {".exe", ".com", ".bat", ".lnk",
                                                                 ".url"};
  for (std::string_view e : kLaunchSet) {
    if (e == lowerExtension) return true;
  }
  return false;
}

ShellOpenRequest LaunchRequestFor(std::string_view fullPath) {
  ShellOpenRequest request;
  request.file = std::string(fullPath);
  request.show = kShowNormal;
  const std::string ext = PathExtension(fullPath);
  if (InLaunchSet(ext)) {
    // A program starts in its own folder, as a shortcut to it would start
    // it; a shortcut brings its own working directory.
    if (ext != ".lnk" && ext != ".url") request.directory = PathFolder(fullPath);
    return request;
  }
  request.ownedByAppWindow = true;
  request.verb = "Open";
  request.parameters = "";
  request.directory = PathFolder(fullPath);
  return request;
}

bool UpEnabledAt(std::string_view currentPath, std::string_view rootPath) {
  return !(currentPath.size() + 1 == rootPath.size() && rootPath.starts_with(currentPath) &&
           rootPath.back() == '\\');
}

std::optional<std::string> LaunchFailureMessage(std::string_view caption, std::string_view file,
                                                intptr_t answer) {
  if (answer > 32) return std::nullopt;
  // A shortcut whose target is gone is refused as "not found" or, by some
  // shells, as a file of no known type.
  const bool shortcut = PathExtension(file) == ".lnk";
  std::string why;
  switch (answer) {
    case 2:
    case 3:
    case 27:
    case 31:
      if (shortcut) {
        why =
            "the program or file the shortcut points to cannot be found. It may have been "
            "moved or removed.";
      } else if (answer == 2) {
        why = "the file cannot be found.";
      } else if (answer == 3) {
        why = "the folder it is in cannot be found.";
      } else {
        why = "no program is set to open files of its type.";
      }
      break;
    case 5:
      why = "access is denied.";
      break;
    case 0:
    case 8:
      why = "there is not enough memory.";
      break;
    case 11:
      why = "it is not a valid program.";
      break;
    default:
      why = "Windows could not open it (error ";
      why.append(std::to_string(answer)).append(").");
      break;
  }
  std::string message = "Cannot open \"";
  message.append(caption).append("\": ").append(why);
  return message;
}

}  // namespace olb
