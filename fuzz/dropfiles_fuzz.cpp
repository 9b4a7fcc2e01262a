// Any block of outside bytes through the file-list reader: no read outside
// the block (the sanitizers watch), and a list that survives being written
// as a wide block and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/dragdrop/drop_files.h"
#include "core/platform/utf16.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  // The system code page of the test machines (1252): bytes above 0x7F
  // become two- and three-byte UTF-8, as the platform's conversion makes them.
  const AnsiToUtf8 ansi = [](std::string_view bytes) {
    static constexpr char16_t k80[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::u16string wide;
    for (unsigned char c : bytes) wide.push_back(c >= 0x80 && c < 0xA0 ? k80[c - 0x80] : c);
    return Utf16ToUtf8(wide);
  };
  const std::optional<FileList> files = ParseDropFiles(std::span(data, size), ansi);
  if (!files) return 0;
  for (const std::string& name : *files)
    if (name.empty()) std::abort();
  const std::optional<FileList> again = ParseDropFiles(BuildDropFiles(*files), ansi);
  if (again != files) std::abort();
  return 0;
}
