// Test helper: finds the bar's windows by their Win32 class and reports on
// them, or asks them to close. Usage:
//   olb_probe wait CLASS MS       exit 0 once a visible window of CLASS exists
//   olb_probe gone CLASS MS       exit 0 once no visible window of CLASS exists
//   olb_probe info CLASS          prints facts about the window, one per line
//   olb_probe close CLASS         posts WM_CLOSE to it
//   olb_probe windows             lists the top-level windows
//   olb_probe hold MS             keeps a window of its own active for MS ms
//   olb_probe accnames CLASS      prints "name|role" of each child of the
//                                 window's accessible client object (as
//                                 AccessibleObjectFromWindow gives it), then
//                                 "item|name|role" of its item list's first
//                                 three items
//   olb_probe winevents CLASS FILE MS
//                                 records for MS ms the accessibility events
//                                 (focus, selection, state and name changes)
//                                 the process of the window of CLASS raises,
//                                 one "event class object child" line each,
//                                 written to FILE as they come
//   olb_probe syscolor INDEX RRGGBB
//                                 sets the system colour INDEX (COLOR_*)
//                                 and tells every window; prints the
//                                 colour it had
//   olb_probe contrast on|off     asks for High Contrast on or off and tells
//                                 every window; prints 1 when the system
//                                 then reports it on
//   olb_probe takehotkey MS       holds the hotkey Ctrl+Alt+Space for MS ms,
//                                 as another program may (exit 1 when it is
//                                 held already)
//   olb_probe dismiss TITLE MS    waits for a message box with this title,
//                                 prints its text and presses its OK button
//   olb_probe view CLASS          prints facts about the bar's item list and
//                                 Up button, one per line
//   olb_probe itemrect CLASS N [label]
//                                 prints the screen rectangle of item N's icon
//                                 (or its label)
//   olb_probe captions CLASS      prints the caption of each item of the bar's
//                                 list, one per line, as the list has it
//   olb_probe mklink LINK TARGET [ARGS]  saves a shell link LINK to TARGET (with ARGS)
//   olb_probe text CLASS ID       prints the text of the window's control ID
//                                 (at any depth)
//   olb_probe command CLASS ID    posts WM_COMMAND ID (a button press) to it
//   olb_probe count CLASS         prints how many top-level windows of CLASS exist
//   olb_probe forget CLASS        the shell forgets the window's AppBar
//                                 registration (ABM_REMOVE on its behalf)
//   olb_probe registered CLASS    exit 0 when the shell knows the window as
//                                 an AppBar (ABM_NEW for it is refused)
//   olb_probe taskbarcreated      broadcasts "TaskbarCreated", as a shell that
//                                 starts again does
//   olb_probe click CLASS ID      clicks the window's control ID (at any depth)
//   olb_probe labels CLASS        for each control of the window's visible
//                                 page: its box, the extent of its text in
//                                 its font when broken to the box's width,
//                                 and the room left to the page's right
//                                 edge; exit 1 when a text does not fit its
//                                 box, a box reaches the edge, or a control
//                                 of the window lies outside its client area
//   olb_probe menu                prints the open popup menu's entries with
//                                 their check marks, one per line
//   olb_probe menupos NAME [item] prints how many Down presses reach the
//                                 bar's menu entry NAME (its component name,
//                                 e.g. Alwaysontop1) from the menu's top; with
//                                 "item", on the menu opened on an item
//   olb_probe rename FROM TO      renames a file or folder (MoveFileW)
//   olb_probe firsticon FILE      prints the first icon group of a program
//                                 file (its name, or # and its number)
//   olb_probe clipfiles           prints the files of the clipboard's file
//                                 list (CF_HDROP), one per line; exit 1
//                                 when it holds none
//   olb_probe resources CLASS     prints the handles, GDI and USER objects
//                                 and private memory of the window's process
//   olb_probe question CLASS MS   waits for a dialog box of the process that
//                                 owns the window of CLASS (no other
//                                 program's box, a crash report's included)
//                                 and prints its title and text
//   olb_probe answer CLASS ID     presses button ID of that process's box
//   olb_probe hostile CLASS N     posts to the window and its item list what
//                                 no system sends: WM_NOTIFY and WM_DPICHANGED
//                                 with lParam 0 and 0x1000, then N
//                                 "TaskbarCreated"
//   olb_probe idle CLASS MS       exit 0 once the window's process has taken
//                                 every message waiting for it and waits for
//                                 input again (WaitForInputIdle)
//   olb_probe decoy CLASS MS      another program's hidden window of CLASS,
//                                 kept for MS ms; exit 1 when it was shown.
//                                 The other commands pass it over.
//   olb_probe monitors            prints each monitor: its device name,
//                                 rectangle, work area and 1 for the primary
//   olb_probe mode W H            changes the display mode to W x H
//                                 (ChangeDisplaySettings); exit 0 on success
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <oleacc.h>
#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "core/bar/popup_menu.h"

