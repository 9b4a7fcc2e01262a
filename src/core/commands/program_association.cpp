#include "core/commands/program_association.h"

#include <optional>

namespace olb {
namespace {

constexpr std::string_view kOpenCommand = "\\shell\\open\\command";

// The default value of `key` under the classes root: nullopt when it cannot
// be read (the port does not tell a missing key from a missing value); a
// value that is not text reads as empty.
std::optional<std::string> ReadDefault(Registry& registry, const std::string& key) {
  std::optional<RegistryValue> value = registry.Read(RegistryRoot::ClassesRoot, key, "");
  if (!value) return std::nullopt;
  const auto type = static_cast<RegistryType>(value->type);
  if (type != RegistryType::String && type != RegistryType::ExpandString) return std::string();
  std::string text(value->data.begin(), value->data.end());
  // A stored terminator (or anything after it) is not part of the text.
  if (const size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

}  // namespace

std::string CleanRegisteredCommand(std::string command) {
  if (const size_t percent = command.find('%'); percent != std::string::npos) {
    command.erase(percent);
  }
  if (!command.empty() && command.front() == '"') command.erase(0, 1);
  if (!command.empty() && command.back() == '"') command.pop_back();
  while (!command.empty() && (command.back() == ' ' || command.back() == '"')) {
    command.pop_back();
  }
  return command;
}

std::string GetProgramAssociation(Registry& registry, std::string_view extension) {
  std::string dotted(1, '.');
  dotted += extension;
  std::string result;
  if (std::optional<std::string> own = ReadDefault(registry, dotted + std::string(kOpenCommand))) {
    result = std::move(*own);
  } else if (std::optional<std::string> type = ReadDefault(registry, dotted)) {
    result = std::move(*type);
    if (!result.empty()) {
      const std::string key = result + std::string(kOpenCommand);
      if (std::optional<std::string> command = ReadDefault(registry, key)) {
        result = std::move(*command);
      }
    }
  }
  return CleanRegisteredCommand(std::move(result));
}

}  // namespace olb
