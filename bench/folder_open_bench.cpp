// Opening a folder of 10,000 shortcut files through the folder model over
// the simulated file-system namespace, up to the captions and details of its
// first page, against two floors measured in the same run, interleaved:
// reading the directory, naming every entry and sorting the names; and the
// simulated shell's own loop (parse, bind, enumerate, sort by its comparison,
// no names), which prices the namespace the model runs on. Then the detail
// fills that scrolling to the end of that list costs.
// Then the user's order: the same open with a stored order of every item
// (the shell's order reversed, read from the registry through the order
// store), against the open without one; and one item moved to the top (the
// names taken, the move, the store written, the folder read again in it),
// against the open.
//   folder_open_bench [files] [runs]   prints per run "pair <floor ms> <open ms>",
//                                      "shellpair <shell loop ms> <open ms>",
//                                      "orderpair <open ms> <open in stored order ms>"
//                                      and "movepair <open ms> <move and store ms>"
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
#include "core/folder/item_order.h"
#include "core/paths/path_text.h"
#include "core/settings/order_store.h"
#include "sim/linux/fs_namespace.h"
#include "sim/memory_registry.h"
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
  olb::FolderModel model;
  // With a registry, folders below `root` show in the order stored there,
  // as the bar asks for it.
  explicit Model(olb::Registry* registry = nullptr, const std::string& root = {})
      : model{{shell, allocator, list, cursor, time, nullptr, StoredOrder(registry, root)}, paths} {
    paths.RootPath = root;
    model.InitFolderView();
  }
  static std::function<std::vector<std::string>(const std::string&)> StoredOrder(
      olb::Registry* registry, std::string root) {
    if (!registry) return nullptr;
    return [registry, root](const std::string& folderPath) -> std::vector<std::string> {
      const std::optional<std::string> relative = olb::RelativeFolderPath(folderPath, root);
      return relative ? olb::ReadItemOrder(*registry, *relative) : std::vector<std::string>{};
    };
  }
  // The shell's order up to the first page's captions and details.
  void Open(const std::string& path) {
    model.OpenFolderByPath(path);
    ShowFirstPage();
  }
  void ShowFirstPage() {
    const int last = std::min(kFirstPage, model.ItemCount()) - 1;
    olb::CacheHint(model, 0, last);
    for (int i = 0; i <= last; ++i) olb::ListViewData(model, i, false);
  }
};

// The stored order's figures, interleaved with opens in the shell's order.
bool StoredOrderRuns(const std::string& windowsPath, int files, int runs) {
  const std::string root = windowsPath.substr(0, windowsPath.rfind('\\') + 1);
  const std::string relative = windowsPath.substr(root.size());
  std::vector<std::string> reversed;
  {
    Model names;
    names.model.OpenFolderByPath(windowsPath);
    reversed = names.model.FileNames();
  }
  std::reverse(reversed.begin(), reversed.end());
  for (int run = 0; run < runs; ++run) {
    olb::sim::MemoryRegistry registry;
    if (!olb::WriteItemOrder(registry, relative, reversed)) {
      std::fprintf(stderr, "the order of %d names was not stored\n", files);
      return false;
    }
    Model plain, ordered{&registry, root};
    auto start = Clock::now();
    plain.Open(windowsPath);
    const double open = MsSince(start);
    start = Clock::now();
    ordered.Open(windowsPath);
    const double inOrder = MsSince(start);
    std::printf("orderpair %.3f %.3f\n", open, inOrder);
    if (ordered.model.FileNames().front() != reversed.front()) {
      std::fprintf(stderr, "the stored order was not applied\n");
      return false;
    }

    // One item, the last, moved to the top as the bar does it: the names
    // shown, the move, the write, the folder read again in its new order.
    start = Clock::now();
    const olb::MovedNames moved =
        olb::MoveNames(ordered.model.FileNames(), {ordered.model.ItemCount() - 1}, 0);
    if (moved.count != 1 || !olb::WriteItemOrder(registry, relative, moved.names)) {
      std::fprintf(stderr, "the move was not stored\n");
      return false;
    }
    ordered.Open(windowsPath);
    const double move = MsSince(start);
    std::printf("movepair %.3f %.3f\n", open, move);
    if (ordered.model.FileNames().front() != reversed.back()) {
      std::fprintf(stderr, "the moved item is not at the top\n");
      return false;
    }
  }
  return true;
}

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
    m.Open(windowsPath);
    open.push_back(MsSince(start));
    std::printf("pair %.3f %.3f\n", floor.back(), open.back());
    std::printf("shellpair %.3f %.3f\n", shellFloor.back(), open.back());
    if (m.model.ItemCount() != files || m.list.itemCount != files) {
      std::fprintf(stderr, "opened %d items, expected %d\n", m.model.ItemCount(), files);
      return 1;
    }
  }
  if (!StoredOrderRuns(windowsPath, files, runs)) return 1;
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
