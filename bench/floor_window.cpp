// The floor program of the start-up and memory figures: a hidden owner
// window and one window with an owner-data list view showing a few captions,
// nothing else. Closes on WM_CLOSE like the bar.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>

namespace {

constexpr int kItems = 5;

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NOTIFY: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(lp);
      if (info->hdr.code == LVN_GETDISPINFOW && (info->item.mask & LVIF_TEXT)) {
        std::swprintf(info->item.pszText, static_cast<size_t>(info->item.cchTextMax), L"Item %d",
                      info->item.iItem + 1);
      }
      return 0;
    }
    case WM_SIZE: {
      HWND list = GetWindow(hwnd, GW_CHILD);
      if (list) MoveWindow(list, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
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
  SendMessageW(list, LVM_SETITEMCOUNT, kItems, 0);
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
