// The first-start part of start-up: no root folder yet means a new user.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "core/settings/bar_options.h"
#include "core/wizard/setup_wizard.h"

namespace olb {

// When the root folder `rootPath` exists, does nothing and returns nullopt.
// Otherwise this is a first start: `hideBar` runs and, when the root can be
// made (its parent folder exists and no file has its name), the setup
// wizard runs, which makes the root folder (one level) with its answers,
// and its end is returned; otherwise the wizard is skipped (nullopt) and
// opening the folder afterwards reports why.
//
// Existence is asked of the file-system port: the process's current
// directory is never changed, so the folder can be renamed, moved or
// deleted while the bar runs, and programs started from the bar do not
// inherit it.
std::optional<WizardEnd> RunFirstStart(const WizardServices& services, std::string_view rootPath,
                                       BarOptions& options, const std::function<void()>& hideBar);

}  // namespace olb
