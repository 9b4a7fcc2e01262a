// Finding by name in a tree of 50,000 items: each keystroke of a typed word
// asks the find index (folded names, ranked, at most 200 results), against
// a floor measured in the same run, interleaved: a plain scan of the same
// names (lower case already) for the same text, keeping every match.
//   find_bench [items] [runs]   prints per run "pair <floor ms> <find ms>"
//                               (the slowest keystroke of the word, wall time)
// and once "built <ms>" (folding and indexing every name, on the worker's
// side in the program).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/find/find_index.h"
#include "sim/linux/unicode_text_case.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

const char* const kWords[] = {"Zephyr", "Écran", "Tool",   "Player",  "Studio", "Notes",
                              "Café",   "Setup", "Viewer", "Manager", "Editor", "Delta"};

std::string NameOf(int i) {
  const int n = static_cast<int>(std::size(kWords));
  return std::string(kWords[i % n]) + " " + kWords[(i / n) % n] + " " + std::to_string(i);
}

}  // namespace

int main(int argc, char** argv) {
  const int items = argc > 1 ? std::atoi(argv[1]) : 50000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  olb::sim::UnicodeTextCase fold;
  olb::FindIndex index;
  std::vector<std::string> plain;
  // 50 categories of 10 subcategories each, the items spread over them.
  const Clock::time_point built = Clock::now();
  const int folders = 500;
  for (int f = 0; f < folders; ++f) {
    std::vector<olb::ListedEntry> entries;
    for (int i = f; i < items; i += folders) {
      entries.push_back({NameOf(i), NameOf(i) + ".lnk", false});
      plain.push_back(fold.Fold(NameOf(i)));
    }
    index.PutFolder("Category " + std::to_string(f / 10) + "\\Sub " + std::to_string(f % 10),
                    entries, fold);
  }
  std::printf("built %.1f\n", MsSince(built));
  const std::string word = "manager 4";
  for (int run = 0; run < runs; ++run) {
    double floorWorst = 0, findWorst = 0;
    size_t found = 0;
    for (size_t typed = 1; typed <= word.size(); ++typed) {
      const std::string text = word.substr(0, typed);
      Clock::time_point start = Clock::now();
      std::vector<const std::string*> matches;
      for (const std::string& name : plain) {
        if (name.find(text) != std::string::npos) matches.push_back(&name);
      }
      floorWorst = std::max(floorWorst, MsSince(start));
      start = Clock::now();
      found += index.Query(text, fold, "C:\\Root", 200).size();
      findWorst = std::max(findWorst, MsSince(start));
      found += matches.size();
    }
    std::printf("pair %.3f %.3f\n", floorWorst, findWorst);
    if (found == 0) return 1;
  }
  return 0;
}
