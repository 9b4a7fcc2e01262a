// The file-chooser port over the common open-file dialog.
#pragma once

#include <windows.h>

#include "core/platform/file_chooser.h"

namespace olb::win {

class Win32FileChooser : public FileChooser {
 public:
  // `owner` owns the dialog (the application window); may be null.
  explicit Win32FileChooser(HWND owner) : owner_(owner) {}
  std::optional<std::string> ChooseFile(const FileChooserRequest& request) override;

 private:
  HWND owner_;
};

}  // namespace olb::win
