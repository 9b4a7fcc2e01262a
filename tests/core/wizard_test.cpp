#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>

#include "core/settings/options_store.h"
#include "core/wizard/autoload.h"
#include "core/wizard/first_start.h"
#include "core/wizard/help_file.h"
#include "core/wizard/setup_wizard.h"
#include "fs_fixture.h"
#include "sim/linux/fs_file_ops.h"
#include "sim/memory_registry.h"

namespace olb {
namespace {

std::string RunValue(sim::MemoryRegistry& registry) {
  const auto v = registry.Read(RegistryRoot::CurrentUser, kRunKey, kRunValueName);
  if (!v) return "<none>";
  EXPECT_EQ(v->type, static_cast<uint32_t>(RegistryType::String));
  return {v->data.begin(), v->data.end()};
}

TEST(Autoload, WritesTheExecutablePathQuotedAndAgainOnEveryCall) {
  sim::MemoryRegistry registry;
  registry.AddKey(RegistryRoot::CurrentUser, kRunKey);
  const std::string exe = "C:\\Program Files\\Ovel Launch Bar\\OvelLaunchBar.exe";
  WriteAutoloadValue(registry, exe);
  WriteAutoloadValue(registry, exe);
  EXPECT_EQ(RunValue(registry), "\"" + exe + "\"");
  EXPECT_EQ(registry.writeCount(), 2);
}

TEST(Autoload, IsOnOnlyWhenTheRunValueNamesThisProgram) {
  const std::string exe = "C:\\Program Files\\Ovel\\OvelLaunchBar.exe";
  const struct {
    const char* data;
    bool on;
  } cases[] = {
      {"\"C:\\Program Files\\Ovel\\OvelLaunchBar.exe\"", true},
      {"C:\\Program Files\\Ovel\\OvelLaunchBar.exe", true},  // as older versions wrote it
      {"  \"c:\\program files\\ovel\\ovellaunchbar.EXE\" ", true},
      {"\"C:\\Old\\OvelLaunchBar.exe\"", false},  // the program has moved
      {"C:\\Program", false},
      {"\"C:\\Program Files\\Ovel\\OvelLaunchBar.exe", true},  // unclosed quote
      {"", false},
  };
  for (const auto& c : cases) {
    sim::MemoryRegistry registry;
    registry.Write(RegistryRoot::CurrentUser, kRunKey, kRunValueName,
                   {static_cast<uint32_t>(RegistryType::String),
                    {c.data, c.data + std::string_view(c.data).size()}});
    EXPECT_EQ(AutoloadIsOn(registry, exe), c.on) << c.data;
  }
  sim::MemoryRegistry binary;
  binary.Write(RegistryRoot::CurrentUser, kRunKey, kRunValueName,
               {static_cast<uint32_t>(RegistryType::Binary), {exe.begin(), exe.end()}});
  EXPECT_FALSE(AutoloadIsOn(binary, exe));
}

TEST(Autoload, ToggleRemovesItsOwnValueAndReplacesAnother) {
  sim::MemoryRegistry registry;
  registry.AddKey(RegistryRoot::CurrentUser, kRunKey);
  const std::string exe = "C:\\a b\\bar.exe";
  ToggleAutoload(registry, exe);
  EXPECT_EQ(RunValue(registry), "\"C:\\a b\\bar.exe\"");
  EXPECT_TRUE(AutoloadIsOn(registry, exe));
  ToggleAutoload(registry, exe);
  EXPECT_EQ(RunValue(registry), "<none>");
  EXPECT_TRUE(registry.HasKey(RegistryRoot::CurrentUser, kRunKey));

  WriteAutoloadValue(registry, "C:\\elsewhere\\bar.exe");
  ToggleAutoload(registry, exe);
  EXPECT_EQ(RunValue(registry), "\"C:\\a b\\bar.exe\"");

  registry.DenyWrites(RegistryRoot::CurrentUser, kRunKey);
  EXPECT_THROW(ToggleAutoload(registry, exe), std::runtime_error);
  EXPECT_EQ(RunValue(registry), "\"C:\\a b\\bar.exe\"");
}

TEST(Autoload, AMissingRunKeyIsReportedAndNotCreated) {
  sim::MemoryRegistry registry;
  try {
    WriteAutoloadValue(registry, "C:\\bar.exe");
    FAIL() << "no error raised";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'Ovel Launch Bar'");
  }
  EXPECT_FALSE(registry.HasKey(RegistryRoot::CurrentUser, kRunKey));
}

TEST(HelpFile, OnlyTheFileNamesExtensionBecomesChm) {
  const struct {
    const char* exe;
    const char* help;
  } cases[] = {
      {"C:\\Program Files\\Ovel\\OvelLaunchBar.exe", "C:\\Program Files\\Ovel\\OvelLaunchBar.CHM"},
      {"C:\\tools\\bar.v2.exe", "C:\\tools\\bar.v2.CHM"},
      {"C:\\my.tools\\bar", "C:\\my.tools\\bar.CHM"},
      {"C:/my.tools/bar", "C:/my.tools/bar.CHM"},
      {"bar", "bar.CHM"},
      {"C:\\tools\\bar.", "C:\\tools\\bar.CHM"},
  };
  for (const auto& c : cases) EXPECT_EQ(HelpFileFor(c.exe), c.help) << c.exe;
}

TEST(HelpFile, OpensTheIntroductionOfTheFileBesideTheProgram) {
  struct Recorder : HelpViewer {
    std::vector<std::string> topics;
    void DisplayTopic(std::string_view topic) override { topics.emplace_back(topic); }
  } viewer;
  OpenHelp(viewer, "C:\\a b\\OvelLaunchBar.exe");
  EXPECT_EQ(viewer.topics,
            std::vector<std::string>{"C:\\a b\\OvelLaunchBar.CHM::/introduction.htm"});
}

// A user answering the pages: each page closes with the next answer and
// leaves the boxes as `choices` say.
class ScriptedUser : public WizardWindow {
 public:
  std::deque<bool> answers;
  WizardChoices choices;
  std::vector<WizardPage> shown;
  std::vector<std::string> errors;

