// Opening a folder of 10,000 shortcut files through the folder model over
// the simulated file-system namespace, up to the captions and details of its
// first page, against two floors measured in the same run, interleaved:
// reading the directory, naming every entry and sorting the names; and the
// simulated shell's own loop (parse, bind, enumerate, sort by its comparison,
// no names), which prices the namespace the model runs on. Then the detail
// fills that scrolling to the end of that list costs.
//   folder_open_bench [files] [runs]   prints per run "pair <floor ms> <open ms>"
//                                      and "shellpair <shell loop ms> <open ms>"
// (milliseconds of processor time)
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/folder/folder_model.h"
#include "core/folder/list_answers.h"
#include "core/paths/path_text.h"
#include "sim/linux/fs_namespace.h"
#include "sim/tracking_allocator.h"
#include "sim/view_doubles.h"

namespace {

// Processor time of the process (user and system): on a machine shared with
// other work, wall time mostly measures the wait for a processor.
struct Clock {
  using time_point = double;
  static double now() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
  }
};
constexpr int kFirstPage = 8;  // items a bar shows at once, with room to spare
namespace fs = std::filesystem;

double MsSince(Clock::time_point start) {
  return Clock::now() - start;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The floor: what any folder listing must do, with nothing of the model.
size_t ReadNameAndSort(const fs::path& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    std::string name = e.path().filename().string();
    if (name.size() > 4 && name.ends_with(".lnk")) name.resize(name.size() - 4);
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return olb::UpperAscii(x) < olb::UpperAscii(y);
    });
  });
  return names.size();
}

// The simulated shell's loop with nothing of the model around it.
size_t ShellLoop(const std::string& path) {
  olb::sim::TrackingAllocator allocator;
  olb::sim::FsNamespace shell{allocator};
  std::shared_ptr<olb::ShellFolder> desktop, folder;
  olb::OwnedPidl absolute;
  std::unique_ptr<olb::ShellEnumerator> items;
  if (olb::Failed(shell.GetDesktopFolder(&desktop)) ||
      olb::Failed(desktop->ParseDisplayName(path, &absolute)) ||
      olb::Failed(desktop->BindToFolder(absolute.get(), &folder)) ||
      olb::Failed(folder->EnumObjects(0xE0, &items))) {
    return 0;
  }
  std::vector<olb::OwnedPidl> children;
  olb::OwnedPidl child;
  while (items->Next(&child) == olb::kResultOk) children.push_back(std::move(child));
  std::stable_sort(children.begin(), children.end(), [&folder](const auto& a, const auto& b) {
    return olb::OrderFromCompareResult(folder->CompareIDs(0, a.get(), b.get())) < 0;
  });
  return children.size();
}

struct Model {
  olb::sim::TrackingAllocator allocator;
  olb::sim::FsNamespace shell{allocator};
  olb::sim::ListControl list;
  olb::sim::Cursor cursor;
  olb::sim::FixedZoneTimeFormat time;
  olb::FolderPaths paths;
  olb::FolderModel model{{shell, allocator, list, cursor, time}, paths};
  Model() { model.InitFolderView(); }
};

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const fs::path dir = fs::current_path() / "bench-fixtures" / "folder-open";
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (int i = 0; i < files; ++i) {
    std::ofstream(dir / ("Shortcut " + std::to_string(files - i) + ".lnk")) << "L";
  }
  std::string windowsPath = "Z:" + dir.string();
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');

  std::vector<double> floor, shellFloor, open;
  size_t listed = 0;
  for (int run = 0; run < runs; ++run) {
    auto start = Clock::now();
    listed = ReadNameAndSort(dir);
    floor.push_back(MsSince(start));
    start = Clock::now();
    if (ShellLoop(windowsPath) != listed) {
      std::fprintf(stderr, "the simulated shell listed another count\n");
      return 1;
    }
    shellFloor.push_back(MsSince(start));

    Model m;
    start = Clock::now();
    m.model.OpenFolderByPath(windowsPath);
    const int last = std::min(kFirstPage, m.model.ItemCount()) - 1;
    olb::CacheHint(m.model, 0, last);
    for (int i = 0; i <= last; ++i) olb::ListViewData(m.model, i, false);
    open.push_back(MsSince(start));
    std::printf("pair %.3f %.3f\n", floor.back(), open.back());
    std::printf("shellpair %.3f %.3f\n", shellFloor.back(), open.back());
    if (m.model.ItemCount() != files || m.list.itemCount != files) {
      std::fprintf(stderr, "opened %d items, expected %d\n", m.model.ItemCount(), files);
      return 1;
    }
  }
  const double f = Median(floor), sf = Median(shellFloor), o = Median(open);
  std::printf("folder of %d files (%zu listed by the floor), median of %d runs\n", files, listed,
              runs);
  std::printf("  floor (read, name, sort):             %8.2f ms\n", f);
  std::printf("  open (model, up to the first page):   %8.2f ms\n", o);
  std::printf("  ratio open / floor:                   %8.2f\n", o / f);
  std::printf("  simulated shell loop (no names):      %8.2f ms\n", sf);
  std::printf("  ratio open / shell loop:              %8.2f\n", o / sf);
#if defined(__SANITIZE_ADDRESS__)
  std::printf("  (built with the sanitizers, which slow the model more than the floor)\n");
#endif

  // The control hints at the range it is about to show. A list three items
  // tall: the first page, then the End key shows the last page only;
  // scrolling by the wheel shows every page on the way.
  constexpr int kShown = 3;
  Model jump;
  jump.model.OpenFolderByPath(windowsPath);
  olb::CacheHint(jump.model, 0, kShown - 1);
  olb::CacheHint(jump.model, files - kShown, files - 1);
  Model wheel;
  wheel.model.OpenFolderByPath(windowsPath);
  for (int top = 0; top + kShown <= files; ++top) {
    olb::CacheHint(wheel.model, top, top + kShown - 1);
  }
  std::printf("detail fills, list of %d shown items:\n", kShown);
  std::printf("  to the end by the End key:  %lld of %d records\n",
              static_cast<long long>(jump.model.detailFills()), files);
  std::printf("  to the end by the wheel:    %lld of %d records (each filled once)\n",
              static_cast<long long>(wheel.model.detailFills()), files);
  fs::remove_all(dir);
  return 0;
}
