#include "core/settings/order_store.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "core/paths/path_text.h"
#include "core/settings/options_store.h"

namespace olb {
namespace {

// A name the file system could hold in one folder: no separators, wild
// cards or control characters, not "." or "..", at most 255 UTF-16 units
// (so at most 765 bytes of UTF-8).
bool IsSoundName(std::string_view name) {
  if (name.empty() || name.size() > 765 || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20) return false;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
  }
  return true;
}

bool IsSoundRelativePath(std::string_view path) {
  if (path.empty()) return true;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find('\\', start), path.size());
    if (!IsSoundName(path.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

std::optional<std::string> RelativeFolderPath(std::string_view currentPath,
                                              std::string_view rootPath) {
  if (IsRootFolder(currentPath, rootPath)) return std::string();
  if (rootPath.empty() || currentPath.size() <= rootPath.size() ||
      !StartsWithNoCase(currentPath, rootPath) || rootPath.back() != '\\') {
    return std::nullopt;
  }
  std::string relative(currentPath.substr(rootPath.size()));
  if (!IsSoundRelativePath(relative)) return std::nullopt;
  return relative;
}

std::string OrderValueName(std::string_view relativePath) {
  // FNV-1a over the path folded as file names compare.
  uint32_t hash = 2166136261u;
  for (const char c : relativePath) {
    hash ^= static_cast<uint8_t>(LowerAscii(c));
    hash *= 16777619u;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name = "Order ";
  for (int shift = 28; shift >= 0; shift -= 4) name += kHex[(hash >> shift) & 0xF];
  return name;
}

std::vector<uint8_t> EncodeOrder(std::string_view relativePath,
                                 const std::vector<std::string>& names) {
  std::vector<uint8_t> data(relativePath.begin(), relativePath.end());
  data.push_back(0);
  for (const std::string& name : names) {
    data.insert(data.end(), name.begin(), name.end());
    data.push_back(0);
  }
  return data;
}

std::vector<std::string> DecodeOrder(const std::vector<uint8_t>& data,
                                     std::string_view relativePath) {
  if (data.empty() || data.size() > kMaxOrderBytes || data.back() != 0) return {};
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 0; i < data.size(); ++i) {
    if (data[i] != 0) continue;
    parts.emplace_back(reinterpret_cast<const char*>(data.data()) + start, i - start);
    start = i + 1;
  }
  // Another folder's order (a hash shared by two paths) or a path that
  // leaves the root is no order of this folder.
  if (!EqualNoCase(parts.front(), relativePath) || !IsSoundRelativePath(parts.front())) return {};
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (size_t i = 1; i < parts.size(); ++i) {
    if (!IsSoundName(parts[i])) return {};
    if (seen.insert(LowerAsciiText(parts[i])).second) names.push_back(std::move(parts[i]));
  }
  return names;
}

std::vector<std::string> ReadItemOrder(Registry& registry, std::string_view relativePath) {
  const std::optional<RegistryValue> stored =
      registry.Read(RegistryRoot::CurrentUser, kOptionsKey, OrderValueName(relativePath));
  if (!stored || stored->type != static_cast<uint32_t>(RegistryType::Binary)) return {};
  return DecodeOrder(stored->data, relativePath);
}

bool WriteItemOrder(Registry& registry, std::string_view relativePath,
                    const std::vector<std::string>& names) {
  RegistryValue value{static_cast<uint32_t>(RegistryType::Binary),
                      EncodeOrder(relativePath, names)};
  if (value.data.size() > kMaxOrderBytes) return false;
  return registry.Write(RegistryRoot::CurrentUser, kOptionsKey, OrderValueName(relativePath),
                        value);
}

bool ClearItemOrder(Registry& registry, std::string_view relativePath) {
  return registry.DeleteValue(RegistryRoot::CurrentUser, kOptionsKey, OrderValueName(relativePath));
}

}  // namespace olb
