// Under Wine: opening a folder through the folder model and the real shell
// adapters, up to the captions and details of its first page, against the
// shell's own loop on the same folder (parse, bind, enumerate, sort with the
// folder's comparison; no names) measured in the same run, interleaved.
// The first page is shown as the bar shows it: with each item's icon of its
// kind, the real icons being looked up on the fetcher's thread meanwhile.
// The time to the listed folder (before the first page's names, icons and
// details) is printed too.
//   folder_open_wine FOLDER [runs]     prints per run "pair <floor ms> <open ms>"
//                                      and "listpair <floor ms> <listed ms>"
//   folder_open_wine menu X Y FOLDER [runs]
//                                      with the running bar opening categories as
//                                      menus and the category FOLDER at screen point
//                                      (X, Y): the time from a click there to the
//                                      menu shown, beside the shell's loop on the
//                                      folder; per run "menupair <floor ms> <menu ms>"
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <cstdio>
#include <vector>

#include "core/folder/folder_model.h"
#include "core/folder/list_answers.h"
#include "sim/view_doubles.h"
#include "win32/adapters/win32_icon_fetcher.h"
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

HWND ShownMenu() {
  const HWND menu = FindWindowW(L"#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

void Send(std::initializer_list<INPUT> inputs) {
  std::vector<INPUT> all(inputs);
  SendInput(static_cast<UINT>(all.size()), all.data(), sizeof(INPUT));
}

INPUT Mouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  return in;
}

INPUT Key(WORD key, DWORD flags) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = flags;
  return in;
}

// Clicks the category at (x, y) and waits for its menu; Escape closes it.
int MenuFigures(int x, int y, const std::wstring& path, int runs) {
  std::vector<double> floor, shown;
  for (int run = 0; run < runs; ++run) {
    auto start = Clock::now();
    if (ShellLoop(path) < 0) return 1;
    floor.push_back(MsSince(start));
    SetCursorPos(x, y);
    Sleep(200);
    start = Clock::now();
    Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
    while (!ShownMenu() && MsSince(start) < 20000) Sleep(1);
    if (!ShownMenu()) return 1;
    shown.push_back(MsSince(start));
    std::printf("menupair %.3f %.3f\n", floor.back(), shown.back());
    Send({Key(VK_ESCAPE, 0), Key(VK_ESCAPE, KEYEVENTF_KEYUP)});
    const auto closing = Clock::now();
    while (ShownMenu() && MsSince(closing) < 5000) Sleep(10);
    Sleep(500);  // the system finishes the menu before the next click counts
  }
  std::printf("menu median %.1f ms, floor median %.1f ms\n", Median(shown), Median(floor));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  if (std::wstring(argv[1]) == L"menu") {
    if (argc < 5) return 2;
    OleInitialize(nullptr);
    const int rc =
        MenuFigures(_wtoi(argv[2]), _wtoi(argv[3]), argv[4], argc > 5 ? _wtoi(argv[5]) : 3);
    OleUninitialize();
    return rc;
  }
  const std::wstring path = argv[1];
  const int runs = argc > 2 ? _wtoi(argv[2]) : 3;
  OleInitialize(nullptr);
  const HWND sink =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
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
    olb::win::Win32IconFetcher icons(sink, WM_APP);
    olb::FolderPaths paths;
    olb::FolderModel model({shell, allocator, list, cursor, time, &icons}, paths);
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
