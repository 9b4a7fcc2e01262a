#include "win32/adapters/win32_item_shell_menu.h"

#include "win32/adapters/win32_shell_folder.h"
#include "win32/base/unicode.h"

namespace olb::win {

Win32ItemShellMenu::Win32ItemShellMenu(ComPtr<IContextMenu> menu, MenuHandle popup, HWND owner)
    : menu_(std::move(menu)), popup_(std::move(popup)), owner_(owner) {
  menu_->QueryInterface(IID_IContextMenu2, menu2_.PutVoid());
  menu_->QueryInterface(IID_IContextMenu3, menu3_.PutVoid());
}

std::string Win32ItemShellMenu::Verb(uint32_t offset) {
  wchar_t verb[128] = {};
  if (FAILED(menu_->GetCommandString(offset, GCS_VERBW, nullptr, reinterpret_cast<LPSTR>(verb),
                                     ARRAYSIZE(verb)))) {
    return {};
  }
  verb[ARRAYSIZE(verb) - 1] = L'\0';  // an extension may fill the buffer without ending it
  std::string name = Narrow(verb);
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

HResult Win32ItemShellMenu::Invoke(uint32_t offset) {
  CMINVOKECOMMANDINFOEX info{};
  info.cbSize = sizeof(info);
  info.fMask = CMIC_MASK_UNICODE;
  info.hwnd = owner_;
  info.lpVerb = MAKEINTRESOURCEA(offset);
  info.lpVerbW = MAKEINTRESOURCEW(offset);
  info.nShow = SW_SHOWNORMAL;
  return menu_->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&info));
}

bool Win32ItemShellMenu::HandleMenuMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_DRAWITEM:
      if (reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->CtlType != ODT_MENU) return false;
      break;
    case WM_MEASUREITEM:
      if (reinterpret_cast<const MEASUREITEMSTRUCT*>(lp)->CtlType != ODT_MENU) return false;
      break;
    case WM_INITMENUPOPUP:
    case WM_MENUCHAR:
      break;
    default:
      return false;
  }
  result = 0;
  if (menu3_) return SUCCEEDED(menu3_->HandleMenuMsg2(msg, wp, lp, &result));
  // The older interface has no answer to give for WM_MENUCHAR.
  if (menu2_ && msg != WM_MENUCHAR) return SUCCEEDED(menu2_->HandleMenuMsg(msg, wp, lp));
  return false;
}

HResult Win32ItemShellMenus::MenuFor(ShellFolder& folder, const uint8_t* relative,
                                     std::unique_ptr<ItemShellMenu>* out) {
  auto* shellFolder = dynamic_cast<Win32ShellFolder*>(&folder);
  if (!shellFolder || !relative) return E_INVALIDARG;
  PCUITEMID_CHILD items[1] = {reinterpret_cast<PCUITEMID_CHILD>(relative)};
  ComPtr<IContextMenu> menu;
  HRESULT hr = shellFolder->get()->GetUIObjectOf(owner_, 1, items, IID_IContextMenu, nullptr,
                                                 menu.PutVoid());
  if (FAILED(hr)) return hr;
  if (!menu) return E_FAIL;
  MenuHandle popup(CreatePopupMenu());
  if (!popup) return E_OUTOFMEMORY;
  hr = menu->QueryContextMenu(popup.get(), 0, kFirstShellCommand, kLastShellCommand, CMF_NORMAL);
  if (FAILED(hr)) return hr;
  // A menu that added nothing would be an empty submenu.
  if (GetMenuItemCount(popup.get()) <= 0) return E_FAIL;
  *out = std::make_unique<Win32ItemShellMenu>(std::move(menu), std::move(popup), owner_);
  return S_OK;
}

}  // namespace olb::win
