#include "win32/app/single_instance.h"

#include <cwchar>
#include <string>

#include "win32/base/error_box.h"

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

// The file name of a process's program, without its folder; empty when the
// process cannot be asked.
std::wstring ProgramFileName(DWORD process) {
  wchar_t path[MAX_PATH * 4] = {};
  DWORD size = MAX_PATH * 4;
  if (process == GetCurrentProcessId()) {
    size = GetModuleFileNameW(nullptr, path, size);
  } else {
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (!h) return {};
    if (!QueryFullProcessImageNameW(h, 0, path, &size)) size = 0;
    CloseHandle(h);
  }
  const std::wstring full(path, size);
  const size_t slash = full.find_last_of(L"\\/");
  return slash == std::wstring::npos ? full : full.substr(slash + 1);
}

// A window of a copy of this program (the same program file, wherever it
// was started from), never a window of another program that happens to use
// the same class name.
bool IsOurProgramsWindow(HWND window) {
  DWORD process = 0;
  if (!GetWindowThreadProcessId(window, &process)) return false;
  if (process == GetCurrentProcessId()) return true;
  const std::wstring theirs = ProgramFileName(process);
  return !theirs.empty() &&
         lstrcmpiW(theirs.c_str(), ProgramFileName(GetCurrentProcessId()).c_str()) == 0;
}

// A copy that is stuck (crashed and kept by a debugger, say) answers no
// message: showing its windows would wait on it for ever.
bool Answers(HWND window) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 1000,
                             &ignored) != 0;
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
  // The copy that owns the mutex runs the bar. A copy that ended without
  // letting it go (killed, crashed) leaves it abandoned, which the next
  // start takes over. Without a mutex at all (out of resources) the bar runs.
  if (!mutex_) return;
  const DWORD wait = WaitForSingleObject(mutex_.get(), 0);
  first_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

InstanceClaim::~InstanceClaim() {
  if (mutex_ && first_) ReleaseMutex(mutex_.get());
}

bool ActivateClaimingInstance(const wchar_t* className, const wchar_t* title) {
  // The first copy creates its bar window within moments of taking the
  // mutex; ten seconds cover a slow start without waiting for ever.
  const DWORD start = GetTickCount();
  do {
    if (ActivatePrevInstance(className, title)) return true;
    Sleep(50);
  } while (GetTickCount() - start < 10000);
  return false;
}

HWND FindPrevInstance(const wchar_t* className, const wchar_t* title) {
  const wchar_t* cls = OrNone(className);
  const wchar_t* text = OrNone(title);
  if (!cls && !text) return nullptr;
  HWND w = nullptr;
  // Bounded: the window list may change under the search.
  for (int seen = 0; seen < 1000; ++seen) {
    w = FindWindowExW(nullptr, w, cls, text);
    if (!w || IsOurProgramsWindow(w)) return w;
  }
  return nullptr;
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
  if (!w || !Answers(w)) return false;

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
