#include "win32/base/error_box.h"

#include <string>
#include <vector>

#include "core/layout/caption_text.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {
HWND g_owner = nullptr;
constexpr size_t kMessageRunChars = 64;

BOOL CALLBACK DisableOne(HWND window, LPARAM disabled) {
  if (window != g_owner && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    reinterpret_cast<std::vector<HWND>*>(disabled)->push_back(window);
  }
  return TRUE;
}
}  // namespace

int ProgramMessageBox(const wchar_t* text, const wchar_t* caption, UINT flags) {
  const HWND focus = GetFocus();
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
  const int answer = MessageBoxW(g_owner, text, caption, flags);
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  // The box gives activation back to its owner, the hidden window: the
  // keyboard goes back where it was (the list, an editor), unless the
  // user has gone on to another window of the program meanwhile.
  const HWND active = GetActiveWindow();
  if (focus && IsWindow(focus) && IsWindowVisible(focus) && (!active || active == g_owner)) {
    SetActiveWindow(GetAncestor(focus, GA_ROOT));
    SetFocus(focus);
  }
  return answer;
}

void SetMessageBoxOwner(HWND owner) {
  g_owner = owner;
}
HWND MessageBoxOwner() {
  return g_owner;
}

std::wstring MessageText(std::string_view utf8) {
  return Widen(BreakLongRuns(utf8, kMessageRunChars));
}

void ShowException(const std::exception& e) {
  std::wstring text = MessageText(e.what());
  // Like a system message, the text ends with a full stop; not after a list
  // of characters, where a dot would read as one of them.
  const wchar_t last = text.empty() ? L'.' : text.back();
  if (IsCharAlphaNumericW(last) || last == L'"' || last == L')') text += L'.';
  // A quit message already posted (the bar window was destroyed while the
  // error unwound start-up) would end the box's own loop at once, unseen.
  // Hold it back while the box is up, then post it again.
  MSG quit;
  const bool quitting = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  ProgramMessageBox(text.c_str(), kAppTitle, MB_OK | MB_ICONERROR);
  if (quitting) PostQuitMessage(static_cast<int>(quit.wParam));
}

}  // namespace olb::win