namespace {

constexpr wchar_t kDecoyTitle[] = L"olb decoy";

std::wstring ClassOf(HWND w) {
  wchar_t name[128] = {};
  GetClassNameW(w, name, 128);
  return name;
}

// The first top-level window of the class that is not a decoy.
HWND Find(const wchar_t* cls) {
  wchar_t title[32] = {};
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, cls, nullptr)) != nullptr;) {
    if (GetWindowTextW(w, title, 32) == 0 || std::wcscmp(title, kDecoyTitle) != 0) return w;
  }
  return nullptr;
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
  RECT client{};
  GetClientRect(w, &client);
  std::wprintf(L"client=%ldx%ld\n", client.right, client.bottom);
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
  std::wprintf(L"list_selected_count=%d\n",
               static_cast<int>(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0)));
  std::wprintf(L"list_style=%lx\n", static_cast<unsigned long>(GetWindowLongW(list, GWL_STYLE)));
  const auto spacing = static_cast<DWORD>(SendMessageW(list, LVM_GETITEMSPACING, FALSE, 0));
  std::wprintf(L"list_spacing=%u,%u\n", LOWORD(spacing), HIWORD(spacing));
  PrintRect(L"list_rect", list);
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  int hilited = -1;
  for (int i = 0; i < count && hilited < 0; ++i) {
    if (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_DROPHILITED)) hilited = i;
  }
  std::wprintf(L"list_drophilited=%d\n", hilited);
  std::wprintf(L"up_enabled=%d\n", IsWindowEnabled(up) ? 1 : 0);
  PrintRect(L"up_rect", up);
  // The items the list shows now, as the lowest and highest visible index
  // and how many are visible: each item's position is read through a POINT
  // placed in the bar's own memory, since the message carries a pointer.
  int first = -1, last = -1, shown = 0;
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  void* remote = process
                     ? VirtualAllocEx(process, nullptr, sizeof(POINT), MEM_COMMIT, PAGE_READWRITE)
                     : nullptr;
  RECT client{};
  GetClientRect(list, &client);
  for (int i = 0; remote && i < count; ++i) {
    POINT p{};
    if (!SendMessageW(list, LVM_GETITEMPOSITION, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(remote)) ||
        !ReadProcessMemory(process, remote, &p, sizeof p, nullptr)) {
      continue;
    }
    // The item's icon corner lies inside the list's client area.
    if (p.x < 0 || p.y < 0 || p.x + 8 > client.right || p.y + 8 > client.bottom) continue;
    if (first < 0) first = i;
    last = i;
    ++shown;
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  if (process) CloseHandle(process);
  std::wprintf(L"list_visible=%d,%d,%d\n", first, last, shown);
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(bar, nullptr), &gui);
  std::wprintf(L"list_focused=%d\n", gui.hwndFocus == list ? 1 : 0);
  const auto uiState = static_cast<DWORD>(SendMessageW(list, WM_QUERYUISTATE, 0, 0));
  std::wprintf(L"list_focus_drawn=%d\n", (uiState & UISF_HIDEFOCUS) ? 0 : 1);
  std::wprintf(L"list_shown=%d\n", IsWindowVisible(list) ? 1 : 0);
  // The find panel: shown or not, the keyboard in its field, what it holds
  // and how many items it lists.
  const HWND find = FindWindowExW(bar, nullptr, L"OlbFindPanel", nullptr);
  const HWND field = find ? FindWindowExW(find, nullptr, L"Edit", nullptr) : nullptr;
  const HWND found = find ? FindWindowExW(find, nullptr, L"ListBox", nullptr) : nullptr;
  std::wprintf(L"find_shown=%d\n", find && IsWindowVisible(find) ? 1 : 0);
  std::wprintf(L"find_focused=%d\n", field && gui.hwndFocus == field ? 1 : 0);
  std::wprintf(L"find_count=%d\n",
               found ? static_cast<int>(SendMessageW(found, LB_GETCOUNT, 0, 0)) : -1);
  if (find) PrintRect(L"find_rect", find);
  if (found) PrintRect(L"found_rect", found);
  // The first item's text, as the list box's accessibility reads it.
  wchar_t firstFound[256] = {};
  if (found && SendMessageW(found, LB_GETTEXTLEN, 0, 0) < 255)
    SendMessageW(found, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(firstFound));
  std::wprintf(L"found_first=%ls\n", firstFound);
  return 0;
}

