// Test helper: another program dragging files with the drag-and-drop
// library's file source. Usage:
//   olb_drag_source drop X Y KEYS EFFECTS FILE...
//       puts the pointer at screen point (X, Y), holds KEYS (none, ctrl,
//       shift, ctrlshift) with the left button, runs a drag that allows
//       EFFECTS (DROPEFFECT bits) and drops after a few moments over (X, Y)
//   olb_drag_source window [--offer KIND] FILE...
//       shows a window titled "olb drag source" at (600, 300); a real left
//       press and move on it start the drag (automatic drag mode). KIND
//       "text" offers the FILEs' names as plain text only, "empty" a file
//       list naming nothing, "malformed" a file list whose names would
//       start past its end; without it the FILEs are offered as files
// Both print "result=R effect=E" (the drag result and the DROPEFFECT bits
// the target reported) and end.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "win32/base/unicode.h"
#include "win32/dragdrop/file_drop_source.h"

namespace {

using olb::win::TKrFileDropSource;

// The block a drag offering KIND (see above) hands over.
HGLOBAL OddBlock(const std::wstring& kind, const std::string& names) {
  std::string bytes;
  if (kind == L"text") {
    bytes = names + '\0';
  } else {
    DROPFILES header{};
    header.pFiles = kind == L"empty" ? sizeof header : 0x7FFF0000;
    header.fWide = TRUE;
    bytes.assign(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(4, '\0');  // the empty name that ends the list
  }
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (void* at = block ? GlobalLock(block) : nullptr) {
    std::memcpy(at, bytes.data(), bytes.size());
    GlobalUnlock(block);
  }
  return block;
}

void Report(olb::TDropResult result, olb::TDropEffects effects) {
  std::printf("result=%d effect=%u\n", static_cast<int>(result),
              static_cast<unsigned>(olb::DropEffectsTodwEffect(effects)));
  std::fflush(stdout);
}

int Drop(int argc, wchar_t** argv) {
  if (argc < 7) return 2;
  const int x = _wtoi(argv[2]), y = _wtoi(argv[3]);
  const std::wstring keys = argv[4];
  TKrFileDropSource source;
  source.DropEffects =
      olb::dwEffectToDropEffects(static_cast<uint32_t>(wcstoul(argv[5], nullptr, 0)));
  for (int i = 6; i < argc; ++i) source.Files.push_back(olb::win::Narrow(argv[i]));
  // OLE reads the keys and buttons from this thread's keyboard state.
  BYTE state[256] = {};
  state[VK_LBUTTON] = 0x80;
  if (keys.find(L"ctrl") != std::wstring::npos) state[VK_CONTROL] = 0x80;
  if (keys.find(L"shift") != std::wstring::npos) state[VK_SHIFT] = 0x80;
  SetKeyboardState(state);
  SetCursorPos(x, y);
  // A few rounds over the target (enter, over) before the drop.
  int rounds = 0;
  source.OnQueryContinueDrag = [&rounds](bool, olb::TShiftState) -> HRESULT {
    return ++rounds < 8 ? S_OK : DRAGDROP_S_DROP;
  };
  olb::TDropEffects effects;
  const olb::TDropResult result = source.DragDrop(effects);
  Report(result, effects);
  return 0;
}

int Window(int argc, wchar_t** argv) {
  int first = 2;
  std::wstring offer;
  if (argc >= 4 && std::wstring(argv[2]) == L"--offer") {
    offer = argv[3];
    first = 4;
    if (offer != L"text" && offer != L"empty" && offer != L"malformed") return 2;
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
  wc.lpszClassName = L"OlbDragSource";
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"olb drag source",
                           WS_POPUP | WS_BORDER | WS_VISIBLE, 600, 300, 160, 80, nullptr, nullptr,
                           wc.hInstance, nullptr);
  TKrFileDropSource files;
  olb::win::TKrDropSource odd;
  olb::win::TKrCustomDropSource& source =
      offer.empty() ? static_cast<olb::win::TKrCustomDropSource&>(files) : odd;
  std::string names;
  for (int i = first; i < argc; ++i) {
    files.Files.push_back(olb::win::Narrow(argv[i]));
    names += (names.empty() ? "" : "\r\n") + files.Files.back();
  }
  if (!offer.empty()) {
    odd.ClpbrdFormats.Add({olb::TDVAspect::dvaContent}, offer == L"text" ? "CF_TEXT" : "CF_HDROP",
                          olb::TTymed::tiHGLOBAL);
    odd.OnGetData = [&offer, &names](FORMATETC&, STGMEDIUM& medium) -> HRESULT {
      medium.tymed = TYMED_HGLOBAL;
      medium.pUnkForRelease = nullptr;
      medium.hGlobal = OddBlock(offer, names);
      return medium.hGlobal ? S_OK : E_OUTOFMEMORY;
    };
  }
  source.DropEffects = {olb::TDropEffect::deNone, olb::TDropEffect::deCopy,
                        olb::TDropEffect::deMove, olb::TDropEffect::deLink};
  source.DragMode = olb::win::TDragMode::dmAutomatic;
  source.SetDragControl(w);
  bool done = false;
  source.OnDragDrop = [&done](olb::TDropEffects effects, olb::TDropResult result) {
    Report(result, effects);
    done = true;
  };
  MSG msg;
  const DWORD start = GetTickCount();
  while (!done && GetTickCount() - start < 60000) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (!done) MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  source.SetDragControl(nullptr);
  DestroyWindow(w);
  return done ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  OleInitialize(nullptr);
  int rc = 2;
  if (argc >= 2 && std::wstring(argv[1]) == L"drop") rc = Drop(argc, argv);
  if (argc >= 2 && std::wstring(argv[1]) == L"window") rc = Window(argc, argv);
  OleUninitialize();
  return rc;
}
