// The floor programs of the start-up and memory figures. Both close on
// WM_CLOSE like the bar.
//   floor_window [items N]
//     a hidden owner window and one window with an owner-data list view
//     showing a few captions, nothing else (or N captions, each with the
//     same icon, so that the list has the bar's shape: one column of icons);
//   floor_window shell EDGE AUTOHIDE THICKNESS ROOT
//     the same window with the least the bar's first paint needs from the
//     shell: OLE initialised, the desktop folder, ROOT parsed, bound,
//     enumerated and sorted with the folder's own comparison, the system
//     image lists on the list, and the name and the icon of its kind of each
//     item shown. On a docked EDGE (0-3) the window is an AppBar THICKNESS
//     pixels thick: registered, its strip asked for and set or, with
//     AUTOHIDE 1, registered as the edge's auto-hide bar and placed hidden.
// In both, a wheel notch scrolls the list by one row of items (the icon
// spacing), as the bar's wheel does, rather than by the control's own line,
// and the list shows no scroll bars, as the bar's does not.
// The shell's libraries are loaded only for the second: the first maps
// user32 and comctl32 alone.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kItems = 5;
constexpr UINT kAppBarCallback = WM_APP;

template <typename Function>
Function Proc(const wchar_t* library, const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(library), name)));
}

// The shell side of the second floor; unused by the first.
struct Shell {
  decltype(&SHGetFileInfoW) fileInfo = nullptr;
  decltype(&SHGetDataFromIDListW) findData = nullptr;
  decltype(&StrRetToBufW) strRet = nullptr;
  decltype(&SHAppBarMessage) appBar = nullptr;
  IShellFolder* folder = nullptr;
  std::vector<LPITEMIDLIST> items;  // in the folder's own order
  std::vector<std::wstring> names;  // of the items shown so far
  std::vector<int> icons;
  bool registered = false;
} shell;

void Describe(int i) {
  if (!shell.names[i].empty()) return;
  const LPCITEMIDLIST item = shell.items[i];
  wchar_t name[MAX_PATH] = L"?";
  STRRET text{};
  if (SUCCEEDED(shell.folder->GetDisplayNameOf(item, SHGDN_NORMAL, &text))) {
    shell.strRet(&text, item, name, MAX_PATH);
  }
  shell.names[i] = name;
  WIN32_FIND_DATAW data{};
  shell.findData(shell.folder, item, SHGDFIL_FINDDATA, &data, sizeof data);
  SHFILEINFOW info{};
  shell.fileInfo(data.cFileName[0] ? data.cFileName : L"x",
                 data.dwFileAttributes ? data.dwFileAttributes : FILE_ATTRIBUTE_NORMAL, &info,
                 sizeof info, SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX);
  shell.icons[i] = info.iIcon;
}

WNDPROC listProc = nullptr;

LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCALCSIZE) {
    // No scroll bars, as in the bar: the wheel alone scrolls.
    const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    if (style & (WS_VSCROLL | WS_HSCROLL)) {
      SetWindowLongW(hwnd, GWL_STYLE,
                     static_cast<LONG>(style & ~static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL)));
    }
  }
  if (msg == WM_MOUSEWHEEL) {
    const auto spacing = static_cast<DWORD>(SendMessageW(hwnd, LVM_GETITEMSPACING, FALSE, 0));
    const int notches = GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA;
    SendMessageW(hwnd, LVM_SCROLL, 0, -notches * static_cast<int>(HIWORD(spacing)));
    return 0;
  }
  return CallWindowProcW(listProc, hwnd, msg, wp, lp);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NOTIFY: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(lp);
      if (info->hdr.code != LVN_GETDISPINFOW) return 0;
      const int i = info->item.iItem;
      if (!shell.folder) {
        if (info->item.mask & LVIF_TEXT) {
          std::swprintf(info->item.pszText, static_cast<size_t>(info->item.cchTextMax), L"Item %d",
                        i + 1);
        }
        if (info->item.mask & LVIF_IMAGE) info->item.iImage = 0;
        return 0;
      }
      if (i < 0 || i >= static_cast<int>(shell.items.size())) return 0;
      Describe(i);
      if (info->item.mask & LVIF_TEXT) {
        lstrcpynW(info->item.pszText, shell.names[i].c_str(), info->item.cchTextMax);
      }
      if (info->item.mask & LVIF_IMAGE) info->item.iImage = shell.icons[i];
      return 0;
    }
    case WM_SIZE: {
      HWND list = GetWindow(hwnd, GW_CHILD);
      if (list) MoveWindow(list, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    }
    case WM_DESTROY:
      if (shell.registered) {
        APPBARDATA bar{};
        bar.cbSize = sizeof bar;
        bar.hWnd = hwnd;
        shell.appBar(ABM_REMOVE, &bar);
      }
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// Reads ROOT into `shell`: false when it cannot be listed.
bool ReadRoot(const wchar_t* root, HWND owner) {
  shell.fileInfo = Proc<decltype(shell.fileInfo)>(L"shell32.dll", "SHGetFileInfoW");
  shell.findData = Proc<decltype(shell.findData)>(L"shell32.dll", "SHGetDataFromIDListW");
  shell.appBar = Proc<decltype(shell.appBar)>(L"shell32.dll", "SHAppBarMessage");
  shell.strRet = Proc<decltype(shell.strRet)>(L"shlwapi.dll", "StrRetToBufW");
  const auto getDesktop = Proc<decltype(&SHGetDesktopFolder)>(L"shell32.dll", "SHGetDesktopFolder");
  const auto oleInitialize = Proc<decltype(&OleInitialize)>(L"ole32.dll", "OleInitialize");
  const auto freeMemory = Proc<decltype(&CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
  if (!shell.fileInfo || !shell.findData || !shell.appBar || !shell.strRet || !getDesktop ||
      !oleInitialize || !freeMemory) {
    return false;
  }
  oleInitialize(nullptr);
  IShellFolder* desktop = nullptr;
  if (FAILED(getDesktop(&desktop))) return false;
  LPITEMIDLIST absolute = nullptr;
  std::wstring path = root;
  HRESULT hr = desktop->ParseDisplayName(owner, nullptr, path.data(), nullptr, &absolute, nullptr);
  if (SUCCEEDED(hr)) {
    hr = desktop->BindToObject(absolute, nullptr, IID_IShellFolder,
                               reinterpret_cast<void**>(&shell.folder));
  }
  freeMemory(absolute);
  desktop->Release();
  IEnumIDList* children = nullptr;
  if (SUCCEEDED(hr)) {
    hr = shell.folder->EnumObjects(
        owner, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, &children);
  }
  if (FAILED(hr) || !children) return false;
  for (LPITEMIDLIST item = nullptr; children->Next(1, &item, nullptr) == S_OK; item = nullptr) {
    shell.items.push_back(item);
  }
  children->Release();
  std::stable_sort(shell.items.begin(), shell.items.end(), [](LPITEMIDLIST a, LPITEMIDLIST b) {
    return static_cast<short>(HRESULT_CODE(shell.folder->CompareIDs(0, a, b))) < 0;
  });
  shell.names.resize(shell.items.size());
  shell.icons.resize(shell.items.size());
  return true;
}

void AttachSystemImageLists(HWND list) {
  SHFILEINFOW info{};
  const auto small =
      shell.fileInfo(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, static_cast<LPARAM>(small));
  const auto large = shell.fileInfo(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX);
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, static_cast<LPARAM>(large));
}

// Makes `bar` an AppBar on a docked edge and places it as the shell allows.
void Dock(HWND bar, UINT edge, bool autoHide, int thickness) {
  APPBARDATA data{};
  data.cbSize = sizeof data;
  data.hWnd = bar;
  data.uCallbackMessage = kAppBarCallback;
  data.uEdge = edge;
  shell.registered = shell.appBar(ABM_NEW, &data) != 0;
  RECT& rc = data.rc;
  rc = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (autoHide) {
    data.lParam = TRUE;
    shell.appBar(ABM_SETAUTOHIDEBAR, &data);
  } else {
    shell.appBar(ABM_QUERYPOS, &data);
  }
  // The strip along the edge; an auto-hidden one leaves two borders showing.
  const int w = thickness, h = thickness;
  const int hideX = autoHide ? w - 2 * GetSystemMetrics(SM_CXBORDER) : 0;
  const int hideY = autoHide ? h - 2 * GetSystemMetrics(SM_CYBORDER) : 0;
  switch (edge) {
    case ABE_LEFT:
      rc.right = rc.left + w;
      OffsetRect(&rc, -hideX, 0);
      break;
    case ABE_TOP:
      rc.bottom = rc.top + h;
      OffsetRect(&rc, 0, -hideY);
      break;
    case ABE_RIGHT:
      rc.left = rc.right - w;
      OffsetRect(&rc, hideX, 0);
      break;
    default:
      rc.top = rc.bottom - h;
      OffsetRect(&rc, 0, hideY);
      break;
  }
  if (!autoHide) shell.appBar(ABM_SETPOS, &data);
  MoveWindow(bar, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, FALSE);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command, int) {
  int edge = -2, autoHide = 0, thickness = 0, rootAt = 0;
  const bool withShell =
      std::swscanf(command, L"shell %d %d %d %n", &edge, &autoHide, &thickness, &rootAt) == 3 &&
      rootAt > 0;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW owner{};
  owner.lpfnWndProc = DefWindowProcW;
  owner.hInstance = instance;
  owner.lpszClassName = L"OlbFloorOwner";
  RegisterClassW(&owner);
  WNDCLASSW form{};
  form.lpfnWndProc = FormProc;
  form.hInstance = instance;
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = L"OlbFloorForm";
  RegisterClassW(&form);

  HWND app = CreateWindowExW(WS_EX_TOOLWINDOW, L"OlbFloorOwner", L"floor", WS_POPUP, 0, 0, 0, 0,
                             nullptr, nullptr, instance, nullptr);
  HWND bar = CreateWindowExW(WS_EX_TOOLWINDOW, L"OlbFloorForm", L"", WS_POPUP | WS_THICKFRAME, 277,
                             204, 100, 445, app, nullptr, instance, nullptr);
  HWND list = CreateWindowExW(
      0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_OWNERDATA | LVS_SHAREIMAGELISTS,
      0, 0, 92, 437, bar, nullptr, instance, nullptr);
  listProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
  int count = kItems;
  if (int n = 0; std::swscanf(command, L"items %d", &n) == 1 && n > 0) {
    count = n;
    HIMAGELIST icons = ImageList_Create(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                        ILC_COLOR32 | ILC_MASK, 1, 0);
    ImageList_AddIcon(icons, LoadIconW(nullptr, IDI_APPLICATION));
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
  }
  if (withShell) {
    if (!ReadRoot(command + rootAt, bar)) return 1;
    count = static_cast<int>(shell.items.size());
    AttachSystemImageLists(list);
    if (edge >= ABE_LEFT && edge <= ABE_BOTTOM) {
      Dock(bar, static_cast<UINT>(edge), autoHide != 0, thickness);
    }
  }
  SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
  RECT client{};
  GetClientRect(bar, &client);
  MoveWindow(list, 0, 0, client.right, client.bottom, FALSE);
  ShowWindow(bar, SW_SHOWNOACTIVATE);
  UpdateWindow(bar);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return 0;
}