int MakeLink(const wchar_t* link, const wchar_t* target, const wchar_t* arguments) {
  CoInitialize(nullptr);
  IShellLinkW* shellLink = nullptr;
  IPersistFile* file = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink));
  if (SUCCEEDED(hr)) hr = shellLink->SetPath(target);
  if (SUCCEEDED(hr) && arguments) hr = shellLink->SetArguments(arguments);
  if (SUCCEEDED(hr))
    hr = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) hr = file->Save(link, TRUE);
  if (file) file->Release();
  if (shellLink) shellLink->Release();
  CoUninitialize();
  return SUCCEEDED(hr) ? 0 : 1;
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR out) {
  *reinterpret_cast<std::wstring*>(out) =
      IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<uintptr_t>(name)) : name;
  return FALSE;
}

// Prints the first icon group of a program file, the one the shell shows as
// the file's icon: its name, or "#" and its number.
int FirstIconGroup(const wchar_t* file) {
  const HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return 1;
  std::wstring name;
  EnumResourceNamesW(module, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&name));
  FreeLibrary(module);
  if (name.empty()) return 1;
  std::wprintf(L"%ls\n", name.c_str());
  return 0;
}

// The screen rectangle of item N's icon, read across processes through a
// buffer in the bar's own memory.
int ItemRect(HWND bar, int item, bool label) {
  const HWND list = FindWindowExW(bar, nullptr, WC_LISTVIEWW, nullptr);
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return 1;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT r{label ? LVIR_LABEL : LVIR_ICON, 0, 0, 0};
  SIZE_T moved = 0;
  WriteProcessMemory(process, remote, &r, sizeof r, &moved);
  SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process, remote, &r, sizeof r, &moved);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  std::wprintf(L"%ld,%ld,%ld,%ld\n", r.left, r.top, r.right, r.bottom);
  return 0;
}

// The list asks its owner for each caption: the text is read through a
// block placed in the bar's own memory.
int Captions(HWND bar) {
  const HWND list = FindWindowExW(bar, nullptr, WC_LISTVIEWW, nullptr);
  DWORD pid = 0;
  if (!list || !GetWindowThreadProcessId(list, &pid)) return 1;
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return 1;
  constexpr int kChars = 512;
  struct Block {
    LVITEMW item;
    wchar_t text[kChars];
  };
  auto* remote = static_cast<Block*>(
      VirtualAllocEx(process, nullptr, sizeof(Block), MEM_COMMIT, PAGE_READWRITE));
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  bool read = remote != nullptr;
  for (int i = 0; read && i < count; ++i) {
    Block local{};
    local.item.iSubItem = 0;
    local.item.pszText = remote->text;
    local.item.cchTextMax = kChars;
    SIZE_T moved = 0;
    read = WriteProcessMemory(process, remote, &local, sizeof local, &moved) &&
           SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(&remote->item)) >= 0 &&
           ReadProcessMemory(process, remote, &local, sizeof local, &moved);
    local.text[kChars - 1] = L'\0';
    if (read) std::wprintf(L"%ls\n", local.text);
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return read ? 0 : 1;
}

