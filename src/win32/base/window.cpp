#include "win32/base/window.h"

namespace olb::win {

void RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass) {
  // Registered once: every later window of the class finds it in place.
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, windowClass.name, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = windowClass.style;
  wc.lpfnWndProc = windowClass.proc;
  wc.hInstance = instance;
  if (windowClass.programIcon) wc.hIcon = LoadIconW(instance, L"MAINICON");
  if (windowClass.formLook) {
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
  wc.lpszClassName = windowClass.name;
  RegisterClassExW(&wc);
}

}  // namespace olb::win
