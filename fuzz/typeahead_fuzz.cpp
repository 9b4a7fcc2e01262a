// Type-ahead text and registry values of any type from outside: the search
// finds the row a plain walk over the rows finds (the first from the start
// on, then from the top when it wraps, whose name starts with the text,
// A to Z folded); the program association reads any stored value without
// trusting its type.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/commands/program_association.h"
#include "core/folder/item_presentation.h"
#include "fuzz_input.h"
#include "sim/memory_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace olb;
  fuzz::Input in(data, size);
  const auto start = static_cast<int32_t>(static_cast<int8_t>(in.Byte()));
  const bool wrap = in.Byte() & 1;
  const uint32_t type = in.Byte() % 12;
  const std::string text(in.Text());
  std::vector<std::string> names;
  while (!in.Empty() && names.size() < 16) names.emplace_back(in.Text());

  const auto count = static_cast<int32_t>(names.size());
  const std::optional<int32_t> found = FindByPrefix(
      count, [&](int32_t i) -> std::string_view { return names.at(static_cast<size_t>(i)); }, text,
      start, wrap);
  const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  const auto startsWith = [&](const std::string& name) {
    if (name.size() < text.size()) return false;
    for (size_t k = 0; k < text.size(); ++k) {
      if (fold(name[k]) != fold(text[k])) return false;
    }
    return true;
  };
  std::optional<int32_t> expected;
  const int32_t from = start < 0 ? 0 : start;
  for (int32_t i = from; i < count && !expected; ++i) {
    if (startsWith(names[static_cast<size_t>(i)])) expected = i;
  }
  for (int32_t i = 0; wrap && i < from && i < count && !expected; ++i) {
    if (startsWith(names[static_cast<size_t>(i)])) expected = i;
  }
  if (found != expected) std::abort();

  // The text as the stored open command of an extension, of a random type.
  sim::MemoryRegistry registry;
  registry.Write(RegistryRoot::ClassesRoot, ".x\\shell\\open\\command", "",
                 {type, {text.begin(), text.end()}});
  const std::string program = GetProgramAssociation(registry, "x");
  if (program.find('%') != std::string::npos) std::abort();
  return 0;
}