// Waits until a visible window of the class exists (present) or none does.
// Visibility matters: Wine keeps a popup menu's window after it closes.
bool WaitFor(const wchar_t* cls, int ms, bool present) {
  for (int waited = 0;; waited += 50) {
    const HWND w = Find(cls);
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

// A visible dialog box of the process that owns the window of `cls`.
HWND OwnBox(const wchar_t* cls) {
  const HWND owner = Find(cls);
  DWORD pid = 0;
  if (!owner || !GetWindowThreadProcessId(owner, &pid)) return nullptr;
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"#32770", nullptr)) != nullptr;) {
    DWORD theirs = 0;
    GetWindowThreadProcessId(w, &theirs);
    if (theirs == pid && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

int Question(const wchar_t* cls, int ms) {
  for (int waited = 0;; waited += 50) {
    if (const HWND box = OwnBox(cls)) {
      // The shell's own boxes paint their text themselves: the title always
      // comes, the text when a static control holds it.
      wchar_t title[256] = {};
      GetWindowTextW(box, title, 256);
      std::wstring text;
      EnumChildWindows(box, FindStaticText, reinterpret_cast<LPARAM>(&text));
      std::wprintf(L"title=%ls\ntext=%ls\n", title, text.c_str());
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

HWND FindById(HWND w, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(w, FindControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The screen's DPI, which the bar's windows are laid out for.
int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// The font a control draws with. Font handles may not cross processes: the
// description is read where it can be, else the page's designed font at the
// screen's DPI.
HFONT FontLike(HWND control) {
  LOGFONTW lf{};
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (!font || !GetObjectW(font, sizeof lf, &lf)) {
    lf = LOGFONTW{};
    lf.lfHeight = -MulDiv(12, ScreenDpi(), 96);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcscpy(lf.lfFaceName, L"MS Sans Serif");
  }
  return CreateFontIndirectW(&lf);
}

// The rightmost inked column of `text` drawn word-wrapped `width` wide.
int InkRight(HFONT font, const wchar_t* text, int width, int height) {
  const int canvas = width + 64;
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, canvas, height);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  const HGDIOBJ oldFont = SelectObject(dc, font);
  RECT all{0, 0, canvas, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT box{0, 0, width, height};
  DrawTextW(dc, text, -1, &box, DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP);
  int right = -1;
  for (int x = 0; x < canvas; ++x)
    for (int y = 0; y < height; ++y)
      if (GetPixel(dc, x, y) != RGB(255, 255, 255)) right = x;
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return right;
}

struct PageCheck {
  HWND page = nullptr;
  int bad = 0;
};

BOOL CALLBACK CheckOne(HWND c, LPARAM lp) {
  auto* check = reinterpret_cast<PageCheck*>(lp);
  if (GetParent(c) != check->page) return TRUE;
  wchar_t text[512] = {};
  GetWindowTextW(c, text, 512);
  RECT box{}, page{};
  GetWindowRect(c, &box);
  MapWindowPoints(nullptr, check->page, reinterpret_cast<POINT*>(&box), 2);
  GetClientRect(check->page, &page);
  // A check box's text starts after its square.
  const int offset = ClassOf(c) == L"Button" ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
  const HFONT font = FontLike(c);
  const HDC dc = GetDC(c);
  const HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, box.right - box.left - offset, 0};
  DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  wchar_t face[64] = {};
  GetTextFaceW(dc, 64, face);
  SelectObject(dc, old);
  ReleaseDC(c, dc);
  // What is really drawn: glyphs may reach past their advance widths, so
  // the text is drawn as the control draws it and its ink is measured.
  const int inkRight = InkRight(font, text, box.right - box.left - offset, r.bottom);
  DeleteObject(font);
  const long textW = std::max<long>(r.right, inkRight + 1) + offset, textH = r.bottom;
  const long room = page.right - box.right;
  const bool fits = textW <= box.right - box.left && textH <= box.bottom - box.top && room > 0 &&
                    box.bottom <= page.bottom;
  if (!fits) ++check->bad;
  std::wprintf(L"%ls box=%ld,%ld,%ld,%ld text=%ldx%ld room=%ld font=%ls \"%ls\"\n",
               fits ? L"fits" : L"CLIPPED", box.left, box.top, box.right, box.bottom, textW, textH,
               room, face, text);
  return TRUE;
}

// Every visible control of the window lies inside its client area; the
// visible page's controls are checked against the page itself.
BOOL CALLBACK CheckPage(HWND c, LPARAM lp) {
  auto* check = reinterpret_cast<PageCheck*>(lp);
  const HWND form = GetAncestor(c, GA_ROOT);
  if (GetParent(c) != form || !IsWindowVisible(c)) return TRUE;
  RECT box{}, client{};
  GetWindowRect(c, &box);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&box), 2);
  GetClientRect(form, &client);
  if (box.left < 0 || box.top < 0 || box.right > client.right || box.bottom > client.bottom) {
    ++check->bad;
    std::wprintf(L"OUTSIDE box=%ld,%ld,%ld,%ld client=%ldx%ld class=%ls\n", box.left, box.top,
                 box.right, box.bottom, client.right, client.bottom, ClassOf(c).c_str());
  }
  if (GetWindow(c, GW_CHILD) != nullptr) {
    check->page = c;
    EnumChildWindows(c, CheckOne, lp);
  }
  return TRUE;
}

int Labels(HWND w) {
  PageCheck check;
  EnumChildWindows(w, CheckPage, reinterpret_cast<LPARAM>(&check));
  std::wprintf(L"dpi=%d\n", ScreenDpi());
  return check.page && check.bad == 0 ? 0 : 1;
}

int Menu() {
  const HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (!menuWindow || !IsWindowVisible(menuWindow)) return 1;
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  const int n = menu ? GetMenuItemCount(menu) : -1;
  if (n <= 0) return 1;
  for (int i = 0; i < n; ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    std::wprintf(L"%ls=%d\n", text, (state & MF_CHECKED) ? 1 : 0);
  }
  return 0;
}

// Counted from the bar's own menu table, so that a journey does not break
// when an entry is added. Inserted submenus count too: the item's shell
// submenu at the top, the Monitor submenu after Fit Bar to Items while the
// system has two monitors or more.
int MenuPosition(const std::wstring& name, bool onItem) {
  int downs = onItem ? 1 : 0;
  for (const olb::MenuEntry& entry : olb::kViewsMenu) {
    if (entry.IsSeparator()) continue;
    ++downs;
    if (std::wstring(entry.name.begin(), entry.name.end()) == name) {
      std::wprintf(L"%d\n", downs);
      return 0;
    }
    if (entry.command == olb::CommandId::FitBartoItems1 && GetSystemMetrics(SM_CMONITORS) >= 2)
      ++downs;
  }
  return 1;
}

int ClipboardFiles() {
  if (!OpenClipboard(nullptr)) return 1;
  int found = 0;
  if (const auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP))) {
    const UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < n; ++i) {
      wchar_t path[MAX_PATH] = {};
      if (DragQueryFileW(drop, i, path, MAX_PATH) == 0) continue;
      std::wprintf(L"%ls\n", path);
      ++found;
    }
  }
  CloseClipboard();
  return found > 0 ? 0 : 1;
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

std::wstring RoleText(const VARIANT& role) {
  if (role.vt != VT_I4) return L"?";
  wchar_t text[128] = {};
  GetRoleTextW(static_cast<DWORD>(role.lVal), text, 128);
  return text;
}

// One child of `parent`: the child's own object when it has one, else the
// parent answers for it.
void PrintAccessibleChild(IAccessible* parent, LONG id, const wchar_t* prefix) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  IDispatch* dispatch = nullptr;
  IAccessible* object = nullptr;
  if (parent->get_accChild(child, &dispatch) == S_OK && dispatch) {
    dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object));
    dispatch->Release();
  }
  IAccessible* asked = object ? object : parent;
  VARIANT self = child;
  if (object) self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  VARIANT role;
  VariantInit(&role);
  asked->get_accName(self, &name);
  asked->get_accRole(self, &role);
  // As UTF-8: the console's code page has no dash.
  const std::wstring line =
      std::wstring(prefix) + (name ? name : L"") + L"|" + RoleText(role) + L"\n";
  std::string utf8(line.size() * 3, '\0');
  utf8.resize(static_cast<size_t>(
      WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(),
                          static_cast<int>(utf8.size()), nullptr, nullptr)));
  std::fflush(stdout);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  SysFreeString(name);
  if (object) object->Release();
}

