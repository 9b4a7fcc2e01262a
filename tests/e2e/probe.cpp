// Test helper: finds the bar's windows by their Win32 class and reports on
// them, or asks them to close. Usage:
//   olb_probe wait CLASS MS       exit 0 once a visible window of CLASS exists
//   olb_probe gone CLASS MS       exit 0 once no visible window of CLASS exists
//   olb_probe info CLASS          prints facts about the window, one per line
//   olb_probe close CLASS         posts WM_CLOSE to it
//   olb_probe windows             lists the top-level windows
//   olb_probe hold MS             keeps a window of its own active for MS ms
//   olb_probe dismiss TITLE MS    waits for a message box with this title,
//                                 prints its text and presses its OK button
//   olb_probe view CLASS          prints facts about the bar's item list and
//                                 Up button, one per line
//   olb_probe mklink LINK TARGET  saves a shell link LINK to TARGET
//   olb_probe text CLASS ID       prints the text of the window's control ID
//                                 (at any depth)
//   olb_probe command CLASS ID    posts WM_COMMAND ID (a button press) to it
//   olb_probe items CLASS N       prints the positions of the item list's
//                                 first N items, "x,y" one per line
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring ClassOf(HWND w) {
  wchar_t name[128] = {};
  GetClassNameW(w, name, 128);
  return name;
}

struct TaskbarCount {
  DWORD pid;
  int count;
};

// A visible, unowned top-level window without the tool-window style is what
// gets a taskbar button.
BOOL CALLBACK CountTaskbarWindows(HWND w, LPARAM lp) {
  auto* c = reinterpret_cast<TaskbarCount*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == c->pid && IsWindowVisible(w) && !GetWindow(w, GW_OWNER) &&
      !(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
    ++c->count;
  }
  return TRUE;
}

int Info(HWND w) {
  wchar_t caption[256] = {};
  GetWindowTextW(w, caption, 256);
  RECT r{};
  GetWindowRect(w, &r);
  const HWND owner = GetWindow(w, GW_OWNER);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  TaskbarCount c{pid, 0};
  EnumWindows(CountTaskbarWindows, reinterpret_cast<LPARAM>(&c));
  std::wprintf(L"caption=%ls\n", caption);
  std::wprintf(L"visible=%d\n", IsWindowVisible(w) ? 1 : 0);
  std::wprintf(L"rect=%ld,%ld,%ld,%ld\n", r.left, r.top, r.right, r.bottom);
  std::wprintf(L"foreground=%d\n", GetForegroundWindow() == w ? 1 : 0);
  std::wprintf(L"topmost=%d\n", (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
  std::wprintf(L"owner_class=%ls\n", owner ? ClassOf(owner).c_str() : L"");
  std::wprintf(L"owner_toolwindow=%d\n",
               owner && (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) ? 1 : 0);
  std::wprintf(L"taskbar_windows=%d\n", c.count);
  return 0;
}

void PrintRect(const wchar_t* name, HWND w) {
  RECT r{};
  if (w) GetWindowRect(w, &r);
  std::wprintf(L"%ls=%ld,%ld,%ld,%ld\n", name, r.left, r.top, r.right, r.bottom);
}

// Messages without pointers work across processes: counts, indexes, states.
int View(HWND bar) {
  const HWND list = FindWindowExW(bar, nullptr, WC_LISTVIEWW, nullptr);
  const HWND panel = FindWindowExW(bar, nullptr, L"TPanel", nullptr);
  const HWND up = panel ? FindWindowExW(panel, nullptr, L"Button", nullptr) : nullptr;
  if (!list || !up) return 1;
  std::wprintf(L"list_count=%d\n", static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));
  std::wprintf(L"list_selected=%d\n",
               static_cast<int>(
                   SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
  std::wprintf(L"list_style=%lx\n", static_cast<unsigned long>(GetWindowLongW(list, GWL_STYLE)));
  PrintRect(L"list_rect", list);
  std::wprintf(L"up_enabled=%d\n", IsWindowEnabled(up) ? 1 : 0);
  PrintRect(L"up_rect", up);
  return 0;
}

// LVM_GETITEMPOSITION writes through a pointer, which must lie in the
// list's own process: the point is read back from memory allocated there.
int Items(HWND bar, int count) {
  const HWND list = FindWindowExW(bar, nullptr, WC_LISTVIEWW, nullptr);
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!list || !process) return 1;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(POINT), MEM_COMMIT, PAGE_READWRITE);
  int rc = remote ? 0 : 1;
  for (int i = 0; remote && i < count; ++i) {
    POINT p{};
    if (!SendMessageW(list, LVM_GETITEMPOSITION, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(remote)) ||
        !ReadProcessMemory(process, remote, &p, sizeof p, nullptr)) {
      rc = 1;
      break;
    }
    std::wprintf(L"%ld,%ld\n", p.x, p.y);
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return rc;
}

int MakeLink(const wchar_t* link, const wchar_t* target) {
  CoInitialize(nullptr);
  IShellLinkW* shellLink = nullptr;
  IPersistFile* file = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink));
  if (SUCCEEDED(hr)) hr = shellLink->SetPath(target);
  if (SUCCEEDED(hr))
    hr = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) hr = file->Save(link, TRUE);
  if (file) file->Release();
  if (shellLink) shellLink->Release();
  CoUninitialize();
  return SUCCEEDED(hr) ? 0 : 1;
}

