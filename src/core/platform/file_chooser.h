// Port: the common open-file dialog, asked for one existing file.
#pragma once

#include <optional>
#include <string>

namespace olb {

// What the dialog shows. No filter and no initial directory are set.
struct FileChooserRequest {
  std::string title;
  bool hideReadOnly = false;        // OFN_HIDEREADONLY
  bool noDereferenceLinks = false;  // OFN_NODEREFERENCELINKS: a shortcut is returned as itself
  bool enableSizing = false;        // OFN_ENABLESIZING
  std::string fileName;             // the file name shown at the start
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;

  // Shows the dialog modally; the full path chosen, or nullopt when cancelled.
  virtual std::optional<std::string> ChooseFile(const FileChooserRequest& request) = 0;
};

}  // namespace olb
