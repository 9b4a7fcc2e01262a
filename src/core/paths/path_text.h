// The rules for path text and for letter case, in one place: where a path
// splits into folder, name and extension, and how names compare without
// case. Windows compares file names without case for the letters A to Z
// alone here; every other byte (UTF-8 sequences included) is compared as it
// is, so two spellings of an accented name stay two names.
#pragma once

#include <string>
#include <string_view>

namespace olb {

constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// `text` with A to Z in lower (or upper) case and every other byte as it is.
std::string LowerAsciiText(std::string_view text);
std::string UpperAsciiText(std::string_view text);

// Comparisons that fold A to Z and nothing else.
bool EqualNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

// From the last "." when no "\" or ":" follows it, with its case as stored;
// empty when there is none.
std::string StoredExtension(std::string_view path);
// StoredExtension with A to Z in lower case, the form the extension sets
// are written in.
std::string PathExtension(std::string_view path);

// Everything before the last "\" (or up to a last ":"); a drive root such as
// C:\ keeps its backslash. Empty for a bare name.
std::string PathFolder(std::string_view path);

// What PathFolder cuts off: the part after the last "\" or ":"; the whole
// path when it has neither.
std::string LeafName(std::string_view path);

// The part of a path after its last backslash; the whole path if it has none.
std::string FileNamePart(std::string_view path);

// `currentPath` followed by one backslash, unless it already ends with one
// (a drive's root such as "C:\"). Names are appended to it directly.
std::string FolderPrefix(std::string_view currentPath);

// `path` without its trailing backslashes, except the one of a drive root
// ("C:\") and a path of one character.
std::string_view WithoutTrailingBackslashes(std::string_view path);

// Whether two full paths lie on one volume: the same drive letter, or the
// same "\\server\share" (A to Z compared without case; a "\\?\" prefix
// does not count). Paths of neither form are taken as on one volume.
bool OnSameVolume(std::string_view a, std::string_view b);

// Whether `currentPath` (no trailing backslash) is the folder `rootPath`
// (with one), compared exactly.
bool IsRootFolder(std::string_view currentPath, std::string_view rootPath);

}  // namespace olb
