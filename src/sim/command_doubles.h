// Stand-ins for the open dialog's user and for the bar form as the item
// commands see it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/commands/item_commands.h"
#include "core/platform/file_chooser.h"

namespace olb::sim {

// A user who picks `choice` (nullopt: presses Cancel) in every dialog shown.
class ScriptedChooser : public FileChooser {
 public:
  std::optional<std::string> ChooseFile(const FileChooserRequest& request) override {
    shown.push_back(request);
    if (whileShown) whileShown();
    return choice;
  }
  std::optional<std::string> choice;
  std::function<void()> whileShown;       // runs while the dialog is up
  std::vector<FileChooserRequest> shown;  // every dialog, as it was asked for
};

// Counts what the commands asked of the form; `onPump` runs in place of the
// pending messages (a test's stand-in for a re-entrant tick).
class RecordingCommandHost : public CommandHost {
 public:
  void ProcessMessages() override {
    ++pumps;
    if (onPump) onPump();
  }
  void UpdateScrollStrips() override { ++stripUpdates; }
  void ShowError(const std::string& message) override { errors.push_back(message); }
  void FolderReplaced() override { ++folderReplacements; }
  bool Confirm(const std::string& question) override {
    questions.push_back(question);
    return yes;
  }

  int pumps = 0;
  int stripUpdates = 0;
  int folderReplacements = 0;
  std::function<void()> onPump;
  std::vector<std::string> errors;     // every error box, by its text
  std::vector<std::string> questions;  // every question asked
  bool yes = true;                     // the answer to every question
};

}  // namespace olb::sim
