#include "win32/adapters/win32_launcher.h"

#include <shellapi.h>

#include <optional>
#include <string>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// An absent field is a null pointer, which the shell reads differently from
// an empty string (no verb: the item's default verb).
struct OptionalWide {
  explicit OptionalWide(const std::optional<std::string>& text) {
    if (text) value = Widen(*text);
  }
  const wchar_t* get() const { return value ? value->c_str() : nullptr; }
  std::optional<std::wstring> value;
};

}  // namespace

intptr_t Win32Launcher::ShellOpen(const ShellOpenRequest& request) {
  const OptionalWide verb(request.verb), parameters(request.parameters),
      directory(request.directory);
  const std::wstring file = Widen(request.file);
  const HINSTANCE result =
      ShellExecuteW(request.ownedByAppWindow ? appWindow_ : nullptr, verb.get(), file.c_str(),
                    parameters.get(), directory.get(), request.show);
  return reinterpret_cast<intptr_t>(result);
}

}  // namespace olb::win