  bool ShowPage(WizardPage page) override {
    shown.push_back(page);
    if (answers.empty()) throw std::logic_error("page shown after the last answer");
    const bool ok = answers.front();
    answers.pop_front();
    return ok;
  }
  std::function<void(WizardChoices&)> change;  // what the user changes in the preset boxes
  std::optional<WizardChoices> preset;

  void PresetChoices(const WizardChoices& p) override {
    preset = choices = p;
    if (change) change(choices);
  }
  WizardChoices Choices() const override { return choices; }
  void ReportError(std::string_view message) override { errors.emplace_back(message); }
};

class WizardTest : public testing::FsFixture {
 protected:
  WizardTest() { registry.AddKey(RegistryRoot::CurrentUser, kRunKey); }

  WizardEnd Run(std::deque<bool> answers) {
    user.answers = std::move(answers);
    return RunSetupWizard({user, files, registry, "C:\\bar.exe"}, Win("root") + "\\", options);
  }
  std::vector<std::string> Folders() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(root() / "root"))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  ScriptedUser user;
  sim::FsFileOps files{std::filesystem::current_path() / "recycled"};
  sim::MemoryRegistry registry;
  BarOptions options = [] {
    BarOptions o;
    o.AutoHide = 0;
    o.AlwaysOnTop = 1;
    return o;
  }();
  const std::filesystem::path rootDir = Dir("root");
};

TEST_F(WizardTest, ThreeOksMakeEveryCategoryAndApplyTheDefaults) {
  EXPECT_EQ(Run({true, true, true}), WizardEnd::Completed);
  EXPECT_EQ(user.shown, (std::vector{WizardPage::Step1, WizardPage::Step2, WizardPage::Step3}));
  EXPECT_EQ(Folders(),
            (std::vector<std::string>{"Games", "Graphics", "Internet", "Multimedia", "System"}));
  EXPECT_EQ(RunValue(registry), "<none>");  // Autoload started unticked
  EXPECT_EQ(options.AutoHide, 1u);
  EXPECT_EQ(options.AlwaysOnTop, 0u);
  // Stored at once, so the answers survive an exit before the bar moves.
  EXPECT_EQ(ReadOptions(registry, InitialOptions(), {}).live, options);
}

TEST_F(WizardTest, AutoloadStartsTickedOnlyWhenThisProgramAlreadyStartsWithWindows) {
  WriteAutoloadValue(registry, "C:\\elsewhere\\bar.exe");
  Run({true, true, true});
  EXPECT_FALSE(user.preset->autoload);
  EXPECT_EQ(RunValue(registry), "\"C:\\elsewhere\\bar.exe\"");

  WriteAutoloadValue(registry, "C:\\bar.exe");
  Run({true, true, true});
  EXPECT_TRUE(user.preset->autoload);
  EXPECT_EQ(RunValue(registry), "\"C:\\bar.exe\"");

  // Ticked by the user: written.
  registry.DeleteValue(RegistryRoot::CurrentUser, kRunKey, kRunValueName);
  user.change = [](WizardChoices& c) { c.autoload = true; };
  Run({true, true, true});
  EXPECT_EQ(RunValue(registry), "\"C:\\bar.exe\"");
}

TEST_F(WizardTest, CancelOnStepOneDoesNothingMore) {
  EXPECT_EQ(Run({false}), WizardEnd::CancelledAtStep1);
  EXPECT_TRUE(Folders().empty());
  EXPECT_EQ(RunValue(registry), "<none>");
  EXPECT_FALSE(registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName));
  EXPECT_EQ(options.AutoHide, 0u);
  EXPECT_EQ(options.AlwaysOnTop, 1u);
}

