#include "core/folder/launch_rules.h"

#include <array>

#include "core/paths/path_text.h"

namespace olb {

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

std::string ItemGoneMessage(std::string_view verb, std::string_view caption) {
  std::string message = "Cannot ";
  message.append(verb).append(" \"").append(caption).append(
      "\": it is no longer in the folder shown.");
  return message;
}

bool UpEnabledAt(std::string_view currentPath, std::string_view rootPath) {
  return !IsRootFolder(currentPath, rootPath);
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
