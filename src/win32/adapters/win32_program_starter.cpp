#include "win32/adapters/win32_program_starter.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "core/platform/com_error.h"
#include "win32/base/com_ptr.h"
#include "win32/base/system_error.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

// One text field of the link; long paths fit.
template <typename Getter>
std::string LinkText(Getter get) {
  std::vector<wchar_t> text(32768, L'\0');
  if (FAILED(get(text.data(), static_cast<int>(text.size())))) return {};
  text.back() = L'\0';
  return Narrow(text.data());
}

}  // namespace

std::optional<ShortcutLink> Win32ProgramStarter::ReadShortcut(const std::string& linkPath) {
  ComPtr<IShellLinkW> link;
  const HRESULT made =
      CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                       IID_IShellLinkW, link.PutVoid());
  if (FAILED(made)) throw ComError(made, "Cannot create the shell link object");
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return std::nullopt;
  if (FAILED(file->Load(Widen(linkPath).c_str(), STGM_READ))) return std::nullopt;
  ShortcutLink read;
  // The stored path, not resolved.
  read.target = LinkText([&](wchar_t* text, int size) {
    WIN32_FIND_DATAW data{};
    return link->GetPath(text, size, &data, 0);
  });
  read.arguments =
      LinkText([&](wchar_t* text, int size) { return link->GetArguments(text, size); });
  read.workingDirectory =
      LinkText([&](wchar_t* text, int size) { return link->GetWorkingDirectory(text, size); });
  return read;
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

std::string Win32ProgramStarter::StartProgram(const ProgramStart& start) {
  const std::wstring program = Widen(start.program);
  std::wstring commandLine = Widen(start.commandLine);
  const std::wstring directory = Widen(start.directory);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  // The program is named by itself, never by the command line's first
  // token. The system runs a batch file through the command interpreter.
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &process)) {
    return SystemMessage(HRESULT_FROM_WIN32(GetLastError()));
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {};
}

}  // namespace olb::win
