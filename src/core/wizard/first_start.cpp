#include "core/wizard/first_start.h"

namespace olb {

std::optional<WizardEnd> RunFirstStart(const WizardServices& services, std::string_view rootPath,
                                       BarOptions& options, const std::function<void()>& hideBar) {
  FileOps& files = services.files;
  if (files.DirectoryExists(rootPath)) return std::nullopt;
  if (hideBar) hideBar();
  files.MakeDirectory(rootPath);
  if (!files.DirectoryExists(rootPath)) return std::nullopt;
  return RunSetupWizard(services, rootPath, options);
}

}  // namespace olb