// Waits until a visible window of the class exists (present) or none does.
// Visibility matters: Wine keeps a popup menu's window after it closes.
bool WaitFor(const wchar_t* cls, int ms, bool present) {
  for (int waited = 0;; waited += 50) {
    const HWND w = FindWindowW(cls, nullptr);
    if ((w != nullptr && IsWindowVisible(w)) == present) return true;
    if (waited >= ms) return false;
    Sleep(50);
  }
}

BOOL CALLBACK FindStaticText(HWND child, LPARAM lp) {
  wchar_t text[512] = {};
  if (ClassOf(child) == L"Static" && GetWindowTextW(child, text, 512) > 0) {
    *reinterpret_cast<std::wstring*>(lp) = text;
    return FALSE;
  }
  return TRUE;
}

int Dismiss(const wchar_t* title, int ms) {
  for (int waited = 0;; waited += 50) {
    // The box exists a moment before its text does.
    HWND box = FindWindowW(L"#32770", title);
    std::wstring text;
    if (box) EnumChildWindows(box, FindStaticText, reinterpret_cast<LPARAM>(&text));
    if (!text.empty()) {
      std::wprintf(L"%ls\n", text.c_str());
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return 0;
    }
    if (waited >= ms) return 1;
    Sleep(50);
  }
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK FindControl(HWND child, LPARAM lp) {
  auto* search = reinterpret_cast<ControlSearch*>(lp);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

int Text(HWND w, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(w, FindControl, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return 1;
  wchar_t text[512] = {};
  GetWindowTextW(search.found, text, 512);
  std::wprintf(L"%ls\n", text);
  return 0;
}

BOOL CALLBACK PrintWindow(HWND w, LPARAM) {
  wchar_t title[128] = {};
  GetWindowTextW(w, title, 128);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  std::wprintf(L"%p pid=%lu visible=%d class=%ls title=%ls\n", static_cast<void*>(w), pid,
               IsWindowVisible(w) ? 1 : 0, ClassOf(w).c_str(), title);
  return TRUE;
}

// Shows a small window of its own and makes it the active one for `ms`
// milliseconds: another program the user switched to.
int Hold(int ms) {
  HWND w = CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP | WS_VISIBLE | WS_BORDER, 700, 600, 80,
                           40, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(w);
  SetActiveWindow(w);
  const DWORD start = GetTickCount();
  MSG m;
  while (GetTickCount() - start < static_cast<DWORD>(ms)) {
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    Sleep(10);
  }
  DestroyWindow(w);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring(argv[1]) == L"windows") return EnumWindows(PrintWindow, 0) ? 0 : 1;
  if (argc == 3 && std::wstring(argv[1]) == L"hold") return Hold(_wtoi(argv[2]));
  if (argc < 3) return 2;
  const std::wstring cmd = argv[1];
  const wchar_t* cls = argv[2];
  const int ms = argc > 3 ? _wtoi(argv[3]) : 0;
  if (cmd == L"wait") return WaitFor(cls, ms, true) ? 0 : 1;
  if (cmd == L"gone") return WaitFor(cls, ms, false) ? 0 : 1;
  if (cmd == L"dismiss") return Dismiss(argv[2], ms);
  if (cmd == L"mklink") return argc > 3 ? MakeLink(argv[2], argv[3]) : 2;
  HWND w = FindWindowW(cls, nullptr);
  if (!w) {
    std::fwprintf(stderr, L"no window of class %ls\n", cls);
    return 1;
  }
  if (cmd == L"info") return Info(w);
  if (cmd == L"view") return View(w);
  if (cmd == L"close") return PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 1;
  if (cmd == L"items" && argc > 3) return Items(w, _wtoi(argv[3]));
  if (cmd == L"text" && argc > 3) return Text(w, _wtoi(argv[3]));
  if (cmd == L"command" && argc > 3)
    return PostMessageW(w, WM_COMMAND, MAKEWPARAM(_wtoi(argv[3]), BN_CLICKED), 0) ? 0 : 1;
  return 2;
}
