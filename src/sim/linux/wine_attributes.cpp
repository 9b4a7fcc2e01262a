#include "sim/linux/wine_attributes.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "core/platform/shell_result.h"

namespace olb::sim {
namespace {

constexpr uint32_t kXattrBits = kFileHidden | kFileSystem;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

uint32_t DosAttribBits(std::string_view value) {
  if (value.size() <= 2 || value[0] != '0' || value[1] != 'x') return 0;
  // Like strtol: the digits up to the first non-digit; only the low bits matter.
  uint32_t bits = 0;
  for (char c : value.substr(2)) {
    const int d = HexDigit(c);
    if (d < 0) break;
    bits = (bits << 4) | static_cast<uint32_t>(d);
  }
  return bits & kXattrBits;
}

uint32_t WineFileAttributes(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  uint32_t attributes = S_ISDIR(st.st_mode) ? kFileDirectory : kFileArchive;
  if (!(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) attributes |= kFileReadOnly;
  const std::string name = path.filename().string();
  if (name.size() > 1 && name[0] == '.' && name != "..") attributes |= kFileHidden;
  char value[64];
  const ssize_t length = ::getxattr(path.c_str(), kDosAttribXattr, value, sizeof value);
  if (length > 0) attributes |= DosAttribBits(std::string_view(value, static_cast<size_t>(length)));
  return attributes;
}

bool SetDosAttrib(const std::filesystem::path& path, uint32_t attributes) {
  const uint32_t bits = attributes & kXattrBits;
  if (!bits) return ::removexattr(path.c_str(), kDosAttribXattr) == 0 || errno == ENODATA;
  char value[16];
  const int length = std::snprintf(value, sizeof value, "0x%x", bits);
  return ::setxattr(path.c_str(), kDosAttribXattr, value, static_cast<size_t>(length), 0) == 0;
}

}  // namespace olb::sim
