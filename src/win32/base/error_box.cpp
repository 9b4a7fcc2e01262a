#include "win32/base/error_box.h"

#include <string>

#include "core/layout/caption_text.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {
HWND g_owner = nullptr;
// The message box breaks lines only at blanks: a long path without any
// would make the box wider than the screen, its text cut on both sides.
constexpr size_t kMessageRunChars = 64;
}  // namespace

void SetMessageBoxOwner(HWND owner) {
  g_owner = owner;
}
HWND MessageBoxOwner() {
  return g_owner;
}

void ShowException(const std::exception& e) {
  std::wstring text = Widen(BreakLongRuns(e.what(), kMessageRunChars));
  // Like a system message, the text ends with a full stop.
  if (!text.empty() && text.back() != L'.') text += L'.';
  // A quit message already posted (the bar window was destroyed while the
  // error unwound start-up) would end the box's own loop at once, unseen.
  // Hold it back while the box is up, then post it again.
  MSG quit;
  const bool quitting = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  MessageBoxW(g_owner, text.c_str(), kAppTitle, MB_OK | MB_ICONERROR);
  if (quitting) PostQuitMessage(static_cast<int>(quit.wParam));
}

}  // namespace olb::win
