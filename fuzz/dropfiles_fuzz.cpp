// Any block of outside bytes through the file-list reader: no read outside
// the block (the sanitizers watch), and a list that survives being written
// as a wide block and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/dragdrop/drop_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  // Each 8-bit name byte stands for itself when it is ASCII.
  const AnsiToUtf8 ansi = [](std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
  };
  const std::optional<FileList> files = ParseDropFiles(std::span(data, size), ansi);
  if (!files) return 0;
  for (const std::string& name : *files)
    if (name.empty()) std::abort();
  const std::optional<FileList> again = ParseDropFiles(BuildDropFiles(*files), ansi);
  if (again != files) std::abort();
  return 0;
}
