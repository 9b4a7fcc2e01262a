#include "core/wizard/help_file.h"

namespace olb {

std::string HelpFileFor(std::string_view exePath) {
  // Windows takes either slash as a separator.
  const size_t nameStart = exePath.find_last_of("\\/") + 1;  // npos + 1 == 0
  const size_t dot = exePath.rfind('.');
  std::string path(exePath);
  if (dot != std::string_view::npos && dot >= nameStart) path.resize(dot);
  return path + ".CHM";
}

std::string HelpTopicFor(std::string_view helpFile) {
  return std::string(helpFile) + std::string(kHelpTopic);
}

void OpenHelp(HelpViewer& viewer, std::string_view exePath) {
  viewer.DisplayTopic(HelpTopicFor(HelpFileFor(exePath)));
}

}  // namespace olb
