// Starts, drives and closes the programs the benchmark measures, from inside
// Wine, so that every program is started the same way.
//   bench_launch start EXE [ARGS]
//                                start (ARGS: its command line after the
//                                program's name); wait until its list is
//                                painted; print "<ms> <pid>" and leave it running
//   bench_launch run EXE         start and wait for the end; print "<ms>"
//   bench_launch scroll PID      show every item of its list in turn
//   bench_launch wheel PID       wheel its list from the first item to the last
//                                and back, one notch a step; print the 95th
//                                percentile and the worst of the steps' times
//                                (ms) and the number of steps
//   bench_launch day PID FROM TO walk folders FROM..TO-1 of the long day's tree
//                                from the root: open, wheel through, back to
//                                the root
//   bench_launch close PID       WM_CLOSE to its form; wait for the end
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Found {
  DWORD pid;
  HWND form = nullptr;
  HWND list = nullptr;
};

BOOL CALLBACK FindList(HWND child, LPARAM lp) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (std::wcscmp(name, WC_LISTVIEWW) != 0) return TRUE;
  reinterpret_cast<Found*>(lp)->list = child;
  return FALSE;
}

// The visible top-level window of the process that holds a list view.
BOOL CALLBACK FindForm(HWND w, LPARAM lp) {
  auto* found = reinterpret_cast<Found*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != found->pid || !IsWindowVisible(w)) return TRUE;
  found->list = nullptr;
  EnumChildWindows(w, FindList, lp);
  if (!found->list) return TRUE;
  found->form = w;
  return FALSE;
}

Found Find(DWORD pid) {
  Found found{pid};
  EnumWindows(FindForm, reinterpret_cast<LPARAM>(&found));
  if (!found.form) found.list = nullptr;
  return found;
}

bool Painted(const Found& f) {
  return f.form && IsWindowVisible(f.list) && SendMessageW(f.list, LVM_GETITEMCOUNT, 0, 0) > 0 &&
         !GetUpdateRect(f.form, nullptr, FALSE) && !GetUpdateRect(f.list, nullptr, FALSE);
}

bool Launch(const wchar_t* exe, const wchar_t* args, PROCESS_INFORMATION* process) {
  std::wstring line = L"\"" + std::wstring(exe) + L"\"";
  if (args) line.append(L" ").append(args);
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  return CreateProcessW(exe, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        process) != FALSE;
}

int Start(const wchar_t* exe, const wchar_t* args) {
  PROCESS_INFORMATION p{};
  const double t0 = Now();
  if (!Launch(exe, args, &p)) return 1;
  WaitForInputIdle(p.hProcess, 30000);
  // Idle may come before the first paint (a program that lets messages run
  // while it starts): the list must be shown, filled and painted.
  while (!Painted(Find(p.dwProcessId))) {
    if (Now() - t0 > 30000 || WaitForSingleObject(p.hProcess, 0) == WAIT_OBJECT_0) return 1;
    Sleep(1);
  }
  std::printf("%.2f %lu\n", Now() - t0, p.dwProcessId);
  return 0;
}

int Run(const wchar_t* exe) {
  PROCESS_INFORMATION p{};
  const double t0 = Now();
  if (!Launch(exe, nullptr, &p)) return 1;
  if (WaitForSingleObject(p.hProcess, 30000) != WAIT_OBJECT_0) return 1;
  std::printf("%.2f\n", Now() - t0);
  return 0;
}

int Scroll(DWORD pid) {
  const Found f = Find(pid);
  if (!f.list) return 1;
  const auto count = static_cast<int>(SendMessageW(f.list, LVM_GETITEMCOUNT, 0, 0));
  const double t0 = Now();
  for (int i = 0; i < count; ++i) {
    SendMessageW(f.list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(i), FALSE);
    RedrawWindow(f.list, nullptr, nullptr, RDW_UPDATENOW);
  }
  std::printf("%.2f %d\n", Now() - t0, count);
  return 0;
}

// A block of memory in the list's own process: the list view's messages
// carry no pointers across processes, so their structures go through it.
class Remote {
 public:
  Remote(DWORD pid, HWND list) : list_(list) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) block_ = VirtualAllocEx(process_, nullptr, 256, MEM_COMMIT, PAGE_READWRITE);
  }
  ~Remote() {
    if (block_) VirtualFreeEx(process_, block_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  Remote(const Remote&) = delete;
  Remote& operator=(const Remote&) = delete;
  bool ok() const { return block_ != nullptr; }
  // The list's scroll position.
  POINT Origin() const {
    POINT at{-1, -1};
    SendMessageW(list_, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(block_));
    ReadProcessMemory(process_, block_, &at, sizeof at, nullptr);
    return at;
  }
  // Makes item `index` the selected and focused one, as a click would.
  void Select(int index) const {
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    WriteProcessMemory(process_, block_, &item, sizeof item, nullptr);
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(block_));
  }

 private:
  HWND list_;
  HANDLE process_ = nullptr;
  void* block_ = nullptr;
};

