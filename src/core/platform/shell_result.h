// Result codes and flag values shared by the shell-namespace ports.
#pragma once

#include <cstdint>

namespace olb {

// A 32-bit result in the platform's HRESULT layout: negative means failure.
using HResult = int32_t;

constexpr HResult kResultOk = 0;     // S_OK
constexpr HResult kResultFalse = 1;  // S_FALSE: success, but "no more" or "no"

constexpr HResult ResultFromBits(uint32_t bits) {
  return static_cast<HResult>(bits);
}
constexpr HResult kResultFail = ResultFromBits(0x80004005u);           // E_FAIL
constexpr HResult kResultInvalidArg = ResultFromBits(0x80070057u);     // E_INVALIDARG
constexpr HResult kResultOutOfMemory = ResultFromBits(0x8007000Eu);    // E_OUTOFMEMORY
constexpr HResult kResultFileNotFound = ResultFromBits(0x80070002u);   // ERROR_FILE_NOT_FOUND
constexpr HResult kResultPathNotFound = ResultFromBits(0x80070003u);   // ERROR_PATH_NOT_FOUND
constexpr HResult kResultAccessDenied = ResultFromBits(0x80070005u);   // ERROR_ACCESS_DENIED
constexpr HResult kResultNotADirectory = ResultFromBits(0x8007010Bu);  // ERROR_DIRECTORY

constexpr bool Succeeded(HResult r) {
  return r >= 0;
}
constexpr bool Failed(HResult r) {
  return r < 0;
}

// Enumeration flags (SHCONTF_*).
constexpr uint32_t kEnumFolders = 0x20;
constexpr uint32_t kEnumNonFolders = 0x40;
constexpr uint32_t kEnumIncludeHidden = 0x80;
// Every child the bar shows: folders, files and hidden ones.
constexpr uint32_t kEnumEverything = kEnumFolders | kEnumNonFolders | kEnumIncludeHidden;

// Display-name kinds (SHGDN_*).
constexpr uint32_t kNameNormal = 0;
constexpr uint32_t kNameForParsing = 0x8000;

// Item attribute bits asked of a folder (SFGAO_*).
constexpr uint32_t kItemIsFolder = 0x20000000;
constexpr uint32_t kItemIsFileSystem = 0x40000000;
constexpr uint32_t kItemIsHidden = 0x00080000;

// File attribute bits (FILE_ATTRIBUTE_*).
constexpr uint32_t kFileReadOnly = 0x01;
constexpr uint32_t kFileHidden = 0x02;
constexpr uint32_t kFileSystem = 0x04;
constexpr uint32_t kFileDirectory = 0x10;
constexpr uint32_t kFileArchive = 0x20;

}  // namespace olb