int AccessibleNames(HWND bar) {
  CoInitialize(nullptr);
  IAccessible* client = nullptr;
  if (FAILED(AccessibleObjectFromWindow(bar, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&client))) ||
      !client) {
    return 1;
  }
  LONG count = 0;
  client->get_accChildCount(&count);
  for (LONG i = 1; i <= count; ++i) PrintAccessibleChild(client, i, L"");
  client->Release();
  const HWND list = FindWindowExW(bar, nullptr, WC_LISTVIEWW, nullptr);
  IAccessible* items = nullptr;
  if (list &&
      SUCCEEDED(AccessibleObjectFromWindow(list, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                           reinterpret_cast<void**>(&items))) &&
      items) {
    LONG n = 0;
    items->get_accChildCount(&n);
    std::wprintf(L"items=%ld\n", n);
    for (LONG i = 1; i <= std::min<LONG>(n, 3); ++i) PrintAccessibleChild(items, i, L"item|");
    items->Release();
  }
  CoUninitialize();
  return count > 0 ? 0 : 1;
}

FILE* eventLog = nullptr;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND w, LONG object, LONG child, DWORD,
                          DWORD) {
  const char* name = event == EVENT_OBJECT_FOCUS         ? "focus"
                     : event == EVENT_OBJECT_SELECTION   ? "selection"
                     : event == EVENT_OBJECT_STATECHANGE ? "state"
                     : event == EVENT_OBJECT_NAMECHANGE  ? "name"
                                                         : nullptr;
  if (!name || !eventLog) return;
  char cls[256] = "-";
  if (w) WideCharToMultiByte(CP_UTF8, 0, ClassOf(w).c_str(), -1, cls, sizeof cls, nullptr, nullptr);
  std::fprintf(eventLog, "%s %s %ld %ld\n", name, cls, object, child);
  std::fflush(eventLog);
}

