#include "win32/bar/bar_drag_drop.h"

#include <exception>

#include "win32/base/error_box.h"
#include "win32/view/folder_view.h"

namespace olb::win {

BarDragDrop::BarDragDrop(HWND bar, FolderView& folder, LaunchBar& controller)
    : bar_(bar), folder_(folder), controller_(controller) {
  target_.DropEffects = kBarDropEffects;
  target_.OnDragOverFiles = [this](TShiftState, Point screen, TDropEffects&) {
    controller_.OnDragOverFiles();
    folder_.DragHover(screen);
    folder_.list().SetDropHighlight(controller_.DropHighlightAt(screen));
  };
  target_.OnDragLeaveFiles = [this] {
    folder_.list().SetDropHighlight(std::nullopt);
    folder_.EndDragHover();
  };
  target_.OnDropFiles = [this](const FileList& files, TShiftState shift, TDropEffects& effects) {
    effects = KrFileDropTarget1DropFiles(files, {shift, effects});
  };
  source_.DropEffects = kBarDragEffects;
  source_.SetDragControl(folder.list().hwnd());
  ListViewHandlers& h = folder.list().handlers();
  h.press = [this](POINT at, bool selected) {
    press_.OnPress(selected, {at.x, at.y});
    source_.DragImagePoint = at;
  };
  h.mouseMove = [this](WPARAM keys, POINT at) { ListViewMouseMove(keys, at); };
  h.mouseUp = [this] { press_.Reset(); };
  bound_ = true;
}

void BarDragDrop::RegisterTarget() {
  if (bound_) target_.SetDragControl(bar_);
}

void BarDragDrop::Unbind() {
  if (!bound_) return;
  bound_ = false;
  target_.SetDragControl(nullptr);
  ListViewHandlers& h = folder_.list().handlers();
  h.press = nullptr;
  h.mouseMove = nullptr;
  h.mouseUp = nullptr;
  source_.SetDragControl(nullptr);
}

TDropEffects BarDragDrop::KrFileDropTarget1DropFiles(const FileList& droppedFiles,
                                                     const DropRequest& request) {
  // The drop runs inside OLE's call: a failure is shown here, as any
  // handler's is, and the source learns that nothing was done.
  try {
    return controller_.OnDropFiles(droppedFiles, request);
  } catch (const std::exception& e) {
    ShowException(e);
    return {TDropEffect::deNone};
  }
}

void BarDragDrop::ListViewMouseMove(WPARAM keys, POINT at) {
  const TShiftState shift = KeyStateToShift(static_cast<uint32_t>(keys), GetKeyState(VK_MENU) < 0);
  const bool selected = folder_.list().SelectedIndex().has_value();
  if (!press_.OnMove(shift, {at.x, at.y}, selected)) return;
  KrFileDropSource1StartDrag();
}

void BarDragDrop::KrFileDropSource1StartDrag() {
  const std::optional<int32_t> row = folder_.list().SelectedIndex();
  const std::optional<std::string> path = row ? controller_.DragPathOf(*row) : std::nullopt;
  if (!path) return;
  source_.Files = {*path};
  // Forgotten before the drag: the list's messages keep coming during it.
  press_.Reset();
  TDropEffects effects;
  source_.DragDrop(effects);
  controller_.AfterDrag(effects);
}

}  // namespace olb::win
