// Under Wine: opening a folder through the folder model and the real shell
// adapters, up to the captions and details of its first page, against the
// shell's own loop on the same folder (parse, bind, enumerate, sort with the
// folder's comparison; no names) measured in the same run, interleaved.
// The time to the listed folder (before the first page's names, icons and
// details) is printed too: under Wine each shortcut's icon costs milliseconds
// of the shell's own work, which the floor does not do.
//   folder_open_wine FOLDER [runs]     prints per run "pair <floor ms> <open ms>"
//                                      and "listpair <floor ms> <listed ms>"
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/folder/folder_model.h"
#include "core/folder/list_answers.h"
#include "sim/view_doubles.h"
#include "win32/adapters/win32_shell_allocator.h"
#include "win32/adapters/win32_shell_namespace.h"
#include "win32/adapters/win32_time_format.h"
#include "win32/base/com_ptr.h"
#include "win32/base/unicode.h"

namespace {

using Clock = std::chrono::steady_clock;
using olb::win::ComPtr;

constexpr int kFirstPage = 8;  // items a bar shows at once, with room to spare

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The floor: the shell's loop with nothing of the model around it.
int ShellLoop(const std::wstring& path) {
  ComPtr<IShellFolder> desktop, folder;
  ComPtr<IEnumIDList> items;
  if (FAILED(SHGetDesktopFolder(desktop.Put()))) return -1;
  std::wstring name = path;
  LPITEMIDLIST absolute = nullptr;
  if (FAILED(
          desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &absolute, nullptr))) {
    return -1;
  }
  HRESULT hr = desktop->BindToObject(absolute, nullptr, IID_IShellFolder, folder.PutVoid());
  CoTaskMemFree(absolute);
  if (FAILED(hr) || FAILED(folder->EnumObjects(nullptr, 0xE0, items.Put())) || !items) return -1;
  std::vector<LPITEMIDLIST> children;
  LPITEMIDLIST child = nullptr;
  while (items->Next(1, &child, nullptr) == S_OK) children.push_back(child);
  IShellFolder* f = folder.get();
  std::stable_sort(children.begin(), children.end(), [f](LPITEMIDLIST a, LPITEMIDLIST b) {
    return static_cast<short>(HRESULT_CODE(f->CompareIDs(0, a, b))) < 0;
  });
  for (LPITEMIDLIST c : children) CoTaskMemFree(c);
  return static_cast<int>(children.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring path = argv[1];
  const int runs = argc > 2 ? _wtoi(argv[2]) : 3;
  OleInitialize(nullptr);
  std::vector<double> floor, open;
  int listed = 0, opened = 0;
  for (int run = 0; run < runs; ++run) {
    auto start = Clock::now();
    listed = ShellLoop(path);
    floor.push_back(MsSince(start));

    olb::win::Win32ShellAllocator allocator;
    olb::win::Win32ShellNamespace shell(allocator, nullptr);
    olb::sim::ListControl list;
    olb::sim::Cursor cursor;
    olb::win::Win32TimeFormat time;
    olb::FolderPaths paths;
    olb::FolderModel model({shell, allocator, list, cursor, time}, paths);
    model.InitFolderView();
    start = Clock::now();
    model.OpenFolderByPath(olb::win::Narrow(path));
    const double listedMs = MsSince(start);
    const int last = std::min(kFirstPage, model.ItemCount()) - 1;
    olb::CacheHint(model, 0, last);
    for (int i = 0; i <= last; ++i) olb::ListViewData(model, i, false);
    open.push_back(MsSince(start));
    opened = model.ItemCount();
    std::printf("pair %.3f %.3f\n", floor.back(), open.back());
    std::printf("listpair %.3f %.3f\n", floor.back(), listedMs);
  }
  const double f = Median(floor), o = Median(open);
  std::printf("folder of %d items (model: %d), median of %d runs\n", listed, opened, runs);
  std::printf("  floor (shell: parse, bind, enumerate, compare-sort):  %9.1f ms\n", f);
  std::printf("  open (model: the same, count, first page shown):      %9.1f ms\n", o);
  std::printf("  ratio open / floor:                                   %9.2f\n", o / f);
  OleUninitialize();
  return listed == opened ? 0 : 1;
}