// One wheel notch to the list, then every window of the form painted: the
// wheel is sent (the program has handled it when the call returns) and
// RDW_UPDATENOW sends WM_PAINT to each window the step left invalid and
// returns when those paints have returned. Returns the time (ms).
double WheelStep(const Found& f, int notch) {
  RECT r{};
  GetWindowRect(f.list, &r);
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  const double t0 = Now();
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(f.list, WM_MOUSEWHEEL, MAKEWPARAM(0, notch), at, SMTO_NORMAL, 10000,
                      &ignored);
  RedrawWindow(f.form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return Now() - t0;
}

// Wheels to the last item and back to the first, adding each step that moved
// the list to `times`; the step that finds an end is not counted.
bool WheelThrough(DWORD pid, const Found& f, std::vector<double>& times) {
  const Remote remote(pid, f.list);
  if (!remote.ok()) return false;
  const auto limit = 4 * SendMessageW(f.list, LVM_GETITEMCOUNT, 0, 0) + 8;
  for (int notch : {-WHEEL_DELTA, WHEEL_DELTA}) {
    for (LRESULT step = 0; step < limit; ++step) {
      const POINT before = remote.Origin();
      const double ms = WheelStep(f, notch);
      const POINT after = remote.Origin();
      if (before.x == after.x && before.y == after.y) break;
      times.push_back(ms);
    }
  }
  return true;
}

int Wheel(DWORD pid) {
  const Found f = Find(pid);
  std::vector<double> times;
  if (!f.list || !WheelThrough(pid, f, times) || times.empty()) return 1;
  std::sort(times.begin(), times.end());
  const size_t p95 = (times.size() * 95 + 99) / 100 - 1;
  std::printf("%.2f %.2f %zu\n", times[p95], times.back(), times.size());
  return 0;
}

// The long day's tree: kCategories categories at the root, each holding
// kGroups folders; group g holds 30 + g items, so that its count tells it.
constexpr int kCategories = 10;
constexpr int kGroups = 19;

void Key(const Found& f, WPARAM key) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(f.list, WM_KEYDOWN, key, 1, SMTO_NORMAL, 10000, &ignored);
  SendMessageTimeoutW(f.list, WM_KEYUP, key, 0xC0000001, SMTO_NORMAL, 10000, &ignored);
}

// Waits until the list shows `count` items, painted; the form found then.
Found WaitForCount(DWORD pid, LRESULT count) {
  const double t0 = Now();
  for (;;) {
    const Found f = Find(pid);
    if (Painted(f) && SendMessageW(f.list, LVM_GETITEMCOUNT, 0, 0) == count) return f;
    if (Now() - t0 > 15000) return Found{pid};
    Sleep(1);
  }
}

// Selects item `index` and opens it with Enter.
Found OpenItem(DWORD pid, const Found& f, int index, LRESULT count) {
  const Remote remote(pid, f.list);
  if (!remote.ok()) return Found{pid};
  remote.Select(index);
  Key(f, VK_RETURN);
  return WaitForCount(pid, count);
}

// Folder k of the day: category k / (kGroups + 1) itself, or one of its groups.
bool Walk(DWORD pid, int k) {
  const int category = k / (kGroups + 1), group = k % (kGroups + 1) - 1;
  Found f = WaitForCount(pid, kCategories);
  if (f.list) f = OpenItem(pid, f, category, kGroups);
  if (f.list && group >= 0) f = OpenItem(pid, f, group, 30 + group + 1);
  std::vector<double> times;
  if (!f.list || !WheelThrough(pid, f, times)) return false;
  for (int up = group >= 0 ? 2 : 1; up > 0 && f.list; --up) {
    Key(f, VK_BACK);
    f = WaitForCount(pid, up == 2 ? kGroups : kCategories);
  }
  return f.list != nullptr;
}

int Day(DWORD pid, int from, int to) {
  for (int k = from; k < to; ++k) {
    if (!Walk(pid, k)) {
      std::fprintf(stderr, "folder %d of the day was not shown\n", k);
      return 1;
    }
  }
  std::printf("walked %d\n", to - from);
  return 0;
}

int Close(DWORD pid) {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
  if (!process) return 1;
  const Found f = Find(pid);
  if (f.form) PostMessageW(f.form, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 15000) != WAIT_OBJECT_0) {
    TerminateProcess(process, 1);
    return 1;
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring cmd = argv[1];
  if (cmd == L"start" && argc <= 4) return Start(argv[2], argc == 4 ? argv[3] : nullptr);
  if (cmd == L"day" && argc == 5) {
    return Day(static_cast<DWORD>(_wtoi(argv[2])), _wtoi(argv[3]), _wtoi(argv[4]));
  }
  if (argc != 3) return 2;
  if (cmd == L"run") return Run(argv[2]);
  const auto pid = static_cast<DWORD>(_wtoi(argv[2]));
  if (cmd == L"scroll") return Scroll(pid);
  if (cmd == L"wheel") return Wheel(pid);
  if (cmd == L"close") return Close(pid);
  return 2;
}
