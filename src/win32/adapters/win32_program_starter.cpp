#include "win32/adapters/win32_program_starter.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "core/platform/com_error.h"
#include "win32/base/com_ptr.h"
#include "win32/base/unicode.h"

namespace olb::win {

std::string Win32ProgramStarter::ShortcutTarget(const std::string& linkPath) {
  ComPtr<IShellLinkW> link;
  const HRESULT made =
      CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                       IID_IShellLinkW, link.PutVoid());
  if (FAILED(made)) throw ComError(made, "Cannot create the shell link object");
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return {};
  if (FAILED(file->Load(Widen(linkPath).c_str(), STGM_READ))) return {};
  // The stored path, not resolved; long paths fit.
  std::vector<wchar_t> target(32768, L'\0');
  WIN32_FIND_DATAW data{};
  if (FAILED(link->GetPath(target.data(), static_cast<int>(target.size()), &data, 0))) return {};
  return Narrow(target.data());
}

bool Win32ProgramStarter::CreateShortcut(const std::string& linkPath, const std::string& target) {
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link.PutVoid())))
    return false;
  const std::wstring wide = Widen(target);
  link->SetPath(wide.c_str());
  // A program finds its own files from its folder, as when started there.
  const size_t cut = wide.find_last_of(L"\\/");
  if (cut != std::wstring::npos) link->SetWorkingDirectory(wide.substr(0, cut).c_str());
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return false;
  return SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE));
}

std::wstring ProgramCommandLine(const std::string& program, const std::string& arguments) {
  std::wstring line(1, L'"');
  line.append(Widen(program)).append(L"\" ").append(Widen(arguments));
  return line;
}

bool Win32ProgramStarter::StartProgram(const std::string& program, const std::string& arguments) {
  std::wstring commandLine = ProgramCommandLine(program, arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  // No application name: the system then also starts batch files.
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace olb::win
