// File attributes of a Linux file as Wine 8 reports them, so that the same
// fixture reads the same natively and under Wine:
//  - a directory has FILE_ATTRIBUTE_DIRECTORY, any other file ARCHIVE;
//  - READONLY when no write permission bit is set at all (as root too);
//  - HIDDEN when the name starts with a dot;
//  - the extended attribute "user.DOSATTRIB" holds "0x" and hex digits, of
//    which only the HIDDEN and SYSTEM bits are taken; any other text is ignored.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace olb::sim {

inline constexpr const char* kDosAttribXattr = "user.DOSATTRIB";

// Attribute bits of `path` (following symbolic links); 0 when it cannot be read.
uint32_t WineFileAttributes(const std::filesystem::path& path);

// The hidden and system bits that a user.DOSATTRIB value stands for.
uint32_t DosAttribBits(std::string_view value);

// Writes user.DOSATTRIB as Wine does ("0x%x" of the hidden and system bits,
// removed when none is set). False when the file system refuses.
bool SetDosAttrib(const std::filesystem::path& path, uint32_t attributes);

}  // namespace olb::sim
