// The bar's open dialog for New Shortcut. Like a dialog component kept by the
// form, it starts the next use with the file name of the previous choice.
#pragma once

#include <optional>
#include <string>

#include "core/platform/file_chooser.h"

namespace olb {

inline constexpr const char* kShortcutDialogTitle = "Select shortcut for placing to the Bar";

class ShortcutDialog {
 public:
  ShortcutDialog();

  // Shows the dialog; the chosen path, which the next use starts with, or
  // nullopt when cancelled (the file name is then kept as it was).
  std::optional<std::string> Execute(FileChooser& chooser);

  const FileChooserRequest& request() const { return request_; }

 private:
  FileChooserRequest request_;
};

}  // namespace olb
