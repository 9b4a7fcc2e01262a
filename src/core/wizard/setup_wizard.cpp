#include "core/wizard/setup_wizard.h"

#include <exception>

#include "core/settings/options_store.h"
#include "core/wizard/autoload.h"

namespace olb {
namespace {

constexpr std::string_view kSettingsCaption = "Ovel Launch Bar: Settings";

// The root folder, then the checked categories in it.
void MakeFolders(FileOps& files, std::string_view rootPath, const WizardChoices& c) {
  files.MakeDirectory(rootPath);
  for (size_t i = 0; i < kCategoryFolders.size(); ++i) {
    if (c.categories[i])
      files.MakeDirectory(std::string(rootPath) + std::string(kCategoryFolders[i]));
  }
}

}  // namespace

PageLook LookOf(WizardPage page) {
  switch (page) {
    case WizardPage::Step1:
    case WizardPage::Step2:
      return {kSettingsCaption, "Next"};
    case WizardPage::Step3:
      return {kSettingsCaption, "OK"};
    case WizardPage::About:
      return {"Ovel Launch Bar: About", "OK"};
  }
  return {};
}

WizardEnd RunSetupWizard(const WizardServices& services, std::string_view rootPath,
                         BarOptions& options) {
  WizardWindow& window = services.window;
  WizardChoices initial;
  initial.autoload = AutoloadIsOn(services.registry, services.exePath);
  window.PresetChoices(initial);
  // Nothing is made before an answer: a wizard that never ends (the
  // program killed under it) leaves no root folder, and runs again.
  if (!window.ShowPage(WizardPage::Step1)) {
    services.files.MakeDirectory(rootPath);
    return WizardEnd::CancelledAtStep1;
  }
  const WizardChoices folders = window.Choices();
  const bool saved = window.ShowPage(WizardPage::Step2);
  MakeFolders(services.files, rootPath, folders);
  if (!saved) return WizardEnd::CancelledAtStep2;
  const WizardChoices choices = window.Choices();
  if (choices.autoload) {
    // A Run key that cannot be written costs the user autoload, not the
    // first start: the folders exist and the remaining answers still count.
    try {
      WriteAutoloadValue(services.registry, services.exePath);
    } catch (const std::exception& e) {
      window.ReportError(e.what());
    }
  }
  options.AutoHide = choices.autoHide ? 1 : 0;
  options.AlwaysOnTop = choices.alwaysOnTop ? 1 : 0;
  // Stored at once: a user who exits before moving the bar keeps the answers
  // (the wizard never comes back once the root folder exists).
  if (!WriteOptions(services.registry, options))
    window.ReportError(std::string("Failed to set data for '").append(kOptionsValueName) + "'");

  // The last page only explains; how it closes makes no difference.
  window.ShowPage(WizardPage::Step3);
  return WizardEnd::Completed;
}

std::string AboutVersionCaption() {
  std::string caption = "Version: ";
  return caption.append(kVersionText);
}

std::string SupportMailLink() {
  std::string link = "mailto:";
  return link.append(kSupportMail);
}

}  // namespace olb
