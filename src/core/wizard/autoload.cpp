#include "core/wizard/autoload.h"

#include <stdexcept>

#include "core/paths/path_text.h"

namespace olb {
namespace {

// The program a command line names: the text between the leading quotes, or
// the whole text when it is not quoted; surrounding blanks do not count.
std::string_view ProgramOf(std::string_view command) {
  const size_t first = command.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  command.remove_prefix(first);
  if (command.front() == '"') {
    command.remove_prefix(1);
    return command.substr(0, command.find('"'));
  }
  return command.substr(0, command.find_last_not_of(" \t") + 1);
}

}  // namespace

std::string AutoloadCommand(std::string_view exePath) {
  std::string command(1, '"');
  command.append(exePath).push_back('"');
  return command;
}

void WriteAutoloadValue(Registry& registry, std::string_view exePath) {
  const std::string command = AutoloadCommand(exePath);
  const RegistryValue value{static_cast<uint32_t>(RegistryType::String),
                            {command.begin(), command.end()}};
  // The Run key belongs to Windows: the bar writes into it but never makes it.
  if (!registry.WriteExisting(RegistryRoot::CurrentUser, kRunKey, kRunValueName, value)) {
    throw std::runtime_error(std::string("Failed to set data for '").append(kRunValueName) + "'");
  }
}

bool AutoloadIsOn(Registry& registry, std::string_view exePath) {
  const auto value = registry.Read(RegistryRoot::CurrentUser, kRunKey, kRunValueName);
  if (!value || (value->type != static_cast<uint32_t>(RegistryType::String) &&
                 value->type != static_cast<uint32_t>(RegistryType::ExpandString)))
    return false;
  const std::string data(value->data.begin(), value->data.end());
  return !exePath.empty() && EqualNoCase(ProgramOf(data), exePath);
}

void ToggleAutoload(Registry& registry, std::string_view exePath) {
  if (!AutoloadIsOn(registry, exePath)) {
    WriteAutoloadValue(registry, exePath);
    return;
  }
  if (!registry.DeleteValue(RegistryRoot::CurrentUser, kRunKey, kRunValueName))
    throw std::runtime_error(std::string("Failed to delete '").append(kRunValueName) + "'");
}

}  // namespace olb
