// Port: handing a file to the shell to be opened.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace olb {

constexpr int32_t kShowNormal = 1;  // SW_SHOWNORMAL

// One ShellExecute call. An absent field is passed as a null pointer, which is
// not the same as an empty string (no verb means the item's default verb).
struct ShellOpenRequest {
  bool ownedByAppWindow = false;  // owner: the application window, or none
  std::optional<std::string> verb;
  std::string file;
  std::optional<std::string> parameters;
  std::optional<std::string> directory;  // working directory of the started program
  int32_t show = kShowNormal;

  friend bool operator==(const ShellOpenRequest&, const ShellOpenRequest&) = default;
};

class Launcher {
 public:
  virtual ~Launcher() = default;

  // The shell's answer: above 32 when the launch was dispatched.
  virtual intptr_t ShellOpen(const ShellOpenRequest& request) = 0;
};

}  // namespace olb
