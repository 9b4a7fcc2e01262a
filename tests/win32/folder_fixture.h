// A real bar window showing a real temporary folder as its root.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "bar_fixture.h"
#include "temp_folder.h"
#include "win32/dragdrop/file_drop_source.h"

namespace olb::win {

class FolderViewTest : public BarTest {
 protected:
  TempFolder root;

  // A floating bar of the designed size at its root folder, shown.
  BarWindow& StartAtRoot() {
    // A bar destroyed by an earlier test posted the quit message, which
    // letting messages run keeps for the main loop: no timer would tick.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    BarWindow& b = Start();
    b.controller().paths().RootPath = root.Path() + "\\";
    b.controller().OpenRootFolder();
    b.Show();
    b.folderView().SetUpButtonEnabled(false);
    Pump();
    return b;
  }

  HWND List() { return bar->folderView().list().hwnd(); }
  HWND UpButton() { return bar->folderView().upButton().button(); }
  int Count() { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }

  std::wstring Caption(int index) {
    wchar_t text[260] = L"unchanged";
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return text;
  }

  int Find(const wchar_t* text, int after, bool wrap) {
    LVFINDINFOW find{};
    find.flags = LVFI_STRING | LVFI_PARTIAL | (wrap ? LVFI_WRAP : 0);
    find.psz = text;
    return static_cast<int>(SendMessageW(List(), LVM_FINDITEMW, static_cast<WPARAM>(after),
                                         reinterpret_cast<LPARAM>(&find)));
  }

  void Select(int index) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&state));
  }

  void PressEnter() { SendMessageW(List(), WM_KEYDOWN, VK_RETURN, 0); }

  // One wheel notch over the middle of the list.
  void Wheel(int delta) {
    const RECT r = WindowRectOf(List());
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), at);
  }

  StripLook Look(StripId s) { return bar->folderView().strips().look(s); }

  LONG ViewTop() {
    RECT view{};
    SendMessageW(List(), LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(&view));
    return view.top;
  }

  // Lets messages and timers run until `done` or `ms` have passed.
  template <typename Done>
  static bool PumpUntil(Done done, int ms) {
    const DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > static_cast<DWORD>(ms)) return false;
      Pump();
      Sleep(10);
    }
    return true;
  }

  void AddFiles(int count) {
    for (int i = 0; i < count; ++i) root.AddFile("file" + std::to_string(100 + i) + ".txt", 10);
  }

  IDropTarget* Target() { return bar->dragDrop().fileDropTarget().target(); }
  // The screen point of the middle of item `index`.
  POINT ItemCenter(int index) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageW(List(), LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(List(), &p);
    return p;
  }
  // A real data object holding `files` as another program's drag would.
  TKrFileDropSource source;
  ComPtr<IDataObject> NewFileDataObject(const FileList& files) {
    source.Files = files;
    return source.NewDataObject();
  }
};

}  // namespace olb::win
