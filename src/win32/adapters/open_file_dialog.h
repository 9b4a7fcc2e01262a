// The file-chooser port over the common open-file dialog.
#pragma once

#include <windows.h>

#include "core/platform/file_chooser.h"

namespace olb::win {

class OpenFileDialog : public FileChooser {
 public:
  // `owner` owns the dialog (the application window); may be null.
  explicit OpenFileDialog(HWND owner) : owner_(owner) {}
  std::optional<std::string> ChooseFile(const FileChooserRequest& request) override;

 private:
  HWND owner_;
};

}  // namespace olb::win