// Hooks the bar's process from outside, as a screen reader does.
int WinEvents(HWND bar, const wchar_t* file, int ms) {
  DWORD pid = 0;
  GetWindowThreadProcessId(bar, &pid);
  eventLog = _wfopen(file, L"wb");
  if (!eventLog) return 1;
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr,
                                             RecordEvent, pid, 0, WINEVENT_OUTOFCONTEXT);
  if (!hook) return 1;
  std::fputs("hooked\n", eventLog);
  std::fflush(eventLog);
  const DWORD start = GetTickCount();
  MSG m;
  while (GetTickCount() - start < static_cast<DWORD>(ms)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  }
  UnhookWinEvent(hook);
  std::fclose(eventLog);
  return 0;
}

int SetSysColor(int index, const wchar_t* hex) {
  const unsigned long rgb = std::wcstoul(hex, nullptr, 16);
  std::wprintf(L"%06lx\n", [&] {
    const COLORREF c = GetSysColor(index);
    return (GetRValue(c) << 16ul) | (GetGValue(c) << 8ul) | GetBValue(c);
  }());
  const COLORREF value = RGB((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff);
  if (!SetSysColors(1, &index, &value)) return 1;
  // Windows tells every top-level window; Wine 8 tells only the caller's.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  return 0;
}

int Contrast(bool on) {
  HIGHCONTRASTW hc{};
  hc.cbSize = sizeof hc;
  SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0);
  hc.dwFlags = on ? (hc.dwFlags | HCF_HIGHCONTRASTON) : (hc.dwFlags & ~HCF_HIGHCONTRASTON);
  const BOOL set = SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof hc, &hc,
                                         SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  // Told once more, in case the system kept the flag without telling.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG,
                      5000, &ignored);
  HIGHCONTRASTW now{};
  now.cbSize = sizeof now;
  SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof now, &now, 0);
  std::wprintf(L"%d\n", (now.dwFlags & HCF_HIGHCONTRASTON) ? 1 : 0);
  return set ? 0 : 1;
}

int TakeHotkey(int ms) {
  if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_SPACE)) return 1;
  Sleep(static_cast<DWORD>(ms));
  UnregisterHotKey(nullptr, 1);
  return 0;
}

struct ClassCount {
  const wchar_t* cls;
  int count;
};

BOOL CALLBACK CountClass(HWND w, LPARAM lp) {
  auto* c = reinterpret_cast<ClassCount*>(lp);
  if (ClassOf(w) == c->cls) ++c->count;
  return TRUE;
}

UINT_PTR AppBar(DWORD message, HWND w) {
  APPBARDATA data{};
  data.cbSize = sizeof(data);
  data.hWnd = w;
  return SHAppBarMessage(message, &data);
}

// Where the system cannot count (Wine answers GetGuiResources with
// ERROR_CALL_NOT_IMPLEMENTED and GetProcessHandleCount with 0), the counts
// come from the system's handle list, the process's GDI handle table and its
// windows; `counted_by` says which.
using QuerySystem = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
using QueryProcess = LONG(WINAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*);

struct HandleEntry {  // one entry of the system's handle list (class 16)
  ULONG pid;
  UCHAR type, flags;
  USHORT handle;
  void* object;
  ACCESS_MASK access;
};

long ListedHandles(DWORD pid) {
  const auto query = reinterpret_cast<QuerySystem>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll"), "NtQuerySystemInformation")));
  if (!query) return -1;
  std::vector<char> buffer(1 << 20);
  ULONG size = 0;
  LONG status;
  while ((status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &size)) ==
             static_cast<LONG>(0xC0000004) &&
         buffer.size() < (64u << 20)) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return -1;
  const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
  const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(ULONG));
  long own = 0;
  for (ULONG i = 0; i < count; ++i) own += entries[i].pid == pid;
  return own;
}

// Wine keeps each process's GDI objects in a table its PEB points to (at
// 0x94 in a 32-bit PEB): 65536 entries of 24 bytes, whose type byte (at 14)
// is not 0 while the entry holds an object.
long TabledGdiObjects(HANDLE process) {
  const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll"), "NtQueryInformationProcess")));
  struct {
    LONG exitStatus;
    BYTE* peb;
    ULONG_PTR rest[4];
  } basic{};
  if (!query || query(process, 0, &basic, sizeof basic, nullptr) != 0) return -1;
  DWORD table = 0;
  if (!ReadProcessMemory(process, basic.peb + 0x94, &table, sizeof table, nullptr) || !table) {
    return -1;
  }
  constexpr size_t kEntry = 24, kEntries = 0x10000, kChunk = 4096;
  std::vector<BYTE> chunk(kChunk * kEntry);
  long used = 0;
  for (size_t at = 0; at < kEntries; at += kChunk) {
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table + at * kEntry),
                           chunk.data(), chunk.size(), nullptr)) {
      return -1;
    }
    for (size_t i = 0; i < kChunk; ++i) used += chunk[i * kEntry + 14] != 0;
  }
  return used;
}

