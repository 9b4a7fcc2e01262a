// A folder of real files, folders and shortcuts under the temporary folder,
// removed with everything in it when the test ends.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "win32/base/com_ptr.h"
#include "win32/base/unicode.h"

namespace olb::win {

class TempFolder {
 public:
  TempFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    // A folder left by an earlier run with the same process id that cannot be
    // removed is passed over for the next name.
    do {
      path_ = std::filesystem::path(temp) / (L"olb-view-" + std::to_wstring(GetCurrentProcessId()) +
                                             L"-" + std::to_wstring(++serial));
      RemoveTree(path_);
    } while (std::filesystem::exists(path_));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { RemoveTree(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's full path, UTF-8, without a trailing backslash.
  std::string Path() const { return Narrow(path_.wstring()); }
  std::string PathOf(const std::string& name) const { return Path() + "\\" + name; }
  std::filesystem::path Native(const std::string& name) const { return path_ / Widen(name); }

  bool Exists(const std::string& name) const { return std::filesystem::exists(Native(name)); }
  void AddFolder(const std::string& name) { std::filesystem::create_directories(Native(name)); }
  void AddFile(const std::string& name, size_t bytes = 0) {
    std::ofstream out(Native(name), std::ios::binary);
    out << std::string(bytes, 'x');
  }
  // A shell link `name` (ending in .lnk) to `target`, saved as the shell does.
  bool AddShortcut(const std::string& name, const std::string& target) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.PutVoid()))) {
      return false;
    }
    link->SetPath(Widen(target).c_str());
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return false;
    return SUCCEEDED(file->Save(Native(name).wstring().c_str(), TRUE));
  }

 private:
  // Through the long-path form: some tests make folders past 260 characters.
  static void RemoveTree(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(L"\\\\?\\" + folder.wstring(), ignored);
  }
  std::filesystem::path path_;
};

}  // namespace olb::win
