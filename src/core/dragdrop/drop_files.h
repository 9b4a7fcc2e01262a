// FileList and the shell's file-list block (a DROPFILES header followed by
// the names), read from outside bytes and built for a drag.
//
// Layout: pFiles (uint32, offset of the first name), pt.x, pt.y, fNC,
// fWide (each 32 bits, little-endian), then the names from pFiles, each
// ended by a NUL (a NUL byte, or a NUL code unit when fWide is non-zero),
// and one more NUL after the last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace olb {

// Full paths of files and folders in the order the data lists them;
// duplicates stay.
using FileList = std::vector<std::string>;

constexpr size_t kDropFilesHeaderBytes = 20;

// Converts 8-bit names in the system's code page to UTF-8.
using AnsiToUtf8 = std::function<std::string(std::string_view)>;

// The names of a block of `block.size()` bytes. Nothing outside the block is
// read. nullopt when the header is short or pFiles points into the header or
// past the block; a name that runs to the end of the block without its NUL
// ends the list without being taken (the block was cut short).
std::optional<FileList> ParseDropFiles(std::span<const uint8_t> block, const AnsiToUtf8& ansi);

// A block with wide names (fWide = 1), so every name the file system allows
// survives. Empty names and names holding a NUL cannot be written into the
// list (they would end it or split it) and are left out.
std::vector<uint8_t> BuildDropFiles(const FileList& files);

}  // namespace olb
