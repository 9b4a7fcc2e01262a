// The first-start wizard's flow: three pages shown one after another in the
// same modal window, and what each answered page does.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/platform/file_ops.h"
#include "core/platform/registry.h"
#include "core/settings/bar_options.h"
#include "core/version.h"

namespace olb {

enum class WizardPage { Step1, Step2, Step3, About };

// The window caption and the OK button's caption of a page.
struct PageLook {
  std::string_view windowCaption;
  std::string_view okCaption;
};
PageLook LookOf(WizardPage page);

// The category folders offered on step 1, made in this order.
inline constexpr std::array<std::string_view, 5> kCategoryFolders{"Games", "Graphics", "Internet",
                                                                  "Multimedia", "System"};

// The check boxes of steps 1 and 2, with their first-start states. Autoload
// starts as the Run value is: ticked only when this program already starts
// with Windows (the installer asked), so accepting every default never adds
// a start with Windows the user did not choose.
struct WizardChoices {
  std::array<bool, kCategoryFolders.size()> categories{true, true, true, true, true};
  bool autoload = false;
  bool autoHide = true;
  bool alwaysOnTop = false;
};

// The wizard's window as the flow sees it.
class WizardWindow {
 public:
  virtual ~WizardWindow() = default;
  // Shows `page` modally; true when it closed with OK.
  virtual bool ShowPage(WizardPage page) = 0;
  // Sets the boxes before the first page is shown.
  virtual void PresetChoices(const WizardChoices& choices) = 0;
  // The boxes as the user left them.
  virtual WizardChoices Choices() const = 0;
  // A failure the user should know of, which does not stop the wizard.
  virtual void ReportError(std::string_view message) = 0;
};

struct WizardServices {
  WizardWindow& window;
  FileOps& files;
  Registry& registry;
  std::string exePath;  // what the Run value starts
};

// How far the user went.
enum class WizardEnd { CancelledAtStep1, CancelledAtStep2, Completed };

// Runs steps 1 to 3 for the root folder `rootPath` (with its trailing
// backslash), which does not exist yet, the boxes preset to their
// first-start states. Cancel on step 1 makes the root folder alone. Once
// step 2 has ended the root folder and the category
// folders checked on step 1 are made (results ignored: a folder that cannot
// be made is simply missing); OK on step 2 then writes the Run value when
// "Autoload" is checked, sets the record's AutoHide and AlwaysOnTop, which
// the menu's check marks follow, and stores the record; the bar applies them
// through its own paths once it is shown. Cancel stops the wizard with
// nothing more done.
WizardEnd RunSetupWizard(const WizardServices& services, std::string_view rootPath,
                         BarOptions& options);

// The About page's texts.
inline constexpr std::string_view kVersionText = OLB_VERSION_TEXT;
inline constexpr std::string_view kSupportMail = "support@vantrel.example";
std::string AboutVersionCaption();  // "Version: 3.6.0"
std::string SupportMailLink();      // "mailto:" + the support address

}  // namespace olb