struct WindowCount {
  DWORD pid;
  long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM lp) {
  ++reinterpret_cast<WindowCount*>(lp)->count;
  return TRUE;
}

BOOL CALLBACK CountOwnWindows(HWND w, LPARAM lp) {
  auto* c = reinterpret_cast<WindowCount*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != c->pid) return TRUE;
  ++c->count;
  EnumChildWindows(w, CountChild, lp);
  return TRUE;
}

long OwnWindows(DWORD pid) {
  WindowCount c{pid, 0};
  EnumWindows(CountOwnWindows, reinterpret_cast<LPARAM>(&c));
  for (HWND w = nullptr; (w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) != nullptr;) {
    CountOwnWindows(w, reinterpret_cast<LPARAM>(&c));
  }
  return c.count;
}

int Resources(HWND w) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return 1;
  DWORD handles = 0;
  const long counted = GetProcessHandleCount(process, &handles) && handles
                           ? static_cast<long>(handles)
                           : ListedHandles(pid);
  long gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
  long user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
  const bool tables = gdi == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED;
  if (tables) {
    gdi = TabledGdiObjects(process);
    user = OwnWindows(pid);
  }
  // PagefileUsage is the commit charge, the process's private memory.
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  const bool measured = GetProcessMemoryInfo(process, &memory, sizeof memory);
  CloseHandle(process);
  if (counted < 0 || gdi < 0 || !measured) return 1;
  std::wprintf(L"counted_by=%ls\n", tables ? L"tables and windows" : L"the system");
  std::wprintf(L"handles=%ld\ngdi=%ld\nuser=%ld\n", counted, gdi, user);
  std::wprintf(L"private_kb=%lu\n", static_cast<unsigned long>(memory.PagefileUsage / 1024));
  return 0;
}

int Hostile(HWND bar, int restarts) {
  bool posted = true;
  const HWND list = FindWindowExW(bar, nullptr, WC_LISTVIEWW, nullptr);
  for (const LPARAM lp : {LPARAM{0}, LPARAM{0x1000}}) {
    posted &= PostMessageW(bar, WM_NOTIFY, 0, lp) != 0;
    posted &= PostMessageW(list, WM_NOTIFY, 0, lp) != 0;
    posted &= PostMessageW(bar, WM_DPICHANGED, MAKEWPARAM(144, 144), lp) != 0;
    posted &= PostMessageW(bar, WM_DPICHANGED, 0, lp) != 0;
  }
  // Sent from this process: the pointer means nothing in the bar's.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(bar, WM_NOTIFY, 0, 0x1000, SMTO_ABORTIFHUNG, 2000, &ignored);
  const UINT created = RegisterWindowMessageW(L"TaskbarCreated");
  for (int i = 0; i < restarts; ++i) posted &= PostMessageW(bar, created, 0, 0) != 0;
  return posted ? 0 : 1;
}

bool decoyShown = false;

