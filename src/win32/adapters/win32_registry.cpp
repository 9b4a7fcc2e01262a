#include "win32/adapters/win32_registry.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "win32/base/unicode.h"
#include "win32/base/unique_handle.h"

namespace olb::win {
namespace {

// Opens `key` below `root` for `access`; an empty owner when that fails.
RegistryKey OpenKey(HKEY root, std::string_view key, REGSAM access, LONG* result = nullptr) {
  HKEY opened = nullptr;
  const LONG rc = RegOpenKeyExW(root, Widen(key).c_str(), 0, access, &opened);
  if (result) *result = rc;
  return RegistryKey(rc == ERROR_SUCCESS ? opened : nullptr);
}

bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// UTF-16 registry text to UTF-8, dropping the terminator(s).
std::vector<uint8_t> TextFromRegistry(const std::vector<uint8_t>& bytes) {
  std::wstring text(bytes.size() / 2, L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * 2);
  text.resize(std::wcslen(text.c_str()));
  const std::string utf8 = Narrow(text);
  return {utf8.begin(), utf8.end()};
}

std::vector<uint8_t> TextToRegistry(const std::vector<uint8_t>& utf8) {
  const std::wstring text =
      Widen(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
  std::vector<uint8_t> bytes((text.size() + 1) * 2, 0);
  std::memcpy(bytes.data(), text.data(), text.size() * 2);
  return bytes;
}

}  // namespace

HKEY Win32Registry::RootKey(RegistryRoot root) const {
  return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : currentUser_;
}

std::optional<RegistryValue> Win32Registry::Read(RegistryRoot root, std::string_view key,
                                                 std::string_view name) {
  const RegistryKey k = OpenKey(RootKey(root), key, KEY_QUERY_VALUE);
  if (!k) return std::nullopt;
  const std::wstring valueName = Widen(name);
  // The value may grow between the size query and the read; retry a few times.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(k.get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
      return std::nullopt;
    RegistryValue value{type, std::vector<uint8_t>(size)};
    const LONG rc =
        RegQueryValueExW(k.get(), valueName.c_str(), nullptr, &type, value.data.data(), &size);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS) return std::nullopt;
    value.type = type;
    value.data.resize(size);
    if (IsText(type)) value.data = TextFromRegistry(value.data);
    return value;
  }
  return std::nullopt;
}

bool Win32Registry::Write(RegistryRoot root, std::string_view key, std::string_view name,
                          const RegistryValue& value) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(RootKey(root), Widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
    return false;
  const RegistryKey k(created);
  return SetValue(k.get(), name, value);
}

bool Win32Registry::WriteExisting(RegistryRoot root, std::string_view key, std::string_view name,
                                  const RegistryValue& value) {
  const RegistryKey k = OpenKey(RootKey(root), key, KEY_SET_VALUE);
  if (!k) return false;
  return SetValue(k.get(), name, value);
}

bool Win32Registry::DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) {
  LONG open = ERROR_SUCCESS;
  const RegistryKey k = OpenKey(RootKey(root), key, KEY_SET_VALUE, &open);
  if (open == ERROR_FILE_NOT_FOUND) return true;
  if (open != ERROR_SUCCESS) return false;
  const LONG rc = RegDeleteValueW(k.get(), Widen(name).c_str());
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

bool Win32Registry::SetValue(HKEY key, std::string_view name, const RegistryValue& value) {
  // Text is stored in UTF-16 with its terminating NUL.
  const std::vector<uint8_t> bytes = IsText(value.type) ? TextToRegistry(value.data) : value.data;
  return RegSetValueExW(key, Widen(name).c_str(), 0, value.type, bytes.data(),
                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

}  // namespace olb::win
