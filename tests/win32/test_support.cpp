#include "test_support.h"

#include <shellapi.h>

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

}  // namespace

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  static int counter = 0;
  const std::wstring dir = std::wstring(base) + L"olb-test-" +
                           std::to_wstring(GetCurrentProcessId()) + L"-" +
                           std::to_wstring(++counter);
  CreateDirectoryW(dir.c_str(), nullptr);
  path_ = Narrow(dir);
}

TempFolder::~TempFolder() {
  // SHFileOperation wants a double-NUL-terminated list.
  std::wstring list = Widen(path_);
  list.push_back(L'\0');
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = list.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationW(&op);
}

void TempFolder::WriteFile(const std::string& name, const std::string& content) const {
  HANDLE f = CreateFileW(Widen(*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(f, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(f);
}

bool TempFolder::Exists(const std::string& name) const {
  return GetFileAttributesW(Widen(*this / name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

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

DialogWatcher AnswerYes() {
  return DialogWatcher([](HWND, const std::wstring&) { return true; },
                       [](HWND d) { PostMessageW(d, WM_COMMAND, IDYES, 0); }, true);
}

}  // namespace olb::win