LRESULT CALLBACK DecoyProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if ((msg == WM_SHOWWINDOW && wp) ||
      (msg == WM_WINDOWPOSCHANGED &&
       (reinterpret_cast<const WINDOWPOS*>(lp)->flags & SWP_SHOWWINDOW) != 0)) {
    decoyShown = true;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

int Decoy(const wchar_t* cls, int ms) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DecoyProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = cls;
  if (!RegisterClassW(&wc)) return 2;
  const HWND w = CreateWindowExW(0, cls, kDecoyTitle, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                                 nullptr, nullptr, wc.hInstance, nullptr);
  if (!w) return 2;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(ms)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  const bool shown = decoyShown || IsWindowVisible(w);
  DestroyWindow(w);
  return shown ? 1 : 0;
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const RECT& a = info.rcMonitor;
  const RECT& w = info.rcWork;
  std::wprintf(L"%ls %ld,%ld,%ld,%ld %ld,%ld,%ld,%ld %d\n", info.szDevice, a.left, a.top, a.right,
               a.bottom, w.left, w.top, w.right, w.bottom,
               (info.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
  return TRUE;
}

int ChangeMode(int width, int height) {
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  mode.dmPelsWidth = static_cast<DWORD>(width);
  mode.dmPelsHeight = static_cast<DWORD>(height);
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  const LONG result = ChangeDisplaySettingsW(&mode, 0);
  std::wprintf(L"%ld\n", result);
  return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring(argv[1]) == L"windows") return EnumWindows(PrintWindow, 0) ? 0 : 1;
  if (argc == 3 && std::wstring(argv[1]) == L"hold") return Hold(_wtoi(argv[2]));
  if (argc == 3 && std::wstring(argv[1]) == L"takehotkey") return TakeHotkey(_wtoi(argv[2]));
  if (argc == 2 && std::wstring(argv[1]) == L"taskbarcreated") {
    const UINT created = RegisterWindowMessageW(L"TaskbarCreated");
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(HWND_BROADCAST, created, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) ? 0
                                                                                                : 1;
  }
  if (argc == 3 && std::wstring(argv[1]) == L"count") {
    ClassCount c{argv[2], 0};
    EnumWindows(CountClass, reinterpret_cast<LPARAM>(&c));
    std::wprintf(L"%d\n", c.count);
    return 0;
  }
  if (argc == 2 && std::wstring(argv[1]) == L"menu") return Menu();
  if (argc == 4 && std::wstring(argv[1]) == L"syscolor")
    return SetSysColor(_wtoi(argv[2]), argv[3]);
  if (argc == 3 && std::wstring(argv[1]) == L"contrast")
    return Contrast(std::wstring(argv[2]) == L"on");
  if (argc == 2 && std::wstring(argv[1]) == L"clipfiles") return ClipboardFiles();
  if ((argc == 3 || argc == 4) && std::wstring(argv[1]) == L"menupos")
    return MenuPosition(argv[2], argc == 4 && std::wstring(argv[3]) == L"item");
  if (argc == 2 && std::wstring(argv[1]) == L"monitors") {
    return EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0) ? 0 : 1;
  }
  if (argc == 4 && std::wstring(argv[1]) == L"mode")
    return ChangeMode(_wtoi(argv[2]), _wtoi(argv[3]));
  if (argc < 3) return 2;
  const std::wstring cmd = argv[1];
  const wchar_t* cls = argv[2];
  const int ms = argc > 3 ? _wtoi(argv[3]) : 0;
  if (cmd == L"wait") return WaitFor(cls, ms, true) ? 0 : 1;
  if (cmd == L"gone") return WaitFor(cls, ms, false) ? 0 : 1;
  if (cmd == L"dismiss") return Dismiss(argv[2], ms);
  if (cmd == L"mklink")
    return argc > 3 ? MakeLink(argv[2], argv[3], argc > 4 ? argv[4] : nullptr) : 2;
  if (cmd == L"firsticon") return FirstIconGroup(argv[2]);
  if (cmd == L"rename") return argc > 3 && MoveFileW(argv[2], argv[3]) ? 0 : 1;
  if (cmd == L"decoy") return Decoy(cls, ms);
  if (cmd == L"question") return Question(cls, ms);
  if (cmd == L"answer") {
    const HWND box = OwnBox(cls);
    return box && PostMessageW(box, WM_COMMAND, ms, 0) ? 0 : 1;
  }
  HWND w = Find(cls);
  if (!w) {
    std::fwprintf(stderr, L"no window of class %ls\n", cls);
    return 1;
  }
  if (cmd == L"info") return Info(w);
  if (cmd == L"view") return View(w);
  if (cmd == L"captions") return Captions(w);
  if (cmd == L"itemrect" && argc >= 4)
    return ItemRect(w, _wtoi(argv[3]), argc > 4 && std::wstring(argv[4]) == L"label");
  if (cmd == L"close") return PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 1;
  if (cmd == L"forget") return AppBar(ABM_REMOVE, w) ? 0 : 1;
  if (cmd == L"registered") {
    // A window the shell knows is refused; one it did not know is now
    // registered, so it is removed again.
    if (!AppBar(ABM_NEW, w)) return 0;
    AppBar(ABM_REMOVE, w);
    return 1;
  }
  if (cmd == L"text" && argc > 3) return Text(w, _wtoi(argv[3]));
  if (cmd == L"labels") return Labels(w);
  if (cmd == L"accnames") return AccessibleNames(w);
  if (cmd == L"winevents" && argc > 4) return WinEvents(w, argv[3], _wtoi(argv[4]));
  if (cmd == L"resources") return Resources(w);
  if (cmd == L"hostile") return Hostile(w, ms);
  if (cmd == L"idle") {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    const bool idle = process && WaitForInputIdle(process, argc > 3 ? _wtoi(argv[3]) : 0) == 0;
    if (process) CloseHandle(process);
    return idle ? 0 : 1;
  }
  if (cmd == L"click" && argc > 3) {
    const HWND control = FindById(w, _wtoi(argv[3]));
    return control && PostMessageW(control, BM_CLICK, 0, 0) ? 0 : 1;
  }
  if (cmd == L"command" && argc > 3)
    return PostMessageW(w, WM_COMMAND, MAKEWPARAM(_wtoi(argv[3]), BN_CLICKED), 0) ? 0 : 1;
  return 2;
}
