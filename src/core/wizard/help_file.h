// Where the bar's compiled help lives and which topic it opens at.
#pragma once

#include <string>
#include <string_view>

namespace olb {

inline constexpr std::string_view kHelpTopic = "::/introduction.htm";

// The executable's path with the extension of its file name replaced by
// ".CHM"; a file name without a dot gets ".CHM" appended. A dot in a folder
// name is not an extension.
std::string HelpFileFor(std::string_view exePath);

// The viewer's address of the introduction inside `helpFile`.
std::string HelpTopicFor(std::string_view helpFile);

// Opens a topic of a compiled help file (the HTML Help viewer).
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void DisplayTopic(std::string_view topic) = 0;
};

// OpenHelpTopic: the introduction of the help file beside `exePath`. Whether the
// file exists is the viewer's to report.
void OpenHelp(HelpViewer& viewer, std::string_view exePath);

}  // namespace olb
