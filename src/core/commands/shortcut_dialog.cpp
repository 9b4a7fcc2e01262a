#include "core/commands/shortcut_dialog.h"

namespace olb {

ShortcutDialog::ShortcutDialog() {
  request_.title = kShortcutDialogTitle;
  request_.hideReadOnly = true;
  // A chosen shortcut is copied as the shortcut itself, not its target.
  request_.noDereferenceLinks = true;
  request_.enableSizing = true;
}

std::optional<std::string> ShortcutDialog::Execute(FileChooser& chooser) {
  std::optional<std::string> chosen = chooser.ChooseFile(request_);
  if (chosen) request_.fileName = *chosen;
  return chosen;
}

}  // namespace olb
