#include "win32/app/single_instance.h"

#include <cwchar>
#include <string>

namespace olb::win {
namespace {

const wchar_t* OrNone(const wchar_t* s) {
  return (s && *s) ? s : nullptr;
}

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return std::wcscmp(name, className) == 0;
}

}  // namespace

InstanceClaim::InstanceClaim() {
  // "Local\" is the session's namespace; the user's name keeps a program
  // started as another user in the same session apart.
  std::wstring name = L"Local\\Ovel Launch Bar.";
  wchar_t user[257] = {};
  DWORD size = 257;
  if (GetUserNameW(user, &size)) name += user;
  mutex_.Reset(CreateMutexW(nullptr, FALSE, name.c_str()));
  // Without a mutex (out of resources) the window search alone decides.
  first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

void ActivateClaimingInstance(const wchar_t* className, const wchar_t* title) {
  // The first copy creates its bar window within moments of taking the
  // mutex; ten seconds cover a slow start without waiting for ever.
  for (int tries = 0; tries < 200; ++tries) {
    if (ActivatePrevInstance(className, title)) return;
    Sleep(50);
  }
}

HWND FindPrevInstance(const wchar_t* className, const wchar_t* title) {
  const wchar_t* cls = OrNone(className);
  const wchar_t* text = OrNone(title);
  if (!cls && !text) return nullptr;
  return FindWindowW(cls, text);
}

void ShowWithoutAnimation(HWND window, int command) {
  ANIMATIONINFO info{sizeof(ANIMATIONINFO), 0};
  SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0);
  if (info.iMinAnimate == 0) {
    ShowWindow(window, command);
    return;
  }
  info.iMinAnimate = 0;
  SystemParametersInfoW(SPI_SETANIMATION, sizeof(info), &info, 0);
  ShowWindow(window, command);
  info.iMinAnimate = 1;
  SystemParametersInfoW(SPI_SETANIMATION, sizeof(info), &info, 0);
}

bool ActivatePrevInstance(const wchar_t* className, const wchar_t* title) {
  HWND w = FindPrevInstance(className, title);
  if (!w) return false;

  // For a running bar the owner chain ends at its hidden application window.
  // The depth limit only guards against a window list changing under us.
  const HWND desktop = GetDesktopWindow();
  for (int depth = 0; depth < 64; ++depth) {
    const HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrW(w, GWLP_HWNDPARENT));
    if (!owner || owner == desktop) break;
    w = owner;
  }

  // A window of the program waiting for the user (a wizard page, About)
  // gets the foreground alone: activating the application window first
  // would leave the keyboard with that invisible window.
  const HWND popup = GetLastActivePopup(w);
  const bool popupWaits = popup != w && IsWindowVisible(popup) && IsWindowEnabled(popup);
  if (HasClass(w, kApplicationClassName)) {
    ShowWithoutAnimation(w, popupWaits ? SW_SHOWNA : SW_SHOW);
    if (!popupWaits) SetForegroundWindow(w);
  } else if (IsIconic(w)) {
    SendMessageW(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    return true;
  } else {
    ShowWithoutAnimation(w, SW_SHOWNOACTIVATE);
  }

  if (!popupWaits) ShowWithoutAnimation(popup, SW_SHOW);
  SetForegroundWindow(popup);
  return true;
}

}  // namespace olb::win
