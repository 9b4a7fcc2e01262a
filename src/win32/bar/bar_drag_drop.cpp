#include "win32/bar/bar_drag_drop.h"

#include <exception>

#include "core/commands/row_finder.h"
#include "core/docking/docking_engine.h"
#include "win32/app/application.h"
#include "win32/app/error_box.h"
#include "win32/view/folder_view.h"

namespace olb::win {

BarDragDrop::BarDragDrop(HWND bar, FolderView& folder, DockingEngine& engine, FileOps& files,
                         ListRowState& rows)
    : bar_(bar),
      folder_(folder),
      engine_(engine),
      drop_({folder.model(), files, programs_, rows, *this}) {
  target_.DropEffects = kBarDropEffects;
  target_.OnDragOverFiles = [this](TShiftState, Point, TDropEffects&) { drop_.DragOverFiles(); };
  target_.OnDropFiles = [this](const FileList& files) { return KrFileDropTarget1DropFiles(files); };
  target_.SetDragControl(bar_);

  source_.DragControl = folder.list().hwnd();
  source_.DropEffects = kBarDragEffects;
  ListViewHandlers& h = folder.list().handlers();
  h.press = [this](POINT at, bool selected) { press_.OnPress(selected, {at.x, at.y}); };
  h.mouseMove = [this](WPARAM keys, POINT at) { ListViewMouseMove(keys, at); };
  h.mouseUp = [this] { press_.Reset(); };
  bound_ = true;
}

void BarDragDrop::Unbind() {
  if (!bound_) return;
  bound_ = false;
  target_.SetDragControl(nullptr);
  ListViewHandlers& h = folder_.list().handlers();
  h.press = nullptr;
  h.mouseMove = nullptr;
  h.mouseUp = nullptr;
  source_.DragControl = nullptr;
}

uint32_t BarDragDrop::KrFileDropTarget1DropFiles(const FileList& droppedFiles) {
  // The drop runs inside OLE's call: a failure is shown here, as any
  // handler's is, and the source learns that nothing was done.
  try {
    return drop_.DropFiles(droppedFiles);
  } catch (const std::exception& e) {
    ShowException(e);
    return kDropEffectNone;
  }
}

void BarDragDrop::ListViewMouseMove(WPARAM keys, POINT at) {
  const TShiftState shift = KeyStateToShift(static_cast<uint32_t>(keys), GetKeyState(VK_MENU) < 0);
  const bool selected = folder_.list().SelectedIndex().has_value();
  if (!press_.OnMove(shift, {at.x, at.y}, selected)) return;
  KrFileDropSource1StartDrag();
}

void BarDragDrop::KrFileDropSource1StartDrag() {
  FolderModel& model = folder_.model();
  const std::optional<int32_t> row = folder_.list().SelectedIndex();
  const PShellItem* item = row ? model.GetItem(*row) : nullptr;
  if (!item) return;
  source_.Files = {FullPathOf(model, *item)};
  // Forgotten before the drag: the list's messages keep coming during it.
  press_.Reset();
  TDropEffects effects;
  source_.DragDrop(effects);
  if (RereadAfterDrag(effects)) {
    const std::string path = model.Paths().CurrentPath;
    folder_.OpenFolderByPath(path);
  }
}

// --- DropHost ---------------------------------------------------------------

Point BarDragDrop::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

void BarDragDrop::ProcessMessages() {
  Application::ProcessMessages();
}

void BarDragDrop::ShowAutoHiddenBar() {
  engine_.SetAutoHideShown(true);
}

DropGeometry BarDragDrop::Geometry(Point screen) {
  DropGeometry g;
  RECT window{};
  GetWindowRect(bar_, &window);
  const POINT s{screen.x, screen.y};
  g.onWindow = PtInRect(&window, s) != FALSE;
  POINT client = s;
  ScreenToClient(bar_, &client);
  g.pointer = {client.x, client.y};
  const HWND list = folder_.list().hwnd();
  RECT bounds{};
  GetWindowRect(list, &bounds);
  MapWindowPoints(HWND_DESKTOP, bar_, reinterpret_cast<POINT*>(&bounds), 2);
  g.list = {bounds.left, bounds.top, bounds.right, bounds.bottom};
  const Rect view = folder_.list().ViewRect();
  g.viewOrigin = {view.left, view.top};
  const ListScroller& scroller = folder_.scroller();
  g.edge = scroller.edge();
  g.pitch = IsHorizontal(g.edge) ? scroller.itemPitchX() : scroller.itemPitchY();
  g.itemCount = folder_.list().ItemCount();
  return g;
}

void BarDragDrop::StoreDefaultPitch(int32_t pitch) {
  ListScroller& scroller = folder_.scroller();
  if (IsHorizontal(scroller.edge())) {
    scroller.SetItemPitch(pitch, scroller.itemPitchY());
  } else {
    scroller.SetItemPitch(scroller.itemPitchX(), pitch);
  }
}

bool BarDragDrop::CtrlKeyDown() {
  return GetKeyState(VK_CONTROL) < 0;
}

void BarDragDrop::UpdateScrollStrips() {
  folder_.UpdateScrollStrips();
}

void BarDragDrop::ShowError(const std::string& message) {
  ShowException(std::runtime_error(message));
}

}  // namespace olb::win
