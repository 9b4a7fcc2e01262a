// Starts, drives and closes the programs the benchmark measures, from inside
// Wine, so that every program is started the same way.
//   bench_launch start EXE [ARGS]
//                                start (ARGS: its command line after the
//                                program's name); wait until its list is
//                                painted; print "<ms> <pid>" and leave it running
//   bench_launch run EXE         start and wait for the end; print "<ms>"
//   bench_launch scroll PID      show every item of its list in turn
//   bench_launch close PID       WM_CLOSE to its form; wait for the end
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

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
  if (argc != 3) return 2;
  if (cmd == L"run") return Run(argv[2]);
  const auto pid = static_cast<DWORD>(_wtoi(argv[2]));
  if (cmd == L"scroll") return Scroll(pid);
  if (cmd == L"close") return Close(pid);
  return 2;
}