TEST_F(WizardTest, CancelOnStepTwoKeepsTheChosenFoldersAndChangesNoSetting) {
  user.change = [](WizardChoices& c) { c.categories[3] = false; };  // Multimedia
  EXPECT_EQ(Run({true, false}), WizardEnd::CancelledAtStep2);
  EXPECT_EQ(Folders(), (std::vector<std::string>{"Games", "Graphics", "Internet", "System"}));
  EXPECT_EQ(RunValue(registry), "<none>");
  EXPECT_FALSE(registry.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName));
  EXPECT_EQ(options.AutoHide, 0u);
  EXPECT_EQ(options.AlwaysOnTop, 1u);
}

TEST_F(WizardTest, AnUnwritableRunKeyIsReportedAndTheWizardGoesOn) {
  sim::MemoryRegistry noRunKey;
  user.change = [](WizardChoices& c) { c.autoload = true; };
  user.answers = {true, true, true};
  EXPECT_EQ(RunSetupWizard({user, files, noRunKey, "C:\\bar.exe"}, Win("root") + "\\", options),
            WizardEnd::Completed);
  EXPECT_EQ(user.errors, std::vector<std::string>{"Failed to set data for 'Ovel Launch Bar'"});
  EXPECT_EQ(options.AutoHide, 1u);
  EXPECT_EQ(user.shown.back(), WizardPage::Step3);
}

TEST_F(WizardTest, AnExistingRootFolderMeansNoWizardAndTheWorkingFolderNeverMoves) {
  const auto cwd = std::filesystem::current_path();
  bool hidden = false;
  const auto hide = [&] { hidden = true; };
  EXPECT_EQ(
      RunFirstStart({user, files, registry, "C:\\bar.exe"}, Win("root") + "\\", options, hide),
      std::nullopt);
  EXPECT_FALSE(hidden);
  EXPECT_TRUE(user.shown.empty());

  user.answers = {true, true, true};
  EXPECT_EQ(RunFirstStart({user, files, registry, "C:\\bar.exe"}, Win("new") + "\\", options, hide),
            WizardEnd::Completed);
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(std::filesystem::is_directory(root() / "new" / "Games"));
  EXPECT_EQ(std::filesystem::current_path(), cwd);
}

// The program killed while the wizard is up: nothing was made or stored,
// and the next start is a first start again.
TEST_F(WizardTest, AFirstStartKilledInTheWizardLeavesNoTraceAndAsksAgain) {
  const auto start = [&] {
    return RunFirstStart({user, files, registry, "C:\\bar.exe"}, Win("new") + "\\", options, {});
  };
  user.answers = {true};  // no answer comes from step 2
  EXPECT_THROW(start(), std::logic_error);
  EXPECT_FALSE(std::filesystem::exists(root() / "new"));
  EXPECT_EQ(RunValue(registry), "<none>");
  user.answers = {true, true, true};
  EXPECT_EQ(start(), WizardEnd::Completed);
  EXPECT_TRUE(std::filesystem::is_directory(root() / "new" / "Games"));
}

TEST_F(WizardTest, ARootFolderThatCannotBeMadeSkipsTheWizard) {
  File("blocked");  // a file of the folder's name is in the way
  bool hidden = false;
  EXPECT_EQ(RunFirstStart({user, files, registry, "C:\\bar.exe"}, Win("blocked") + "\\", options,
                          [&] { hidden = true; }),
            std::nullopt);
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(user.shown.empty());
}

}  // namespace
}  // namespace olb
