// The test helper olb_drag_source.exe run as another program dragging files
// onto a window of this one, while this thread lets OLE's calls in.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "win32/base/unicode.h"

namespace olb::win {

// Runs `olb_drag_source drop X Y KEYS EFFECTS FILE...` and returns its
// report ("result=R effect=E"), or "timeout".
template <typename PumpFn>
std::string DragFromAnotherProcess(POINT at, const std::string& keys, DWORD allowed,
                                   const std::vector<std::string>& files, PumpFn pump) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::filesystem::path exe =
      std::filesystem::path(self).parent_path().parent_path() / L"e2e" / L"olb_drag_source.exe";
  std::wstring command = L"\"" + exe.wstring() + L"\" drop " + std::to_wstring(at.x) + L" " +
                         std::to_wstring(at.y) + L" " + Widen(keys) + L" " +
                         std::to_wstring(allowed);
  for (const std::string& f : files) command += L" \"" + Widen(f) + L"\"";
  const std::filesystem::path report =
      std::filesystem::temp_directory_path() / (L"olb-drag-" + std::to_wstring(GetTickCount()));
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileW(report.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                           CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = out;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(out);
  if (!started) return "not started";
  const DWORD begin = GetTickCount();
  bool ended = false;
  while (!(ended = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) &&
         GetTickCount() - begin < 20000) {
    pump();
    Sleep(10);
  }
  if (!ended) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  pump();
  std::string line;
  std::getline(std::ifstream(report), line);
  std::filesystem::remove(report);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  return ended ? line : "timeout";
}

}  // namespace olb::win
