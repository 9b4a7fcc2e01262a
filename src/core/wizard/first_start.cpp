#include "core/wizard/first_start.h"

#include "core/paths/path_text.h"

namespace olb {

std::optional<WizardEnd> RunFirstStart(const WizardServices& services, std::string_view rootPath,
                                       BarOptions& options, const std::function<void()>& hideBar) {
  FileOps& files = services.files;
  if (files.DirectoryExists(rootPath)) return std::nullopt;
  if (hideBar) hideBar();
  // The wizard makes the root folder with its answers; where it cannot be
  // made (no folder to make it in, a file in its place) it is skipped.
  const std::string_view folder = WithoutTrailingBackslashes(rootPath);
  if (!files.DirectoryExists(PathFolder(folder)) || files.FileExists(folder)) return std::nullopt;
  return RunSetupWizard(services, rootPath, options);
}

}  // namespace olb
