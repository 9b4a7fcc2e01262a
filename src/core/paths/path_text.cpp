#include "core/paths/path_text.h"

#include <algorithm>

namespace olb {
std::string LowerAsciiText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

std::string UpperAsciiText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return suffix.size() <= text.size() &&
         EqualNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string StoredExtension(std::string_view path) {
  const size_t at = path.find_last_of(".\\:");
  if (at == std::string_view::npos || path[at] != '.') return {};
  return std::string(path.substr(at));
}

std::string PathExtension(std::string_view path) {
  return LowerAsciiText(StoredExtension(path));
}

std::string PathFolder(std::string_view path) {
  size_t at = path.find_last_of("\\:");
  if (at == std::string_view::npos) return {};
  // Drop the separator unless the character before it is itself one, so
  // that "C:\x" keeps "C:\" and "C:\a\x" gives "C:\a".
  if (at > 0 && path[at] == '\\' && path[at - 1] != '\\' && path[at - 1] != ':') {
    return std::string(path.substr(0, at));
  }
  return std::string(path.substr(0, at + 1));
}

namespace {

// The volume part of a full path: "c:" for a drive, "server\share" for a
// network share; empty for neither. A "\\?\" or "\\?\UNC\" prefix is skipped.
std::string VolumeOf(std::string_view path) {
  bool share = false;
  if (path.starts_with("\\\\?\\")) {
    path.remove_prefix(4);
    if (StartsWithNoCase(path, "UNC\\")) {
      path.remove_prefix(4);
      share = true;
    }
  } else if (path.starts_with("\\\\")) {
    path.remove_prefix(2);
    share = true;
  }
  if (!share) return path.size() >= 2 && path[1] == ':' ? LowerAsciiText(path.substr(0, 2)) : "";
  const size_t server = path.find('\\');
  if (server == std::string_view::npos) return LowerAsciiText(path);
  return LowerAsciiText(path.substr(0, path.find('\\', server + 1)));
}

}  // namespace

bool OnSameVolume(std::string_view a, std::string_view b) {
  const std::string va = VolumeOf(a), vb = VolumeOf(b);
  return va.empty() || vb.empty() || va == vb;
}

std::string LeafName(std::string_view path) {
  const size_t cut = path.find_last_of("\\:");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string FileNamePart(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderPrefix(std::string_view currentPath) {
  std::string prefix(currentPath);
  if (prefix.empty() || prefix.back() != '\\') prefix += '\\';
  return prefix;
}

std::string_view WithoutTrailingBackslashes(std::string_view path) {
  while (path.size() > 1 && path.back() == '\\' && path[path.size() - 2] != ':') {
    path.remove_suffix(1);
  }
  return path;
}

bool IsRootFolder(std::string_view currentPath, std::string_view rootPath) {
  return currentPath.size() + 1 == rootPath.size() && rootPath.starts_with(currentPath) &&
         rootPath.back() == '\\';
}

}  // namespace olb
