#include "test_support.h"

namespace olb::win {
namespace {

struct Search {
  DWORD pid;
  const DialogWatcher::Match* match;
  HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  wchar_t cls[32] = {}, title[256] = {};
  GetClassNameW(w, cls, 32);
  if (pid != s->pid || !IsWindowVisible(w) || std::wstring(cls) != L"#32770") return TRUE;
  GetWindowTextW(w, title, 256);
  if (!(*s->match)(w, title)) return TRUE;
  s->found = w;
  return FALSE;
}

// The dialog's file-name box: an edit of its own (id 0x480) or the edit
// inside the file-name combo box (id 0x47C).
BOOL CALLBACK FindFileNameBox(HWND child, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(child, cls, 16);
  if (std::wstring(cls) != L"Edit") return TRUE;
  if (GetDlgCtrlID(child) != 0x480 && GetDlgCtrlID(GetParent(child)) != 0x47C) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

}  // namespace

DialogWatcher::DialogWatcher(Match match, Act act, bool repeat)
    : thread_([this, match = std::move(match), act = std::move(act), repeat] {
        while (!stop_) {
          Search s{GetCurrentProcessId(), &match};
          EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&s));
          if (s.found) {
            act(s.found);
            ++handled_;
            if (!repeat) return;
            // Give the dialog time to close before looking again.
            for (int i = 0; i < 20 && IsWindowVisible(s.found); ++i) Sleep(25);
          }
          Sleep(25);
        }
      }) {}

DialogWatcher::~DialogWatcher() {
  stop_ = true;
  thread_.join();
}

DialogWatcher CloseErrorBoxes() {
  return DialogWatcher([](HWND, const std::wstring& t) { return t == L"Ovel Launch Bar"; },
                       [](HWND d) { PostMessageW(d, WM_COMMAND, IDOK, 0); }, true);
}

DialogWatcher AnswerYes() {
  return DialogWatcher([](HWND, const std::wstring&) { return true; },
                       [](HWND d) { PostMessageW(d, WM_COMMAND, IDYES, 0); }, true);
}

}  // namespace olb::win

namespace olb::win {

DialogWatcher TypeIntoOpenDialog(const std::wstring& title, const std::string& path) {
  return DialogWatcher([title](HWND, const std::wstring& t) { return t == title; },
                       [wide = Widen(path)](HWND d) {
                         HWND box = nullptr;
                         for (int i = 0; i < 80 && !box; ++i) {
                           EnumChildWindows(d, FindFileNameBox, reinterpret_cast<LPARAM>(&box));
                           if (!box) Sleep(25);
                         }
                         SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
                         PostMessageW(d, WM_COMMAND, IDOK, 0);
                       });
}

}  // namespace olb::win
